// The help viewer, checked on the pixels of its window.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "editor/editor.h"
#include "model/model.h"
#include "platform/testing.h"
#include "tests/gui/editor_fixture.h"

namespace {
namespace fs = std::filesystem;

constexpr COLORREF Background = RGB(240, 240, 255);
constexpr int Bands = 32;  // 17-pixel text bands from y = 5 that fit in the client area

// The "Ok" button's rectangle, which a child control may cover.
bool OnButton(int x, int y) { return x >= 190 && x < 270 && y >= 525 && y < 550; }

int Red(COLORREF c) { return c & 0xFF; }
int Green(COLORREF c) { return (c >> 8) & 0xFF; }
int Blue(COLORREF c) { return (c >> 16) & 0xFF; }
bool IsRed(COLORREF c) { return Red(c) >= 200 && Green(c) <= 80 && Blue(c) <= 80; }
bool IsDark(COLORREF c) { return Red(c) <= 80 && Green(c) <= 80 && Blue(c) <= 80; }

class Help : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/bs-help-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder_ = name;
    StartFolder = folder_.string();
    HFName = "page.htm";
    UseScriptedResponder();
    ClearRecords();
    ASSERT_NE(RegisterHelpWin(), 0);
  }
  void TearDown() override {
    ResetPlatform();
    std::error_code ec;
    fs::current_path("/", ec);
    fs::remove_all(folder_, ec);
  }

  void WritePage(const std::string &text, const char *name = "page.htm") {
    std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
    out << text;
  }
  HWND Open() {
    HWND w = HelpWindow();
    PumpMessages();
    return w;
  }
  void Repaint(HWND w) {
    InvalidateRect(w, nullptr, true);
    UpdateWindow(w);
  }
  // Bands 0.. of the page that hold a pixel of the kind asked for.
  template <typename Kind>
  std::set<int> BandsWith(HWND w, Kind kind) {
    std::set<int> bands;
    for (int k = 0; k < Bands; k++)
      for (int y = 5 + 17 * k; y < 5 + 17 * (k + 1) && y < ClientHeight(w) && !bands.count(k); y++)
        for (int x = 0; x < ClientWidth(w); x++)
          if (!OnButton(x, y) && kind(WindowPixel(w, x, y))) {
            bands.insert(k);
            break;
          }
    return bands;
  }
  std::set<int> InkedBands(HWND w) {
    return BandsWith(w, [](COLORREF c) { return c != Background; });
  }

  fs::path folder_;
};

TEST_F(Help, WindowAndMissingPage) {
  HFName = "missing.htm";
  HWND w = Open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(ClassName(w), "HelpClass");
  EXPECT_EQ(WindowText(w), "Help");
  EXPECT_EQ(ClientWidth(w), 500 - 8);
  EXPECT_EQ(ClientHeight(w), 600 - 38);
  HWND ok = GetDlgItem(w, 1);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(WindowText(ok), "Ok");
  int other = 0;
  for (int y = 0; y < ClientHeight(w); y++)
    for (int x = 0; x < ClientWidth(w); x++)
      if (!OnButton(x, y) && WindowPixel(w, x, y) != Background) other++;
  EXPECT_EQ(other, 0);
}

TEST_F(Help, LinesSeventeenPixelsApartTagLinesTakeNoSpace) {
  WritePage("HHHH\n<P>\nHHHH\n\nHHHH\n<BR>\n<FONT COLOR=BLUE>\nHHHH\n");
  HWND w = Open();
  EXPECT_EQ(InkedBands(w), (std::set<int>{0, 1, 3, 4}));
  // The first line starts at the left margin, x = 5, and no higher than y = 5.
  bool left = false;
  for (int y = 5; y < 22; y++) {
    EXPECT_EQ(WindowPixel(w, 4, y), Background);
    left = left || WindowPixel(w, 5, y) != Background || WindowPixel(w, 6, y) != Background;
  }
  EXPECT_TRUE(left);
  for (int x = 0; x < 100; x++)
    for (int y = 0; y < 5; y++) EXPECT_EQ(WindowPixel(w, x, y), Background);
}

