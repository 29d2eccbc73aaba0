#include "render/sprite.h"

#include "render/canvas.h"

void DrawSprite(const Sprite &sprite, int sx, int sy) {
  for (size_t i = 0; i < sprite.nwhite; i++) Dot[sx + sprite.white[i].dx][sy + sprite.white[i].dy] = 0;
  for (size_t i = 0; i < sprite.nblack; i++) Dot[sx + sprite.black[i].dx][sy + sprite.black[i].dy] = 1;
}
