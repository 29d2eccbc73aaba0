// The board view in the window's backing image: field, frame, grid, squares, labels, figures,
// arrows, and the status line.
#include <cstdio>
#include <fstream>
#include <string>
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

// A 24-bit 36 x 36 BMP: colour of column x given by a function.
template <typename F>
void WriteBMP(const std::string &path, F colour) {
  std::string b = "BM";
  auto put = [&](uint32_t v, int n) {
    for (int i = 0; i < n; i++) b += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  put(54 + 108 * 36, 4);
  put(0, 4);
  put(54, 4);
  put(40, 4);
  put(36, 4);
  put(36, 4);
  put(1, 2);
  put(24, 2);
  put(0, 4);
  put(108 * 36, 4);
  put(2835, 4);
  put(2835, 4);
  put(0, 4);
  put(0, 4);
  for (int row = 0; row < 36; row++)
    for (int x = 0; x < 36; x++) {
      COLORREF c = colour(x);
      b += static_cast<char>((c >> 16) & 0xFF);  // blue
      b += static_cast<char>((c >> 8) & 0xFF);   // green
      b += static_cast<char>(c & 0xFF);          // red
    }
  std::ofstream(path, std::ios::binary) << b;
}
}  // namespace

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
  // The arrow end point of square (c, t).
  static int PointX(int c) { return 237 + 37 * c; }
  static int PointY(int t) { return 37 + 37 * t; }
  void SetArrows(std::vector<std::vector<int>> arrows) {
    NArrows = static_cast<int>(arrows.size());
    for (size_t i = 0; i < arrows.size(); i++)
      for (int k = 0; k < 4; k++) Arr[i][k] = arrows[i][k];
    Repaint();
  }
};

TEST_F(BoardView, FieldFrameAndGrid) {
  EXPECT_EQ(Pixel(198, 16), WhiteField);
  EXPECT_EQ(Pixel(519, 335), WhiteField);
  EXPECT_EQ(Pixel(205, 330), WhiteField);
  EXPECT_EQ(Pixel(197, 100), WindowBackground);
  EXPECT_EQ(Pixel(520, 100), WindowBackground);
  EXPECT_EQ(Pixel(300, 14), WindowBackground);
  EXPECT_EQ(Pixel(300, 336), WindowBackground);
  // The frame, five pixels wide, round the squares.
  for (int y : {40, 170, 300}) {
    EXPECT_EQ(Pixel(217, y), BlackInk);
    EXPECT_EQ(Pixel(517, y), BlackInk);
    EXPECT_EQ(Pixel(216, y), BlackInk);
    EXPECT_EQ(Pixel(518, y), BlackInk);
    EXPECT_EQ(Pixel(212, y), WhiteField);
  }
  for (int x : {240, 370, 500}) {
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
    SCOPED_TRACE(theme);
    for (int c = 0; c < 8; c++)
      for (int t = 0; t < 8; t++) {
        COLORREF expected = (c + t) % 2 == 0 ? LightColour(theme) : DarkColour(theme);
        int left = 220 + 37 * c, top = 20 + 37 * t;
        ASSERT_EQ(Pixel(left, top), expected) << c << "," << t;
        ASSERT_EQ(Pixel(left + 35, top + 35), expected) << c << "," << t;
      }
    EXPECT_EQ(Pixel(230, 30), LightColour(theme));   // top left
    EXPECT_EQ(Pixel(230, 300), DarkColour(theme));   // bottom left
    EXPECT_EQ(Pixel(500, 300), LightColour(theme));  // bottom right
  }
}

TEST_F(BoardView, LabelsFollowTheOrientation) {
  Flipped = 0;
  Repaint();
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
  // Left half of the figure red, right half transparent.
  WriteBMP(folder + "/pic.bmp", [](int x) { return x < 18 ? RGB(255, 0, 0) : RGB(0, 0, 0); });
  WriteBMP(folder + "/mask.bmp", [](int x) { return x < 18 ? RGB(0, 0, 0) : RGB(255, 255, 255); });
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
    int top = 20 + 37 * t;
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
    if (glyphDraws) {
      EXPECT_NE(Area(220, 20, 36, 36), empty);
    } else {
      EXPECT_EQ(Area(220, 20, 36, 36), empty);
    }
  }
  // The arrow-start mark is centred on the arrow point.
  EXPECT_EQ(Pixel(PointX(0), PointY(0)), ArrowColour);
}

TEST_F(BoardView, HorizontalArrowShaftAndBarbs) {
  SetArrows({{2, 3, 3, 3}});
  int x1 = PointX(2), x2 = PointX(3), y = PointY(3);
  for (int x = x1; x < x2 - 3; x += 4) EXPECT_EQ(Pixel(x, y), ArrowColour) << x;
  EXPECT_NE(Pixel(x1 + 10, y - 5), ArrowColour);
  EXPECT_NE(Pixel(x1 + 10, y + 5), ArrowColour);
  // Barbs back to the upper left and the lower left, about 7 pixels each way.
  EXPECT_EQ(Pixel(x2 - 4, y - 4), ArrowColour);
  EXPECT_EQ(Pixel(x2 - 4, y + 4), ArrowColour);
  EXPECT_EQ(Pixel(x2 - 6, y - 6), ArrowColour);
  EXPECT_EQ(Pixel(x2 - 6, y + 6), ArrowColour);
  EXPECT_NE(Pixel(x2 + 4, y - 4), ArrowColour);
  EXPECT_NE(Pixel(x2 + 4, y + 4), ArrowColour);
  EXPECT_NE(Pixel(x2 - 11, y - 11), ArrowColour);
}

