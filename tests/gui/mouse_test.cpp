// Mouse editing through the window: tools, placing and removing, click geometry, the arrow tool.
#include <cstring>
#include <string>
#include <vector>

#include "tests/gui/editor_fixture.h"

namespace {
int Cell(int c, int t) { return c * 8 + (7 - t); }
}  // namespace

class Mouse : public EditorWindow {
 protected:
  void SetUp() override {
    EditorWindow::SetUp();
    EmptyPosition(nullptr);
    Repaint();
  }
  std::vector<COLORREF> Strip() {
    std::vector<COLORREF> out;
    for (int y = 340; y < 356; y++)
      for (int x = 10; x < 520; x++) out.push_back(Pixel(x, y));
    return out;
  }
  // The status line shows exactly this text: writing it again changes nothing. A message
  // written after a repaint on the same surface has a transparent background.
  void ExpectStatus(const char *text, bool afterRepaint = false) {
    std::vector<COLORREF> shown = Strip();
    HDC hdc = GetDC(hwnd);
    if (afterRepaint) SetBkMode(hdc, TRANSPARENT);
    Scribe(hdc, text);
    ReleaseDC(hwnd, hdc);
    EXPECT_EQ(Strip(), shown) << "status should read: " << text;
  }
  void Arrow(int c0, int t0, int c1, int t1) {
    ClickSquare(c0, t0);
    ClickSquare(c1, t1);
  }
  void SetArrows(int n) {
    NArrows = n;
    for (int i = 0; i < n; i++) {
      Arr[i][0] = i % 8;
      Arr[i][1] = 0;
      Arr[i][2] = i % 8;
      Arr[i][3] = 1 + i / 8;
    }
  }
};

TEST_F(Mouse, PlacingReplacingAndTogglingAFigure) {
  ClickTool(WK);
  ClickSquare(3, 4);
  EXPECT_EQ(Pos[Cell(3, 4)], WK);
  ClickSquare(3, 4);  // the same figure again takes it off
  EXPECT_EQ(Pos[Cell(3, 4)], Empty);
  Pos[Cell(5, 5)] = BR;
  ClickSquare(5, 5);
  EXPECT_EQ(Pos[Cell(5, 5)], WK);
  ClickTool(DotMark);
  ClickSquare(5, 5);
  EXPECT_EQ(Pos[Cell(5, 5)], DotMark);
  ClickTool(CrossMark);
  ClickSquare(5, 5);
  EXPECT_EQ(Pos[Cell(5, 5)], CrossMark);
  // Only the clicked cell changed.
  int used = 0;
  for (int v : Pos) used += v != 0;
  EXPECT_EQ(used, 1);
}

TEST_F(Mouse, EraserEmptiesAnySquare) {
  Pos[Cell(0, 0)] = BQ;
  ClickTool(0);
  ClickSquare(0, 0);
  EXPECT_EQ(Pos[Cell(0, 0)], Empty);
  ClickSquare(0, 0);
  EXPECT_EQ(Pos[Cell(0, 0)], Empty);
  EXPECT_EQ(Pixel(CentreX(0), CentreY(0)), LightColour(0));
}

TEST_F(Mouse, PaletteClicksOnlyChooseTheTool) {
  StartPosition(nullptr);
  NArrows = 1;
  int32_t pos[64], arr[MaxArrows][4];
  std::memcpy(pos, Pos, sizeof pos);
  std::memcpy(arr, Arr, sizeof arr);
  for (int i = 0; i < 16; i++) {
    ClickTool(i);
    EXPECT_EQ(SelPiece, i);
    EXPECT_EQ(std::memcmp(pos, Pos, sizeof pos), 0);
    EXPECT_EQ(std::memcmp(arr, Arr, sizeof arr), 0);
    EXPECT_EQ(NArrows, 1);
    EXPECT_EQ(Theme, 0);
    EXPECT_TRUE(RecordedBoxes().empty());
  }
  ExpectStatus("Arrow selected. Click on a square to start.");
}

TEST_F(Mouse, ClicksOnGridLinesBelongToTheSquareLeftOrAbove) {
  ClickTool(WB);
  ClickAt(hwnd, 256, CentreY(3));  // the line right of column 0
  EXPECT_EQ(Pos[Cell(0, 3)], WB);
  ClickAt(hwnd, CentreX(5), 56);   // the line under the top row
  EXPECT_EQ(Pos[Cell(5, 0)], WB);
  ClickAt(hwnd, 515, 315);         // the last pixel that belongs to h1's square
  EXPECT_EQ(Pos[Cell(7, 7)], WB);
  ClickAt(hwnd, 220, 20);
  EXPECT_EQ(Pos[Cell(0, 0)], WB);
}

