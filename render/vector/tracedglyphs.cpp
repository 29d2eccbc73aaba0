// Tracing the glyphs: each is drawn on a canvas of its own filled with "unwritten" pixels, and its
// white and black pixels are traced by potrace into curves.
// Square codes out of 1..14 and numbers out of range give empty outlines.
#include "render/vector/tracedglyphs.h"

#include <potracelib.h>

#include <cstring>
#include <memory>
#include <mutex>

#include "render/canvas.h"
#include "render/coords.h"
#include "render/glyphs.h"

namespace {
constexpr uint8_t Unwritten = 7;
constexpr int Bits = 8 * sizeof(potrace_word);
constexpr int Room = 132;

// The glyphs traced so far: computed once each, under the lock, and never changed after.
std::mutex Tracing;
TracedGlyph Cache[NGlyphs];
bool Done[NGlyphs];

// The outline of the pixels in x1..x2, y1..y2 for which keep(value) holds.
template <typename Keep>
Outline TraceLayer(const Canvas &canvas, int x1, int y1, int x2, int y2, Keep keep) {
  Outline out;
  const int w = x2 - x1 + 1, h = y2 - y1 + 1, dy = (w + Bits - 1) / Bits;
  std::vector<potrace_word> map(static_cast<size_t>(dy) * h, 0);
  bool any = false;
  for (int j = 0; j < h; j++)
    for (int i = 0; i < w; i++)
      if (keep(canvas.Dot[x1 + i][y1 + j])) {
        map[static_cast<size_t>(j) * dy + i / Bits] |= (potrace_word(1) << (Bits - 1)) >> (i % Bits);
        any = true;
      }
  if (!any) return out;
  potrace_bitmap_t bitmap{w, h, dy, map.data()};
  potrace_param_t *param = potrace_param_default();
  if (!param) return out;
  param->turdsize = 0;  // single pixels (a pawn's eye, a dot's centre) are part of the drawing
  potrace_state_t *state = potrace_trace(param, &bitmap);
  potrace_param_free(param);
  if (!state) return out;
  const double ox = x1 - 1, oy = y1 - 1;
  auto Put = [&](char op, std::initializer_list<potrace_dpoint_t> points) {
    out.ops.push_back(op);
    for (const potrace_dpoint_t &p : points) out.data.push_back(p.x + ox), out.data.push_back(p.y + oy);
  };
  if (state->status == POTRACE_STATUS_OK)
    for (potrace_path_t *path = state->plist; path; path = path->next) {
      const potrace_curve_t &curve = path->curve;
      if (curve.n <= 0) continue;
      Put('M', {curve.c[curve.n - 1][2]});
      for (int k = 0; k < curve.n; k++)
        if (curve.tag[k] == POTRACE_CORNER) Put('L', {curve.c[k][1]}), Put('L', {curve.c[k][2]});
        else Put('C', {curve.c[k][0], curve.c[k][1], curve.c[k][2]});
      out.ops.push_back('Z');
    }
  potrace_state_free(state);
  return out;
}

void Draw(Canvas &canvas, int glyph) {
  if (glyph >= 1 && glyph <= 14) DrawSquareGlyph(canvas, glyph, 9, 9);
  else if (glyph >= FileGlyph && glyph < RankGlyph) DrawFileLetter(canvas, glyph - FileGlyph, 62);
  else if (glyph >= RankGlyph && glyph < NGlyphs) DrawRankDigit(canvas, glyph - RankGlyph, 60);
}

TracedGlyph Trace(int glyph) {
  TracedGlyph traced;
  auto canvas = std::make_unique<Canvas>();
  std::memset(canvas->Dot, Unwritten, sizeof canvas->Dot);
  Draw(*canvas, glyph);
  // Every glyph is drawn within Room pixels of the canvas's corner.
  int x1 = CanvasSize, y1 = CanvasSize, x2 = -1, y2 = -1;
  for (int x = 0; x < Room; x++)
    for (int y = 0; y < Room; y++)
      if (canvas->Dot[x][y] != Unwritten) {
        x1 = x < x1 ? x : x1, x2 = x > x2 ? x : x2;
        y1 = y < y1 ? y : y1, y2 = y > y2 ? y : y2;
      }
  if (x2 < 0) return traced;
  traced.white = TraceLayer(*canvas, x1, y1, x2, y2, [](uint8_t v) { return v != Unwritten; });
  traced.black = TraceLayer(*canvas, x1, y1, x2, y2, [](uint8_t v) { return v == 1; });
  return traced;
}
}  // namespace

const TracedGlyph &Traced(int glyph) {
  static const TracedGlyph none;
  if (glyph < 1 || glyph >= NGlyphs) return none;
  std::lock_guard<std::mutex> lock(Tracing);
  if (!Done[glyph]) {
    Cache[glyph] = Trace(glyph);
    Done[glyph] = true;
  }
  return Cache[glyph];
}
