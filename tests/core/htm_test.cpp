// The web page: one stored page known line for line, and the lines that sizes, themes,
// orientation and damaged values change.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "files/htm.h"
#include "model/model.h"
#include "tests/core/tempfolder.h"

namespace {
// The start position, no arrows.
Diagram StartBoard(int flipped) {
  Diagram d;
  d.Flipped = flipped;
  StartPosition(d);
  return d;
}

// Theme 2, medium size, coordinates as asked.
PictureSettings Settings(int coords) {
  PictureSettings settings;
  settings.Theme = 2, settings.Coords = coords;
  return settings;
}

// The page's lines: every one ends in CR CR LF.
std::vector<std::string> PageLines(const std::string &page) {
  std::vector<std::string> lines;
  size_t at = 0;
  for (size_t end; (end = page.find("\r\r\n", at)) != std::string::npos; at = end + 3)
    lines.push_back(page.substr(at, end - at));
  EXPECT_EQ(at, page.size()) << "page ends without its line end";
  return lines;
}

TEST(WebPage, FlippedStartPositionWithCoordinatesIsTheStoredPage) {
  Diagram d = StartBoard(1);
  EXPECT_EQ(MakeHTMFile(d, Settings(1)), ReadWhole(BS_SOURCE_DIR "/tests/data/start-flipped-coords.htm"));
  // Arrows are not part of a page.
  TypicalPosition(d);
  std::string with = MakeHTMFile(d, Settings(1));
  d.NArrows = 0;
  EXPECT_EQ(MakeHTMFile(d, Settings(1)), with);
}

TEST(WebPage, LinesThatTheSettingsChange) {
  // Line numbers count from 0 without coordinates: 5 is the first frame cell, 17 a8's cell,
  // 18 b8's, 29 a7's.
  const struct {
    int flipped, dpi, theme;
    float picSiz;
    int line;
    const char *text;
  } cases[] = {
      {0, 2, 2, 4.0f, 18, "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bnm.gif'></TD>"},
      {1, 2, 2, 4.0f, 18, "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wnm.gif'></TD>"},
      {0, 1, 2, 2.0f, 17, "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/brs.gif'></TD>"},
      {0, 3, 2, 6.0f, 17, "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/brl.gif'></TD>"},
      {0, 0, 2, 2.75f, 17, "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/brs.gif'></TD>"},
      {0, 77, 2, 4.0f, 5, "    <TD><IMG SRC='gifs/uppers.gif'></TD>"},  // a damaged size code
      {0, 2, 0, 4.0f, 18, "    <TD BGCOLOR='#977151'><IMG SRC='gifs/bnm.gif'></TD>"},
      {0, 2, 1, 4.0f, 29, "    <TD BGCOLOR='#658080'><IMG SRC='gifs/bpm.gif'></TD>"},
      {0, 2, 3, 4.0f, 17, "    <TD BGCOLOR='#defefd'><IMG SRC='gifs/brm.gif'></TD>"},
      {0, 2, 4, 4.0f, 18, "    <TD BGCOLOR='#8bc9a0'><IMG SRC='gifs/bnm.gif'></TD>"},
      {0, 2, 5, 4.0f, 18, "    <TD BGCOLOR='#dba79d'><IMG SRC='gifs/bnm.gif'></TD>"},
      {0, 2, 6, 4.0f, 17, "    <TD BGCOLOR='#ffe1c4'><IMG SRC='gifs/brm.gif'></TD>"},
      {0, 2, 7, 4.0f, 18, "    <TD BGCOLOR='#bebe7e'><IMG SRC='gifs/bnm.gif'></TD>"},
      {0, 2, -4, 4.0f, 18, "    <TD BGCOLOR='#977151'><IMG SRC='gifs/bnm.gif'></TD>"},
      {0, 2, 11, 4.0f, 17, "    <TD BGCOLOR='#dbdbb7'><IMG SRC='gifs/brm.gif'></TD>"},
  };
  for (const auto &c : cases) {
    PictureSettings settings = Settings(0);
    settings.Dpi = c.dpi, settings.PicSiz = c.picSiz, settings.Theme = c.theme;
    std::vector<std::string> lines = PageLines(MakeHTMFile(StartBoard(c.flipped), settings));
    ASSERT_EQ(lines.size(), 125u);
    EXPECT_EQ(lines[c.line], c.text) << "theme " << c.theme << ", size " << c.dpi;
  }
  // Codes that are no figure show empty squares.
  Diagram d;
  for (int c = 0; c < 64; c++) d.Pos[c] = (c % 3 == 0) ? -1 : (c % 3 == 1) ? 15 : INT_MIN;
  std::string page = MakeHTMFile(d, Settings(0));
  EXPECT_EQ(page.find("gifs/b"), std::string::npos);
  EXPECT_EQ(page.find("gifs/w"), std::string::npos);
}
}  // namespace
