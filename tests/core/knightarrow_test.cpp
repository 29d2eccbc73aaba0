// Knight arrows, checked by their pixels: their slanted edges are float lines whose rounding
// moves single pixels while every count stays the same.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "render/arrow.h"
#include "render/canvas.h"
#include "render/knightarrow.h"
#include "tests/core/testcanvas.h"

using namespace testcanvas;

namespace {
const int Moves[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};

struct Knight {
  int c0, r0, c1, r1, dc, dr;
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

uint64_t HashOf(int c0, int r0, int c1, int r1) {
  Fill(Unwritten);
  Arrow(c0, r0, c1, r1);
  return CanvasHash();
}
}  // namespace

TEST(KnightArrow, EveryFillRunIsNonEmpty) {
  for (const Knight &k : AllKnightArrows()) {
    KnightFill fill;
    KnightArrowFill(CentreOf(k.c0), CentreOf(k.r0), k.X1(), k.Y1(), k.dc, k.dr, &fill);
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
    Fill(Unwritten);
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

// Pixels that move with the numerics, worked out by hand from float slopes and intercepts.
TEST(KnightArrow, FloatEdgesPlaceSinglePixels) {
  // (3, 2) to (4, 4): the head's row 321 starts on edge LT, L = (311, 320), T = (335, 336).
  // The float slope 0.666666687 and the intercept 320 - 311 * slope = 112.666664 give
  // x = 312.4999945, so the run starts at 312, a black pixel. Taking the corners T then L gives
  // the intercept 112.666656 and x = 312.5000059: the run would start one pixel later.
  Fill(Unwritten);
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
  Fill(Unwritten);
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
  EXPECT_EQ(HashOf(4, 3, 2, 2), 11230839395158614122ull);  // (-2, -1)
  EXPECT_EQ(HashOf(5, 1, 4, 3), 8323745234651040659ull);   // (-1, +2)
}
