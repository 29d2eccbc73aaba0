#pragma once
// Square glyphs of the picture. Each draws into Dot on the 72 x 72 square whose lower-left
// pixel is (sx, sy).

// Pieces drawn from point tables.
void WKing(int sx, int sy);
void WQueen(int sx, int sy);
void WRook(int sx, int sy);
void WBishop(int sx, int sy);
void WKnight(int sx, int sy);
void WPawn(int sx, int sy);
void BQueen(int sx, int sy);

// Pieces drawn stroke by stroke.
void BKing(int x, int y);
void BRook(int x, int y);
void BBishop(int x, int y);
void BKnight(int x, int y);
void BPawn(int x, int y);

// Markers.
void Spot(int sx, int sy);
void Cross(int sx, int sy);

// Draws the glyph of a square code (1..14); any other code draws nothing.
void DrawSquareGlyph(int code, int sx, int sy);
