// Fuzz target: the preferences reader. Whatever the file holds, no number overflows and the
// settings stay in their ranges (a named size has its own width); the file on disk gives what
// its text gives; and the file written for the settings reads back to the same file.
#include <cfenv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/prefs.h"
#include "model/model.h"
#include "tests/fuzz/diagram.h"

using fuzz::Require;

namespace {
void Defaults() { ShowCoords = 2, Dpi = 2, PicSiz = 4.0f; }

void RequireInRange() {
  Require(ShowCoords >= 0 && ShowCoords <= 2, "the coordinates setting is never, always or ask");
  fuzz::RequireSizeInRange(Dpi, PicSiz);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  Defaults();
  std::feclearexcept(FE_OVERFLOW);
  ReadPrefsText(text);
  Require(!std::fetestexcept(FE_OVERFLOW), "no number overflows (a size beyond float is clamped first)");
  RequireInRange();
  const int showCoords = ShowCoords, dpi = Dpi;
  const float picSiz = PicSiz;

  Defaults();
  // Outside a run folder the preferences live in $XDG_CONFIG_HOME/boardsmith/.
  const std::string path = fuzz::ScratchFile("boardsmith/prefs.txt", text);
  setenv("XDG_CONFIG_HOME", path.substr(0, path.size() - 21).c_str(), 1);
  StartFolder.clear();
  Require(PrefsPath() == path, "the preferences are looked for in the scratch folder");
  ReadPrefs();
  Require(ShowCoords == showCoords && Dpi == dpi && PicSiz == picSiz,
          "the file and its text are read alike");

  const std::string written = PrefsText();
  Defaults();
  ReadPrefsText(written);
  Require(ShowCoords == showCoords && Dpi == dpi, "a written file gives the settings back");
  Require(PicSiz - picSiz <= 0.0051f && picSiz - PicSiz <= 0.0051f,
          "a written file gives the size back to two decimals");
  Require(PrefsText() == written, "write, read, write gives the same file");
  return 0;
}
