// icons/<size>/boardsmith.png: the application icon, the picture's own black knight on a light
// square in a dark frame with rounded corners, drawn at each size the desktop asks for from
// the 72-pixel glyph (4 x 4 samples a pixel) and written as 8-bit RGBA PNG.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "files/atomicwrite.h"
#include "tools/makeassets/assets.h"
#include "tools/makeassets/iconshape.h"
#include "tools/makeassets/scratchglyph.h"

namespace {
constexpr int Side = SquarePixels;             // 72
constexpr int Samples = 4;                     // samples across and down each pixel
const int Sizes[] = {16, 24, 32, 48, 64, 128, 256};

struct Rgb {
  double r, g, b;
};
Rgb FromHex(uint32_t rgb) {
  return {static_cast<double>(rgb >> 16), static_cast<double>((rgb >> 8) & 0xFF),
          static_cast<double>(rgb & 0xFF)};
}
const Rgb FrameColour = FromHex(IconFrameColour), SquareColour = FromHex(IconSquareColour);
const Rgb Ink[2] = {{255, 255, 255}, {0, 0, 0}};

// Whether (u, v) lies in the unit square with rounded corners, shrunk by inset on every side.
bool InsideRounded(double u, double v, double inset) {
  double lo = inset + IconCorner, hi = 1.0 - inset - IconCorner, r = IconCorner;
  double du = u < lo ? lo - u : u > hi ? u - hi : 0.0;
  double dv = v < lo ? lo - v : v > hi ? v - hi : 0.0;
  return u >= inset && v >= inset && u <= 1.0 - inset && v <= 1.0 - inset && du * du + dv * dv <= r * r;
}

// The colour at (u, v) of the unit icon, or false where it is transparent.
bool Sample(const GlyphSquare &glyph, double u, double v, Rgb *colour) {
  if (!InsideRounded(u, v, 0.0)) return false;
  *colour = FrameColour;
  if (!InsideRounded(u, v, IconFrame)) return true;
  *colour = SquareColour;
  const double span = 1.0 - 2 * IconMargin;
  double gx = (u - IconMargin) / span * Side, gy = (v - IconMargin) / span * Side;
  if (gx < 0 || gy < 0 || gx >= Side || gy >= Side) return true;
  uint8_t ink = glyph.at[static_cast<int>(gy)][static_cast<int>(gx)];
  if (ink != GlyphUnwritten) *colour = Ink[ink];
  return true;
}

// Rows of RGBA pixels, the average of the samples inside each (colours weighted by cover).
std::vector<uint8_t> DrawIcon(const GlyphSquare &glyph, int size) {
  std::vector<uint8_t> rgba(static_cast<size_t>(size) * size * 4);
  for (int y = 0; y < size; y++)
    for (int x = 0; x < size; x++) {
      Rgb sum = {0, 0, 0};
      int covered = 0;
      for (int sy = 0; sy < Samples; sy++)
        for (int sx = 0; sx < Samples; sx++) {
          Rgb c;
          if (!Sample(glyph, (x + (sx + 0.5) / Samples) / size, (y + (sy + 0.5) / Samples) / size, &c))
            continue;
          sum.r += c.r, sum.g += c.g, sum.b += c.b, covered++;
        }
      uint8_t *p = &rgba[(static_cast<size_t>(y) * size + x) * 4];
      if (covered) {
        p[0] = static_cast<uint8_t>(sum.r / covered + 0.5);
        p[1] = static_cast<uint8_t>(sum.g / covered + 0.5);
        p[2] = static_cast<uint8_t>(sum.b / covered + 0.5);
      }
      p[3] = static_cast<uint8_t>(255 * covered / (Samples * Samples));
    }
  return rgba;
}

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string *>(png_get_io_ptr(png))->append(reinterpret_cast<const char *>(data), length);
}

// The PNG file of size x size RGBA pixels; false when libpng fails.
bool EncodePng(const std::vector<uint8_t> &rgba, int size, std::string *bytes) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, bytes, AppendBytes, nullptr);
  png_set_IHDR(png, info, size, size, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < size; y++)
    png_write_row(png, &rgba[static_cast<size_t>(y) * size * 4]);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

bool WriteIcons(const std::string &folder) {
  const GlyphSquare glyph = DrawnGlyph(IconGlyphCode);
  for (int size : Sizes) {
    std::string sub = folder + "/icons/" + std::to_string(size), bytes, why;
    std::error_code ec;
    std::filesystem::create_directories(sub, ec);
    if (!EncodePng(DrawIcon(glyph, size), size, &bytes)) why = "the PNG could not be encoded";
    else if (WriteFileAtomically(sub + "/boardsmith.png", bytes, &why)) continue;
    std::fprintf(stderr, "makeassets: cannot write %s/boardsmith.png: %s\n", sub.c_str(), why.c_str());
    return false;
  }
  return true;
}
