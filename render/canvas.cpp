// The picture canvas and its primitives: loops over a byte per pixel. The canvas keeps each
// column's pixels together, so whatever runs up a column is one fill or one copy.
#include "render/canvas.h"

#include <array>
#include <cmath>
#include <cstring>

namespace {
// Byte k is k & 1: a gray column from row y of column x is a copy from byte (x + y) & 1 on.
typedef std::array<uint8_t, CanvasSize + 1> CheckerTable;
constexpr CheckerTable MakeChecker() {
  CheckerTable t{};
  for (int k = 0; k <= CanvasSize; k++) t[k] = k & 1;
  return t;
}
constexpr CheckerTable Checker = MakeChecker();

// Rows y1..y2 of column x: copied from the checker table starting at parity.
void CheckerColumn(Canvas &canvas, int x, int y1, int y2, int parity) {
  if (y1 <= y2) std::memcpy(&canvas.Dot[x][y1], &Checker[parity & 1], y2 - y1 + 1);
}
}  // namespace

void HLine(Canvas &canvas, int y, int x1, int x2, uint8_t colour) {
  for (int x = x1; x <= x2; x++) canvas.Dot[x][y] = colour;
}

void VLine(Canvas &canvas, int x, int y1, int y2, uint8_t colour) {
  if (y1 <= y2) std::memset(&canvas.Dot[x][y1], colour, y2 - y1 + 1);
}

void GrayHLine(Canvas &canvas, int y, int x1, int x2) {
  uint8_t v = (x1 + y) & 1;
  for (int x = x1; x <= x2; x++, v ^= 1) canvas.Dot[x][y] = v;
}

void GrayVLine(Canvas &canvas, int x, int y1, int y2) { CheckerColumn(canvas, x, y1, y2, x + y1); }

void DLine(Canvas &canvas, int x1, int x2, int y1, int y2, int offset) {
  // Only the x whose y = x + offset falls within y1..y2 draw: walk just those.
  int from = x1 > y1 - offset ? x1 : y1 - offset;
  int to = x2 < y2 - offset ? x2 : y2 - offset;
  for (int x = from; x <= to; x++) canvas.Dot[x][x + offset] = 1;
}

void HaloLine(Canvas &canvas, int y, int x1, int x2, int sx) {
  HLine(canvas, y, x1 - 4 > sx ? x1 - 4 : sx + 1, x1, 0);
  HLine(canvas, y, x2 + 1, x2 + 4 < sx + 73 ? x2 + 4 : sx + 72, 0);
  HLine(canvas, y, x1, x2, 1);
}

void Line(Canvas &canvas, int x1, int y1, int x2, int y2, uint8_t colour) {
  LineAt(canvas, x1, y1, x2, y2, colour, 0, 0);
}

void LineAt(Canvas &canvas, int x1, int y1, int x2, int y2, uint8_t colour, int ox, int oy, int skipFrom,
            int skipTo) {
  // Pixel (x, y) of the line is written at (x + ox, y + oy).
  uint8_t *origin = &canvas.Dot[ox][oy];
  // The pixels along the long axis from lo to hi that are outside skipFrom..skipTo, each found
  // by put(k) for its step k from the start.
  auto Walk = [&](int lo, int hi, auto put) {
    for (int a = lo; a <= hi && a < skipFrom; a++) put(a);
    for (int a = skipTo + 1 > lo ? skipTo + 1 : lo; a <= hi; a++) put(a);
  };
  // The slope is a 32-bit float; the arithmetic after it is double on that value, so exact
  // halves land where the float puts them.
  if (x1 != x2) {
    float m = static_cast<float>(static_cast<double>(y2 - y1) / static_cast<double>(x2 - x1));
    double md = m;
    if (std::fabs(md) <= 1.0) {
      if (x1 > x2) {
        int t = x1; x1 = x2; x2 = t;
        t = y1; y1 = y2; y2 = t;
      }
      // Rows, and diagonals of slope exactly +-1, step by whole pixels: the same pixels as
      // the formula below, without its arithmetic (arrows are made mostly of such lines).
      if (md == 0.0 || md == 1.0 || md == -1.0) {
        int step = static_cast<int>(md);
        Walk(x1, x2, [&](int x) { origin[x * CanvasSize + y1 + (x - x1) * step] = colour; });
        return;
      }
      // md has 24 significant bits and the canvas is under 2^11 pixels, so for any slope not
      // tiny every y1 + k * md + 0.5 is exact in double, whichever way it is reached. A slope of
      // at least 2^-10 (any across the canvas) has no bit below 2^-33, so the same sums are
      // exact in fixed point with 40 bits after the point; with both ends on rows from 0 up they
      // are positive, and the shift truncates as the cast does.
      if (y1 >= 0 && y2 >= 0 && std::fabs(md) >= 1.0 / 1024) {
        const int64_t step = static_cast<int64_t>(md * 1099511627776.0);
        const int64_t start = static_cast<int64_t>(2 * y1 + 1) << 39;
        Walk(x1, x2, [&](int x) {
          origin[x * CanvasSize + static_cast<int>((start + (x - x1) * step) >> 40)] = colour;
        });
        return;
      }
      Walk(x1, x2, [&](int x) {
        origin[x * CanvasSize + static_cast<int>(y1 + (x - x1) * md + 0.5)] = colour;
      });
      return;
    }
    if (y1 > y2) {
      int t = x1; x1 = x2; x2 = t;
      t = y1; y1 = y2; y2 = t;
    }
    // x1 + (y - y1) / md + 0.5 rounds a quotient. An estimate in 32.32 fixed point, from 1 / md
    // rounded to a unit of 2^-32, is within 700 units of it for any line on the canvas; only
    // where the estimate lies within 2048 units of a whole number can the two round differently,
    // and there the formula itself decides.
    // (1 / md) * 2^32 is exact, and so is adding a half to it, as |1 / md| <= 1: the cast rounds
    // half away from zero as llround does.
    const double scaled = (1.0 / md) * 4294967296.0;
    const int64_t step = static_cast<int64_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
    const int64_t start = static_cast<int64_t>(2 * x1 + 1) << 31;
    constexpr uint32_t Near = 2048;
    Walk(y1, y2, [&](int y) {
      int64_t t = start + (y - y1) * step;
      int x = static_cast<int>(t >> 32);
      if (t < 0 || static_cast<uint32_t>(static_cast<uint32_t>(t) + Near) < 2 * Near)
        x = static_cast<int>(x1 + (y - y1) / md + 0.5);
      origin[x * CanvasSize + y] = colour;
    });
    return;
  }
  if (y1 > y2) {
    int t = y1; y1 = y2; y2 = t;
  }
  Walk(y1, y2, [&](int y) { origin[x1 * CanvasSize + y] = colour; });
}

