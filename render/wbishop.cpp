// Placeholder until the artwork lands: the piece draws nothing.
#include "render/glyphs.h"
#include "render/sprite.h"

const Sprite WBishopSprite = {nullptr, 0, nullptr, 0};

void WBishop(int sx, int sy) { DrawSprite(WBishopSprite, sx, sy); }
