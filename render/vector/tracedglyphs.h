#pragma once
// The glyphs of the picture (men, markers, coordinate letters and digits) as smooth outlines,
// traced with potrace from the pixels they draw, once each, on first use.
#include <vector>

// A path in picture pixels, y upward, the pixel (x, y) being the unit square up to (x, y).
// ops: 'M' and 'L' take one point, 'C' three, 'Z' none; points are pairs in data.
struct Outline {
  std::vector<char> ops;
  std::vector<double> data;
};

// The white layer (every pixel the glyph writes: its fill and halo) and the black layer, to be
// filled in that order with the even-odd rule.
struct TracedGlyph {
  Outline white, black;
};

// Glyph numbers: 1..14 the square codes, drawn on the square with lower-left pixel (9, 9);
// FileGlyph + f the letter of file f as drawn at x = 62; RankGlyph + r the digit of rank r as
// drawn at y = 60, both in the picture with coordinates.
constexpr int FileGlyph = 15, RankGlyph = 23, NGlyphs = 31;

// The traced glyph; safe to call from several threads at once.
const TracedGlyph &Traced(int glyph);
