// The desktop clipboard: a saved picture put there as an image.
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>

#include "platform/internal.h"
#include "platform/testing.h"

bool CopyPictureToClipboard(const char *path) {
  if (!path || !*path) return false;
  QImageReader reader(QString::fromLocal8Bit(path));
  QImage image = reader.read();
  if (image.isNull()) return false;
  // Many programs take only full-colour images from the clipboard, not a two-colour one.
  QGuiApplication::clipboard()->setImage(image.convertToFormat(QImage::Format_RGB32));
  return true;
}

bool ClipboardPicture(int *width, int *height) {
  QImage image = QGuiApplication::clipboard()->image();
  if (width) *width = image.width();
  if (height) *height = image.height();
  return !image.isNull();
}
