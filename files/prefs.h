#pragma once
// The preferences file prefs.txt in the start folder: picture size and coordinates setting.
#include <string>

// Sets Dpi, PicSiz and ShowCoords from the file; defaults when it is missing.
void ReadPrefs();
// Writes Dpi, PicSiz and ShowCoords. Returns false (and why) when the file cannot be written.
bool WritePrefs(std::string *why = nullptr);
// Where the preferences live: prefs.txt in StartFolder.
std::string PrefsPath();
