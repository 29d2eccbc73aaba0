// The GIF writer's module: giflib writing into memory. A still picture is a plain GIF; an
// animation loops for ever (the NETSCAPE2.0 extension), each frame with its delay in hundredths
// of a second, drawn over the one before. Nothing here needs the C++ library, so loading the
// module loads giflib and nothing more.
#include <gif_lib.h>

#include <cstdlib>
#include <cstring>

#include "render/animationapi.h"

namespace {
struct Sink {
  PNGAppend *append;
  void *context;
};

int Write(GifFileType *gif, const GifByteType *bytes, int count) {
  auto *sink = static_cast<Sink *>(gif->UserData);
  sink->append(sink->context, bytes, static_cast<size_t>(count));
  return count;
}

bool Loop(GifFileType *gif) {
  static const GifByteType forever[3] = {1, 0, 0};  // sub-block 1: loop count 0, for ever
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
         EGifPutExtensionBlock(gif, 3, forever) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

// One frame: its delay and transparent colour (animations only), its rectangle and its rows.
// giflib masks each row it is given in place, so rows go through row (width bytes).
bool Frame(GifFileType *gif, const AnimationHeader *h, const AnimationFrame &f, bool first,
           GifByteType *row) {
  if (f.x < 0 || f.y < 0 || f.width < 1 || f.height < 1 || f.x + f.width > h->width ||
      f.y + f.height > h->height)
    return false;
  if (h->frames > 1) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = f.delay < 0 ? 0 : (f.delay + 5) / 10;
    control.TransparentColor = first ? NO_TRANSPARENT_COLOR : h->transparent;
    GifByteType extension[4];
    size_t size = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(size), extension) != GIF_OK)
      return false;
  }
  if (EGifPutImageDesc(gif, f.x, f.y, f.width, f.height, false, nullptr) != GIF_OK) return false;
  for (int y = 0; y < f.height; y++) {
    std::memcpy(row, f.pixels + static_cast<size_t>(y) * f.width, static_cast<size_t>(f.width));
    if (EGifPutLine(gif, row, f.width) != GIF_OK) return false;
  }
  return true;
}
}  // namespace

extern "C" __attribute__((visibility("default"))) bool BoardsmithGIF(const AnimationHeader *h,
                                                                     AnimationFrameSource *next,
                                                                     void *frames,
                                                                     PNGAppend *append,
                                                                     void *context) {
  if (h->width < 1 || h->height < 1 || h->width > 65535 || h->height > 65535 || h->colours < 1 ||
      h->colours > 256 || h->frames < 1)
    return false;
  Sink sink{append, context};
  int error = 0;
  GifFileType *gif = EGifOpen(&sink, Write, &error);
  if (!gif) return false;
  GifColorType colours[256] = {};
  for (int i = 0; i < h->colours; i++)
    colours[i] = {h->palette[3 * i], h->palette[3 * i + 1], h->palette[3 * i + 2]};
  const int bits = GifBitSize(h->colours);
  ColorMapObject *map = GifMakeMapObject(1 << bits, colours);
  auto *row = static_cast<GifByteType *>(std::malloc(static_cast<size_t>(h->width)));
  EGifSetGifVersion(gif, true);
  bool ok = map && row && EGifPutScreenDesc(gif, h->width, h->height, bits, 0, map) == GIF_OK &&
            (h->frames == 1 || Loop(gif));
  for (int i = 0; ok && i < h->frames; i++) {
    AnimationFrame f;
    ok = next(frames, i, &f) && Frame(gif, h, f, i == 0, row);
  }
  GifFreeMapObject(map);
  std::free(row);
  return EGifCloseFile(gif, &error) == GIF_OK && ok;
}
