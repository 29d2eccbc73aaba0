#pragma once
// The black king, bishop, knight and rook as they were first drawn, stroke by stroke on the
// canvas; spritegen records the pixels they leave as the sprites the picture draws. The king,
// bishop and knight share a silhouette held as rows of black runs, each laid with HaloLine so
// that a white halo keeps it off the hatching, and white detail strokes held as data.
// Everything is in square coordinates: u to the right, v upward, from the square's lower-left
// pixel (x, y), on the canvas given.
#include "render/canvas.h"

// Rows v1..v2 of a silhouette, each crossed by n (1 or 2) black runs u1..u2, left to right.
struct HaloRows {
  int v1, v2, n;
  int run[2][2];
};

// One white detail stroke.
enum StrokeKind { RectStroke, HStroke, VStroke, PixelStroke };
struct Stroke {
  StrokeKind kind;
  int a, b, c, d;  // Rect: u1, v1, u2, v2; HLine: v, u1, u2; VLine: u, v1, v2; pixel: u, v
};
// Shorthands that keep the detail tables readable.
constexpr Stroke R(int u1, int v1, int u2, int v2) { return {RectStroke, u1, v1, u2, v2}; }
constexpr Stroke H(int v, int u1, int u2) { return {HStroke, v, u1, u2, 0}; }
constexpr Stroke V(int u, int v1, int v2) { return {VStroke, u, v1, v2, 0}; }
constexpr Stroke P(int u, int v) { return {PixelStroke, u, v, 0, 0}; }

// Lays the runs of the rows, bottom to top, runs of a row left to right.
void DrawHaloRows(Canvas &canvas, const HaloRows *rows, int count, int x, int y);
// Draws the rows of a silhouette that include row v (the bishop interleaves its details).
void DrawHaloRow(Canvas &canvas, const HaloRows *rows, int count, int v, int x, int y);
// Draws strokes in white, in order.
void DrawWhiteStrokes(Canvas &canvas, const Stroke *strokes, int count, int x, int y);

// The pieces, each drawn on the square whose lower-left pixel is (x, y).
void BKingStrokes(Canvas &canvas, int x, int y);
void BRookStrokes(Canvas &canvas, int x, int y);
void BBishopStrokes(Canvas &canvas, int x, int y);
void BKnightStrokes(Canvas &canvas, int x, int y);
