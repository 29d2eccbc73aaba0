// Coordinate glyphs. Placeholder spans until the artwork lands.
#include "render/coords.h"

#include "render/canvas.h"

int Xx, Yy;

void HS(int dy, int dx1, int dx2) { HLine(Yy + dy, Xx + dx1, Xx + dx2, 1); }

void CoordA(int x, int y) { Xx = x, Yy = y; }
void CoordB(int x, int y) { Xx = x, Yy = y; }
void CoordC(int x, int y) { Xx = x, Yy = y; }
void CoordD(int x, int y) { Xx = x, Yy = y; }
void CoordE(int x, int y) { Xx = x, Yy = y; }
void CoordF(int x, int y) { Xx = x, Yy = y; }
void CoordG(int x, int y) { Xx = x, Yy = y; }
void CoordH(int x, int y) { Xx = x, Yy = y; }
void Coord1(int x, int y) { Xx = x, Yy = y; }
void Coord2(int x, int y) { Xx = x, Yy = y; }
void Coord3(int x, int y) { Xx = x, Yy = y; }
void Coord4(int x, int y) { Xx = x, Yy = y; }
void Coord5(int x, int y) { Xx = x, Yy = y; }
void Coord6(int x, int y) { Xx = x, Yy = y; }
void Coord7(int x, int y) { Xx = x, Yy = y; }
void Coord8(int x, int y) { Xx = x, Yy = y; }
