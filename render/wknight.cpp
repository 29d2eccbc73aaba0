// Placeholder until the artwork lands: the piece draws nothing.
#include "render/glyphs.h"
#include "render/sprite.h"

const Sprite WKnightSprite = {nullptr, 0, nullptr, 0};

void WKnight(int sx, int sy) { DrawSprite(WKnightSprite, sx, sy); }
