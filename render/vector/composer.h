#pragma once
// The one vector composer: the diagram drawn with cairo in the units of its layout, y upward,
// for every picture but the exact 1-bit one. Two layouts: the picture (592 units square, 624
// with coordinates: the print picture's pixels) and the editor's board view (its white field,
// 322 x 320 units: squares of 36 with grid lines between, a wide frame, labels beside it).
#include <cairo.h>

#include "render/vector/pieceset.h"
#include "render/vector/room.h"
#include "render/vectorapi.h"

struct Layout {
  double width, height;  // the area drawn, in units
  double left, bottom;   // the lower-left corner of the square at column 0, row 0 (the bottom left)
  double side, step;     // a square's side, and from one square to the next
  bool view;             // the editor's board view
};
// The layout of a picture (with or without coordinates) or of the board view.
Layout PictureLayout(bool coords);
Layout BoardViewLayout();
// A palette face: one square of 36 units.
Layout FaceLayout();

// A palette face: the man or marker of a square code on a square of theme 0's light colour, in
// the face layout's units.
void ComposeFace(cairo_t *cr, int code, const PieceSet &set);

// Draws the whole diagram on cr, whose user space must be the layout's units with y downward
// (the composer turns it upward). Without sprites (an SVG or PDF) each man, marker and hatched
// square is recorded once and placed, so that the file holds each drawing once; with them (a
// raster) each is drawn once a size into a picture of its own, kept there, placed at whole pixels.
void ComposeDiagram(cairo_t *cr, const VectorDiagram &d, const PieceSet &set, const Layout &layout,
                    Sprites *sprites);
