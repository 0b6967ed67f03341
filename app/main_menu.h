// The main window's menu and accelerator table.
#pragma once

#include <span>

#include "platform/ui/menu.h"

std::span<const MenuPopup> MainMenu();
std::span<const Accelerator> MainAccelerators();
