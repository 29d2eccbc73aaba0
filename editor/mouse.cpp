// Mouse editing: the tool cursor over the board, placing and removing figures, and the arrow
// tool (start click, end click; drawing an existing arrow again erases it).
#include <cstdlib>

#include "editor/editor.h"
#include "model/model.h"

namespace {
constexpr int ArrowTool = 15;

// Division rounding towards minus infinity: a click left of or above the board gives a
// negative column or row, never column or row 0.
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The pending arrow: the record after the last arrow in use.
int32_t *Pending() { return Arr[NArrows]; }

void PlaceOrRemove(HDC hdc, int c, int t) {
  int32_t &cell = Pos[c * 8 + (7 - t)];
  EmptySq(hdc, c, t);
  if (SelPiece != 0 && cell != SelPiece) {
    DrawPiece(hdc, SelPiece, SquareLeft + SquareStep * c, SquareTop + SquareStep * t);
    cell = SelPiece;
  } else {
    cell = 0;  // the eraser, or a second click with the square's own figure
  }
}

void ArrowClick(HWND hwnd, HDC hdc, int c, int t) {
  if (ArrowStarted && NArrows < MaxArrows) {
    Pending()[2] = c;
    Pending()[3] = t;
    if (EraseArrow(hdc)) return;
    if (ArrowValid(hdc)) {
      DrawArrow(hdc, NArrows);
      NArrows++;
    }
  } else if (NArrows < MaxArrows) {
    DrawPiece(hdc, ArrowTool, SquareLeft + SquareStep * c, SquareTop + SquareStep * t);
    Pending()[0] = c;
    Pending()[1] = t;
    ArrowStarted = 1;
    Scribe(hdc, "Arrow started. Click end square");
  } else {
    ArrowStarted = 0;
    MessageBox(hwnd, "Can't draw any more arrows", "Title", MB_OK | MB_ICONEXCLAMATION);
  }
}
}  // namespace

void MouseMove(int x, int y) {
  // Over the framed board the cursor shows the tool; elsewhere the class cursor stays.
  if (x < 220 || x > 518 || y < 18 || y > 316) return;
  if (SelPiece < 0 || SelPiece > 15 || !Curs[SelPiece]) return;
  SetCursor(Curs[SelPiece]);
}

void LeftButtonDown(HWND hwnd, int x, int y) {
  // Each square answers for its 36 x 36 pixels and the grid line to its right and below it.
  int c = FloorDiv(x - SquareLeft, SquareStep), t = FloorDiv(y - SquareTop, SquareStep);
  if (c < 0 || c > 7 || t < 0 || t > 7) return;
  HDC hdc = GetDC(hwnd);
  if (SelPiece != ArrowTool)
    PlaceOrRemove(hdc, c, t);
  else
    ArrowClick(hwnd, hdc, c, t);
  ReleaseDC(hwnd, hdc);
}

int EraseArrow(HDC hdc) {
  const int32_t *p = Pending();
  for (int i = 0; i < NArrows; i++) {
    if (Arr[i][0] != p[0] || Arr[i][1] != p[1] || Arr[i][2] != p[2] || Arr[i][3] != p[3])
      continue;
    for (int j = i; j + 1 < NArrows; j++)
      for (int k = 0; k < 4; k++) Arr[j][k] = Arr[j + 1][k];
    NArrows--;
    DrawBoard(hdc);
    Scribe(hdc, "Arrow erased");
    ArrowStarted = 0;
    return 1;
  }
  return 0;
}

int ArrowValid(HDC hdc) {
  ArrowStarted = 0;
  const int32_t *p = Pending();
  int dx = std::abs(p[2] - p[0]), dy = std::abs(p[3] - p[1]);
  // A diagonal (the start square itself included), a rank or file, or a knight's move.
  bool valid = dx == dy || dx == 0 || dy == 0 || (dx == 2 && dy == 1) || (dx == 1 && dy == 2);
  Scribe(hdc, valid ? "Arrow complete" : "Invalid Arrow. Please start again.");
  return valid ? 1 : 0;
}
