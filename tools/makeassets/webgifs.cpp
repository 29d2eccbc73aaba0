// The 61 GIF images a web page refers to, drawn from the picture's own glyphs so that a page
// looks like the picture.
//
// Square images come in three sizes, 24, 48 and 72 pixels: at a screen's 96 pixels an inch the
// board of a small, medium and large page is then about as wide as the small (2 inch), medium
// (4 inch) and large (6 inch) picture, and the large one is the glyph at its own resolution.
// A square image is transparent wherever the square's colour should show: the cell's
// background colour gives the square its colour.
//
// The frame: each edge image is one square long and Frame pixels thick, black. The page puts
// the corners in the edges' rows and columns and uses one set of corners for every size, so
// all edges are equally thick and the corners are Frame x Frame.
#include <gif_lib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/atomicwrite.h"
#include "tools/makeassets/assets.h"
#include "tools/makeassets/scratchglyph.h"

namespace {
constexpr int Frame = 6;

// Pixel values of an image and the palette indices they are written with.
enum : uint8_t { Black = 0, White = 1, Clear = 2 };

struct SizeSet {
  char letter;
  int pixels;
};
const SizeSet Sizes[3] = {{'s', 24}, {'m', 48}, {'l', 72}};

// Image names of the square codes 0..14.
const char *const SquareImage[15] = {"e",  "wk", "wq", "wr", "wb", "wn", "wp",   "bk",
                                     "bq", "br", "bb", "bn", "bp", "dot", "cross"};

// An image, top row first, one palette index a pixel.
struct Image {
  int width, height;
  std::vector<uint8_t> pixels;
  Image(int w, int h, uint8_t fill) : width(w), height(h), pixels(w * h, fill) {}
  uint8_t &At(int x, int y) { return pixels[y * width + x]; }
};

// The glyph of a square code on a light square, 72 x 72: what the glyph wrote black is black,
// what it wrote white is white, what it left alone is clear.
Image GlyphImage(int code) {
  const GlyphSquare glyph = DrawnGlyph(code);
  Image image(SquarePixels, SquarePixels, Clear);
  for (int y = 0; y < SquarePixels; y++)
    for (int x = 0; x < SquarePixels; x++) {
      uint8_t v = glyph.at[y][x];
      image.At(x, y) = v == GlyphUnwritten ? Clear : v == 0 ? White : Black;
    }
  return image;
}

// Scales a square image down to size x size by area. A target pixel is black when at least
// four ninths of its area is black: at 24 pixels (3 x 3 blocks of the 72-pixel glyph) the
// two- and three-pixel outlines keep a one-pixel line and the white inside a white piece or the
// white details of a black one are not swallowed, as they are with a third; with a half the
// outlines break up. Otherwise it is white when a third of it is white (so the white margin round
// a figure stays an unbroken ring) or white covers more of it than clear; else clear.
Image Shrink(const Image &from, int size) {
  if (size == from.width) return from;
  Image to(size, size, Clear);
  const int n = from.width;
  // In units of 1/size of a source pixel, target pixel i spans [i*n, (i+1)*n) and source
  // pixel k spans [k*size, (k+1)*size).
  for (int ty = 0; ty < size; ty++)
    for (int tx = 0; tx < size; tx++) {
      long area[3] = {0, 0, 0};
      for (int ky = ty * n / size; ky <= ((ty + 1) * n - 1) / size; ky++) {
        long oy = std::min((ky + 1) * size, (ty + 1) * n) - std::max(ky * size, ty * n);
        for (int kx = tx * n / size; kx <= ((tx + 1) * n - 1) / size; kx++) {
          long ox = std::min((kx + 1) * size, (tx + 1) * n) - std::max(kx * size, tx * n);
          area[from.pixels[ky * n + kx]] += ox * oy;
        }
      }
      long total = static_cast<long>(n) * n;
      uint8_t v = 9 * area[Black] >= 4 * total                              ? Black
                  : 3 * area[White] >= total || area[White] >= area[Clear]  ? White
                                                                            : Clear;
      to.At(tx, ty) = v;
    }
  return to;
}

int AppendBytes(GifFileType *gif, const GifByteType *bytes, int length) {
  static_cast<std::string *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
  return length;
}

// The GIF file of an image: a four-colour palette (black, white, and the page's background
// colour for clear pixels), clear pixels marked transparent when the image has any.
bool EncodeGif(Image image, std::string *bytes, std::string *why) {
  bytes->clear();
  int error = 0;
  GifFileType *gif = EGifOpen(bytes, AppendBytes, &error);
  if (!gif) {
    *why = GifErrorString(error);
    return false;
  }
  const GifColorType colours[4] = {{0, 0, 0}, {255, 255, 255}, {0xDD, 0xBB, 0x99}, {0, 0, 0}};
  ColorMapObject *map = GifMakeMapObject(4, colours);
  bool clear = false;
  for (uint8_t v : image.pixels) clear |= v == Clear;

  bool ok = map != nullptr;
  EGifSetGifVersion(gif, true);
  ok = ok && EGifPutScreenDesc(gif, image.width, image.height, 2, Clear, map) == GIF_OK;
  if (ok && clear) {
    GraphicsControlBlock gcb = {DISPOSAL_UNSPECIFIED, false, 0, Clear};
    GifByteType extension[4];
    size_t length = EGifGCBToExtension(&gcb, extension);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
         GIF_OK;
  }
  ok = ok && EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < image.height; y++)
    ok = EGifPutLine(gif, &image.At(0, y), image.width) == GIF_OK;
  if (!ok) *why = GifErrorString(gif->Error);
  if (EGifCloseFile(gif, &error) != GIF_OK && ok) {
    *why = GifErrorString(error);
    ok = false;
  }
  if (map) GifFreeMapObject(map);
  return ok;
}

bool WriteGif(const std::string &folder, const std::string &name, const Image &image) {
  std::string path = folder + "/" + name + ".gif", bytes, why;
  if (EncodeGif(image, &bytes, &why) && WriteFileAtomically(path, bytes, &why)) return true;
  std::fprintf(stderr, "makeassets: cannot write %s: %s\n", path.c_str(), why.c_str());
  return false;
}
}  // namespace

bool WriteWebGifs(const std::string &folder) {
  const std::string gifs = folder + "/gifs";
  std::error_code ec;
  std::filesystem::create_directories(gifs, ec);
  if (ec) {
    std::fprintf(stderr, "makeassets: cannot make %s: %s\n", gifs.c_str(), ec.message().c_str());
    return false;
  }

  bool ok = true;
  for (int code = 0; code < 15; code++) {
    Image glyph = GlyphImage(code);
    for (const SizeSet &s : Sizes)
      ok &= WriteGif(gifs, std::string(SquareImage[code]) + s.letter, Shrink(glyph, s.pixels));
  }
  for (const SizeSet &s : Sizes) {
    const std::string letter(1, s.letter);
    ok &= WriteGif(gifs, "upper" + letter, Image(s.pixels, Frame, Black));
    ok &= WriteGif(gifs, "lower" + letter, Image(s.pixels, Frame, Black));
    ok &= WriteGif(gifs, "left" + letter, Image(Frame, s.pixels, Black));
    ok &= WriteGif(gifs, "right" + letter, Image(Frame, s.pixels, Black));
  }
  for (int corner = 1; corner <= 4; corner++)
    ok &= WriteGif(gifs, "corner" + std::to_string(corner), Image(Frame, Frame, Black));
  return ok;
}
