#pragma once
// The export paths and the virtual-clipboard flag of the save commands, per thread: a thread
// that writes files names its own.
#include <string>

extern thread_local std::string BMPFile;  // last picture path; the picture dialog's name field
extern thread_local std::string HTMFile;  // last web-page path; the page dialog's name field
extern thread_local std::string BRDFile;  // position file to write or read; the open dialog's name field
extern thread_local constinit char VClip;  // 1 while the virtual-clipboard save runs

// The virtual-clipboard picture: clip.bmp in the user's home folder (c:\clip.bmp where the
// system has drive letters).
std::string ClipBMPPath();
