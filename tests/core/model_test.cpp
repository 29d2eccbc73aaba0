// The model: start-up, the presets in both orientations, the flip and the status line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/surface.h"
#include "tests/core/tempfolder.h"

namespace {
// A drawing surface that remembers what the status line was given.
struct FakeSurface : Surface {
  std::vector<std::string> texts;
  int fills = 0;
  void FillSolid(int left, int top, int right, int bottom, uint32_t colour) override {
    EXPECT_EQ(left, 10);
    EXPECT_EQ(top, 340);
    EXPECT_EQ(right, 520);
    EXPECT_EQ(bottom, 356);
    EXPECT_EQ(colour, 242u | 237u << 8 | 222u << 16);
    fills++;
  }
  void TextAt(int x, int y, const char *text, int length) override {
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 340);
    texts.push_back(std::string(text, length));
  }
};

std::vector<int32_t> Row(int row) {
  std::vector<int32_t> codes;
  for (int c = 0; c < 8; c++) codes.push_back(Pos[c * 8 + row]);
  return codes;
}

// The code on a square named in chess terms, through the current orientation.
int32_t On(const char *square) {
  int file = square[0] - 'a', rank = square[1] - '1';
  return Flipped ? Pos[(7 - file) * 8 + 7 - rank] : Pos[file * 8 + rank];
}

TEST(Model, InitInAFolderWithoutPreferences) {
  TempFolder folder;
  char here[4096];
  ASSERT_TRUE(getcwd(here, sizeof here));
  ASSERT_EQ(chdir(folder.Path().c_str()), 0);
  Flipped = 0, NArrows = 7, ShowCoords = 0, Dpi = 0, PicSiz = 1.5f;
  std::memset(Dk, 0, sizeof Dk);
  Init();
  EXPECT_EQ(StartFolder, folder.Path());
  EXPECT_EQ(ShowCoords, 2);
  EXPECT_EQ(Dpi, 2);
  EXPECT_EQ(PicSiz, 4.0f);
  EXPECT_EQ(NArrows, 0);
  EXPECT_GE(Theme, 0);
  EXPECT_LE(Theme, 7);
  EXPECT_EQ(Row(0), (std::vector<int32_t>{WR, WN, WB, WQ, WK, WB, WN, WR}));
  const int16_t grey[3] = {192, 192, 192}, white[3] = {255, 255, 255};
  EXPECT_EQ(std::memcmp(Dk[2], grey, sizeof grey), 0);
  EXPECT_EQ(std::memcmp(Lt[2], white, sizeof white), 0);
  EXPECT_EQ(ThemeColour(Dk[0]), 151u + 113u * 256 + 81u * 65536);
  EXPECT_EQ(ThemeColour(Lt[7]), 219u + 219u * 256 + 183u * 65536);

  // Preferences are the start-up's to read: Init gives the defaults whatever lies beside it.
  WriteWhole(folder / "prefs.txt", "x\r\nSMALL\r\nx\r\nYES\r\n");
  Dpi = 1, ShowCoords = 1;
  Init();
  EXPECT_EQ(Dpi, 2);
  EXPECT_EQ(ShowCoords, 2);
  ASSERT_EQ(chdir(here), 0);
}

TEST(Model, StartPositionInBothOrientations) {
  Flipped = 0;
  StartPosition(nullptr);
  EXPECT_EQ(Row(0), (std::vector<int32_t>{3, 5, 4, 2, 1, 4, 5, 3}));
  EXPECT_EQ(Row(1), std::vector<int32_t>(8, 6));
  for (int r = 2; r < 6; r++) EXPECT_EQ(Row(r), std::vector<int32_t>(8, 0));
  EXPECT_EQ(Row(6), std::vector<int32_t>(8, 12));
  EXPECT_EQ(Row(7), (std::vector<int32_t>{9, 11, 10, 8, 7, 10, 11, 9}));
  EXPECT_EQ(On("a1"), WR);  // cell 0
  EXPECT_EQ(Pos[63], BR);   // h8

  Flipped = 1;
  StartPosition(nullptr);
  EXPECT_EQ(Row(0), (std::vector<int32_t>{9, 11, 10, 7, 8, 10, 11, 9}));
  EXPECT_EQ(Row(1), std::vector<int32_t>(8, 12));
  EXPECT_EQ(Row(6), std::vector<int32_t>(8, 6));
  EXPECT_EQ(Row(7), (std::vector<int32_t>{3, 5, 4, 1, 2, 4, 5, 3}));
  EXPECT_EQ(On("e1"), WK);
  EXPECT_EQ(On("d8"), BQ);
  EXPECT_EQ(Flipped, 1);  // the presets keep the orientation
}

