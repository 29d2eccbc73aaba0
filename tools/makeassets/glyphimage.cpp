// The screen figures: the picture's own glyphs drawn on a scratch square of Dot and halved to
// 36 x 36, and the three marks that have no glyph (arrow start, arrow tool, eraser).
#include <cmath>
#include <cstdint>
#include <deque>
#include <utility>

#include "render/canvas.h"
#include "render/glyphs.h"
#include "tools/makeassets/image36.h"

namespace {
constexpr int Side = SquarePixels;  // 72
constexpr uint8_t Unwritten = 2;    // marks the scratch pixels the glyph leaves alone
constexpr int ScratchX = 200, ScratchY = 200;  // lower-left pixel of the scratch square
constexpr int ScratchMargin = 8;    // glyphs may reach a pixel or two beyond their square
// A glyph's white margin (up to four pixels round its outline) keeps it readable on the
// picture's hatching; on screen the square is plain, so the margin is left out of the figure.
constexpr int MarginWidth = 4;

enum Kind : uint8_t { Outside, WhiteInk, BlackInk };

// The glyph's square as Outside / WhiteInk / BlackInk, row 0 at the top.
void ReadGlyph(int code, Kind (&kind)[Side][Side]) {
  OpenCanvas();
  for (int x = ScratchX - ScratchMargin; x < ScratchX + Side + ScratchMargin; x++)
    for (int y = ScratchY - ScratchMargin; y < ScratchY + Side + ScratchMargin; y++)
      Dot[x][y] = Unwritten;
  DrawSquareGlyph(code, ScratchX, ScratchY);
  for (int row = 0; row < Side; row++)
    for (int col = 0; col < Side; col++) {
      uint8_t v = Dot[ScratchX + col][ScratchY + Side - 1 - row];
      kind[row][col] = v == Unwritten ? Outside : v == 0 ? WhiteInk : BlackInk;
    }
}

// White pixels of the outer margin: reachable from outside the glyph through white pixels in
// at most MarginWidth steps. White inside a closed outline is never reached; through a gap in
// an outline the walk stops after MarginWidth steps, so a body stays mostly whole.
void FindMargin(const Kind (&kind)[Side][Side], bool (&margin)[Side][Side]) {
  int depth[Side][Side];
  std::deque<std::pair<int, int>> queue;
  for (int r = 0; r < Side; r++)
    for (int c = 0; c < Side; c++) {
      margin[r][c] = false;
      depth[r][c] = -1;
      bool edge = r == 0 || c == 0 || r == Side - 1 || c == Side - 1;
      if (kind[r][c] == WhiteInk && edge) {
        depth[r][c] = 1;  // one step from beyond the square
        queue.push_back({r, c});
      } else if (kind[r][c] == Outside) {
        depth[r][c] = 0;
        queue.push_back({r, c});
      }
    }
  while (!queue.empty()) {
    auto [r, c] = queue.front();
    queue.pop_front();
    if (kind[r][c] == WhiteInk) margin[r][c] = true;
    if (depth[r][c] >= MarginWidth) continue;
    for (int dr = -1; dr <= 1; dr++)
      for (int dc = -1; dc <= 1; dc++) {
        int nr = r + dr, nc = c + dc;
        if (nr < 0 || nc < 0 || nr >= Side || nc >= Side) continue;
        if (kind[nr][nc] != WhiteInk || depth[nr][nc] >= 0) continue;
        depth[nr][nc] = depth[r][c] + 1;
        queue.push_back({nr, nc});
      }
  }
}

bool IsBlack(const Kind (&kind)[Side][Side], int r, int c) {
  return r >= 0 && c >= 0 && r < Side && c < Side && kind[r][c] == BlackInk;
}

// One screen pixel from its 2 x 2 block. Three or four black pixels make black, none white;
// a block of one or two keeps the colour that stands out from its surroundings (the 4 x 4
// pixels round it), so thin black lines on white and thin white details on black both survive.
bool BlockIsBlack(const Kind (&kind)[Side][Side], int r0, int c0) {
  int inBlock = 0, around = 0;
  for (int r = r0 - 1; r <= r0 + 2; r++)
    for (int c = c0 - 1; c <= c0 + 2; c++) {
      bool black = IsBlack(kind, r, c);
      around += black;
      if (r >= r0 && r <= r0 + 1 && c >= c0 && c <= c0 + 1) inBlock += black;
    }
  if (inBlock >= 3) return true;
  if (inBlock == 0) return false;
  return inBlock * 4 >= around;  // the block is at least as dark as its surroundings
}

void SetPixel(Image36 &image, int x, int y, uint32_t rgb) {
  if (x < 0 || y < 0 || x >= ImageSide || y >= ImageSide) return;
  image.rgb[y][x] = rgb;
  image.figure[y][x] = true;
}
}  // namespace

