// Colour PNGs in one pass. The composer's pictures are flat squares with anti-aliased men on
// them: after PNG's Up filter (each byte less the byte above it) nearly every byte is zero (some
// 94% of a full board). Here the filtered bytes go straight into one deflate block with the
// fixed codes: a run of zeros as copies of the byte before it, everything else as literals. That
// is one look at each byte, where a general compressor searches for matches at every one; the
// file comes out some two to three times larger than zlib's fastest level makes it.
#include "render/png/rgbpng.h"

#include <zlib.h>

#include <vector>

namespace {
// Bits into bytes, the first bit the lowest, as deflate packs them.
struct BitWriter {
  std::vector<uint8_t> &out;
  uint64_t bits = 0;
  int count = 0;
  void Put(uint32_t value, int n) {
    bits |= static_cast<uint64_t>(value) << count;
    count += n;
    while (count >= 8) {
      out.push_back(static_cast<uint8_t>(bits));
      bits >>= 8;
      count -= 8;
    }
  }
  void Flush() {
    if (count > 0) out.push_back(static_cast<uint8_t>(bits));
    bits = 0, count = 0;
  }
};

// The fixed literal/length codes: 0..143 eight bits from 0x30, 144..255 nine bits from 0x190,
// 256..279 seven bits from 0, 280..287 eight bits from 0xC0; kept bit-reversed, ready to put.
struct FixedCodes {
  uint16_t bits[288];
  uint8_t length[288];
  FixedCodes() {
    for (int s = 0; s < 288; s++) {
      const int n = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
      const int code = s < 144 ? 0x30 + s : s < 256 ? 0x190 + s - 144 : s < 280 ? s - 256 : 0xC0 + s - 280;
      uint32_t reversed = 0;
      for (int k = 0; k < n; k++) reversed |= ((code >> k) & 1) << (n - 1 - k);
      bits[s] = static_cast<uint16_t>(reversed), length[s] = static_cast<uint8_t>(n);
    }
  }
};
const FixedCodes Fixed;

void Symbol(BitWriter &w, int s) { w.Put(Fixed.bits[s], Fixed.length[s]); }

// A copy of length 3..258 of the byte before it (distance 1, distance code 0).
void RepeatLast(BitWriter &w, int length) {
  static const int base[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static const int extra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  int k = 28;
  while (base[k] > length) k--;
  Symbol(w, 257 + k);
  if (extra[k]) w.Put(length - base[k], extra[k]);
  w.Put(0, 5);  // distance code 0, all bits zero either way round
}

// A run of zeros after a byte that is zero too.
void Zeros(BitWriter &w, int run) {
  while (run >= 3) {
    const int n = run > 258 ? (run - 258 >= 3 || run - 258 == 0 ? 258 : run - 3) : run;
    RepeatLast(w, n);
    run -= n;
  }
  while (run-- > 0) Symbol(w, 0);
}

void Put32(std::vector<uint8_t> &out, uint32_t v) {
  for (int k = 3; k >= 0; k--) out.push_back(static_cast<uint8_t>(v >> (8 * k)));
}

void Chunk(std::vector<uint8_t> &png, const char *type, const std::vector<uint8_t> &data) {
  Put32(png, static_cast<uint32_t>(data.size()));
  const size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  Put32(png, static_cast<uint32_t>(crc32(0, png.data() + start, static_cast<uInt>(png.size() - start))));
}
}  // namespace

std::vector<uint8_t> RGBPNG(const uint8_t *rows, int width, int height, int stride, int ppm) {
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  // The zlib stream: its header, one fixed block, the Adler-32 of the filtered rows.
  std::vector<uint8_t> z = {0x78, 0x01};
  z.reserve(rowBytes * height / 8);
  BitWriter w{z};
  w.Put(1, 1);  // the last block
  w.Put(1, 2);  // fixed codes
  uLong adler = adler32(0, nullptr, 0);
  std::vector<uint8_t> filtered(rowBytes + 1);
  filtered[0] = 2;  // Up
  for (int y = 0; y < height; y++) {
    const uint8_t *row = rows + static_cast<size_t>(y) * stride, *above = y ? row - stride : nullptr;
    for (size_t i = 0; i < rowBytes; i++) filtered[i + 1] = static_cast<uint8_t>(above ? row[i] - above[i] : row[i]);
    adler = adler32(adler, filtered.data(), static_cast<uInt>(filtered.size()));
    // The filter byte is never zero, so every run of zeros starts after a literal.
    Symbol(w, filtered[0]);
    for (size_t i = 1; i <= rowBytes;) {
      if (filtered[i] != 0) {
        Symbol(w, filtered[i++]);
        continue;
      }
      size_t end = i;
      while (end <= rowBytes && filtered[end] == 0) end++;
      Symbol(w, 0);  // the first zero as itself, the rest as copies of it
      Zeros(w, static_cast<int>(end - i - 1));
      i = end;
    }
  }
  Symbol(w, 256);
  w.Flush();
  Put32(z, static_cast<uint32_t>(adler));

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  Put32(header, static_cast<uint32_t>(width));
  Put32(header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filters, no interlace
  Chunk(png, "IHDR", header);
  std::vector<uint8_t> phys;
  Put32(phys, static_cast<uint32_t>(ppm));
  Put32(phys, static_cast<uint32_t>(ppm));
  phys.push_back(1);  // pixels per metre
  Chunk(png, "pHYs", phys);
  Chunk(png, "IDAT", z);
  Chunk(png, "IEND", {});
  return png;
}
