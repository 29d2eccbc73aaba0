// The canvas primitives, checked pixel by pixel.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "render/canvas.h"

namespace {
typedef std::set<std::pair<int, int>> Pixels;

void Whiten() { std::memset(Dot, 0, sizeof Dot); }

Pixels BlackPixels() {
  Pixels p;
  for (int x = 0; x < CanvasSize; x++)
    for (int y = 0; y < CanvasSize; y++)
      if (Dot[x][y]) p.insert({x, y});
  return p;
}

TEST(Canvas, BoundsAreInclusiveAndEmptyWhenReversed) {
  Whiten();
  HLine(5, 10, 9, 1);
  VLine(5, 10, 9, 1);
  Rect(10, 10, 9, 12, 1);
  EXPECT_TRUE(BlackPixels().empty());
  HLine(5, 10, 10, 1);
  EXPECT_EQ(BlackPixels(), (Pixels{{10, 5}}));
}

TEST(Canvas, LineShallowAndSteep) {
  Whiten();
  Line(10, 10, 15, 12, 1);
  EXPECT_EQ(BlackPixels(), (Pixels{{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 12}, {15, 12}}));
  Whiten();
  Line(10, 10, 12, 15, 1);
  EXPECT_EQ(BlackPixels(), (Pixels{{10, 10}, {10, 11}, {11, 12}, {11, 13}, {12, 14}, {12, 15}}));
}

TEST(Canvas, LineUsesFloatSlopeAndIgnoresOrder) {
  Whiten();
  Line(10, 10, 20, 17, 1);
  Pixels forward = BlackPixels();
  EXPECT_EQ(forward.size(), 11u);
  EXPECT_TRUE(forward.count({15, 13}));
  Whiten();
  Line(20, 17, 10, 10, 1);
  EXPECT_EQ(BlackPixels(), forward);
}

TEST(Canvas, VerticalAndDiagonalLines) {
  Whiten();
  Line(10, 14, 10, 10, 1);
  EXPECT_EQ(BlackPixels(), (Pixels{{10, 10}, {10, 11}, {10, 12}, {10, 13}, {10, 14}}));
  Whiten();
  Line(10, 10, 14, 14, 1);
  EXPECT_EQ(BlackPixels(), (Pixels{{10, 10}, {11, 11}, {12, 12}, {13, 13}, {14, 14}}));
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
  EXPECT_TRUE(black.count({9, 9}));
  EXPECT_TRUE(black.count({9, 80}));
  EXPECT_FALSE(black.count({80, 9}));
}

TEST(Canvas, HaloLineKeepsToItsSquare) {
  Whiten();
  Rect(0, 20, 200, 20, 1);
  HaloLine(20, 11, 79, 9);  // run ends at sx + 70
  for (int x = 0; x <= 10; x++) EXPECT_EQ(Dot[x][20], x == 10 ? 0 : 1) << x;
  EXPECT_EQ(Dot[80][20], 0);
  EXPECT_EQ(Dot[81][20], 0);
  EXPECT_EQ(Dot[82][20], 1);  // sx + 73 is beyond the limit
  for (int x = 11; x <= 79; x++) EXPECT_EQ(Dot[x][20], 1);
}

TEST(Canvas, GrayPhases) {
  Whiten();
  GrayRect(10, 10, 20, 20, 0);
  for (int x = 10; x <= 20; x++)
    for (int y = 10; y <= 20; y++) EXPECT_EQ(Dot[x][y], (x + y) % 2 == 0 ? 1 : 0);
  Rect(30, 30, 40, 40, 1);
  TransparentRect(30, 30, 40, 40, 0);
  for (int x = 30; x <= 40; x++)
    for (int y = 30; y <= 40; y++) EXPECT_EQ(Dot[x][y], (x + y) % 2 == 0 ? 1 : 0);
  Whiten();
  GrayHLine(7, 3, 6);
  GrayVLine(9, 3, 4);
  EXPECT_EQ(BlackPixels(), (Pixels{{4, 7}, {6, 7}, {9, 4}}));
}

TEST(Canvas, FilledCircles) {
  Whiten();
  FilledCircle(100, 100, 16, 1);
  EXPECT_EQ(BlackPixels().size(), 833u);
  Whiten();
  FilledCircle(100, 100, 12, 1);
  EXPECT_EQ(BlackPixels().size(), 477u);
  const int half[17] = {16, 16, 16, 16, 15, 15, 15, 14, 14, 13, 12, 12, 11, 9, 8, 6, 0};
  Whiten();
  FilledCircle(100, 100, 16, 1);
  for (int d = 0; d <= 16; d++) {
    int h = 0;
    while (Dot[100 + d][100 + h + 1]) h++;
    EXPECT_EQ(h, half[d]) << d;
  }
}

TEST(Canvas, EquationOfAVerticalAndASlantedLine) {
  float m, b;
  Equation(5, 3, 5, 40, &m, &b);
  EXPECT_EQ(m, 10000000.0f);
  EXPECT_EQ(b, 0.0f);
  Equation(0, 1, 3, 2, &m, &b);
  EXPECT_EQ(m, static_cast<float>(1.0 / 3.0));
  EXPECT_EQ(b, 1.0f);
}
}  // namespace