TEST_F(BoardView, VerticalArrowHasSymmetricBarbs) {
  SetArrows({{5, 1, 5, 4}});
  int x = PointX(5), y1 = PointY(1), y2 = PointY(4);
  for (int y = y1; y < y2 - 3; y += 5) EXPECT_EQ(Pixel(x, y), ArrowColour) << y;
  EXPECT_EQ(Pixel(x - 4, y2 - 4), ArrowColour);
  EXPECT_EQ(Pixel(x + 4, y2 - 4), ArrowColour);
  EXPECT_NE(Pixel(x - 4, y2 + 4), ArrowColour);
  EXPECT_NE(Pixel(x + 4, y2 + 4), ArrowColour);
  EXPECT_EQ(Pixel(x, y2 + 5), DarkColour(0));  // no shaft beyond the end
}

TEST_F(BoardView, UpwardArrowBarbsPointDown) {
  SetArrows({{1, 6, 1, 2}});
  int x = PointX(1), y2 = PointY(2);
  EXPECT_EQ(Pixel(x - 4, y2 + 4), ArrowColour);
  EXPECT_EQ(Pixel(x + 4, y2 + 4), ArrowColour);
  EXPECT_NE(Pixel(x - 4, y2 - 4), ArrowColour);
  EXPECT_NE(Pixel(x + 4, y2 - 4), ArrowColour);
}

TEST_F(BoardView, SameSquareArrowIsTwoStrokesToTheRight) {
  SetArrows({{4, 4, 4, 4}});
  int x = PointX(4), y = PointY(4);
  EXPECT_EQ(Pixel(x + 4, y + 4), ArrowColour);  // to the lower right
  EXPECT_EQ(Pixel(x + 6, y + 6), ArrowColour);
  EXPECT_EQ(Pixel(x + 4, y - 4), ArrowColour);  // to the upper right
  EXPECT_EQ(Pixel(x + 6, y - 6), ArrowColour);
  EXPECT_NE(Pixel(x - 4, y - 4), ArrowColour);
  EXPECT_NE(Pixel(x - 4, y + 4), ArrowColour);
  EXPECT_NE(Pixel(x + 12, y + 12), ArrowColour);
}

TEST_F(BoardView, KnightArrowAndDiagonalArrow) {
  SetArrows({{1, 5, 3, 4}, {0, 7, 3, 4}});
  // Knight shaft midpoint, diagonal shaft midpoint.
  EXPECT_EQ(Pixel((PointX(1) + PointX(3)) / 2, (PointY(5) + PointY(4)) / 2), ArrowColour);
  EXPECT_EQ(Pixel((PointX(0) + PointX(3)) / 2, (PointY(7) + PointY(4)) / 2), ArrowColour);
  // The diagonal's barbs run back horizontally and vertically from its end.
  EXPECT_EQ(Pixel(PointX(3) - 7, PointY(4)), ArrowColour);
  EXPECT_EQ(Pixel(PointX(3) - 1, PointY(4) + 7), ArrowColour);
}

TEST_F(BoardView, ArrowsGoOverFiguresAndARepaintWithoutArrowsShowsNone) {
  Pos[2 * 8 + 4] = WQ;
  SetArrows({{2, 3, 2, 3}});
  EXPECT_EQ(Pixel(PointX(2) + 5, PointY(3) + 5), ArrowColour);
  NArrows = 0;
  Repaint();
  for (int d = 1; d < 8; d++) EXPECT_NE(Pixel(PointX(2) + d, PointY(3) + d), ArrowColour) << d;
}

class StatusLine : public EditorWindow {
 protected:
  std::vector<COLORREF> Strip() {
    std::vector<COLORREF> out;
    for (int y = 338; y < 358; y++)
      for (int x = 0; x < ClientWidth(hwnd); x++) out.push_back(Pixel(x, y));
    return out;
  }
  void Write(const std::string &text) {
    HDC hdc = GetDC(hwnd);
    Scribe(hdc, text.c_str());
    ReleaseDC(hwnd, hdc);
  }
};

TEST_F(StatusLine, TextAppearsInTheStripAndARepaintErasesIt) {
  std::vector<COLORREF> blank = Strip();
  for (COLORREF c : blank) ASSERT_EQ(c, WindowBackground);
  Write("Start position");
  std::vector<COLORREF> written = Strip();
  EXPECT_NE(written, blank);
  int ink = 0;
  for (int x = 10; x < 520; x++)
    for (int y = 340; y < 356; y++) ink += Dark(Pixel(x, y));
  EXPECT_GT(ink, 20);
  // Nothing outside the strip's rows.
  for (int x = 0; x < ClientWidth(hwnd); x++) {
    EXPECT_EQ(Pixel(x, 338), WindowBackground);
    EXPECT_EQ(Pixel(x, 357), WindowBackground);
  }
  // A new message replaces the old one whole.
  Write("Arrow complete");
  std::vector<COLORREF> other = Strip();
  EXPECT_NE(other, written);
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
