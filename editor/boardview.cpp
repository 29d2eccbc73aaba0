// The board view: the white field with frame, grid, squares in the theme's colours, labels, men
// of the chosen set, markers and arrows, drawn by the vector composer at any size (the status line
// under it is statusline.cpp's).
#include <algorithm>
#include <cmath>

#include "editor/editor.h"
#include "model/model.h"
#include "render/vectorapi.h"

double BoardScale = 1;
int BoardLeft = 198, BoardTop = 16;

namespace {
// Room round the field: the palette's right edge at its left, the status line below.
constexpr int FieldMinLeft = 198, FieldMinTop = 16, RightMargin = 7, BottomMargin = 46;

// A point of the view at scale 1, measured from the field's corner, at the present scale.
int X(int fromField) { return BoardLeft + static_cast<int>(std::lround(fromField * BoardScale)); }
int Y(int fromField) { return BoardTop + static_cast<int>(std::lround(fromField * BoardScale)); }

void Fill(HDC hdc, int left, int top, int right, int bottom, COLORREF colour) {
  RECT r = {left, top, right, bottom};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(hdc, &r, brush);
  DeleteObject(brush);
}
}  // namespace

int SquareX(int column) { return X(22 + SquareStep * column); }
int SquareY(int rowFromTop) { return Y(4 + SquareStep * rowFromTop); }

void FitBoard(int width, int height) {
  const int roomX = width - RightMargin - FieldMinLeft, roomY = height - BottomMargin - FieldMinTop;
  const double scale = std::max(1.0, std::min(double(roomX) / FieldWidth, double(roomY) / FieldHeight));
  BoardLeft = FieldMinLeft + std::max(0, static_cast<int>((roomX - FieldWidth * scale) / 2));
  BoardTop = FieldMinTop + std::max(0, static_cast<int>((roomY - FieldHeight * scale) / 2));
  Editor().StatusTop = std::max(340, height - 42);
  Editor().StatusRight = std::max(520, width - RightMargin);
  if (scale != BoardScale) {
    BoardScale = scale;
    LoadBoardImages(static_cast<int>(std::lround(SquareSide * scale)));
  }
}

// The whole field from the vector composer, at the screen's own pixels; should the composer be
// missing, the field stays white and the status line says why.
void DrawBoard(HDC hdc) {
  const int w = X(FieldWidth) - X(0), h = Y(FieldHeight) - Y(0);
  const double ratio = MainWnd ? PixelRatio(MainWnd) : 1.0;
  const int pw = static_cast<int>(std::lround(w * ratio)), ph = static_cast<int>(std::lround(h * ratio));
  std::string pixels, why;
  SetBkMode(hdc, TRANSPARENT);  // as the labels' text always left it for the status line
  if (VectorPicture(VectorDiagramOf(PictureBoardView, Editor().diagram, Editor().settings, pw, ph),
                    PictureCanvas(), &pixels, &why)) {
    DrawPicture(hdc, X(0), Y(0), w, h, reinterpret_cast<const uint32_t *>(pixels.data()), pw, ph);
    return;
  }
  Fill(hdc, X(0), Y(0), X(FieldWidth), Y(FieldHeight), RGB(255, 255, 255));
  Scribe(hdc, why.c_str());
}

void RepaintSquare(HDC hdc, int column, int rowFromTop) {
  if (column < 0 || column > 7 || rowFromTop < 0 || rowFromTop > 7) return;
  DrawBoard(hdc);  // the composer draws the whole field in a few milliseconds
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
