#pragma once
// The application icon, as the PNG icons (makeassets) and the scalable one (iconsvg) both draw
// it: a glyph on a light square in a dark frame with rounded corners.
#include <cstdint>

constexpr int IconGlyphCode = 11;  // the black knight
// Shape, in units of the icon's side: corner radius, frame width, glyph margin.
constexpr double IconCorner = 0.16, IconFrame = 0.07, IconMargin = 0.10;
constexpr uint32_t IconFrameColour = 0x977151;   // theme 0's dark squares (151, 113, 81)
constexpr uint32_t IconSquareColour = 0xE7D0A7;  // theme 0's light squares (231, 208, 167)
