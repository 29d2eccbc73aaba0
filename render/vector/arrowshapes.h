#pragma once
// The picture's arrows as the shapes the rasteriser fills: shaft and head polygons filled with
// the half-tone (transparent where only its black cells are laid, opaque where its white cells
// are laid too) and the white lines and edges that set the arrow off the board.
#include <vector>

enum ShapeKind {
  HalftoneShape,  // black cells of the half-tone only
  OpaqueShape,    // white, then the half-tone's black cells
  WhiteEdge,      // the polygon's outline, two pixels wide outside it, white
  WhiteLine,      // a line one pixel wide from the first point to the second, white
};

struct ArrowShape {
  ShapeKind kind;
  int phase;                   // half-tone: black on pixels whose x + y has this parity
  std::vector<double> points;  // x, y pairs in picture pixels, y upward (the picture's corner 0, 0)
};

// The shapes of the arrow from square (c0, r0) to (c1, r1), columns from the left and rows from
// the bottom, in drawing order, in the picture without coordinates; none for a pair of squares
// the picture draws no arrow between.
std::vector<ArrowShape> ArrowShapes(int c0, int r0, int c1, int r1);
