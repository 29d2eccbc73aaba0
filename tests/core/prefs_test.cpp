// The preferences file: what each line gives, what is written, and files that cannot be written.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "files/prefs.h"
#include "tests/core/tempfolder.h"

namespace {
class PrefsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(folder_ / "bmp");  // a run folder: bmp/ and the program
    WriteWhole(folder_ / "boardsmith", "");
  }

  std::string Path() const { return PrefsPath(folder_.Path()); }
  // Writes prefs.txt and reads it back.
  Prefs ReadFile(const std::string &text) const {
    WriteWhole(Path(), text);
    return ReadPrefs(Path());
  }

  TempFolder folder_;
};

// In a run folder beside the program (a missing file gives ask and medium); elsewhere in the
// configuration folder.
TEST_F(PrefsFile, WhereTheyLive) {
  EXPECT_EQ(Path(), folder_ / "prefs.txt");
  const Prefs read = ReadPrefs(Path());
  EXPECT_EQ(read.ShowCoords * 10 + read.Dpi, 22);
  EXPECT_EQ(read.PicSiz, 4.0f);
  std::filesystem::remove(folder_ / "boardsmith");
  const char *home = std::getenv("HOME");
  const std::string savedHome = home ? home : "";
  setenv("HOME", folder_.Path().c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(Path(), folder_ / ".config/boardsmith/prefs.txt");
  setenv("XDG_CONFIG_HOME", (folder_ / "xdg").c_str(), 1);
  EXPECT_EQ(Path(), folder_ / "xdg/boardsmith/prefs.txt");
  setenv("XDG_CONFIG_HOME", "relative", 1);  // not an absolute path: not used
  EXPECT_EQ(ConfigFolder(), folder_ / ".config/boardsmith");
  unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", savedHome.c_str(), 1);
}

// The size and coordinates lines, read over settings whose coordinates are 5: what a line
// that matches nothing leaves alone.
TEST_F(PrefsFile, SizeAndCoordinatesLines) {
  struct Case {
    const char *size, *coords;
    int dpi;
    float picSiz;
    int showCoords;
  } cases[] = {
      {"CUSTOM 2.50", "YES", 0, 2.5f, 1},  {"CUSTARD  3.25 inches", "NO", 0, 3.25f, 0},
      {"SMALL", "NONE", 1, 2.0f, 0},       {"MEDIUM", "ASK", 2, 4.0f, 2},
      {"LARGE", "ASKED", 3, 6.0f, 2},      {"LARGEST", "yes", 3, 6.0f, 5},
      {"small", "no", 2, 4.0f, 5},         {"Large", "", 2, 4.0f, 5},
      {" SMALL", "Y", 2, 4.0f, 5},         {"CUSTOM 0.25", "YES", 0, 1.0f, 1},
      {"CUSTOM 9", "YES", 0, 6.0f, 1},     {"CUSTOM -2", "YES", 0, 1.0f, 1},
      {"CUSTOM nan", "YES", 0, 4.0f, 1},   {"CUSTOM 1e999", "YES", 0, 6.0f, 1},
      // No number: the size stays. Beyond float: clamped first.
      {"CUSTOM", "YES", 0, 4.0f, 1},       {"CUSTOM x", "YES", 0, 4.0f, 1},
      {"CUSTOM 1e39", "YES", 0, 6.0f, 1},  {"CUSTOM -1e39", "YES", 0, 1.0f, 1},
  };
  Prefs before;
  before.ShowCoords = 5;
  for (const Case &c : cases) {
    std::feclearexcept(FE_ALL_EXCEPT);
    Prefs read = before;
    ReadPrefsText("Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\n" + std::string(c.size) +
                  "\r\nCoordinates (YES, NO, ASK):\r\n" + c.coords + "\r\n", read);
    // A number beyond float made float before it is clamped (undefined) overflows on the way.
    EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW)) << c.size;
    EXPECT_EQ(read.Dpi, c.dpi) << c.size;
    EXPECT_EQ(read.PicSiz, c.picSiz) << c.size;
    EXPECT_EQ(read.ShowCoords, c.showCoords) << c.coords;
  }
}

