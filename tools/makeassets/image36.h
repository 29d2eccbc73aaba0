#pragma once
// A 36 x 36 screen image as makeassets draws it: a colour per pixel and whether the figure
// covers it (elsewhere the square shows through). Rows from the top, as on screen.
#include <cstdint>
#include <string>

constexpr int ImageSide = 36;

struct Image36 {
  uint32_t rgb[ImageSide][ImageSide] = {};    // [y][x], 0xRRGGBB
  bool figure[ImageSide][ImageSide] = {};     // [y][x]
};

constexpr uint32_t Black = 0x000000;
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t ArrowRed = 0xB40000;      // the board view's arrow colour (180, 0, 0)
constexpr uint32_t FaceBackground = 0xE7D0A7; // a light square (231, 208, 167)

// The figure of a square code (1..14) drawn by the picture's own glyph, scaled to 36 x 36.
Image36 GlyphImage(int code);
// The mark drawn on an arrow's start square: a red ring round the arrow's end point.
Image36 ArrowStartImage();
// The arrow tool: a red arrow pointing up and to the right.
Image36 ArrowToolImage();
// The eraser: a small tilted eraser block.
Image36 EraserImage();

// Files. BMP: 24-bit, rows bottom-up. ICO: one 36 x 36 image, 32-bit BGRA with its AND mask,
// transparent where the figure does not cover. Each returns false and says why on failure.
bool WriteBMP24(const std::string &path, const uint32_t (&rgb)[ImageSide][ImageSide],
                std::string *why);
bool WriteICO(const std::string &path, const Image36 &image, std::string *why);
// The bytes of those files, for tests and the writers above.
std::string BMP24Bytes(const uint32_t (&rgb)[ImageSide][ImageSide]);
// A square 24-bit BMP of side x side pixels, rgb row by row from the top.
std::string BMP24Bytes(const uint32_t *rgb, int side);

// The board view's figures at 72 x 72 for a scaled board: the picture's glyph pixel for pixel
// (codes 1..14) or the arrow-start mark (15). Picture black and mask white where the square
// shows through, as for the 36-pixel images.
constexpr int LargeSide = 72;
void LargeFigure(int code, uint32_t (&picture)[LargeSide][LargeSide],
                 uint32_t (&mask)[LargeSide][LargeSide]);
std::string ICOBytes(const Image36 &image);
