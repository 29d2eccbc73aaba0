// The web page: bytes of the page against the expected texts, sizes, themes and damaged values.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "files/htm.h"
#include "files/paths.h"
#include "model/model.h"

namespace fs = std::filesystem;

namespace {
// The start position, theme 2, medium size, white at the bottom, no arrows.
void SetUpStartPosition(int flipped) {
  Init();
  Flipped = flipped;
  StartPosition(nullptr);
  Theme = 2;
  Dpi = 2;
  PicSiz = 4.0f;
}

// The page's text split at its CR CR LF line ends; fails on any other line end.
std::vector<std::string> PageLines(const std::string &page) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < page.size()) {
    size_t end = page.find("\r\r\n", at);
    EXPECT_NE(end, std::string::npos) << "page ends without its line end";
    if (end == std::string::npos) break;
    std::string line = page.substr(at, end - at);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    lines.push_back(line);
    at = end + 3;
  }
  return lines;
}

void ExpectLines(const std::vector<std::string> &got, const std::vector<std::string> &want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); i++) EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
}

// Drops the cells that only a page with coordinates has: the empty cell in front of the frame
// rows, the rank numbers and the file-letter row.
std::vector<std::string> WithoutCoordinateCells(const std::vector<std::string> &lines) {
  std::vector<std::string> out;
  for (size_t i = 0; i < lines.size(); i++) {
    const std::string &l = lines[i];
    if (l == "    <TD></TD>" || l.find("<TD ALIGN=RIGHT>") != std::string::npos) continue;
    if (l == "<TR>" && i + 1 < lines.size() && lines[i + 1] == "    <TD></TD><TD></TD>") {
      while (i < lines.size() && lines[i] != "</TR>") i++;
      continue;
    }
    out.push_back(l);
  }
  return out;
}

// Start position, theme 2, medium, white at the bottom, without coordinates: 10 x 10 cells.
const std::vector<std::string> StartPage = {
    "<HTML><HEAD><TITLE>Boardsmith by Hallam Pryce Demo Web Page</TITLE></HEAD>",
    "<BODY BGCOLOR='#DDBB99'>",
    "<TABLE CELLSPACING=0 CELLPADDING=0>",
    "<TR>",
    "    <TD><IMG SRC='gifs/corner1.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/corner2.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/brm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bnm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bbm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bqm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bkm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bbm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bnm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/brm.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wrm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wnm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wbm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wqm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wkm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wbm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wnm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wrm.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD><IMG SRC='gifs/corner3.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/corner4.gif'></TD>",
    "</TR>",
    "</TABLE>",
    "</BODY></HTML>",
};

// The same board flipped, with coordinates: 11 x 11 cells, ranks 1..8 from the top, files h..a.
const std::vector<std::string> FlippedStartPageWithCoords = {
    "<HTML><HEAD><TITLE>Boardsmith by Hallam Pryce Demo Web Page</TITLE></HEAD>",
    "<BODY BGCOLOR='#DDBB99'>",
    "<TABLE CELLSPACING=0 CELLPADDING=0>",
    "<TR>",
    "    <TD></TD>",
    "    <TD><IMG SRC='gifs/corner1.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/upperm.gif'></TD>",
    "    <TD><IMG SRC='gifs/corner2.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>1</FONT></TD>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wrm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wnm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wbm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wkm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wqm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wbm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wnm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wrm.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>2</FONT></TD>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/wpm.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>3</FONT></TD>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>4</FONT></TD>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>5</FONT></TD>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>6</FONT></TD>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/em.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>7</FONT></TD>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bpm.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>8</FONT></TD>",
    "    <TD><IMG SRC='gifs/leftm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/brm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bnm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bbm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bkm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bqm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bbm.gif'></TD>",
    "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bnm.gif'></TD>",
    "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/brm.gif'></TD>",
    "    <TD><IMG SRC='gifs/rightm.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD></TD>",
    "    <TD><IMG SRC='gifs/corner3.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/lowerm.gif'></TD>",
    "    <TD><IMG SRC='gifs/corner4.gif'></TD>",
    "</TR>",
    "<TR>",
    "    <TD></TD><TD></TD>",
    "    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>h</TD>",
    "    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>g</TD>",
    "    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>f</TD>",
    "    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>e</TD>",
    "    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>d</TD>",
    "    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>c</TD>",
    "    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>b</TD>",
    "    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>a</TD>",
    "<TD></TD>",
    "</TR>",
    "</TABLE>",
    "</BODY></HTML>",
};
}  // namespace

TEST(WebPage, StartPositionMatchesLineForLine) {
  SetUpStartPosition(0);
  ExpectLines(PageLines(HTMText(0)), StartPage);
  SetUpStartPosition(1);
  ExpectLines(PageLines(HTMText(1)), FlippedStartPageWithCoords);
}

TEST(WebPage, CoordinatesOnlyAddTheirCells) {
  SetUpStartPosition(0);
  std::vector<std::string> with = PageLines(HTMText(1));
  ASSERT_EQ(with.size(), StartPage.size() + 22u);
  ExpectLines(WithoutCoordinateCells(with), StartPage);
  // Ranks 8..1 from the top and files a..h on the unflipped board.
  std::vector<std::string> ranks, files;
  for (const std::string &l : with) {
    if (l.find("<TD ALIGN=RIGHT>") != std::string::npos) ranks.push_back(l);
    if (l.find("<TD ALIGN=CENTER>") != std::string::npos) files.push_back(l);
  }
  ASSERT_EQ(ranks.size(), 8u);
  ASSERT_EQ(files.size(), 8u);
  for (int t = 0; t < 8; t++) {
    EXPECT_EQ(ranks[t], "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>" +
                            std::to_string(8 - t) + "</FONT></TD>");
    EXPECT_EQ(files[t], std::string("    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>") +
                            static_cast<char>('a' + t) + "</TD>");
  }

  // Flipped without coordinates is the flipped page less its coordinate cells.
  SetUpStartPosition(1);
  ExpectLines(PageLines(HTMText(0)), WithoutCoordinateCells(FlippedStartPageWithCoords));
}