TEST_F(Help, ColourLinesColourTheLinesAfterThem) {
  WritePage(
      "HHHH black\n"
      "<FONT COLOR=RED>\n"
      "HHHH red\n"
      "HHHH still red\n"
      "<FONT COLOR=BLACK>\n"
      "HHHH black again\n"
      "<FONT COLOR=GREEN>\n"
      "HHHH green\n"
      "<FONT COLOR=BLUE>\n"
      "HHHH blue\n"
      "<FONT COLOR=RE\n"  // 14 characters: not a colour line, but a tag line
      "HHHH blue yet\n"
      "<FONT COLOR=REDDISH>\n"  // the first 15 characters decide
      "HHHH red at the end <FONT COLOR=BLACK>\n"  // a tag inside a line is text
      "HHHH and red\n");
  HWND w = Open();
  EXPECT_EQ(InkedBands(w), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(BandsWith(w, IsRed), (std::set<int>{1, 2, 7, 8}));
  EXPECT_EQ(BandsWith(w, IsDark), (std::set<int>{0, 3}));
  EXPECT_EQ(BandsWith(w, [](COLORREF c) { return Green(c) >= 150 && Red(c) <= 60 && Blue(c) <= 60; }),
            (std::set<int>{4}));
  EXPECT_EQ(BandsWith(w, [](COLORREF c) { return Blue(c) >= 200 && Red(c) <= 60 && Green(c) <= 60; }),
            (std::set<int>{5, 6}));
}

TEST_F(Help, EveryPaintStartsBlackAndRereadsThePage) {
  WritePage("HHHH\n<FONT COLOR=RED>\nHHHH\n");
  HWND w = Open();
  Repaint(w);
  EXPECT_EQ(BandsWith(w, IsDark), (std::set<int>{0}));
  EXPECT_EQ(BandsWith(w, IsRed), (std::set<int>{1}));
  WritePage("\n\nHHHH changed\n");
  Repaint(w);
  EXPECT_EQ(InkedBands(w), (std::set<int>{2}));
}

TEST_F(Help, LongLinesGoOnAsLinesOfTheirOwn) {
  // 119 characters make one piece, the rest of the line the next; a line of exactly 119
  // characters leaves its line end for a piece of its own, an empty line.
  std::string first(119, 'H');
  WritePage(first + "IIII\n" + std::string(119, 'H') + "\nHHHH\n" + std::string(100000, 'W') +
            "\nHHHH\n");
  HWND w = Open();
  std::set<int> inked = InkedBands(w);
  EXPECT_TRUE(inked.count(0));
  EXPECT_TRUE(inked.count(1));   // "IIII"
  EXPECT_TRUE(inked.count(2));
  EXPECT_FALSE(inked.count(3));  // the line end of the 119-character line
  EXPECT_TRUE(inked.count(4));
  // 100,000 characters: 841 pieces, far below the window; nothing else is drawn or harmed.
  for (int k = 5; k < Bands; k++) EXPECT_TRUE(inked.count(k)) << k;
  // The continuation starts at the left margin like any line.
  bool left = false;
  for (int y = 22; y < 39; y++)
    for (int x = 5; x < 12; x++) left = left || WindowPixel(w, x, y) != Background;
  EXPECT_TRUE(left);
  // The short "IIII" piece ends early: band 1 is bare on its right.
  for (int y = 22; y < 39; y++)
    for (int x = 200; x < ClientWidth(w); x++) EXPECT_EQ(WindowPixel(w, x, y), Background);
}

TEST_F(Help, LineEndsOfEitherKindAreNotDrawn) {
  WritePage("HHHH\r\n\r\nHHHH\r\n<P>\r\nHHHH\n");
  HWND w = Open();
  EXPECT_EQ(InkedBands(w), (std::set<int>{0, 2, 3}));
  // A 118-character line with CR LF is one piece, as a line with LF alone.
  WritePage(std::string(118, 'H') + "\r\nHHHH\r\n");
  Repaint(w);
  EXPECT_EQ(InkedBands(w), (std::set<int>{0, 1}));
}

TEST_F(Help, ReadingIsBounded) {
  // Two megabytes of tag lines, then text: the viewer stops reading after one megabyte.
  std::string page;
  while (page.size() < (2u << 20)) page += "<P>\n";
  WritePage(page + "HHHH\n");
  HWND w = Open();
  EXPECT_TRUE(InkedBands(w).empty());
  // Half a megabyte is read to its end.
  WritePage(page.substr(0, 1u << 19) + "HHHH\n");
  Repaint(w);
  EXPECT_EQ(InkedBands(w), (std::set<int>{0}));
}

TEST_F(Help, PagesComeFromTheStartFolderWhereverTheCurrentFolderIs) {
  WritePage("HHHH\n");
  fs::create_directory(folder_ / "elsewhere");
  std::ofstream(folder_ / "elsewhere" / "page.htm") << "\n\n\nHHHH\n";
  fs::current_path(folder_ / "elsewhere");  // as a save in another folder leaves it
  HWND w = Open();
  EXPECT_EQ(InkedBands(w), (std::set<int>{0}));
}

TEST_F(Help, EachCommandOpensAWindowAndAllShowTheLastPage) {
  WritePage("HHHH\n", "readme.htm");
  WritePage("\nHHHH\n", "about.htm");
  HFName = "readme.htm";
  HWND help = Open();
  EXPECT_EQ(InkedBands(help), (std::set<int>{0}));
  HFName = "about.htm";
  HWND about = Open();
  EXPECT_NE(help, about);
  EXPECT_EQ(TopLevelWindows("HelpClass").size(), 2u);
  EXPECT_EQ(InkedBands(about), (std::set<int>{1}));
  Repaint(help);
  EXPECT_EQ(InkedBands(help), (std::set<int>{1}));
}

TEST_F(Help, OkOrCloseBoxCloses) {
  HWND first = Open();
  HWND second = Open();
  ClickButton(GetDlgItem(first, 1));
  PumpMessages();
  EXPECT_FALSE(IsWindow(first));
  EXPECT_TRUE(IsWindow(second));
  CloseBox(second);
  PumpMessages();
  EXPECT_FALSE(IsWindow(second));
  EXPECT_TRUE(TopLevelWindows().empty());
  EXPECT_TRUE(RecordedBoxes().empty());
}

// The pages that come with the program fit the viewer: every shown line ends inside the window,
// and the colour lines are those of the table.
TEST_F(Help, ShippedPagesFitTheWindow) {
  for (const char *name : {"readme.htm", "about.htm"}) {
    SCOPED_TRACE(name);
    fs::copy_file(fs::path(BS_SOURCE_DIR) / "help" / name, folder_ / name);
    HFName = name;
    HWND w = Open();
    std::set<int> inked = InkedBands(w);
    ASSERT_FALSE(inked.empty());
    EXPECT_LT(*inked.rbegin(), 30);  // above the "Ok" button
    for (int y = 0; y < ClientHeight(w); y++)
      for (int x = 490; x < ClientWidth(w); x++) EXPECT_EQ(WindowPixel(w, x, y), Background);
  }
}
}  // namespace

