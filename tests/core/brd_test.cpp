// The position file: its bytes, reading it back, and files that are damaged or not position
// files at all.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "files/brd.h"
#include "model/model.h"
#include "tests/core/tempfolder.h"
#include "tests/core/testdiagram.h"

namespace {
// A preset in an orientation, with settings unlike the defaults.
PositionFile FileOf(void (*preset)(Diagram &), int flipped = 0) {
  return {Preset(preset, flipped), PictureSettings{.Theme = 3}};
}

std::string Text(const PositionFile &file) { return MakeBRDFile(file.diagram, file.settings); }

// Reads text that must be a position file.
PositionFile Read(const std::string &text) {
  std::string why;
  std::optional<PositionFile> file = ReadBRDText(text, &why);
  EXPECT_TRUE(file) << why;
  return file.value_or(PositionFile{});
}

std::string Lines(std::initializer_list<const char *> lines, const char *end = "\r\r\n") {
  std::string text;
  for (const char *line : lines) text += std::string(line) + end;
  return text;
}

std::string Replace(std::string text, const std::string &from, const std::string &to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

// A file with the given size line, theme line, lists and arrow part.
std::string File(const char *size, const char *theme, const char *white, const char *black,
                 const char *markers, const std::string &arrows) {
  return Lines({"Boardsmith by Hallam Pryce <hallam.pryce@boardsmith.example>",
                "Flipped:            NO", "Coords:             NO", size, theme, "White Pieces:",
                white, "Black Pieces:", black, "Dot and Cross:", markers}) +
         arrows + Lines({"End of File"});
}

// The start position's bytes, either way up; the size lines and an arrow's line.
TEST(PositionFile, BytesWritten) {
  PositionFile file = FileOf(StartPosition);
  file.settings.Coords = 1;
  EXPECT_EQ(Text(file), Lines({
      "Boardsmith by Hallam Pryce <hallam.pryce@boardsmith.example>",
      "Flipped:            NO",
      "Coords:             YES",
      "Size:               MEDIUM",
      "Colour theme:       3",
      "White Pieces:",
      "Ra1 Nb1 Bc1 Qd1 Ke1 Bf1 Ng1 Rh1 Pa2 Pb2 Pc2 Pd2 Pe2 Pf2 Pg2 Ph2 ",
      "Black Pieces:",
      "pa7 pb7 pc7 pd7 pe7 pf7 pg7 ph7 ra8 nb8 bc8 qd8 ke8 bf8 ng8 rh8 ",
      "Dot and Cross:",
      "",
      "Arrows:             0",
      "End of File",
  }));
  // The flipped start position lists the same men from rank 8 down, file h to a.
  std::string flipped = Text(FileOf(StartPosition, 1));
  EXPECT_NE(flipped.find("Flipped:            YES\r\r\nCoords:             NO\r\r\n"), std::string::npos);
  EXPECT_NE(flipped.find("White Pieces:\r\r\n"
                         "Ph2 Pg2 Pf2 Pe2 Pd2 Pc2 Pb2 Pa2 Rh1 Ng1 Bf1 Ke1 Qd1 Bc1 Nb1 Ra1 \r\r\n"
                         "Black Pieces:\r\r\n"
                         "rh8 ng8 bf8 ke8 qd8 bc8 nb8 ra8 ph7 pg7 pf7 pe7 pd7 pc7 pb7 pa7 \r\r\n"),
            std::string::npos) << flipped;
  file = FileOf(TypicalPosition);
  file.settings.PicSiz = 2.75f;
  const char *sizes[] = {"CUSTOM 2.8", "SMALL", "MEDIUM", "LARGE"};  // by Dpi
  for (int dpi = 0; dpi < 4; dpi++) {
    file.settings.Dpi = dpi;
    EXPECT_NE(Text(file).find(std::string("\nSize:               ") + sizes[dpi] + "\r\r\n"),
              std::string::npos) << dpi;
  }
  EXPECT_NE(Text(file).find("Arrows:             1\r\r\n3 2 4 1\r\r\nEnd of File\r\r\n"), std::string::npos);
}

// What is written reads back to the same diagram and settings, and writes the same bytes again.
TEST(PositionFile, RoundTrips) {
  const struct {
    const char *what;
    int flipped, coords;
    void (*set)(PositionFile &);
  } cases[] = {
      {"markers, arrows, white to move", 0, 1, [](PositionFile &f) { f.diagram.SideToMove = 0; }},
      {"flipped, black to move (a line of its own)", 1, 0,
       [](PositionFile &f) { f.diagram.SideToMove = 1; }},
      {"lists of any length: 40 white knights make a 160-character line", 0, 0,
       [](PositionFile &f) {
         EmptyPosition(f.diagram);
         for (int i = 0; i < 40; i++) f.diagram.Pos[i] = WN;
         for (int i = 40; i < 62; i++) f.diagram.Pos[i] = BP;
         f.diagram.Pos[62] = DotMark, f.diagram.Pos[63] = CrossMark;
       }},
      {"flipped, custom size, a king on h8 (column 0, row 0)", 1, 0,
       [](PositionFile &f) { f.diagram.Pos[0] = WK, f.settings.Dpi = 0, f.settings.PicSiz = 2.8f; }},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    PositionFile written = FileOf(TypicalPosition, c.flipped);
    Diagram &d = written.diagram;
    d.Pos[9] = DotMark, d.Pos[18] = CrossMark;
    d.NArrows = 3;
    const int32_t more[2][4] = {{0, 0, 7, 7}, {6, 7, 5, 5}};
    std::memcpy(d.Arr[1], more, sizeof more);
    c.set(written);
    written.settings.Coords = c.coords;
    std::string text = Text(written);
    PositionFile read = Read(text);
    EXPECT_TRUE(read == written);
    EXPECT_EQ(Text(read), text);
  }
}

TEST(PositionFile, ReadsOtherLineEndsEntriesWithoutTrailingSpaceAndLongLines) {
  const PositionFile written = FileOf(TypicalPosition);
  std::string text = Text(written);
  std::string variants[] = {
      Replace(text, "\r\r\n", "\r\n"),
      Replace(text, "\r\r\n", "\n"),
      Replace(Replace(text, " \r\r\n", "\r\r\n"), "\r\r\n", "\n"),
      Replace(text, " \r\r\n", "\r\r\n"),
      text.substr(0, text.size() - 3),  // no line end after the last line
      // A banner of 10,000 characters and a white list padded with 10,000 more.
      std::string(10000, 'B') + Replace(text, "\r\r\nBlack Pieces:", std::string(10000, ' ') + "\r\r\nBlack Pieces:"),
  };
  for (const std::string &variant : variants)
    EXPECT_TRUE(Read(variant) == written) << variant.substr(0, 200);
}

TEST(PositionFile, SkipsEntriesThatNameNoSquareOrTheWrongList) {
  std::string text = File("Size:               MEDIUM", "Colour theme:       2",
                          "Ka1 ka2 Xb3 Qc3 Ki1 Ka9 Ka0 K`1 Nh8 Db4 R", "kh1 Pb1 pb2",
                          "Da1 Cc3 Kd4 Dh", Lines({"Arrows:             0"}));
  const Diagram read = Read(text).diagram;
  int32_t expected[64] = {};
  expected[0] = DotMark;        // the marker list comes last and overwrites a1
  expected[2 * 8 + 2] = CrossMark, expected[7 * 8 + 7] = WN;
  expected[7 * 8 + 0] = BK, expected[1 * 8 + 1] = BP;
  for (int i = 0; i < 64; i++) EXPECT_EQ(read.Pos[i], expected[i]) << i;
}

TEST(PositionFile, OutOfRangeNumbersAreClampedOrKept) {
  struct Case {
    const char *size, *theme;
    int dpi;
    float picSiz;
    int theme_;
  } cases[] = {
      {"Size:               CUSTOM 0.5", "Colour theme:       99", 0, 1.0f, 7},
      {"Size:               CUSTOM 17", "Colour theme:       -5", 0, 6.0f, 0},
      {"Size:               CUSTOM", "Colour theme:", 0, 1.0f, 0},
      {"Size:               CUSTOM nan", "Colour theme:       99999999999999", 0, 1.0f, 7},
      {"Size:               CUSTOM inf", "Colour theme:       x", 0, 6.0f, 0},
      {"Size:               CUSTOM 1e999", "Colour theme:       5", 0, 6.0f, 5},
      {"Size:               CUSTOM -3", "Colour theme:       +4", 0, 1.0f, 4},
      {"Size:               CUSTOM 3,5", "Colour theme:       6 ", 0, 3.0f, 6},
      {"Size:               LARGE", "Colour theme:       1", 3, 6.0f, 1},
      {"Size:               SMALL", "Colour theme:       1", 1, 2.0f, 1},
  };
  for (const Case &c : cases) {
    const std::string text = File(c.size, c.theme, "", "", "", Lines({"Arrows:             0"}));
    const PictureSettings read = Read(text).settings;
    EXPECT_EQ(read.Dpi, c.dpi) << c.size;
    EXPECT_EQ(read.PicSiz, c.picSiz) << c.size;
    EXPECT_EQ(read.Theme, c.theme_) << c.theme;
  }
}

TEST(PositionFile, ArrowCountsAndRecords) {
  auto read = [](const std::string &arrows) {
    return Read(File("Size:               SMALL", "Colour theme:       0", "", "", "", arrows)).diagram;
  };
  std::string many = "Arrows:             99\r\r\n";
  for (int i = 0; i < 40; i++) many += std::to_string(i) + " 1 2 3\r\r\n";
  Diagram d = read(many);
  EXPECT_EQ(d.NArrows, 32);
  EXPECT_EQ(d.Arr[31][0], 31);
  EXPECT_EQ(read(Lines({"Arrows:             -3", "1 2 3 4"})).NArrows, 0);

  // Ends off the board are read as they stand (the picture leaves such arrows out); records may
  // be spread over lines; a number too large for the diagram saturates.
  d = read(Lines({"Arrows:             2", "100 -9 +3", "4", "99999999999 0 0 0"}));
  EXPECT_EQ(d.NArrows, 2);
  const int32_t first[4] = {100, -9, 3, 4}, second[4] = {2147483647, 0, 0, 0};
  EXPECT_EQ(std::memcmp(d.Arr[0], first, sizeof first), 0);
  EXPECT_EQ(std::memcmp(d.Arr[1], second, sizeof second), 0);

  // Missing or incomplete records: the count comes down to the complete records there are.
  EXPECT_EQ(read(Lines({"Arrows:             3", "1 2 3 4", "5 6"})).NArrows, 1);
  EXPECT_EQ(Read(Lines({"Boardsmith", "Flipped:", "Coords:", "Size:               MEDIUM",
                        "Colour theme:", "White Pieces:", "", "Black Pieces:", "",
                        "Dot and Cross:", "", "Arrows:             4"})).diagram.NArrows, 0);
}

TEST(PositionFile, RefusesWhatIsNotAPositionFile) {
  std::string text = Text(FileOf(TypicalPosition));
  std::string garbage;
  std::mt19937 random(7);
  for (int i = 0; i < 3000; i++) garbage += static_cast<char>(random());
  std::string longLine(10000, 'x');
  std::string hostile[] = {
      "", garbage, longLine, longLine + "\r\n" + longLine + "\n",
      Replace(text, "Colour theme:", std::string(1, '\0') + "olour theme:"),
      Replace(text, "Black Pieces:", "Pieces of black:"),
      "Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\nSMALL\r\nCoordinates (YES, NO, ASK):\r\nASK\r\n",
      std::string(20, '\n'),
  };
  for (const std::string &bytes : hostile) {
    std::string why;
    EXPECT_FALSE(ReadBRDText(bytes, &why)) << bytes.substr(0, 80);
    EXPECT_FALSE(why.empty());
  }
  // Every truncation: refused until the arrow count's label is there, read after that.
  size_t countLine = text.find("Arrows:") + std::strlen("Arrows:");
  for (size_t n = 0; n < text.size(); n++)
    EXPECT_EQ(ReadBRDText(text.substr(0, n)).has_value(), n >= countLine) << n;
}

// A file too large to be a position file; files missing or not regular are export_test.cpp's,
// files written and read back the editor's (fileio_test.cpp).
TEST(PositionFile, AFileTooLargeIsRefused) {
  TempFolder folder;
  std::string why;
  WriteWhole(folder / "huge.brd", Text(FileOf(TypicalPosition)) + std::string(2 << 20, ' '));
  EXPECT_FALSE(ReadBRDFile(folder / "huge.brd", &why));
  EXPECT_NE(why.find("too large"), std::string::npos) << why;
}
}  // namespace
