#pragma once
// Canvas helpers for the drawing tests. A canvas filled with Unwritten, a value no routine
// writes, tells "written white or black" apart from "left alone".
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "tests/core/tempfolder.h"

namespace testcanvas {
constexpr uint8_t Unwritten = 7;

inline void Fill(uint8_t value) {
  OpenCanvas();
  std::memset(Dot, value, CanvasBytes);
}
inline std::vector<uint8_t> Snapshot() { return std::vector<uint8_t>(&Dot[0][0], &Dot[0][0] + CanvasBytes); }
inline int CentreOf(int square) { return 72 * square + 45; }  // of an arrow's square, 0..7

struct Tally {
  int black = 0, white = 0;
  int Written() const { return black + white; }
};
inline Tally Count() {
  Tally t;
  for (int x = 0; x < CanvasSize; x++)
    for (int y = 0; y < CanvasSize; y++) t.black += Dot[x][y] == 1, t.white += Dot[x][y] == 0;
  return t;
}

// The smallest rectangle holding every written pixel (empty, x1 > x2, when none); the marker is
// put back on them, so the next drawing starts clean without a full refill.
struct Box {
  int x1 = CanvasSize, y1 = CanvasSize, x2 = -1, y2 = -1;
};
inline Box WrittenBoxAndClear() {
  static uint8_t column[CanvasSize];
  std::memset(column, Unwritten, sizeof column);
  Box b;
  for (int x = 0; x < CanvasSize; x++) {
    if (std::memcmp(Dot[x], column, sizeof column) == 0) continue;
    for (int y = 0; y < CanvasSize; y++)
      if (Dot[x][y] != Unwritten) {
        b.x1 = std::min(b.x1, x), b.x2 = std::max(b.x2, x);
        b.y1 = std::min(b.y1, y), b.y2 = std::max(b.y2, y);
      }
    std::memcpy(Dot[x], column, sizeof column);
  }
  return b;
}

// FNV-1a over the whole canvas: pins every pixel of a drawing in one number.
inline uint64_t CanvasHash() {
  return Fnv1a(std::string(reinterpret_cast<const char *>(&Dot[0][0]), CanvasBytes));
}

}  // namespace testcanvas