// Through the main window's menu, with the pages that come with the program.
namespace {
class HelpFromMenu : public EditorWindow {};

TEST_F(HelpFromMenu, PagesAreFoundAfterASaveInAnotherFolder) {
  for (const char *name : {"readme.htm", "about.htm"})
    std::filesystem::copy_file(std::filesystem::path(BS_RUN_DIR) / name,
                               std::filesystem::path(folder) / name);
  std::filesystem::create_directory(folder + "/elsewhere");
  ShowCoords = 0;
  ScriptFileAnswer(folder + "/elsewhere/diagram.bmp");
  Choose(CmdSaveBMP);
  ASSERT_TRUE(std::filesystem::exists(folder + "/elsewhere/diagram.bmp"));
  std::filesystem::current_path(folder + "/elsewhere");  // where a file dialog may leave it
  for (int id : {CmdHelp, CmdAbout}) {
    Choose(id);
    std::vector<HWND> open = TopLevelWindows("HelpClass");
    ASSERT_FALSE(open.empty());
    HWND w = open.back();
    int inked = 0;
    for (int y = 5; y < 22; y++)
      for (int x = 5; x < 200; x++) inked += WindowPixel(w, x, y) != RGB(240, 240, 255);
    EXPECT_GT(inked, 20) << id;
  }
  EXPECT_EQ(TopLevelWindows("HelpClass").size(), 2u);
  std::filesystem::current_path("/");
}
}  // namespace
