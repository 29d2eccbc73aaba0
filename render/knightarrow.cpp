// Knight arrows. Two are drawn in full: one column right and two rows up (a tall move, filled
// row by row) and two columns right and one row up (a wide move, filled column by column). The
// other six are their mirror images: every constant added to a start or end coordinate is
// negated along each axis the move runs backwards on. The fills are not exact mirrors, though:
// halves round up, each run goes from the edge with the smaller coordinate to the one with the
// larger, and a move towards smaller y (or x) fills its shaft one step nearer the head.
#include "render/knightarrow.h"

#include "render/canvas.h"

namespace {
struct Point {
  int x, y;
};

// The arrow's two centres and the mirror signs: sx = -1 for a move to the left, sy = -1 for a
// move down. S and E place a master offset relative to the start and the end centre.
struct Frame {
  int x0, y0, x1, y1, sx, sy;
  int ox, oy;  // where the arrow is drawn: every pixel moved this far right and up
  Point S(int dx, int dy) const { return {x0 + sx * dx, y0 + sy * dy}; }
  Point E(int dx, int dy) const { return {x1 + sx * dx, y1 + sy * dy}; }
};

// A slanted edge y = m x + b, through two points in the order given.
struct Edge {
  float m, b;
};

Edge EdgeThrough(Point p, Point q) {
  Edge e;
  Equation(p.x, p.y, q.x, q.y, &e.m, &e.b);
  return e;
}

// Where an edge crosses row y, and where it crosses column x; in double from the float slope
// and intercept, then rounded.
int XAtRow(Edge e, int y) { return Rnd((y - static_cast<double>(e.b)) / static_cast<double>(e.m)); }
int YAtColumn(Edge e, int x) { return Rnd(static_cast<double>(e.m) * x + static_cast<double>(e.b)); }

void DrawLine(Canvas &canvas, const Frame &f, Point p, Point q, uint8_t colour, int skipFrom = 1,
              int skipTo = 0) {
  LineAt(canvas, p.x, p.y, q.x, q.y, colour, f.ox, f.oy, skipFrom, skipTo);
}

// First row (or column) of the shaft fill, which has 94. Forward along the long axis it ends 17
// short of the end centre; backward it starts 16 beyond it.
int ShaftStart(int end, int sign) { return sign > 0 ? end - 110 : end + 16; }

FillRun Run(int at, int a, int b, int sign) { return sign > 0 ? FillRun{at, a, b} : FillRun{at, b, a}; }

// One column right, two rows up: rows run from the left edge to the right edge.
void TallFill(const Frame &f, KnightFill *fill) {
  fill->columns = false;
  Edge e1 = EdgeThrough(f.S(-3, 3), f.E(-3, 3));
  Edge e2 = EdgeThrough(f.S(3, -3), f.E(3, -3));
  int first = ShaftStart(f.y1, f.sy);
  for (int k = 0; k < 94; k++) {
    int y = first + k;
    fill->shaft[k] = Run(y, XAtRow(e1, y), XAtRow(e2, y), f.sx);
  }
  // Head: back corners L and R, point T. Rows from L's row to the point run from LT to TR,
  // the rows below L's from LR to TR.
  Point l = f.E(-22, -13), r = f.E(5, -21), t = f.E(2, 3);
  Edge lt = EdgeThrough(l, t), tr = EdgeThrough(t, r), lr = EdgeThrough(l, r);
  fill->headRuns = 25;
  for (int d = -21; d <= 3; d++) {
    int y = f.y1 + f.sy * d;
    Edge back = d >= -13 ? lt : lr;
    fill->head[d + 21] = Run(y, XAtRow(back, y), XAtRow(tr, y), f.sx);
  }
}

// Two columns right, one row up: columns run from the lower edge to the upper edge.
void WideFill(const Frame &f, KnightFill *fill) {
  fill->columns = true;
  Edge e1 = EdgeThrough(f.S(3, -3), f.E(3, -3));
  Edge e2 = EdgeThrough(f.S(-3, 3), f.E(-3, 3));
  int first = ShaftStart(f.x1, f.sx);
  for (int k = 0; k < 94; k++) {
    int x = first + k;
    fill->shaft[k] = Run(x, YAtColumn(e1, x), YAtColumn(e2, x), f.sy);
  }
  // Head: back corners U and D, point T. Columns from U's to D's run from DU to UT, the
  // columns after D's up to the point from DT to UT.
  Point u = f.E(-25, 5), d = f.E(-13, -22), t = f.E(3, 2);
  Edge du = EdgeThrough(d, u), ut = EdgeThrough(u, t), dt = EdgeThrough(d, t);
  fill->headRuns = 29;
  for (int k = -25; k <= 3; k++) {
    int x = f.x1 + f.sx * k;
    Edge back = k <= -13 ? du : dt;
    fill->head[k + 25] = Run(x, YAtColumn(back, x), YAtColumn(ut, x), f.sy);
  }
}

Frame FrameOf(int x0, int y0, int x1, int y1, int dc, int dr, int ox = 0, int oy = 0) {
  return {x0, y0, x1, y1, dc > 0 ? 1 : -1, dr > 0 ? 1 : -1, ox, oy};
}

bool IsTall(int dc, int dr) { return (dr == 2 || dr == -2) && (dc == 1 || dc == -1); }

// Runs moved by an even number of pixels in all keep the gray's phase.
void DrawFill(Canvas &canvas, const Frame &f, const FillRun *runs, int n, bool columns) {
  for (int k = 0; k < n; k++)
    if (columns) GrayVLine(canvas, runs[k].at + f.ox, runs[k].from + f.oy, runs[k].to + f.oy);
    else GrayHLine(canvas, runs[k].at + f.oy, runs[k].from + f.ox, runs[k].to + f.ox);
}

// The white lines across the tail, just behind the start centre; the same for both masters.
void Tail(Canvas &canvas, const Frame &f) {
  DrawLine(canvas, f, f.S(-4, 3), f.S(3, -4), 0);
  DrawLine(canvas, f, f.S(-5, 3), f.S(3, -5), 0);
}

// The rows (or columns) the shaft's and the head's gray runs take together, from the lowest to
// the highest: one stretch, as the head's runs begin where the shaft's end.
void Covered(const KnightFill &fill, int *from, int *to) {
  *from = fill.shaft[0].at, *to = fill.shaft[93].at;
  for (int k = 0; k < fill.headRuns; k++) {
    if (fill.head[k].at < *from) *from = fill.head[k].at;
    if (fill.head[k].at > *to) *to = fill.head[k].at;
  }
}

void TallArrow(Canvas &canvas, const Frame &f, const KnightFill &fill) {
  // Band: seven black lines, each ending 2 rows short of the end so its end stays under the head.
  // The gray rows of shaft and head cover every pixel of the band in their rows: the band is
  // drawn only outside them.
  int from, to;
  Covered(fill, &from, &to);
  for (int i = -3; i <= 3; i++) DrawLine(canvas, f, f.S(i, -i), f.E(i, -i - 2), 1, from, to);
  DrawFill(canvas, f, fill.shaft, 94, false);
  // Two white lines along each side of the shaft.
  DrawLine(canvas, f, f.S(-4, 3), f.E(-4, 0), 0);
  DrawLine(canvas, f, f.S(-4, 4), f.E(-4, 1), 0);
  DrawLine(canvas, f, f.S(4, -3), f.E(4, -3), 0);
  DrawLine(canvas, f, f.S(3, -4), f.E(3, -4), 0);
  Tail(canvas, f);
  DrawFill(canvas, f, fill.head, fill.headRuns, false);
  // Outline along LT and TR; the back side LR has none.
  DrawLine(canvas, f, f.E(-22, -12), f.E(3, 4), 0);
  DrawLine(canvas, f, f.E(-22, -11), f.E(3, 5), 0);
  DrawLine(canvas, f, f.E(3, 5), f.E(6, -21), 0);
  DrawLine(canvas, f, f.E(4, 5), f.E(7, -21), 0);
}

void WideArrow(Canvas &canvas, const Frame &f, const KnightFill &fill) {
  // Band: each line ends 2 columns short.
  // Likewise their gray columns.
  int from, to;
  Covered(fill, &from, &to);
  for (int i = -3; i <= 3; i++) DrawLine(canvas, f, f.S(i, -i), f.E(i - 2, -i), 1, from, to);
  DrawFill(canvas, f, fill.shaft, 94, true);
  DrawLine(canvas, f, f.S(-4, 3), f.E(-6, 1), 0);
  DrawLine(canvas, f, f.S(-4, 4), f.E(-6, 2), 0);
  DrawLine(canvas, f, f.S(4, -3), f.E(0, -5), 0);
  DrawLine(canvas, f, f.S(3, -4), f.E(-1, -6), 0);
  Tail(canvas, f);
  DrawFill(canvas, f, fill.head, fill.headRuns, true);
  // Outline along UT and DT; the back side DU has none.
  DrawLine(canvas, f, f.E(-25, 6), f.E(3, 3), 0);
  DrawLine(canvas, f, f.E(-25, 7), f.E(3, 4), 0);
  DrawLine(canvas, f, f.E(-12, -22), f.E(4, 3), 0);
  DrawLine(canvas, f, f.E(-11, -22), f.E(5, 3), 0);
}
}  // namespace

