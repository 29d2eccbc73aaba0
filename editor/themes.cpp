// The colour themes: "Change" steps to the next, the Theme menu chooses one by name, and "Keep
// this theme" keeps the theme in force in the preferences, so that the program starts with it
// instead of with one at random.
#include <string>

#include "editor/editor.h"
#include "model/themes.h"

namespace {
// The theme in force becomes the kept one while keeping is on.
void SetTheme(HWND hwnd, int theme) {
  EditorState &e = Editor();
  e.settings.Theme = theme;
  HDC hdc = GetDC(hwnd);
  DrawBoard(hdc);
  ReleaseDC(hwnd, hdc);
  ShowThemeChecks();
  if (e.prefs.KeptTheme < 0 || e.prefs.KeptTheme == theme) return;
  e.prefs.KeptTheme = theme;
  std::string why;
  if (!SavePrefs(&why)) ReportNotRemembered(hwnd, why);
}
}  // namespace

void ChangeColours(HWND hwnd) {
  const int32_t theme = Editor().settings.Theme;
  SetTheme(hwnd, theme >= NThemes - 1 ? 0 : theme + 1);
}

void ThemeCommand(HWND hwnd, int id) {
  if (id >= CmdThemeFirst && id <= CmdThemeLast) SetTheme(hwnd, id - CmdThemeFirst);
}

void KeepThemeCommand(HWND hwnd) {
  EditorState &e = Editor();
  e.prefs.KeptTheme = e.prefs.KeptTheme >= 0 ? -1 : e.settings.Theme;
  ShowThemeChecks();
  std::string why;
  if (!SavePrefs(&why)) ReportNotRemembered(hwnd, why);
}

void ShowThemeChecks() {
  const EditorState &e = Editor();
  for (int k = 0; k < NThemes; k++)
    CheckMenuItem(MainMenu, CmdThemeFirst + k, e.settings.Theme == k ? MF_CHECKED : MF_UNCHECKED);
  CheckMenuItem(MainMenu, CmdKeepTheme, e.prefs.KeptTheme >= 0 ? MF_CHECKED : MF_UNCHECKED);
}
