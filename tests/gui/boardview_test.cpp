// The board view in the window's backing image, pinned as a whole by a stored image of one busy
// diagram (tests/data/boardview.ppm, to look at; every theme's squares are checked in
// commands_test.cpp); then damaged arrows and the status line.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>

#include "tests/gui/editor_fixture.h"

namespace {
using BoardView = EditorWindow;

// Frame, grid, labels flipped (black at the bottom), theme 3's colours, every figure through its
// mask, the dot and the cross, and an arrow of each kind (rank, file, diagonal, knight, and one on
// its own square).
TEST_F(BoardView, ABusyDiagramIsTheStoredImage) {
  Diagram &d = Now();
  d = Diagram();
  for (int code = 1; code <= 14; code++) d.Pos[(code % 8) * 8 + code / 8 * 3] = code;
  d.Pos[7 * 8 + 7] = WK, d.Pos[6 * 8 + 7] = BK;
  FlipPosition(d);
  Settings().Theme = 3;
  const int32_t arrows[5][4] = {{2, 3, 5, 3}, {6, 1, 6, 4}, {0, 7, 3, 4}, {1, 5, 3, 4}, {4, 4, 4, 4}};
  d.NArrows = 5;
  std::memcpy(d.Arr, arrows, sizeof arrows);
  Repaint();
  // The client area as a binary PPM picture.
  const int w = ClientWidth(hwnd), h = ClientHeight(hwnd);
  std::string shown = "P6\n" + std::to_string(w) + " " + std::to_string(h) + "\n255\n";
  for (COLORREF c : Pixels(0, 0, w, h))
    shown += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8 & 0xFF),
              static_cast<char>(c >> 16 & 0xFF)};
  const std::string stored = BS_SOURCE_DIR "/tests/data/boardview.ppm";
  const std::string expected = ReadWhole(stored);
  if (shown != expected) std::ofstream("boardview-shown.ppm", std::ios::binary) << shown;
  EXPECT_TRUE(shown == expected) << "compare boardview-shown.ppm in the test's folder with " << stored;
}

TEST_F(BoardView, ArrowWithAnEndOffTheBoardIsNotDrawn) {
  // Only a damaged position file brings such ends; the view shows the other arrows.
  EmptyPosition(Now());
  const int32_t pairs[][2][4] = {{{0, 0, 9, 0}, {2, 3, 3, 3}}, {{-1, 3, 2, 3}, {2, 3, 3, 3}},
                                 {{3, 3, 3, 100000}, {2, 3, 3, 3}}};
  for (const auto &arrows : pairs) {
    Now().NArrows = 2;
    std::memcpy(Now().Arr, arrows, sizeof arrows);
    Repaint();
    EXPECT_TRUE(IsArrow(Pixel(PointX(2) + 20, PointY(3))));
    // The good arrow alone: its shaft and two barbs, nothing reaching off the board.
    const std::vector<COLORREF> all = Pixels(0, 0, ClientWidth(hwnd), ClientHeight(hwnd)),
                                near = Pixels(300, 135, 361, 163);
    const auto arrowPixels = std::count_if(near.begin(), near.end(), IsArrow);
    EXPECT_EQ(std::count_if(all.begin(), all.end(), IsArrow), arrowPixels);
    EXPECT_LT(arrowPixels, 4 * 37 + 2 * 4 * 12);
  }
}

using StatusLine = EditorWindow;

TEST_F(StatusLine, TextAppearsInTheStripEndsInAnEllipsisWhenTooLongAndARepaintErasesIt) {
  std::vector<COLORREF> blank = Strip();
  for (COLORREF c : blank) ASSERT_EQ(c, WindowBackground);
  Write("Start position");
  std::vector<COLORREF> written = Strip();
  int ink = 0;
  for (COLORREF c : Pixels(10, 340, 520, 356)) ink += (c & 0x808080) == 0;  // dark
  EXPECT_GT(ink, 20);
  const std::vector<COLORREF> bare(ClientWidth(hwnd), WindowBackground);
  for (int y : {338, 357})  // nothing in the strip's first and last rows
    EXPECT_EQ(Pixels(0, y, ClientWidth(hwnd), y + 1), bare) << y;
  // A new message replaces the old one whole.
  Write("Arrow complete");
  EXPECT_NE(Strip(), written);
  Write("Start position");
  EXPECT_EQ(Strip(), written);
  Repaint();
  EXPECT_EQ(Strip(), blank);
  // Text too long for the strip ends in "..." inside it, whatever follows.
  Write(std::string(200, 'W'));
  std::vector<COLORREF> elided = Strip();
  Write(std::string(100, 'W') + "i");
  EXPECT_EQ(Strip(), elided);
  auto inked = [this](int x0, int x1) {
    const std::vector<COLORREF> p = Pixels(x0, 340, x1, 356);
    return std::count_if(p.begin(), p.end(), [](COLORREF c) { return c != WindowBackground; });
  };
  EXPECT_GT(inked(500, 520), 0);
  EXPECT_EQ(inked(520, ClientWidth(hwnd)), 0);
  // A message speaks of the diagram of its time: a change that writes none (a click, an undo)
  // and a tool after the arrow tool's prompt clear it.
  for (auto [id, change] : std::vector<std::pair<int, std::function<void()>>>{
           {CmdEmpty, [this] { ClickTool(2), ClickSquare(3, 3); }},
           {CmdStart, [this] { Key('Z', FCONTROL); }},
           {15, [this] { ClickTool(2); }}}) {
    id == 15 ? ClickTool(15) : Choose(id);
    EXPECT_NE(Strip(), blank);
    change();
    EXPECT_EQ(Strip(), blank) << id;
  }
}
}  // namespace
