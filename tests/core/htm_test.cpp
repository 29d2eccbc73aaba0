// The web page: its lines against pages built from a board description, sizes, themes and
// damaged values.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "files/htm.h"
#include "files/paths.h"
#include "model/model.h"
#include "tests/core/tempfolder.h"

namespace {
// The start position, theme 2, medium size, no arrows.
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
  for (size_t at = 0, end; at < page.size(); at = end + 3) {
    end = page.find("\r\r\n", at);
    EXPECT_NE(end, std::string::npos) << "page ends without its line end";
    if (end == std::string::npos) break;
    lines.push_back(page.substr(at, end - at));
    EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << lines.back();
  }
  return lines;
}

void ExpectLines(const std::vector<std::string> &got, const std::vector<std::string> &want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); i++) EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
}

struct Look {
  bool coords = false, flipped = false;
  char size = 'm';
  const char *dark = "#c0c0c0", *light = "#ffffff";
};

// The expected page of a board given as its table rows from the top, a letter a square
// (white men in capitals, '.' empty), the top-left square light.
std::vector<std::string> Page(const std::vector<std::string> &rows, const Look &look) {
  auto Image = [](const std::string &name) { return "    <TD><IMG SRC='gifs/" + name + ".gif'></TD>"; };
  const std::string size(1, look.size);
  std::vector<std::string> p = {
      "<HTML><HEAD><TITLE>Boardsmith by Hallam Pryce Demo Web Page</TITLE></HEAD>",
      "<BODY BGCOLOR='#DDBB99'>", "<TABLE CELLSPACING=0 CELLPADDING=0>"};
  auto FrameRow = [&](const char *left, const char *edge, const char *right) {
    p.push_back("<TR>");
    if (look.coords) p.push_back("    <TD></TD>");
    p.push_back(Image(left));
    for (int c = 0; c < 8; c++) p.push_back(Image(edge + size));
    p.push_back(Image(right));
    p.push_back("</TR>");
  };
  FrameRow("corner1", "upper", "corner2");
  for (int t = 0; t < 8; t++) {
    p.push_back("<TR>");
    if (look.coords)
      p.push_back("    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>" +
                  std::to_string(look.flipped ? t + 1 : 8 - t) + "</FONT></TD>");
    p.push_back(Image("left" + size));
    for (int c = 0; c < 8; c++) {
      char m = rows[t][c];
      std::string name = m == '.' ? "e" : std::string(1, std::isupper(m) ? 'w' : 'b') +
                                               static_cast<char>(std::tolower(m));
      p.push_back(std::string("    <TD BGCOLOR='") + ((t + c) % 2 ? look.dark : look.light) +
                  "'><IMG SRC='gifs/" + name + size + ".gif'></TD>");
    }
    p.push_back(Image("right" + size));
    p.push_back("</TR>");
  }
  FrameRow("corner3", "lower", "corner4");
  if (look.coords) {
    p.push_back("<TR>");
    p.push_back("    <TD></TD><TD></TD>");
    for (int c = 0; c < 8; c++)
      p.push_back(std::string("    <TD ALIGN=CENTER><FONT FACE='arial' SIZE='4'>") +
                  static_cast<char>(look.flipped ? 'h' - c : 'a' + c) + "</TD>");
    p.push_back("<TD></TD>");
    p.push_back("</TR>");
  }
  p.push_back("</TABLE>");
  p.push_back("</BODY></HTML>");
  return p;
}

const std::vector<std::string> Start = {"rnbqkbnr", "pppppppp", "........", "........",
                                        "........", "........", "PPPPPPPP", "RNBQKBNR"};
const std::vector<std::string> FlippedStart = {"RNBKQBNR", "PPPPPPPP", "........", "........",
                                               "........", "........", "pppppppp", "rnbkqbnr"};
}  // namespace

