#pragma once
// Where things are: the user's home, the virtual-clipboard picture, the program's own files.
#include <string>

// The user's home folder: $HOME, else the password database's entry, else /tmp. No trailing
// "/" unless it is "/".
std::string HomeFolder();
// The virtual-clipboard picture: clip.bmp in the user's home folder (c:\clip.bmp where the
// system has drive letters).
std::string ClipBMPPath();

// Where the program's own files are. The build's run folder holds the program beside its
// images (bmp/, cur/, gifs/) and help pages; an installed program finds them in
// ../share/boardsmith/ beside its bin/ folder.

// The folder of the running program (from /proc/self/exe); empty when it cannot be told.
std::string ProgramFolder();
// True when folder is a run folder: it holds bmp/ and the program.
bool IsRunFolder(const std::string &folder);
// The folder the images and help pages are read from: the start folder when it is a run
// folder, else the program's folder when it holds bmp/, else ../share/boardsmith/ beside the
// program when that holds bmp/; the start folder when none does (the files are then missing).
std::string DataFolder(const std::string &startFolder);
// A file of the data folder, e.g. DataPath(startFolder, "bmp/wk.bmp").
std::string DataPath(const std::string &startFolder, const std::string &name);
