#pragma once
// A GIF read back for the tests: one image, its pixels top row first, each with its colour and
// whether it is the transparent one.
#include <gif_lib.h>

#include <string>
#include <vector>

struct GifPixel {
  int r, g, b;
  bool clear;
};

struct GifImage {
  bool ok = false;
  std::string error;
  int width = 0, height = 0;
  bool transparent = false;
  std::vector<GifPixel> pixels;
};

inline GifImage ReadGif(const std::string &path) {
  GifImage g;
  int error = 0;
  GifFileType *gif = DGifOpenFileName(path.c_str(), &error);
  if (!gif) {
    g.error = GifErrorString(error);
    return g;
  }
  const SavedImage *image = DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1 ? &gif->SavedImages[0] : nullptr;
  const ColorMapObject *map = !image ? nullptr : image->ImageDesc.ColorMap ? image->ImageDesc.ColorMap : gif->SColorMap;
  GraphicsControlBlock gcb;
  int clear = DGifSavedExtensionToGCB(gif, 0, &gcb) == GIF_OK ? gcb.TransparentColor : -1;
  g.width = gif->SWidth, g.height = gif->SHeight, g.transparent = clear >= 0;
  if (map && image->ImageDesc.Width == g.width && image->ImageDesc.Height == g.height) {
    g.ok = true;
    for (int i = 0; i < g.width * g.height; i++) {
      int index = image->RasterBits[i];
      const GifColorType &c = map->Colors[index];
      g.pixels.push_back({c.Red, c.Green, c.Blue, index == clear});
    }
  } else {
    g.error = "not one whole image with a colour map";
  }
  DGifCloseFile(gif, &error);
  return g;
}
