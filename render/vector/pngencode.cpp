// Colour PNGs in one pass. The composer's pictures are flat squares with anti-aliased men on
// them: after PNG's Up filter (each byte less the byte above it) nearly every byte is zero (some
// 94% of a full board). Here each pixel is compared with the one above it and the filtered bytes
// go straight into one deflate block with the fixed codes: a run of zeros as copies of the byte
// before it, everything else as literals, the Adler-32 kept on the way. That is one look at
// each pixel, where a general compressor searches for matches at every byte; the file comes out
// some two to three times larger than zlib's fastest level makes it. A picture that does not
// shrink eightfold that way goes through zlib's fastest level; so does a picture of greys only
// (the print style), as an 8-bit grey PNG, a third of the bytes: its hatching repeats along the
// diagonal, not down the rows, and there zlib's search pays.
#include "render/vector/pngencode.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace {
// Bits into bytes, the first bit the lowest, as deflate packs them, four bytes at a time into a
// buffer large enough for the worst case.
struct BitWriter {
  uint8_t *out;
  uint64_t bits = 0;
  int count = 0;
  void Put(uint32_t value, int n) {
    bits |= static_cast<uint64_t>(value) << count;
    count += n;
    if (count >= 32) {
      const uint32_t word = static_cast<uint32_t>(bits);
      for (int k = 0; k < 4; k++) out[k] = static_cast<uint8_t>(word >> (8 * k));
      out += 4;
      bits >>= 32;
      count -= 32;
    }
  }
  void Flush() {
    for (; count > 0; count -= 8, bits >>= 8) *out++ = static_cast<uint8_t>(bits);
    count = 0;
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

// A copy of length 3..258 of the byte before it (distance 1: distance code 0, five zero bits).
void RepeatLast(BitWriter &w, int length) {
  static const int base[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static const int extra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  int k = 28;
  while (base[k] > length) k--;
  Symbol(w, 257 + k);
  if (extra[k]) w.Put(length - base[k], extra[k]);
  w.Put(0, 5);
}

// Deflate and Adler-32 of the filtered bytes: literals, and runs of zeros held back until the
// byte after them (the first zero a literal, the rest copies of it).
struct Stream {
  BitWriter w;
  uint64_t a = 1, b = 0;  // Adler-32's sums, reduced at the end of each row
  int zeros = 0;
  void Literal(uint8_t v) {
    EndZeros();
    Symbol(w, v);
    a += v;
    b += a;
  }
  void Zero(int n) { zeros += n; }
  void EndZeros() {
    if (zeros == 0) return;
    b += static_cast<uint64_t>(zeros) * a;
    Symbol(w, 0);
    int run = zeros - 1;
    zeros = 0;
    while (run >= 3) {
      // 258 at a time, but never leaving one or two behind.
      const int n = run <= 258 ? run : run - 258 >= 3 ? 258 : run - 3;
      RepeatLast(w, n);
      run -= n;
    }
    while (run-- > 0) Symbol(w, 0);
  }
};

// True when every pixel is a grey (red, green and blue alike).
bool Greys(const uint32_t *pixels, size_t count) {
  for (size_t k = 0; k < count; k++) {
    const uint32_t p = pixels[k];
    if (((p >> 16) & 0xFF) != (p & 0xFF) || ((p >> 8) & 0xFF) != (p & 0xFF)) return false;
  }
  return true;
}

// The Up-filtered rows (RGB, or the blue byte alone of greys) through zlib's fastest level into
// room.deflated; its size, or 0 should zlib fail.
size_t Deflated(const uint32_t *pixels, int width, int height, bool grey, PNGRoom &room) {
  const int channels = grey ? 1 : 3;
  const size_t rowBytes = static_cast<size_t>(width) * channels;
  std::vector<uint8_t> &rows = room.filtered;
  rows.resize(std::max(rows.size(), (rowBytes + 1) * height));
  const std::vector<uint32_t> none(width, 0);
  for (int y = 0; y < height; y++) {
    uint8_t *at = &rows[(rowBytes + 1) * y];
    *at++ = 2;
    const uint32_t *row = pixels + static_cast<size_t>(y) * width, *above = y ? row - width : none.data();
    if (grey) {
      for (int x = 0; x < width; x++) at[x] = static_cast<uint8_t>(row[x] - above[x]);
      continue;
    }
    for (int x = 0; x < width; x++)
      for (int shift : {16, 8, 0}) *at++ = static_cast<uint8_t>((row[x] >> shift) - (above[x] >> shift));
  }
  const uLong in = static_cast<uLong>((rowBytes + 1) * height);
  room.deflated.resize(std::max<size_t>(room.deflated.size(), compressBound(in)));
  uLongf size = room.deflated.size();
  if (compress2(room.deflated.data(), &size, rows.data(), in, Z_BEST_SPEED) != Z_OK) return 0;
  return size;
}

void Put32(uint8_t *at, uint32_t v) {
  for (int k = 0; k < 4; k++) at[k] = static_cast<uint8_t>(v >> (24 - 8 * k));
}

// A chunk: length, type, data, the CRC of type and data.
void Chunk(std::vector<uint8_t> &png, const char *type, const uint8_t *data, size_t size) {
  const size_t start = png.size();
  png.resize(start + 12 + size);
  uint8_t *at = png.data() + start;
  Put32(at, static_cast<uint32_t>(size));
  std::memcpy(at + 4, type, 4);
  if (size) std::memcpy(at + 8, data, size);
  Put32(at + 8 + size, static_cast<uint32_t>(crc32(0, at + 4, static_cast<uInt>(size + 4))));
}

// The Up-filtered RGB rows in one pass into room.fast, through the end of the stream.
uint8_t *FastDeflated(const uint32_t *pixels, int width, int height, PNGRoom &room) {
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  // The worst case: every byte a nine-bit literal; then the header, end and checksum.
  room.fast.resize(std::max(room.fast.size(), 2 + (rowBytes + 1) * height * 9 / 8 + 16));
  uint8_t *z = room.fast.data();
  z[0] = 0x78, z[1] = 0x01;
  Stream s{BitWriter{z + 2}};
  s.w.Put(1, 1);  // the last block
  s.w.Put(1, 2);  // fixed codes
  const std::vector<uint32_t> none(width, 0);
  for (int y = 0; y < height; y++) {
    const uint32_t *row = pixels + static_cast<size_t>(y) * width;
    const uint32_t *above = y ? row - width : none.data();
    s.Literal(2);  // the Up filter
    // Equal stretches are found with memcmp, eight pixels at a time; a whole row at once first.
    if (std::memcmp(row, above, static_cast<size_t>(width) * 4) == 0) {
      s.Zero(3 * width);
      s.EndZeros();
      s.a %= 65521, s.b %= 65521;
      continue;
    }
    for (int x = 0; x < width; x++) {
      while (x + 8 <= width && std::memcmp(row + x, above + x, 32) == 0) s.Zero(24), x += 8;
      if (x == width) break;
      const uint32_t p = row[x] & 0xFFFFFF, q = above[x] & 0xFFFFFF;
      if (p == q) {
        s.Zero(3);
        continue;
      }
      for (int shift : {16, 8, 0}) {
        const uint8_t v = static_cast<uint8_t>((p >> shift) - (q >> shift));
        if (v) s.Literal(v);
        else s.Zero(1);
      }
    }
    s.EndZeros();
    s.a %= 65521, s.b %= 65521;
  }
  Symbol(s.w, 256);
  s.w.Flush();
  uint8_t *end = s.w.out;
  Put32(end, static_cast<uint32_t>(s.b << 16 | s.a));
  return end + 4;
}
}  // namespace

std::vector<uint8_t> PixelsPNG(const uint32_t *pixels, int width, int height, int ppm, PNGRoom &room) {
  const size_t count = static_cast<size_t>(width) * height;
  const bool grey = Greys(pixels, count);
  const uint8_t *stream = room.fast.data();
  size_t streamSize = 0;
  if (!grey) {
    streamSize = static_cast<size_t>(FastDeflated(pixels, width, height, room) - room.fast.data());
    stream = room.fast.data();
  }
  if (grey || streamSize > count * 3 / 8) {
    const size_t slow = Deflated(pixels, width, height, grey, room);
    if (slow) stream = room.deflated.data(), streamSize = slow;
    else if (grey) return {};  // zlib could not, and there is no other stream
  }

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  png.reserve(streamSize + 128);
  uint8_t header[13] = {0, 0, 0, 0, 0, 0, 0, 0, 8, 2, 0, 0, 0};  // 8 bits, RGB, no interlace
  if (grey) header[9] = 0;                                      // 8 bits, grey
  Put32(header, static_cast<uint32_t>(width));
  Put32(header + 4, static_cast<uint32_t>(height));
  Chunk(png, "IHDR", header, sizeof header);
  uint8_t phys[9] = {0, 0, 0, 0, 0, 0, 0, 0, 1};  // pixels per metre
  Put32(phys, static_cast<uint32_t>(ppm));
  Put32(phys + 4, static_cast<uint32_t>(ppm));
  Chunk(png, "pHYs", phys, sizeof phys);
  Chunk(png, "IDAT", stream, streamSize);
  Chunk(png, "IEND", nullptr, 0);
  return png;
}
