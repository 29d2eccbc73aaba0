// Placeholder until the artwork lands: the piece draws nothing.
#include "render/glyphs.h"
#include "render/sprite.h"

const Sprite WQueenSprite = {nullptr, 0, nullptr, 0};

void WQueen(int sx, int sy) { DrawSprite(WQueenSprite, sx, sy); }
