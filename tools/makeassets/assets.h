#pragma once
#include <string>

// bmp/ and cur/: button faces, pictures, masks and cursors, 36 x 36.
bool WriteScreenImages(const std::string &folder);
// gifs/: the 61 images a web page refers to.
bool WriteWebGifs(const std::string &folder);
// icons/<size>/boardsmith.png: the application icon in the desktop's usual sizes.
bool WriteIcons(const std::string &folder);
