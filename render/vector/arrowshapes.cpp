// Arrow shapes measured from the rasteriser's drawings (arrow.cpp, arrowheads.cpp,
// knightarrow.cpp): the same centres, widths, head corners and white lines, as polygons. A pixel
// (x, y) is the unit square up to (x, y), so a pixel's centre is (x - 0.5, y - 0.5).
#include "render/vector/arrowshapes.h"

#include <algorithm>
#include <initializer_list>

#include "render/knightarrow.h"

namespace {
struct Pt {
  double x, y;
};

// The centre of pixel (x, y).
Pt Centre(double x, double y) { return {x - 0.5, y - 0.5}; }

struct Shapes {
  std::vector<ArrowShape> list;
  void Add(ShapeKind kind, int phase, std::initializer_list<Pt> points) {
    ArrowShape s{kind, phase, {}};
    for (const Pt &p : points) s.points.push_back(p.x), s.points.push_back(p.y);
    list.push_back(std::move(s));
  }
};

int SquareCentre(int square) { return 72 * square + 45; }

// Along a column (vertical) or a row, from l0 to l1 in direction s, on the line across.
void Straight(Shapes &out, bool vertical, int across, int l0, int l1, int s) {
  auto P = [&](double a, double l) { return vertical ? Centre(a, l) : Centre(l, a); };
  // The head's point is 6 pixels past the centre, its base 24 behind the point (mirrored with s).
  const double tip = l1 + 6.5 * s, base = l1 - 18.5 * s;
  out.Add(WhiteEdge, 1, {P(across, tip), P(across - 12.5, base), P(across + 12.5, base)});
  out.Add(WhiteLine, 1, {P(across - 5, l0), P(across - 5, l0 + 30 * s)});
  out.Add(WhiteLine, 1, {P(across + 5, l0), P(across + 5, l0 + 30 * s)});
  out.Add(WhiteLine, 1, {P(across - 5, l0 - s), P(across + 5, l0 - s)});
  const double a1 = across - 4.5, a2 = across + 4.5;
  const double t0 = l0 - 0.5 * s, t1 = l1 - 29 * s + 0.5 * s;
  out.Add(HalftoneShape, 1, {P(a1, t0), P(a2, t0), P(a2, t1), P(a1, t1)});
  const double o0 = l1 - 30 * s - 0.5 * s, o1 = l1 - 9 * s + 0.5 * s;
  out.Add(OpaqueShape, 1, {P(a1, o0), P(a2, o0), P(a2, o1), P(a1, o1)});
  out.Add(OpaqueShape, 1, {P(across, tip), P(across - 12.5, base), P(across + 12.5, base)});
}

// A diagonal from (x0, y0) to (x1, y1), sx and sy the signs of its steps. The band's seven
// lines two diagonals apart cover the pixels of one parity, that of the centres.
void Diagonal(Shapes &out, int x0, int y0, int x1, int y1, int sx, int sy) {
  const Pt tip = {x1 + 3 * sx - 0.5 + 0.5 * sx, y1 + 3 * sy - 0.5 + 0.5 * sy};
  const Pt leg1 = {tip.x - 27 * sx, tip.y}, leg2 = {tip.x, tip.y - 27 * sy};
  out.Add(WhiteEdge, 0, {tip, leg1, leg2});
  out.Add(WhiteLine, 0, {Centre(x0 - 4 * sx, y0 + 4 * sy), Centre(x0 + 26 * sx, y0 + 34 * sy)});
  out.Add(WhiteLine, 0, {Centre(x0 + 4 * sx, y0 - 4 * sy), Centre(x0 + 34 * sx, y0 + 26 * sy)});
  out.Add(WhiteLine, 0, {Centre(x0 - 4 * sx, y0 + 4 * sy), Centre(x0 + 4 * sx, y0 - 4 * sy)});
  const double ox = 3.25 * sx, oy = -3.25 * sy;
  const Pt s = Centre(x0, y0), m = Centre(x1 - 30 * sx, y1 - 30 * sy), e = Centre(x1, y1);
  out.Add(HalftoneShape, 0, {{s.x + ox, s.y + oy}, {m.x + ox, m.y + oy}, {m.x - ox, m.y - oy}, {s.x - ox, s.y - oy}});
  out.Add(OpaqueShape, 0, {{m.x + ox, m.y + oy}, {e.x + ox, e.y + oy}, {e.x - ox, e.y - oy}, {m.x - ox, m.y - oy}});
  out.Add(OpaqueShape, 0, {tip, leg1, leg2});
}

// A knight's move: the band, the shaft that the rasteriser fills run by run, the white sides
// and tail, the head and its outline. Offsets are told for the move right and up and mirrored.
void Knight(Shapes &out, int x0, int y0, int x1, int y1, int dc, int dr) {
  const int sx = dc > 0 ? 1 : -1, sy = dr > 0 ? 1 : -1;
  const bool tall = dr == 2 || dr == -2;
  auto S = [&](int dx, int dy) { return Centre(x0 + sx * dx, y0 + sy * dy); };
  auto E = [&](int dx, int dy) { return Centre(x1 + sx * dx, y1 + sy * dy); };
  KnightFill fill;
  KnightArrowFill(x0, y0, x1, y1, dc, dr, &fill);

  if (tall) out.Add(HalftoneShape, 1, {S(-3, 3), S(3, -3), E(3, -5), E(-3, 1)});
  else out.Add(HalftoneShape, 1, {S(-3, 3), S(3, -3), E(1, -3), E(-5, 3)});
  // The shaft: its first and last runs, whole pixels, joined.
  const FillRun &a = fill.shaft[0], &b = fill.shaft[93];
  const int up = b.at > a.at ? 1 : -1;
  auto RunEnds = [&](const FillRun &r, double edge) {
    double lo = std::min(r.from, r.to) - 1.0, hi = std::max(r.from, r.to);
    return fill.columns ? std::pair<Pt, Pt>{{edge, hi}, {edge, lo}} : std::pair<Pt, Pt>{{lo, edge}, {hi, edge}};
  };
  auto first = RunEnds(a, up > 0 ? a.at - 1.0 : a.at), last = RunEnds(b, up > 0 ? b.at : b.at - 1.0);
  out.Add(OpaqueShape, 1, {first.first, first.second, last.second, last.first});
  if (tall) {
    out.Add(WhiteLine, 1, {S(-4, 3), E(-4, 0)});
    out.Add(WhiteLine, 1, {S(-4, 4), E(-4, 1)});
    out.Add(WhiteLine, 1, {S(4, -3), E(4, -3)});
    out.Add(WhiteLine, 1, {S(3, -4), E(3, -4)});
  } else {
    out.Add(WhiteLine, 1, {S(-4, 3), E(-6, 1)});
    out.Add(WhiteLine, 1, {S(-4, 4), E(-6, 2)});
    out.Add(WhiteLine, 1, {S(4, -3), E(0, -5)});
    out.Add(WhiteLine, 1, {S(3, -4), E(-1, -6)});
  }
  out.Add(WhiteLine, 1, {S(-4, 3), S(3, -4)});
  out.Add(WhiteLine, 1, {S(-5, 3), S(3, -5)});
  if (tall) {
    out.Add(OpaqueShape, 1, {E(-22, -13), E(2, 3), E(5, -21)});
    out.Add(WhiteLine, 1, {E(-22, -12), E(3, 4)});
    out.Add(WhiteLine, 1, {E(-22, -11), E(3, 5)});
    out.Add(WhiteLine, 1, {E(3, 5), E(6, -21)});
    out.Add(WhiteLine, 1, {E(4, 5), E(7, -21)});
  } else {
    out.Add(OpaqueShape, 1, {E(-25, 5), E(3, 2), E(-13, -22)});
    out.Add(WhiteLine, 1, {E(-25, 6), E(3, 3)});
    out.Add(WhiteLine, 1, {E(-25, 7), E(3, 4)});
    out.Add(WhiteLine, 1, {E(-12, -22), E(4, 3)});
    out.Add(WhiteLine, 1, {E(-11, -22), E(5, 3)});
  }
}

bool OnBoard(int v) { return v >= 0 && v <= 7; }
}  // namespace

std::vector<ArrowShape> ArrowShapes(int c0, int r0, int c1, int r1) {
  Shapes out;
  if (!OnBoard(c0) || !OnBoard(r0) || !OnBoard(c1) || !OnBoard(r1)) return out.list;
  const int x0 = SquareCentre(c0), y0 = SquareCentre(r0), x1 = SquareCentre(c1), y1 = SquareCentre(r1);
  const int dc = c1 - c0, dr = r1 - r0;
  if (dc == 0 && dr != 0) Straight(out, true, x0, y0, y1, dr > 0 ? 1 : -1);
  else if (dr == 0 && dc != 0) Straight(out, false, y0, x0, x1, dc > 0 ? 1 : -1);
  else if (dc == dr || dc == -dr) Diagonal(out, x0, y0, x1, y1, dc > 0 ? 1 : -1, dr > 0 ? 1 : -1);
  else if (IsKnightMove(dc, dr)) Knight(out, x0, y0, x1, y1, dc, dr);
  return out.list;
}
