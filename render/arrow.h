#pragma once
// The picture's arrows: from the centre of square (c0, r0) to the centre of (c1, r1), columns
// from the left and rows from the bottom of the board, drawn on the canvas given.
#include "render/canvas.h"

// Draws the arrow when the two squares lie on one column, row or diagonal, or a knight's move
// apart; any other pair, a square with itself, or an end outside 0..7 draws nothing. Every pixel
// it writes lies within 15 pixels of the rectangle spanned by the two centres, on the squares.
void Arrow(Canvas &canvas, int c0, int r0, int c1, int r1);
// The same arrow moved ox pixels right and oy up: the same pixels, moved (a picture with
// coordinates is drawn in place rather than drawn and then moved).
void ArrowAt(Canvas &canvas, int c0, int r0, int c1, int r1, int ox, int oy);

// The heads of the column, row and diagonal arrows, each drawn round its anchor point.
void VerticalUpArrowHead(Canvas &canvas, int x, int y);
void VerticalDnArrowHead(Canvas &canvas, int x, int y);
void HorizRtArrowHead(Canvas &canvas, int x, int y);
void HorizLtArrowHead(Canvas &canvas, int x, int y);
void NEArrowHead(Canvas &canvas, int x, int y);
void SEArrowHead(Canvas &canvas, int x, int y);
void NWArrowHead(Canvas &canvas, int x, int y);
void SWArrowHead(Canvas &canvas, int x, int y);
