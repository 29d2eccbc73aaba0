// The dot marker: a black disc of radius 12 in a white ring four pixels wide, centred on
// pixel 36 of the square in both directions.
#include "render/canvas.h"
#include "render/glyphs.h"

void Spot(Canvas &canvas, int sx, int sy) {
  FilledCircle(canvas, sx + 36, sy + 36, 16, 0);
  FilledCircle(canvas, sx + 36, sy + 36, 12, 1);
}
