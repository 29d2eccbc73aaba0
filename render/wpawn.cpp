// Placeholder until the artwork lands: the piece draws nothing.
#include "render/glyphs.h"
#include "render/sprite.h"

const Sprite WPawnSprite = {nullptr, 0, nullptr, 0};

void WPawn(int sx, int sy) { DrawSprite(WPawnSprite, sx, sy); }
