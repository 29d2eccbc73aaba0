#pragma once
// A screen image as makeassets draws it: a colour per pixel and whether the figure covers it
// (elsewhere the square shows through). Rows from the top, as on screen. The images are
// 36 x 36; the board view's figures come again at 72 x 72 for a board shown larger.
#include <cstdint>
#include <string>

constexpr int ImageSide = 36, LargeSide = 72;

template <int N>
struct Figure {
  uint32_t rgb[N][N] = {};    // [y][x], 0xRRGGBB
  bool figure[N][N] = {};     // [y][x]
};
using Image36 = Figure<ImageSide>;
using Image72 = Figure<LargeSide>;

constexpr uint32_t Black = 0x000000;
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t ArrowRed = 0xB40000;      // the board view's arrow colour (180, 0, 0)
constexpr uint32_t FaceBackground = 0xE7D0A7; // a light square (231, 208, 167)

// The figure of a square code (1..14): the picture's own glyph pixel for pixel, and that
// scaled to 36 x 36.
Image72 GlyphFigure(int code);
Image36 Halved(const Image72 &glyph);
// The mark drawn on an arrow's start square: a red ring round the arrow's end point (N is 36
// or 72).
template <int N>
Figure<N> ArrowStartImage();
// The arrow tool: a red arrow pointing up and to the right.
Image36 ArrowToolImage();
// The eraser: a small tilted eraser block.
Image36 EraserImage();

// Files. BMP: 24-bit, rows bottom-up. ICO: one 36 x 36 image, 32-bit BGRA with its AND mask,
// transparent where the figure does not cover. Each returns false and says why on failure.
// The rgb of a BMP is side x side pixels, row by row from the top.
bool WriteBMP24(const std::string &path, const uint32_t *rgb, int side, std::string *why);
bool WriteICO(const std::string &path, const Image36 &image, std::string *why);
// The bytes of those files, for tests and the writers above.
std::string BMP24Bytes(const uint32_t *rgb, int side);
std::string ICOBytes(const Image36 &image);
