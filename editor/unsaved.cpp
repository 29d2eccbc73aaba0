// Unsaved work: before Quit and Open replace a diagram that differs from its file, the user is
// asked whether to save it there first, to throw the changes away, or to stay.
#include <filesystem>
#include <string>

#include "editor/editor.h"
#include "files/atomicwrite.h"
#include "files/brd.h"

namespace {
// The position file for a diagram that has none yet, chosen in a save dialog; its name ends in
// .brd as every position file's does (another extension is replaced). False when cancelled.
bool ChooseDiagramFile(HWND hwnd, std::string *path) {
  if (!AskForFile(hwnd, true, "Boardsmith Files (*.brd)\0*.brd\0", "brd",
                  OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, path))
    return false;
  *path = std::filesystem::path(*path).replace_extension(".brd").string();
  return true;
}
}  // namespace

bool SaveDiagramFile(HWND hwnd) {
  EditorState &e = Editor();
  std::string path = DiagramFile;
  if (path.empty() && !ChooseDiagramFile(hwnd, &path)) return false;
  // The coordinates as set; when each save asks, as the diagram's file (or a new one) says.
  const int coords = e.ShowCoords == 0 || e.ShowCoords == 1 ? e.ShowCoords : e.settings.Coords;
  std::string why;
  if (!WriteFileAtomically(path, MakeBRDFile(e.diagram, SaveSettings(coords)), &why)) {
    SaveFailed(path, why);
    return false;
  }
  e.BRDFile = path;
  DiagramInFile();
  return true;
}

bool SaveChangesFirst(HWND hwnd) {
  if (!DiagramModified()) return true;
  const std::string text =
      "Save changes to " + (DiagramFile.empty() ? std::string("Untitled") : FileName(DiagramFile)) + "?";
  switch (MessageBox(hwnd, text.c_str(), "Unsaved changes", MB_SAVEDISCARDCANCEL | MB_ICONQUESTION)) {
    case IDYES: return SaveDiagramFile(hwnd);
    case IDNO: return true;
    default: return false;
  }
}
