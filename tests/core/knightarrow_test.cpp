// Knight arrows, checked by their pixels: their slanted edges are float lines whose rounding
// moves single pixels while every count stays the same.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "render/arrow.h"
#include "render/canvas.h"
#include "render/knightarrow.h"
#include "tests/core/arrowprobe.h"

using namespace arrowprobe;

namespace {
const int Moves[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};

struct Knight {
  int c0, r0, c1, r1, dc, dr;
  int X0() const { return CentreOf(c0); }
  int Y0() const { return CentreOf(r0); }
  int X1() const { return CentreOf(c1); }
  int Y1() const { return CentreOf(r1); }
  bool Tall() const { return dc == 1 || dc == -1; }
};

std::vector<Knight> AllKnightArrows() {
  std::vector<Knight> all;
  for (const auto &m : Moves)
    for (int c = 0; c < 8; c++)
      for (int r = 0; r < 8; r++) {
        int c1 = c + m[0], r1 = r + m[1];
        if (c1 >= 0 && c1 <= 7 && r1 >= 0 && r1 <= 7) all.push_back({c, r, c1, r1, m[0], m[1]});
      }
  return all;
}

int Round(double v) { return static_cast<int>(v + 0.5); }

struct Slanted {
  float m, b;
};
Slanted Through(int x1, int y1, int x2, int y2) {
  Slanted e;
  Equation(x1, y1, x2, y2, &e.m, &e.b);
  return e;
}
int XAt(Slanted e, int y) { return Round((y - static_cast<double>(e.b)) / e.m); }
int YAt(Slanted e, int x) { return Round(static_cast<double>(e.m) * x + e.b); }

// The move one column left and two rows down, written out with its own constants: the master
// move (+1, +2) with every x and y offset negated, runs from the smaller x, and the shaft filled
// from 16 rows beyond the end centre.
void LeftDownTall(int X0, int Y0, int X1, int Y1) {
  for (int i = -3; i <= 3; i++) Line(X0 - i, Y0 + i, X1 - i, Y1 + i + 2, 1);
  Slanted e1 = Through(X0 + 3, Y0 - 3, X1 + 3, Y1 - 3), e2 = Through(X0 - 3, Y0 + 3, X1 - 3, Y1 + 3);
  for (int y = Y1 + 16; y <= Y1 + 109; y++) GrayHLine(y, XAt(e2, y), XAt(e1, y));
  Line(X0 + 4, Y0 - 3, X1 + 4, Y1, 0);
  Line(X0 + 4, Y0 - 4, X1 + 4, Y1 - 1, 0);
  Line(X0 - 4, Y0 + 3, X1 - 4, Y1 + 3, 0);
  Line(X0 - 3, Y0 + 4, X1 - 3, Y1 + 4, 0);
  Line(X0 + 4, Y0 - 3, X0 - 3, Y0 + 4, 0);
  Line(X0 + 5, Y0 - 3, X0 - 3, Y0 + 5, 0);
  Slanted lt = Through(X1 + 22, Y1 + 13, X1 - 2, Y1 - 3), tr = Through(X1 - 2, Y1 - 3, X1 - 5, Y1 + 21);
  Slanted lr = Through(X1 + 22, Y1 + 13, X1 - 5, Y1 + 21);
  for (int y = Y1 - 3; y <= Y1 + 13; y++) GrayHLine(y, XAt(tr, y), XAt(lt, y));
  for (int y = Y1 + 14; y <= Y1 + 21; y++) GrayHLine(y, XAt(tr, y), XAt(lr, y));
  Line(X1 + 22, Y1 + 12, X1 - 3, Y1 - 4, 0);
  Line(X1 + 22, Y1 + 11, X1 - 3, Y1 - 5, 0);
  Line(X1 - 3, Y1 - 5, X1 - 6, Y1 + 21, 0);
  Line(X1 - 4, Y1 - 5, X1 - 7, Y1 + 21, 0);
}

// The move two columns left and one row down, from the master (+2, +1) in the same way.
void LeftDownWide(int X0, int Y0, int X1, int Y1) {
  for (int i = -3; i <= 3; i++) Line(X0 - i, Y0 + i, X1 - i + 2, Y1 + i, 1);
  Slanted e1 = Through(X0 - 3, Y0 + 3, X1 - 3, Y1 + 3), e2 = Through(X0 + 3, Y0 - 3, X1 + 3, Y1 - 3);
  for (int x = X1 + 16; x <= X1 + 109; x++) GrayVLine(x, YAt(e2, x), YAt(e1, x));
  Line(X0 + 4, Y0 - 3, X1 + 6, Y1 - 1, 0);
  Line(X0 + 4, Y0 - 4, X1 + 6, Y1 - 2, 0);
  Line(X0 - 4, Y0 + 3, X1, Y1 + 5, 0);
  Line(X0 - 3, Y0 + 4, X1 + 1, Y1 + 6, 0);
  Line(X0 + 4, Y0 - 3, X0 - 3, Y0 + 4, 0);
  Line(X0 + 5, Y0 - 3, X0 - 3, Y0 + 5, 0);
  Slanted du = Through(X1 + 13, Y1 + 22, X1 + 25, Y1 - 5), ut = Through(X1 + 25, Y1 - 5, X1 - 3, Y1 - 2);
  Slanted dt = Through(X1 + 13, Y1 + 22, X1 - 3, Y1 - 2);
  for (int x = X1 + 13; x <= X1 + 25; x++) GrayVLine(x, YAt(ut, x), YAt(du, x));
  for (int x = X1 - 3; x <= X1 + 12; x++) GrayVLine(x, YAt(ut, x), YAt(dt, x));
  Line(X1 + 25, Y1 - 6, X1 - 3, Y1 - 3, 0);
  Line(X1 + 25, Y1 - 7, X1 - 3, Y1 - 4, 0);
  Line(X1 + 12, Y1 + 22, X1 - 4, Y1 - 3, 0);
  Line(X1 + 11, Y1 + 22, X1 - 5, Y1 - 3, 0);
}

std::vector<uint8_t> Snapshot() { return std::vector<uint8_t>(&Dot[0][0], &Dot[0][0] + sizeof Dot); }

uint64_t HashOf(int c0, int r0, int c1, int r1) {
  FillMarker();
  Arrow(c0, r0, c1, r1);
  return CanvasHash();
}
}  // namespace

