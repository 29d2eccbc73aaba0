// Fuzz target: the position-file reader. A refusal gives a reason and leaves the diagram as it
// was; what is accepted lies in the model's ranges; reading the text and reading the same bytes
// from a file agree; and the file written for what was read reads back to the same file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/brd.h"
#include "files/paths.h"
#include "tests/fuzz/diagram.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  fuzz::Put(fuzz::Busy());
  std::string why;
  bool read = ReadBRDText(text, &why);
  const fuzz::Diagram after = fuzz::Take();
  if (read) {
    fuzz::RequireInRange(after);
  } else {
    Require(!why.empty(), "a refusal gives a reason");
    Require(fuzz::Same(after, fuzz::Busy()), "a refusal leaves the diagram as it was");
  }

  fuzz::Put(fuzz::Busy());
  BRDFile = fuzz::ScratchFile("pos.brd", text);
  std::string whyFile;
  Require(ReadBRDFile(&whyFile) == read, "the file and the text are read alike");
  Require(whyFile == why, "the file and the text are refused for the same reason");
  Require(fuzz::Same(fuzz::Take(), after), "the file and the text give the same diagram");
  if (!read) return 0;

  const std::string written = BRDText(after.coords);
  Require(ReadBRDText(written, &why), "a written file reads back");
  // The custom size is written with one decimal; everything else comes back exactly.
  Require(fuzz::Same(fuzz::Take(), after, 0.051f), "a written file gives the diagram it was written from");
  Require(BRDText(Coords) == written, "write, read, write gives the same file");
  return 0;
}