TEST_F(Mouse, ClicksOutsideTheSquaresDoNothing) {
  StartPosition(nullptr);
  int32_t pos[64];
  std::memcpy(pos, Pos, sizeof pos);
  ClickTool(0);
  std::vector<COLORREF> before;
  for (int x = 196; x < 522; x += 3)
    for (int y = 14; y < 338; y += 3) before.push_back(Pixel(x, y));
  // Left of, above, right of and below the squares, and far away: the frame, the field, the
  // palette column, the status line.
  for (auto [x, y] : std::vector<std::pair<int, int>>{
           {219, 100}, {200, 100}, {184, 100}, {190, 20}, {300, 19}, {300, 0}, {300, 5},
           {516, 100}, {519, 200}, {300, 316}, {300, 330}, {400, 350}, {219, 19}, {516, 316}})
    ClickAt(hwnd, x, y);
  EXPECT_EQ(std::memcmp(pos, Pos, sizeof pos), 0);
  std::vector<COLORREF> after;
  for (int x = 196; x < 522; x += 3)
    for (int y = 14; y < 338; y += 3) after.push_back(Pixel(x, y));
  EXPECT_EQ(after, before);
}

TEST_F(Mouse, ToolCursorOverTheFramedBoardOnly) {
  ClickTool(WN);
  for (auto [x, y] : std::vector<std::pair<int, int>>{{220, 18}, {518, 316}, {300, 100}}) {
    MoveMouseTo(hwnd, x, y);
    EXPECT_EQ(CurrentCursor(), Curs[WN]) << x << "," << y;
  }
  for (auto [x, y] : std::vector<std::pair<int, int>>{{219, 100}, {519, 100}, {300, 17},
                                                      {300, 317}, {100, 100}}) {
    MoveMouseTo(hwnd, x, y);
    EXPECT_NE(CurrentCursor(), Curs[WN]) << x << "," << y;
  }
  ClickTool(15);
  MoveMouseTo(hwnd, 400, 200);
  EXPECT_EQ(CurrentCursor(), Curs[15]);
}

TEST_F(Mouse, ArrowStartedThenCompleted) {
  ClickTool(15);
  EXPECT_EQ(ArrowStarted, 0);
  ClickSquare(2, 5);
  EXPECT_EQ(ArrowStarted, 1);
  EXPECT_EQ(Arr[0][0], 2);
  EXPECT_EQ(Arr[0][1], 5);
  EXPECT_EQ(NArrows, 0);
  ExpectStatus("Arrow started. Click end square");
  // The start mark over the square, centred on the arrow point.
  EXPECT_EQ(Pixel(237 + 37 * 2, 37 + 37 * 5), ArrowColour);
  ClickSquare(4, 4);
  EXPECT_EQ(ArrowStarted, 0);
  ASSERT_EQ(NArrows, 1);
  EXPECT_EQ(std::vector<int>(Arr[0], Arr[0] + 4), (std::vector<int>{2, 5, 4, 4}));
  ExpectStatus("Arrow complete");
  // Drawn at once: the knight shaft's middle.
  EXPECT_EQ(Pixel((237 + 37 * 2 + 237 + 37 * 4) / 2, (37 + 37 * 5 + 37 + 37 * 4) / 2),
            ArrowColour);
}

TEST_F(Mouse, EveryKindOfArrowIsJudged) {
  ClickTool(15);
  struct Case {
    int dc, dt;
    bool valid;
  };
  const Case cases[] = {
      {2, 1, true},  {1, 2, true},  {-2, 1, true}, {1, -2, true}, {-2, -1, true},
      {7, 0, true},  {0, 7, true},  {-7, 0, true}, {0, -3, true}, {3, 3, true},
      {-3, 3, true}, {3, -3, true}, {-7, -7, true}, {0, 0, true},
      {2, 3, false}, {1, 3, false}, {3, 1, false}, {-2, -3, false}, {6, 5, false}, {-1, 2, true},
  };
  for (const Case &k : cases) {
    SCOPED_TRACE(std::to_string(k.dc) + "," + std::to_string(k.dt));
    int c0 = k.dc < 0 ? 7 : 0, t0 = k.dt < 0 ? 7 : 0;
    int n = NArrows;
    Arrow(c0, t0, c0 + k.dc, t0 + k.dt);
    EXPECT_EQ(ArrowStarted, 0);
    if (k.valid) {
      ASSERT_EQ(NArrows, n + 1);
      EXPECT_EQ(std::vector<int>(Arr[n], Arr[n] + 4),
                (std::vector<int>{c0, t0, c0 + k.dc, t0 + k.dt}));
      ExpectStatus("Arrow complete");
      // Remove it again so that the next case starts from an empty list.
      Arrow(c0, t0, c0 + k.dc, t0 + k.dt);
      ASSERT_EQ(NArrows, n);
    } else {
      EXPECT_EQ(NArrows, n);
      ExpectStatus("Invalid Arrow. Please start again.");
    }
  }
}

