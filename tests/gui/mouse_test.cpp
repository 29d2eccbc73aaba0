// Mouse editing through the window: tools, placing and removing, click geometry, the arrow tool.
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/gui/editor_fixture.h"

namespace {
int Cell(int c, int t) { return c * 8 + (7 - t); }
std::vector<int> ArrowAt(int i) { return std::vector<int>(Now().Arr[i], Now().Arr[i] + 4); }

class Mouse : public EditorWindow {
 protected:
  void SetUp() override {
    EditorWindow::SetUp();
    EmptyPosition(Now());
    Repaint();
  }
  void Arrow(int c0, int t0, int c1, int t1) {
    ClickSquare(c0, t0);
    ClickSquare(c1, t1);
  }
};

TEST_F(Mouse, PlacingReplacingTogglingAndErasing) {
  ClickTool(WK);
  ClickSquare(3, 4);
  EXPECT_EQ(Now().Pos[Cell(3, 4)], WK);
  ClickSquare(3, 4);  // the same figure again takes it off
  EXPECT_EQ(Now().Pos[Cell(3, 4)], Empty);
  Now().Pos[Cell(5, 5)] = BR;
  ClickSquare(5, 5);
  EXPECT_EQ(Now().Pos[Cell(5, 5)], WK);
  ClickTool(DotMark);
  ClickSquare(5, 5);
  EXPECT_EQ(Now().Pos[Cell(5, 5)], DotMark);
  ClickTool(CrossMark);
  ClickSquare(5, 5);
  EXPECT_EQ(Now().Pos[Cell(5, 5)], CrossMark);
  int used = 0;  // only the clicked cell changed
  for (int v : Now().Pos) used += v != 0;
  EXPECT_EQ(used, 1);
  ClickTool(0);  // the eraser empties, and empties again
  ClickSquare(5, 5);
  ClickSquare(5, 5);
  EXPECT_EQ(Now().Pos[Cell(5, 5)], Empty);
  EXPECT_EQ(Pixel(CentreX(5), CentreY(5)), LightColour(0));
}

TEST_F(Mouse, PaletteClicksOnlyChooseTheToolAndOnlyClicksDo) {
  StartPosition(Now());
  Now().NArrows = 1;
  const Diagram before = Now();
  for (int i = 0; i < 16; i++) {
    ClickTool(i);
    EXPECT_EQ(Editor().SelPiece, i);
  }
  EXPECT_EQ(Now(), before);
  EXPECT_TRUE(RecordedBoxes().empty());
  ExpectStatus("Arrow selected. Click on a square to start.");
  SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(9, 1), 0);  // a notification other than a click
  SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(6001, 0), 0);  // no such tool
  EXPECT_EQ(Editor().SelPiece, 15);
}

TEST_F(Mouse, ToolCursorOverTheFramedBoardOnly) {
  ClickTool(WN);
  // Inside the frame's outer edge the tool, outside it not.
  for (auto [x, y, inside] : std::vector<std::tuple<int, int, bool>>{
           {220, 18, true}, {518, 316, true}, {300, 100, true}, {219, 100, false},
           {519, 100, false}, {300, 17, false}, {300, 317, false}, {100, 100, false}}) {
    MoveMouseTo(hwnd, x, y);
    EXPECT_EQ(CurrentCursor() == Curs[WN], inside) << x << "," << y;
  }
  ClickTool(15);
  MoveMouseTo(hwnd, 400, 200);
  EXPECT_EQ(CurrentCursor(), Curs[15]);
}

TEST_F(Mouse, AnArrowIsStartedCompletedAndErasedByDrawingItAgain) {
  ClickTool(15);
  ClickSquare(1, 1);
  EXPECT_TRUE(Editor().ArrowStarted);
  EXPECT_EQ(Now().NArrows, 0);
  ExpectStatus("Arrow started. Click end square");
  EXPECT_EQ(Pixel(PointX(1), PointY(1)), ArrowColour);  // the start mark on the arrow point
  ClickSquare(1, 4);
  EXPECT_FALSE(Editor().ArrowStarted);
  ASSERT_EQ(Now().NArrows, 1);
  EXPECT_EQ(ArrowAt(0), (std::vector<int>{1, 1, 1, 4}));
  ExpectStatus("Arrow complete");
  EXPECT_EQ(Pixel(PointX(1), PointY(2)), ArrowColour);  // drawn at once
  Arrow(1, 1, 1, 4);
  EXPECT_EQ(Now().NArrows, 0);
  EXPECT_FALSE(Editor().ArrowStarted);
  ExpectStatus("Arrow erased", true);
  EXPECT_NE(Pixel(PointX(1), PointY(2)), ArrowColour);
  EXPECT_NE(Pixel(PointX(1), PointY(1)), ArrowColour);  // the start mark is gone too
}

