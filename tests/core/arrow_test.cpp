// The picture's arrows: their counts along columns, rows and diagonals, what Arrow refuses to
// draw, where every arrow between two squares of the board may write, and the knight arrows
// pinned by their pixels.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "render/arrow.h"
#include "render/canvas.h"
#include "render/knightarrow.h"
#include "tests/core/testcanvas.h"

using namespace testcanvas;

namespace {
// The arrow alone, on a canvas of its own.
Tally Drawn(int c0, int r0, int c1, int r1) {
  auto canvas = FilledCanvas(Unwritten);
  Arrow(*canvas, c0, r0, c1, r1);
  return Count(*canvas);
}
}  // namespace

// No arrow for shapes that are none, nor for ends off the board that a damaged position file
// can bring.
TEST(Arrow, ShapesThatAreNoneAndEndsOffTheBoardDrawNothing) {
  auto canvas = FilledCanvas(Unwritten);
  const int none[][4] = {{3, 3, 3, 3}, {0, 0, 3, 1}, {0, 0, 2, 3}, {7, 7, 0, 1}, {-1, 0, 0, 0},
                         {0, 8, 0, 6}, {3, 3, 3, 8}, {7, 7, 8, 8}, {3, 3, -1, 5}, {0, 0, 0, -2},
                         {INT_MAX, 0, 0, 0}, {0, 0, INT_MIN, 0}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                         {100, 100, 101, 102}};
  for (const auto &a : none) Arrow(*canvas, a[0], a[1], a[2], a[3]);
  EXPECT_EQ(Snapshot(*canvas), Snapshot(*FilledCanvas(Unwritten)));
}

// The same shape draws the same pixels wherever it stands.
TEST(Arrow, CountsAlongColumnsRowsAndDiagonals) {
  // (dc, dr) per square of length, then the black and white pixels of a two-square arrow.
  const int shapes[5][4] = {
      {0, 1, 736, 397}, {0, -1, 736, 397}, {1, 0, 736, 397}, {-1, 0, 736, 397}, {1, -1, 1113, 471}};
  for (const auto &s : shapes)
    for (int c = 0; c < 8; c++)
      for (int r = 0; r < 8; r++) {
        int c1 = c + 2 * s[0], r1 = r + 2 * s[1];
        if (c1 < 0 || c1 > 7 || r1 < 0 || r1 > 7) continue;
        Tally t = Drawn(c, r, c1, r1);
        EXPECT_EQ(t.black, s[2]) << s[0] << "," << s[1] << " from " << c << "," << r;
        EXPECT_EQ(t.white, s[3]) << s[0] << "," << s[1] << " from " << c << "," << r;
      }
  // The shortest and the longest along a column and a diagonal (the four diagonals from d4 are
  // pinned in makebmp_test.cpp): from, to, black pixels.
  const int ends[4][5] = {{3, 2, 3, 3, 412}, {0, 0, 0, 7, 2356}, {2, 2, 3, 3, 603}, {0, 0, 7, 7, 3627}};
  for (const auto &e : ends) EXPECT_EQ(Drawn(e[0], e[1], e[2], e[3]).black, e[4]) << e[4];
}

// Every pair of squares: nothing lands outside the board's squares (the frame stays as it was),
// and each shape keeps within its margin of the rectangle spanned by the two centres.
TEST(Arrow, EveryPairStaysOnItsSquares) {
  auto canvas = FilledCanvas(Unwritten);
  int drawn = 0;
  for (int c0 = 0; c0 < 8; c0++)
    for (int r0 = 0; r0 < 8; r0++)
      for (int c1 = 0; c1 < 8; c1++)
        for (int r1 = 0; r1 < 8; r1++) {
          Arrow(*canvas, c0, r0, c1, r1);
          Box b = WrittenBoxAndClear(*canvas);
          int dc = c1 - c0, dr = r1 - r0;
          int margin = dc == 0 || dr == 0 ? 15 : dc == dr || dc == -dr ? 4 : IsKnightMove(dc, dr) ? 7 : -1;
          if (margin < 0 || (dc == 0 && dr == 0)) {
            EXPECT_GT(b.x1, b.x2) << c0 << r0 << c1 << r1;
            continue;
          }
          drawn++;
          int xa = CentreOf(c0 < c1 ? c0 : c1), xb = CentreOf(c0 < c1 ? c1 : c0);
          int ya = CentreOf(r0 < r1 ? r0 : r1), yb = CentreOf(r0 < r1 ? r1 : r0);
          EXPECT_TRUE(b.x1 >= xa - margin && b.x2 <= xb + margin && b.y1 >= ya - margin &&
                      b.y2 <= yb + margin && b.x1 >= 9 && b.x2 <= 584 && b.y1 >= 9 && b.y2 <= 584)
              << c0 << r0 << c1 << r1;
        }
  // 896 along columns and rows, 560 along diagonals, 336 knight moves.
  EXPECT_EQ(drawn, 896 + 560 + 336);
}

// Knight arrows, pinned by their pixels: their slanted edges are float lines whose rounding
// moves single pixels while every count stays the same, so only whole drawings catch a change.
// All 336 knight arrows of the board are pinned in one number, and one float-sensitive head alone.
TEST(KnightArrow, WholeDrawingsArePinned) {
  auto canvas = FilledCanvas(Unwritten);
  auto hashOf = [&](int c0, int r0, int c1, int r1) {
    Fill(*canvas, Unwritten);
    Arrow(*canvas, c0, r0, c1, r1);
    return CanvasHash(*canvas);
  };
  // (0, 2) to (1, 4): the head's row 321 crosses its edge at x = 96.5000124 in float terms
  // (exactly 96.5 on paper, 96.49999999999997 in double), so the run starts at 97.
  EXPECT_EQ(hashOf(0, 2, 1, 4), 1748871058790370194ull);
  const int moves[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
  uint64_t all = Fnv1a("");
  int drawn = 0;
  for (const auto &m : moves)
    for (int c = 0; c < 8; c++)
      for (int r = 0; r < 8; r++) {
        int c1 = c + m[0], r1 = r + m[1];
        if (c1 < 0 || c1 > 7 || r1 < 0 || r1 > 7) continue;
        all = (all ^ hashOf(c, r, c1, r1)) * 1099511628211ull;
        drawn++;
      }
  EXPECT_EQ(drawn, 336);
  EXPECT_EQ(all, 0xdd5393af18234e85ull) << std::hex << all;
}
