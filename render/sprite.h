#pragma once
// A piece drawn from a table of runs: each run a stretch of one column of its square, from the
// square's lower-left pixel offset (dx, dy) upward, all white or all black. The runs never
// overlap; pixels in none are left as they are (the hatching shows there).
#include <cstddef>
#include <cstdint>

struct SpriteRun {
  uint8_t dx, dy, length, colour;  // colour 0 white, 1 black
};

struct Sprite {
  const SpriteRun *runs;  // column by column from the left, each column from the bottom
  size_t nruns;
};

void DrawSprite(const Sprite &sprite, int sx, int sy);

// The tables of the seven sprite pieces, for tests and tools.
extern const Sprite WKingSprite, WQueenSprite, WRookSprite, WBishopSprite, WKnightSprite,
    WPawnSprite, BQueenSprite;
