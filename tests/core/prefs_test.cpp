// The preferences file: what each line gives, what is written, and files that cannot be written.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "files/prefs.h"
#include "model/model.h"
#include "tests/core/tempfolder.h"

namespace {
class Prefs : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = StartFolder;
    StartFolder = folder_.Path();
    std::filesystem::create_directory(folder_ / "bmp");  // a run folder: bmp/ and the program
    WriteWhole(folder_ / "boardsmith", "");
    ShowCoords = 2, Dpi = 2, PicSiz = 4.0f;
  }
  void TearDown() override { StartFolder = saved_; }

  // Writes prefs.txt with the given size and coordinates lines and reads it.
  void Read(const std::string &size, const std::string &coords) {
    WriteWhole(PrefsPath(), "Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\n" + size +
                                "\r\nCoordinates (YES, NO, ASK):\r\n" + coords + "\r\n");
    ReadPrefs();
  }

  TempFolder folder_;
  std::string saved_;
};

TEST_F(Prefs, LivesInTheStartFolderAndMissingGivesAskAndMedium) {
  EXPECT_EQ(PrefsPath(), folder_ / "prefs.txt");
  ShowCoords = 0, Dpi = 0, PicSiz = 1.5f;
  ReadPrefs();
  EXPECT_EQ(ShowCoords, 2);
  EXPECT_EQ(Dpi, 2);
  EXPECT_EQ(PicSiz, 4.0f);
}

TEST_F(Prefs, OutsideARunFolderTheyLiveInTheConfigurationFolder) {
  std::filesystem::remove(folder_ / "boardsmith");
  const char *home = std::getenv("HOME");
  const std::string savedHome = home ? home : "";
  setenv("HOME", folder_.Path().c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(PrefsPath(), folder_ / ".config/boardsmith/prefs.txt");
  setenv("XDG_CONFIG_HOME", (folder_ / "xdg").c_str(), 1);
  Dpi = 1;
  ASSERT_TRUE(WritePrefs());  // makes the missing folder
  Dpi = 2;
  ReadPrefs();
  EXPECT_EQ(Dpi, 1);
  EXPECT_TRUE(std::filesystem::is_regular_file(folder_ / "xdg/boardsmith/prefs.txt"));
  unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", savedHome.c_str(), 1);
}

TEST_F(Prefs, SizeLines) {
  struct Case {
    const char *line;
    int dpi;
    float picSiz;
  } cases[] = {
      {"CUSTOM 2.50", 0, 2.5f}, {"CUSTARD  3.25 inches", 0, 3.25f}, {"SMALL", 1, 2.0f},
      {"MEDIUM", 2, 4.0f},      {"LARGE", 3, 6.0f},   {"LARGEST", 3, 6.0f},
      {"small", 2, 4.0f},       {"Large", 2, 4.0f},   {" SMALL", 2, 4.0f},
      {"CUSTOM", 0, 4.0f},      {"CUSTOM x", 0, 4.0f},  // no number: the size stays
      {"CUSTOM 0.25", 0, 1.0f}, {"CUSTOM 9", 0, 6.0f}, {"CUSTOM -2", 0, 1.0f},
      {"CUSTOM nan", 0, 4.0f},  {"CUSTOM 1e999", 0, 6.0f},
      {"CUSTOM 1e39", 0, 6.0f}, {"CUSTOM -1e39", 0, 1.0f},  // beyond float: clamped first
  };
  for (const Case &c : cases) {
    Dpi = 2, PicSiz = 4.0f;
    std::feclearexcept(FE_ALL_EXCEPT);
    Read(c.line, "ASK");
    // A number beyond float made float before it is clamped (undefined) overflows on the way.
    EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW)) << c.line;
    EXPECT_EQ(Dpi, c.dpi) << c.line;
    EXPECT_EQ(PicSiz, c.picSiz) << c.line;
  }
}

TEST_F(Prefs, CoordinatesLines) {
  struct Case {
    const char *line;
    int showCoords;
  } cases[] = {{"YES", 1}, {"NO", 0}, {"NONE", 0}, {"ASK", 2}, {"ASKED", 2},
               {"yes", 5}, {"no", 5}, {"", 5},     {"Y", 5}};
  for (const Case &c : cases) {
    ShowCoords = 5;  // what a line that matches nothing leaves alone
    Read("MEDIUM", c.line);
    EXPECT_EQ(ShowCoords, c.showCoords) << c.line;
  }
}

TEST_F(Prefs, ShortAndLongFiles) {
  // A file that ends early: the last line read stands in for the missing ones.
  WriteWhole(PrefsPath(), "SMALL\r\n");
  ReadPrefs();
  EXPECT_EQ(Dpi, 1);
  WriteWhole(PrefsPath(), "header\r\nLARGE\r\nheader\r\n");
  ShowCoords = 1;
  ReadPrefs();
  EXPECT_EQ(Dpi, 3);
  EXPECT_EQ(ShowCoords, 1);
  WriteWhole(PrefsPath(), "header\r\nLARGE\r\nNO\r\n");
  ReadPrefs();
  EXPECT_EQ(ShowCoords, 0);  // the fourth read found nothing, so "NO" stands
  // Lines are read 79 characters at a time: a longer first line spills into the second read.
  WriteWhole(PrefsPath(), std::string(79, 'x') + "SMALL\r\n" + std::string(79, 'y') +
                              "YES\r\nNO\r\n");
  Dpi = 3, ShowCoords = 2;
  ReadPrefs();
  EXPECT_EQ(Dpi, 1);
  EXPECT_EQ(ShowCoords, 1);
  // An empty file and a folder of that name: nothing matches / the defaults.
  WriteWhole(PrefsPath(), "");
  Dpi = 3, ShowCoords = 1;
  ReadPrefs();
  EXPECT_EQ(Dpi, 3);
  EXPECT_EQ(ShowCoords, 1);
}

TEST_F(Prefs, WritesFourLinesWithCRLF) {
  const struct {
    int dpi, showCoords;
    float picSiz;
    const char *size, *coords;
  } cases[] = {{0, 0, 2.5f, "CUSTOM 2.50", "NO"},  {0, 2, 2.75f, "CUSTOM 2.75", "ASK"},
               {1, 2, 2.0f, "SMALL", "ASK"},       {2, 7, 4.0f, "MEDIUM", "ASK"},
               {9, 1, 4.0f, "MEDIUM", "YES"},      {3, 1, 6.0f, "LARGE", "YES"}};
  for (const auto &c : cases) {
    Dpi = c.dpi, ShowCoords = c.showCoords, PicSiz = c.picSiz;
    ASSERT_TRUE(WritePrefs());
    EXPECT_EQ(ReadWhole(PrefsPath()), std::string("Pic size (CUSTOM, SMALL, MEDIUM, LARGE):\r\n") +
                                          c.size + "\r\nCoordinates (YES, NO, ASK):\r\n" +
                                          c.coords + "\r\n");
  }
}

}  // namespace
