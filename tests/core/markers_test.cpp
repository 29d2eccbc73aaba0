// The dot and cross markers, pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "render/canvas.h"
#include "render/glyphs.h"

namespace {
// Each test leaves the canvas white, as the picture writer expects of the columns and rows
// it never whitens itself.
class CleanCanvas : public ::testing::Test {
 protected:
  void TearDown() override { std::memset(Dot, 0, sizeof Dot); }
};
class SpotMarker : public CleanCanvas {};
class CrossMarker : public CleanCanvas {};

constexpr int Sx = 225, Sy = 153;  // a square in the middle of the canvas

void Fill(uint8_t value) { std::memset(Dot, value, sizeof Dot); }

int CountBlack() {
  int n = 0;
  for (int x = 0; x < CanvasSize; x++)
    for (int y = 0; y < CanvasSize; y++) n += Dot[x][y] == 1;
  return n;
}

// Inside the disc that FilledCircle of radius r lays round the square's pixel (36, 36).
bool InDisc(int u, int v, int r) {
  int d = u - 36;
  if (d < -r || d > r) return false;
  int h = static_cast<int>(std::sqrt(static_cast<double>(r * r - d * d)) + 0.5);
  return v >= 36 - h && v <= 36 + h;
}

TEST_F(SpotMarker, BlackDiscInAWhiteRing) {
  Fill(2);  // neither white nor black: shows what the dot writes
  Spot(Sx, Sy);
  int black = 0, white = 0;
  for (int u = -4; u < 76; u++)
    for (int v = -4; v < 76; v++) {
      uint8_t c = Dot[Sx + u][Sy + v];
      if (InDisc(u, v, 12)) {
        EXPECT_EQ(c, 1) << u << "," << v;
      } else if (InDisc(u, v, 16)) {
        EXPECT_EQ(c, 0) << u << "," << v;
      } else {
        EXPECT_EQ(c, 2) << u << "," << v;
      }
      black += c == 1;
      white += c == 0;
    }
  EXPECT_EQ(black, 477);
  EXPECT_EQ(black + white, 833);
  // The ring is at least four pixels wide above and below the disc in every column.
  for (int u = 24; u <= 48; u++) {
    int top = 36;
    while (Dot[Sx + u][Sy + top + 1] == 1) top++;
    for (int k = 1; k <= 4; k++) EXPECT_EQ(Dot[Sx + u][Sy + top + k], 0) << u;
  }
}

TEST_F(SpotMarker, OnALightSquareOnlyTheDiscIsNew) {
  Fill(0);
  Spot(Sx, Sy);
  EXPECT_EQ(CountBlack(), 477);
  Spot(Sx, Sy);
  EXPECT_EQ(CountBlack(), 477);
}

TEST_F(SpotMarker, ClearsTheHatchingRoundIt) {
  Fill(0);
  EmptyB(Sx, Sy);
  Spot(Sx, Sy);
  for (int u = 0; u < 72; u++)
    for (int v = 0; v < 72; v++)
      if (InDisc(u, v, 16)) {
        EXPECT_EQ(Dot[Sx + u][Sy + v], InDisc(u, v, 12) ? 1 : 0) << u << "," << v;
      }
}

TEST_F(CrossMarker, ExactlyItsTwoStrokesOnALightSquare) {
  Fill(0);
  Cross(Sx, Sy);
  int black = 0;
  for (int x = 0; x < CanvasSize; x++)
    for (int y = 0; y < CanvasSize; y++) {
      int u = x - Sx, v = y - Sy;
      bool inside = u >= 24 && u <= 48 && v >= 24 && v <= 48;
      bool falling = u + v >= 70 && u + v <= 73;
      bool rising = v - u >= -2 && v - u <= 2;
      EXPECT_EQ(Dot[x][y], inside && (falling || rising) ? 1 : 0) << u << "," << v;
      black += Dot[x][y];
    }
  EXPECT_EQ(black, 205);
}

TEST_F(CrossMarker, WhiteLinesClearTheHatchingBesideTheStrokes) {
  Fill(1);
  Cross(Sx, Sy);
  auto At = [](int u, int v) { return Dot[Sx + u][Sy + v]; };
  // Above the rising stroke: white on v - u = 7 and 8, but where the falling stroke crosses.
  for (int u = 20; u <= 45; u++) {
    int sum = 2 * u + 7;
    EXPECT_EQ(At(u, u + 7), sum >= 70 && sum <= 73 ? 1 : 0) << u;
  }
  // The fifth diagonal of the falling stroke is whitened again: it is four pixels wide.
  for (int u = 26; u <= 48; u++) {
    int v = 74 - u;
    bool rising = v - u >= -2 && v - u <= 2;
    EXPECT_EQ(At(u, v), rising ? 1 : 0) << u;
    EXPECT_EQ(At(u, 73 - u), 1) << u;
  }
  // The short white pieces beyond both ends of the rising stroke.
  for (int k = 0; k <= 3; k++) {
    EXPECT_EQ(At(48 + k, 49 + k), 0) << k;
    EXPECT_EQ(At(20 + k, 21 + k), 0) << k;
  }
  for (int k = 0; k <= 2; k++) {
    EXPECT_EQ(At(49 + k, 49 + k), 0) << k;
    EXPECT_EQ(At(21 + k, 21 + k), 0) << k;
  }
  // Drawing it again changes nothing.
  static uint8_t once[CanvasSize][CanvasSize];
  std::memcpy(once, Dot, sizeof Dot);
  Cross(Sx, Sy);
  EXPECT_EQ(std::memcmp(once, Dot, sizeof Dot), 0);
}
}  // namespace
