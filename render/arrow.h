#pragma once
// The picture's arrows: from the centre of square (c0, r0) to the centre of (c1, r1), columns
// from the left and rows from the bottom of the board.

void Arrow(int c0, int r0, int c1, int r1);

void VerticalUpArrowHead(int x, int y);
void VerticalDnArrowHead(int x, int y);
void HorizRtArrowHead(int x, int y);
void HorizLtArrowHead(int x, int y);
void NEArrowHead(int x, int y);
void SEArrowHead(int x, int y);
void NWArrowHead(int x, int y);
void SWArrowHead(int x, int y);
