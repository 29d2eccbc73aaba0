// Drawing loops shared by the silhouette pieces.
#include "tools/spritegen/drawn/drawnpiece.h"

void DrawHaloRow(Canvas &canvas, const HaloRows *rows, int count, int v, int x, int y) {
  for (int i = 0; i < count; i++) {
    const HaloRows &r = rows[i];
    if (v < r.v1 || v > r.v2) continue;
    for (int k = 0; k < r.n; k++) HaloLine(canvas, y + v, x + r.run[k][0], x + r.run[k][1], x);
  }
}

void DrawHaloRows(Canvas &canvas, const HaloRows *rows, int count, int x, int y) {
  for (int i = 0; i < count; i++)
    for (int v = rows[i].v1; v <= rows[i].v2; v++)
      for (int k = 0; k < rows[i].n; k++)
        HaloLine(canvas, y + v, x + rows[i].run[k][0], x + rows[i].run[k][1], x);
}

void DrawWhiteStrokes(Canvas &canvas, const Stroke *strokes, int count, int x, int y) {
  for (int i = 0; i < count; i++) {
    const Stroke &s = strokes[i];
    switch (s.kind) {
      case RectStroke: Rect(canvas, x + s.a, y + s.b, x + s.c, y + s.d, 0); break;
      case HStroke: HLine(canvas, y + s.a, x + s.b, x + s.c, 0); break;
      case VStroke: VLine(canvas, x + s.a, y + s.b, y + s.c, 0); break;
      case PixelStroke: canvas.Dot[x + s.a][y + s.b] = 0; break;
    }
  }
}
