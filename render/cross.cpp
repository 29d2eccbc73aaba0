// The cross marker: white diagonals clear the hatching round two black strokes, the rising
// stroke drawn last across the falling one. The order of the lines is part of the result.
#include "render/canvas.h"
#include "render/glyphs.h"

namespace {
struct CrossLine {
  int u1, v1, u2, v2;
  uint8_t colour;
};

const CrossLine CrossLines[28] = {
    {20, 27, 46, 53, 0}, {19, 27, 45, 53, 0},  // white beside the rising stroke, above
    {27, 20, 54, 47, 0}, {26, 20, 53, 47, 0},  // and below
    {20, 45, 44, 21, 0}, {20, 46, 45, 21, 0}, {20, 47, 46, 21, 0},
    {21, 47, 47, 21, 0}, {22, 47, 47, 22, 0},  // white below the falling stroke
    {24, 46, 46, 24, 1}, {24, 47, 47, 24, 1}, {24, 48, 48, 24, 1},
    {25, 48, 48, 25, 1}, {26, 48, 48, 26, 1},  // the falling stroke
    {24, 50, 48, 26, 0}, {24, 51, 48, 27, 0}, {25, 51, 48, 28, 0},
    {26, 51, 48, 29, 0}, {26, 52, 48, 30, 0},  // white above it (the first trims it to four)
    {48, 49, 51, 52, 0}, {49, 49, 51, 51, 0},  // white beyond the rising stroke's ends
    {20, 21, 23, 24, 0}, {21, 21, 23, 23, 0},
    {26, 24, 48, 46, 1}, {25, 24, 48, 47, 1}, {24, 24, 48, 48, 1},
    {24, 25, 47, 48, 1}, {24, 26, 46, 48, 1},  // the rising stroke, on top
};
}  // namespace

void Cross(Canvas &canvas, int sx, int sy) {
  for (const CrossLine &l : CrossLines)
    Line(canvas, sx + l.u1, sy + l.v1, sx + l.u2, sy + l.v2, l.colour);
}
