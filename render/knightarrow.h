#pragma once
// Knight arrows of the picture: a black band, an opaque gray shaft with white edges, a white
// tail and a gray triangular head with a white outline. Their slanted edges come from Equation
// as 32-bit floats; every run bound is computed in double from those floats and rounded.
#include "render/canvas.h"

// One run of gray fill: row (or column) `at`, from `from` to `to`, the bound of the edge with the
// smaller coordinate first.
struct FillRun {
  int at, from, to;
};

// The gray fills of one knight arrow, in drawing order.
struct KnightFill {
  bool columns;        // runs are columns (moves two columns wide) rather than rows
  FillRun shaft[94];
  int headRuns;        // 25 rows, or 29 columns
  FillRun head[29];
};

// True for the eight displacements of a knight.
bool IsKnightMove(int dc, int dr);
// True for the shapes an arrow may take, (dc, dr) from start to end: along a rank, a file or a
// diagonal, or a knight's move. (0, 0) passes as a diagonal: each caller decides what an arrow
// from a square to itself means.
bool IsArrowMove(int dc, int dr);
// The fills of the knight arrow between the centres (x0, y0) and (x1, y1), a knight move (dc, dr).
void KnightArrowFill(int x0, int y0, int x1, int y1, int dc, int dr, KnightFill *fill);
// Draws the knight arrow between the centres (x0, y0) and (x1, y1), a knight move (dc, dr).
void KnightArrow(Canvas &canvas, int x0, int y0, int x1, int y1, int dc, int dr);
// The same arrow with every pixel moved ox right and oy up (ox + oy even, so the gray keeps its
// phase): its float edges computed where KnightArrow computes them.
void KnightArrowAt(Canvas &canvas, int x0, int y0, int x1, int y1, int dc, int dr, int ox,
                   int oy);
