// Placeholder until the artwork lands: the piece draws nothing.
#include "render/glyphs.h"
#include "render/sprite.h"

const Sprite WKingSprite = {nullptr, 0, nullptr, 0};

void WKing(int sx, int sy) { DrawSprite(WKingSprite, sx, sy); }