TEST_F(PrefsFile, ShortAndLongFiles) {
  // A file that ends early: the last line read stands in for the missing ones.
  EXPECT_EQ(ReadFile("SMALL\r\n").Dpi, 1);
  Prefs read = ReadFile("header\r\nLARGE\r\nheader\r\n");
  EXPECT_EQ(read.Dpi, 3);
  EXPECT_EQ(read.ShowCoords, 2);
  // The fourth read finds nothing, so "NO" stands.
  EXPECT_EQ(ReadFile("header\r\nLARGE\r\nNO\r\n").ShowCoords, 0);
  // Lines are read 79 characters at a time: a longer first line spills into the second read.
  read = ReadFile(std::string(79, 'x') + "SMALL\r\n" + std::string(79, 'y') + "YES\r\nNO\r\n");
  EXPECT_EQ(read.Dpi, 1);
  EXPECT_EQ(read.ShowCoords, 1);
  // An empty file: nothing matches; a folder of that name: the defaults.
  Prefs before;
  before.Dpi = 3, before.ShowCoords = 1;
  read = before;
  ReadPrefsText("", read);
  EXPECT_TRUE(read == before);
  std::filesystem::remove(Path());
  std::filesystem::create_directory(Path());
  EXPECT_TRUE(ReadPrefs(Path()) == Prefs{});
}

// After the recent files and an empty line: the kept theme and the game window's place, each
// only when set; a value out of its range is left out.
TEST_F(PrefsFile, KeptThemeAndGameWindowPlace) {
  Prefs prefs;
  prefs.RecentFiles = {"/a.brd"};
  prefs.KeptTheme = 5;
  prefs.GameWindowPlaced = true, prefs.GameWindowX = -20, prefs.GameWindowY = 40;
  const std::string text = PrefsText(prefs);
  const std::string tail = "Recent files:\r\n/a.brd\r\n\r\nTheme kept (0..7):\r\n5\r\n"
                           "Game window (X Y):\r\n-20 40\r\n";
  EXPECT_EQ(text.substr(text.find("Recent")), tail);
  Prefs read;
  ReadPrefsText(text, read);
  EXPECT_EQ(read, prefs);
  ReadPrefsText(text.substr(0, text.find("Recent")) +
                    "Recent files:\r\n\r\nTheme kept (0..7):\r\n8\r\nGame window (X Y):\r\n20000 0\r\n",
                read);
  EXPECT_EQ(std::make_tuple(read.KeptTheme, read.GameWindowPlaced, read.RecentFiles.size()),
            std::make_tuple(-1, false, size_t{0}));
}

TEST_F(PrefsFile, WritesFourLinesWithCRLF) {
  const struct {
    int dpi, showCoords;
    float picSiz;
    const char *size, *coords;
  } cases[] = {{0, 0, 2.5f, "CUSTOM 2.50", "NO"},  {0, 2, 2.75f, "CUSTOM 2.75", "ASK"},
               {1, 2, 2.0f, "SMALL", "ASK"},       {2, 7, 4.0f, "MEDIUM", "ASK"},
               {9, 1, 4.0f, "MEDIUM", "YES"},      {3, 1, 6.0f, "LARGE", "YES"}};
  for (const auto &c : cases) {
    Prefs prefs;
    prefs.Dpi = c.dpi, prefs.ShowCoords = c.showCoords, prefs.PicSiz = c.picSiz;
    EXPECT_EQ(PrefsText(prefs), std::string("Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\n") +
                                    c.size + "\r\nCoordinates (YES, NO, ASK):\r\n" + c.coords + "\r\n");
  }
}

// Recent files are UTF-8 text: lines of binary junk, control characters or broken UTF-8 are
// dropped, the names around them kept.
TEST_F(PrefsFile, JunkAmongTheRecentFilesIsDropped) {
  Prefs read;
  ReadPrefsText("h\r\nSMALL\r\nh\r\nNO\r\nWindow size (WIDTH HEIGHT):\r\n900 800\r\nRecent files:\r\n"
                "/a/b.brd\r\n\x01\x02\x03\r\n" + std::string("/x\0y.brd\r\n", 10) +
                    "/\xff\xfe.brd\r\n/\xc3.brd\r\n/\xc0\xaf.brd\r\n/x\x7f.brd\r\n/c/\xc3\xa9t\xc3\xa9.brd\r\n",
                read);
  EXPECT_EQ(read.RecentFiles, (std::vector<std::string>{"/a/b.brd", "/c/\xc3\xa9t\xc3\xa9.brd"}));
  EXPECT_EQ(read.WindowWidth, 900);
}
}  // namespace
