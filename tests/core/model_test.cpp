// The model: new values, the themes, and the presets and the flip in both orientations (the
// status line that names them is checked on the window, in commands_test.cpp).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "chess/diagram.h"
#include "chess/fen.h"
#include "model/model.h"

namespace {
TEST(Model, DefaultsAndThemes) {
  Diagram d;
  EXPECT_EQ(WriteFEN(BoardFromDiagram(d)), "8/8/8/8/8/8/8/8 w - - 0 1");
  // Arrow records past the count are not compared; a damaged count is kept to 0..32.
  Diagram other = d;
  other.Arr[0][0] = 5;
  EXPECT_TRUE(other == d);
  other.NArrows = 1;
  EXPECT_FALSE(other == d);
  other.NArrows = 99;
  EXPECT_EQ(other.ArrowCount(), MaxArrows);
  PictureSettings settings;
  EXPECT_EQ(settings.Coords * 100 + settings.Dpi * 10 + settings.Style, 20);
  EXPECT_EQ(settings.PicSiz, 4.0f);
  settings = {.PicSiz = 7.0f, .Theme = 11};
  EXPECT_EQ(settings.Inches(), 4.0);  // a size no setting gives: medium
  EXPECT_EQ(settings.ThemeIndex(), 7);
  EXPECT_EQ(ThemeColour(Dk[0]), 151u + 113u * 256 + 81u * 65536);
  EXPECT_EQ(ThemeColour(Lt[7]), 219u + 219u * 256 + 183u * 65536);
  EXPECT_EQ(ThemeColour(Dk[2]), 0xC0C0C0u);
}

// Each preset and the flip, both ways up: the men as FEN, the cell of a1 and the arrows.
TEST(Model, PresetsAndFlipInBothOrientations) {
  const char *startFEN = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
  const char *typicalFEN = "r1bk3r/p2p1pNp/n2B1n2/1p1NP2P/6P1/3P4/P1P1K3/q5b1 w - - 0 1";
  const struct {
    void (*preset)(Diagram &);
    int flipped;
    const char *fen;
    int32_t a1, h8;          // what Pos[0] and Pos[63] hold
    int32_t arrow[4];        // the first arrow, when there is one
    int arrows;
  } cases[] = {
      {EmptyPosition, 0, "8/8/8/8/8/8/8/8 w - - 0 1", Empty, Empty, {}, 0},
      {StartPosition, 0, startFEN, WR, BR, {}, 0},
      {StartPosition, 1, startFEN, BR, WR, {}, 0},
      {TypicalPosition, 0, typicalFEN, BQ, BR, {3, 2, 4, 1}, 1},
      {TypicalPosition, 1, typicalFEN, BR, BQ, {4, 5, 3, 6}, 1},
  };
  for (const auto &c : cases) {
    Diagram d{.NArrows = 9, .Flipped = c.flipped};
    c.preset(d);
    EXPECT_EQ(d.Flipped, c.flipped);  // the presets keep the orientation
    EXPECT_EQ(WriteFEN(BoardFromDiagram(d)), c.fen);
    EXPECT_EQ(d.Pos[0] * 100 + d.Pos[63], c.a1 * 100 + c.h8) << c.fen;
    ASSERT_EQ(d.NArrows, c.arrows);
    EXPECT_EQ(std::memcmp(d.Arr[0], c.arrow, sizeof c.arrow), 0) << c.flipped;  // zeros when none
    // The flip turns men and arrows round, and twice gives everything back.
    d.Pos[19] = DotMark;  // on an empty square in every case
    d.Arr[1][0] = 5, d.Arr[1][1] = 6, d.Arr[1][2] = 7, d.Arr[1][3] = 0;  // beyond NArrows: left alone
    const Diagram before = d;
    FlipPosition(d);
    EXPECT_EQ(d.Flipped, 1 - c.flipped);
    EXPECT_EQ(WriteFEN(BoardFromDiagram(d)), c.fen);
    EXPECT_EQ(d.Pos[63 - 19], DotMark);
    EXPECT_EQ(d.Arr[0][0], c.arrows ? 7 - c.arrow[0] : 0);
    EXPECT_EQ(d.Arr[1][0], d.NArrows > 1 ? 2 : 5);
    FlipPosition(d);
    EXPECT_TRUE(d == before);
    EXPECT_EQ(d.Arr[1][0], 5);
  }
}
}  // namespace
