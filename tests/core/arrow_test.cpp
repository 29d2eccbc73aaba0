// The picture's column, row and diagonal arrows by their counts, what Arrow refuses to draw,
// and where every arrow between two squares of the board may write.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "render/arrow.h"
#include "render/canvas.h"
#include "render/knightarrow.h"
#include "tests/core/testcanvas.h"

using namespace testcanvas;

namespace {
// A busy canvas, so that an arrow that writes anything at all shows.
void FillPattern(Canvas &canvas) {
  for (int x = 0; x < CanvasSize; x++)
    for (int y = 0; y < CanvasSize; y++)
      canvas.Dot[x][y] = static_cast<uint8_t>((x * 7 + y * 3) % 5 == 0);
}

// The arrow alone, on a canvas of its own.
Tally Drawn(int c0, int r0, int c1, int r1) {
  auto canvas = FilledCanvas(Unwritten);
  Arrow(*canvas, c0, r0, c1, r1);
  return Count(*canvas);
}

// The four column and row directions: (dc, dr) per square of length.
const int Straight[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};

}  // namespace

// No arrow for shapes that are none, nor for ends off the board that a damaged position file
// can bring.
TEST(Arrow, ShapesThatAreNoneAndEndsOffTheBoardDrawNothing) {
  auto canvas = std::make_unique<Canvas>();
  FillPattern(*canvas);
  std::vector<uint8_t> before = Snapshot(*canvas);
  const int none[][4] = {{3, 3, 3, 3}, {0, 0, 3, 1}, {0, 0, 2, 3}, {7, 7, 0, 1}, {-1, 0, 0, 0},
                         {0, 8, 0, 6}, {3, 3, 3, 8}, {7, 7, 8, 8}, {3, 3, -1, 5}, {0, 0, 0, -2},
                         {INT_MAX, 0, 0, 0}, {0, 0, INT_MIN, 0}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                         {100, 100, 101, 102}};
  for (const auto &a : none) Arrow(*canvas, a[0], a[1], a[2], a[3]);
  EXPECT_EQ(Snapshot(*canvas), before);
}

TEST(Arrow, ColumnAndRowArrowCounts) {
  for (int k = 0; k < 4; k++)
    for (int c = 0; c < 8; c++)
      for (int r = 0; r < 8; r++) {
        int c1 = c + 2 * Straight[k][0], r1 = r + 2 * Straight[k][1];
        if (c1 < 0 || c1 > 7 || r1 < 0 || r1 > 7) continue;
        Tally t = Drawn(c, r, c1, r1);
        EXPECT_EQ(t.black, 736) << k << " from " << c << "," << r;
        EXPECT_EQ(t.white, 397) << k << " from " << c << "," << r;
      }
  EXPECT_EQ(Drawn(3, 2, 3, 3).black, 412);
  EXPECT_EQ(Drawn(0, 0, 0, 7).black, 2356);
}

TEST(Arrow, DiagonalArrowCounts) {
  // The four directions from d4 are pinned in artwork_test.cpp; the longest and shortest here.
  EXPECT_EQ(Drawn(2, 2, 3, 3).black, 603);
  EXPECT_EQ(Drawn(0, 0, 7, 7).black, 3627);
  // The same shape draws the same pixels wherever it stands.
  for (int c = 0; c < 6; c++)
    for (int r = 2; r < 8; r++) {
      Tally t = Drawn(c, r, c + 2, r - 2);
      EXPECT_EQ(t.black, 1113);
      EXPECT_EQ(t.Written(), 1584);
    }
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