TEST_F(Mouse, EveryKindOfArrowIsJudged) {
  ClickTool(15);
  struct Case {
    int dc, dt;
    bool valid;
  };
  const Case cases[] = {
      {2, 1, true},   {1, 2, true},   {-2, 1, true},   {1, -2, true},   {-2, -1, true},
      {-1, 2, true},  {7, 0, true},   {0, 7, true},    {-7, 0, true},   {0, -3, true},
      {3, 3, true},   {-3, 3, true},  {3, -3, true},   {-7, -7, true},  {0, 0, true},
      {2, 3, false},  {1, 3, false},  {3, 1, false},   {-2, -3, false}, {6, 5, false},
  };
  for (const Case &k : cases) {
    SCOPED_TRACE(std::to_string(k.dc) + "," + std::to_string(k.dt));
    int c0 = k.dc < 0 ? 7 : 0, t0 = k.dt < 0 ? 7 : 0;
    Arrow(c0, t0, c0 + k.dc, t0 + k.dt);
    EXPECT_FALSE(Editor().ArrowStarted);
    if (k.valid) {
      ASSERT_EQ(Now().NArrows, 1);
      EXPECT_EQ(ArrowAt(0), (std::vector<int>{c0, t0, c0 + k.dc, t0 + k.dt}));
      ExpectStatus("Arrow complete");
      Arrow(c0, t0, c0 + k.dc, t0 + k.dt);  // erased again for the next case
      ASSERT_EQ(Now().NArrows, 0);
    } else {
      EXPECT_EQ(Now().NArrows, 0);
      ExpectStatus("Invalid Arrow. Please start again.");
    }
  }
}

TEST_F(Mouse, ErasingRemovesOnlyTheFirstOfEqualArrowsAndKeepsTheOrder) {
  const int arrows[4][4] = {{3, 3, 5, 5}, {3, 3, 3, 6}, {4, 4, 5, 6}, {3, 3, 3, 6}};
  Now().NArrows = 4;
  std::memcpy(Now().Arr, arrows, sizeof arrows);
  ClickTool(15);
  Arrow(6, 3, 3, 3);  // the opposite direction is another arrow
  ASSERT_EQ(Now().NArrows, 5);
  Arrow(3, 3, 3, 6);
  ASSERT_EQ(Now().NArrows, 4);
  EXPECT_EQ(ArrowAt(0), (std::vector<int>{3, 3, 5, 5}));  // the same start only
  EXPECT_EQ(ArrowAt(1), (std::vector<int>{4, 4, 5, 6}));
  EXPECT_EQ(ArrowAt(2), (std::vector<int>{3, 3, 3, 6}));
  EXPECT_EQ(ArrowAt(3), (std::vector<int>{6, 3, 3, 3}));
  // The remaining copy is still on screen after the repaint.
  EXPECT_EQ(Pixel(PointX(3), PointY(4)), ArrowColour);
}

TEST_F(Mouse, The32ndArrowThenTheLimitBox) {
  Now().NArrows = 31;
  for (int i = 0; i < 31; i++) {
    int arrow[4] = {i % 8, 0, i % 8, 1 + i / 8};
    std::memcpy(Now().Arr[i], arrow, sizeof arrow);
  }
  Repaint();
  ClickTool(15);
  Arrow(6, 6, 7, 7);
  ASSERT_EQ(Now().NArrows, 32);
  ClearRecords();
  std::vector<COLORREF> strip = Strip();
  ClickSquare(0, 7);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  ExpectBox(RecordedBoxes()[0], hwnd, "Can't draw any more arrows", "Title",
            MB_OK | MB_ICONEXCLAMATION);
  EXPECT_FALSE(Editor().ArrowStarted);
  EXPECT_EQ(Now().NArrows, 32);
  EXPECT_EQ(Strip(), strip);
  EXPECT_NE(Pixel(PointX(0), PointY(7)), ArrowColour);  // no start mark
  // Erasing also begins with a start click, so a full list stays full.
  Arrow(6, 6, 7, 7);
  EXPECT_EQ(Now().NArrows, 32);
  EXPECT_EQ(RecordedBoxes().size(), 3u);
}

TEST_F(Mouse, AFullRepaintRestoresArrowsWipedByAClick) {
  ClickTool(15);
  Arrow(0, 3, 3, 3);
  ASSERT_EQ(Pixel(PointX(1), PointY(3)), ArrowColour);  // the shaft crosses square (1, 3)
  ClickTool(WK);
  ClickSquare(1, 3);
  EXPECT_EQ(Now().Pos[Cell(1, 3)], WK);
  EXPECT_NE(Pixel(PointX(1), PointY(3)), ArrowColour);
  Repaint();
  EXPECT_EQ(Pixel(PointX(1), PointY(3)), ArrowColour);
}

TEST_F(Mouse, PositionCommandsAndTheArrowToolAbandonAHalfDrawnArrow) {
  ClickTool(15);
  for (int id : {CmdFlip, CmdEmpty, CmdStart, CmdTypical}) {
    SCOPED_TRACE(id);
    ClickSquare(6, 6);
    ASSERT_TRUE(Editor().ArrowStarted);
    Choose(id);
    EXPECT_FALSE(Editor().ArrowStarted);
    // The next click starts a new arrow instead of ending one at a stale start.
    int n = Now().NArrows;
    ClickSquare(2, 2);
    EXPECT_TRUE(Editor().ArrowStarted);
    EXPECT_EQ(Now().NArrows, n);
    ClickTool(15);
    EXPECT_FALSE(Editor().ArrowStarted);
  }
}
}  // namespace
