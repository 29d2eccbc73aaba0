// iconsvg FOLDER: writes FOLDER/icons/scalable/boardsmith.svg, the application icon as a vector
// drawing: the black knight traced from the picture's own glyph (the outlines the PDF and SVG
// pictures use) on a light square in a dark frame with rounded corners, as the PNG icons show.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "files/atomicwrite.h"
#include "files/numbers.h"
#include "render/vector/tracedglyphs.h"
#include "tools/makeassets/iconshape.h"

namespace {
constexpr double Side = 256;          // the drawing's units
// The glyph is traced on the square whose lower-left pixel is (9, 9), 72 pixels wide, y upward.
constexpr double GlyphLeft = 9, GlyphBottom = 9, GlyphSide = 72;

// An outline as SVG path data in the icon's units, y downward.
std::string PathData(const Outline &outline) {
  const double scale = Side * (1 - 2 * IconMargin) / GlyphSide, origin = Side * IconMargin;
  std::string d;
  size_t at = 0;
  for (char op : outline.ops) {
    d += op;
    int points = op == 'C' ? 3 : op == 'Z' ? 0 : 1;
    for (int k = 0; k < points; k++, at += 2) {
      double x = origin + (outline.data[at] - GlyphLeft) * scale;
      double y = origin + (GlyphSide - (outline.data[at + 1] - GlyphBottom)) * scale;
      d += FixedDecimals(x, 2) + "," + FixedDecimals(y, 2) + (k + 1 < points ? " " : "");
    }
  }
  return d;
}

std::string Rounded(double inset, uint32_t fill) {
  char colour[8];
  std::snprintf(colour, sizeof colour, "#%06x", static_cast<unsigned>(fill));
  const std::string at = FixedDecimals(Side * inset, 2),
                    side = FixedDecimals(Side * (1 - 2 * inset), 2);
  return "<rect x=\"" + at + "\" y=\"" + at + "\" width=\"" + side + "\" height=\"" + side +
         "\" rx=\"" + FixedDecimals(Side * IconCorner, 2) + "\" fill=\"" + colour + "\"/>\n";
}
}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: iconsvg FOLDER\n");
    return 2;
  }
  const TracedGlyph &knight = Traced(IconGlyphCode);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
      "viewBox=\"0 0 256 256\">\n" +
      Rounded(0, IconFrameColour) + Rounded(IconFrame, IconSquareColour) +
      "<path fill=\"#ffffff\" fill-rule=\"evenodd\" d=\"" + PathData(knight.white) + "\"/>\n" +
      "<path fill=\"#000000\" fill-rule=\"evenodd\" d=\"" + PathData(knight.black) + "\"/>\n" +
      "</svg>\n";
  std::string folder = std::string(argv[1]) + "/icons/scalable", why;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!WriteFileAtomically(folder + "/boardsmith.svg", svg, &why)) {
    std::fprintf(stderr, "iconsvg: cannot write %s/boardsmith.svg: %s\n", folder.c_str(), why.c_str());
    return 1;
  }
  return 0;
}
