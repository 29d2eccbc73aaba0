#pragma once
// Recording what a piece drawn stroke by stroke leaves on its square.
#include <string>
#include <vector>

#include "render/canvas.h"
#include "tools/spritegen/raster.h"

// A piece drawn by a routine on the canvas.
struct DrawnArt {
  const char *name;   // routine, as "BKing"
  const char *file;   // source under render/, as "bking"
  const char *about;  // one line for the source's comment
  // The strokes, on the square whose lower-left pixel is (x, y).
  void (*draw)(Canvas &canvas, int x, int y);
};

// The black king, rook, bishop and knight, in the order of their square codes.
const std::vector<DrawnArt> &DrawnPieces();

// The pixels the routine writes on a scratch canvas, as ColumnSpans gives a grid's: spans up
// each column of the cells written, from the square's lower-left pixel, and their colours (0
// white, 1 black). The routine may reach a few pixels beyond the square's top and right, never
// below or left of it; otherwise says where in why and returns false.
bool CaptureSpans(void (*draw)(Canvas &, int, int), SpanList *spans, std::vector<int> *colours,
                  std::string *why);
