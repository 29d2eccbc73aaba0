// The canvas primitives, checked pixel by pixel.
#include <gtest/gtest.h>

#include "render/canvas.h"
#include "tests/core/testcanvas.h"

using namespace testcanvas;

namespace {
TEST(Canvas, BoundsAreInclusiveAndEmptyWhenReversed) {
  Whiten();
  HLine(5, 10, 9, 1);
  VLine(5, 10, 9, 1);
  Rect(10, 10, 9, 12, 1);
  EXPECT_TRUE(BlackPixels().empty());
  HLine(5, 10, 10, 1);
  EXPECT_EQ(BlackPixels(), (Pixels{{10, 5}}));
}

TEST(Canvas, Lines) {
  const struct {
    int x1, y1, x2, y2;
    Pixels want;
  } cases[] = {
      {10, 10, 15, 12, {{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 12}, {15, 12}}},  // shallow
      {10, 10, 12, 15, {{10, 10}, {10, 11}, {11, 12}, {11, 13}, {12, 14}, {12, 15}}},  // steep
      {10, 14, 10, 10, {{10, 10}, {10, 11}, {10, 12}, {10, 13}, {10, 14}}},            // vertical
      {10, 10, 14, 14, {{10, 10}, {11, 11}, {12, 12}, {13, 13}, {14, 14}}},            // diagonal
  };
  for (const auto &c : cases) {
    Whiten();
    Line(c.x1, c.y1, c.x2, c.y2, 1);
    EXPECT_EQ(BlackPixels(), c.want) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
  }
  // A float slope, and the same pixels whichever end comes first.
  Whiten();
  Line(10, 10, 20, 17, 1);
  Pixels forward = BlackPixels();
  EXPECT_EQ(forward.size(), 11u);
  EXPECT_TRUE(forward.count({15, 13}));
  Whiten();
  Line(20, 17, 10, 10, 1);
  EXPECT_EQ(BlackPixels(), forward);
}

TEST(Canvas, DiagonalLineKeptToItsBox) {
  Whiten();
  DLine(10, 20, 12, 15, 0);  // y = x, rows 12..15 only
  EXPECT_EQ(BlackPixels(), (Pixels{{12, 12}, {13, 13}, {14, 14}, {15, 15}}));
  Whiten();
  DLine(10, 20, 0, 100, -5);  // every x in range, y = x - 5
  EXPECT_EQ(BlackPixels().size(), 11u);
  EXPECT_TRUE(BlackPixels().count({20, 15}));
  Whiten();
  DLine(10, 20, 40, 50, 0);  // the line misses the box
  DLine(20, 10, 0, 100, 0);  // reversed bounds
  EXPECT_TRUE(BlackPixels().empty());
}

TEST(Canvas, HatchingOfADarkSquare) {
  Whiten();
  EmptyB(9, 9);
  Pixels black = BlackPixels();
  EXPECT_EQ(black.size(), 1483u);
  for (int u = 0; u < 72; u++)
    for (int v = 0; v < 72; v++) {
      int m = ((v - u) % 7 + 7) % 7;
      EXPECT_EQ(black.count({9 + u, 9 + v}) == 1, m == 0 || m == 1) << u << "," << v;
    }
  EXPECT_TRUE(black.count({9, 80}));
  EXPECT_FALSE(black.count({80, 9}));
}

TEST(Canvas, HaloLineKeepsToItsSquare) {
  Whiten();
  Rect(0, 20, 200, 20, 1);
  HaloLine(20, 11, 79, 9);  // run ends at sx + 70
  for (int x = 0; x <= 83; x++)
    EXPECT_EQ(Dot[x][20], x == 10 || x == 80 || x == 81 ? 0 : 1) << x;  // sx + 73 is beyond
}

TEST(Canvas, GrayPhases) {
  Whiten();
  GrayRect(10, 10, 20, 20, 0);
  Rect(30, 30, 40, 40, 1);
  TransparentRect(30, 30, 40, 40, 0);
  for (int o : {10, 30})
    for (int x = o; x <= o + 10; x++)
      for (int y = o; y <= o + 10; y++) EXPECT_EQ(Dot[x][y], (x + y) % 2 == 0 ? 1 : 0);
  Whiten();
  GrayHLine(7, 3, 6);
  GrayVLine(9, 3, 4);
  EXPECT_EQ(BlackPixels(), (Pixels{{4, 7}, {6, 7}, {9, 4}}));
}

TEST(Canvas, FilledCircles) {
  Whiten();
  FilledCircle(100, 100, 12, 1);
  EXPECT_EQ(BlackPixels().size(), 477u);
  Whiten();
  FilledCircle(100, 100, 16, 1);
  EXPECT_EQ(BlackPixels().size(), 833u);
  const int half[17] = {16, 16, 16, 16, 15, 15, 15, 14, 14, 13, 12, 12, 11, 9, 8, 6, 0};
  for (int d = 0; d <= 16; d++) {
    int h = 0;
    while (Dot[100 + d][100 + h + 1]) h++;
    EXPECT_EQ(h, half[d]) << d;
  }
}

// The intercept is worked out in double from the float slope, then stored as a float: float
// arithmetic, or the ends the other way round, land a float step off, and that moves a pixel of
// a knight arrow's head.
TEST(Canvas, EquationOfALine) {
  float m, b;
  Equation(5, 3, 5, 40, &m, &b);  // vertical
  EXPECT_EQ(m, 10000000.0f);
  EXPECT_EQ(b, 0.0f);
  Equation(0, 1, 3, 2, &m, &b);
  EXPECT_EQ(m, static_cast<float>(1.0 / 3.0));
  EXPECT_EQ(b, 1.0f);
  Equation(311, 320, 335, 336, &m, &b);
  EXPECT_EQ(m, 0.666666686534881591796875f);
  EXPECT_EQ(b, 112.66666412353515625f);
  Equation(335, 336, 311, 320, &m, &b);
  EXPECT_EQ(b, 112.666656494140625f);
}
}  // namespace
