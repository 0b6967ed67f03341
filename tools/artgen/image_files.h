// Writes pictures as files, byte for byte the same on every machine: the
// encoders are our own, so no library version can change a committed file.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "canvas.h"
#include "palette.h"

// An uncompressed 8-bit palette BMP, rows bottom-up.
std::vector<std::uint8_t> EncodeBmp(const Canvas& picture, std::span<const Rgb> palette);
// An 8-bit palette PNG.
std::vector<std::uint8_t> EncodePng(const Canvas& picture, std::span<const Rgb> palette);
