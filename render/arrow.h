#pragma once
// The picture's arrows: from the centre of square (c0, r0) to the centre of (c1, r1), columns
// from the left and rows from the bottom of the board.

// Draws the arrow when the two squares lie on one column, row or diagonal, or a knight's move
// apart; any other pair, a square with itself, or an end outside 0..7 draws nothing. Every pixel
// it writes lies within 15 pixels of the rectangle spanned by the two centres, on the squares.
void Arrow(int c0, int r0, int c1, int r1);
// The same arrow moved ox pixels right and oy up: the same pixels, moved (a picture with
// coordinates is drawn in place rather than drawn and then moved).
void ArrowAt(int c0, int r0, int c1, int r1, int ox, int oy);

// The heads of the column, row and diagonal arrows, each drawn round its anchor point.
void VerticalUpArrowHead(int x, int y);
void VerticalDnArrowHead(int x, int y);
void HorizRtArrowHead(int x, int y);
void HorizLtArrowHead(int x, int y);
void NEArrowHead(int x, int y);
void SEArrowHead(int x, int y);
void NWArrowHead(int x, int y);
void SWArrowHead(int x, int y);
