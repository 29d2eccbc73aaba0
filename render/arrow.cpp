// The picture's arrows: which shape a pair of squares makes, and the shafts of the column, row
// and diagonal arrows. Their heads are in arrowheads.cpp, the knight arrows in knightarrow.cpp.
#include "render/arrow.h"

#include "render/canvas.h"
#include "render/knightarrow.h"

namespace {
bool OnBoard(int v) { return v >= 0 && v <= 7; }

int Centre(int square) { return 72 * square + 45; }

// A shaft along a column (vertical) or a row. `along` runs from the start centre l0 to the end
// centre l1 in the direction s (+1 up or right, -1 down or left); `across` is the line of centres.
// The shaft is 9 pixels wide: transparent gray, then an opaque stretch under the head; white
// sides and a white cap set off its tail.
void StraightArrow(Canvas &canvas, bool vertical, int across, int l0, int l1, int s) {
  auto Span = [&](void (*fill)(Canvas &, int, int, int, int, uint8_t), int a1, int a2, int from,
                  int to) {
    int lo = from < to ? from : to, hi = from < to ? to : from;
    if (vertical) fill(canvas, a1, lo, a2, hi, 1);
    else fill(canvas, lo, a1, hi, a2, 1);
  };
  auto White = [&](int a, int from, int to) {
    int lo = from < to ? from : to, hi = from < to ? to : from;
    if (vertical) VLine(canvas, a, lo, hi, 0);
    else HLine(canvas, a, lo, hi, 0);
  };
  auto WhiteAcross = [&](int l, int a1, int a2) {
    if (vertical) HLine(canvas, l, a1, a2, 0);
    else VLine(canvas, l, a1, a2, 0);
  };

  Span(TransparentRect, across - 4, across + 4, l0, l1 - 29 * s);
  Span(GrayRect, across - 4, across + 4, l1 - 30 * s, l1 - 9 * s);
  if (vertical) {
    if (s > 0) VerticalUpArrowHead(canvas, across, l1 + 6);
    else VerticalDnArrowHead(canvas, across, l1 - 6);
  } else {
    if (s > 0) HorizRtArrowHead(canvas, l1 + 6, across);
    else HorizLtArrowHead(canvas, l1 - 6, across);
  }
  White(across - 5, l0, l0 + 30 * s);
  White(across + 5, l0, l0 + 30 * s);
  WhiteAcross(l0 - s, across - 5, across + 5);
}

// A diagonal arrow, told for the up-right one and mirrored by sx (-1 going left) and sy (-1 going
// down). All its lines have slope +-1, so mirroring them mirrors their pixels exactly; only the
// heads differ from direction to direction.
void DiagonalArrow(Canvas &canvas, int x0, int y0, int x1, int y1, int sx, int sy) {
  // Band: seven black lines two diagonal steps apart, inverse gray over the whole length.
  for (int i = -3; i <= 3; i++) Line(canvas, x0 + sx * i, y0 - sy * i, x1 + sx * i, y1 - sy * i, 1);
  // Opaque stretch: the odd offsets between the band's lines turn white before the head.
  for (int i = 1; i <= 5; i += 2) {
    Line(canvas, x1 - sx * (i + 30), y1 - sy * 30, x1 - sx * i, y1, 0);
    Line(canvas, x1 - sx * 30, y1 - sy * (i + 30), x1, y1 - sy * i, 0);
  }
  if (sx > 0 && sy > 0) NEArrowHead(canvas, x1 + 3, y1 + 3);
  else if (sx > 0) SEArrowHead(canvas, x1 + 3, y1 - 3);
  else if (sy > 0) NWArrowHead(canvas, x1 - 3, y1 + 3);
  else SWArrowHead(canvas, x1 - 3, y1 - 3);
  // Tail sides, then the cap across the start centre.
  Line(canvas, x0 - 4 * sx, y0 + 4 * sy, x0 + 26 * sx, y0 + 34 * sy, 0);
  Line(canvas, x0 + 4 * sx, y0 - 4 * sy, x0 + 34 * sx, y0 + 26 * sy, 0);
  Line(canvas, x0 - 4 * sx, y0 + 4 * sy, x0 + 4 * sx, y0 - 4 * sy, 0);
}
}  // namespace

// Squares off the board (only a damaged position file brings them) draw nothing, so no arrow
// ever writes outside the canvas.
void Arrow(Canvas &canvas, int c0, int r0, int c1, int r1) { ArrowAt(canvas, c0, r0, c1, r1, 0, 0); }

void ArrowAt(Canvas &canvas, int c0, int r0, int c1, int r1, int ox, int oy) {
  if (!OnBoard(c0) || !OnBoard(r0) || !OnBoard(c1) || !OnBoard(r1)) return;
  int dc = c1 - c0, dr = r1 - r0;
  // A knight arrow's float edges depend on where its centres are: it computes them at the
  // board's own place and moves only its pixels. The other shapes are whole-pixel steps.
  if (IsKnightMove(dc, dr)) {
    KnightArrowAt(canvas, Centre(c0), Centre(r0), Centre(c1), Centre(r1), dc, dr, ox, oy);
    return;
  }
  int x0 = Centre(c0) + ox, y0 = Centre(r0) + oy, x1 = Centre(c1) + ox, y1 = Centre(r1) + oy;
  if (dc == 0 && dr > 0) StraightArrow(canvas, true, x0, y0, y1, 1);
  else if (dc == 0 && dr < 0) StraightArrow(canvas, true, x0, y0, y1, -1);
  else if (dr == 0 && dc > 0) StraightArrow(canvas, false, y0, x0, x1, 1);
  else if (dr == 0 && dc < 0) StraightArrow(canvas, false, y0, x0, x1, -1);
  else if (dc == dr && dc > 0) DiagonalArrow(canvas, x0, y0, x1, y1, 1, 1);
  else if (dc == -dr && dc > 0) DiagonalArrow(canvas, x0, y0, x1, y1, 1, -1);
  else if (-dc == dr && dr > 0) DiagonalArrow(canvas, x0, y0, x1, y1, -1, 1);
  else if (dc == dr && dc < 0) DiagonalArrow(canvas, x0, y0, x1, y1, -1, -1);
}
