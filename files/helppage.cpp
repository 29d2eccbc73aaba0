// The help viewer's very small reading of HTML.
#include "files/helppage.h"

#include <cstring>

namespace {
// Colour lines, compared on their first 15 characters.
struct ColourLine {
  const char *start;
  HelpColour colour;
};
const ColourLine ColourLines[] = {
    {"<FONT COLOR=RED", {255, 0, 0}},
    {"<FONT COLOR=GRE", {0, 180, 0}},
    {"<FONT COLOR=BLU", {0, 0, 255}},
    {"<FONT COLOR=BLA", {0, 0, 0}},
};
constexpr size_t ColourCompare = 15;

// The next read from *at: at most 119 characters, up to and including a line feed (a CR LF pair
// counts as one line feed, as the pages were written on a system that stores lines so).
std::string ReadPiece(const std::string &page, size_t end, size_t *at) {
  std::string piece;
  while (piece.size() < HelpPieceMax && *at < end) {
    char c = page[(*at)++];
    if (c == '\r' && *at < end && page[*at] == '\n') c = page[(*at)++];
    piece += c;
    if (c == '\n') break;
  }
  return piece;
}
}  // namespace

std::vector<HelpLine> HelpPageLines(const std::string &page) {
  std::vector<HelpLine> lines;
  HelpColour colour = {0, 0, 0};
  size_t end = page.size() < HelpPageLimit ? page.size() : HelpPageLimit;
  size_t at = 0;
  for (int top = HelpTop; lines.size() < static_cast<size_t>(HelpMaxLines) && at < end;) {
    std::string piece = ReadPiece(page, end, &at);
    // The text ends at a zero byte, as it would in C.
    piece.resize(std::strlen(piece.c_str()));
    for (const ColourLine &line : ColourLines)
      if (piece.compare(0, ColourCompare, line.start) == 0) colour = line.colour;
    if (!piece.empty() && piece[0] == '<') continue;
    while (!piece.empty() && (piece.back() == '\n' || piece.back() == '\r')) piece.pop_back();
    lines.push_back({piece, top, colour});
    top += HelpLineStep;
  }
  return lines;
}
