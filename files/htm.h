#pragma once
// The web page: an HTML table of GIF images in the theme's colours.
#include <string>

// The bytes of the web page of the current model, lines ended by CR CR LF.
std::string HTMText(int coords);
// Writes the page to HTMFile (through a temporary file).
bool MakeHTMFile(int coords, std::string *why = nullptr);
