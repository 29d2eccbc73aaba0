// The core's side of the PNG writer: the module's entry point, and the print picture's rows.
#include "render/png.h"

#include <algorithm>

#include "render/makebmp.h"
#include "render/moduleload.h"
#include "render/picturefile.h"

std::string PNGOfRows(const uint8_t *rows, int width, int height, int stride, bool rgb,
                      int pixelsPerMetre, std::string *why) {
  std::string reason;
  auto *entry = reinterpret_cast<PNGEntry *>(
      ModuleEntry(PNGModuleName, PNGEntryName, "PNG writer", "PNG pictures", &reason));
  std::string out;
  if (entry) {
    out.reserve(rgb ? static_cast<size_t>(width) * height : 16384);
    if (!entry(rows, width, height, stride, rgb, pixelsPerMetre, AppendToString, &out)) {
      out.clear();
      reason = "The PNG encoder failed.";
    }
  }
  if (out.empty() && why) *why = reason;
  return out;
}

// The BMP's rows are the same bits (1 white, the leftmost pixel high) stored bottom-up: the
// PNG takes them top-down straight from the BMP's pixel array.
std::vector<uint8_t> EncodePNG(const Diagram &diagram, const PictureSettings &settings,
                               Canvas &canvas, std::string *why) {
  Compose(diagram, settings, canvas);
  std::vector<uint8_t> bmp = EncodeBMP(canvas, settings);
  int size = PictureSize(settings.Coords), stride = PictureStride(settings.Coords);
  const size_t header = bmp.size() - static_cast<size_t>(stride) * size;
  // Bottom-up rows read top-down: start at the last row and step back a row at a time.
  std::vector<uint8_t> rows(static_cast<size_t>(stride) * size);
  for (int y = 0; y < size; y++)
    std::copy_n(bmp.data() + header + static_cast<size_t>(size - 1 - y) * stride, stride,
                rows.data() + static_cast<size_t>(y) * stride);
  std::string png = PNGOfRows(rows.data(), size, size, stride, false, PictureResolution(settings), why);
  return std::vector<uint8_t>(png.begin(), png.end());
}