TEST(WebPage, SizeLetterFollowsPictureSize) {
  SetUpStartPosition(0);
  const std::string medium = HTMText(0);
  auto Replace = [](std::string s, const std::string &from, const std::string &to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
      s.replace(at, from.size(), to);
    return s;
  };
  Dpi = 1;
  const std::string small = HTMText(0);
  EXPECT_EQ(small, Replace(medium, "m.gif'", "s.gif'"));
  Dpi = 3;
  EXPECT_EQ(HTMText(0), Replace(medium, "m.gif'", "l.gif'"));
  // A custom size uses the small images.
  Dpi = 0;
  PicSiz = 2.75f;
  EXPECT_EQ(HTMText(0), small);
}

TEST(WebPage, ThemeColourTexts) {
  const char *want[NThemes][2] = {
      {"#977151", "#e7d0a7"}, {"#658080", "#dfdfdf"}, {"#c0c0c0", "#ffffff"},
      {"#97c9ff", "#defefd"}, {"#8bc9a0", "#ebfeb1"}, {"#dba79d", "#f4e1df"},
      {"#ffc993", "#ffe1c4"}, {"#bebe7e", "#dbdbb7"}};
  SetUpStartPosition(0);
  for (int theme = 0; theme < NThemes; theme++) {
    Theme = theme;
    std::vector<std::string> lines = PageLines(HTMText(0));
    // Table row 0: left edge at index 16, a8 (light) at 17, b8 (dark) at 18.
    EXPECT_EQ(lines[17], std::string("    <TD BGCOLOR='") + want[theme][1] +
                             "'><IMG SRC='gifs/brm.gif'></TD>") << theme;
    EXPECT_EQ(lines[18], std::string("    <TD BGCOLOR='") + want[theme][0] +
                             "'><IMG SRC='gifs/bnm.gif'></TD>") << theme;
  }
  // A colour component below 16 loses its leading zero; the text never exceeds 7 characters.
  Theme = 0;
  Dk[0][0] = 5, Dk[0][1] = 10, Dk[0][2] = 200;
  EXPECT_EQ(PageLines(HTMText(0))[18], "    <TD BGCOLOR='#5ac8'><IMG SRC='gifs/bnm.gif'></TD>");
  Dk[0][0] = -1;
  EXPECT_EQ(PageLines(HTMText(0))[18], "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bnm.gif'></TD>");
}

TEST(WebPage, ArrowsNeverAppear) {
  SetUpStartPosition(0);
  TypicalPosition(nullptr);
  ASSERT_EQ(NArrows, 1);
  std::string with = HTMText(1);
  NArrows = 0;
  EXPECT_EQ(HTMText(1), with);
}

TEST(WebPage, DamagedValuesStayInsideTables) {
  SetUpStartPosition(0);
  const std::string start = HTMText(0);
  // Square codes outside 0..14 show as empty squares.
  EmptyPosition(nullptr);
  const std::string empty = HTMText(0);
  for (int c = 0; c < 64; c++) Pos[c] = (c % 3 == 0) ? -1 : (c % 3 == 1) ? 15 : INT_MIN;
  EXPECT_EQ(HTMText(0), empty);
  StartPosition(nullptr);
  // A theme outside 0..7 takes the nearest theme; a size code outside 0..3 the small images.
  Theme = 99;
  std::string high = HTMText(0);
  Theme = 7;
  EXPECT_EQ(high, HTMText(0));
  Theme = -4;
  std::string low = HTMText(0);
  Theme = 0;
  EXPECT_EQ(low, HTMText(0));
  Theme = 2;
  Dpi = 1;
  std::string small = HTMText(0);
  Dpi = 77;
  EXPECT_EQ(HTMText(0), small);
  Dpi = -3;
  EXPECT_EQ(HTMText(0), small);
  Dpi = 2;
  EXPECT_EQ(HTMText(0), start);
}

TEST(WebPage, FileWrittenOrFailureReported) {
  SetUpStartPosition(0);
  fs::path dir = fs::temp_directory_path() / ("htm_test_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  HTMFile = (dir / "pos.htm").string();
  std::string why;
  ASSERT_TRUE(MakeHTMFile(0, &why)) << why;
  std::ifstream in(HTMFile, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), HTMText(0));

  // A folder that does not exist: failure with a reason, nothing written.
  HTMFile = (dir / "missing" / "pos.htm").string();
  why.clear();
  EXPECT_FALSE(MakeHTMFile(0, &why));
  EXPECT_FALSE(why.empty());
  EXPECT_FALSE(fs::exists(dir / "missing"));

  // A name that is a folder: failure, the folder untouched.
  fs::create_directories(dir / "page.htm");
  HTMFile = (dir / "page.htm").string();
  why.clear();
  EXPECT_FALSE(MakeHTMFile(1, &why));
  EXPECT_FALSE(why.empty());
  EXPECT_TRUE(fs::is_directory(dir / "page.htm"));
  fs::remove_all(dir);
}
