#include "render/sprite.h"

#include <cstring>

namespace {
// A copy of under a column's length, in pieces of fixed size the compiler turns into moves.
void CopyShort(uint8_t *to, const uint8_t *from, int n) {
  for (; n >= 16; n -= 16, to += 16, from += 16) std::memcpy(to, from, 16);
  if (n & 8) std::memcpy(to, from, 8), to += 8, from += 8;
  if (n & 4) std::memcpy(to, from, 4), to += 4, from += 4;
  if (n & 2) std::memcpy(to, from, 2), to += 2, from += 2;
  if (n & 1) *to = *from;
}
}  // namespace

// A span lies along one column, which the canvas keeps in consecutive bytes: one copy each.
void DrawSprite(Canvas &canvas, const Sprite &sprite, int sx, int sy) {
  uint8_t *corner = &canvas.Dot[sx][sy];
  for (size_t i = 0; i < sprite.nspans; i++) {
    const SpriteSpan &s = sprite.spans[i];
    CopyShort(corner + s.dx * CanvasSize + s.dy, sprite.pixels + s.start, s.length);
  }
}
