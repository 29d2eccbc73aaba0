// The menu commands through the window: their effect on the model, the preferences and the
// screen, and every message box with its text, caption, buttons, icon and owner.
#include <string>
#include <vector>

#include "files/prefs.h"
#include "tests/gui/editor_fixture.h"

using Commands = EditorWindow;

TEST_F(Commands, SettingsAreSetRememberedAndConfirmed) {
  const std::string tail = "Size effective only on inserting bmp in Word\n"
                           "Your preference will be remembered\n";
  struct Case {
    int id;
    int32_t dpi;
    float size;
    int32_t show;
    const char *caption;
    std::string text;
  };
  const Case cases[] = {
      {CmdSmall, 1, 2.0f, 2, "Picture Size", "Picture size set to SMALL (2.0 inches)\n" + tail},
      {CmdLarge, 3, 6.0f, 2, "Picture Size", "Picture size set to LARGE (6.0 inches)\n" + tail},
      {CmdMedium, 2, 4.0f, 2, "Picture Size", "Picture size set to MEDIUM (4.0 inches)\n" + tail},
      {CmdNever, 2, 4.0f, 0, "Coordinates Never",
       "Coords (a-h, 1-8) will not be shown\nYour preference will be remembered\n"},
      {CmdAlways, 2, 4.0f, 1, "Coordinates Always",
       "Coords (a-h, 1-8) will be shown\nYour preference will be remembered\n"},
      {CmdAsk, 2, 4.0f, 2, "Coordinates Ask",
       "You will be asked about Coordinates everytime\nThis setting will be remembered\n"},
  };
  for (const Case &k : cases) {
    SCOPED_TRACE(k.id);
    ClearRecords();
    Choose(k.id);
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    ExpectBox(RecordedBoxes()[0], hwnd, k.text, k.caption, MB_OK | MB_ICONEXCLAMATION);
    // What the preferences file holds is what is in force.
    const Prefs kept = PrefsOfFolder();
    EXPECT_EQ(kept.Dpi, k.dpi);
    EXPECT_EQ(kept.PicSiz, k.size);
    EXPECT_EQ(kept.ShowCoords, k.show);
    EXPECT_EQ(Settings().Dpi, k.dpi);
    EXPECT_EQ(Settings().PicSiz, k.size);
    EXPECT_EQ(Editor().ShowCoords, k.show);
  }
}

TEST_F(Commands, ColoursCycleThroughTheEightThemesAndLeaveTheStatusLine) {
  Write("Start position");
  std::vector<COLORREF> strip = Strip();
  EmptyPosition(Now());
  Settings().Theme = 6;
  for (int expected : {7, 0, 1, 2, 3, 4, 5, 6}) {
    Choose(CmdColours);
    ASSERT_EQ(Settings().Theme, expected);
    EXPECT_EQ(Pixel(230, 30), LightColour(expected));
    EXPECT_EQ(Pixel(230, 300), DarkColour(expected));
  }
  EXPECT_EQ(Strip(), strip);
  EXPECT_TRUE(RecordedBoxes().empty());
}

// What the presets and the flip do to the model is model_test.cpp's; here the window's part.
TEST_F(Commands, PositionCommandsWriteTheirMessageAndRepaint) {
  // The middle of an arrow's shaft between two squares (column, row-from-top).
  auto shaft = [this](int c0, int t0, int c1, int t1) {
    return Pixel((PointX(c0) + PointX(c1)) / 2, (PointY(t0) + PointY(t1)) / 2);
  };
  Choose(CmdEmpty);
  ExpectStatus("Empty position");

  Choose(CmdTypical);
  ExpectStatus("Immortal Game: Vellmark - Dorrantis, 1851");
  EXPECT_EQ(shaft(3, 2, 4, 1), ArrowColour);  // its arrow d6-e7

  Choose(CmdFlip);
  EXPECT_EQ(Now().Flipped, 1);
  ExpectStatus("Position flipped");
  EXPECT_EQ(shaft(4, 5, 3, 6), ArrowColour);

  Choose(CmdStart);
  ExpectStatus("Start position");
  EXPECT_NE(shaft(4, 5, 3, 6), ArrowColour);
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(Commands, CheckHelpAboutAndCustomOpenTheirWindows) {
  Choose(CmdEmpty);
  ClearRecords();
  Choose(CmdCheck);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  ExpectBox(RecordedBoxes()[0], nullptr,
            "? White has no king\n? Black has no king\nThe position has 2 errors and 0 warnings",
            "Check Legal", MB_OK);
  ClearRecords();
  Choose(CmdAbout);
  EXPECT_EQ(HFName, "about.htm");
  Choose(CmdHelp);
  EXPECT_EQ(HFName, "readme.htm");
  EXPECT_EQ(TopLevelWindows("HelpClass").size(), 2u);
  // Custom is in force once its "Ok" takes a size; nothing is written before.
  Choose(CmdCustom);
  EXPECT_EQ(Settings().Dpi, 2);
  EXPECT_EQ(TopLevelWindows("CustomSizeClass").size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(PrefsPath(folder)));
  EXPECT_TRUE(RecordedBoxes().empty());
}
