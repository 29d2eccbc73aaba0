#include "render/sprite.h"

#include "render/canvas.h"

namespace {
// The tables run column by column (sorted by dx), so the column is looked up once per change
// of dx rather than once per point.
void SetPoints(const SpritePoint *points, size_t n, int sx, int sy, uint8_t colour) {
  int dx = -1;
  uint8_t *column = nullptr;
  for (size_t i = 0; i < n; i++) {
    if (points[i].dx != dx) {
      dx = points[i].dx;
      column = &Dot[sx + dx][sy];
    }
    column[points[i].dy] = colour;
  }
}
}  // namespace

void DrawSprite(const Sprite &sprite, int sx, int sy) {
  SetPoints(sprite.white, sprite.nwhite, sx, sy, 0);
  SetPoints(sprite.black, sprite.nblack, sx, sy, 1);
}
