#pragma once
// Piece sets as the composer draws them: each man two outlines in square units (the square 0..1
// each way, y upward), the lower filled in the light colour so that the square never shows
// through the man, the upper in black. Coordinates as outlines of a real font.
#include <string>

#include "render/vector/tracedglyphs.h"

struct ManShape {
  Outline under, over;
};

struct PieceSet {
  std::string name;     // as the user gave it ("classic", a family, a file)
  bool evenOdd = false;  // the classic traced figures fill even-odd, fonts non-zero
  ManShape man[13];     // by square code, WK (1) .. BP (12)
};

// The set of a name: "" the default font set (FreeSerif, the classic figures when it is not
// installed), "classic", a family or a font file. Loaded once and kept (safe from several threads);
// null with a reason (a font missing, or lacking some of the twelve chess men, is named with
// what it lacks).
const PieceSet *PieceSetNamed(const std::string &name, std::string *why);
// The font of the default set.
constexpr const char *DefaultPieceFont = "FreeSerif";

// Coordinate glyphs: files a..h (0..7) and ranks 1..8 (8..15), in units of the letters' height,
// each centred on (0, 0); from DejaVu Sans, or the traced classic glyphs without it.
struct CoordinateGlyphs {
  Outline glyph[16];
  bool evenOdd = false;
};
const CoordinateGlyphs &Coordinates();
