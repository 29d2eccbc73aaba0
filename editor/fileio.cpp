// The file commands: save a picture or a web page under a chosen name (with the position file
// beside it), save the virtual-clipboard picture, open a position file.
//
// Every save writes the position file and the export as a pair, then shows the check's report as
// the confirmation. A file that could not be written stops the save with a box naming the file
// and the reason, and no confirmation follows; files are replaced through temporary names, both
// written before either is renamed, so an old pair is never left half replaced.
#include <strings.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "files/atomicwrite.h"
#include "files/brd.h"
#include "files/htm.h"
#include "render/makebmp.h"

namespace {
// Room for the dialog's name field; the chosen path must fit it with its terminating zero.
constexpr int PathCapacity = 4096;

struct DialogMode {
  const char *filter;  // one filter entry: text and pattern, each zero-terminated, then an empty one
  std::string EditorState::*name;  // the editor's path the dialog offers and receives
  const char *defExt;
  uint32_t flags;
  bool save;
};

const DialogMode Modes[3] = {
    {"BMP Files (*.bmp)\0*.bmp\0", &EditorState::BMPFile, "bmp",
     OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, true},
    {"Web-Page Files (*.htm)\0*.htm\0", &EditorState::HTMFile, "htm",
     OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, true},
    {"Boardsmith Files (*.brd)\0*.brd\0", &EditorState::BRDFile, "brd",
     OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, false},
};

// The path without the extension of its kind (any case), whatever else its name holds:
// final.v2.bmp gives final.v2, pos.txt stays pos.txt.
std::string BaseName(const std::string &path, std::initializer_list<const char *> extensions) {
  const size_t slash = path.rfind('/'), name = slash == std::string::npos ? 0 : slash + 1;
  for (const char *ext : extensions) {
    size_t n = std::strlen(ext);
    if (path.size() - name > n && strncasecmp(path.c_str() + path.size() - n, ext, n) == 0)
      return path.substr(0, path.size() - n);
  }
  return path;
}

// True when the position file about to be written is another diagram's and the user does not
// want it replaced (the file dialog asked only about the picture or page).
bool KeepOtherPositionFile(const std::string &brd) {
  std::error_code ec;
  if (Editor().VClip || !std::filesystem::exists(brd, ec) ||
      (!DiagramFile.empty() && std::filesystem::equivalent(brd, DiagramFile, ec)))
    return false;
  std::string question =
      brd.substr(brd.rfind('/') + 1) + " already exists.\nDo you want to replace it?";
  return MessageBox(MainWnd, question.c_str(), "Confirm Save As", MB_YESNO | MB_ICONEXCLAMATION) !=
         IDYES;
}

// The folder part of a path without its last "/" (the dialogs' folder is kept so), "" for a bare
// name.
std::string FolderWithoutSlash(const std::string &path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
}  // namespace

int DecideCoords(HWND owner) {
  const int32_t show = Editor().ShowCoords;
  if (show == 0 || show == 1) return show;
  int answer = MessageBox(owner, "Show Coordinates (a-h, 1-8)", "Show?", MB_YESNO | MB_ICONQUESTION);
  return answer == IDYES ? 1 : 0;
}

void SaveFailed(const std::string &path, const std::string &why) {
  std::string text = "Cannot write file " + path + ":\n" + why;
  MessageBox(MainWnd, text.c_str(), "Save failed", MB_OK | MB_ICONEXCLAMATION);
}

bool WriteBoth(const PictureSettings &settings,
               const std::function<bool(std::string *bytes, std::string *why)> &exportBytes,
               const std::string &exportPath) {
  const EditorState &e = Editor();
  if (KeepOtherPositionFile(e.BRDFile)) return false;
  std::vector<FileBytes> pair(2);
  pair[0].path = e.BRDFile, pair[1].path = exportPath;
  pair[0].bytes = MakeBRDFile(e.diagram, settings);
  std::string why, failed = exportPath;
  if (!exportBytes(&pair[1].bytes, &why) || !WriteFilesAtomically(pair, &failed, &why)) {
    SaveFailed(failed, why);
    return false;
  }
  return true;
}

void DiagramInFile() {
  const std::string file = Editor().BRDFile;
  DiagramFile = file;
  MarkDiagramSaved();
  UpdateTitle();
}

void SavedByUser() {
  if (!Editor().VClip) DiagramInFile();
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
  ofn.lpstrInitialDir = inLast ? LastFolder.c_str() : Editor().StartFolder.c_str();
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
  if (!AskForFile(hwnd, m.save, m.filter, m.defExt, m.flags, &(Editor().*m.name))) return;

  if (mode == 0) SaveBMP(hwnd);
  if (mode == 1) SaveHTM();
  if (mode == 2) OpenBRDFile(hwnd);
}

void SaveBMP(HWND hwnd) {
  EditorState &e = Editor();
  if (e.BMPFile.empty()) return;
  std::string base = BaseName(e.BMPFile, {".bmp"});
  e.BMPFile = base + ".bmp";
  e.BRDFile = base + ".brd";
  const PictureSettings settings = SaveSettings(DecideCoords(hwnd));
  auto picture = [&](std::string *bytes, std::string *) {
    *bytes = MakeBMPFile(e.diagram, settings, PictureCanvas());
    return true;
  };
  if (!WriteBoth(settings, picture, e.BMPFile)) return;
  // The clipboard picture also goes on the desktop's clipboard, ready to paste.
  if (e.VClip) OfferDiagramToClipboard(e.BMPFile, settings);
  SavedByUser();
  CheckLegal(1);
}

void SaveHTM() {
  EditorState &e = Editor();
  if (e.HTMFile.empty()) return;
  std::string base = BaseName(e.HTMFile, {".htm", ".html"});
  e.HTMFile = base + ".htm";
  e.BRDFile = base + ".brd";
  // The question is centred on the main window like every other box.
  const PictureSettings settings = SaveSettings(DecideCoords(MainWnd));
  auto page = [&](std::string *bytes, std::string *) {
    *bytes = MakeHTMFile(e.diagram, settings);
    return true;
  };
  if (!WriteBoth(settings, page, e.HTMFile)) return;
  CopyGifsBeside(e.HTMFile);
  SavedByUser();
  CheckLegal(2);
}

bool OpenBRDFile(HWND hwnd) {
  EditorState &e = Editor();
  std::string why;
  RememberForUndo(true);
  std::optional<PositionFile> file = ReadBRDFile(e.BRDFile, &why);
  if (!file) {
    std::string text = "Cannot open file " + e.BRDFile + ":\n" + why;
    MessageBox(hwnd, text.c_str(), "Open failed", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  // The file's diagram, size and theme (its coordinates too, which each save decides anew).
  e.diagram = file->diagram;
  e.settings = file->settings;
  // A half-drawn arrow belongs to the old diagram: drop it. The status line spoke of it too.
  e.ArrowStarted = false;
  HDC hdc = GetDC(hwnd);
  DrawBoard(hdc);
  Scribe(hdc, "");
  ReleaseDC(hwnd, hdc);
  LastFolder = FolderWithoutSlash(e.BRDFile);
  DiagramInFile();
  AddRecentFile(e.BRDFile);
  return true;
}
