// The editor's state, its start-up values and the preferences that keep part of it.
#include "editor/state.h"

#include <filesystem>
#include <system_error>

#include "files/atomicwrite.h"
#include "files/paths.h"
#include "model/presets.h"
#include "platform/platform.h"

EditorState &Editor() {
  static EditorState state;
  return state;
}

void InitEditor() {
  EditorState &e = Editor();
  e = EditorState();
  StartPosition(e.diagram);
  e.settings.Theme = static_cast<int32_t>(GetTickCount() & 7);
  std::error_code ec;
  e.StartFolder = std::filesystem::current_path(ec).string();
}

Canvas &PictureCanvas() {
  EditorState &e = Editor();
  if (!e.canvas) e.canvas = std::make_unique<Canvas>();
  return *e.canvas;
}

PictureSettings SaveSettings(int coords, int style) {
  PictureSettings settings = Editor().settings;
  settings.Coords = coords;
  settings.Style = style;
  return settings;
}

void LoadPrefs() {
  EditorState &e = Editor();
  e.prefs = ReadPrefs(PrefsPath(e.StartFolder));
  e.settings.Dpi = e.prefs.Dpi;
  e.settings.PicSiz = e.prefs.PicSiz;
  e.ShowCoords = e.prefs.ShowCoords;
  if (e.prefs.KeptTheme >= 0) e.settings.Theme = e.prefs.KeptTheme;  // else the one at random
}

bool SavePrefs(std::string *why) {
  EditorState &e = Editor();
  e.prefs.Dpi = e.settings.Dpi;
  e.prefs.PicSiz = e.settings.PicSiz;
  e.prefs.ShowCoords = e.ShowCoords;
  std::error_code ec;
  // A folder that cannot be made is the cause to name, not the missing folder the write meets.
  if (!IsRunFolder(e.StartFolder) && !std::filesystem::create_directories(ConfigFolder(), ec) &&
      ec) {
    if (why) *why = "The folder " + ConfigFolder() + " cannot be made: " + ec.message() + ".";
    return false;
  }
  return WriteFileAtomically(PrefsPath(e.StartFolder), PrefsText(e.prefs), why);
}
