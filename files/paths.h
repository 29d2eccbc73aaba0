#pragma once
// The export paths and the virtual-clipboard flag of the save commands.
#include <string>

extern std::string BMPFile;  // last picture path; the picture dialog's name field
extern std::string HTMFile;  // last web-page path; the page dialog's name field
extern std::string BRDFile;  // position file to write or read; the open dialog's name field
extern char VClip;           // 1 while the virtual-clipboard save runs

// The virtual-clipboard picture: clip.bmp in the user's home folder (c:\clip.bmp where the
// system has drive letters).
std::string ClipBMPPath();
