// The help viewer, checked on the pixels of its window.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "files/helppage.h"
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
  void WritePage(const std::string &text, const char *name = "page.htm") {
    std::ofstream(fs::path(folder) / name, std::ios::binary | std::ios::trunc) << text;
  }
  // A help window for a page, which all help windows show from now on.
  static HWND Open(const char *page = "page.htm") {
    HFName = page;
    HWND w = HelpWindow();
    PumpMessages();
    return w;
  }
  // Whether a rectangle of the window holds a pixel of the kind asked for (by default anything
  // but the background); and the bands 0.. of the page that do.
  static bool Inked(HWND w, int x0, int y0, int x1, int y1, bool (*kind)(COLORREF) = IsInk) {
    for (int y = y0; y < std::min(y1, ClientHeight(w)); y++)
      for (int x = x0; x < x1; x++)
        if (!OnButton(x, y) && kind(WindowPixel(w, x, y))) return true;
    return false;
  }
  static std::set<int> BandsWith(HWND w, bool (*kind)(COLORREF) = IsInk) {
    std::set<int> bands;
    for (int k = 0; k < Bands; k++)
      if (Inked(w, 0, 5 + 17 * k, ClientWidth(w), 5 + 17 * (k + 1), kind)) bands.insert(k);
    return bands;
  }
};

