#pragma once
// The PNG writer's colour pictures: 8-bit RGB, every row with the Up filter, one deflate block of
// fixed codes (render/png/rgbpng.cpp says why).
#include <cstdint>
#include <vector>

// The whole PNG file of height rows of width RGB pixels, the top row first, each row stride bytes
// apart, with pixelsPerMetre in its pHYs chunk.
std::vector<uint8_t> RGBPNG(const uint8_t *rows, int width, int height, int stride, int pixelsPerMetre);
