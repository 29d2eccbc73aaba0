// Drawing surfaces and what draws on them: brushes, pens, lines, text, pixels.
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/internal.h"

namespace {

std::vector<std::unique_ptr<Dc>> Surfaces;
std::unordered_map<void *, GdiKind> GdiObjects;

// The pixel rows of the target, written directly: fills and thin lines must hit exactly the
// pixels the classic platform does, with nothing smoothed.
void FillPixels(QImage *image, const QRect &r, QRgb pixel) {
  for (int y = r.top(); y <= r.bottom(); y++) {
    QRgb *row = reinterpret_cast<QRgb *>(image->scanLine(y));
    std::fill(row + r.left(), row + r.right() + 1, pixel);
  }
}

// A line one pixel wide from (x0, y0) towards (x1, y1), without the end point.
void ThinLine(QImage *image, const QRect &bounds, int x0, int y0, int x1, int y1, QRgb pixel) {
  int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
  int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int steps = std::max(dx, dy);
  int err = dx - dy;
  int x = x0, y = y0;
  for (int i = 0; i < steps; i++) {
    if (bounds.contains(x, y)) reinterpret_cast<QRgb *>(image->scanLine(y))[x] = pixel;
    int e2 = 2 * err;
    if (e2 > -dy) {
      err -= dy;
      x += sx;
    }
    if (e2 < dx) {
      err += dx;
      y += sy;
    }
  }
}

// A text's lines as DrawText and TextOut lay them out.
int DrawLines(Dc *dc, int x, int y, const QStringList &lines, const QRect *clipTo) {
  QImage *image = dc->Target();
  QFont font = SurfaceFont(dc);
  QFontMetrics metrics(font);
  int height = metrics.height() * static_cast<int>(lines.size());
  if (!image) return height;
  QRect bounds = dc->Bounds();
  if (clipTo) bounds &= *clipTo;
  if (bounds.isEmpty()) return height;
  QPainter p(image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setClipRect(bounds);
  p.setFont(font);
  p.setPen(QColor::fromRgb(PixelOf(dc->textColour)));
  int top = y;
  for (const QString &line : lines) {
    if (dc->bkMode == OPAQUE)
      p.fillRect(QRect(x, top, metrics.horizontalAdvance(line), metrics.height()), Qt::white);
    p.drawText(x, top + metrics.ascent(), line);
    top += metrics.height();
  }
  p.end();
  dc->Changed();
  return height;
}

}  // namespace

// The surfaces' one font: close to the classic system font in size, without smoothing, so that
// text is drawn in exactly the text colour.
QFont SystemFont() {
  static const QFont font = [] {
    QFont f("DejaVu Sans");
    f.setPixelSize(13);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
  }();
  return font;
}

QFont SurfaceFont(const Dc *dc) {
  QFont font = SystemFont();
  if (dc->font && IsGdi(dc->font, GdiKind::Font)) font.setPixelSize(dc->font->pixels);
  return font;
}

HFONT CreateFontOfHeight(int pixels) {
  auto *font = new GdiFont{std::clamp(pixels, 1, 1000)};
  RegisterGdi(font, GdiKind::Font);
  return font;
}

void RegisterGdi(void *object, GdiKind kind) { GdiObjects[object] = kind; }

bool IsGdi(void *object, GdiKind kind) {
  if (!object) return false;
  auto it = GdiObjects.find(object);
  return it != GdiObjects.end() && it->second == kind;
}

void UnregisterGdi(void *object) { GdiObjects.erase(object); }

GdiPen *StockPen() {
  static GdiPen *pen = [] {
    auto *p = new GdiPen{PS_SOLID, 1, RGB(0, 0, 0), true};
    RegisterGdi(p, GdiKind::Pen);
    return p;
  }();
  return pen;
}

Dc *LiveDc(HDC hdc) {
  if (!hdc) return nullptr;
  for (auto &s : Surfaces)
    if (s.get() == hdc) return s.get();
  return nullptr;
}

Dc *NewDc() {
  Surfaces.push_back(std::make_unique<Dc>());
  Dc *dc = Surfaces.back().get();
  dc->pen = StockPen();
  return dc;
}

void FreeDc(Dc *dc) {
  if (dc->origin == Dc::FromCreateCompatibleDC && dc->bitmap) dc->bitmap->selected--;
  std::erase_if(Surfaces, [dc](const std::unique_ptr<Dc> &s) { return s.get() == dc; });
}

QImage *Dc::Target() const {
  if (window) return window->alive && !window->image.isNull() ? &window->image : nullptr;
  if (bitmap && !bitmap->image.isNull()) return &bitmap->image;
  return nullptr;
}

QRect Dc::Bounds() const {
  QImage *image = Target();
  if (!image) return QRect();
  return clip.isNull() ? image->rect() : image->rect() & clip;
}

void Dc::Changed(const QRect &area) const {
  if (window && !window->sharp.isNull() && area.intersects(window->sharpRect)) window->sharp = QImage();
  if (window && window->alive && window->client) window->client->update();
}

void Dc::FillSolid(int left, int top, int right, int bottom, COLORREF colour) {
  QImage *image = Target();
  if (!image) return;
  QRect r = Area(left, top, right, bottom) & Bounds();
  if (r.isEmpty()) return;
  FillPixels(image, r, PixelOf(colour));
  Changed(r);
}

HBRUSH CreateSolidBrush(COLORREF colour) {
  auto *brush = new GdiBrush{colour};
  RegisterGdi(brush, GdiKind::Brush);
  return brush;
}

int FillRect(HDC hdc, const RECT *rect, HBRUSH brush) {
  Dc *dc = LiveDc(hdc);
  if (!dc || !rect || !IsGdi(brush, GdiKind::Brush)) return 0;
  dc->FillSolid(rect->left, rect->top, rect->right, rect->bottom, brush->colour);
  return 1;
}

HPEN CreatePen(int style, int width, COLORREF colour) {
  auto *pen = new GdiPen{style, std::max(width, 1), colour, false};
  RegisterGdi(pen, GdiKind::Pen);
  return pen;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
  Dc *dc = LiveDc(hdc);
  if (!dc || !object) return nullptr;
  if (IsGdi(object, GdiKind::Pen)) {
    GdiPen *old = dc->pen;
    dc->pen = static_cast<GdiPen *>(object);
    dc->penWidth = dc->pen->width;
    dc->penColour = dc->pen->colour;
    return old;
  }
  if (IsGdi(object, GdiKind::Font)) {
    GdiFont *old = dc->font;
    dc->font = static_cast<GdiFont *>(object);
    return old;
  }
  if (IsGdi(object, GdiKind::Bitmap)) {
    if (dc->origin != Dc::FromCreateCompatibleDC) return nullptr;
    GdiBitmap *old = dc->bitmap;
    if (old) old->selected--;
    dc->bitmap = static_cast<GdiBitmap *>(object);
    dc->bitmap->selected++;
    return old;
  }
  return nullptr;
}

bool DeleteObject(HGDIOBJ object) {
  if (IsGdi(object, GdiKind::Brush)) {
    UnregisterGdi(object);
    delete static_cast<GdiBrush *>(object);
    return true;
  }
  if (IsGdi(object, GdiKind::Pen)) {
    auto *pen = static_cast<GdiPen *>(object);
    if (pen->stock) return true;
    // A surface that still holds the pen keeps drawing with its copied values.
    for (auto &s : Surfaces)
      if (s->pen == pen) s->pen = StockPen();
    UnregisterGdi(object);
    delete pen;
    return true;
  }
  if (IsGdi(object, GdiKind::Font)) {
    for (auto &s : Surfaces)
      if (s->font == object) s->font = nullptr;
    UnregisterGdi(object);
    delete static_cast<GdiFont *>(object);
    return true;
  }
  if (IsGdi(object, GdiKind::Bitmap)) {
    auto *bitmap = static_cast<GdiBitmap *>(object);
    if (bitmap->stock) return true;
    if (bitmap->selected > 0) return false;  // still in a memory surface
    UnregisterGdi(object);
    delete bitmap;
    return true;
  }
  return false;
}

bool MoveToEx(HDC hdc, int x, int y, POINT *old) {
  Dc *dc = LiveDc(hdc);
  if (!dc) return false;
  if (old) *old = POINT{dc->current.x(), dc->current.y()};
  dc->current = QPoint(Coord(x), Coord(y));
  return true;
}

bool LineTo(HDC hdc, int x, int y) {
  Dc *dc = LiveDc(hdc);
  if (!dc) return false;
  QPoint from = dc->current;
  x = Coord(x), y = Coord(y);
  dc->current = QPoint(x, y);
  QImage *image = dc->Target();
  if (!image || from == QPoint(x, y)) return true;
  QRect bounds = dc->Bounds();
  if (dc->penWidth <= 1) {
    ThinLine(image, bounds, from.x(), from.y(), x, y, PixelOf(dc->penColour));
  } else {
    // A wide pen: round caps and joins, centred on the pixel centres of the line.
    QPainter p(image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(bounds);
    p.translate(0.5, 0.5);
    p.setPen(QPen(QColor::fromRgb(PixelOf(dc->penColour)), dc->penWidth, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, QPoint(x, y));
  }
  dc->Changed();
  return true;
}

bool TextOut(HDC hdc, int x, int y, const char *text, int length) {
  Dc *dc = LiveDc(hdc);
  if (!dc || !text || length < 0) return false;
  int n = 0;
  while (n < length && text[n]) n++;  // never past the terminating zero
  DrawLines(dc, Coord(x), Coord(y), QStringList{TextOf(text, n)}, nullptr);
  return true;
}

int DrawText(HDC hdc, const char *text, int length, RECT *rect, UINT format) {
  Dc *dc = LiveDc(hdc);
  if (!dc || !text || !rect) return 0;
  int n = 0;
  while ((length < 0 || n < length) && text[n]) n++;
  QString s = TextOf(text, n);
  QStringList lines;
  if (format & DT_SINGLELINE) {
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    s.remove(QLatin1Char('\r'));
    if (format & DT_END_ELLIPSIS) {
      const int room = std::max(0, rect->right - rect->left);
      s = QFontMetrics(SurfaceFont(dc)).elidedText(s, Qt::ElideRight, room);
    }
    lines << s;
  } else {
    s.remove(QLatin1Char('\r'));
    lines = s.split(QLatin1Char('\n'));
  }
  QRect box = Area(rect->left, rect->top, rect->right, rect->bottom);
  return DrawLines(dc, Coord(rect->left), Coord(rect->top), lines,
                   (format & DT_NOCLIP) ? nullptr : &box);
}

COLORREF SetTextColor(HDC hdc, COLORREF colour) {
  Dc *dc = LiveDc(hdc);
  if (!dc) return CLR_INVALID;
  COLORREF old = dc->textColour;
  dc->textColour = colour;
  return old;
}

int SetBkMode(HDC hdc, int mode) {
  Dc *dc = LiveDc(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  int old = dc->bkMode;
  dc->bkMode = mode;
  return old;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  Dc *dc = LiveDc(hdc);
  QImage *image = dc ? dc->Target() : nullptr;
  if (!image || !image->rect().contains(x, y)) return CLR_INVALID;
  return ColourOf(image->pixel(x, y));
}

bool DrawPicture(HDC hdc, int x, int y, int w, int h, const uint32_t *pixels, int pw, int ph) {
  Dc *dc = LiveDc(hdc);
  QImage *image = dc ? dc->Target() : nullptr;
  if (!image || !pixels || w <= 0 || h <= 0 || pw <= 0 || ph <= 0) return false;
  // The caller's pixels, not copied: the image below is made from them before this returns.
  const QImage picture(reinterpret_cast<const uchar *>(pixels), pw, ph, pw * 4,
                       QImage::Format_ARGB32_Premultiplied);
  const QRect area(x, y, w, h);
  QPainter p(image);
  p.setClipRect(dc->Bounds());
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(area, picture);
  p.end();
  dc->Changed(area);
  if (dc->window && (pw > w || ph > h)) {
    dc->window->sharp = picture.copy();
    dc->window->sharp.setDevicePixelRatio(static_cast<double>(pw) / w);
    dc->window->sharpRect = area;
  }
  return true;
}
