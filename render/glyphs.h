#pragma once
// Square glyphs of the picture. Each draws into Dot on the 72 x 72 square whose lower-left
// pixel is (sx, sy).

// The pieces, each copied from its table of column spans (render/sprite.h), which
// tools/spritegen generates.
void WKing(int sx, int sy);
void WQueen(int sx, int sy);
void WRook(int sx, int sy);
void WBishop(int sx, int sy);
void WKnight(int sx, int sy);
void WPawn(int sx, int sy);
void BKing(int sx, int sy);
void BQueen(int sx, int sy);
void BRook(int sx, int sy);
void BBishop(int sx, int sy);
void BKnight(int sx, int sy);
void BPawn(int sx, int sy);

// Markers.
void Spot(int sx, int sy);
void Cross(int sx, int sy);

// Draws the glyph of a square code (1..14); any other code draws nothing.
void DrawSquareGlyph(int code, int sx, int sy);
