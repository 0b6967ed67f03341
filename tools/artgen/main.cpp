// Draws every bitmap and icon of the game into a resource folder:
//   artgen RES_DIR   writes RES_DIR/bitmaps/<id>.bmp and RES_DIR/icons/128-<n>.png
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "artwork.h"
#include "board/bitmap_ids.h"
#include "image_files.h"

namespace {

void Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

void WriteBitmap(const std::filesystem::path& folder, unsigned id, const Canvas& picture) {
  Write(folder / (std::to_string(id) + ".bmp"), EncodeBmp(picture, kBoardPalette));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s RES_DIR\n", argv[0]);
    return 2;
  }
  try {
    const std::filesystem::path root = argv[1];
    const std::filesystem::path bitmaps = root / "bitmaps";
    const std::filesystem::path icons = root / "icons";
    std::filesystem::create_directories(bitmaps);
    std::filesystem::create_directories(icons);

    WriteBitmap(bitmaps, IDB_BOARD, BoardPicture());
    WriteBitmap(bitmaps, IDB_PEGS, PegStrip());
    WriteBitmap(bitmaps, IDB_DICE, DicePicture());
    WriteBitmap(bitmaps, IDB_BUTTONS, ButtonPicture());
    for (unsigned seat = 0; seat < 4; ++seat) {
      const std::string number = std::to_string(seat + 1);
      WriteBitmap(bitmaps, IDB_PLAYER1 + seat, Banner("Player " + number));
      WriteBitmap(bitmaps, IDB_WINNER1 + seat, Banner("Winner " + number));
    }
    WriteBitmap(bitmaps, IDB_NOWINNER, Banner("No Winner"));

    const std::array<Rgb, 16> palette = IconPalette();
    for (int size : {16, 32, 48, 64, 128, 256}) {
      Write(icons / ("128-" + std::to_string(size) + ".png"),
            EncodePng(IconPicture(size), palette));
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "artgen: %s\n", error.what());
    return 1;
  }
  return 0;
}
