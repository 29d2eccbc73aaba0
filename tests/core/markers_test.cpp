// The dot and cross markers, pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>

#include "render/canvas.h"
#include "render/glyphs.h"
#include "tests/core/testcanvas.h"

using namespace testcanvas;

namespace {
class Markers : public CleanCanvas {};

constexpr int Sx = 225, Sy = 153;  // a square in the middle of the canvas

// Inside the disc of radius r round the square's pixel (36, 36).
bool InDisc(int u, int v, int r) {
  int d = u - 36;
  if (d < -r || d > r) return false;
  int h = static_cast<int>(std::sqrt(static_cast<double>(r * r - d * d)) + 0.5);
  return v >= 36 - h && v <= 36 + h;
}

TEST_F(Markers, SpotIsABlackDiscInAWhiteRing) {
  for (int hatched : {0, 1}) {
    Fill(Unwritten);
    if (hatched) EmptyB(Sx, Sy);  // the ring clears the hatching round the disc
    Spot(Sx, Sy);
    Tally t = Count();
    for (int u = -4; u < 76; u++)
      for (int v = -4; v < 76; v++) {
        uint8_t c = Dot[Sx + u][Sy + v];
        if (InDisc(u, v, 12)) {
          EXPECT_EQ(c, 1) << u << "," << v;
        } else if (InDisc(u, v, 16)) {
          EXPECT_EQ(c, 0) << u << "," << v;
        } else if (!hatched) {
          EXPECT_EQ(c, Unwritten) << u << "," << v;
        }
      }
    if (!hatched) {
      EXPECT_EQ(t.black, 477);
      EXPECT_EQ(t.Written(), 833);
    }
  }
  // The ring is at least four pixels wide above the disc in every column.
  for (int u = 24; u <= 48; u++) {
    int top = 36;
    while (Dot[Sx + u][Sy + top + 1] == 1) top++;
    for (int k = 1; k <= 4; k++) EXPECT_EQ(Dot[Sx + u][Sy + top + k], 0) << u;
  }
}

TEST_F(Markers, CrossIsExactlyItsTwoStrokesOnALightSquare) {
  Whiten();
  Cross(Sx, Sy);
  for (int x = 0; x < CanvasSize; x++)
    for (int y = 0; y < CanvasSize; y++) {
      int u = x - Sx, v = y - Sy;
      bool inside = u >= 24 && u <= 48 && v >= 24 && v <= 48;
      bool falling = u + v >= 70 && u + v <= 73, rising = v - u >= -2 && v - u <= 2;
      EXPECT_EQ(Dot[x][y], inside && (falling || rising) ? 1 : 0) << u << "," << v;
    }
  EXPECT_EQ(Count().black, 205);
}

TEST_F(Markers, CrossClearsTheHatchingBesideItsStrokes) {
  Fill(1);
  Cross(Sx, Sy);
  auto At = [](int u, int v) { return Dot[Sx + u][Sy + v]; };
  // Above the rising stroke: white on v - u = 7, but where the falling stroke crosses.
  for (int u = 20; u <= 45; u++) EXPECT_EQ(At(u, u + 7), 2 * u + 7 >= 70 && 2 * u + 7 <= 73 ? 1 : 0) << u;
  // The fifth diagonal of the falling stroke is whitened again: it is four pixels wide.
  for (int u = 26; u <= 48; u++) {
    int v = 74 - u;
    EXPECT_EQ(At(u, v), v - u >= -2 && v - u <= 2 ? 1 : 0) << u;
    EXPECT_EQ(At(u, 73 - u), 1) << u;
  }
  // The short white pieces beyond both ends of the rising stroke.
  for (int k = 0; k <= 3; k++) {
    EXPECT_EQ(At(48 + k, 49 + k), 0) << k;
    EXPECT_EQ(At(20 + k, 21 + k), 0) << k;
    if (k < 3) {
      EXPECT_EQ(At(49 + k, 49 + k), 0) << k;
      EXPECT_EQ(At(21 + k, 21 + k), 0) << k;
    }
  }
  // Drawing it again changes nothing.
  std::vector<uint8_t> once = Snapshot();
  Cross(Sx, Sy);
  EXPECT_EQ(Snapshot(), once);
}
}  // namespace