Image36 GlyphImage(int code) {
  static Kind kind[Side][Side];
  static bool margin[Side][Side];
  ReadGlyph(code, kind);
  FindMargin(kind, margin);
  Image36 image;
  for (int y = 0; y < ImageSide; y++)
    for (int x = 0; x < ImageSide; x++) {
      int r0 = 2 * y, c0 = 2 * x, figure = 0, black = 0;
      for (int r = r0; r <= r0 + 1; r++)
        for (int c = c0; c <= c0 + 1; c++) {
          bool ink = kind[r][c] == BlackInk || (kind[r][c] == WhiteInk && !margin[r][c]);
          figure += ink;
          black += kind[r][c] == BlackInk;
        }
      if (figure == 4)
        SetPixel(image, x, y, BlockIsBlack(kind, r0, c0) ? Black : White);
      else if (black > 0)  // the figure's edge: keep its outline unbroken
        SetPixel(image, x, y, Black);
    }
  return image;
}

void LargeFigure(int code, uint32_t (&picture)[LargeSide][LargeSide],
                 uint32_t (&mask)[LargeSide][LargeSide]) {
  static Kind kind[Side][Side];
  static bool margin[Side][Side];
  if (code >= 1 && code <= 14) {
    ReadGlyph(code, kind);
    FindMargin(kind, margin);
  }
  for (int y = 0; y < Side; y++)
    for (int x = 0; x < Side; x++) {
      bool figure = false;
      uint32_t colour = Black;
      if (code >= 1 && code <= 14) {
        figure = kind[y][x] == BlackInk || (kind[y][x] == WhiteInk && !margin[y][x]);
        colour = kind[y][x] == BlackInk ? Black : White;
      } else if (code == 15) {  // the arrow-start mark drawn at twice its size
        double d = std::hypot(x - 34.5, y - 34.5);
        figure = (d >= 15.0 && d <= 21.0) || d <= 5.0;
        colour = ArrowRed;
      }
      picture[y][x] = figure ? colour : Black;
      mask[y][x] = figure ? Black : White;
    }
}

Image36 ArrowStartImage() {
  // Centred on the point where the board view's arrows begin, 17 pixels into the square.
  Image36 image;
  for (int y = 0; y < ImageSide; y++)
    for (int x = 0; x < ImageSide; x++) {
      double d = std::hypot(x - 17.0, y - 17.0);
      if ((d >= 7.5 && d <= 10.5) || d <= 2.5) SetPixel(image, x, y, ArrowRed);
    }
  return image;
}

Image36 ArrowToolImage() {
  // Along the diagonal from the lower left to the upper right: u runs along the arrow from its
  // tip backwards, v across it.
  Image36 image;
  const double tipX = 30.0, tipY = 5.0, headLength = 12.0, headHalfWidth = 7.5;
  const double shaftLength = 33.0, shaftHalfWidth = 1.8;
  for (int y = 0; y < ImageSide; y++)
    for (int x = 0; x < ImageSide; x++) {
      double dx = tipX - x, dy = y - tipY;  // towards the lower left
      double u = (dx + dy) / std::sqrt(2.0), v = (dx - dy) / std::sqrt(2.0);
      bool head = u >= 1.0 && u <= headLength && std::fabs(v) <= (u + 0.5) * headHalfWidth / headLength;
      bool shaft = u > headLength - 1 && u <= shaftLength && std::fabs(v) <= shaftHalfWidth;
      if (head || shaft) SetPixel(image, x, y, ArrowRed);
    }
  return image;
}

Image36 EraserImage() {
  // A block tilted 45 degrees: a blue sleeve at the upper right, a pink rubber at the lower
  // left, outlined in black.
  Image36 image;
  const double cx = 17.5, cy = 17.5, halfLength = 12.0, halfWidth = 6.0;
  const uint32_t rubber = 0xF096AA, sleeve = 0x5A78C8;
  for (int y = 0; y < ImageSide; y++)
    for (int x = 0; x < ImageSide; x++) {
      double dx = x - cx, dy = cy - y;
      double u = (dx + dy) / std::sqrt(2.0), v = (dy - dx) / std::sqrt(2.0);
      if (std::fabs(u) > halfLength || std::fabs(v) > halfWidth) continue;
      bool edge = std::fabs(u) > halfLength - 1.2 || std::fabs(v) > halfWidth - 1.2;
      SetPixel(image, x, y, edge ? Black : u > 3.0 ? sleeve : rubber);
    }
  return image;
}
