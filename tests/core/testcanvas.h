#pragma once
// Canvas helpers for the drawing tests. A canvas filled with Unwritten, a value no routine
// writes, tells "written white or black" apart from "left alone".
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "tests/core/tempfolder.h"

namespace testcanvas {
constexpr uint8_t Unwritten = 7;

inline void Fill(Canvas &canvas, uint8_t value) { std::memset(canvas.Dot, value, sizeof canvas.Dot); }
// A canvas of the test's own, every pixel value.
inline std::unique_ptr<Canvas> FilledCanvas(uint8_t value) {
  auto canvas = std::make_unique<Canvas>();
  Fill(*canvas, value);
  return canvas;
}
inline std::vector<uint8_t> Snapshot(const Canvas &canvas) {
  return std::vector<uint8_t>(&canvas.Dot[0][0], &canvas.Dot[0][0] + sizeof canvas.Dot);
}
inline int CentreOf(int square) { return 72 * square + 45; }  // of an arrow's square, 0..7

struct Tally {
  int black = 0, white = 0;
};
inline Tally Count(const Canvas &canvas) {
  Tally t;
  for (int x = 0; x < CanvasSize; x++)
    for (int y = 0; y < CanvasSize; y++)
      t.black += canvas.Dot[x][y] == 1, t.white += canvas.Dot[x][y] == 0;
  return t;
}

// The smallest rectangle holding every written pixel (empty, x1 > x2, when none); the marker is
// put back on them, so the next drawing starts clean without a full refill.
struct Box {
  int x1 = CanvasSize, y1 = CanvasSize, x2 = -1, y2 = -1;
};
inline Box WrittenBoxAndClear(Canvas &canvas) {
  uint8_t column[CanvasSize];
  std::memset(column, Unwritten, sizeof column);
  Box b;
  for (int x = 0; x < CanvasSize; x++) {
    if (std::memcmp(canvas.Dot[x], column, sizeof column) == 0) continue;
    for (int y = 0; y < CanvasSize; y++)
      if (canvas.Dot[x][y] != Unwritten) {
        b.x1 = std::min(b.x1, x), b.x2 = std::max(b.x2, x);
        b.y1 = std::min(b.y1, y), b.y2 = std::max(b.y2, y);
      }
    std::memcpy(canvas.Dot[x], column, sizeof column);
  }
  return b;
}
// FNV-1a over the whole canvas: pins every pixel of a drawing in one number.
inline uint64_t CanvasHash(const Canvas &canvas) {
  return Fnv1a(std::string(reinterpret_cast<const char *>(&canvas.Dot[0][0]), sizeof canvas.Dot));
}
}  // namespace testcanvas
