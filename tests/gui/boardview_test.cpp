// The board view in the window's backing image: field, frame, grid, squares, labels, figures,
// arrows, and the status line.
#include <string>
#include <utility>
#include <vector>

#include "render/canvas.h"
#include "render/glyphs.h"
#include "tests/gui/editor_fixture.h"

namespace {
constexpr COLORREF WhiteField = RGB(255, 255, 255);
constexpr COLORREF BlackInk = RGB(0, 0, 0);

bool Dark(COLORREF c) {
  return (c & 0xFF) < 128 && ((c >> 8) & 0xFF) < 128 && ((c >> 16) & 0xFF) < 128;
}

class BoardView : public EditorWindow {
 protected:
  void SetUp() override {
    EditorWindow::SetUp();
    EmptyPosition(nullptr);
    Repaint();
  }
  // The pixels of a rectangle, row by row.
  std::vector<COLORREF> Area(int x, int y, int w, int h) {
    std::vector<COLORREF> out;
    for (int j = 0; j < h; j++)
      for (int i = 0; i < w; i++) out.push_back(Pixel(x + i, y + j));
    return out;
  }
  std::vector<COLORREF> FileLabel(int column) { return Area(229 + 37 * column, 318, 14, 18); }
  std::vector<COLORREF> RankLabel(int row) { return Area(200, 288 - 37 * row, 16, 20); }
};

TEST_F(BoardView, FieldFrameAndGrid) {
  for (auto [x, y] : std::vector<std::pair<int, int>>{{198, 16}, {519, 335}, {205, 330}})
    EXPECT_EQ(Pixel(x, y), WhiteField) << x << "," << y;
  for (auto [x, y] : std::vector<std::pair<int, int>>{{197, 100}, {520, 100}, {300, 14},
                                                      {300, 336}})
    EXPECT_EQ(Pixel(x, y), WindowBackground) << x << "," << y;
  // The frame, five pixels wide, round the squares.
  for (int k : {40, 170, 300}) {
    for (int x : {216, 217, 517, 518}) EXPECT_EQ(Pixel(x, k), BlackInk) << x << "," << k;
    EXPECT_EQ(Pixel(212, k), WhiteField);
    int x = k + 200;
    EXPECT_EQ(Pixel(x, 17), BlackInk);
    EXPECT_EQ(Pixel(x, 317), BlackInk);
    EXPECT_EQ(Pixel(x, 322), WhiteField);
  }
  // One-pixel grid lines between the squares.
  for (int i = 0; i < 7; i++) {
    EXPECT_EQ(Pixel(256 + 37 * i, 30), BlackInk) << i;
    EXPECT_EQ(Pixel(256 + 37 * i, 300), BlackInk) << i;
    EXPECT_EQ(Pixel(230, 56 + 37 * i), BlackInk) << i;
    EXPECT_EQ(Pixel(500, 56 + 37 * i), BlackInk) << i;
    EXPECT_NE(Pixel(257 + 37 * i, 30), BlackInk) << i;
    EXPECT_NE(Pixel(230, 57 + 37 * i), BlackInk) << i;
  }
}

TEST_F(BoardView, SquaresTakeTheThemeColours) {
  for (int theme = 0; theme < 8; theme++) {
    Theme = theme;
    Repaint();
    for (int c = 0; c < 8; c++)
      for (int t = 0; t < 8; t++) {
        COLORREF expected = (c + t) % 2 == 0 ? LightColour(theme) : DarkColour(theme);
        int left = SquareLeft + SquareStep * c, top = SquareTop + SquareStep * t;
        ASSERT_EQ(Pixel(left, top), expected) << theme << ": " << c << "," << t;
        ASSERT_EQ(Pixel(left + 35, top + 35), expected) << theme << ": " << c << "," << t;
      }
  }
}

TEST_F(BoardView, LabelsFollowTheOrientation) {
  std::vector<std::vector<COLORREF>> files, ranks;
  for (int i = 0; i < 8; i++) {
    files.push_back(FileLabel(i));
    ranks.push_back(RankLabel(i));
    int ink = 0;
    for (COLORREF c : files.back()) ink += Dark(c);
    EXPECT_GT(ink, 3) << "file label " << i;
    ink = 0;
    for (COLORREF c : ranks.back()) ink += Dark(c);
    EXPECT_GT(ink, 3) << "rank label " << i;
  }
  // Eight different letters and eight different digits.
  for (int i = 0; i < 8; i++)
    for (int j = i + 1; j < 8; j++) {
      EXPECT_NE(files[i], files[j]) << i << "," << j;
      EXPECT_NE(ranks[i], ranks[j]) << i << "," << j;
    }
  // Flipped, the leftmost column carries the letter that stood under the rightmost ("h") and
  // the bottom row the digit that stood beside the top row ("8").
  Flipped = 1;
  Repaint();
  for (int i = 0; i < 8; i++) {
    EXPECT_EQ(FileLabel(i), files[7 - i]) << i;
    EXPECT_EQ(RankLabel(i), ranks[7 - i]) << i;
  }
  // Drawn on a transparent background: the field's white stays round the characters.
  EXPECT_EQ(Pixel(229, 334), WhiteField);
}

TEST_F(BoardView, FigureIsCombinedThroughItsMask) {
  // Left half of the figure red, right half transparent; 2 x 2 pixels scaled to the square,
  // nearest pixel: no blend at the edge.
  WriteHalves(folder + "/pic.bmp", 2, RGB(255, 0, 0), RGB(0, 0, 0));
  WriteHalves(folder + "/mask.bmp", 2, RGB(0, 0, 0), RGB(255, 255, 255));
  Pics[WN] = static_cast<HBITMAP>(
      LoadImage(nullptr, (folder + "/pic.bmp").c_str(), IMAGE_BITMAP, 36, 36, LR_LOADFROMFILE));
  Mask[WN] = static_cast<HBITMAP>(
      LoadImage(nullptr, (folder + "/mask.bmp").c_str(), IMAGE_BITMAP, 36, 36, LR_LOADFROMFILE));
  ASSERT_NE(Pics[WN], nullptr);
  ASSERT_NE(Mask[WN], nullptr);
  Pos[0 * 8 + 7] = WN;  // column 0, top row: light
  Pos[0 * 8 + 0] = WN;  // column 0, bottom row: dark
  Repaint();
  for (int t : {0, 7}) {
    COLORREF square = t == 0 ? LightColour(0) : DarkColour(0);
    int top = SquareTop + SquareStep * t;
    EXPECT_EQ(Pixel(220, top), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(237, top + 35), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(238, top), square);
    EXPECT_EQ(Pixel(255, top + 35), square);
  }
}

TEST_F(BoardView, EveryDrawnFigureChangesItsSquare) {
  // With the run folder's images: a figure whose glyph draws something shows on the square.
  for (int code = 1; code <= 15; code++) {
    SCOPED_TRACE(code);
    EmptyPosition(nullptr);
    Repaint();
    std::vector<COLORREF> empty = Area(220, 20, 36, 36);
    Pos[0 * 8 + 7] = code;
    Repaint();
    bool glyphDraws = true;
    if (code <= 14) {
      for (int x = 100; x < 190; x++)
        for (int y = 100; y < 190; y++) Dot[x][y] = 0;
      DrawSquareGlyph(code, 110, 110);
      glyphDraws = false;
      for (int x = 100; x < 190; x++)
        for (int y = 100; y < 190; y++) glyphDraws = glyphDraws || Dot[x][y];
    }
    EXPECT_EQ(Area(220, 20, 36, 36) != empty, glyphDraws);
  }
  // The arrow-start mark is centred on the arrow point.
  EXPECT_EQ(Pixel(PointX(0), PointY(0)), ArrowColour);
}

TEST_F(BoardView, ArrowShaftsAndBarbs) {
  // Per arrow: pixels in the arrow colour and pixels not, as offsets from its end point.
  using Offsets = std::vector<std::pair<int, int>>;
  struct Case {
    int arrow[4];
    Offsets on, off;
  };
  const Case cases[] = {
      // Horizontal: barbs back to the upper left and the lower left, about 7 pixels each way.
      {{2, 3, 3, 3},
       {{-37, 0}, {-20, 0}, {-5, 0}, {-4, -4}, {-4, 4}, {-6, -6}, {-6, 6}},
       {{-27, -5}, {-27, 5}, {4, -4}, {4, 4}, {-11, -11}}},
      // Downward: symmetric barbs, no shaft beyond the end.
      {{5, 1, 5, 4}, {{0, -111}, {0, -50}, {0, -6}, {-4, -4}, {4, -4}}, {{-4, 4}, {4, 4}, {0, 5}}},
      // Upward: barbs pointing down.
      {{1, 6, 1, 2}, {{-4, 4}, {4, 4}}, {{-4, -4}, {4, -4}}},
      // The same square: two strokes to the right, over the queen there.
      {{4, 4, 4, 4}, {{4, 4}, {6, 6}, {4, -4}, {6, -6}}, {{-4, -4}, {-4, 4}, {12, 12}}},
      // Diagonal: barbs run back horizontally and vertically; the shaft's middle.
      {{0, 7, 3, 4}, {{-7, 0}, {-1, 7}, {-55, 55}}, {}},
      // Knight: the shaft's middle.
      {{1, 5, 3, 4}, {{-37, 18}}, {}},
  };
  Pos[4 * 8 + 3] = WQ;
  for (const Case &k : cases) {
    SCOPED_TRACE(testing::PrintToString(std::vector<int>(k.arrow, k.arrow + 4)));
    NArrows = 1;
    std::copy(k.arrow, k.arrow + 4, Arr[0]);
    Repaint();
    int x = PointX(k.arrow[2]), y = PointY(k.arrow[3]);
    for (auto [dx, dy] : k.on) EXPECT_EQ(Pixel(x + dx, y + dy), ArrowColour) << dx << "," << dy;
    for (auto [dx, dy] : k.off) EXPECT_NE(Pixel(x + dx, y + dy), ArrowColour) << dx << "," << dy;
    NArrows = 0;  // a repaint without arrows shows none
    Repaint();
    for (auto [dx, dy] : k.on) EXPECT_NE(Pixel(x + dx, y + dy), ArrowColour) << dx << "," << dy;
  }
}

TEST_F(BoardView, ArrowWithAnEndOffTheBoardIsNotDrawn) {
  // Only a damaged position file brings such ends; the view shows the other arrows.
  const int damaged[][4] = {{0, 0, 9, 0}, {-1, 3, 2, 3}, {3, 3, 3, 100000}};
  for (const auto &a : damaged) {
    NArrows = 2;
    std::copy(a, a + 4, Arr[0]);
    const int good[4] = {2, 3, 3, 3};
    std::copy(good, good + 4, Arr[1]);
    Repaint();
    int arrowPixels = 0;
    for (int y = 0; y < ClientHeight(hwnd); y++)
      for (int x = 0; x < ClientWidth(hwnd); x++) arrowPixels += Pixel(x, y) == ArrowColour;
    EXPECT_EQ(Pixel(PointX(2) + 20, PointY(3)), ArrowColour);
    // The good arrow alone: its shaft and two barbs, nothing reaching off the board.
    EXPECT_LT(arrowPixels, 4 * 37 + 2 * 4 * 12);
    for (int y = 0; y < ClientHeight(hwnd); y++)
      for (int x = 0; x < ClientWidth(hwnd); x++)
        if (Pixel(x, y) == ArrowColour) {
          EXPECT_TRUE(x >= 300 && x <= 360 && y >= 135 && y <= 162) << x << "," << y;
        }
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
