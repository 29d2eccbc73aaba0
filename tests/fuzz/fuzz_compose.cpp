// Fuzz target: whatever the position-file reader accepts is composed and encoded: the picture's
// header agrees with its size and resolution, composing twice gives the same bytes (nothing is
// read that was not drawn), the web page has its 64 squares and the check's report its summary.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "check/check.h"
#include "files/brd.h"
#include "files/htm.h"
#include "render/makebmp.h"
#include "tests/fuzz/diagram.h"

using fuzz::Require;

namespace {
uint32_t Field(const std::vector<uint8_t> &bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

size_t Count(const std::string &text, const std::string &word) {
  size_t n = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) n++;
  return n;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  const std::optional<PositionFile> file = ReadBRDText(text);
  if (!file) return 0;
  const Diagram &diagram = file->diagram;
  const PictureSettings &settings = file->settings;

  // One canvas for every input, as a program that draws many diagrams keeps one.
  static const std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();
  Compose(diagram, settings, *canvas);
  const std::vector<uint8_t> picture = EncodeBMP(*canvas, settings);
  const uint32_t side = static_cast<uint32_t>(PictureSize(settings.Coords));
  const uint32_t rowBytes = (side + 31) / 32 * 4;
  Require(picture.size() == 62 + rowBytes * side, "the picture has its rows of one bit a pixel");
  Require(picture[0] == 'B' && picture[1] == 'M' && Field(picture, 2) == picture.size(),
          "the header gives the file's size");
  Require(Field(picture, 18) == side && Field(picture, 22) == side, "the header gives the picture's size");
  Require(Field(picture, 38) == static_cast<uint32_t>(PictureResolution(settings)),
          "the header gives the resolution of the printed width");
  Compose(diagram, settings, *canvas);
  Require(EncodeBMP(*canvas, settings) == picture, "the same diagram gives the same picture");

  const std::string page = MakeHTMFile(diagram, settings);
  Require(Count(page, "<TD BGCOLOR='#") == 64, "the web page has 64 squares");
  Require(page.size() > 16 && page.compare(page.size() - 17, 17, "</BODY></HTML>\r\r\n") == 0,
          "the web page is complete");

  const CheckResult check = CheckPosition(diagram, 1, 0);
  Require(check.errors >= 0 && check.warnings >= 0 &&
              check.text.find("saved with " + std::to_string(check.errors) + " errors and " +
                              std::to_string(check.warnings) + " warnings") != std::string::npos,
          "the check's report counts what it found");
  return 0;
}
