#include "render/sprite.h"

#include <cstring>

#include "render/canvas.h"

// A run lies along one column, which the canvas keeps in consecutive bytes: one fill each.
void DrawSprite(const Sprite &sprite, int sx, int sy) {
  uint8_t *corner = &Dot[sx][sy];
  for (size_t i = 0; i < sprite.nruns; i++) {
    const SpriteRun &r = sprite.runs[i];
    std::memset(corner + r.dx * CanvasSize + r.dy, r.colour, r.length);
  }
}
