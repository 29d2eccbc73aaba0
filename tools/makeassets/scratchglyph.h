#pragma once
// A square glyph drawn alone on a scratch canvas and read back pixel for pixel: the screen
// images, the web-page images and the icon all start from the picture's own glyphs.
#include <cstdint>
#include <cstring>
#include <memory>

#include "render/canvas.h"
#include "render/glyphs.h"

// What the glyph leaves alone: a value no glyph writes.
constexpr uint8_t GlyphUnwritten = 2;

// A glyph's square, row 0 at the top: 0 white, 1 black, GlyphUnwritten where it draws nothing.
struct GlyphSquare {
  uint8_t at[SquarePixels][SquarePixels];  // [row][column]
};

// The glyph of a square code (1..14), drawn on a canvas of its own well inside it, so that what
// a glyph draws a pixel or two beyond its square lands on scratch.
inline GlyphSquare DrawnGlyph(int code) {
  constexpr int X = 200, Y = 200;
  auto canvas = std::make_unique<Canvas>();
  std::memset(canvas->Dot, GlyphUnwritten, sizeof canvas->Dot);
  DrawSquareGlyph(*canvas, code, X, Y);
  GlyphSquare square;
  for (int row = 0; row < SquarePixels; row++)
    for (int col = 0; col < SquarePixels; col++)
      square.at[row][col] = canvas->Dot[X + col][Y + SquarePixels - 1 - row];
  return square;
}
