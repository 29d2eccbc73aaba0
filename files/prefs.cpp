// The preferences file: four lines, the picture size on the second and the coordinates setting
// on the fourth. Lines end in CR LF.
#include "files/prefs.h"

#include <cstdlib>
#include <cstring>

#include "files/atomicwrite.h"
#include "files/numbers.h"
#include "files/paths.h"

namespace {
// Each read takes at most 79 characters, like the lines of the file were always read.
constexpr int LineBuffer = 80;
// The four reads take at most 4 * 79 bytes of the file; the window size and the recent files
// after them at most a few kilobytes a path.
constexpr size_t PrefsReadBytes = 64 * 1024;

// Reads the next line of text from *at (or the next 79 characters of a longer one) into line,
// like fgets. At the end of the text line keeps what it held, so the last line read stands.
void ReadLine(const std::string &text, size_t *at, char line[LineBuffer]) {
  if (*at >= text.size()) return;
  size_t n = 0;
  while (n < LineBuffer - 1 && *at < text.size()) {
    char c = text[(*at)++];
    line[n++] = c;
    if (c == '\n') break;
  }
  line[n] = '\0';
}

bool Begins(const char *line, const char *prefix) {
  return std::strncmp(line, prefix, std::strlen(prefix)) == 0;
}

// The number after the first word of a "CUSTOM 2.50" line, kept within the 1.0 to 6.0 inches
// the custom-size window allows. No number (or not a number) leaves the size as it is.
void ReadCustomSize(const char *line, Prefs &prefs) {
  const char *p = line;
  while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\v' || *p == '\f') p++;
  while (*p && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != '\v' && *p != '\f') p++;
  prefs.PicSiz = CustomInches(p, prefs.PicSiz);
}
// --- Window size and recent files: the lines after the fourth. ---
constexpr int PathLineMax = 4096;  // a longer line is skipped whole

// The next line of text from *at without its line end; false at the end of the text. A line
// longer than PathLineMax comes back empty.
bool ReadLongLine(const std::string &text, size_t *at, std::string *line) {
  line->clear();
  if (*at >= text.size()) return false;
  size_t end = text.find('\n', *at);
  if (end == std::string::npos) end = text.size();
  size_t n = end;
  while (n > *at && text[n - 1] == '\r') n--;
  if (n - *at <= PathLineMax) line->assign(text, *at, n - *at);
  *at = end + 1;
  return true;
}

// A file name as the recent files keep one: text without control characters, in UTF-8 (what the
// file dialogs give). Anything else in the file is damage, not a name, and is dropped.
bool FileNameText(const std::string &line) {
  for (size_t i = 0; i < line.size();) {
    unsigned char c = static_cast<unsigned char>(line[i]);
    // The bytes that follow a lead byte; -1 for a byte that cannot lead.
    int follow = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2
                            : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (c < 0x20 || c == 0x7F || follow < 0 || (follow == 1 && c < 0xC2)) return false;
    for (size_t k = 1; k <= static_cast<size_t>(follow); k++)
      if (i + k >= line.size() || (static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80)
        return false;
    i += static_cast<size_t>(follow) + 1;
  }
  return true;
}

void ReadWindowAndRecent(const std::string &text, size_t *at, Prefs &prefs) {
  std::string line;
  if (!ReadLongLine(text, at, &line) || !ReadLongLine(text, at, &line)) return;  // header, "W H"
  bool found = false;
  int w = LeadingInt(line.c_str(), &found);
  const char *p = line.c_str();
  while (*p == ' ') p++;
  while (*p >= '0' && *p <= '9') p++;
  bool foundH = false;
  int h = LeadingInt(p, &foundH);
  if (found && foundH && w >= 100 && w <= 8192 && h >= 100 && h <= 8192)
    prefs.WindowWidth = w, prefs.WindowHeight = h;
  if (!ReadLongLine(text, at, &line)) return;  // header
  // An empty line ends the list.
  std::vector<std::string> &files = prefs.RecentFiles;
  while (ReadLongLine(text, at, &line) && !line.empty())
    if (files.size() < MaxRecentFiles && FileNameText(line)) files.push_back(line);
}

// The kept theme and the game window's place: a header line, then its value line, each.
constexpr char ThemeHeader[] = "Theme kept (0..7):";
constexpr char GameWindowHeader[] = "Game window (X Y):";
constexpr int MaxPlace = 16384;  // a window's corner further off than this is damage

void ReadThemeAndGameWindow(const std::string &text, size_t *at, Prefs &prefs) {
  std::string header, value;
  while (ReadLongLine(text, at, &header) && ReadLongLine(text, at, &value)) {
    if (header == ThemeHeader && value.size() == 1 && value[0] >= '0' && value[0] <= '7')
      prefs.KeptTheme = value[0] - '0';
    if (header != GameWindowHeader) continue;
    bool foundX = false, foundY = false;
    int x = LeadingInt(value.c_str(), &foundX);
    size_t space = value.find(' ', value.find_first_not_of(' '));
    int y = space == std::string::npos ? 0 : LeadingInt(value.c_str() + space, &foundY);
    auto near = [](int v) { return v >= -MaxPlace && v <= MaxPlace; };
    if (foundX && foundY && near(x) && near(y))
      prefs.GameWindowPlaced = true, prefs.GameWindowX = x, prefs.GameWindowY = y;
  }
}

std::string ThemeAndGameWindowLines(const Prefs &prefs) {
  std::string lines;
  if (prefs.KeptTheme >= 0 && prefs.KeptTheme <= 7)
    lines += std::string(ThemeHeader) + "\r\n" + std::to_string(prefs.KeptTheme) + "\r\n";
  if (prefs.GameWindowPlaced)
    lines += std::string(GameWindowHeader) + "\r\n" + std::to_string(prefs.GameWindowX) + " " +
             std::to_string(prefs.GameWindowY) + "\r\n";
  return lines;
}

std::string WindowAndRecentLines(const Prefs &prefs) {
  const std::vector<std::string> &recent = prefs.RecentFiles;
  std::string files;
  for (size_t i = 0; i < recent.size() && i < MaxRecentFiles; i++)
    if (recent[i].find_first_of("\r\n") == std::string::npos) files += recent[i] + "\r\n";
  const std::string more = ThemeAndGameWindowLines(prefs);
  if (prefs.WindowWidth <= 0 && files.empty() && more.empty()) return "";
  return "Window size (WIDTH HEIGHT):\r\n" + std::to_string(prefs.WindowWidth) + " " +
         std::to_string(prefs.WindowHeight) + "\r\nRecent files:\r\n" + files +
         (more.empty() ? "" : "\r\n" + more);
}
}  // namespace

std::string ConfigFolder() {
  const char *config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return std::string(config) + "/boardsmith";
  std::string home = HomeFolder();
  return home + (home.back() == '/' ? "" : "/") + ".config/boardsmith";
}

std::string PrefsPath(const std::string &startFolder) {
  if (!IsRunFolder(startFolder)) return ConfigFolder() + "/prefs.txt";
  if (startFolder.back() == '/') return startFolder + "prefs.txt";
  return startFolder + "/prefs.txt";
}

Prefs ReadPrefs(const std::string &path) {
  Prefs prefs;
  std::string text;
  // A file that cannot be read is read as an empty one: the defaults, no window size, no recent
  // files.
  if (!ReadFileStart(path, PrefsReadBytes, &text, nullptr)) text.clear();
  ReadPrefsText(text, prefs);
  return prefs;
}

void ReadPrefsText(const std::string &text, Prefs &prefs) {
  size_t at = 0;
  prefs.WindowWidth = prefs.WindowHeight = 0;
  prefs.RecentFiles.clear();
  prefs.KeptTheme = -1;
  prefs.GameWindowPlaced = false;
  prefs.GameWindowX = prefs.GameWindowY = 0;
  char line[LineBuffer] = "";
  ReadLine(text, &at, line);
  ReadLine(text, &at, line);
  if (Begins(line, "CUST")) {
    prefs.Dpi = 0;
    ReadCustomSize(line, prefs);
  } else if (Begins(line, "SMALL")) {
    prefs.Dpi = 1, prefs.PicSiz = 2.0f;
  } else if (Begins(line, "MEDIUM")) {
    prefs.Dpi = 2, prefs.PicSiz = 4.0f;
  } else if (Begins(line, "LARGE")) {
    prefs.Dpi = 3, prefs.PicSiz = 6.0f;
  }
  ReadLine(text, &at, line);
  ReadLine(text, &at, line);
  if (Begins(line, "YES"))
    prefs.ShowCoords = 1;
  else if (Begins(line, "NO"))
    prefs.ShowCoords = 0;
  else if (Begins(line, "ASK"))
    prefs.ShowCoords = 2;
  ReadWindowAndRecent(text, &at, prefs);
  ReadThemeAndGameWindow(text, &at, prefs);
}

std::string PrefsText(const Prefs &prefs) {
  std::string size;
  switch (prefs.Dpi) {
    case 0: size = "CUSTOM " + FixedDecimals(prefs.PicSiz, 2); break;
    case 1: size = "SMALL"; break;
    case 3: size = "LARGE"; break;
    default: size = "MEDIUM"; break;
  }
  const char *coords = prefs.ShowCoords == 0 ? "NO" : prefs.ShowCoords == 1 ? "YES" : "ASK";
  return "Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\n" + size + "\r\n" +
         "Coordinates (YES, NO, ASK):\r\n" + coords + "\r\n" + WindowAndRecentLines(prefs);
}
