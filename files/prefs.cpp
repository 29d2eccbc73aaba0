// The preferences file: four lines, the picture size on the second and the coordinates setting
// on the fourth. Lines end in CR LF.
#include "files/prefs.h"

#include <sys/stat.h>

#include <cstdio>
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

// Reads the next line (or the next 79 characters of a longer one) into line. At the end of the
// file line keeps what it held, so the last line read stands.
void ReadLine(FILE *f, char line[LineBuffer]) {
  char buffer[LineBuffer];
  if (std::fgets(buffer, LineBuffer, f)) std::memcpy(line, buffer, LineBuffer);
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
  double inches;
  if (LeadingFloat(p, &inches) && inches == inches) PicSiz = static_cast<float>(inches);
  if (!(PicSiz >= 1.0f)) PicSiz = 1.0f;
  if (PicSiz > 6.0f) PicSiz = 6.0f;
}
// --- Window size and recent files: the lines after the fourth. ---
constexpr int PathLineMax = 4096;  // a longer line is skipped whole

// The next line without its line end; false at the end of the file. A line longer than
// PathLineMax comes back empty.
bool ReadLongLine(FILE *f, std::string *line) {
  static char buffer[PathLineMax + 2];
  line->clear();
  bool any = false, tooLong = false;
  while (std::fgets(buffer, sizeof buffer, f)) {
    any = true;
    size_t n = std::strlen(buffer);
    bool ended = n > 0 && buffer[n - 1] == '\n';
    while (n > 0 && (buffer[n - 1] == '\n' || buffer[n - 1] == '\r')) n--;
    if (!tooLong) line->append(buffer, n);
    if (line->size() > PathLineMax) tooLong = true;
    if (ended) break;
  }
  if (tooLong) line->clear();
  return any;
}

void ReadWindowAndRecent(FILE *f) {
  std::string line;
  if (!ReadLongLine(f, &line) || !ReadLongLine(f, &line)) return;  // header, then "W H"
  bool found = false;
  int w = LeadingInt(line.c_str(), &found);
  const char *p = line.c_str();
  while (*p == ' ') p++;
  while (*p >= '0' && *p <= '9') p++;
  bool foundH = false;
  int h = LeadingInt(p, &foundH);
  if (found && foundH && w >= 100 && w <= 8192 && h >= 100 && h <= 8192) WindowWidth = w, WindowHeight = h;
  if (!ReadLongLine(f, &line)) return;  // header
  while (RecentFiles.size() < MaxRecentFiles && ReadLongLine(f, &line))
    if (!line.empty()) RecentFiles.push_back(line);
}

std::string WindowAndRecentLines() {
  if (WindowWidth <= 0 && RecentFiles.empty()) return "";
  std::string text = "Window size (WIDTH HEIGHT):\r\n" + std::to_string(WindowWidth) + " " +
                     std::to_string(WindowHeight) + "\r\nRecent files:\r\n";
  for (size_t i = 0; i < RecentFiles.size() && i < MaxRecentFiles; i++)
    if (RecentFiles[i].find_first_of("\r\n") == std::string::npos) text += RecentFiles[i] + "\r\n";
  return text;
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
  std::string path = PrefsPath();
  struct stat st;
  FILE *f = nullptr;
  WindowWidth = WindowHeight = 0;
  RecentFiles.clear();
  if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) f = std::fopen(path.c_str(), "r");
  if (!f) {
    ShowCoords = 2;
    Dpi = 2;
    PicSiz = 4.0f;
    return;
  }
  char line[LineBuffer] = "";
  ReadLine(f, line);
  ReadLine(f, line);
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
  ReadLine(f, line);
  ReadLine(f, line);
  if (Begins(line, "YES"))
    ShowCoords = 1;
  else if (Begins(line, "NO"))
    ShowCoords = 0;
  else if (Begins(line, "ASK"))
    ShowCoords = 2;
  ReadWindowAndRecent(f);
  std::fclose(f);
}

bool WritePrefs(std::string *why) {
  std::string size;
  switch (Dpi) {
    case 0: size = "CUSTOM " + FixedDecimals(PicSiz, 2); break;
    case 1: size = "SMALL"; break;
    case 3: size = "LARGE"; break;
    default: size = "MEDIUM"; break;
  }
  const char *coords = ShowCoords == 0 ? "NO" : ShowCoords == 1 ? "YES" : "ASK";
  std::string text = "Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\n" + size + "\r\n" +
                     "Coordinates (YES, NO, ASK):\r\n" + coords + "\r\n" + WindowAndRecentLines();
  const std::string path = PrefsPath();
  if (!IsRunFolder(StartFolder)) {
    std::error_code ec;
    std::filesystem::create_directories(ConfigFolder(), ec);  // a failure shows in the write
  }
  return WriteFileAtomically(path, text, why);
}
