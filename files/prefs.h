#pragma once
// The preferences file prefs.txt: picture size and coordinates setting. It lives in the start
// folder when that is a run folder (the program beside its bmp/), else in the user's
// configuration folder, $XDG_CONFIG_HOME/boardsmith/ (~/.config/boardsmith/ by default).
#include <string>
#include <vector>

// Kept after the four lines of the settings (a file without them is read as before): the main
// window's outer size (0 x 0 when none was kept) and the recent files, newest first.
constexpr int MaxRecentFiles = 8;
extern int WindowWidth, WindowHeight;
extern std::vector<std::string> RecentFiles;

// Sets Dpi, PicSiz and ShowCoords from the file; defaults when it is missing or not a file.
void ReadPrefs();
// Sets Dpi, PicSiz and ShowCoords from the text of a preferences file, as ReadPrefs does; a line
// that matches nothing leaves its setting as it was.
void ReadPrefsText(const std::string &text);
// The text WritePrefs writes.
std::string PrefsText();
// Writes Dpi, PicSiz and ShowCoords, making the configuration folder when it is missing.
// Returns false (and why) when the file cannot be written.
bool WritePrefs(std::string *why = nullptr);
// Where the preferences live: prefs.txt in StartFolder when it is a run folder, else in
// ConfigFolder().
std::string PrefsPath();
// $XDG_CONFIG_HOME/boardsmith when that variable holds an absolute path, else
// $HOME/.config/boardsmith.
std::string ConfigFolder();
