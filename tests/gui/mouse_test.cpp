// Mouse editing through the window: tools, placing and removing, click geometry, the arrow tool.
#include <algorithm>
#include <cstring>

#include "tests/gui/editor_fixture.h"

namespace {
int Cell(int c, int t) { return c * 8 + (7 - t); }

using Mouse = EditorWindow;  // on the start position unless a test empties the board

TEST_F(Mouse, PlacingReplacingTogglingAndErasing) {
  EmptyPosition(Now());
  Repaint();
  ClickTool(WK);
  ClickSquare(3, 4);
  EXPECT_EQ(Now().Pos[Cell(3, 4)], WK);
  ClickSquare(3, 4);  // the same figure again takes it off
  EXPECT_EQ(Now().Pos[Cell(3, 4)], Empty);
  Now().Pos[Cell(5, 5)] = BR;
  ClickSquare(5, 5);
  EXPECT_EQ(Now().Pos[Cell(5, 5)], WK);
  for (int marker : {DotMark, CrossMark}) {
    ClickTool(marker);
    ClickSquare(5, 5);
    EXPECT_EQ(Now().Pos[Cell(5, 5)], marker);
  }
  EXPECT_EQ(std::count(Now().Pos, Now().Pos + 64, Empty), 63);  // only the clicked cell changed
  ClickTool(0);  // the eraser empties, and empties again
  ClickSquare(5, 5);
  ClickSquare(5, 5);
  EXPECT_EQ(Now().Pos[Cell(5, 5)], Empty);
  EXPECT_EQ(Pixel(CentreX(5), CentreY(5)), LightColour(0));
}

// Palette clicks only choose the tool, whose cursor shows over the framed board only.
TEST_F(Mouse, PaletteClicksOnlyChooseTheToolAndItsCursor) {
  Now().NArrows = 1;
  const Diagram before = Now();
  for (int i = 0; i < 16; i++) {
    ClickTool(i);
    EXPECT_EQ(Editor().SelPiece, i);
    for (int j = 0; j < 16; j++)  // the palette shows the selected tool
      EXPECT_EQ(SendMessage(GetDlgItem(hwnd, j), BM_GETCHECK, 0, 0),
                i == j ? BST_CHECKED : BST_UNCHECKED);
  }
  EXPECT_EQ(Now(), before);
  EXPECT_TRUE(RecordedBoxes().empty());
  ExpectStatus("Arrow selected. Click on a square to start.");
  SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(9, 1), 0);  // a notification other than a click
  SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(6001, 0), 0);  // no such tool
  EXPECT_EQ(Editor().SelPiece, 15);
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

TEST_F(Mouse, AnArrowIsStartedCompletedWipedByAFigureAndErasedByDrawingItAgain) {
  ClickTool(15);
  ClickSquare(0, 3);
  EXPECT_TRUE(Editor().ArrowStarted);
  EXPECT_EQ(Now().NArrows, 0);
  ExpectStatus("Arrow started. Click end square");
  EXPECT_TRUE(IsArrow(Pixel(PointX(0), PointY(3))));  // the start mark on the arrow point
  ClickSquare(3, 3);
  EXPECT_FALSE(Editor().ArrowStarted);
  EXPECT_EQ(Arrows(), (ArrowList{{0, 3, 3, 3}}));
  ExpectStatus("Arrow complete");
  EXPECT_TRUE(IsArrow(Pixel(PointX(1), PointY(3))));  // drawn at once, across square (1, 3)
  // A figure placed on the shaft shows under the semi-transparent arrow at once.
  ClickTool(WK);
  ClickSquare(1, 3);
  EXPECT_EQ(Now().Pos[Cell(1, 3)], WK);
  EXPECT_TRUE(IsArrow(Pixel(PointX(1), PointY(3))));
  Arrow(0, 3, 3, 3);
  EXPECT_EQ(Now().NArrows, 0);
  EXPECT_FALSE(Editor().ArrowStarted);
  ExpectStatus("Arrow erased", true);
  EXPECT_FALSE(IsArrow(Pixel(PointX(2), PointY(3))));
  EXPECT_FALSE(IsArrow(Pixel(PointX(0), PointY(3))));  // the start mark is gone too
}

