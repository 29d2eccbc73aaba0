#pragma once
// Glyph outlines of installed fonts, read with FreeType from the file fontconfig finds for a
// family (or from a font file named directly): the chess men of a font set and the letters and
// digits of the coordinates. Outlines only: nothing is ever drawn as text.
#include <string>
#include <vector>

#include "render/vector/tracedglyphs.h"

// One glyph's outline in font units, y upward, with its contours turned to one direction when
// asked (so that a non-zero fill covers its holes too: the glyph's silhouette).
struct FontGlyph {
  Outline outline;
  double left = 0, bottom = 0, right = 0, top = 0;  // the outline's bounds
  bool empty = true;
};

// A font found: its file, face index and family name.
struct FontFace {
  std::string file, family;
  int index = 0;
};

// The face of a family (fontconfig's best match, which must be that family) or of a .ttf/.otf
// file; false with a reason naming what was asked for.
bool FindFont(const std::string &name, FontFace *face, std::string *why);
// The outlines of the characters of a face, in order; false with a reason when the file cannot
// be read. A character the font lacks gives an empty glyph.
bool ReadGlyphs(const FontFace &face, const std::vector<unsigned> &characters, bool silhouettes,
                std::vector<FontGlyph> *glyphs, std::string *why);
// The families of the installed fonts that have every one of the characters, sorted.
std::vector<std::string> FamiliesWith(const std::vector<unsigned> &characters);
