#pragma once
// The picture canvas and its drawing primitives.
//
// Dot[x][y]: x to the right, y upward (y = 1 is the bottom row of the finished picture).
// 0 is white, 1 is black. Bounds of every primitive are inclusive; a loop whose first bound
// is greater than its second draws nothing. No primitive clips: callers stay inside 0..629.
// Gray is the one-pixel checkerboard fixed to the canvas: black where x + y is odd.
//
// A canvas belongs to whoever draws (a thread, a job, a window) and is passed by reference to
// the composer and every primitive; it is large (630 x 630 bytes), so its owner keeps it on the
// heap (std::make_unique<Canvas>()). The pixels lie in the object itself, so a byte stored
// through canvas.Dot can never move the canvas: loops need no local copy of anything.
#include <cstddef>
#include <cstdint>

constexpr int CanvasSize = 630;
constexpr int SquarePixels = 72;

// The vector composer's working memory for the canvas's owner (its last raster, the PNG
// encoder's room, the men it has drawn at a size), made by the composer's module on first use
// and handed back to it with the canvas, so that a batch reuses it and no owner shares it.
struct ComposerRoom {
  void *room = nullptr;
  void (*release)(void *) = nullptr;
  ComposerRoom() = default;
  ComposerRoom(const ComposerRoom &) = delete;
  ComposerRoom &operator=(const ComposerRoom &) = delete;
  ~ComposerRoom() {
    if (release) release(room);
  }
};

struct Canvas {
  uint8_t Dot[CanvasSize][CanvasSize] = {};  // all white when made
  ComposerRoom composer;
};

void HLine(Canvas &canvas, int y, int x1, int x2, uint8_t colour);
void VLine(Canvas &canvas, int x, int y1, int y2, uint8_t colour);
void GrayHLine(Canvas &canvas, int y, int x1, int x2);
void GrayVLine(Canvas &canvas, int x, int y1, int y2);
// 45-degree black line y = x + offset for x1..x2, kept to rows y1..y2.
void DLine(Canvas &canvas, int x1, int x2, int y1, int y2, int offset);
// Black run x1..x2 on row y with up to four white pixels beyond each end, kept within
// sx+1 .. sx+72 for the square whose left column is sx.
void HaloLine(Canvas &canvas, int y, int x1, int x2, int sx);
void Line(Canvas &canvas, int x1, int y1, int x2, int y2, uint8_t colour);
// The pixels Line computes for these ends, each written ox to the right and oy up (Line's float
// rounding depends on where the ends are; this keeps the pixels of the line it would draw there),
// leaving out those whose column (for a line at most 45 degrees steep) or row (steeper) lies in
// skipFrom..skipTo: a caller that covers them next saves drawing them twice.
void LineAt(Canvas &canvas, int x1, int y1, int x2, int y2, uint8_t colour, int ox, int oy,
            int skipFrom = 1, int skipTo = 0);
void Rect(Canvas &canvas, int x1, int y1, int x2, int y2, uint8_t colour);
// Sets only the pixels with x + y odd.
void TransparentRect(Canvas &canvas, int x1, int y1, int x2, int y2, uint8_t colour);
// Pixels with x + y odd get colour, the others 1 - colour.
void GrayRect(Canvas &canvas, int x1, int y1, int x2, int y2, uint8_t colour);
// Diagonal hatching of the dark square with lower-left pixel (sx, sy).
void EmptyB(Canvas &canvas, int sx, int sy);
// The same square whitened and then hatched as EmptyB does: every pixel of it written, a column
// at a time from a table (what EmptyB gives on a white canvas, without its line arithmetic).
void HatchedSquare(Canvas &canvas, int sx, int sy);
void FilledCircle(Canvas &canvas, int cx, int cy, int r, uint8_t colour);
// Slope and intercept of the line through two points, as 32-bit floats.
void Equation(int x1, int y1, int x2, int y2, float *slope, float *intercept);
// trunc(v + 0.5): rounds the non-negative canvas coordinates half up.
inline int Rnd(double v) { return static_cast<int>(v + 0.5); }
