#pragma once
// A piece drawn from a table of spans: each span a stretch of one column of its square, from the
// square's lower-left pixel offset (dx, dy) upward, its pixels (0 white, 1 black) listed in
// order in the piece's pixel table. Spans never overlap; pixels in none are left as they are
// (the hatching shows there).
#include <cstddef>
#include <cstdint>

#include "render/canvas.h"

struct SpriteSpan {
  uint8_t dx, dy, length;
  uint16_t start;  // index of its lowest pixel in the pixel table
};

struct Sprite {
  const SpriteSpan *spans;  // column by column from the left, each column from the bottom
  size_t nspans;
  const uint8_t *pixels;
  size_t npixels;
};

void DrawSprite(Canvas &canvas, const Sprite &sprite, int sx, int sy);

// The tables of the pieces, for tests and tools.
extern const Sprite WKingSprite, WQueenSprite, WRookSprite, WBishopSprite, WKnightSprite,
    WPawnSprite, BKingSprite, BQueenSprite, BRookSprite, BBishopSprite, BKnightSprite, BPawnSprite;
