// Fuzz target: the preferences reader. Whatever the file holds, no number overflows and the
// settings stay in their ranges (a named size has its own width); the file on disk gives what
// its text gives; and the file written for the settings reads back to the same file.
#include <cfenv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/prefs.h"
#include "tests/fuzz/diagram.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  Prefs read;
  std::feclearexcept(FE_OVERFLOW);
  ReadPrefsText(text, read);
  Require(!std::fetestexcept(FE_OVERFLOW), "no number overflows (a size beyond float is clamped first)");
  Require(read.ShowCoords >= 0 && read.ShowCoords <= 2, "the coordinates setting is never, always or ask");
  fuzz::RequireSizeInRange(read.Dpi, read.PicSiz);
  Require(read.KeptTheme >= -1 && read.KeptTheme <= 7, "a kept theme is one of the eight, or none");
  Require(!read.GameWindowPlaced || (read.GameWindowX >= -16384 && read.GameWindowX <= 16384 &&
                                     read.GameWindowY >= -16384 && read.GameWindowY <= 16384),
          "the game window's place is near the screen");

  // Outside a run folder the preferences live in $XDG_CONFIG_HOME/boardsmith/.
  const std::string path = fuzz::ScratchFile("boardsmith/prefs.txt", text);
  setenv("XDG_CONFIG_HOME", path.substr(0, path.size() - 21).c_str(), 1);
  Require(PrefsPath("") == path, "the preferences are looked for in the scratch folder");
  const Prefs fromFile = ReadPrefs(path);
  Require(fromFile.ShowCoords == read.ShowCoords && fromFile.Dpi == read.Dpi &&
              fromFile.PicSiz == read.PicSiz,
          "the file and its text are read alike");

  const std::string written = PrefsText(read);
  Prefs again;
  ReadPrefsText(written, again);
  Require(again.KeptTheme == read.KeptTheme && again.GameWindowPlaced == read.GameWindowPlaced,
          "a written file gives the kept theme and the game window back");
  Require(again.ShowCoords == read.ShowCoords && again.Dpi == read.Dpi,
          "a written file gives the settings back");
  Require(again.PicSiz - read.PicSiz <= 0.0051f && read.PicSiz - again.PicSiz <= 0.0051f,
          "a written file gives the size back to two decimals");
  Require(PrefsText(again) == written, "write, read, write gives the same file");
  return 0;
}