TEST(Model, TypicalPositionInBothOrientations) {
  for (int flipped = 0; flipped < 2; flipped++) {
    Flipped = flipped;
    NArrows = 9;
    TypicalPosition(nullptr);
    EXPECT_EQ(NArrows, 1);
    int men = 0;
    for (int32_t code : Pos) men += code != 0;
    EXPECT_EQ(men, 23);
    EXPECT_EQ(On("e2"), WK);
    EXPECT_EQ(On("a1"), BQ);
    EXPECT_EQ(On("g7"), WN);
    EXPECT_EQ(On("d6"), WB);
    EXPECT_EQ(On("h5"), WP);
    EXPECT_EQ(On("d8"), BK);
    EXPECT_EQ(On("g1"), BB);
    EXPECT_EQ(On("f6"), BN);
    EXPECT_EQ(On("b5"), BP);
    const int32_t arrow[2][4] = {{3, 2, 4, 1}, {4, 5, 3, 6}};
    EXPECT_EQ(std::memcmp(Arr[0], arrow[flipped], sizeof arrow[0]), 0);
  }
}

TEST(Model, FlipTurnsTheBoardAndItsArrows) {
  Flipped = 0;
  TypicalPosition(nullptr);
  FlipPosition(nullptr);
  std::vector<int32_t> flippedFirst(Pos, Pos + 64);
  std::vector<int32_t> arrowFirst(Arr[0], Arr[0] + 4);
  int32_t narrows = NArrows, flipped = Flipped;

  Flipped = 0;
  FlipPosition(nullptr);
  TypicalPosition(nullptr);
  EXPECT_EQ(std::vector<int32_t>(Pos, Pos + 64), flippedFirst);
  EXPECT_EQ(std::vector<int32_t>(Arr[0], Arr[0] + 4), arrowFirst);
  EXPECT_EQ(NArrows, narrows);
  EXPECT_EQ(Flipped, flipped);

  // Twice restores everything; the pending record beyond NArrows is left alone.
  Flipped = 0;
  StartPosition(nullptr);
  Pos[1] = DotMark, Pos[62] = CrossMark, Pos[20] = BN;
  NArrows = 2;
  const int32_t arrows[3][4] = {{0, 0, 7, 7}, {1, 2, 3, 4}, {5, 5, 6, 6}};
  std::memcpy(Arr, arrows, sizeof arrows);
  std::vector<int32_t> before(Pos, Pos + 64);
  FlipPosition(nullptr);
  EXPECT_EQ(Flipped, 1);
  EXPECT_EQ(Pos[63 - 1], DotMark);
  EXPECT_EQ(Pos[63 - 20], BN);
  const int32_t once[4] = {6, 5, 4, 3};
  EXPECT_EQ(std::memcmp(Arr[1], once, sizeof once), 0);
  EXPECT_EQ(std::memcmp(Arr[2], arrows[2], sizeof once), 0);
  FlipPosition(nullptr);
  EXPECT_EQ(Flipped, 0);
  EXPECT_EQ(std::vector<int32_t>(Pos, Pos + 64), before);
  EXPECT_EQ(std::memcmp(Arr, arrows, sizeof arrows), 0);
}

TEST(Model, EmptyPositionKeepsTheOrientation) {
  Flipped = 1;
  StartPosition(nullptr);
  NArrows = 3;
  EmptyPosition(nullptr);
  EXPECT_EQ(Flipped, 1);
  EXPECT_EQ(NArrows, 0);
  for (int32_t code : Pos) EXPECT_EQ(code, 0);
  StartPosition(nullptr);
  EXPECT_EQ(Pos[3 * 8 + 7], WK);
  Flipped = 0;
}

TEST(Model, StatusMessages) {
  FakeSurface s;
  EmptyPosition(&s);
  StartPosition(&s);
  TypicalPosition(&s);
  FlipPosition(&s);
  FlipPosition(&s);
  EXPECT_EQ(s.texts, (std::vector<std::string>{
                         "Empty position", "Empty position", "Start position", "Empty position",
                         "Immortal Game: Vellmark - Dorrantis, 1851", "Position flipped",
                         "Position flipped"}));
  EXPECT_EQ(s.fills, 7);

  // Without a surface nothing is written and nothing breaks.
  EmptyPosition(nullptr);
  StartPosition(nullptr);
  Scribe(nullptr, "nothing");

  std::string longText(100, 'z');
  longText[79] = 'e';
  Scribe(&s, longText.c_str());
  EXPECT_EQ(s.texts.back().size(), 80u);
  EXPECT_EQ(s.texts.back().back(), 'e');
  Scribe(&s, "");
  EXPECT_EQ(s.texts.back(), "");
}
}  // namespace
