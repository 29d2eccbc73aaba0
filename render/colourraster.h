#pragma once
// The colour picture as pixels: the theme's squares, the men and markers of the print picture
// (white parts white, black parts black), arrows in the board view's red, coordinates.
#include <cstdint>
#include <vector>

#include "model/diagram.h"
#include "model/picturesettings.h"
#include "render/canvas.h"

// The board view's arrow red, shared by the colour pictures.
constexpr uint8_t ArrowRed[3] = {180, 0, 0};

// The colour picture of the diagram in the settings' theme, at the print picture's own size (592,
// or 624 with settings.Coords): RGB rows, the top row first. Draws its layers on the canvas.
std::vector<uint8_t> ComposeColour(const Diagram &diagram, const PictureSettings &settings,
                                   Canvas &canvas);
// An RGB picture of from x from pixels made to x to pixels, each new pixel the average of the
// area it covers (to <= MaxColourPixels).
std::vector<uint8_t> ScaleByArea(const std::vector<uint8_t> &rgb, int from, int to);
