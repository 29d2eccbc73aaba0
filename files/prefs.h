#pragma once
// The preferences file prefs.txt: picture size and coordinates setting, then the main window's
// size and the recent files. It lives in the start folder when that is a run folder (the program
// beside its bmp/), else in the user's configuration folder, $XDG_CONFIG_HOME/boardsmith/
// (~/.config/boardsmith/ by default).
#include <cstdint>
#include <string>
#include <vector>

constexpr int MaxRecentFiles = 8;

struct Prefs {
  int32_t Dpi = 2;         // picture size: 0 custom, 1 small, 2 medium, 3 large
  float PicSiz = 4.0f;     // its printed width in inches
  int32_t ShowCoords = 2;  // coordinates setting: 0 Never, 1 Always, 2 Ask
  // Kept after the four lines of the settings (a file without them is read as before): the main
  // window's outer size (0 x 0 when none was kept) and the recent files, newest first.
  int WindowWidth = 0, WindowHeight = 0;
  std::vector<std::string> RecentFiles;
  // Kept after the recent files and an empty line, each only when set: the theme the user chose
  // to keep (-1: a theme at random at every start) and the game window's last place on the
  // screen (its outer frame's top left corner).
  int32_t KeptTheme = -1;
  bool GameWindowPlaced = false;
  int GameWindowX = 0, GameWindowY = 0;
  bool operator==(const Prefs &) const = default;
};

// The preferences at path; the defaults when it is missing or not a file.
Prefs ReadPrefs(const std::string &path);
// Reads the text of a preferences file over prefs: a settings line that matches nothing leaves
// its setting as it was; the window size, recent files, kept theme and game window place are
// what the text holds (none when it holds none).
void ReadPrefsText(const std::string &text, Prefs &prefs);
// The text of the preferences file.
std::string PrefsText(const Prefs &prefs);
// Where the preferences live: prefs.txt in startFolder when it is a run folder, else in
// ConfigFolder().
std::string PrefsPath(const std::string &startFolder);
// $XDG_CONFIG_HOME/boardsmith when that variable holds an absolute path, else
// $HOME/.config/boardsmith.
std::string ConfigFolder();
