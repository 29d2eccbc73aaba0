// Knight arrows, pinned by their pixels: their slanted edges are float lines whose rounding
// moves single pixels while every count stays the same, so only whole drawings catch a change.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "render/arrow.h"
#include "render/canvas.h"
#include "render/knightarrow.h"
#include "tests/core/testcanvas.h"

using namespace testcanvas;

namespace {
const int Moves[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};

uint64_t HashOf(Canvas &canvas, int c0, int r0, int c1, int r1) {
  Fill(canvas, Unwritten);
  Arrow(canvas, c0, r0, c1, r1);
  return CanvasHash(canvas);
}
}  // namespace

// All 336 knight arrows of the board pinned in one number, and one float-sensitive head alone.
TEST(KnightArrow, WholeDrawingsArePinned) {
  // (0, 2) to (1, 4): the head's row 321 crosses its edge at x = 96.5000124 in float terms
  // (exactly 96.5 on paper, 96.49999999999997 in double), so the run starts at 97.
  auto canvas = std::make_unique<Canvas>();
  EXPECT_EQ(HashOf(*canvas, 0, 2, 1, 4), 1748871058790370194ull);
  uint64_t all = Fnv1a("");
  int drawn = 0;
  for (const auto &m : Moves)
    for (int c = 0; c < 8; c++)
      for (int r = 0; r < 8; r++) {
        int c1 = c + m[0], r1 = r + m[1];
        if (c1 < 0 || c1 > 7 || r1 < 0 || r1 > 7) continue;
        all = (all ^ HashOf(*canvas, c, r, c1, r1)) * 1099511628211ull;
        drawn++;
      }
  EXPECT_EQ(drawn, 336);
  EXPECT_EQ(all, 0xdd5393af18234e85ull) << std::hex << all;
}
