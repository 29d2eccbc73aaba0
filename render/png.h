#pragma once
// PNG files through libpng: 1-bit greyscale (the print picture) or 8-bit RGB (colour pictures).
#include <cstdint>
#include <string>

// The PNG of height rows of width pixels, the top row first, each row stride bytes: 1-bit grey
// (leftmost pixel in the high bit, 1 white) or, with rgb, three bytes a pixel. pixelsPerMetre
// goes into the pHYs chunk so that the picture prints at its width. Empty if libpng fails.
std::string PNGOfRows(const uint8_t *rows, int width, int height, int stride, bool rgb,
                      int pixelsPerMetre);
