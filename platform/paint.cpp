// Invalid regions and paint requests; the surfaces of a client area.
#include "platform/internal.h"

void Invalidate(Window *w, const QRect &r, bool erase) {
  QRect area = r.intersected(w->image.rect());
  if (area.isEmpty()) return;
  w->invalidRect = w->invalid ? w->invalidRect.united(area) : area;
  w->invalid = true;
  w->eraseNeeded = w->eraseNeeded || erase;
}

bool InvalidateRect(HWND hwnd, const RECT *rect, bool erase) {
  Window *w = LiveWindow(hwnd);
  if (!w || w->kind != Kind::Class) return false;
  QRect r = rect ? Area(rect->left, rect->top, rect->right, rect->bottom) : w->image.rect();
  Invalidate(w, r, erase);
  return true;
}

bool UpdateWindow(HWND hwnd) {
  Window *w = LiveWindow(hwnd);
  if (!w) return false;
  if (w->kind == Kind::Class && w->invalid) SendMessage(hwnd, WM_PAINT, 0, 0);
  return true;
}

HDC GetDC(HWND hwnd) {
  Window *w = nullptr;
  if (hwnd) {
    w = LiveWindow(hwnd);
    if (!w || w->kind != Kind::Class) return nullptr;
  }
  Dc *dc = NewDc();
  dc->origin = Dc::FromGetDC;
  dc->window = w;
  if (!w) dc->bitmap = StockBitmap();  // the screen: a surface that draws nowhere
  return dc;
}

int ReleaseDC(HWND, HDC hdc) {
  Dc *dc = LiveDc(hdc);
  if (!dc || dc->origin != Dc::FromGetDC) return 0;
  FreeDc(dc);
  return 1;
}

// Validates the window. The surface is clipped to what was invalid; when nothing was (a paint
// sent by hand), it covers the whole client area.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT *ps) {
  Window *w = LiveWindow(hwnd);
  if (!w || w->kind != Kind::Class) return nullptr;
  QRect area = w->invalid ? w->invalidRect : w->image.rect();
  if (w->invalid && w->eraseNeeded) {
    QRgb background = PixelOf(w->background);
    for (int y = area.top(); y <= area.bottom(); y++) {
      QRgb *row = reinterpret_cast<QRgb *>(w->image.scanLine(y));
      for (int x = area.left(); x <= area.right(); x++) row[x] = background;
    }
    if (w->client) w->client->update(area);
  }
  w->invalid = false;
  w->eraseNeeded = false;
  w->invalidRect = QRect();
  Dc *dc = NewDc();
  dc->origin = Dc::FromBeginPaint;
  dc->window = w;
  dc->clip = area;
  if (ps) {
    ps->hdc = dc;
    ps->rcPaint = RECT{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
  }
  return dc;
}

bool EndPaint(HWND, const PAINTSTRUCT *ps) {
  if (!ps) return false;
  Dc *dc = LiveDc(ps->hdc);
  if (!dc || dc->origin != Dc::FromBeginPaint) return false;
  FreeDc(dc);
  return true;
}
