// The help viewer, checked on the pixels of its window.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

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
bool IsGreen(COLORREF c) { return Green(c) >= 150 && Red(c) <= 60 && Blue(c) <= 60; }
bool IsBlue(COLORREF c) { return Blue(c) >= 200 && Red(c) <= 60 && Green(c) <= 60; }
bool IsDark(COLORREF c) { return Red(c) <= 80 && Green(c) <= 80 && Blue(c) <= 80; }
bool IsInk(COLORREF c) { return c != Background; }

class Help : public EditorWindow {
 protected:
  void SetUp() override {
    EditorWindow::SetUp();
    HFName = "page.htm";
  }
  void WritePage(const std::string &text, const char *name = "page.htm") {
    std::ofstream(fs::path(folder) / name, std::ios::binary | std::ios::trunc) << text;
  }
  static HWND Open() {
    HWND w = HelpWindow();
    PumpMessages();
    return w;
  }
  static void Repaint(HWND w) {
    InvalidateRect(w, nullptr, true);
    UpdateWindow(w);
  }
  // Bands 0.. of the page that hold a pixel of the kind asked for (all ink by default).
  static std::set<int> BandsWith(HWND w, bool (*kind)(COLORREF) = IsInk) {
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
  // Whether a rectangle of the window holds anything but the background.
  static bool Inked(HWND w, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; y++)
      for (int x = x0; x < x1; x++)
        if (!OnButton(x, y) && IsInk(WindowPixel(w, x, y))) return true;
    return false;
  }
};

TEST_F(Help, AMissingPageLeavesTheWindowBlankAndOkOrTheCloseBoxCloses) {
  HFName = "missing.htm";
  HWND w = Open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(WindowText(w), "Help");
  EXPECT_EQ(ClientWidth(w), 500 - 8);
  EXPECT_EQ(ClientHeight(w), 600 - 38);
  EXPECT_EQ(WindowText(GetDlgItem(w, 1)), "Ok");
  EXPECT_FALSE(Inked(w, 0, 0, ClientWidth(w), ClientHeight(w)));
  // "Ok" closes one window, the close box another.
  HWND second = Open();
  ClickButton(GetDlgItem(w, 1));
  PumpMessages();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_TRUE(IsWindow(second));
  CloseBox(second);
  PumpMessages();
  EXPECT_TRUE(TopLevelWindows("HelpClass").empty());
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(Help, LinesSeventeenPixelsApartTagLinesAndLineEndsTakeNoSpace) {
  WritePage("HHHH\r\n<P>\r\nHHHH\n\nHHHH\n<BR>\n<FONT COLOR=BLUE>\nHHHH\n");
  HWND w = Open();
  EXPECT_EQ(BandsWith(w), (std::set<int>{0, 1, 3, 4}));
  // The first line starts at the left margin, x = 5, and no higher than y = 5.
  EXPECT_FALSE(Inked(w, 0, 0, 5, 22));
  EXPECT_FALSE(Inked(w, 0, 0, 100, 5));
  EXPECT_TRUE(Inked(w, 5, 5, 7, 22));
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
  EXPECT_EQ(BandsWith(w), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(BandsWith(w, IsRed), (std::set<int>{1, 2, 7, 8}));
  EXPECT_EQ(BandsWith(w, IsDark), (std::set<int>{0, 3}));
  EXPECT_EQ(BandsWith(w, IsGreen), (std::set<int>{4}));
  EXPECT_EQ(BandsWith(w, IsBlue), (std::set<int>{5, 6}));
}

TEST_F(Help, EveryPaintStartsBlackAndRereadsTheLastNamedPage) {
  WritePage("HHHH\n<FONT COLOR=RED>\nHHHH\n");
  HWND w = Open();
  Repaint(w);
  EXPECT_EQ(BandsWith(w, IsDark), (std::set<int>{0}));
  EXPECT_EQ(BandsWith(w, IsRed), (std::set<int>{1}));
  WritePage("\n\nHHHH changed\n");
  Repaint(w);
  EXPECT_EQ(BandsWith(w), (std::set<int>{2}));
  // A second window for another page: both show the page named last.
  WritePage("\nHHHH\n", "about.htm");
  HFName = "about.htm";
  HWND about = Open();
  EXPECT_NE(about, w);
  EXPECT_EQ(BandsWith(about), (std::set<int>{1}));
  Repaint(w);
  EXPECT_EQ(BandsWith(w), (std::set<int>{1}));
}

TEST_F(Help, ReadingIsBounded) {
  // Two megabytes of tag lines, then text: the viewer stops reading after one megabyte.
  std::string page;
  while (page.size() < (2u << 20)) page += "<P>\n";
  WritePage(page + "HHHH\n");
  HWND w = Open();
  EXPECT_TRUE(BandsWith(w).empty());
  WritePage(page.substr(0, 1u << 19) + "HHHH\n");  // half a megabyte is read to its end
  Repaint(w);
  EXPECT_EQ(BandsWith(w), (std::set<int>{0}));
}

// A page name that is not a regular file draws nothing, at once: reading a FIFO would hold the
// window until something wrote to it (here a writer offers a line as soon as one reads).
TEST_F(Help, APageThatIsNotARegularFileIsNotRead) {
  std::string fifo = folder + "/page.htm";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // The viewer may open and close the pipe before the writer writes: no reader is no signal.
  auto previous = signal(SIGPIPE, SIG_IGN);
  std::thread writer([&] { std::ofstream(fifo) << "HHHH\n"; });
  HWND w = Open();
  EXPECT_TRUE(BandsWith(w).empty());
  int fd = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);  // lets the writer finish
  writer.join();
  close(fd);
  signal(SIGPIPE, previous);
}

TEST_F(Help, PagesComeFromTheStartFolderWhereverTheCurrentFolderIs) {
  WritePage("HHHH\n");
  fs::create_directory(folder + "/elsewhere");
  std::ofstream(folder + "/elsewhere/page.htm") << "\n\n\nHHHH\n";
  fs::current_path(folder + "/elsewhere");  // as a save in another folder may leave it
  EXPECT_EQ(BandsWith(Open()), (std::set<int>{0}));
}

// The pages that come with the program fit the viewer: every shown line ends inside the window.
TEST_F(Help, ShippedPagesFitTheWindow) {
  for (const char *name : {"readme.htm", "about.htm"}) {
    SCOPED_TRACE(name);
    fs::copy_file(fs::path(BS_SOURCE_DIR) / "help" / name, fs::path(folder) / name);
    HFName = name;
    HWND w = Open();
    std::set<int> inked = BandsWith(w);
    ASSERT_FALSE(inked.empty());
    EXPECT_LT(*inked.rbegin(), 30);  // above the "Ok" button
    EXPECT_FALSE(Inked(w, 490, 0, ClientWidth(w), ClientHeight(w)));
  }
}
}  // namespace
