// Bitmaps and cursors read from files, memory surfaces and the copies between surfaces.
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

#include "platform/internal.h"

namespace {

// An image file read whole, scaled to cx x cy by nearest pixels (masks must stay two-coloured);
// 0 for either keeps the file's own size. Null when the file is missing or unreadable.
QImage ReadImage(const char *name, int cx, int cy) {
  if (!name || !*name) return QImage();
  QString path = QString::fromLocal8Bit(name);
  if (!QFileInfo(path).isFile()) return QImage();
  QImageReader reader(path);
  reader.setAutoTransform(false);
  QImage image = reader.read();
  if (image.isNull()) return QImage();
  int w = cx > 0 ? cx : image.width(), h = cy > 0 ? cy : image.height();
  if (w > 4096 || h > 4096) return QImage();
  if (image.size() != QSize(w, h))
    image = image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  return image;
}

}  // namespace

GdiBitmap *StockBitmap() {
  static GdiBitmap *bitmap = [] {
    auto *b = new GdiBitmap{QImage(1, 1, QImage::Format_RGB32), 0, true};
    b->image.fill(0xFF000000u);
    RegisterGdi(b, GdiKind::Bitmap);
    return b;
  }();
  return bitmap;
}

HANDLE LoadImage(HINSTANCE, const char *name, UINT type, int cx, int cy, UINT flags) {
  if (!(flags & LR_LOADFROMFILE)) return nullptr;  // the program has no resources
  QImage image = ReadImage(name, cx, cy);
  if (image.isNull()) return nullptr;
  if (type == IMAGE_BITMAP) {
    // A bitmap has no transparency: an alpha channel is ignored and the colours kept as stored
    // (Qt's own conversion would darken them by their alpha).
    QImage opaque(image.size(), QImage::Format_RGB32);
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); y++) {
      const QRgb *in = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
      QRgb *out = reinterpret_cast<QRgb *>(opaque.scanLine(y));
      for (int x = 0; x < argb.width(); x++) out[x] = in[x] | 0xFF000000u;
    }
    auto *bitmap = new GdiBitmap{opaque, 0, false};
    RegisterGdi(bitmap, GdiKind::Bitmap);
    return bitmap;
  }
  if (type == IMAGE_CURSOR || type == IMAGE_ICON) {
    QPixmap pixmap = QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32));
    auto *cursor = new GdiCursor{QCursor(pixmap, image.width() / 2, image.height() / 2),
                                 QIcon(pixmap), image};
    RegisterGdi(cursor, GdiKind::Cursor);
    return cursor;
  }
  return nullptr;
}

HBITMAP CreatePictureBitmap(const uint32_t *pixels, int pw, int ph, double ratio) {
  if (!pixels || pw <= 0 || ph <= 0 || pw > 4096 || ph > 4096 || !(ratio >= 1)) return nullptr;
  QImage image(pw, ph, QImage::Format_RGB32);
  for (int y = 0; y < ph; y++) {
    QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < pw; x++) out[x] = pixels[static_cast<size_t>(y) * pw + x] | 0xFF000000u;
  }
  image.setDevicePixelRatio(ratio);
  auto *bitmap = new GdiBitmap{image, 0, false};
  RegisterGdi(bitmap, GdiKind::Bitmap);
  return bitmap;
}

HDC CreateCompatibleDC(HDC hdc) {
  if (hdc && !LiveDc(hdc)) return nullptr;
  Dc *dc = NewDc();
  dc->origin = Dc::FromCreateCompatibleDC;
  dc->bitmap = StockBitmap();
  dc->bitmap->selected++;
  return dc;
}

bool DeleteDC(HDC hdc) {
  Dc *dc = LiveDc(hdc);
  if (!dc || dc->origin != Dc::FromCreateCompatibleDC) return false;
  FreeDc(dc);
  return true;
}

int GetObject(HGDIOBJ object, int size, void *out) {
  if (!IsGdi(object, GdiKind::Bitmap)) return 0;
  if (!out || size < static_cast<int>(sizeof(BITMAP))) return 0;
  auto *bitmap = static_cast<GdiBitmap *>(object);
  auto *info = static_cast<BITMAP *>(out);
  info->bmWidth = bitmap->image.width();
  info->bmHeight = bitmap->image.height();
  return static_cast<int>(sizeof(BITMAP));
}

bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, uint32_t rop) {
  Dc *to = LiveDc(dst), *from = LiveDc(src);
  if (!to || !from || (rop != SRCCOPY && rop != SRCAND && rop != SRCPAINT)) return false;
  QImage *target = to->Target(), *source = from->Target();
  if (!target || !source || w <= 0 || h <= 0) return false;
  x = Coord(x), y = Coord(y), w = Coord(w), h = Coord(h), sx = Coord(sx), sy = Coord(sy);
  // The source rectangle cut to the source image, then the destination cut to the target.
  QRect wanted(x, y, w, h);
  QRect available = QRect(sx, sy, w, h) & source->rect();
  QRect area = wanted & available.translated(x - sx, y - sy) & to->Bounds();
  if (area.isEmpty()) return true;
  QImage copy = source->copy(area.translated(sx - x, sy - y));  // safe when both are one image
  for (int row = 0; row < area.height(); row++) {
    const QRgb *in = reinterpret_cast<const QRgb *>(copy.constScanLine(row));
    QRgb *out = reinterpret_cast<QRgb *>(target->scanLine(area.top() + row)) + area.left();
    for (int col = 0; col < area.width(); col++) {
      if (rop == SRCCOPY)
        out[col] = in[col] | 0xFF000000u;
      else if (rop == SRCAND)
        out[col] = (out[col] & in[col]) | 0xFF000000u;
      else
        out[col] = out[col] | in[col] | 0xFF000000u;
    }
  }
  to->Changed(area);
  return true;
}