TEST(WebPage, StartPositionWithAndWithoutCoordinatesBothWays) {
  for (int flipped = 0; flipped < 2; flipped++)
    for (int coords = 0; coords < 2; coords++) {
      SCOPED_TRACE(testing::Message() << "flipped " << flipped << ", coords " << coords);
      SetUpStartPosition(flipped);
      Look look;
      look.coords = coords, look.flipped = flipped;
      ExpectLines(PageLines(HTMText(coords)), Page(flipped ? FlippedStart : Start, look));
    }
  // One line checked as it stands, against a mistake shared by the page and Page().
  SetUpStartPosition(0);
  EXPECT_EQ(PageLines(HTMText(1))[17], "    <TD ALIGN=RIGHT><FONT FACE='arial' SIZE='4'>8</FONT></TD>");
  EXPECT_EQ(PageLines(HTMText(1))[19], "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/brm.gif'></TD>");
}

TEST(WebPage, SizeLetterFollowsPictureSize) {
  const struct {
    int dpi;
    float picSiz;
    char size;
  } cases[] = {{1, 2.0f, 's'}, {3, 6.0f, 'l'}, {0, 2.75f, 's'}, {77, 4.0f, 's'}, {-3, 4.0f, 's'}};
  for (const auto &c : cases) {
    SetUpStartPosition(0);
    Dpi = c.dpi, PicSiz = c.picSiz;  // a custom size, or a damaged size code: the small images
    Look look;
    look.size = c.size;
    ExpectLines(PageLines(HTMText(0)), Page(Start, look));
  }
}

TEST(WebPage, ThemeColourTexts) {
  const char *want[NThemes][2] = {
      {"#977151", "#e7d0a7"}, {"#658080", "#dfdfdf"}, {"#c0c0c0", "#ffffff"},
      {"#97c9ff", "#defefd"}, {"#8bc9a0", "#ebfeb1"}, {"#dba79d", "#f4e1df"},
      {"#ffc993", "#ffe1c4"}, {"#bebe7e", "#dbdbb7"}};
  SetUpStartPosition(0);
  for (int theme = -4; theme < NThemes + 3; theme++) {  // outside 0..7: the nearest theme
    Theme = theme;
    int t = theme < 0 ? 0 : theme >= NThemes ? NThemes - 1 : theme;
    Look look;
    look.dark = want[t][0], look.light = want[t][1];
    ExpectLines(PageLines(HTMText(0)), Page(Start, look));
  }
  // A colour component below 16 loses its leading zero; the text never exceeds 7 characters.
  Theme = 0;
  Dk[0][0] = 5, Dk[0][1] = 10, Dk[0][2] = 200;
  EXPECT_EQ(PageLines(HTMText(0))[18], "    <TD BGCOLOR='#5ac8'><IMG SRC='gifs/bnm.gif'></TD>");
  Dk[0][0] = -1;
  EXPECT_EQ(PageLines(HTMText(0))[18], "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/bnm.gif'></TD>");
}

TEST(WebPage, SquareCodesOutsideTheTableShowEmptySquares) {
  SetUpStartPosition(0);
  for (int c = 0; c < 64; c++) Pos[c] = (c % 3 == 0) ? -1 : (c % 3 == 1) ? 15 : INT_MIN;
  ExpectLines(PageLines(HTMText(0)), Page(std::vector<std::string>(8, "........"), Look()));
}

TEST(WebPage, ArrowsNeverAppear) {
  SetUpStartPosition(0);
  TypicalPosition(nullptr);
  ASSERT_EQ(NArrows, 1);
  std::string with = HTMText(1);
  NArrows = 0;
  EXPECT_EQ(HTMText(1), with);
}

TEST(WebPage, FileWrittenOrFailureReported) {
  SetUpStartPosition(0);
  TempFolder folder;
  HTMFile = folder / "pos.htm";
  std::string why;
  ASSERT_TRUE(MakeHTMFile(0, &why)) << why;
  EXPECT_EQ(ReadWhole(HTMFile), HTMText(0));
  // A folder that does not exist, and a name that is a folder: failure with a reason.
  HTMFile = folder / "missing/pos.htm";
  why.clear();
  EXPECT_FALSE(MakeHTMFile(0, &why));
  EXPECT_FALSE(why.empty());
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
  std::filesystem::create_directories(folder / "page.htm");
  HTMFile = folder / "page.htm";
  why.clear();
  EXPECT_FALSE(MakeHTMFile(1, &why));
  EXPECT_FALSE(why.empty());
  EXPECT_TRUE(std::filesystem::is_directory(folder / "page.htm"));
}
