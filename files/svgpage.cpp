// The modern web page. The diagram is the vector writer's SVG, made to scale with the page up to
// its print width; the text says the same diagram in words, squares named from white's side
// whatever the orientation.
#include "files/svgpage.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "check/check.h"
#include "chess/diagram.h"
#include "chess/fen.h"
#include "render/knightarrow.h"
#include "render/picturefile.h"

namespace {
// The men in the order a reader expects them, with their names.
const char *const ManName[6][2] = {{"king", "kings"},   {"queen", "queens"},   {"rook", "rooks"},
                                   {"bishop", "bishops"}, {"knight", "knights"}, {"pawn", "pawns"}};

bool OnBoard(int v) { return v >= 0 && v <= 7; }

// The square of the diagram's cell (column, row from the bottom) in the diagram's orientation.
int SquareOfCell(int column, int row, int flipped) {
  return flipped ? SquareOf(7 - column, 7 - row) : SquareOf(column, row);
}

// "a", "a and b", "a, b and c"; with commas only: "a, b, c".
std::string Listed(const std::vector<std::string> &items, bool commas = false) {
  std::string text;
  for (size_t k = 0; k < items.size(); k++) {
    if (k > 0) text += k + 1 == items.size() && !commas ? " and " : ", ";
    text += items[k];
  }
  return text;
}

// Squares in reading order: file a to h, then rank 1 to 8.
std::vector<int> SquaresInOrder() {
  std::vector<int> squares;
  for (int file = 0; file < 8; file++)
    for (int rank = 0; rank < 8; rank++) squares.push_back(SquareOf(file, rank));
  return squares;
}

std::string SideText(const Board &board, int side) {
  std::vector<std::string> groups;
  for (int man = 0; man < 6; man++) {
    std::vector<std::string> at;
    for (int square : SquaresInOrder())
      if (board.man[square] == (side ? BK : WK) + man) at.push_back(SquareName(square));
    if (!at.empty()) groups.push_back(std::string(ManName[man][at.size() > 1]) + " " + Listed(at));
  }
  return std::string(side ? "Black: " : "White: ") + (groups.empty() ? "no men" : Listed(groups, true)) + ".";
}

std::string MarkerText(const Diagram &d) {
  std::vector<std::string> marks;
  for (int code : {DotMark, CrossMark})
    for (int square : SquaresInOrder())
      if (d.Pos[CellOf(square, d.Flipped)] == code)
        marks.push_back(std::string(code == DotMark ? "dot on " : "cross on ") + SquareName(square));
  return marks.empty() ? "" : " Markers: " + Listed(marks, true) + ".";
}

// Arrows as the picture draws them: along a line or a knight's move, ends on the board.
bool Drawn(const int32_t *a) {
  if (!OnBoard(a[0]) || !OnBoard(a[1]) || !OnBoard(a[2]) || !OnBoard(a[3])) return false;
  int dc = a[2] - a[0], dr = a[3] - a[1];
  return (dc != 0 || dr != 0) && IsArrowMove(dc, dr);
}

std::string ArrowText(const Diagram &d) {
  std::vector<std::string> arrows;
  for (int i = 0; i < d.ArrowCount(); i++) {
    const int32_t *a = d.Arr[i];
    if (!Drawn(a)) continue;
    // Arrow rows count from the top of the board.
    arrows.push_back("arrow from " + SquareName(SquareOfCell(a[0], 7 - a[1], d.Flipped)) +
                     " to " + SquareName(SquareOfCell(a[2], 7 - a[3], d.Flipped)));
  }
  return arrows.empty() ? "" : " Arrows: " + Listed(arrows, true) + ".";
}

}  // namespace

std::string Escaped(const std::string &text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '"') out += "&quot;";
    else out += c;
  }
  return out;
}

namespace {

// The check's findings: its lines that start with "?" (errors) or "!" (warnings).
std::vector<std::string> CheckLines(const Diagram &diagram) {
  std::vector<std::string> lines;
  const std::string text = CheckPosition(diagram, 0, 0).text;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (!line.empty() && (line[0] == '?' || line[0] == '!')) lines.push_back(line);
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return lines;
}

// The picture's SVG without its XML declaration, to stand inside the page.
bool InlineSVG(const Diagram &diagram, const PictureSettings &settings, const std::string &label,
               std::string *svg, std::string *why) {
  // The vector writer draws no pixels, but the picture writers all take a canvas.
  auto canvas = std::make_unique<Canvas>();
  if (!PictureBytes(PictureSVG, diagram, settings, *canvas, svg, why)) return false;
  size_t start = svg->find("<svg");
  if (start == std::string::npos) {
    if (why) *why = "The vector writer gave no SVG.";
    return false;
  }
  svg->erase(0, start);
  // The label and the link to the description go on the svg element itself.
  svg->insert(4, " role=\"img\" aria-label=\"" + label + "\" aria-describedby=\"diagram-text\"");
  return true;
}

const char *const PageStyle =
    "body{margin:1em;font-family:sans-serif;line-height:1.4;color:#111;background:#fff}"
    "figure{margin:0;max-width:%.2fin}"
    "figure svg{display:block;width:100%%;height:auto}"
    "figcaption p{margin:.5em 0}"
    "code{font-size:1.05em;user-select:all;overflow-wrap:anywhere}"
    ".check{max-width:%.2fin}";

bool PageText(const Diagram &diagram, const PictureSettings &settings, std::string *page,
              std::string *why) {
  const std::string side = diagram.SideToMove ? "Black to move" : "White to move";
  std::string svg;
  if (!InlineSVG(diagram, settings, "Chess diagram, " + side, &svg, why)) return false;
  const double inches = settings.Inches();
  char css[512];
  std::snprintf(css, sizeof css, PageStyle, inches, inches);
  std::string &p = *page;
  p = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
  p += "<title>Diagram \xE2\x80\x94 " + side + "</title>\n";
  p += std::string("<style>") + css + "</style>\n</head>\n<body>\n<main>\n<figure>\n";
  p += svg;
  if (p.back() != '\n') p += '\n';
  p += "<figcaption>\n<p id=\"diagram-text\">" + Escaped(DiagramDescription(diagram)) + "</p>\n";
  p += "<p>FEN: <code>" + Escaped(WriteFEN(BoardFromDiagram(diagram))) + "</code></p>\n";
  p += "</figcaption>\n</figure>\n";
  std::vector<std::string> lines = CheckLines(diagram);
  if (!lines.empty()) {
    p += "<section class=\"check\" aria-label=\"Check\">\n<h2>Check</h2>\n<ul>\n";
    for (const std::string &line : lines) p += "<li>" + Escaped(line) + "</li>\n";
    p += "</ul>\n</section>\n";
  }
  p += "</main>\n</body>\n</html>\n";
  return true;
}
}  // namespace

std::string DiagramDescription(const Diagram &diagram) {
  const Board board = BoardFromDiagram(diagram);
  return std::string(diagram.SideToMove ? "Black" : "White") + " to move. " + SideText(board, 0) +
         " " + SideText(board, 1) + MarkerText(diagram) + ArrowText(diagram);
}

std::string SVGPageText(const Diagram &diagram, const PictureSettings &settings,
                        std::string *why) {
  std::string page;
  if (!PageText(diagram, settings, &page, why)) page.clear();
  return page;
}