bool IsKnightMove(int dc, int dr) {
  int a = dc < 0 ? -dc : dc, b = dr < 0 ? -dr : dr;
  return (a == 1 && b == 2) || (a == 2 && b == 1);
}

bool IsArrowMove(int dc, int dr) {
  return dc == 0 || dr == 0 || dc == dr || dc == -dr || IsKnightMove(dc, dr);
}

void KnightArrowFill(int x0, int y0, int x1, int y1, int dc, int dr, KnightFill *fill) {
  Frame f = FrameOf(x0, y0, x1, y1, dc, dr);
  if (IsTall(dc, dr)) TallFill(f, fill);
  else WideFill(f, fill);
}

void KnightArrow(Canvas &canvas, int x0, int y0, int x1, int y1, int dc, int dr) {
  KnightArrowAt(canvas, x0, y0, x1, y1, dc, dr, 0, 0);
}

void KnightArrowAt(Canvas &canvas, int x0, int y0, int x1, int y1, int dc, int dr, int ox, int oy) {
  if (!IsKnightMove(dc, dr)) return;
  KnightFill fill;
  KnightArrowFill(x0, y0, x1, y1, dc, dr, &fill);
  Frame f = FrameOf(x0, y0, x1, y1, dc, dr, ox, oy);
  if (IsTall(dc, dr)) TallArrow(canvas, f, fill);
  else WideArrow(canvas, f, fill);
}
