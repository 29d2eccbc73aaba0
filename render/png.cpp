// PNG files through libpng, written into memory, with zlib's fastest level: 1-bit pictures with
// no row filter (their runs of equal bytes are what deflate finds anyway), colour pictures with
// the Up filter (rows repeat down a square). Slower levels gain little and cost milliseconds.
#include "render/png.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>

#include "render/makebmp.h"
#include "render/picturefile.h"

namespace {
void Append(png_structp png, png_bytep data, png_size_t length) {
  auto *out = static_cast<std::string *>(png_get_io_ptr(png));
  out->append(reinterpret_cast<const char *>(data), length);
}

void NoFlush(png_structp) {}

// Written outside any object with a destructor, so that libpng's long jump on an error leaves
// nothing behind but the structures it frees below.
bool Encode(const uint8_t *rows, int width, int height, int stride, bool rgb, int ppm,
            std::string *out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, Append, NoFlush);
  png_set_compression_level(png, Z_BEST_SPEED);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, rgb ? PNG_FILTER_UP : PNG_FILTER_NONE);
  png_set_IHDR(png, info, width, height, rgb ? 8 : 1, rgb ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_GRAY,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_set_pHYs(png, info, ppm, ppm, PNG_RESOLUTION_METER);
  png_write_info(png, info);
  for (int y = 0; y < height; y++)
    png_write_row(png, const_cast<png_bytep>(rows + static_cast<size_t>(y) * stride));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

std::string PNGOfRows(const uint8_t *rows, int width, int height, int stride, bool rgb,
                      int pixelsPerMetre) {
  std::string out;
  out.reserve(rgb ? static_cast<size_t>(width) * height : 16384);
  if (!Encode(rows, width, height, stride, rgb, pixelsPerMetre, &out)) out.clear();
  return out;
}

// The BMP's rows are the same bits (1 white, the leftmost pixel high) stored bottom-up: the
// PNG takes them top-down straight from the BMP's pixel array.
std::vector<uint8_t> EncodePNG(int coords) {
  ComposeDiagram(coords);
  std::vector<uint8_t> bmp = EncodeBMP(coords);
  int size = PictureSize(coords), stride = ((size - 1) / 32 + 1) * 4;
  const size_t header = bmp.size() - static_cast<size_t>(stride) * size;
  // Bottom-up rows read top-down: start at the last row and step back a row at a time.
  std::vector<uint8_t> rows(static_cast<size_t>(stride) * size);
  for (int y = 0; y < size; y++)
    std::copy_n(bmp.data() + header + static_cast<size_t>(size - 1 - y) * stride, stride,
                rows.data() + static_cast<size_t>(y) * stride);
  std::string png = PNGOfRows(rows.data(), size, size, stride, false, PictureResolution(coords));
  return std::vector<uint8_t>(png.begin(), png.end());
}
