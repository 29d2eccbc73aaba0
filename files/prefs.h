#pragma once
// The preferences file prefs.txt in the start folder: picture size and coordinates setting.
#include <string>

// Sets Dpi, PicSiz and ShowCoords from the file; defaults when it is missing or not a file.
void ReadPrefs();
// Sets Dpi, PicSiz and ShowCoords from the text of a preferences file, as ReadPrefs does; a line
// that matches nothing leaves its setting as it was.
void ReadPrefsText(const std::string &text);
// The text WritePrefs writes.
std::string PrefsText();
// Writes Dpi, PicSiz and ShowCoords. Returns false (and why) when the file cannot be written.
bool WritePrefs(std::string *why = nullptr);
// Where the preferences live: prefs.txt in StartFolder.
std::string PrefsPath();
