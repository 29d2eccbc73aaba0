// The file commands: save a picture or a web page under a chosen name (with the position file
// beside it), save the virtual-clipboard picture, open a position file.
//
// Every save writes the position file, then the export, then shows the check's report as the
// confirmation. A file that could not be written stops the save with a box naming the file
// and the reason, and no confirmation follows; the writers replace files through a temporary
// name, so an old file of that name is never left half written.
#include <cstdio>
#include <string>

#include "check/check.h"
#include "editor/editor.h"
#include "files/brd.h"
#include "files/htm.h"
#include "files/paths.h"
#include "model/model.h"
#include "render/makebmp.h"

namespace {
// Room for the dialog's name field; the chosen path must fit it with its terminating zero.
constexpr int PathCapacity = 4096;

struct DialogMode {
  const char *filter;  // one filter entry: text and pattern, each zero-terminated, then an empty one
  std::string *name;   // the global path the dialog offers and receives
  const char *defExt;
  uint32_t flags;
  bool save;
};

const DialogMode Modes[3] = {
    {"BMP Files (*.bmp)\0*.bmp\0", &BMPFile, "bmp",
     OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, true},
    {"Web-Page Files (*.htm)\0*.htm\0", &HTMFile, "htm",
     OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, true},
    {"Boardsmith Files (*.brd)\0*.brd\0", &BRDFile, "brd",
     OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, false},
};

// The path up to the first "." of its last component, so that a "." in a folder name
// (v1.2/x.bmp) does not cut there; the whole path when that component holds none.
std::string BaseName(const std::string &path) {
  size_t slash = path.rfind('/');
  size_t dot = path.find('.', slash == std::string::npos ? 0 : slash + 1);
  return dot == std::string::npos ? path : path.substr(0, dot);
}

// The folder part of a path without its last "/" (the dialogs' folder is kept so), "" for a bare
// name.
std::string FolderWithoutSlash(const std::string &path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
}  // namespace

int DecideCoords(HWND owner) {
  if (ShowCoords == 0 || ShowCoords == 1) return ShowCoords;
  int answer = MessageBox(owner, "Show Coordinates (a-h, 1-8)", "Show?", MB_YESNO | MB_ICONQUESTION);
  return answer == IDYES ? 1 : 0;
}

void SaveFailed(const std::string &path, const std::string &why) {
  std::string text = "Cannot write file " + path + ":\n" + why;
  MessageBox(MainWnd, text.c_str(), "Save failed", MB_OK | MB_ICONEXCLAMATION);
}

bool WriteBoth(const std::function<bool(int, std::string *)> &writeExport,
               const std::string &exportPath) {
  std::string why;
  if (!MakeBRDFile(Coords, &why)) {
    SaveFailed(BRDFile, why);
    return false;
  }
  if (!writeExport(Coords, &why)) {
    SaveFailed(exportPath, why);
    return false;
  }
  return true;
}

void DiagramInFile() {
  DiagramFile = BRDFile;
  MarkDiagramSaved();
  AddRecentFile(BRDFile);
  UpdateTitle();
}

void SavedByUser() {
  if (!VClip) DiagramInFile();
}

std::string FileName(const std::string &path) { return path.substr(path.rfind('/') + 1); }

bool AskForFile(HWND owner, bool save, const char *filter, const char *defExt, uint32_t flags,
                std::string *path, uint32_t *filterIndex, bool remember) {
  // The dialog works on a buffer of its own; the last name of this kind is offered in it.
  // The dialog's folder is the one last used, whichever kind of file was chosen there.
  const bool inLast = remember && !LastFolder.empty();
  std::string offered = inLast && !path->empty() ? LastFolder + "/" + FileName(*path) : *path;
  char file[PathCapacity];
  std::snprintf(file, sizeof file, "%s", offered.c_str());
  OPENFILENAME ofn = {};
  ofn.lStructSize = 76;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.lpstrFile = file;
  ofn.nMaxFile = PathCapacity;
  ofn.lpstrInitialDir = inLast ? LastFolder.c_str() : StartFolder.c_str();
  ofn.lpstrDefExt = defExt;
  ofn.Flags = flags;
  ofn.nFilterIndex = filterIndex ? *filterIndex : 0;
  if (!(save ? GetSaveFileName(&ofn) : GetOpenFileName(&ofn))) return false;
  *path = file;
  if (filterIndex) *filterIndex = ofn.nFilterIndex;
  if (remember) LastFolder = FolderWithoutSlash(*path);
  return true;
}

void FileIO(HWND hwnd, int mode) {
  if (mode < 0 || mode > 2) return;
  const DialogMode &m = Modes[mode];
  if (!AskForFile(hwnd, m.save, m.filter, m.defExt, m.flags, m.name)) return;

  if (mode == 0) SaveBMP(hwnd);
  if (mode == 1) SaveHTM();
  if (mode == 2) OpenBRDFile(hwnd);
}

void SaveBMP(HWND hwnd) {
  if (BMPFile.empty()) return;
  std::string base = BaseName(BMPFile);
  BMPFile = base + ".bmp";
  BRDFile = base + ".brd";
  Coords = DecideCoords(hwnd);
  if (!WriteBoth(MakeBMPFile, BMPFile)) return;
  // The clipboard picture also goes on the desktop's clipboard, ready to paste.
  if (VClip) OfferDiagramToClipboard(BMPFile);
  SavedByUser();
  CheckLegal(1);
}

void SaveHTM() {
  if (HTMFile.empty()) return;
  std::string base = BaseName(HTMFile);
  HTMFile = base + ".htm";
  BRDFile = base + ".brd";
  Coords = DecideCoords(MainWnd);  // centred on the main window like every other box
  if (!WriteBoth(MakeHTMFile, HTMFile)) return;
  SavedByUser();
  CheckLegal(2);
}

bool OpenBRDFile(HWND hwnd) {
  std::string why;
  RememberForUndo();
  if (!ReadBRDFile(&why)) {
    std::string text = "Cannot open file " + BRDFile + ":\n" + why;
    MessageBox(hwnd, text.c_str(), "Open failed", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  // A half-drawn arrow belongs to the old diagram: drop it. The status line spoke of it too.
  ArrowStarted = 0;
  HDC hdc = GetDC(hwnd);
  DrawBoard(hdc);
  Scribe(hdc, "");
  ReleaseDC(hwnd, hdc);
  LastFolder = FolderWithoutSlash(BRDFile);
  DiagramInFile();
  return true;
}