TEST(KnightArrow, EveryFillRunIsNonEmpty) {
  for (const Knight &k : AllKnightArrows()) {
    KnightFill fill;
    KnightArrowFill(k.X0(), k.Y0(), k.X1(), k.Y1(), k.dc, k.dr, &fill);
    EXPECT_EQ(fill.columns, !k.Tall());
    EXPECT_EQ(fill.headRuns, k.Tall() ? 25 : 29);
    for (const FillRun &run : fill.shaft)
      EXPECT_LE(run.from, run.to) << k.c0 << k.r0 << k.c1 << k.r1 << " shaft at " << run.at;
    for (int i = 0; i < fill.headRuns; i++)
      EXPECT_LE(fill.head[i].from, fill.head[i].to) << k.c0 << k.r0 << k.c1 << k.r1 << " head at " << fill.head[i].at;
  }
}

TEST(KnightArrow, ShaftFillRangesAlongTheLongAxis) {
  // Towards larger coordinates the shaft ends 17 short of the end centre; towards smaller ones it
  // starts 16 beyond it, one step nearer the head than a mirror image would.
  const struct {
    int c0, r0, c1, r1, first, last;
  } cases[] = {{3, 2, 4, 4, 333 - 110, 333 - 17}, {4, 2, 3, 4, 333 - 110, 333 - 17},
               {3, 5, 4, 3, 261 + 16, 261 + 109}, {4, 5, 3, 3, 261 + 16, 261 + 109},
               {2, 3, 4, 4, 333 - 110, 333 - 17}, {2, 4, 4, 3, 333 - 110, 333 - 17},
               {5, 3, 3, 4, 261 + 16, 261 + 109}, {5, 4, 3, 3, 261 + 16, 261 + 109}};
  for (const auto &c : cases) {
    KnightFill fill;
    KnightArrowFill(CentreOf(c.c0), CentreOf(c.r0), CentreOf(c.c1), CentreOf(c.r1), c.c1 - c.c0, c.r1 - c.r0, &fill);
    EXPECT_EQ(fill.shaft[0].at, c.first) << c.c0 << c.r0 << c.c1 << c.r1;
    EXPECT_EQ(fill.shaft[93].at, c.last) << c.c0 << c.r0 << c.c1 << c.r1;
  }
}