TEST_F(Help, AMissingPageLeavesTheWindowBlankAndOkOrTheCloseBoxCloses) {
  HWND w = Open("missing.htm");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(WindowText(w), "Help");
  EXPECT_EQ(std::make_pair(ClientWidth(w), ClientHeight(w)), std::make_pair(500 - 8, 600 - 38));
  EXPECT_EQ(WindowText(GetDlgItem(w, 1)), "Ok");
  EXPECT_FALSE(Inked(w, 0, 0, ClientWidth(w), ClientHeight(w)));
  // "Ok" closes one window, the close box another.
  HWND second = Open("missing.htm");
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

// Lines 17 pixels apart from (5, 5); tag lines and line ends take no space, an empty line does;
// colour lines colour the lines after them, and each paint starts black.
TEST_F(Help, LinesAndColours) {
  WritePage(
      "HHHH black\r\n"
      "<P>\r\n"
      "<FONT COLOR=RED>\nHHHH red\n"
      "\n"
      "HHHH still red\n"
      "<BR>\n"
      "<FONT COLOR=BLACK>\nHHHH black again\n"
      "<FONT COLOR=GREEN>\nHHHH green\n"
      "<FONT COLOR=BLUE>\nHHHH blue\n"
      "<FONT COLOR=RE\n"  // 14 characters: not a colour line, but a tag line
      "HHHH blue yet\n"
      "<FONT COLOR=REDDISH>\n"  // the first 15 characters decide
      "HHHH red at the end <FONT COLOR=BLACK>\n"  // a tag inside a line is text
      "HHHH and red\n");
  HWND w = Open();
  Repaint(w);  // a paint after the first starts black again
  EXPECT_EQ(BandsWith(w), (std::set<int>{0, 1, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(BandsWith(w, IsRed), (std::set<int>{1, 3, 8, 9}));
  EXPECT_EQ(BandsWith(w, IsDark), (std::set<int>{0, 4}));
  EXPECT_EQ(BandsWith(w, IsGreen), (std::set<int>{5}));
  EXPECT_EQ(BandsWith(w, IsBlue), (std::set<int>{6, 7}));
  EXPECT_FALSE(Inked(w, 0, 0, 5, 22));
  EXPECT_FALSE(Inked(w, 0, 0, 100, 5));
  EXPECT_TRUE(Inked(w, 5, 5, 7, 22));
}

// Pages come from the start folder wherever the current folder is, and each paint reads the page
// named last again.
TEST_F(Help, EveryPaintRereadsTheLastNamedPageFromTheStartFolder) {
  HWND w = Open();
  WritePage("\n\nHHHH changed\n");
  Repaint(w);
  EXPECT_EQ(BandsWith(w), (std::set<int>{2}));
  // A second window for another page: both show the page named last.
  WritePage("\nHHHH\n", "about.htm");
  fs::create_directory(folder + "/elsewhere");
  std::ofstream(folder + "/elsewhere/about.htm") << "\n\n\nHHHH\n";
  fs::current_path(folder + "/elsewhere");  // as a save in another folder may leave it
  HWND about = Open("about.htm");
  EXPECT_NE(about, w);
  EXPECT_EQ(BandsWith(about), (std::set<int>{1}));
  Repaint(w);
  EXPECT_EQ(BandsWith(w), (std::set<int>{1}));
}

// Reading is bounded: two megabytes of tag lines, then text, are read up to one megabyte. A page
// name that is not a regular file draws nothing, at once: reading a FIFO would hold the window
// until something wrote to it (here a writer offers a line as soon as one reads).
TEST_F(Help, ReadingIsBoundedAndOnlyOfRegularFiles) {
  std::string page;
  while (page.size() < (2u << 20)) page += "<P>\n";
  WritePage(page + "HHHH\n");
  HWND w = Open();
  EXPECT_TRUE(BandsWith(w).empty());
  WritePage(page.substr(0, 1u << 19) + "HHHH\n");  // half a megabyte is read to its end
  Repaint(w);
  EXPECT_EQ(BandsWith(w), (std::set<int>{0}));
  std::string fifo = folder + "/page.htm";
  fs::remove(fifo);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // The viewer may open and close the pipe before the writer writes: no reader is no signal.
  auto previous = signal(SIGPIPE, SIG_IGN);
  std::thread writer([&] { std::ofstream(fifo) << "HHHH\n"; });
  Repaint(w);
  EXPECT_TRUE(BandsWith(w).empty());
  int fd = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);  // lets the writer finish
  writer.join();
  close(fd);
  signal(SIGPIPE, previous);
}

// A page longer than the window scrolls by lines with the keys and the wheel (three lines a
// notch), within the page; a thumb at the right edge shows where the window is.
TEST_F(Help, LongPagesScrollWithTheKeysAndTheWheel) {
  std::string page;
  for (int i = 0; i < 40; i++) page += i == 35 ? "<FONT COLOR=RED>\nHHHH\n<FONT COLOR=BLACK>\n" : "HHHH\n";
  WritePage(page);
  HWND w = Open();
  auto thumbAtTop = [w] { return WindowPixel(w, 487, 6) == RGB(160, 160, 200); };
  EXPECT_TRUE(thumbAtTop());
  // What moves the page, and the band of the red line 35 then (none: out of view).
  for (auto [key, notches, band] : std::vector<std::tuple<int, int, int>>{
           {0, 0, -1}, {VK_END, 0, 25}, {0, 1, 28}, {VK_PRIOR, 0, -1}, {VK_NEXT, 0, 25},
           {VK_HOME, 0, -1}, {0, -2, 29}, {VK_UP, 0, -1}, {VK_DOWN, 0, 29}}) {
    SCOPED_TRACE(testing::Message() << key << " " << notches);
    if (key) PressKey(w, key, 0);
    if (notches) TurnWheel(w, 100, 100, notches);
    PumpMessages();
    EXPECT_EQ(BandsWith(w, IsRed), band < 0 ? std::set<int>{} : std::set<int>{band});
    EXPECT_EQ(BandsWith(w).size(), 30u);
  }
  EXPECT_FALSE(thumbAtTop());
}

// The pages that come with the program fit the viewer: every line, scrolled into view, ends left
// of the thumb.
TEST_F(Help, ShippedPagesFitTheWindow) {
  for (const char *name : {"readme.htm", "about.htm"}) {
    SCOPED_TRACE(name);
    fs::copy_file(fs::path(BS_RUN_DIR) / name, fs::path(folder) / name);
    HWND w = Open(name);
    ASSERT_FALSE(BandsWith(w).empty());
    for (int page = 0; page < 6; page++, PressKey(w, VK_NEXT, 0), PumpMessages()) {
      EXPECT_LT(*BandsWith(w).rbegin(), 30);  // above the "Ok" button
      EXPECT_FALSE(Inked(w, 484, 0, 486, ClientHeight(w)));
      EXPECT_FALSE(Inked(w, 490, 0, ClientWidth(w), ClientHeight(w)));
    }
  }
}

// The help tells every menu command with its shortcut and every option of the exporter's --help
// (read at test time, so that the help keeps up with both); About the version, the exporter's
// usage and where the preferences are kept.
TEST_F(Help, ThePagesTellEveryMenuCommandShortcutAndExporterOption) {
  auto text = [](const char *name) {
    std::string joined;
    for (const HelpLine &line : HelpPageLines(ReadWhole(fs::path(BS_RUN_DIR) / name)))
      joined += line.text + " ";
    return joined;
  };
  const std::string readme = text("readme.htm"), about = text("about.htm");
  auto told = [&](std::string what, const std::string &page) {
    std::erase(what, '&');
    EXPECT_NE(page.find(what), std::string::npos) << what;
  };
  for (std::string item : MenuBarTexts(hwnd)) {
    const int id = std::stoi(item.substr(item.rfind('|') + 1));
    // Recent files and installed fonts are this machine's, not the help's.
    if ((id >= CmdRecentFirst && id <= CmdRecentLast) || (id >= CmdPiecesFirst + 2 && id <= CmdPiecesLast)) continue;
    item.erase(item.rfind('|'));
    const std::string path = folder + "/";
    if (item.find(path) != std::string::npos) item.erase(item.find(path), path.size());
    const size_t tab = item.find('\t');
    if (tab != std::string::npos) told(item.substr(tab + 1), readme), item.erase(tab);
    if (item.ends_with("...")) item.erase(item.size() - 3);
    told(item.substr(0, item.find('|')), readme);
    told(item.substr(item.find('|') + 1), readme);
  }
  FILE *pipe = popen(BS_RUN_DIR "/boardsmith-export --help", "r");
  ASSERT_NE(pipe, nullptr);
  std::string help;
  for (int c; (c = std::fgetc(pipe)) != EOF;) help += static_cast<char>(c);
  pclose(pipe);
  const size_t options = help.find("\nOptions:");
  ASSERT_NE(options, std::string::npos);
  int names = 0;
  for (size_t at = help.find(" --", options); at != std::string::npos; at = help.find(" --", at + 1), names++)
    told(help.substr(at + 1, help.find_first_not_of("abcdefghijklmnopqrstuvwxyz-", at + 3) - at - 1), readme);
  EXPECT_GE(names, 21);
  told("boardsmith-serve", readme);
  std::istringstream usage(help);  // "Usage: boardsmith-export ...", "  or:  boardsmith-export ..."
  for (std::string line; std::getline(usage, line) && line.find("boardsmith-export") != std::string::npos;)
    told(line.substr(line.find("boardsmith-export")), about);
  for (const char *part : {"Version " BS_VERSION ",", "prefs.txt", "~/.config/boardsmith/"}) told(part, about);
}
}  // namespace
