// The coordinate letters and digits: the given glyphs pixel for pixel, every glyph inside its
// rows and columns, and where the picture places them.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/model.h"
#include "render/canvas.h"
#include "render/coords.h"
#include "render/makebmp.h"
#include "tests/core/testcanvas.h"

using namespace testcanvas;

namespace {
class CoordGlyphs : public CleanCanvas {};

// A glyph drawn alone on white with its corner at (100, 100), in glyph coordinates.
Pixels GlyphPixels(Glyph g) {
  Whiten();
  g(100, 100);
  return BlackPixels(100, 100);
}

struct GlyphCase {
  Glyph glyph;
  char name;
  int count;  // black pixels of the face we set out to draw
  int top, left, right;  // rows run from 0 to top; columns left..right
  int placedX, placedY;  // corner in the picture for board column or row 0
};
const GlyphCase Letters[8] = {
    {CoordA, 'a', 195, 18, 0, 17, 62, 7}, {CoordB, 'b', 245, 27, 0, 17, 62, 7},
    {CoordC, 'c', 147, 18, 0, 15, 62, 7}, {CoordD, 'd', 249, 29, 0, 18, 62, 7},
    {CoordE, 'e', 197, 18, 0, 17, 62, 7}, {CoordF, 'f', 191, 31, 2, 17, 62, 3},
    {CoordG, 'g', 281, 28, 0, 16, 62, 1}, {CoordH, 'h', 228, 29, 0, 16, 62, 7},
};
const GlyphCase Digits[8] = {
    {Coord1, '1', 106, 25, 0, 8, 20, 60},  {Coord2, '2', 166, 25, 0, 14, 15, 60},
    {Coord3, '3', 168, 25, 0, 15, 15, 60}, {Coord4, '4', 184, 26, 0, 18, 15, 60},
    {Coord5, '5', 209, 25, 0, 16, 15, 60}, {Coord6, '6', 178, 25, 0, 16, 15, 60},
    {Coord7, '7', 148, 25, 0, 19, 15, 60}, {Coord8, '8', 226, 25, 0, 16, 15, 60},
};

TEST_F(CoordGlyphs, LetterAPixelForPixel) {
  Pixels black = GlyphPixels(CoordA);
  EXPECT_EQ(black.size(), 195u);
  Pixels low, high, wantLow, wantHigh;
  for (auto [x, y] : black) {
    if (y == 0) low.insert({x, y});
    if (y == 18) high.insert({x, y});
  }
  for (int x = 5; x <= 10; x++) wantLow.insert({x, 0});
  for (int x = 15; x <= 17; x++) wantLow.insert({x, 0});
  for (int x = 7; x <= 12; x++) wantHigh.insert({x, 18});
  EXPECT_EQ(low, wantLow);
  EXPECT_EQ(high, wantHigh);
  // The bowl's sides and the stem in the middle rows.
  for (int dy = 6; dy <= 10; dy++)
    for (int dx = 0; dx <= 17; dx++)
      EXPECT_EQ(black.count({dx, dy}) == 1, dx <= 3 || (dx >= 12 && dx <= 15)) << dx;
}

TEST_F(CoordGlyphs, DigitOnePixelForPixel) {
  Pixels one = GlyphPixels(Coord1);
  EXPECT_EQ(one.size(), 106u);
  Pixels want;
  auto Span = [&want](int dy, int a, int b) {
    for (int dx = a; dx <= b; dx++) want.insert({dx, dy});
  };
  for (int dy = 0; dy <= 2; dy++) Span(dy, 0, 8);
  for (int dy = 3; dy <= 18; dy++) Span(dy, 3, 5);
  Span(19, 0, 1), Span(19, 3, 5), Span(20, 0, 5), Span(21, 0, 5), Span(22, 1, 5);
  Span(23, 2, 5), Span(24, 3, 5), Span(25, 4, 5);
  EXPECT_EQ(one, want);
}

TEST_F(CoordGlyphs, EveryGlyphFillsItsRowsAndColumns) {
  for (const GlyphCase *set : {Letters, Digits})
    for (int i = 0; i < 8; i++) {
      const GlyphCase &c = set[i];
      Pixels p = GlyphPixels(c.glyph);
      ASSERT_FALSE(p.empty()) << c.name;
      int bottom = 99, top = -99, left = 99, right = -99;
      for (auto [dx, dy] : p) {
        bottom = std::min(bottom, dy), top = std::max(top, dy);
        left = std::min(left, dx), right = std::max(right, dx);
      }
      EXPECT_EQ(bottom, 0) << c.name;
      EXPECT_EQ(top, c.top) << c.name;
      EXPECT_EQ(left, c.left) << c.name;
      EXPECT_EQ(right, c.right) << c.name;
      // Our face keeps the weight of the a and the 1: within a few percent of the table.
      EXPECT_NEAR(static_cast<int>(p.size()), c.count, c.count / 10) << c.name;
      // Every row from bottom to top is inked: no glyph falls apart.
      for (int dy = 0; dy <= c.top; dy++) {
        bool inked = false;
        for (int dx = c.left; dx <= c.right; dx++) inked |= p.count({dx, dy}) == 1;
        EXPECT_TRUE(inked) << c.name << " row " << dy;
      }
    }
}

// The strips of a picture with coordinates, as the letters and digits stand in it.
Pixels Strips() {
  Pixels p;
  for (int x = 1; x <= 624; x++)
    for (int y = 1; y <= 624; y++)
      if (Dot[x][y] && (y <= 35 || x <= 35)) p.insert({x, y});
  return p;
}

TEST_F(CoordGlyphs, PictureShowsLettersBelowAndDigitsLeft) {
  for (int flipped : {0, 1}) {
    StartPosition(nullptr);  // pieces on the edge squares must not reach into the strips
    Flipped = flipped;
    ComposeDiagram(1);
    Pixels strips = Strips();
    Whiten();
    for (int c = 0; c < 8; c++) {
      const GlyphCase &l = Letters[flipped ? 7 - c : c];
      l.glyph(62 + 72 * c, l.placedY);
    }
    for (int r = 0; r < 8; r++) {
      const GlyphCase &d = Digits[flipped ? 7 - r : r];
      d.glyph(d.placedX, 60 + 72 * r);
    }
    EXPECT_EQ(strips, Strips()) << flipped;
  }
}
}  // namespace
