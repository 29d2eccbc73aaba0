// The colour picture, composed from the same drawings as the print picture. Each layer (men and
// markers, arrows, coordinates) is drawn on a canvas of "unwritten" pixels so that what a
// drawing leaves alone shows the layer below: the square's colour rather than its hatching.
#include "render/colourraster.h"

#include <cstring>

#include "model/themes.h"
#include "render/boardparts.h"
#include "render/makebmp.h"

namespace {
constexpr uint8_t Unwritten = 7;
constexpr int Inner = 592;  // the picture without coordinates
enum Layer : uint8_t { Clear, Black, White, Red };

// Inside an arrow: ink, or a pixel between two inks across it (the gaps of its half-tone and
// of its band of lines), so the arrow comes out solid and its white outline stays white.
bool InArrow(const Canvas &canvas, int x, int y) {
  if (canvas.Dot[x][y] == 1) return true;
  return (canvas.Dot[x - 1][y] == 1 && canvas.Dot[x + 1][y] == 1) ||
         (canvas.Dot[x][y - 1] == 1 && canvas.Dot[x][y + 1] == 1);
}

// Rows of pixels 1..size of one layer, indexed [y - 1][x - 1].
std::vector<uint8_t> Take(const Canvas &canvas, int size, bool arrows) {
  std::vector<uint8_t> layer(static_cast<size_t>(size) * size, Clear);
  for (int x = 1; x <= size; x++)
    for (int y = 1; y <= size; y++) {
      uint8_t v = canvas.Dot[x][y];
      Layer l = v == Unwritten ? Clear : v == 0 ? White : Black;
      if (arrows) l = InArrow(canvas, x, y) ? Red : v == 0 ? White : Clear;
      layer[static_cast<size_t>(y - 1) * size + (x - 1)] = l;
    }
  return layer;
}
}  // namespace

std::vector<uint8_t> ComposeColour(const Diagram &diagram, const PictureSettings &settings,
                                   Canvas &canvas) {
  const int theme = settings.ThemeIndex(), coords = settings.Coords;
  std::memset(canvas.Dot, Unwritten, sizeof canvas.Dot);
  DrawFrame(canvas, 0);
  DrawMen(canvas, diagram, 0);
  std::vector<uint8_t> men = Take(canvas, Inner, false);

  std::memset(canvas.Dot, Unwritten, sizeof canvas.Dot);
  DrawArrows(canvas, diagram, 0);
  std::vector<uint8_t> red = Take(canvas, Inner, true);

  const int size = PictureSize(coords), shift = coords ? 30 : 0;
  std::memset(canvas.Dot, Unwritten, sizeof canvas.Dot);
  if (coords) DrawCoordinates(canvas, diagram);

  std::vector<uint8_t> rgb(static_cast<size_t>(size) * size * 3);
  for (int row = 0; row < size; row++)
    for (int col = 0; col < size; col++) {
      const int x = col + 1, y = size - row;  // canvas pixel, y upward
      const int ix = x - shift, iy = y - shift;
      uint8_t colour[3] = {255, 255, 255};
      auto Set = [&](const uint8_t c[3]) { std::memcpy(colour, c, 3); };
      static const uint8_t black[3] = {0, 0, 0}, white[3] = {255, 255, 255};
      if (ix >= 1 && ix <= Inner && iy >= 1 && iy <= Inner) {
        if (ix >= 9 && ix <= 584 && iy >= 9 && iy <= 584)
          Set(((ix - 9) / 72 + (iy - 9) / 72) % 2 == 0 ? Dk[theme] : Lt[theme]);
        const size_t at = static_cast<size_t>(iy - 1) * Inner + (ix - 1);
        if (men[at] == Black) Set(black);
        if (men[at] == White) Set(white);
        if (red[at] == Red) Set(ArrowRed);
        if (red[at] == White) Set(white);
      } else if (canvas.Dot[x][y] == 1) {
        Set(black);
      }
      std::memcpy(&rgb[(static_cast<size_t>(row) * size + col) * 3], colour, 3);
    }
  return rgb;
}

namespace {
// For each new pixel along one axis: the old pixels it covers and how much of each.
struct Share {
  int from;
  float weight;
};
std::vector<std::vector<Share>> Shares(int from, int to) {
  std::vector<std::vector<Share>> shares(to);
  const double step = static_cast<double>(from) / to;
  for (int i = 0; i < to; i++) {
    double a = i * step, b = (i + 1) * step;
    for (int k = static_cast<int>(a); k < from && k < b; k++) {
      double lo = k > a ? k : a, hi = k + 1 < b ? k + 1 : b;
      if (hi > lo) shares[i].push_back({k, static_cast<float>((hi - lo) / step)});
    }
  }
  return shares;
}
}  // namespace

std::vector<uint8_t> ScaleByArea(const std::vector<uint8_t> &rgb, int from, int to) {
  if (to == from) return rgb;
  const auto shares = Shares(from, to);
  // Columns first into a float picture to x from, then rows.
  std::vector<float> wide(static_cast<size_t>(from) * to * 3, 0.0f);
  for (int y = 0; y < from; y++)
    for (int i = 0; i < to; i++)
      for (const Share &s : shares[i])
        for (int k = 0; k < 3; k++)
          wide[(static_cast<size_t>(y) * to + i) * 3 + k] +=
              s.weight * rgb[(static_cast<size_t>(y) * from + s.from) * 3 + k];
  std::vector<uint8_t> out(static_cast<size_t>(to) * to * 3);
  for (int j = 0; j < to; j++)
    for (int x = 0; x < to; x++)
      for (int k = 0; k < 3; k++) {
        float v = 0.0f;
        for (const Share &s : shares[j]) v += s.weight * wide[(static_cast<size_t>(s.from) * to + x) * 3 + k];
        int n = static_cast<int>(v + 0.5f);
        out[(static_cast<size_t>(j) * to + x) * 3 + k] = static_cast<uint8_t>(n < 0 ? 0 : n > 255 ? 255 : n);
      }
  return out;
}
