#pragma once
// The picture formats of a save or an export: the exact 1-bit BMP (the classic figures always),
// the same pixels as PNG (print style, classic set, the picture's own size), and everything else
// from the vector composer: PNG at any width in either style and set, PDF and SVG at the print
// width. Each returns the file's bytes; whoever names the file writes them.
#include <cstdint>
#include <string>
#include <vector>

#include "model/diagram.h"
#include "model/picturesettings.h"
#include "render/canvas.h"

enum : int { PictureBMP = 0, PicturePNG = 1, PicturePDF = 2, PictureSVG = 3, PictureGIF = 4 };
// Pixel width of a colour raster when none is asked for (a print one is the picture's own size),
// and the widest raster written.
constexpr int DefaultColourPixels = 592;
constexpr int MaxColourPixels = 4096;

// The format named by a path's extension (.bmp .png .pdf .svg .gif, any case), or -1.
int PictureFormatOf(const std::string &path);
// Pixels per metre of a colour raster px pixels wide printed at the picture's width.
int ColourResolution(const PictureSettings &settings, int px);
// The bytes of the diagram's picture in a format, in the settings' style and piece set (and, for
// a PNG or colour GIF, the settings' Px width). False with a reason when the format, style, width
// or piece set is not one we write or the writer module cannot be loaded.
bool PictureBytes(int format, const Diagram &diagram, const PictureSettings &settings,
                  Canvas &canvas, std::string *bytes, std::string *why);
// The PNG of the exact 1-bit picture; empty, with a reason, when the PNG writer is missing or
// fails.
std::vector<uint8_t> EncodePNG(const Diagram &diagram, const PictureSettings &settings,
                               Canvas &canvas, std::string *why = nullptr);
