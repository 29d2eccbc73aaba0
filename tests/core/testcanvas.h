#pragma once
// Canvas helpers for the drawing tests. A canvas filled with Unwritten, a value no routine
// writes, tells "written white or black" apart from "left alone".
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "render/canvas.h"
#include "render/sprite.h"

namespace testcanvas {
constexpr uint8_t Unwritten = 7;
typedef std::set<std::pair<int, int>> Pixels;
typedef void (*Glyph)(int, int);

inline void Fill(uint8_t value) { std::memset(Dot, value, sizeof Dot); }
inline void Whiten() { Fill(0); }
inline std::vector<uint8_t> Snapshot() { return std::vector<uint8_t>(&Dot[0][0], &Dot[0][0] + sizeof Dot); }
inline int CentreOf(int square) { return 72 * square + 45; }  // of an arrow's square, 0..7

// Pixels of value 1, offset by (ox, oy); within the square at (ox, oy) and 8 round it when near.
inline Pixels BlackPixels(int ox = 0, int oy = 0, bool near = false) {
  Pixels p;
  for (int x = near ? ox - 8 : 0; x < (near ? ox + 80 : CanvasSize); x++)
    for (int y = near ? oy - 8 : 0; y < (near ? oy + 80 : CanvasSize); y++)
      if (Dot[x][y] == 1) p.insert({x - ox, y - oy});
  return p;
}

// Every pixel written round the square at (sx, sy), with its value, in square coordinates.
inline std::map<std::pair<int, int>, int> Written(int sx, int sy) {
  std::map<std::pair<int, int>, int> w;
  for (int u = -8; u < 80; u++)
    for (int v = -8; v < 80; v++)
      if (Dot[sx + u][sy + v] != Unwritten) w[{u, v}] = Dot[sx + u][sy + v];
  return w;
}

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
  uint64_t h = 1469598103934665603ull;
  const uint8_t *p = &Dot[0][0];
  for (size_t k = 0; k < sizeof Dot; k++) h = (h ^ p[k]) * 1099511628211ull;
  return h;
}

// The pixels of a sprite's spans of one colour.
inline Pixels Points(const Sprite &sprite, uint8_t colour) {
  Pixels p;
  for (size_t i = 0; i < sprite.nspans; i++) {
    const SpriteSpan &s = sprite.spans[i];
    for (int k = 0; k < s.length; k++)
      if (s.start + k < static_cast<int>(sprite.npixels) && sprite.pixels[s.start + k] == colour)
        p.insert({s.dx, s.dy + k});
  }
  return p;
}

// Points of the square that the black points enclose: not black and not reachable from outside
// (offsets -1..73) through non-black points, stepping in any of eight directions.
inline Pixels Enclosed(const Pixels &black) {
  std::vector<std::vector<bool>> out(75, std::vector<bool>(75, false));
  std::vector<std::pair<int, int>> todo{{-1, -1}};
  out[0][0] = true;
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    for (int i = -1; i <= 1; i++)
      for (int j = -1; j <= 1; j++) {
        int u = x + i, v = y + j;
        if (u < -1 || v < -1 || u > 73 || v > 73 || out[u + 1][v + 1] || black.count({u, v})) continue;
        out[u + 1][v + 1] = true;
        todo.push_back({u, v});
      }
  }
  Pixels in;
  for (int x = 0; x <= 72; x++)
    for (int y = 0; y <= 72; y++)
      if (!out[x + 1][y + 1] && !black.count({x, y})) in.insert({x, y});
  return in;
}

// Each test leaves the canvas white, as the picture writer expects of the column and row it
// never whitens itself.
class CleanCanvas : public ::testing::Test {
 protected:
  void TearDown() override { Whiten(); }
};
}  // namespace testcanvas
