#pragma once
// The composer's working memory for one caller (a worker thread, a window, a request): the last
// raster's pixels and the PNG encoder's stream, kept so that a batch neither allocates nor clears
// a picture's worth of memory for each picture, and each man and marker drawn once a set, size
// and style into a picture of its own. The caller owns it through its canvas (ComposerRoom).
#include <cairo.h>

#include <compare>
#include <cstdint>
#include <map>
#include <vector>

#include "render/vector/pieceset.h"
#include "render/vector/pngencode.h"

struct SpriteKey {
  const PieceSet *set;  // null: the hatched square
  int code;
  long side;  // the square's side in device pixels, times 1024
  bool print;
  auto operator<=>(const SpriteKey &) const = default;
};

struct Sprites {
  std::map<SpriteKey, cairo_surface_t *> made;
  Sprites() = default;
  Sprites(const Sprites &) = delete;
  Sprites &operator=(const Sprites &) = delete;
  ~Sprites() { Clear(); }
  void Clear() {
    for (auto &[key, surface] : made) cairo_surface_destroy(surface);
    made.clear();
  }
};

struct VectorRoom {
  std::vector<uint32_t> raster;
  PNGRoom png;
  Sprites sprites;
};
