// The board view: white field, frame, grid, squares in the theme's colours, labels, figures and
// red arrows, drawn with the platform's drawing calls (the status line under them is
// statusline.cpp's).
#include <algorithm>
#include <cmath>
#include <cstring>

#include "editor/editor.h"
#include "model/model.h"

int BoardScale = 1, BoardLeft = 198, BoardTop = 16;

namespace {
constexpr COLORREF ArrowColour = RGB(180, 0, 0);
constexpr int ArrowPenWidth = 4;
constexpr double BarbLength = 10.0;
const char FileLetters[] = "abcdefgh";
const char RankDigits[] = "12345678";
// Room round the field: the palette's right edge at its left, the status line below.
constexpr int FieldMinLeft = 198, FieldMinTop = 16, RightMargin = 7, BottomMargin = 46;

// A point of the view at scale 1, measured from the field's corner, at the present scale.
int X(int fromField) { return BoardLeft + fromField * BoardScale; }
int Y(int fromField) { return BoardTop + fromField * BoardScale; }

void Fill(HDC hdc, int left, int top, int right, int bottom, COLORREF colour) {
  RECT r = {left, top, right, bottom};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(hdc, &r, brush);
  DeleteObject(brush);
}

// The frame, with a pen of its own (the surface's pen is selected again before it is freed),
// and the grid lines, BoardScale pixels wide, between the squares.
void FrameAndGrid(HDC hdc) {
  HPEN frame = CreatePen(PS_SOLID, 5 * BoardScale, RGB(0, 0, 0));
  HGDIOBJ old = SelectObject(hdc, frame);
  MoveToEx(hdc, X(19), Y(1), nullptr);
  LineTo(hdc, X(319), Y(1));
  LineTo(hdc, X(319), Y(301));
  LineTo(hdc, X(19), Y(301));
  LineTo(hdc, X(19), Y(1));
  SelectObject(hdc, old);
  DeleteObject(frame);
  for (int i = 0; i < 7; i++) {
    Fill(hdc, X(58 + 37 * i), Y(3), X(58 + 37 * i) + BoardScale, Y(301), RGB(0, 0, 0));
  }
  for (int i = 0; i < 7; i++) {
    Fill(hdc, X(22), Y(40 + 37 * i), X(321), Y(40 + 37 * i) + BoardScale, RGB(0, 0, 0));
  }
}

// File letters under the board and rank digits at its left, read from the side at the bottom;
// each beside the middle of its square.
void Labels(HDC hdc) {
  SetBkMode(hdc, TRANSPARENT);
  // The surface's own font at scale 1; above, one as much larger as the board.
  HFONT font = BoardScale > 1 ? CreateFontOfHeight(13 * BoardScale) : nullptr;
  HGDIOBJ old = font ? SelectObject(hdc, font) : nullptr;
  // From the middle of the square back by about half a label's width or height.
  const int back = (7 * BoardScale + 7) / 2, up = 7 * BoardScale;
  for (int i = 0; i < 8; i++) {
    int k = Editor().diagram.Flipped ? 7 - i : i;
    TextOut(hdc, X(40 + 37 * i) - back, Y(304), &FileLetters[k], 1);
    TextOut(hdc, X(6), Y(22 + 37 * (7 - i)) - up, &RankDigits[k], 1);
  }
  if (font) {
    SelectObject(hdc, old);
    DeleteObject(font);
  }
}
}  // namespace

int SquareX(int column) { return X(22 + SquareStep * column); }
int SquareY(int rowFromTop) { return Y(4 + SquareStep * rowFromTop); }

void FitBoard(int width, int height) {
  int roomX = width - RightMargin - FieldMinLeft, roomY = height - BottomMargin - FieldMinTop;
  int scale = std::max(1, std::min(roomX / FieldWidth, roomY / FieldHeight));
  BoardLeft = FieldMinLeft + std::max(0, (roomX - FieldWidth * scale) / 2);
  BoardTop = FieldMinTop + std::max(0, (roomY - FieldHeight * scale) / 2);
  Editor().StatusTop = std::max(340, height - 42);
  Editor().StatusRight = std::max(520, width - RightMargin);
  if (scale != BoardScale) {
    BoardScale = scale;
    LoadBoardImages(scale);
  }
}

void DrawBoard(HDC hdc) {
  const Diagram &d = Editor().diagram;
  Fill(hdc, X(0), Y(0), X(FieldWidth), Y(FieldHeight), RGB(255, 255, 255));
  FrameAndGrid(hdc);
  for (int c = 0; c < 8; c++)
    for (int t = 0; t < 8; t++) EmptySq(hdc, c, t);
  Labels(hdc);
  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++)
      if (d.Pos[c * 8 + r] != 0) DrawPiece(hdc, d.Pos[c * 8 + r], SquareX(c), SquareY(7 - r));
  for (int i = 0; i < d.ArrowCount(); i++) DrawArrow(hdc, d.Arr[i]);
}

void EmptySq(HDC hdc, int column, int rowFromTop) {
  // Light when column + row-from-top is even: the top-left square is always light.
  const int theme = Editor().settings.ThemeIndex();
  const uint8_t *rgb = (column + rowFromTop) % 2 == 0 ? Lt[theme] : Dk[theme];
  int left = SquareX(column), top = SquareY(rowFromTop), side = SquareSide * BoardScale;
  Fill(hdc, left, top, left + side, top + side, ThemeColour(rgb));
}

void RepaintSquare(HDC hdc, int column, int rowFromTop) {
  if (column < 0 || column > 7 || rowFromTop < 0 || rowFromTop > 7) return;
  const Diagram &d = Editor().diagram;
  EmptySq(hdc, column, rowFromTop);
  DrawPiece(hdc, d.Pos[column * 8 + 7 - rowFromTop], SquareX(column), SquareY(rowFromTop));
  for (int i = 0; i < d.ArrowCount(); i++) DrawArrow(hdc, d.Arr[i]);
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

void DrawArrow(HDC hdc, const int32_t a[4]) {
  // Ends off the board come only from a damaged position file; such an arrow is not drawn.
  for (int k = 0; k < 4; k++)
    if (a[k] < 0 || a[k] > 7) return;
  int x1 = X(39 + 37 * a[0]), y1 = Y(21 + 37 * a[1]);
  int x2 = X(39 + 37 * a[2]), y2 = Y(21 + 37 * a[3]);
  HPEN pen = CreatePen(PS_SOLID, ArrowPenWidth * BoardScale, ArrowColour);
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
  double d = BarbLength * BoardScale / std::sqrt(slope * slope + 1);
  double ax = x2 + d, ay = y2 + d * slope;
  double bx = x2 - d, by = y2 - d * slope;
  double da = (ax - x1) * (ax - x1) + (ay - y1) * (ay - y1);
  double db = (bx - x1) * (bx - x1) + (by - y1) * (by - y1);
  double ex = da <= db ? ax : bx, ey = da <= db ? ay : by;
  MoveToEx(hdc, x2, y2, nullptr);
  LineTo(hdc, static_cast<int>(ex), static_cast<int>(ey));
}
