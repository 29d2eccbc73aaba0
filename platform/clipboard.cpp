// The desktop clipboard: a saved picture put there as an image, several formats offered at once,
// and text in and out.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>

#include "platform/internal.h"

namespace {
// Many programs take only full-colour images from the clipboard, not a two-colour one.
QImage PictureOf(const std::string &path) {
  QImageReader reader(QString::fromLocal8Bit(path.c_str()));
  QImage image = reader.read();
  return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}
}  // namespace

bool OfferToClipboard(const ClipboardOffer &offer) {
  auto *data = new QMimeData;
  if (!offer.picturePath.empty()) {
    QImage image = PictureOf(offer.picturePath);
    if (!image.isNull()) data->setImageData(image);
    QFile file(QString::fromLocal8Bit(offer.picturePath.c_str()));
    if (!image.isNull() && file.open(QIODevice::ReadOnly))
      data->setData("image/bmp", file.readAll());
  }
  if (!offer.png.empty())
    data->setData("image/png",
                  QByteArray(offer.png.data(), static_cast<qsizetype>(offer.png.size())));
  if (!offer.text.empty())
    data->setText(TextOf(offer.text.c_str(), static_cast<int>(offer.text.size())));
  if (!offer.html.empty())
    data->setHtml(TextOf(offer.html.c_str(), static_cast<int>(offer.html.size())));
  if (data->formats().isEmpty()) {
    delete data;
    return false;
  }
  QGuiApplication::clipboard()->setMimeData(data);  // the clipboard owns it from here
  return true;
}

std::string ClipboardText(size_t maxBytes) {
  QByteArray bytes = QGuiApplication::clipboard()->text().toUtf8();
  return std::string(bytes.constData(), std::min(static_cast<size_t>(bytes.size()), maxBytes));
}

bool CopyTextToClipboard(const std::string &text) {
  QGuiApplication::clipboard()->setText(TextOf(text.c_str(), static_cast<int>(text.size())));
  return true;
}
