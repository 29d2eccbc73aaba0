// Fuzz target: the position-file reader. A refusal gives a reason; what is accepted lies in the
// ranges the diagram and settings promise; reading the text and reading the same bytes from a
// file agree; and the file written for what was read reads back to the same file.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "files/brd.h"
#include "tests/fuzz/diagram.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  std::string why;
  const std::optional<PositionFile> read = ReadBRDText(text, &why);
  if (read)
    fuzz::RequireInRange(*read);
  else
    Require(!why.empty(), "a refusal gives a reason");

  std::string whyFile;
  const std::optional<PositionFile> fromFile = ReadBRDFile(fuzz::ScratchFile("pos.brd", text), &whyFile);
  Require(fromFile.has_value() == read.has_value(), "the file and the text are read alike");
  Require(whyFile == why, "the file and the text are refused for the same reason");
  if (!read) return 0;
  Require(*fromFile == *read, "the file and the text give the same diagram");

  const std::string written = MakeBRDFile(read->diagram, read->settings);
  std::optional<PositionFile> again = ReadBRDText(written, &why);
  Require(again.has_value(), "a written file reads back");
  // The custom size is written with one decimal; everything else comes back exactly.
  Require(std::fabs(again->settings.PicSiz - read->settings.PicSiz) <= 0.051f,
          "a written file gives the size back to one decimal");
  PositionFile same = *again;
  same.settings.PicSiz = read->settings.PicSiz;
  Require(same == *read, "a written file gives the diagram it was written from");
  Require(MakeBRDFile(again->diagram, again->settings) == written,
          "write, read, write gives the same file");
  return 0;
}
