#include "render/sprite.h"

#include <cstring>

#include "render/canvas.h"

// A span lies along one column, which the canvas keeps in consecutive bytes: one copy each.
void DrawSprite(const Sprite &sprite, int sx, int sy) {
  uint8_t *corner = &Dot[sx][sy];
  for (size_t i = 0; i < sprite.nspans; i++) {
    const SpriteSpan &s = sprite.spans[i];
    std::memcpy(corner + s.dx * CanvasSize + s.dy, sprite.pixels + s.start, s.length);
  }
}
