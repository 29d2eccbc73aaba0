// The preferences file: four lines, the picture size on the second and the coordinates setting
// on the fourth. Lines end in CR LF.
#include "files/prefs.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "files/atomicwrite.h"
#include "files/numbers.h"
#include "files/paths.h"
#include "model/model.h"

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
// the custom-size window allows. No number (or not a number) leaves PicSiz as it is.
void ReadCustomSize(const char *line) {
  const char *p = line;
  while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\v' || *p == '\f') p++;
  while (*p && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != '\v' && *p != '\f') p++;
  PicSiz = CustomInches(p, PicSiz);
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

void ReadWindowAndRecent(const std::string &text, size_t *at) {
  std::string line;
  if (!ReadLongLine(text, at, &line) || !ReadLongLine(text, at, &line)) return;  // header, "W H"
  bool found = false;
  int w = LeadingInt(line.c_str(), &found);
  const char *p = line.c_str();
  while (*p == ' ') p++;
  while (*p >= '0' && *p <= '9') p++;
  bool foundH = false;
  int h = LeadingInt(p, &foundH);
  if (found && foundH && w >= 100 && w <= 8192 && h >= 100 && h <= 8192) WindowWidth = w, WindowHeight = h;
  if (!ReadLongLine(text, at, &line)) return;  // header
  // A path holds no line break: a line with a CR inside is damage, not a file name.
  while (RecentFiles.size() < MaxRecentFiles && ReadLongLine(text, at, &line))
    if (!line.empty() && line.find('\r') == std::string::npos) RecentFiles.push_back(line);
}

std::string WindowAndRecentLines() {
  std::string files;
  for (size_t i = 0; i < RecentFiles.size() && i < MaxRecentFiles; i++)
    if (RecentFiles[i].find_first_of("\r\n") == std::string::npos) files += RecentFiles[i] + "\r\n";
  if (WindowWidth <= 0 && files.empty()) return "";
  return "Window size (WIDTH HEIGHT):\r\n" + std::to_string(WindowWidth) + " " +
         std::to_string(WindowHeight) + "\r\nRecent files:\r\n" + files;
}
}  // namespace

int WindowWidth = 0, WindowHeight = 0;
std::vector<std::string> RecentFiles;

std::string ConfigFolder() {
  const char *config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return std::string(config) + "/boardsmith";
  std::string home = HomeFolder();
  return home + (home.back() == '/' ? "" : "/") + ".config/boardsmith";
}

std::string PrefsPath() {
  if (!IsRunFolder(StartFolder)) return ConfigFolder() + "/prefs.txt";
  if (StartFolder.back() == '/') return StartFolder + "prefs.txt";
  return StartFolder + "/prefs.txt";
}

void ReadPrefs() {
  std::string text;
  if (!ReadFileStart(PrefsPath(), PrefsReadBytes, &text, nullptr)) {
    ShowCoords = 2, Dpi = 2, PicSiz = 4.0f;
    text.clear();  // then read as an empty file: no window size, no recent files
  }
  ReadPrefsText(text);
}

void ReadPrefsText(const std::string &text) {
  size_t at = 0;
  WindowWidth = WindowHeight = 0;
  RecentFiles.clear();
  char line[LineBuffer] = "";
  ReadLine(text, &at, line);
  ReadLine(text, &at, line);
  if (Begins(line, "CUST")) {
    Dpi = 0;
    ReadCustomSize(line);
  } else if (Begins(line, "SMALL")) {
    Dpi = 1, PicSiz = 2.0f;
  } else if (Begins(line, "MEDIUM")) {
    Dpi = 2, PicSiz = 4.0f;
  } else if (Begins(line, "LARGE")) {
    Dpi = 3, PicSiz = 6.0f;
  }
  ReadLine(text, &at, line);
  ReadLine(text, &at, line);
  if (Begins(line, "YES"))
    ShowCoords = 1;
  else if (Begins(line, "NO"))
    ShowCoords = 0;
  else if (Begins(line, "ASK"))
    ShowCoords = 2;
  ReadWindowAndRecent(text, &at);
}

std::string PrefsText() {
  std::string size;
  switch (Dpi) {
    case 0: size = "CUSTOM " + FixedDecimals(PicSiz, 2); break;
    case 1: size = "SMALL"; break;
    case 3: size = "LARGE"; break;
    default: size = "MEDIUM"; break;
  }
  const char *coords = ShowCoords == 0 ? "NO" : ShowCoords == 1 ? "YES" : "ASK";
  return "Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\n" + size + "\r\n" +
         "Coordinates (YES, NO, ASK):\r\n" + coords + "\r\n" + WindowAndRecentLines();
}

bool WritePrefs(std::string *why) {
  if (!IsRunFolder(StartFolder)) {
    std::error_code ec;
    std::filesystem::create_directories(ConfigFolder(), ec);  // a failure shows in the write
  }
  return WriteFileAtomically(PrefsPath(), PrefsText(), why);
}