void Rect(Canvas &canvas, int x1, int y1, int x2, int y2, uint8_t colour) {
  for (int x = x1; x <= x2; x++) VLine(canvas, x, y1, y2, colour);
}

void TransparentRect(Canvas &canvas, int x1, int y1, int x2, int y2, uint8_t colour) {
  for (int x = x1; x <= x2; x++)
    for (int y = y1 + ((x + y1 + 1) & 1); y <= y2; y += 2) canvas.Dot[x][y] = colour;
}

void GrayRect(Canvas &canvas, int x1, int y1, int x2, int y2, uint8_t colour) {
  // Black and white, the two colours of the canvas, are the checker table or its shift by one.
  if (colour <= 1) {
    for (int x = x1; x <= x2; x++) CheckerColumn(canvas, x, y1, y2, x + y1 + 1 - colour);
    return;
  }
  for (int x = x1; x <= x2; x++)
    for (int y = y1; y <= y2; y++) canvas.Dot[x][y] = ((x + y) & 1) ? colour : 1 - colour;
}

void EmptyB(Canvas &canvas, int sx, int sy) {
  for (int k = 0; k <= 20; k++) {
    int c = 71 - 7 * k;
    DLine(canvas, sx, sx + 71, sy, sy + 71, (sy - sx) + c);
    DLine(canvas, sx, sx + 71, sy, sy + 71, (sy - sx) + c - 1);
  }
}

namespace {
// EmptyB's lines are black where (v - u) mod 7 is 0 or 1, u and v counted from the square's
// lower-left pixel: column u of the square is row u mod 7 of this table, made by the compiler.
typedef std::array<std::array<uint8_t, SquarePixels>, 7> HatchTable;
constexpr HatchTable MakeHatchColumns() {
  HatchTable t{};
  for (int a = 0; a < 7; a++)
    for (int v = 0; v < SquarePixels; v++) t[a][v] = ((v - a) % 7 + 7) % 7 <= 1;
  return t;
}
constexpr HatchTable HatchColumns = MakeHatchColumns();
}  // namespace

void HatchedSquare(Canvas &canvas, int sx, int sy) {
  for (int u = 0; u < SquarePixels; u++)
    std::memcpy(&canvas.Dot[sx + u][sy], HatchColumns[u % 7].data(), SquarePixels);
}

void FilledCircle(Canvas &canvas, int cx, int cy, int r, uint8_t colour) {
  for (int d = -r; d <= r; d++) {
    int h = static_cast<int>(std::sqrt(static_cast<double>(r * r - d * d)) + 0.5);
    VLine(canvas, cx + d, cy - h, cy + h, colour);
  }
}

void Equation(int x1, int y1, int x2, int y2, float *slope, float *intercept) {
  if (x2 == x1) {
    *slope = 10000000.0f;
    *intercept = 0.0f;
    return;
  }
  *slope = static_cast<float>(static_cast<double>(y2 - y1) / static_cast<double>(x2 - x1));
  *intercept = static_cast<float>(y1 - x1 * static_cast<double>(*slope));
}
