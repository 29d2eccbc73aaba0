// Placeholder: the preferences land with the headless core.
#include "files/prefs.h"

#include "model/model.h"

void ReadPrefs() {
  ShowCoords = 2;
  Dpi = 2;
  PicSiz = 4.0f;
}
bool WritePrefs(std::string *) { return false; }
std::string PrefsPath() { return StartFolder + "/prefs.txt"; }
