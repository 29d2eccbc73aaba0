#pragma once
// The composer's PNGs: 8-bit RGB, every row with the Up filter, one deflate block of fixed codes
// (pngencode.cpp says why).
#include <cstdint>
#include <vector>

// The whole PNG file of height rows of width pixels (0xAARRGGBB words, alpha ignored, the top row
// first, rows back to back), with pixelsPerMetre in its pHYs chunk; room holds the deflate stream
// on the way, kept by the caller for its next picture (no fresh pages to clear).
std::vector<uint8_t> PixelsPNG(const uint32_t *pixels, int width, int height, int pixelsPerMetre,
                               std::vector<uint8_t> &room);
