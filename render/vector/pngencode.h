#pragma once
// The composer's PNGs: 8-bit RGB or grey, every row with the Up filter, one deflate block of fixed
// codes or zlib's fastest level (pngencode.cpp says why).
#include <cstdint>
#include <vector>

// The encoder's buffers, kept by the caller for its next picture (no fresh pages to clear): the
// one-pass stream, the filtered rows and zlib's stream.
struct PNGRoom {
  std::vector<uint8_t> fast, filtered, deflated;
};

// The whole PNG file of height rows of width pixels (0xAARRGGBB words, alpha ignored, the top row
// first, rows back to back), with pixelsPerMetre in its pHYs chunk: 8-bit RGB, or 8-bit grey when
// every pixel is a grey. Empty should zlib fail.
std::vector<uint8_t> PixelsPNG(const uint32_t *pixels, int width, int height, int pixelsPerMetre,
                               PNGRoom &room);
