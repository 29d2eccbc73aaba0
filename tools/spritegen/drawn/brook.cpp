// The black rook: a tower on a stepped base with two white stripes and three merlons, drawn
// stroke by stroke. The side halos of the solid blocks are white Rects, five columns wide at
// the base and four elsewhere; the stripe ends are not mirror images.
#include "tools/spritegen/drawn/drawnpiece.h"

void BRookStrokes(Canvas &canvas, int x, int y) {
  // Strokes in square coordinates (u to the right, v upward).
  auto Halo = [&canvas, x, y](int v, int left, int right) {
    HaloLine(canvas, y + v, x + left, x + right, x);
  };
  auto Box = [&canvas, x, y](int left, int bottom, int right, int top, uint8_t colour) {
    Rect(canvas, x + left, y + bottom, x + right, y + top, colour);
  };

  Box(8, 3, 64, 6, 0);  // pad under the base
  Halo(7, 11, 61);
  Box(9, 8, 62, 14, 1);  // base
  Box(4, 8, 8, 14, 0);
  Box(63, 8, 67, 14, 0);
  Halo(15, 11, 61);
  Halo(16, 12, 60);  // step
  Box(15, 17, 57, 21, 1);  // plinth
  Box(11, 17, 14, 21, 0);
  Box(58, 17, 61, 21, 0);
  Box(16, 22, 56, 23, 1);  // plinth top
  Box(12, 22, 15, 23, 0);
  Box(57, 22, 60, 23, 0);

  // Ends of the lower white stripe.
  Halo(24, 17, 20);
  Halo(24, 52, 55);
  for (int v = 25; v <= 27; v++) {
    Halo(v, 18, 21);
    Halo(v, 51, 53);
  }
  Box(22, 24, 50, 27, 0);  // lower white stripe

  Box(20, 28, 52, 46, 1);  // tower body
  Box(16, 28, 19, 46, 0);
  Box(53, 28, 56, 46, 0);

  // Ends of the upper white stripe.
  for (int v = 47; v <= 48; v++) {
    Halo(v, 18, 21);
    Halo(v, 51, 53);
  }
  for (int v = 49; v <= 50; v++) {
    Halo(v, 17, 20);
    Halo(v, 52, 55);
  }
  Box(22, 47, 50, 50, 0);  // upper white stripe

  Halo(51, 16, 56);  // bottom of the battlements
  Box(15, 52, 57, 64, 1);  // battlements
  Box(11, 52, 14, 64, 0);
  Box(58, 52, 61, 64, 0);
  Box(25, 61, 28, 64, 0);  // embrasures
  Box(43, 61, 46, 64, 0);
  canvas.Dot[x + 42][y + 64] = 0;  // each embrasure one pixel wider at the top
  canvas.Dot[x + 29][y + 64] = 0;
  Halo(65, 30, 41);  // top row of the middle merlon
  Box(30, 66, 41, 69, 0);  // pad above it
}
