// The board view in the window's backing image, pinned as a whole: a stored image of one busy
// diagram (frame, grid, labels flipped, theme colours, every figure through its mask, arrows of
// every kind, markers; tests/data/boardview.ppm, to look at; every theme's squares are checked
// in commands_test.cpp); then damaged arrows and the status line.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/gui/editor_fixture.h"

namespace {
bool Dark(COLORREF c) {
  return (c & 0xFF) < 128 && ((c >> 8) & 0xFF) < 128 && ((c >> 16) & 0xFF) < 128;
}

class BoardView : public EditorWindow {
 protected:
  void SetUp() override {
    EditorWindow::SetUp();
    EmptyPosition(Now());
    Repaint();
  }
  // The client area as a binary PPM picture.
  std::string ClientPicture() {
    int w = ClientWidth(hwnd), h = ClientHeight(hwnd);
    std::string ppm = "P6\n" + std::to_string(w) + " " + std::to_string(h) + "\n255\n";
    for (int y = 0; y < h; y++)
      for (int x = 0; x < w; x++) {
        COLORREF c = Pixel(x, y);
        ppm += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8 & 0xFF),
                static_cast<char>(c >> 16 & 0xFF)};
      }
    return ppm;
  }
};

// Black at the bottom, theme 3: every figure, the dot and the cross, and
// an arrow of each kind (rank, file, diagonal, knight, and one on its own square).
void BusyDiagram() {
  Diagram &d = Now();
  d = Diagram();
  for (int code = 1; code <= 14; code++) d.Pos[(code % 8) * 8 + code / 8 * 3] = code;
  d.Pos[7 * 8 + 7] = WK, d.Pos[6 * 8 + 7] = BK;
  FlipPosition(d);
  Settings().Theme = 3;
  const int32_t arrows[5][4] = {{2, 3, 5, 3}, {6, 1, 6, 4}, {0, 7, 3, 4}, {1, 5, 3, 4}, {4, 4, 4, 4}};
  d.NArrows = 5;
  std::copy(arrows[0], arrows[0] + 5 * 4, d.Arr[0]);
}

TEST_F(BoardView, ABusyDiagramIsTheStoredImage) {
  BusyDiagram();
  Repaint();
  std::string shown = ClientPicture();
  const std::string stored = BS_SOURCE_DIR "/tests/data/boardview.ppm";
  const std::string expected = ReadWhole(stored);
  if (shown != expected) std::ofstream("boardview-shown.ppm", std::ios::binary) << shown;
  EXPECT_TRUE(shown == expected) << "compare boardview-shown.ppm in the test's folder with " << stored;
}

TEST_F(BoardView, ArrowWithAnEndOffTheBoardIsNotDrawn) {
  // Only a damaged position file brings such ends; the view shows the other arrows.
  const int damaged[][4] = {{0, 0, 9, 0}, {-1, 3, 2, 3}, {3, 3, 3, 100000}};
  for (const auto &a : damaged) {
    Diagram &d = Now();
    d.NArrows = 2;
    std::copy(a, a + 4, d.Arr[0]);
    const int good[4] = {2, 3, 3, 3};
    std::copy(good, good + 4, d.Arr[1]);
    Repaint();
    EXPECT_EQ(Pixel(PointX(2) + 20, PointY(3)), ArrowColour);
    // The good arrow alone: its shaft and two barbs, nothing reaching off the board.
    int arrowPixels = 0;
    for (int y = 0; y < ClientHeight(hwnd); y++)
      for (int x = 0; x < ClientWidth(hwnd); x++)
        if (Pixel(x, y) == ArrowColour) {
          arrowPixels++;
          EXPECT_TRUE(x >= 300 && x <= 360 && y >= 135 && y <= 162) << x << "," << y;
        }
    EXPECT_LT(arrowPixels, 4 * 37 + 2 * 4 * 12);
  }
}

using StatusLine = EditorWindow;

TEST_F(StatusLine, TextAppearsInTheStripAndARepaintErasesIt) {
  std::vector<COLORREF> blank = Strip();
  for (COLORREF c : blank) ASSERT_EQ(c, WindowBackground);
  Write("Start position");
  std::vector<COLORREF> written = Strip();
  int ink = 0;
  for (int x = 10; x < 520; x++)
    for (int y = 340; y < 356; y++) ink += Dark(Pixel(x, y));
  EXPECT_GT(ink, 20);
  for (int x = 0; x < ClientWidth(hwnd); x++) {  // nothing outside the strip's rows
    EXPECT_EQ(Pixel(x, 338), WindowBackground);
    EXPECT_EQ(Pixel(x, 357), WindowBackground);
  }
  // A new message replaces the old one whole.
  Write("Arrow complete");
  EXPECT_NE(Strip(), written);
  Write("Start position");
  EXPECT_EQ(Strip(), written);
  Repaint();
  EXPECT_EQ(Strip(), blank);
}

TEST_F(StatusLine, TextIsCutAfter80Characters) {
  Write(std::string(80, 'i'));
  std::vector<COLORREF> eighty = Strip();
  Write(std::string(79, 'i'));
  EXPECT_NE(Strip(), eighty);
  Write(std::string(81, 'i'));
  EXPECT_EQ(Strip(), eighty);
  Write(std::string(100, 'i'));
  EXPECT_EQ(Strip(), eighty);
}
}  // namespace
