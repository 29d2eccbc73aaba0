// Composition of the diagram picture and the BMP writer.
#include "render/makebmp.h"

#include <cstring>

#include "files/atomicwrite.h"
#include "files/paths.h"
#include "model/model.h"
#include "render/arrow.h"
#include "render/canvas.h"
#include "render/coords.h"
#include "render/glyphs.h"

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

// For eight canvas bytes in a row of memory: 1 in the lowest bit of each byte that is not white
// (any non-zero value is ink), 0 elsewhere. Every step stays within its byte, so the result has
// the bytes' own order in memory whatever the machine's byte order.
uint64_t InkOf8(const uint8_t *p) {
  const uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
  uint64_t v;
  std::memcpy(&v, p, 8);
  return ((((v & low7) + low7) | v) >> 7) & 0x0101010101010101ULL;
}

bool OnBoard(int v) { return v >= 0 && v <= 7; }
}  // namespace

int PictureSize(int coords) { return coords ? 624 : 592; }

int PictureResolution(int coords) {
  double inches = PicSiz;
  // A size outside what the program sets (a damaged file) falls back to the medium size.
  if (!(inches >= 1.0 && inches <= 6.0)) inches = 4.0;
  return static_cast<int>(PictureSize(coords) * 100 / (inches * 2.54) + 0.5);
}

void ComposeDiagram(int coords) {
  int size = PictureSize(coords);
  // Column 0 and row 0 are never written to the file, but the move for coordinates copies them
  // into column 30 and row 30: whiten them too, so nothing left from an earlier drawing shows.
  for (int x = 0; x <= size; x++)
    for (int y = 0; y <= size; y++) Dot[x][y] = 0;

  for (int y : {6, 7, 8, 585, 586, 587}) HLine(y, 6, 587, 1);
  for (int x : {6, 7, 8, 585, 586, 587}) VLine(x, 6, 587, 1);

  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++)
      if ((c + r) % 2 == 0) EmptyB(9 + 72 * c, 9 + 72 * r);

  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++) DrawSquareGlyph(Pos[c * 8 + r], 9 + 72 * c, 9 + 72 * r);

  int arrows = NArrows < 0 ? 0 : NArrows > MaxArrows ? MaxArrows : NArrows;
  for (int i = 0; i < arrows; i++) {
    const int32_t *a = Arr[i];
    // Ends off the board (only a damaged file brings them) draw nothing.
    if (!OnBoard(a[0]) || !OnBoard(a[1]) || !OnBoard(a[2]) || !OnBoard(a[3])) continue;
    Arrow(a[0], 7 - a[1], a[2], 7 - a[3]);
  }

  if (!coords) return;
  // Move the drawing 30 pixels right and up, from the right so nothing is overwritten
  // before it has been copied.
  for (int x = 621; x >= 30; x--) {
    for (int y = 0; y <= 29; y++) Dot[x][y] = 0;
    for (int y = 0; y <= 591; y++) Dot[x][y + 30] = Dot[x - 30][y];
  }
  for (int x = 0; x <= 29; x++)
    for (int y = 0; y <= 622; y++) Dot[x][y] = 0;
  for (int c = 0; c < 8; c++) DrawFileLetter(Flipped ? 7 - c : c, 62 + 72 * c);
  for (int r = 0; r < 8; r++) DrawRankDigit(Flipped ? 7 - r : r, 60 + 72 * r);
}

std::vector<uint8_t> EncodeBMP(int coords) {
  int size = PictureSize(coords);
  int stride = Stride(size);
  int resolution = PictureResolution(coords);
  std::vector<uint8_t> file(HeaderSize + static_cast<size_t>(stride) * size, 0);
  uint8_t *h = file.data();
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
  // The canvas keeps a column's pixels together, so eight rows of eight columns are taken at a
  // time: eight bytes of each column in one word, turned into the eight rows' bits.
  uint8_t *data = h + HeaderSize;
  for (int j = 0; j < size / 8; j++)
    for (int y = 1; y <= size; y += 8) {
      uint64_t black = 0;
      for (int k = 0; k < 8; k++) black |= InkOf8(&Dot[8 * j + 1 + k][y]) << (7 - k);
      uint64_t white = ~black;
      uint8_t rows[8];
      std::memcpy(rows, &white, 8);
      for (int i = 0; i < 8; i++) data[static_cast<size_t>(y - 1 + i) * stride + j] = rows[i];
    }
  return file;
}

bool MakeBMPFile(int coords, std::string *why) {
  ComposeDiagram(coords);
  std::vector<uint8_t> bytes = EncodeBMP(coords);
  return WriteFileAtomically(BMPFile, std::string(bytes.begin(), bytes.end()), why);
}
