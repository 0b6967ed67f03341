#include "image_files.h"

#include <array>

namespace {

void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

void PutBig(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) {
        c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      }
      entries[n] = c;
    }
    return entries;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  }
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

// Deflate with the fixed Huffman codes, finding only runs of one repeated
// byte (matches at distance 1). Flat pixel art compresses well that way, and
// the output depends on nothing but the input.
class FixedDeflate {
 public:
  explicit FixedDeflate(std::vector<std::uint8_t>& out) : m_out(out) {}

  void Compress(const std::vector<std::uint8_t>& data) {
    PutBits(1, 1);  // the last block
    PutBits(1, 2);  // fixed Huffman codes
    std::size_t i = 0;
    while (i < data.size()) {
      std::size_t run = 0;
      if (i > 0) {
        while (run < 258 && i + run < data.size() && data[i + run] == data[i - 1]) {
          ++run;
        }
      }
      if (run >= 3) {
        PutLength(static_cast<int>(run));
        PutBits(0, 5);  // distance code 0: distance 1
        i += run;
      } else {
        PutSymbol(data[i]);
        ++i;
      }
    }
    PutSymbol(256);
    if (m_count > 0) {
      m_out.push_back(static_cast<std::uint8_t>(m_bits));
    }
  }

 private:
  void PutBits(std::uint32_t value, int count) {
    m_bits |= value << m_count;
    m_count += count;
    while (m_count >= 8) {
      m_out.push_back(static_cast<std::uint8_t>(m_bits));
      m_bits >>= 8;
      m_count -= 8;
    }
  }

  // Huffman codes go out most significant bit first.
  void PutCode(std::uint32_t code, int length) {
    std::uint32_t reversed = 0;
    for (int i = 0; i < length; ++i) {
      reversed = reversed << 1 | (code >> i & 1);
    }
    PutBits(reversed, length);
  }

  void PutSymbol(int symbol) {
    if (symbol <= 143) {
      PutCode(0x30 + symbol, 8);
    } else if (symbol <= 255) {
      PutCode(0x190 + symbol - 144, 9);
    } else if (symbol <= 279) {
      PutCode(symbol - 256, 7);
    } else {
      PutCode(0xC0 + symbol - 280, 8);
    }
  }

  void PutLength(int length) {
    static constexpr int kBase[29] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                      15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                      67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr int kExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int code = 28;
    while (kBase[code] > length) {
      --code;
    }
    PutSymbol(257 + code);
    PutBits(static_cast<std::uint32_t>(length - kBase[code]), kExtra[code]);
  }

  std::vector<std::uint8_t>& m_out;
  std::uint32_t m_bits = 0;
  int m_count = 0;
};

void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
  PutBig(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBig(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Canvas& picture, std::span<const Rgb> palette) {
  const int stride = (picture.Width() + 3) / 4 * 4;
  const auto colours = static_cast<std::uint32_t>(palette.size());
  const std::uint32_t pixelOffset = 14 + 40 + 4 * colours;
  const auto pixelBytes = static_cast<std::uint32_t>(stride * picture.Height());

  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLittle(out, pixelOffset + pixelBytes, 4);
  PutLittle(out, 0, 4);
  PutLittle(out, pixelOffset, 4);

  PutLittle(out, 40, 4);
  PutLittle(out, static_cast<std::uint32_t>(picture.Width()), 4);
  PutLittle(out, static_cast<std::uint32_t>(picture.Height()), 4);
  PutLittle(out, 1, 2);  // planes
  PutLittle(out, 8, 2);  // bits per pixel
  PutLittle(out, 0, 4);  // uncompressed
  PutLittle(out, pixelBytes, 4);
  PutLittle(out, 2835, 4);  // 72 dots per inch
  PutLittle(out, 2835, 4);
  PutLittle(out, colours, 4);
  PutLittle(out, 0, 4);

  for (const Rgb& colour : palette) {
    out.push_back(colour.b);
    out.push_back(colour.g);
    out.push_back(colour.r);
    out.push_back(0);
  }
  for (int y = picture.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < stride; ++x) {
      out.push_back(x < picture.Width() ? picture.At(x, y) : 0);
    }
  }
  return out;
}

std::vector<std::uint8_t> EncodePng(const Canvas& picture, std::span<const Rgb> palette) {
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

  std::vector<std::uint8_t> header;
  PutBig(header, static_cast<std::uint32_t>(picture.Width()));
  PutBig(header, static_cast<std::uint32_t>(picture.Height()));
  header.insert(header.end(), {8, 3, 0, 0, 0});  // 8-bit palette, no interlace
  PutChunk(out, "IHDR", header);

  std::vector<std::uint8_t> colours;
  for (const Rgb& colour : palette) {
    colours.insert(colours.end(), {colour.r, colour.g, colour.b});
  }
  PutChunk(out, "PLTE", colours);

  std::vector<std::uint8_t> rows;
  for (int y = 0; y < picture.Height(); ++y) {
    rows.push_back(0);  // no filter
    for (int x = 0; x < picture.Width(); ++x) {
      rows.push_back(picture.At(x, y));
    }
  }
  std::vector<std::uint8_t> stream = {0x78, 0x01};
  FixedDeflate(stream).Compress(rows);
  PutBig(stream, Adler32(rows));
  PutChunk(out, "IDAT", stream);

  PutChunk(out, "IEND", {});
  return out;
}
