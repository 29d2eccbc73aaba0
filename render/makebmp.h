#pragma once
// The diagram picture: composed on a canvas, encoded as a monochrome 1-bit BMP.
#include <cstdint>
#include <string>
#include <vector>

#include "model/diagram.h"
#include "model/picturesettings.h"
#include "render/canvas.h"

// Picture size in pixels: 592, or 624 with coordinates.
int PictureSize(int coords);
// Pixels per metre recorded in the header, from the picture size and the printed width.
int PictureResolution(const PictureSettings &settings);
// Bytes in one row of the BMP's pixels: a bit a pixel, in whole 32-bit words.
int PictureStride(int coords);
// Draws the whole diagram on the canvas (with coordinates when settings.Coords says so).
void Compose(const Diagram &diagram, const PictureSettings &settings, Canvas &canvas);
// The BMP file of what Compose left on the canvas.
std::vector<uint8_t> EncodeBMP(const Canvas &canvas, const PictureSettings &settings);
// Composes the diagram and returns the bytes of its BMP file.
std::string MakeBMPFile(const Diagram &diagram, const PictureSettings &settings, Canvas &canvas);