// The unwritten pixels reachable from outside the drawing without crossing a written pixel
// (4-connected, so an 8-connected white line is a wall); holes the arrow leaves inside its
// outline are not reached. Everything beyond the written pixels' box is outside, so the search
// starts from the ring just around that box.
std::vector<bool> Outside() {
  int x1 = CanvasSize, y1 = CanvasSize, x2 = -1, y2 = -1;
  for (int x = 0; x < CanvasSize; x++)
    for (int y = 0; y < CanvasSize; y++)
      if (Dot[x][y] != Unwritten) {
        x1 = x < x1 ? x : x1, x2 = x > x2 ? x : x2;
        y1 = y < y1 ? y : y1, y2 = y > y2 ? y : y2;
      }
  std::vector<bool> out(CanvasSize * CanvasSize, true);
  for (int x = x1; x <= x2; x++)
    for (int y = y1; y <= y2; y++) out[x * CanvasSize + y] = false;
  std::vector<int> stack;
  for (int x = x1 - 1; x <= x2 + 1; x++) stack.push_back(x * CanvasSize + y1 - 1), stack.push_back(x * CanvasSize + y2 + 1);
  for (int y = y1; y <= y2; y++) stack.push_back((x1 - 1) * CanvasSize + y), stack.push_back((x2 + 1) * CanvasSize + y);
  while (!stack.empty()) {
    int p = stack.back();
    stack.pop_back();
    const int step[4] = {CanvasSize, -CanvasSize, 1, -1};
    for (int s : step) {
      int q = p + s, x = q / CanvasSize, y = q % CanvasSize;
      if (x < x1 || x > x2 || y < y1 || y > y2 || out[q] || Dot[x][y] != Unwritten) continue;
      out[q] = true;
      stack.push_back(q);
    }
  }
  return out;
}

// The band ends under the head: nothing black beyond the point along the long axis, and no
// black pixel near the point touches the outside, not even at a corner.
TEST(KnightArrow, NothingBlackShowsOutsideTheHead) {
  for (const Knight &k : AllKnightArrows()) {
    FillMarker();
    Arrow(k.c0, k.r0, k.c1, k.r1);
    std::vector<bool> outside = Outside();
    int sx = k.dc > 0 ? 1 : -1, sy = k.dr > 0 ? 1 : -1;
    int tx = k.X1() + sx * (k.Tall() ? 2 : 3), ty = k.Y1() + sy * (k.Tall() ? 3 : 2);
    for (int x = 1; x < CanvasSize - 1; x++)
      for (int y = 1; y < CanvasSize - 1; y++) {
        if (Dot[x][y] != 1) continue;
        if (k.Tall()) EXPECT_LE(sy * (y - ty), 0) << k.c0 << k.r0 << k.c1 << k.r1 << " at " << x << "," << y;
        else EXPECT_LE(sx * (x - tx), 0) << k.c0 << k.r0 << k.c1 << k.r1 << " at " << x << "," << y;
        if (x < tx - 12 || x > tx + 12 || y < ty - 12 || y > ty + 12) continue;
        for (int ax = -1; ax <= 1; ax++)
          for (int ay = -1; ay <= 1; ay++)
            EXPECT_FALSE(outside[(x + ax) * CanvasSize + y + ay])
                << k.c0 << k.r0 << k.c1 << k.r1 << " beside " << x << "," << y;
      }
  }
}