TEST_F(Mouse, DrawingAnArrowAgainErasesItAndRepaints) {
  ClickTool(15);
  Arrow(1, 1, 1, 4);
  ASSERT_EQ(NArrows, 1);
  int x = 237 + 37, y = 37 + 37 * 2;
  EXPECT_EQ(Pixel(x, y), ArrowColour);
  Arrow(1, 1, 1, 4);
  EXPECT_EQ(NArrows, 0);
  EXPECT_EQ(ArrowStarted, 0);
  ExpectStatus("Arrow erased", true);
  EXPECT_NE(Pixel(x, y), ArrowColour);
  EXPECT_NE(Pixel(237 + 37, 37 + 37), ArrowColour);  // the start mark is gone too
}

TEST_F(Mouse, OppositeDirectionsAreTwoArrows) {
  ClickTool(15);
  Arrow(2, 2, 5, 5);
  Arrow(5, 5, 2, 2);
  ASSERT_EQ(NArrows, 2);
  EXPECT_EQ(std::vector<int>(Arr[1], Arr[1] + 4), (std::vector<int>{5, 5, 2, 2}));
}

TEST_F(Mouse, ErasingRemovesOnlyTheFirstOfEqualArrowsAndKeepsTheOrder) {
  const int arrows[4][4] = {{0, 0, 1, 1}, {3, 3, 3, 6}, {4, 4, 5, 6}, {3, 3, 3, 6}};
  NArrows = 4;
  std::memcpy(Arr, arrows, sizeof arrows);
  ClickTool(15);
  Arrow(3, 3, 3, 6);
  ASSERT_EQ(NArrows, 3);
  EXPECT_EQ(std::vector<int>(Arr[0], Arr[0] + 4), (std::vector<int>{0, 0, 1, 1}));
  EXPECT_EQ(std::vector<int>(Arr[1], Arr[1] + 4), (std::vector<int>{4, 4, 5, 6}));
  EXPECT_EQ(std::vector<int>(Arr[2], Arr[2] + 4), (std::vector<int>{3, 3, 3, 6}));
  // The remaining copy is still on screen after the repaint.
  EXPECT_EQ(Pixel(237 + 37 * 3, 37 + 37 * 4), ArrowColour);
}

TEST_F(Mouse, The32ndArrowThenTheLimitBox) {
  SetArrows(31);
  Repaint();
  ClickTool(15);
  Arrow(6, 6, 7, 7);
  ASSERT_EQ(NArrows, 32);
  ClearRecords();
  std::vector<COLORREF> strip = Strip();
  ClickSquare(0, 7);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  const BoxRecord &box = RecordedBoxes()[0];
  EXPECT_EQ(box.owner, hwnd);
  EXPECT_EQ(box.text, "Can't draw any more arrows");
  EXPECT_EQ(box.caption, "Title");
  EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(ArrowStarted, 0);
  EXPECT_EQ(NArrows, 32);
  EXPECT_EQ(Strip(), strip);
  // No start mark was drawn.
  EXPECT_NE(Pixel(237, 37 + 37 * 7), ArrowColour);
  // Erasing also begins with a start click, so a full list stays full.
  Arrow(6, 6, 7, 7);
  EXPECT_EQ(NArrows, 32);
  EXPECT_EQ(RecordedBoxes().size(), 3u);
}

TEST_F(Mouse, AFullRepaintRestoresArrowsWipedByAClick) {
  ClickTool(15);
  Arrow(0, 3, 3, 3);
  int x = 237 + 37 * 1, y = 37 + 37 * 3;  // the shaft crosses square (1, 3)
  ASSERT_EQ(Pixel(x, y), ArrowColour);
  ClickTool(WK);
  ClickSquare(1, 3);
  EXPECT_EQ(Pos[Cell(1, 3)], WK);
  EXPECT_NE(Pixel(x, y), ArrowColour);
  EXPECT_EQ(NArrows, 1);
  Repaint();
  EXPECT_EQ(Pixel(x, y), ArrowColour);
}

TEST_F(Mouse, PositionCommandsAndTheArrowToolAbandonAHalfDrawnArrow) {
  ClickTool(15);
  for (int id : {CmdFlip, CmdEmpty, CmdStart, CmdTypical}) {
    SCOPED_TRACE(id);
    ClickSquare(6, 6);
    ASSERT_EQ(ArrowStarted, 1);
    Choose(id);
    EXPECT_EQ(ArrowStarted, 0);
    // The next click starts a new arrow instead of ending one at a stale start.
    int n = NArrows;
    ClickSquare(2, 2);
    EXPECT_EQ(ArrowStarted, 1);
    EXPECT_EQ(NArrows, n);
    ClickTool(15);
    EXPECT_EQ(ArrowStarted, 0);
  }
}
