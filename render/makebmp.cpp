// Composition of the diagram picture and the BMP writer.
#include "render/makebmp.h"

#include <cstring>

#include "render/boardparts.h"

namespace {
constexpr int HeaderSize = 62;

int Stride(int size) { return ((size - 1) / 32 + 1) * 4; }

void Put16(uint8_t *p, int v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t *p, uint32_t v) {
  for (int k = 0; k < 4; k++) p[k] = static_cast<uint8_t>(v >> (8 * k));
}

// Sixteen bytes handled as one value (the compiler's vector extension: one register on the
// machines we build for, plain loops elsewhere).
typedef uint8_t Bytes16 __attribute__((vector_size(16)));

// Byte j of sixteen file rows y .. y+15: for each of the eight columns x = 8j+1 .. 8j+8 the
// sixteen pixels of those rows lie together in the canvas, and each adds its bit (set for white:
// a zero byte) to all sixteen rows at once: the bits so far doubled, plus one where white (a
// comparison gives all ones, -1, for true), so the leftmost column ends in the high bit.
Bytes16 WhiteBits(const Canvas &canvas, int j, int y) {
  Bytes16 bits = {};
#pragma GCC unroll 8
  for (int k = 0; k < 8; k++) {
    Bytes16 column;
    std::memcpy(&column, &canvas.Dot[8 * j + 1 + k][y], sizeof column);
    bits = bits + bits - reinterpret_cast<Bytes16>(column == 0);
  }
  return bits;
}

// Interleaving two values' bytes, pairs of bytes or groups of four, from their low or high halves:
// three rounds turn eight values (one byte column of sixteen rows each) into sixteen rows of
// eight bytes.
Bytes16 Lo8(Bytes16 a, Bytes16 b) {
  return __builtin_shufflevector(a, b, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
}
Bytes16 Hi8(Bytes16 a, Bytes16 b) {
  return __builtin_shufflevector(a, b, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31);
}
Bytes16 Lo16(Bytes16 a, Bytes16 b) {
  return __builtin_shufflevector(a, b, 0, 1, 16, 17, 2, 3, 18, 19, 4, 5, 20, 21, 6, 7, 22, 23);
}
Bytes16 Hi16(Bytes16 a, Bytes16 b) {
  return __builtin_shufflevector(a, b, 8, 9, 24, 25, 10, 11, 26, 27, 12, 13, 28, 29, 14, 15, 30, 31);
}
Bytes16 Lo32(Bytes16 a, Bytes16 b) {
  return __builtin_shufflevector(a, b, 0, 1, 2, 3, 16, 17, 18, 19, 4, 5, 6, 7, 20, 21, 22, 23);
}
Bytes16 Hi32(Bytes16 a, Bytes16 b) {
  return __builtin_shufflevector(a, b, 8, 9, 10, 11, 24, 25, 26, 27, 12, 13, 14, 15, 28, 29, 30, 31);
}

// Bytes j .. j+7 of sixteen file rows from rows on, each row stride bytes after the last.
void Pack8Columns(const Canvas &canvas, int j, int y, uint8_t *rows, int stride) {
  Bytes16 a[8];
  for (int k = 0; k < 8; k++) a[k] = WhiteBits(canvas, j + k, y);
  for (int half = 0; half < 2; half++) {
    Bytes16 b01 = half ? Hi8(a[0], a[1]) : Lo8(a[0], a[1]), b23 = half ? Hi8(a[2], a[3]) : Lo8(a[2], a[3]),
            b45 = half ? Hi8(a[4], a[5]) : Lo8(a[4], a[5]), b67 = half ? Hi8(a[6], a[7]) : Lo8(a[6], a[7]);
    // Four rows of bytes j .. j+3, then of j+4 .. j+7, twice; then two rows of all eight, four times.
    Bytes16 c[2] = {Lo16(b01, b23), Hi16(b01, b23)}, e[2] = {Lo16(b45, b67), Hi16(b45, b67)};
    for (int q = 0; q < 2; q++) {
      Bytes16 d[2] = {Lo32(c[q], e[q]), Hi32(c[q], e[q])};
      for (int p = 0; p < 4; p++) {
        int row = 8 * half + 4 * q + p;
        std::memcpy(rows + static_cast<size_t>(row) * stride + j, reinterpret_cast<uint8_t *>(&d[p / 2]) + 8 * (p % 2), 8);
      }
    }
  }
}
}  // namespace

int PictureSize(int coords) { return coords ? 624 : 592; }

int PictureStride(int coords) { return Stride(PictureSize(coords)); }

int PictureResolution(const PictureSettings &settings) {
  return static_cast<int>(PictureSize(settings.Coords) * 100 / (settings.Inches() * 2.54) + 0.5);
}

void Compose(const Diagram &diagram, const PictureSettings &settings, Canvas &canvas) {
  const int coords = settings.Coords;
  int size = PictureSize(coords);
  // With coordinates the board stands 30 pixels right and up, the glyphs in the margin this
  // leaves. Every part of the board is drawn in place there: the same pixels as drawing it at
  // the corner and moving it, since nothing drawn depends on where it stands.
  int o = coords ? 30 : 0;

  // Columns 0..size, rows 0..size are whitened (column 0 and row 0 too, though never written to
  // the file), so nothing left from an earlier drawing stays; the dark squares are skipped, as
  // their hatching below writes every pixel of them. The canvas keeps each column's pixels
  // together: one fill a stretch.
  for (int x = 0; x <= size; x++) {
    int u = x - 9 - o;
    if (u < 0 || u >= 8 * 72) {
      std::memset(canvas.Dot[x], 0, size + 1);
      continue;
    }
    std::memset(canvas.Dot[x], 0, 9 + o);
    for (int r = 0; r < 8; r++)
      if ((u / 72 + r) % 2) std::memset(&canvas.Dot[x][9 + o + 72 * r], 0, 72);
    std::memset(&canvas.Dot[x][585 + o], 0, size + 1 - (585 + o));
  }
  DrawFrame(canvas, o);
  // The dark squares: EmptyB's hatching on the white canvas.
  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++)
      if ((c + r) % 2 == 0) HatchedSquare(canvas, 9 + 72 * c + o, 9 + 72 * r + o);
  DrawMen(canvas, diagram, o);
  DrawArrows(canvas, diagram, o);
  if (coords) DrawCoordinates(canvas, diagram);
}

