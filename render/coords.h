#pragma once
// The file letters and rank digits round a picture with coordinates. Each glyph is a list of
// black spans (dy, dx1, dx2) counted from its lower-left pixel (x, y), drawn on the canvas given.
#include "render/canvas.h"

// One span of the glyph whose lower-left pixel is (x, y).
void HS(Canvas &canvas, int x, int y, int dy, int dx1, int dx2);
void CoordA(Canvas &canvas, int x, int y);
void CoordB(Canvas &canvas, int x, int y);
void CoordC(Canvas &canvas, int x, int y);
void CoordD(Canvas &canvas, int x, int y);
void CoordE(Canvas &canvas, int x, int y);
void CoordF(Canvas &canvas, int x, int y);
void CoordG(Canvas &canvas, int x, int y);
void CoordH(Canvas &canvas, int x, int y);
void Coord1(Canvas &canvas, int x, int y);
void Coord2(Canvas &canvas, int x, int y);
void Coord3(Canvas &canvas, int x, int y);
void Coord4(Canvas &canvas, int x, int y);
void Coord5(Canvas &canvas, int x, int y);
void Coord6(Canvas &canvas, int x, int y);
void Coord7(Canvas &canvas, int x, int y);
void Coord8(Canvas &canvas, int x, int y);

// Draws file letter number file (0 = a .. 7 = h) with its placement: x for its column, y by letter.
void DrawFileLetter(Canvas &canvas, int file, int x);
// Draws rank digit number rank (0 = 1 .. 7 = 8) at y; x by digit.
void DrawRankDigit(Canvas &canvas, int rank, int y);
