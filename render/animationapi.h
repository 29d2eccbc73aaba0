#pragma once
// The animated pictures' writers live in modules, loaded on first use like the PNG writer
// (render/png.h): the GIF writer (giflib) in boardsmith-gif.so, the APNG writer (zlib) in
// boardsmith-png.so. The core composes each frame as palette indices and hands the module the
// palette and, one at a time on request, the frames; only C types cross between the two.
#include <cstddef>
#include <cstdint>

#include "render/png.h"

constexpr const char *GIFModuleName = "boardsmith-gif.so";
constexpr const char *GIFEntryName = "BoardsmithGIF";
constexpr const char *APNGEntryName = "BoardsmithAPNG";  // in PNGModuleName

// The picture: its size, its palette, and how many frames follow.
struct AnimationHeader {
  int width, height;
  const uint8_t *palette;  // colours x {red, green, blue}
  int colours;             // 2..256
  int transparent;         // the index that leaves the frame before showing, or -1
  int frames;              // 1: a still picture, no animation chunks or loop
  int pixelsPerMetre;      // for the PNG's pHYs chunk
};

// One frame: the rectangle of the picture that it paints, its pixels as palette indices (width
// per row, the top row first), and how long it shows. A frame after the first is drawn over the
// one before (its transparent pixels leave that one showing).
struct AnimationFrame {
  int x, y, width, height;
  const uint8_t *pixels;
  int delay;  // milliseconds
};

// Fills *frame with frame index (0..frames-1), asked for in order; its pixels stay valid until
// the next call. False when the frame cannot be made.
extern "C" typedef bool AnimationFrameSource(void *context, int index, AnimationFrame *frame);
// A module's entry point: the whole picture handed to append (render/png.h's PNGAppend), or
// false when the encoder or the frame source fails.
extern "C" typedef bool AnimationEntry(const AnimationHeader *header, AnimationFrameSource *next,
                                       void *frames, PNGAppend *append, void *context);
