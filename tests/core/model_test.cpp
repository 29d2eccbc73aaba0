// The model: start-up, and the presets and the flip in both orientations (the status line they
// write is checked on the window, in commands_test.cpp).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "chess/diagram.h"
#include "chess/fen.h"
#include "model/model.h"
#include "tests/core/tempfolder.h"

namespace {
TEST(Model, InitGivesTheStartPositionThemesAndDefaults) {
  TempFolder folder;
  char here[4096];
  ASSERT_TRUE(getcwd(here, sizeof here));
  ASSERT_EQ(chdir(folder.Path().c_str()), 0);
  // Preferences beside it are the start-up's to read, not Init's.
  WriteWhole(folder / "prefs.txt", "x\r\nSMALL\r\nx\r\nYES\r\n");
  Flipped = 0, NArrows = 7, ShowCoords = 0, Dpi = 0, PicSiz = 1.5f;
  std::memset(Dk, 0, sizeof Dk);
  Init();
  EXPECT_EQ(StartFolder, folder.Path());
  EXPECT_EQ(ShowCoords * 100 + Dpi * 10 + NArrows, 220);
  EXPECT_EQ(PicSiz, 4.0f);
  EXPECT_TRUE(Theme >= 0 && Theme <= 7);
  EXPECT_EQ(WriteFEN(BoardFromDiagram()), "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
  EXPECT_EQ(ThemeColour(Dk[0]), 151u + 113u * 256 + 81u * 65536);
  EXPECT_EQ(ThemeColour(Lt[7]), 219u + 219u * 256 + 183u * 65536);
  EXPECT_EQ(ThemeColour(Dk[2]), 0xC0C0C0u);
  ASSERT_EQ(chdir(here), 0);
}

// Each preset and the flip, both ways up: the men as FEN, the cell of a1 and the arrows.
TEST(Model, PresetsAndFlipInBothOrientations) {
  const char *startFEN = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
  const char *typicalFEN = "r1bk3r/p2p1pNp/n2B1n2/1p1NP2P/6P1/3P4/P1P1K3/q5b1 w - - 0 1";
  const struct {
    void (*preset)(Surface *);
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
    Flipped = c.flipped;
    NArrows = 9;
    c.preset(nullptr);
    EXPECT_EQ(Flipped, c.flipped);  // the presets keep the orientation
    EXPECT_EQ(WriteFEN(BoardFromDiagram()), c.fen);
    EXPECT_EQ(Pos[0] * 100 + Pos[63], c.a1 * 100 + c.h8) << c.fen;
    ASSERT_EQ(NArrows, c.arrows);
    if (c.arrows) {
      EXPECT_EQ(std::memcmp(Arr[0], c.arrow, sizeof c.arrow), 0) << c.flipped;
    }
    // The flip turns men and arrows round, and twice gives everything back.
    std::vector<int32_t> before(Pos, Pos + 64);
    Pos[19] = DotMark, before[19] = DotMark;  // on an empty square in every case
    Arr[1][0] = 5, Arr[1][1] = 6, Arr[1][2] = 7, Arr[1][3] = 0;  // beyond NArrows: left alone
    FlipPosition(nullptr);
    EXPECT_EQ(Flipped, 1 - c.flipped);
    EXPECT_EQ(WriteFEN(BoardFromDiagram()), c.fen);
    EXPECT_EQ(Pos[63 - 19], DotMark);
    if (c.arrows) {
      EXPECT_EQ(Arr[0][0], 7 - c.arrow[0]);
    }
    EXPECT_EQ(Arr[1][0], NArrows > 1 ? 2 : 5);
    FlipPosition(nullptr);
    EXPECT_EQ(std::vector<int32_t>(Pos, Pos + 64), before);
  }
  Flipped = 0;
}
}  // namespace
