#pragma once
// Helpers for the arrow tests: the canvas is pre-filled with a marker value that no primitive
// writes, so "written" (white or black) and "left alone" can be told apart.
#include <cstdint>
#include <cstring>

#include "render/canvas.h"

namespace arrowprobe {
constexpr uint8_t Unwritten = 7;

inline void FillMarker() { std::memset(Dot, Unwritten, sizeof Dot); }
inline int CentreOf(int square) { return 72 * square + 45; }

struct Tally {
  int black = 0, white = 0;
  int Written() const { return black + white; }
};

inline Tally Count() {
  Tally t;
  for (int x = 0; x < CanvasSize; x++)
    for (int y = 0; y < CanvasSize; y++) {
      if (Dot[x][y] == 1) t.black++;
      if (Dot[x][y] == 0) t.white++;
    }
  return t;
}

// The smallest rectangle holding every written pixel; empty (x1 > x2) when nothing was written.
struct Box {
  int x1 = CanvasSize, y1 = CanvasSize, x2 = -1, y2 = -1;
};

// Finds the written pixels and puts the marker back on them, so the next arrow starts from a
// clean canvas without a full refill; untouched columns are skipped with one comparison.
inline Box WrittenBoxAndClear() {
  static uint8_t column[CanvasSize];
  std::memset(column, Unwritten, sizeof column);
  Box b;
  for (int x = 0; x < CanvasSize; x++) {
    if (std::memcmp(Dot[x], column, sizeof column) == 0) continue;
    for (int y = 0; y < CanvasSize; y++)
      if (Dot[x][y] != Unwritten) {
        if (x < b.x1) b.x1 = x;
        if (x > b.x2) b.x2 = x;
        if (y < b.y1) b.y1 = y;
        if (y > b.y2) b.y2 = y;
      }
    std::memcpy(Dot[x], column, sizeof column);
  }
  return b;
}

// FNV-1a over the whole canvas: pins every pixel of a drawing in one number.
inline uint64_t CanvasHash() {
  uint64_t h = 1469598103934665603ull;
  const uint8_t *p = &Dot[0][0];
  for (size_t k = 0; k < sizeof Dot; k++) h = (h ^ p[k]) * 1099511628211ull;
  return h;
}
}  // namespace arrowprobe
