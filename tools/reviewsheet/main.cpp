// reviewsheet FOLDER: pictures for looking at the piece art.
//   pieces.bmp        every square glyph (twelve pieces, dot, cross), one column each: full size on
//                     a light and on a dark square, then at 36 x 36 as the screen shows them
//                     (on the light and dark colours of theme 0, and in gray on white and on
//                     the hatching)
//   start.bmp         the start position with coordinates, white at the bottom
//   start-flipped.bmp the same flipped, black at the bottom
//   typical.bmp       the typical position with its arrow, white at the bottom, without
//                     coordinates
//   SET-PX-STYLE.png  the vector composer's picture of every man on a light and a dark square,
//                     both markers on both, and every kind of arrow (rank, file, diagonal,
//                     knight's move, two sharing a target), for each piece set (default,
//                     classic, each installed chess font), at 64, 300 and 1200 pixels, colour
//                     and print
// View them as PNG, magnified: convert FOLDER/pieces.bmp -scale 400% pieces.png
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "files/atomicwrite.h"
#include "model/model.h"
#include "render/canvas.h"
#include "render/glyphs.h"
#include "render/makebmp.h"
#include "render/moduleload.h"
#include "render/picturefile.h"
#include "render/vectorapi.h"

namespace {
constexpr uint8_t Unwritten = 7;  // a canvas value no primitive writes
constexpr int Pitch = 80;         // cell width of one glyph on the sheet

struct Sheet {
  int width, height;
  std::vector<uint8_t> rgb;  // rows top to bottom
  Sheet(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3, 255) {}
  void Set(int x, int y, int r, int g, int b) {
    uint8_t *p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    p[0] = static_cast<uint8_t>(r), p[1] = static_cast<uint8_t>(g), p[2] = static_cast<uint8_t>(b);
  }
  void Gray(int x, int y, int v) { Set(x, y, v, v, v); }
};

// Draws glyph code on a square at (9, 9) of the canvas, on white, on the hatching, or on the
// unwritten marker (to tell the glyph's pixels from the square's).
enum Ground { Light, Dark, Marked };
void DrawOn(Canvas &canvas, int code, Ground ground) {
  std::memset(canvas.Dot, ground == Marked ? Unwritten : 0, sizeof canvas.Dot);
  if (ground == Dark) EmptyB(canvas, 9, 9);
  DrawSquareGlyph(canvas, code, 9, 9);
}

// The square (both glyph columns beyond it) at full size, top-left corner at (left, top).
void PutFull(Sheet &s, const Canvas &canvas, int left, int top) {
  for (int u = 0; u < 73; u++)
    for (int v = 0; v < 73; v++) s.Gray(left + u, top + 72 - v, canvas.Dot[9 + u][9 + v] ? 0 : 255);
}

// 36 x 36: each screen pixel the mean of a 2 x 2 block, unwritten pixels showing colour rgb.
void PutHalf(Sheet &s, const Canvas &canvas, int left, int top, const int rgb[3]) {
  for (int u = 0; u < 36; u++)
    for (int v = 0; v < 36; v++) {
      int sum[3] = {0, 0, 0};
      for (int i = 0; i < 2; i++)
        for (int j = 0; j < 2; j++) {
          uint8_t d = canvas.Dot[9 + 2 * u + i][9 + 2 * v + j];
          for (int k = 0; k < 3; k++) sum[k] += d == Unwritten ? rgb[k] : d ? 0 : 255;
        }
      s.Set(left + u, top + 35 - v, sum[0] / 4, sum[1] / 4, sum[2] / 4);
    }
}

void Put32(std::string &b, size_t at, uint32_t v) {
  for (int k = 0; k < 4; k++) b[at + k] = static_cast<char>(v >> (8 * k));
}

bool WriteSheet(const Sheet &s, const std::string &path) {
  size_t stride = (static_cast<size_t>(s.width) * 3 + 3) / 4 * 4;
  std::string b(54 + stride * s.height, '\0');
  b[0] = 'B', b[1] = 'M';
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  Put32(b, 10, 54);
  Put32(b, 14, 40);
  Put32(b, 18, s.width);
  Put32(b, 22, s.height);
  b[26] = 1, b[28] = 24;
  for (int y = 0; y < s.height; y++)
    for (int x = 0; x < s.width; x++) {
      const uint8_t *p = &s.rgb[(static_cast<size_t>(s.height - 1 - y) * s.width + x) * 3];
      size_t at = 54 + y * stride + x * 3;
      b[at] = static_cast<char>(p[2]), b[at + 1] = static_cast<char>(p[1]),
      b[at + 2] = static_cast<char>(p[0]);
    }
  std::string why;
  if (WriteFileAtomically(path, b, &why)) return true;
  std::fprintf(stderr, "reviewsheet: %s\n", why.c_str());
  return false;
}

bool WritePieces(Canvas &canvas, const std::string &path) {
  Sheet s(14 * Pitch + 8, 8 + 2 * Pitch + 2 * 44);
  int light[3], dark[3];
  for (int k = 0; k < 3; k++) light[k] = Lt[0][k], dark[k] = Dk[0][k];
  const int white[3] = {255, 255, 255};
  for (int code = 1; code <= 14; code++) {
    int left = 8 + (code - 1) * Pitch;
    DrawOn(canvas, code, Light);
    PutFull(s, canvas, left, 8);
    DrawOn(canvas, code, Dark);
    PutFull(s, canvas, left, 8 + Pitch);
    DrawOn(canvas, code, Marked);
    PutHalf(s, canvas, left, 8 + 2 * Pitch, light);
    PutHalf(s, canvas, left + 38, 8 + 2 * Pitch, dark);
    PutHalf(s, canvas, left, 8 + 2 * Pitch + 44, white);
    DrawOn(canvas, code, Dark);
    PutHalf(s, canvas, left + 38, 8 + 2 * Pitch + 44, white);
  }
  return WriteSheet(s, path);
}

// The picture of the diagram at the medium size, with or without coordinates.
bool WriteDiagram(const Diagram &diagram, int coords, Canvas &canvas, const std::string &path) {
  PictureSettings settings;
  settings.Coords = coords;
  std::string why;
  if (WriteFileAtomically(path, MakeBMPFile(diagram, settings, canvas), &why)) return true;
  std::fprintf(stderr, "reviewsheet: %s\n", why.c_str());
  return false;
}
// Every man and marker on both colours of square, and every kind of arrow.
Diagram ReviewDiagram() {
  Diagram d;
  const int men[6] = {WK, WQ, WR, WB, WN, WP};
  for (int k = 0; k < 6; k++) {
    d.Pos[k * 8 + 0] = men[k], d.Pos[(5 - k) * 8 + 1] = men[k];
    d.Pos[k * 8 + 7] = men[k] + 6, d.Pos[(5 - k) * 8 + 6] = men[k] + 6;
  }
  d.Pos[6 * 8 + 0] = d.Pos[7 * 8 + 1] = d.Pos[6 * 8 + 7] = d.Pos[7 * 8 + 6] = DotMark;
  d.Pos[7 * 8 + 0] = d.Pos[6 * 8 + 1] = d.Pos[7 * 8 + 7] = d.Pos[6 * 8 + 6] = CrossMark;
  // Columns from the left, rows from the top: c3-c6, a5-d5, b3-e6 and e3-e6, g3-f5, h6-h4.
  const int32_t arrows[6][4] = {{2, 5, 2, 2}, {0, 3, 3, 3}, {1, 5, 4, 2}, {4, 5, 4, 2}, {6, 5, 5, 3}, {7, 2, 7, 4}};
  std::memcpy(d.Arr, arrows, sizeof arrows);
  d.NArrows = 6;
  return d;
}

// The review diagram in every set, size and style, as PNG.
bool WriteSets(Canvas &canvas, const std::string &folder) {
  bool ok = true;
  std::vector<std::string> sets = PieceSets();
  sets.insert(sets.begin(), "");
  for (const std::string &set : sets)
    for (int px : {64, 300, 1200})
      for (int style : {StyleColour, StylePrint}) {
        PictureSettings settings;
        settings.Coords = 1, settings.Theme = 0, settings.Style = style, settings.Px = px;
        settings.SetPieceSet(set);
        std::string name = set.empty() ? "default" : set, bytes, why;
        for (char &c : name) c = c == ' ' || c == '/' ? '_' : c;
        name += "-" + std::to_string(px) + (style == StyleColour ? "-colour.png" : "-print.png");
        if (!PictureBytes(PicturePNG, ReviewDiagram(), settings, canvas, &bytes, &why) ||
            !WriteFileAtomically(folder + "/" + name, bytes, &why)) {
          std::fprintf(stderr, "reviewsheet: %s: %s\n", name.c_str(), why.c_str());
          ok = false;
        }
      }
  return ok;
}
}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: reviewsheet FOLDER\n");
    return 2;
  }
  std::string folder = argv[1];
  SetModuleFolder(BS_MODULE_FOLDER);  // the vector composer of this build
  auto canvas = std::make_unique<Canvas>();
  bool ok = WritePieces(*canvas, folder + "/pieces.bmp");
  Diagram diagram;
  StartPosition(diagram);
  ok = ok && WriteDiagram(diagram, 1, *canvas, folder + "/start.bmp");
  FlipPosition(diagram);
  ok = ok && WriteDiagram(diagram, 1, *canvas, folder + "/start-flipped.bmp");
  diagram.Flipped = 0;
  TypicalPosition(diagram);
  ok = ok && WriteDiagram(diagram, 0, *canvas, folder + "/typical.bmp");
  ok = WriteSets(*canvas, folder) && ok;
  return ok ? 0 : 1;
}
