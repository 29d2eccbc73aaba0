// The picture-size and coordinates commands: set, remember, then confirm in a box; their
// menus' check marks.
#include <string>

#include "editor/editor.h"
#include "files/prefs.h"

namespace {
struct SizeSetting {
  int id;
  int32_t dpi;
  float inches;
  const char *text;
};
const SizeSetting SizeSettings[] = {
    {CmdSmall, 1, 2.0f,
     "Picture size set to SMALL (2.0 inches)\n"
     "Size effective only on inserting bmp in Word\n"
     "Your preference will be remembered\n"},
    {CmdMedium, 2, 4.0f,
     "Picture size set to MEDIUM (4.0 inches)\n"
     "Size effective only on inserting bmp in Word\n"
     "Your preference will be remembered\n"},
    {CmdLarge, 3, 6.0f,
     "Picture size set to LARGE (6.0 inches)\n"
     "Size effective only on inserting bmp in Word\n"
     "Your preference will be remembered\n"},
};

struct CoordsSetting {
  int id;
  int32_t show;
  const char *caption;
  const char *text;
};
const CoordsSetting CoordsSettings[] = {
    {CmdNever, 0, "Coordinates Never",
     "Coords (a-h, 1-8) will not be shown\n"
     "Your preference will be remembered\n"},
    {CmdAlways, 1, "Coordinates Always",
     "Coords (a-h, 1-8) will be shown\n"
     "Your preference will be remembered\n"},
    {CmdAsk, 2, "Coordinates Ask",
     "You will be asked about Coordinates everytime\n"
     "This setting will be remembered\n"},
};

}  // namespace

// When the preferences could not be written the confirmation promises too much, so a second
// box says what happened.
void ReportNotRemembered(HWND hwnd, const std::string &why) {
  std::string text = "The preference could not be saved in " + PrefsPath(Editor().StartFolder) +
                     ":\n" + (why.empty() ? std::string("the file could not be written.") : why);
  MessageBox(hwnd, text.c_str(), "Preferences", MB_OK | MB_ICONEXCLAMATION);
}

void ShowSettingsChecks() {
  auto mark = [](bool on) -> UINT { return on ? MF_CHECKED : MF_UNCHECKED; };
  const int32_t dpi = Editor().settings.Dpi, show = Editor().ShowCoords;
  CheckMenuItem(MainMenu, CmdCustom, mark(dpi == 0));  // a size of the user's own
  for (const SizeSetting &s : SizeSettings) CheckMenuItem(MainMenu, s.id, mark(dpi == s.dpi));
  for (const CoordsSetting &s : CoordsSettings) CheckMenuItem(MainMenu, s.id, mark(show == s.show));
}

void PictureSizeCommand(HWND hwnd, int id) {
  for (const SizeSetting &s : SizeSettings) {
    if (s.id != id) continue;
    Editor().settings.Dpi = s.dpi;
    Editor().settings.PicSiz = s.inches;
    ShowSettingsChecks();
    std::string why;
    bool saved = SavePrefs(&why);
    MessageBox(hwnd, s.text, "Picture Size", MB_OK | MB_ICONEXCLAMATION);
    if (!saved) ReportNotRemembered(hwnd, why);
  }
}

void ShowCoordsCommand(HWND hwnd, int id) {
  for (const CoordsSetting &s : CoordsSettings) {
    if (s.id != id) continue;
    Editor().ShowCoords = s.show;
    ShowSettingsChecks();
    std::string why;
    bool saved = SavePrefs(&why);
    MessageBox(hwnd, s.text, s.caption, MB_OK | MB_ICONEXCLAMATION);
    if (!saved) ReportNotRemembered(hwnd, why);
  }
}
