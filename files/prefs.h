#pragma once
// The preferences file prefs.txt in the start folder: picture size and coordinates setting.
#include <string>
#include <vector>

// Kept after the four lines of the settings (a file without them is read as before): the main
// window's outer size (0 x 0 when none was kept) and the recent files, newest first.
constexpr int MaxRecentFiles = 8;
extern int WindowWidth, WindowHeight;
extern std::vector<std::string> RecentFiles;

// Sets Dpi, PicSiz and ShowCoords from the file; defaults when it is missing.
void ReadPrefs();
// Writes Dpi, PicSiz and ShowCoords. Returns false (and why) when the file cannot be written.
bool WritePrefs(std::string *why = nullptr);
// Where the preferences live: prefs.txt in StartFolder.
std::string PrefsPath();