TEST_F(Mouse, EveryKindOfArrowIsJudged) {
  for (auto [dc, dt, valid] : std::vector<std::tuple<int, int, bool>>{
           {2, 1, true},   {1, 2, true},   {-2, 1, true},   {1, -2, true},   {-2, -1, true},
           {-1, 2, true},  {7, 0, true},   {0, 7, true},    {-7, 0, true},   {0, -3, true},
           {3, 3, true},   {-3, 3, true},  {3, -3, true},   {-7, -7, true},  {0, 0, true},
           {2, 3, false},  {1, 3, false},  {3, 1, false},   {-2, -3, false}, {6, 5, false}}) {
    SCOPED_TRACE(std::to_string(dc) + "," + std::to_string(dt));
    int c0 = dc < 0 ? 7 : 0, t0 = dt < 0 ? 7 : 0;
    const std::vector<COLORREF> shown = BoardPixels();
    Arrow(c0, t0, c0 + dc, t0 + dt);
    EXPECT_FALSE(Editor().ArrowStarted);
    if (valid) {
      EXPECT_EQ(Arrows(), (ArrowList{{c0, t0, c0 + dc, t0 + dt}}));
      ExpectStatus("Arrow complete");
      Arrow(c0, t0, c0 + dc, t0 + dt);  // erased again for the next case
      ASSERT_EQ(Now().NArrows, 0);
    } else {
      EXPECT_EQ(Now().NArrows, 0);
      ExpectStatus("Invalid Arrow. Please start again.");
      EXPECT_EQ(BoardPixels(), shown);  // the start mark gone with it
    }
  }
}

TEST_F(Mouse, ErasingRemovesOnlyTheFirstOfEqualArrowsAndThe32ndIsTheLast) {
  const int arrows[4][4] = {{3, 3, 5, 5}, {3, 3, 3, 6}, {4, 4, 5, 6}, {3, 3, 3, 6}};
  Now().NArrows = 4;
  std::memcpy(Now().Arr, arrows, sizeof arrows);
  Arrow(6, 3, 3, 3);  // the opposite direction is another arrow
  ASSERT_EQ(Now().NArrows, 5);
  Arrow(3, 3, 3, 6);
  // The first (3, 3, 3, 6) went, not one of the same start only; the others kept their order.
  EXPECT_EQ(Arrows(), (ArrowList{{3, 3, 5, 5}, {4, 4, 5, 6}, {3, 3, 3, 6}, {6, 3, 3, 3}}));
  // The remaining copy is still on screen after the repaint.
  EXPECT_TRUE(IsArrow(Pixel(PointX(3), PointY(4))));
  // The 32nd arrow, then the limit's box.
  EmptyPosition(Now());
  Now().NArrows = 31;
  for (int i = 0; i < 31; i++) {
    int arrow[4] = {i % 8, 0, i % 8, 1 + i / 8};
    std::memcpy(Now().Arr[i], arrow, sizeof arrow);
  }
  Repaint();
  Arrow(6, 6, 7, 7);
  ASSERT_EQ(Now().NArrows, 32);
  ClearRecords();
  std::vector<COLORREF> strip = Strip();
  ClickSquare(0, 7);
  ExpectBox(hwnd, "Can't draw any more arrows", "Title", MB_OK | MB_ICONEXCLAMATION);
  EXPECT_FALSE(Editor().ArrowStarted);
  EXPECT_EQ(Now().NArrows, 32);
  EXPECT_EQ(Strip(), strip);
  EXPECT_FALSE(IsArrow(Pixel(PointX(0), PointY(7))));  // no start mark
  // Erasing also begins with a start click, so a full list stays full.
  Arrow(6, 6, 7, 7);
  EXPECT_EQ(Now().NArrows, 32);
  EXPECT_EQ(RecordedBoxes().size(), 3u);
}
}  // namespace
