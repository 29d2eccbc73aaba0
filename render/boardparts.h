#pragma once
// The parts of the diagram picture, each drawn on its own, so that the print picture draws them
// all in one canvas and the colour picture each on a canvas of its own.
#include "model/diagram.h"
#include "render/canvas.h"

// The frame round the board: three black lines on each side, o pixels right of and above where
// a picture without coordinates has it.
void DrawFrame(Canvas &canvas, int o);
// The glyph of every square's code (men and markers), the board moved o pixels as the frame.
void DrawMen(Canvas &canvas, const Diagram &diagram, int o);
// The diagram's arrows in use, the board moved o pixels; arrows with an end off the board (only
// a damaged file brings them) are left out.
void DrawArrows(Canvas &canvas, const Diagram &diagram, int o);
// The file letters below and the rank digits left of the board of a picture with coordinates,
// in the diagram's orientation.
void DrawCoordinates(Canvas &canvas, const Diagram &diagram);
