// The PNG writer's module: libpng writing into memory, with zlib's fastest level. 1-bit pictures
// go without a row filter (their runs of equal bytes are what deflate finds anyway), colour
// pictures with the Up filter (rows repeat down a square). Slower levels gain little and cost
// milliseconds. Nothing here needs the C++ library, so loading the module loads libpng and zlib
// and nothing more.
#include <png.h>
#include <zlib.h>

#include <csetjmp>

#include "render/png.h"

namespace {
struct Sink {
  PNGAppend *append;
  void *context;
};

void Append(png_structp png, png_bytep data, png_size_t length) {
  auto *sink = static_cast<Sink *>(png_get_io_ptr(png));
  sink->append(sink->context, data, length);
}

void NoFlush(png_structp) {}
}  // namespace

// Written outside any object with a destructor, so that libpng's long jump on an error leaves
// nothing behind but the structures it frees below.
extern "C" __attribute__((visibility("default"))) bool BoardsmithPNG(
    const uint8_t *rows, int width, int height, int stride, bool rgb, int ppm, PNGAppend *append,
    void *context) {
  Sink sink{append, context};
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &sink, Append, NoFlush);
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
