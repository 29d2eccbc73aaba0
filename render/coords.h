#pragma once
// The file letters and rank digits round a picture with coordinates. Each glyph is a list of
// black spans (dy, dx1, dx2) counted from its lower-left pixel (x, y).

// One span of the glyph whose lower-left pixel is (x, y).
void HS(int x, int y, int dy, int dx1, int dx2);
void CoordA(int x, int y);
void CoordB(int x, int y);
void CoordC(int x, int y);
void CoordD(int x, int y);
void CoordE(int x, int y);
void CoordF(int x, int y);
void CoordG(int x, int y);
void CoordH(int x, int y);
void Coord1(int x, int y);
void Coord2(int x, int y);
void Coord3(int x, int y);
void Coord4(int x, int y);
void Coord5(int x, int y);
void Coord6(int x, int y);
void Coord7(int x, int y);
void Coord8(int x, int y);

// Draws file letter number file (0 = a .. 7 = h) with its placement: x for its column, y by letter.
void DrawFileLetter(int file, int x);
// Draws rank digit number rank (0 = 1 .. 7 = 8) at y; x by digit.
void DrawRankDigit(int rank, int y);
