// Placeholder until the artwork lands: the piece draws nothing.
#include "render/glyphs.h"
#include "render/sprite.h"

const Sprite WRookSprite = {nullptr, 0, nullptr, 0};

void WRook(int sx, int sy) { DrawSprite(WRookSprite, sx, sy); }
