#pragma once
// Square glyphs of the picture. Each draws on the canvas, on the 72 x 72 square whose lower-left
// pixel is (sx, sy).
#include "render/canvas.h"

// The pieces, each copied from its table of column spans (render/sprite.h), which
// tools/spritegen generates.
void WKing(Canvas &canvas, int sx, int sy);
void WQueen(Canvas &canvas, int sx, int sy);
void WRook(Canvas &canvas, int sx, int sy);
void WBishop(Canvas &canvas, int sx, int sy);
void WKnight(Canvas &canvas, int sx, int sy);
void WPawn(Canvas &canvas, int sx, int sy);
void BKing(Canvas &canvas, int sx, int sy);
void BQueen(Canvas &canvas, int sx, int sy);
void BRook(Canvas &canvas, int sx, int sy);
void BBishop(Canvas &canvas, int sx, int sy);
void BKnight(Canvas &canvas, int sx, int sy);
void BPawn(Canvas &canvas, int sx, int sy);

// Markers.
void Spot(Canvas &canvas, int sx, int sy);
void Cross(Canvas &canvas, int sx, int sy);

// Draws the glyph of a square code (1..14); any other code draws nothing.
void DrawSquareGlyph(Canvas &canvas, int code, int sx, int sy);
