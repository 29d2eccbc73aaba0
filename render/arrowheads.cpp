// The heads of the column, row and diagonal arrows, each drawn round one anchor point.
#include "render/arrow.h"

#include "render/canvas.h"

namespace {
// A column or row head: a triangle 25 rows (or columns) deep with its point at (x, y), opening
// away from the direction s. Each run alternates black and white from its lower end, so the
// pattern forms cells one pixel across the arrow and two along it; two white pixels beyond each
// end, a white tip beyond the point and a white base with a 9-pixel gap for the shaft.
void StraightHead(Canvas &canvas, int x, int y, int s, bool vertical) {
  int across = vertical ? x : y, along = vertical ? y : x;
  auto Put = [&](int a, int l, uint8_t colour) {
    if (vertical) canvas.Dot[a][l] = colour;
    else canvas.Dot[l][a] = colour;
  };
  for (int j = 0; j <= 24; j++) {
    int l = along - s * j, h = j / 2;
    for (int k = 0; k <= 2 * h; k++) Put(across - h + k, l, k % 2 == 0 ? 1 : 0);
    Put(across - h - 1, l, 0);
    Put(across - h - 2, l, 0);
    Put(across + h + 1, l, 0);
    Put(across + h + 2, l, 0);
  }
  for (int a = across - 1; a <= across + 1; a++) Put(a, along + s, 0);
  Put(across, along + 2 * s, 0);
  for (int a = across - 15; a <= across - 5; a++) Put(a, along - 25 * s, 0);
  for (int a = across + 5; a <= across + 15; a++) Put(a, along - 25 * s, 0);
}

// One row of a diagonal head: every pixel written, black where x + y has the anchor's parity.
void HeadRow(Canvas &canvas, int y, int x1, int x2, int anchorParity) {
  for (int x = x1; x <= x2; x++) canvas.Dot[x][y] = ((x + y) & 1) == anchorParity ? 1 : 0;
}
}  // namespace

void VerticalUpArrowHead(Canvas &canvas, int x, int y) { StraightHead(canvas, x, y, 1, true); }
void VerticalDnArrowHead(Canvas &canvas, int x, int y) { StraightHead(canvas, x, y, -1, true); }
void HorizRtArrowHead(Canvas &canvas, int x, int y) { StraightHead(canvas, x, y, 1, false); }
void HorizLtArrowHead(Canvas &canvas, int x, int y) { StraightHead(canvas, x, y, -1, false); }

// The diagonal heads are right isosceles triangles with the right angle at the point and the
// legs along a row and a column; white lines outline the legs and the two outer parts of the
// long side, leaving its middle open for the shaft. They are not exact mirrors of each other.

void NEArrowHead(Canvas &canvas, int x, int y) {
  for (int j = 0; j <= 25; j++) HeadRow(canvas, y - j, x - 26 + j, x, (x + y) & 1);
  HLine(canvas, y + 1, x - 27, x + 1, 0);
  VLine(canvas, x + 1, y - 27, y + 1, 0);
  Line(canvas, x - 27, y + 1, x - 17, y - 9, 0);
  Line(canvas, x - 9, y - 17, x + 1, y - 27, 0);
  Line(canvas, x - 28, y + 1, x - 17, y - 10, 0);
  Line(canvas, x - 10, y - 17, x + 1, y - 28, 0);
}

void SEArrowHead(Canvas &canvas, int x, int y) {
  for (int j = 0; j <= 25; j++) HeadRow(canvas, y + 26 - j, x - j, x, (x + y) & 1);
  HLine(canvas, y, x - 27, x + 1, 0);
  VLine(canvas, x + 1, y, y + 27, 0);
  Line(canvas, x - 28, y - 1, x - 18, y + 9, 0);
  Line(canvas, x - 9, y + 18, x + 1, y + 28, 0);
  Line(canvas, x - 29, y - 1, x - 18, y + 10, 0);
  Line(canvas, x - 10, y + 18, x + 1, y + 29, 0);
}

void NWArrowHead(Canvas &canvas, int x, int y) {
  for (int j = 0; j <= 25; j++) HeadRow(canvas, y - j, x, x + 26 - j, (x + y) & 1);
  HLine(canvas, y + 1, x - 1, x + 27, 0);
  VLine(canvas, x - 1, y - 27, y + 1, 0);
  Line(canvas, x - 1, y - 27, x + 9, y - 17, 0);
  Line(canvas, x + 17, y - 9, x + 27, y + 1, 0);
  Line(canvas, x - 1, y - 28, x + 10, y - 17, 0);
  Line(canvas, x + 17, y - 10, x + 28, y + 1, 0);
}

void SWArrowHead(Canvas &canvas, int x, int y) {
  for (int j = 0; j <= 25; j++) HeadRow(canvas, y + 26 - j, x, x + j, (x + y) & 1);
  HLine(canvas, y, x - 1, x + 27, 0);
  VLine(canvas, x - 1, y, y + 27, 0);
  Line(canvas, x - 1, y + 27, x + 9, y + 17, 0);
  Line(canvas, x + 17, y + 9, x + 27, y - 1, 0);
  Line(canvas, x - 1, y + 28, x + 10, y + 17, 0);
  Line(canvas, x + 17, y + 10, x + 28, y - 1, 0);
}
