#pragma once
// The diagram picture: composed on the canvas, encoded as a monochrome 1-bit BMP.
#include <cstdint>
#include <string>
#include <vector>

// Picture size in pixels: 592, or 624 with coordinates.
int PictureSize(int coords);
// Pixels per metre recorded in the header, from the picture size and PicSiz.
int PictureResolution(int coords);
// Bytes in one row of the BMP's pixels: a bit a pixel, in whole 32-bit words.
int PictureStride(int coords);
// Draws the whole diagram of the model into Dot.
void ComposeDiagram(int coords);
// The BMP file of what ComposeDiagram left in Dot.
std::vector<uint8_t> EncodeBMP(int coords);
// Composes the diagram and writes it to BMPFile (through a temporary file). On failure returns
// false and says why; an existing file of that name is left as it was.
bool MakeBMPFile(int coords, std::string *why = nullptr);