TEST(KnightArrow, MirroredMovesMatchTheirOwnConstants) {
  for (const Knight &k : AllKnightArrows()) {
    if (k.dr != -2 && k.dr != -1) continue;
    if (k.dc != -1 && k.dc != -2) continue;
    FillMarker();
    Arrow(k.c0, k.r0, k.c1, k.r1);
    std::vector<uint8_t> drawn = Snapshot();
    FillMarker();
    if (k.Tall()) LeftDownTall(k.X0(), k.Y0(), k.X1(), k.Y1());
    else LeftDownWide(k.X0(), k.Y0(), k.X1(), k.Y1());
    EXPECT_EQ(Snapshot(), drawn) << k.c0 << k.r0 << k.c1 << k.r1;
  }
}

// The head edge LT of (3, 2) to (4, 4): the intercept is worked out in double from the float
// slope, then stored as a float. Float arithmetic, or the corners the other way round, land one
// float step lower, and that step moves a pixel below.
TEST(KnightArrow, EquationInterceptFromTheFloatSlope) {
  float m, b;
  Equation(311, 320, 335, 336, &m, &b);
  EXPECT_EQ(m, 0.666666686534881591796875f);
  EXPECT_EQ(b, 112.66666412353515625f);
  Equation(335, 336, 311, 320, &m, &b);
  EXPECT_EQ(m, 0.666666686534881591796875f);
  EXPECT_EQ(b, 112.666656494140625f);
}

// Pixels that move with the numerics, worked out by hand from float slopes and intercepts.
TEST(KnightArrow, FloatEdgesPlaceSinglePixels) {
  // (3, 2) to (4, 4): the head's row 321 starts on edge LT, L = (311, 320), T = (335, 336).
  // The float slope 0.666666687 and the intercept 320 - 311 * slope = 112.666664 give
  // x = 312.4999945, so the run starts at 312, a black pixel. Taking the corners T then L gives
  // the intercept 112.666656 and x = 312.5000059: the run would start one pixel later.
  FillMarker();
  Arrow(3, 2, 4, 4);
  EXPECT_EQ(Dot[312][321], 1);
  EXPECT_EQ(Dot[311][321], 0);  // the first pixel of the outline along LT
  // The (+1, +2) shaft edges have slope exactly 2: on row 300 of (3, 2) to (4, 4) the left edge
  // through (258, 192) gives x = 312, the right edge through (264, 186) x = 321.
  EXPECT_EQ(Dot[312][300], 0);
  EXPECT_EQ(Dot[313][300], 1);
  EXPECT_EQ(Dot[321][300], 1);
  // (0, 2) to (1, 4): row 321 crosses LT, L = (95, 320), at x = 96.5000124 in float terms
  // (exactly 96.5 on paper, 96.49999999999997 in double), so the run starts at 97 and (96, 321)
  // is left alone.
  FillMarker();
  Arrow(0, 2, 1, 4);
  EXPECT_EQ(Dot[96][321], Unwritten);
  EXPECT_EQ(Dot[97][321], 0);
  EXPECT_EQ(Dot[98][321], 1);
}

// Whole drawings pinned, one per family of mirror signs.
TEST(KnightArrow, WholeDrawingsArePinned) {
  EXPECT_EQ(HashOf(3, 2, 4, 4), 11423796394949936989ull);  // (+1, +2)
  EXPECT_EQ(HashOf(0, 2, 1, 4), 1748871058790370194ull);   // (+1, +2), a float-sensitive head
  EXPECT_EQ(HashOf(3, 5, 4, 3), 16871887868894137264ull);  // (+1, -2)
  EXPECT_EQ(HashOf(2, 5, 1, 3), 5069551206037392541ull);   // (-1, -2)
  EXPECT_EQ(HashOf(2, 2, 4, 3), 3155376065566934603ull);   // (+2, +1)
  EXPECT_EQ(HashOf(6, 1, 4, 2), 10231026497794406017ull);  // (-2, +1)
  EXPECT_EQ(HashOf(1, 6, 3, 5), 598250482706102260ull);    // (+2, -1)
}
