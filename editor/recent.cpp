// The diagram's file: the title that names it, opening a file by name (command line, recent
// files), and the File menu's recent files kept with the preferences.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "files/prefs.h"

std::string DiagramFile;
std::string LastFolder;

namespace {
// The recent-file items shown now, so that they can be taken out before the list is shown anew.
int ShownRecent = 0;
}  // namespace

bool EndsWith(const std::string &text, const std::string &end) {
  if (text.size() < end.size()) return false;
  std::string tail = text.substr(text.size() - end.size());
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
  return tail == end;
}

void UpdateTitle() {
  if (!MainWnd) return;
  std::string name = DiagramFile.empty() ? std::string(DiagramModified() ? "Untitled" : "")
                                         : FileName(DiagramFile);
  if (DiagramModified()) name += "*";
  std::string title = name.empty() ? MainTitle : name + " - " + MainTitle;
  SetWindowText(MainWnd, title.c_str());
}

bool OpenFileByName(HWND hwnd, const std::string &path) {
  if (EndsWith(path, ".pgn")) return ShowGames(hwnd, path);
  if (!EndsWith(path, ".brd")) {
    std::string text = "Cannot open file " + path + ":\nit is not a position file (.brd) or games (.pgn).";
    MessageBox(hwnd, text.c_str(), "Open failed", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (!SaveChangesFirst(hwnd)) return false;
  Editor().BRDFile = path;
  const bool opened = OpenBRDFile(hwnd);
  ShowThemeChecks();  // the file's theme is in force
  return opened;
}

void AddRecentFile(const std::string &path) {
  if (path.empty() || path.find_first_of("\r\n") != std::string::npos) return;
  std::vector<std::string> &recent = Editor().prefs.RecentFiles;
  std::erase(recent, path);
  recent.insert(recent.begin(), path);
  if (recent.size() > MaxRecentFiles) recent.resize(MaxRecentFiles);
  SavePrefs();  // a list that cannot be kept is only this session's; nothing to confirm
  ShowRecentFiles();
}

void ShowRecentFiles() {
  for (int i = 0; i < ShownRecent; i++) DeleteMenu(MainMenu, CmdRecentFirst + i, MF_BYCOMMAND);
  ShownRecent = 0;
  const std::vector<std::string> &recent = Editor().prefs.RecentFiles;
  for (size_t i = 0; i < recent.size() && i < MaxRecentFiles; i++) {
    std::string text = "&" + std::to_string(i + 1) + " " + MenuLiteral(recent[i]);
    InsertMenu(MainMenu, CmdExit, MF_BYCOMMAND | MF_STRING, CmdRecentFirst + i, text.c_str());
    ShownRecent++;
  }
}

void OpenRecentFile(HWND hwnd, int id) {
  std::vector<std::string> &recent = Editor().prefs.RecentFiles;
  size_t i = static_cast<size_t>(id - CmdRecentFirst);
  if (id < CmdRecentFirst || i >= recent.size()) return;
  std::string path = recent[i];
  // A file that has gone is taken off the list once its box has said why.
  std::error_code ec;
  if (!OpenFileByName(hwnd, path) && !std::filesystem::exists(path, ec) &&
      std::erase(recent, path) > 0) {
    SavePrefs();
    ShowRecentFiles();
  }
}
