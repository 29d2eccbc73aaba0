// Fuzz target: the help viewer's reading of a page. Every line it draws has its place on the
// page: it starts below the top margin, 17 pixels under the one before;
// its text is one read of at most 119 characters, without line ends or zero bytes, and never
// a tag line; its colour is black or one of the four colours of the colour lines. Once the
// page holds its most lines, what follows changes nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/helppage.h"
#include "tests/fuzz/diagram.h"

using fuzz::Require;

namespace {
// A colour as one number, 0xRRGGBB.
int Rgb(const HelpColour &c) { return c.red << 16 | c.green << 8 | c.blue; }

bool SameLines(const std::vector<HelpLine> &a, const std::vector<HelpLine> &b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const HelpLine &x, const HelpLine &y) {
    return x.text == y.text && x.top == y.top && Rgb(x.colour) == Rgb(y.colour);
  });
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string page(reinterpret_cast<const char *>(data), size);
  const std::vector<HelpLine> lines = HelpPageLines(page);
  int top = HelpTop;
  for (const HelpLine &line : lines) {
    Require(line.top == top, "lines stand 17 pixels apart from the top margin down");
    Require(line.text.size() <= static_cast<size_t>(HelpPieceMax), "a line is one read of 119 characters");
    Require(line.text.find_first_of(std::string("\n\0", 2)) == std::string::npos,
            "a line holds no line feed or zero byte");
    Require(line.text.empty() || line.text.back() != '\r', "a line is drawn without its line end");
    Require(line.text.empty() || line.text[0] != '<', "a tag line is not drawn");
    const int rgb = Rgb(line.colour);
    Require(rgb == 0 || rgb == 0xFF0000 || rgb == 0x00B400 || rgb == 0x0000FF,
            "text is black or a colour of the colour lines");
    Require(page.find(line.text) != std::string::npos, "a line's text is text of the page");
    top += HelpLineStep;
  }
  constexpr size_t MostLines = HelpMaxLines;
  Require(lines.size() <= MostLines, "no more lines than a page holds");
  if (lines.size() == MostLines)
    Require(SameLines(HelpPageLines(page + "\nHHHH\n"), lines), "what follows a full page is not read");
  return 0;
}
