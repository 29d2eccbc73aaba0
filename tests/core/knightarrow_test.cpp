// Knight arrows, checked by their pixels: their slanted edges are float lines whose rounding
// moves single pixels while every count stays the same.
#include <gtest/gtest.h>

#include <cstdint>

#include "render/arrow.h"
#include "render/canvas.h"
#include "render/knightarrow.h"
#include "tests/core/testcanvas.h"

using namespace testcanvas;

namespace {
const int Moves[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};

uint64_t HashOf(int c0, int r0, int c1, int r1) {
  Fill(Unwritten);
  Arrow(c0, r0, c1, r1);
  return CanvasHash();
}
}  // namespace

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
  // And all 336 knight arrows of the board in one number.
  uint64_t all = 1469598103934665603ull;
  int drawn = 0;
  for (const auto &m : Moves)
    for (int c = 0; c < 8; c++)
      for (int r = 0; r < 8; r++) {
        int c1 = c + m[0], r1 = r + m[1];
        if (c1 < 0 || c1 > 7 || r1 < 0 || r1 > 7) continue;
        all = (all ^ HashOf(c, r, c1, r1)) * 1099511628211ull;
        drawn++;
      }
  EXPECT_EQ(drawn, 336);
  EXPECT_EQ(all, 0xdd5393af18234e85ull) << std::hex << all;
}
