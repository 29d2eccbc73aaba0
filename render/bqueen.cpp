// Placeholder until the artwork lands: the piece draws nothing.
#include "render/glyphs.h"
#include "render/sprite.h"

const Sprite BQueenSprite = {nullptr, 0, nullptr, 0};

void BQueen(int sx, int sy) { DrawSprite(BQueenSprite, sx, sy); }
