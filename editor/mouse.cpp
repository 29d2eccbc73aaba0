// Mouse editing: the tool cursor over the board, placing and removing figures, the arrow tool
// (start click, end click; drawing an existing arrow again erases it), and dragging figures.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "editor/editor.h"

namespace {
constexpr int ArrowTool = 15;

// The pressed figure waiting for the release: its code (0: none), its square (column -1: it
// comes from the palette), and whether the pointer has left that square.
int DragCode = 0, DragColumn = -1, DragRow = -1;
bool DragMoved = false;

// The square under a point of the client area; false off the board. Each square answers for
// its pixels and the grid line to its right and below it.
bool SquareAt(int x, int y, int *c, int *t) {
  // Rounded down: a click left of or above the board gives a negative column or row, never 0.
  const double step = SquareStep * BoardScale;
  *c = static_cast<int>(std::floor((x - SquareX(0)) / step));
  *t = static_cast<int>(std::floor((y - SquareY(0)) / step));
  return *c >= 0 && *c <= 7 && *t >= 0 && *t <= 7;
}

int32_t &Cell(int c, int t) { return Editor().diagram.Pos[c * 8 + (7 - t)]; }

void PlaceOrRemove(HDC hdc, int c, int t) {
  int32_t &cell = Cell(c, t);
  const int32_t tool = Editor().SelPiece;
  RememberForUndo();
  Editor().diagram.NullMove = 0;  // the men edited are no longer the position a null move left
  // The tool goes on the square; the eraser, or a second click with the square's own figure,
  // empties it.
  cell = tool != 0 && cell != tool ? tool : 0;
  RepaintSquare(hdc, c, t);
}

void ArrowClick(HWND hwnd, HDC hdc, int c, int t) {
  EditorState &e = Editor();
  Diagram &d = e.diagram;
  int32_t *pending = e.PendingArrow;
  if (e.ArrowStarted && d.NArrows < MaxArrows) {
    pending[2] = c;
    pending[3] = t;
    RememberForUndo();
    if (EraseArrow(hdc)) return;
    int c0 = pending[0], t0 = pending[1];
    if (ArrowValid(hdc)) {
      int32_t *added = d.Arr[d.NArrows];
      std::copy(pending, pending + 4, added);
      d.NArrows++;
    }
    RepaintSquare(hdc, c0, t0);  // the start mark has done its work, whatever the verdict
  } else if (d.NArrows < MaxArrows) {
    DrawPiece(hdc, ArrowTool, SquareX(c), SquareY(t));
    pending[0] = c;
    pending[1] = t;
    e.ArrowStarted = true;
    Scribe(hdc, "Arrow started. Click end square");
  } else {
    e.ArrowStarted = false;
    MessageBox(hwnd, "Can't draw any more arrows", "Title", MB_OK | MB_ICONEXCLAMATION);
  }
}

// The classic click on a square: the tool applied.
void Click(HWND hwnd, int c, int t) {
  HDC hdc = GetDC(hwnd);
  if (Editor().SelPiece != ArrowTool)
    PlaceOrRemove(hdc, c, t);
  else
    ArrowClick(hwnd, hdc, c, t);
  ReleaseDC(hwnd, hdc);
}
}  // namespace

void MouseMove(int x, int y) {
  // Over the framed board (at scale 1: x 220..518, y 18..316) the cursor shows the tool;
  // elsewhere the class cursor stays.
  if (x < BoardLeft + 22 * BoardScale || x > BoardLeft + 320 * BoardScale ||
      y < BoardTop + 2 * BoardScale || y > BoardTop + 300 * BoardScale)
    return;
  const int32_t tool = Editor().SelPiece;
  if (tool < 0 || tool > 15 || !Curs[tool]) return;
  SetCursor(Curs[tool]);
}

void LeftButtonDown(HWND hwnd, int x, int y) {
  int c, t;
  if (!SquareAt(x, y, &c, &t)) return;
  if (Cell(c, t) < 1 || Cell(c, t) > 14) {
    Click(hwnd, c, t);
    return;
  }
  DragCode = Cell(c, t);  // a figure: the release decides
  DragColumn = c, DragRow = t;
  DragMoved = false;
}

void PaletteDrag(int index) {
  if (index < 1 || index > 14) return;  // the figures and markers; not the eraser or arrows
  DragCode = index;
  DragColumn = DragRow = -1;
  DragMoved = true;
  if (Curs[index]) SetCursor(Curs[index]);
}

void DragMove(int x, int y) {
  if (!DragCode) return;
  int c, t;
  if (!SquareAt(x, y, &c, &t) || c != DragColumn || t != DragRow) DragMoved = true;
  // The dragged figure follows the pointer as its cursor.
  if (DragMoved && Curs[DragCode]) SetCursor(Curs[DragCode]);
}

void LeftButtonUp(HWND hwnd, int x, int y) {
  if (!DragCode) return;
  const int code = DragCode, fromC = DragColumn, fromT = DragRow;
  DragCode = 0;
  int c, t;
  bool onBoard = SquareAt(x, y, &c, &t);
  if (fromC >= 0 && (!DragMoved || (onBoard && c == fromC && t == fromT))) {
    Click(hwnd, fromC, fromT);
    return;
  }
  if (fromC < 0 && !onBoard) return;  // a palette figure dropped beside the board
  RememberForUndo();
  Editor().diagram.NullMove = 0;
  if (fromC >= 0) Cell(fromC, fromT) = 0;
  if (onBoard) Cell(c, t) = code;
  Editor().ArrowStarted = false;  // the start mark is painted over
  HDC hdc = GetDC(hwnd);
  DrawBoard(hdc);
  ReleaseDC(hwnd, hdc);
}

int EraseArrow(HDC hdc) {
  EditorState &e = Editor();
  Diagram &d = e.diagram;
  const int32_t *p = e.PendingArrow;
  const int n = d.ArrowCount();
  for (int i = 0; i < n; i++) {
    if (!std::equal(p, p + 4, d.Arr[i])) continue;
    for (int j = i; j + 1 < n; j++) std::copy(d.Arr[j + 1], d.Arr[j + 1] + 4, d.Arr[j]);
    d.NArrows = n - 1;
    DrawBoard(hdc);
    Scribe(hdc, "Arrow erased");
    e.ArrowStarted = false;
    return 1;
  }
  return 0;
}

int ArrowValid(HDC hdc) {
  Editor().ArrowStarted = false;
  const int32_t *p = Editor().PendingArrow;
  int dx = std::abs(p[2] - p[0]), dy = std::abs(p[3] - p[1]);
  // A diagonal (the start square itself included), a rank or file, or a knight's move.
  bool valid = dx == dy || dx == 0 || dy == 0 || (dx == 2 && dy == 1) || (dx == 1 && dy == 2);
  Scribe(hdc, valid ? "Arrow complete" : "Invalid Arrow. Please start again.");
  return valid ? 1 : 0;
}
