// The web page: one HTML table of GIF images under gifs/, square cells in the theme's colours.
// Arrows are not part of the page.
#include "files/htm.h"

#include <cstdio>

#include "model/themes.h"

namespace {
// Every line ends in CR CR LF: the text's CR LF written through a stream that turns LF into CR LF.
const char *const LineEnd = "\r\r\n";

// Image name of each square code, before the size letter.
const char *const SquareImage[15] = {"e",  "wk", "wq", "wr", "wb", "wn", "wp",   "bk",
                                     "bq", "br", "bb", "bn", "bp", "dot", "cross"};

// Medium and large pictures use the medium and large images; custom and small the small ones.
char SizeLetter(int dpi) {
  if (dpi == 2) return 'm';
  if (dpi == 3) return 'l';
  return 's';
}

// "#%x%x%x" of red, green and blue, cut to seven characters.
std::string ColourText(const uint8_t rgb[3]) {
  char text[40];
  std::snprintf(text, sizeof text, "#%x%x%x", rgb[0], rgb[1], rgb[2]);
  return std::string(text).substr(0, 7);
}

struct Page {
  std::string bytes;
  void Line(const std::string &text) { bytes += text + LineEnd; }
};

void FrameRow(Page &page, int coords, const char *left, const char *edge, const char *right,
              char size) {
  page.Line("<TR>");
  if (coords) page.Line("    <TD></TD>");
  page.Line(std::string("    <TD><IMG SRC='gifs/") + left + ".gif'></TD>");
  for (int c = 0; c < 8; c++) page.Line(std::string("    <TD><IMG SRC='gifs/") + edge + size + ".gif'></TD>");
  page.Line(std::string("    <TD><IMG SRC='gifs/") + right + ".gif'></TD>");
  page.Line("</TR>");
}
}  // namespace

std::string MakeHTMFile(const Diagram &diagram, const PictureSettings &settings) {
  // A theme out of range (only a damaged position file could bring one) takes the nearest.
  const int theme = settings.ThemeIndex();
  const std::string light = ColourText(Lt[theme]), dark = ColourText(Dk[theme]);
  const char size = SizeLetter(settings.Dpi);
  const int coords = settings.Coords, flipped = diagram.Flipped;
  char text[200];
  Page page;

  page.Line("<HTML><HEAD><TITLE>Boardsmith by Hallam Pryce Demo Web Page</TITLE></HEAD>");
  page.Line("<BODY BGCOLOR='#DDBB99'>");
  page.Line("<TABLE CELLSPACING=0 CELLPADDING=0>");

  FrameRow(page, coords, "corner1", "upper", "corner2", size);

  // Table row t = 0 is the top of the board, board row 7.
  for (int t = 0; t < 8; t++) {
    page.Line("<TR>");
    if (coords) {
      std::snprintf(text, sizeof text,
                    "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>%d</FONT></TD>",
                    flipped ? t + 1 : 8 - t);
      page.Line(text);
    }
    std::snprintf(text, sizeof text, "    <TD><IMG SRC='gifs/left%c.gif'></TD>", size);
    page.Line(text);
    for (int c = 0; c < 8; c++) {
      int code = diagram.Pos[c * 8 + (7 - t)];
      // Codes outside the table (a damaged file) show as an empty square, as in the picture.
      const char *image = code >= 0 && code <= 14 ? SquareImage[code] : SquareImage[0];
      const std::string &colour = (t + c) % 2 == 0 ? light : dark;
      std::snprintf(text, sizeof text, "    <TD BGCOLOR='%s'><IMG SRC='gifs/%s%c.gif'></TD>",
                    colour.c_str(), image, size);
      page.Line(text);
    }
    std::snprintf(text, sizeof text, "    <TD><IMG SRC='gifs/right%c.gif'></TD>", size);
    page.Line(text);
    page.Line("</TR>");
  }

  FrameRow(page, coords, "corner3", "lower", "corner4", size);

  if (coords) {
    page.Line("<TR>");
    page.Line("    <TD></TD><TD></TD>");
    for (int c = 0; c < 8; c++) {
      std::snprintf(text, sizeof text,
                    "    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>%c</TD>",
                    flipped ? 'h' - c : 'a' + c);
      page.Line(text);
    }
    page.Line("<TD></TD>");
    page.Line("</TR>");
  }

  page.Line("</TABLE>");
  page.Line("</BODY></HTML>");
  return page.bytes;
}
