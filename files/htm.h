#pragma once
// The web page: an HTML table of GIF images in the theme's colours.
#include <string>

#include "model/diagram.h"
#include "model/picturesettings.h"

// The bytes of the web page of the diagram (coordinates and theme from the settings), lines
// ended by CR CR LF.
std::string MakeHTMFile(const Diagram &diagram, const PictureSettings &settings);