namespace {
size_t FileBytes(int coords) {
  int size = PictureSize(coords);
  return HeaderSize + static_cast<size_t>(Stride(size)) * size;
}

// Writes the FileBytes(settings.Coords) bytes of the file of the canvas into h, which holds zeros.
void EncodeInto(const Canvas &canvas, const PictureSettings &settings, uint8_t *h) {
  int size = PictureSize(settings.Coords);
  int stride = Stride(size);
  int resolution = PictureResolution(settings);
  h[0] = 'B', h[1] = 'M';
  Put32(h + 2, HeaderSize + stride * size);
  Put32(h + 10, HeaderSize);
  Put32(h + 14, 40);
  Put32(h + 18, size);
  Put32(h + 22, size);
  Put16(h + 26, 1);
  Put16(h + 28, 1);
  Put32(h + 34, stride * size);
  Put32(h + 38, resolution);
  Put32(h + 42, resolution);
  h[58] = h[59] = h[60] = 255;  // palette entry 1 white; entry 0 stays black

  // Byte j of row y holds pixels x = 8j+1 .. 8j+8, the leftmost in the high bit, white set.
  // Both picture sizes are whole multiples of 16 rows.
  uint8_t *data = h + HeaderSize;
  for (int y = 1; y <= size; y += 16) {
    uint8_t *rows = data + static_cast<size_t>(y - 1) * stride;
    int j = 0;
    for (; j + 8 <= size / 8; j += 8) Pack8Columns(canvas, j, y, rows, stride);
    for (; j < size / 8; j++) {
      Bytes16 bits = WhiteBits(canvas, j, y);
      for (int i = 0; i < 16; i++) rows[i * stride + j] = bits[i];
    }
  }
}
}  // namespace

std::vector<uint8_t> EncodeBMP(const Canvas &canvas, const PictureSettings &settings) {
  std::vector<uint8_t> file(FileBytes(settings.Coords), 0);
  EncodeInto(canvas, settings, file.data());
  return file;
}

std::string MakeBMPFile(const Diagram &diagram, const PictureSettings &settings, Canvas &canvas) {
  Compose(diagram, settings, canvas);
  // Encoded straight into the text a file writer takes: no second copy of the picture.
  std::string bytes(FileBytes(settings.Coords), '\0');
  EncodeInto(canvas, settings, reinterpret_cast<uint8_t *>(bytes.data()));
  return bytes;
}
