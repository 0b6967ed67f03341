// Every option of the game, described once: where the Options menu sets it,
// its values and the one a run starts with, whether choosing it waits for the
// computer to yield, and its names on the command line and in the stored
// settings. The menu, its check marks, the yield rule, the command line and
// the stored settings are all made from this table. An option's value lives
// where the rules or the computer read it; the table reaches it through one
// getter and one setter and keeps no copy.
#pragma once

#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "platform/types.h"
#include "platform/ui/menu.h"

// How a value is written on the command line and in the stored settings.
enum class OptionText {
  kNumber,  // a whole number from the minimum to the maximum
  kWords,   // one of the words, the first standing for the minimum
  kSeats,   // seat numbers from 1, separated by commas; bit s of the value is seat s
};

struct OptionEntry {
  // The Options menu's item: a dialog's command, a submenu of radio items
  // (item i stands for the value nMinimum + i) or a toggle (checked is 1);
  // none when its text is null (an option with keys of its own).
  MenuItem menu;
  bool bSeparatorBefore = false;
  OptionText text = OptionText::kNumber;
  int nMinimum = 0;
  int nMaximum = 0;
  int nDefault = 0;
  std::span<const char* const> words = {};
  // Choosing it waits until the computer has yielded; otherwise it acts at
  // once and the computer plays on.
  bool bWaitsForYield = true;
  // Named --name=VALUE on the command line, with a line of --help; none when null.
  const char* commandLineName = nullptr;
  const char* commandLineHelp = nullptr;
  // Its key in the stored settings; not stored when null.
  const char* storedKey = nullptr;
  int (*get)() = nullptr;
  void (*set)(int) = nullptr;
};

// The game's options, in the Options menu's order.
std::span<const OptionEntry> GameOptions();

// A value per option of a table, by position; none where the option is not given.
using OptionValues = std::vector<std::optional<int>>;

// The value a text stands for, or none when the option does not accept it.
std::optional<int> ParseOptionValue(const OptionEntry& option, const QString& text);
QString OptionValueText(const OptionEntry& option, int nValue);
// What the option accepts, in words, for a message.
QString OptionAccepts(const OptionEntry& option);

// The Options menu's items, built once for a table that lives as long.
std::vector<MenuItem> OptionMenuItems(std::span<const OptionEntry> table);
// The option a menu item sets, and the value it chooses; a toggle chooses
// the value it does not have.
struct OptionCommand {
  const OptionEntry* option;
  int nValue;
};
std::optional<OptionCommand> FindOptionCommand(std::span<const OptionEntry> table, UINT nID);
// Whether a radio or toggle item's choice is the one in force.
bool IsOptionChecked(std::span<const OptionEntry> table, UINT nID);
// Whether a command acts at once while the computer plays.
bool OptionRunsDuringPlay(std::span<const OptionEntry> table, UINT nID);
