// The coordinate letters and digits: the given glyphs pixel for pixel, every glyph inside its
// rows and columns, and where the picture places them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

#include "model/model.h"
#include "render/canvas.h"
#include "render/coords.h"
#include "render/makebmp.h"

namespace {
// Each test leaves the canvas white, as the picture writer expects of the columns and rows
// it never whitens itself.
class CleanCanvas : public ::testing::Test {
 protected:
  void TearDown() override { std::memset(Dot, 0, sizeof Dot); }
};
class CoordGlyphs : public CleanCanvas {};

typedef void (*Glyph)(int, int);
typedef std::set<std::pair<int, int>> Pixels;

void Whiten() { std::memset(Dot, 0, sizeof Dot); }

Pixels BlackPixels() {
  Pixels p;
  for (int x = 0; x < CanvasSize; x++)
    for (int y = 0; y < CanvasSize; y++)
      if (Dot[x][y]) p.insert({x, y});
  return p;
}

// A glyph drawn alone on white with its corner at (x, y), in glyph coordinates.
Pixels GlyphPixels(Glyph g, int x = 100, int y = 100) {
  Whiten();
  g(x, y);
  Pixels p;
  for (auto [px, py] : BlackPixels()) p.insert({px - x, py - y});
  return p;
}

struct GlyphCase {
  Glyph glyph;
  char name;
  int count;  // black pixels of the face we set out to draw
  int top, left, right;
  int placedX, placedY;  // corner in the picture for board column or row 0
};

// Rows run from 0 to top; columns left..right.
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
  Whiten();
  CoordA(62, 7);
  Pixels black = BlackPixels();
  EXPECT_EQ(black.size(), 195u);
  Pixels low, high;
  for (auto [x, y] : black) {
    EXPECT_GE(y, 7);
    EXPECT_LE(y, 25);
    if (y == 7) low.insert({x, y});
    if (y == 25) high.insert({x, y});
  }
  Pixels wantLow, wantHigh;
  for (int x = 67; x <= 72; x++) wantLow.insert({x, 7});
  for (int x = 77; x <= 79; x++) wantLow.insert({x, 7});
  for (int x = 69; x <= 74; x++) wantHigh.insert({x, 25});
  EXPECT_EQ(low, wantLow);
  EXPECT_EQ(high, wantHigh);
  // The bowl's sides and the stem in the middle rows.
  for (int dy = 6; dy <= 10; dy++)
    for (int dx = 0; dx <= 17; dx++)
      EXPECT_EQ(black.count({62 + dx, 7 + dy}) == 1, dx <= 3 || (dx >= 12 && dx <= 15)) << dx;
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

TEST_F(CoordGlyphs, CornerIsSetOnEveryCall) {
  for (const GlyphCase *set : {Letters, Digits})
    for (int i = 0; i < 8; i++) {
      Pixels fresh = GlyphPixels(set[i].glyph, 200, 300);
      Whiten();
      Xx = 417, Yy = 3;  // left over from another glyph
      set[i].glyph(200, 300);
      set[i].glyph(200, 300);
      EXPECT_EQ(Xx, 200);
      EXPECT_EQ(Yy, 300);
      Pixels again;
      for (auto [x, y] : BlackPixels()) again.insert({x - 200, y - 300});
      EXPECT_EQ(again, fresh) << set[i].name;
    }
}

TEST_F(CoordGlyphs, PlacedOnTheBaselineAndInTheStrip) {
  for (int file = 0; file < 8; file++) {
    Whiten();
    DrawFileLetter(file, 62 + 72 * 3);
    Pixels placed = BlackPixels();
    Pixels want;
    for (auto [dx, dy] : GlyphPixels(Letters[file].glyph))
      want.insert({62 + 72 * 3 + dx, Letters[file].placedY + dy});
    EXPECT_EQ(placed, want) << Letters[file].name;
    for (auto [x, y] : placed) EXPECT_TRUE(y >= 1 && y <= 36) << Letters[file].name << y;
  }
  for (int rank = 0; rank < 8; rank++) {
    Whiten();
    DrawRankDigit(rank, 60 + 72 * 5);
    Pixels placed = BlackPixels();
    Pixels want;
    for (auto [dx, dy] : GlyphPixels(Digits[rank].glyph))
      want.insert({Digits[rank].placedX + dx, 60 + 72 * 5 + dy});
    EXPECT_EQ(placed, want) << Digits[rank].name;
    for (auto [x, y] : placed) EXPECT_TRUE(x >= 15 && x <= 34) << Digits[rank].name << x;
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
