#pragma once
// The picture formats of a save or an export: the exact 1-bit BMP, the same pixels as PNG,
// vectors (PDF, SVG) at the print width, and colour pictures in the theme's colours.
#include <cstdint>
#include <string>
#include <vector>

enum : int { PictureBMP = 0, PicturePNG = 1, PicturePDF = 2, PictureSVG = 3 };
// Picture styles: the 1-bit book diagram, or the theme's colours.
enum : int { StylePrint = 0, StyleColour = 1 };
// Pixel width of a colour raster when none is asked for, and the widest one written.
constexpr int DefaultColourPixels = 592;
constexpr int MaxColourPixels = 4096;

// The format named by a path's extension (.bmp .png .pdf .svg, any case), or -1.
int PictureFormatOf(const std::string &path);
// The bytes of the model's diagram (Pos, Arr, NArrows, Flipped, Theme, Dpi, PicSiz) in a format
// and style. px: pixel width of a colour raster (0 = 592). False with a reason when the format
// or width is not one we write or the vector writer cannot be loaded.
bool PictureBytes(int format, int coords, int style, int px, std::string *bytes, std::string *why);
// Writes the picture to path through WriteFileAtomically; false with a reason on failure, an
// existing file of that name left as it was.
bool MakePictureFile(const std::string &path, int format, int coords, int style, int px,
                     std::string *why);
// In memory, for the clipboard: composes the diagram and returns the PNG of the 1-bit picture;
// empty, with a reason, when the PNG writer is missing or fails.
std::vector<uint8_t> EncodePNG(int coords, std::string *why = nullptr);
