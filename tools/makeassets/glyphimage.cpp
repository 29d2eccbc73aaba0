// The screen figures: the picture's own glyphs drawn on a scratch canvas, taken pixel for
// pixel and halved to 36 x 36, and the three marks that have no glyph (arrow start, arrow tool,
// eraser).
#include <cmath>
#include <cstdint>
#include <deque>
#include <utility>

#include "tools/makeassets/image36.h"
#include "tools/makeassets/scratchglyph.h"

namespace {
constexpr int Side = SquarePixels;  // 72
// A glyph's white margin (up to four pixels round its outline) keeps it readable on the
// picture's hatching; on screen the square is plain, so the margin is left out of the figure.
constexpr int MarginWidth = 4;

enum Kind : uint8_t { Outside, WhiteInk, BlackInk };

// The glyph's square as Outside / WhiteInk / BlackInk, row 0 at the top.
void ReadGlyph(int code, Kind (&kind)[Side][Side]) {
  const GlyphSquare glyph = DrawnGlyph(code);
  for (int row = 0; row < Side; row++)
    for (int col = 0; col < Side; col++) {
      uint8_t v = glyph.at[row][col];
      kind[row][col] = v == GlyphUnwritten ? Outside : v == 0 ? WhiteInk : BlackInk;
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

template <int N>
void SetPixel(Figure<N> &image, int x, int y, uint32_t rgb) {
  if (x < 0 || y < 0 || x >= N || y >= N) return;
  image.rgb[y][x] = rgb;
  image.figure[y][x] = true;
}

bool IsBlack(const Image72 &glyph, int r, int c) {
  if (r < 0 || c < 0 || r >= Side || c >= Side) return false;
  return glyph.figure[r][c] && glyph.rgb[r][c] == Black;
}

// One screen pixel from its 2 x 2 block. Three or four black pixels make black, none white;
// a block of one or two keeps the colour that stands out from its surroundings (the 4 x 4
// pixels round it), so thin black lines on white and thin white details on black both survive.
bool BlockIsBlack(const Image72 &glyph, int r0, int c0) {
  int inBlock = 0, around = 0;
  for (int r = r0 - 1; r <= r0 + 2; r++)
    for (int c = c0 - 1; c <= c0 + 2; c++) {
      bool black = IsBlack(glyph, r, c);
      around += black;
      if (r >= r0 && r <= r0 + 1 && c >= c0 && c <= c0 + 1) inBlock += black;
    }
  if (inBlock >= 3) return true;
  if (inBlock == 0) return false;
  return inBlock * 4 >= around;  // the block is at least as dark as its surroundings
}
}  // namespace

Image72 GlyphFigure(int code) {
  static_assert(Side == LargeSide);
  static Kind kind[Side][Side];
  static bool margin[Side][Side];
  ReadGlyph(code, kind);
  FindMargin(kind, margin);
  Image72 glyph;
  for (int r = 0; r < Side; r++)
    for (int c = 0; c < Side; c++)
      if (kind[r][c] == BlackInk || (kind[r][c] == WhiteInk && !margin[r][c]))
        SetPixel(glyph, c, r, kind[r][c] == BlackInk ? Black : White);
  return glyph;
}

Image36 Halved(const Image72 &glyph) {
  Image36 image;
  for (int y = 0; y < ImageSide; y++)
    for (int x = 0; x < ImageSide; x++) {
      int r0 = 2 * y, c0 = 2 * x, figure = 0, black = 0;
      for (int r = r0; r <= r0 + 1; r++)
        for (int c = c0; c <= c0 + 1; c++) {
          figure += glyph.figure[r][c];
          black += IsBlack(glyph, r, c);
        }
      if (figure == 4)
        SetPixel(image, x, y, BlockIsBlack(glyph, r0, c0) ? Black : White);
      else if (black > 0)  // the figure's edge: keep its outline unbroken
        SetPixel(image, x, y, Black);
    }
  return image;
}

template <int N>
Figure<N> ArrowStartImage() {
  // Centred on the point where the board view's arrows begin, 17 pixels into the 36-pixel
  // square. At 72 pixels all is twice as large, centred on the middle of the 2 x 2 pixels that
  // pixel 17 becomes.
  static_assert(N % ImageSide == 0);
  constexpr double scale = N / ImageSide;
  const double centre = 17.0 * scale + (scale - 1) / 2;
  Figure<N> image;
  for (int y = 0; y < N; y++)
    for (int x = 0; x < N; x++) {
      double d = std::hypot(x - centre, y - centre);
      bool ring = d >= 7.5 * scale && d <= 10.5 * scale, dot = d <= 2.5 * scale;
      if (ring || dot) SetPixel(image, x, y, ArrowRed);
    }
  return image;
}
template Image36 ArrowStartImage<ImageSide>();
template Image72 ArrowStartImage<LargeSide>();

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
