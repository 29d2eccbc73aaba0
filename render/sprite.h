#pragma once
// A piece drawn from point tables: first its white points, then its black points, each an
// offset (dx, dy) from the square's lower-left pixel.
#include <cstddef>
#include <cstdint>

struct SpritePoint {
  int32_t dx, dy;
};

struct Sprite {
  const SpritePoint *white;
  size_t nwhite;
  const SpritePoint *black;
  size_t nblack;
};

void DrawSprite(const Sprite &sprite, int sx, int sy);

// The tables of the seven sprite pieces, for tests and tools.
extern const Sprite WKingSprite, WQueenSprite, WRookSprite, WBishopSprite, WKnightSprite,
    WPawnSprite, BQueenSprite;
