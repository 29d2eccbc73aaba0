// The board view: white field, frame, grid, squares in the theme's colours, labels, figures and
// red arrows, drawn with the platform's drawing calls.
#include <cmath>

#include "editor/editor.h"
#include "model/model.h"

namespace {
constexpr COLORREF ArrowColour = RGB(180, 0, 0);
constexpr int ArrowPenWidth = 4;
constexpr double BarbLength = 10.0;
const char FileLetters[] = "abcdefgh";
const char RankDigits[] = "12345678";

// The frame and the grid, each with a pen of its own; the surface's pen is selected again
// before a pen is freed.
void FrameAndGrid(HDC hdc) {
  HPEN frame = CreatePen(PS_SOLID, 5, RGB(0, 0, 0));
  HGDIOBJ old = SelectObject(hdc, frame);
  MoveToEx(hdc, 217, 17, nullptr);
  LineTo(hdc, 517, 17);
  LineTo(hdc, 517, 317);
  LineTo(hdc, 217, 317);
  LineTo(hdc, 217, 17);
  SelectObject(hdc, old);
  DeleteObject(frame);

  HPEN grid = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  old = SelectObject(hdc, grid);
  for (int i = 0; i < 7; i++) {
    MoveToEx(hdc, 256 + 37 * i, 19, nullptr);
    LineTo(hdc, 256 + 37 * i, 317);
  }
  for (int i = 0; i < 7; i++) {
    MoveToEx(hdc, 220, 56 + 37 * i, nullptr);
    LineTo(hdc, 519, 56 + 37 * i);
  }
  SelectObject(hdc, old);
  DeleteObject(grid);
}

// File letters under the board and rank digits at its left, read from the side at the bottom.
void Labels(HDC hdc) {
  SetBkMode(hdc, TRANSPARENT);
  for (int i = 0; i < 8; i++) {
    int k = Flipped ? 7 - i : i;
    TextOut(hdc, 231 + 37 * i, 320, &FileLetters[k], 1);
    TextOut(hdc, 204, 290 - 37 * i, &RankDigits[k], 1);
  }
}
}  // namespace

void DrawBoard(HDC hdc) {
  RECT field = {198, 16, 520, 336};
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  FillRect(hdc, &field, white);
  DeleteObject(white);
  FrameAndGrid(hdc);
  for (int c = 0; c < 8; c++)
    for (int t = 0; t < 8; t++) EmptySq(hdc, c, t);
  Labels(hdc);
  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++)
      if (Pos[c * 8 + r] != 0)
        DrawPiece(hdc, Pos[c * 8 + r], SquareLeft + SquareStep * c,
                  SquareTop + SquareStep * (7 - r));
  for (int i = 0; i < NArrows && i < MaxArrows; i++) DrawArrow(hdc, i);
}

void EmptySq(HDC hdc, int column, int rowFromTop) {
  // Light when column + row-from-top is even: the top-left square is always light.
  const int16_t *rgb = (column + rowFromTop) % 2 == 0 ? Lt[Theme] : Dk[Theme];
  int left = SquareLeft + SquareStep * column, top = SquareTop + SquareStep * rowFromTop;
  RECT square = {left, top, left + SquareSide, top + SquareSide};
  HBRUSH brush = CreateSolidBrush(ThemeColour(rgb));
  FillRect(hdc, &square, brush);
  DeleteObject(brush);
}

void DrawPiece(HDC hdc, int code, int x, int y) {
  // Codes from a damaged file, or an image that failed to load, draw nothing.
  if (code < 1 || code > 15 || !Mask[code] || !Pics[code]) return;
  BITMAP bm = {};
  GetObject(Mask[code], sizeof bm, &bm);
  HDC memory = CreateCompatibleDC(hdc);
  HGDIOBJ old = SelectObject(memory, Mask[code]);
  BitBlt(hdc, x, y, bm.bmWidth, bm.bmHeight, memory, 0, 0, SRCAND);   // figure area black
  SelectObject(memory, Pics[code]);
  BitBlt(hdc, x, y, bm.bmWidth, bm.bmHeight, memory, 0, 0, SRCPAINT); // figure's own pixels
  SelectObject(memory, old);
  DeleteDC(memory);
}

void DrawArrow(HDC hdc, int index) {
  const int32_t *a = Arr[index];
  // Ends off the board come only from a damaged position file; such an arrow is not drawn.
  for (int k = 0; k < 4; k++)
    if (a[k] < 0 || a[k] > 7) return;
  int x1 = 237 + 37 * a[0], y1 = 37 + 37 * a[1];
  int x2 = 237 + 37 * a[2], y2 = 37 + 37 * a[3];
  HPEN pen = CreatePen(PS_SOLID, ArrowPenWidth, ArrowColour);
  HGDIOBJ old = SelectObject(hdc, pen);
  MoveToEx(hdc, x1, y1, nullptr);
  LineTo(hdc, x2, y2);
  // The 0.001 terms keep the slopes finite for vertical shafts and barbs.
  double m = (y2 - y1) / ((x2 - x1) + 0.001);
  DrawTip(hdc, x1, y1, x2, y2, (m + 1) / ((1 - m) + 0.001));  // +45 degrees to the shaft
  DrawTip(hdc, x1, y1, x2, y2, (m - 1) / ((m + 1) + 0.001));  // -45 degrees
  SelectObject(hdc, old);
  DeleteObject(pen);
}

void DrawTip(HDC hdc, int x1, int y1, int x2, int y2, double slope) {
  // Of the two 10-pixel ends along the slope, the one nearer the shaft's start (A on a tie).
  double d = BarbLength / std::sqrt(slope * slope + 1);
  double ax = x2 + d, ay = y2 + d * slope;
  double bx = x2 - d, by = y2 - d * slope;
  double da = (ax - x1) * (ax - x1) + (ay - y1) * (ay - y1);
  double db = (bx - x1) * (bx - x1) + (by - y1) * (by - y1);
  double ex = da <= db ? ax : bx, ey = da <= db ? ay : by;
  MoveToEx(hdc, x2, y2, nullptr);
  LineTo(hdc, static_cast<int>(ex), static_cast<int>(ey));
}
