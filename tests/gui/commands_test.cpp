// The menu commands through the window: their effect on the model, the preferences and the
// screen, and every message box with its text, caption, buttons, icon and owner.
#include "tests/gui/editor_fixture.h"

using Commands = EditorWindow;

TEST_F(Commands, SettingsAreSetRememberedAndConfirmed) {
  const std::string tail = "Size effective only on inserting bmp in Word\n"
                           "Your preference will be remembered\n";
  const std::vector<std::tuple<int, int, float, int, const char *, std::string>> cases = {
      {CmdSmall, 1, 2.0f, 2, "Picture Size", "Picture size set to SMALL (2.0 inches)\n" + tail},
      {CmdLarge, 3, 6.0f, 2, "Picture Size", "Picture size set to LARGE (6.0 inches)\n" + tail},
      {CmdMedium, 2, 4.0f, 2, "Picture Size", "Picture size set to MEDIUM (4.0 inches)\n" + tail},
      {CmdNever, 2, 4.0f, 0, "Coordinates Never",
       "Coords (a-h, 1-8) will not be shown\nYour preference will be remembered\n"},
      {CmdAlways, 2, 4.0f, 1, "Coordinates Always",
       "Coords (a-h, 1-8) will be shown\nYour preference will be remembered\n"},
      {CmdAsk, 2, 4.0f, 2, "Coordinates Ask",
       "You will be asked about Coordinates everytime\nThis setting will be remembered\n"}};
  for (const auto &[id, dpi, size, show, caption, text] : cases) {
    SCOPED_TRACE(id);
    ClearRecords();
    Choose(id);
    ExpectBox(hwnd, text, caption, MB_OK | MB_ICONEXCLAMATION);
    // What the preferences file holds is what is in force.
    const Prefs kept = ReadPrefs(PrefsPath(folder));
    const auto expected = std::make_tuple(dpi, size, show);
    EXPECT_EQ(std::make_tuple(kept.Dpi, kept.PicSiz, kept.ShowCoords), expected);
    EXPECT_EQ(std::make_tuple(Settings().Dpi, Settings().PicSiz, Editor().ShowCoords), expected);
  }
  // A configuration folder that cannot be made is named as the cause (not the file it lacks).
  Editor().StartFolder = "/";  // no run folder: the preferences go to the configuration folder
  setenv("XDG_CONFIG_HOME", "/sys", 1);
  Choose(CmdSmall);
  unsetenv("XDG_CONFIG_HOME");
  ASSERT_EQ(Boxes("Preferences").size(), 1u);
  EXPECT_EQ(Boxes("Preferences")[0].text.rfind("The preference could not be saved in "
                                                "/sys/boardsmith/prefs.txt:\nThe folder "
                                                "/sys/boardsmith cannot be made: ", 0), 0u);
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

// The Theme menu chooses a theme by name and checks the one in force, as Change does; "Keep this
// theme" keeps it (and the themes chosen after it) for the next start; without it the start's
// theme, drawn at random, stays.
TEST_F(Commands, ThemesByNameAreCheckedAndOneCanBeKept) {
  auto checked = [this] {
    std::vector<int> marks;
    for (int k = 0; k < NThemes; k++) marks.push_back(MenuItemChecked(hwnd, CmdThemeFirst + k));
    return marks;
  };
  auto keptInFile = [this] { return ReadPrefs(PrefsPath(folder)).KeptTheme; };
  for (auto [id, theme, keep, kept] : std::vector<std::tuple<int, int, bool, int>>{
           {CmdThemeFirst + 5, 5, false, -1}, {CmdColours, 6, false, -1}, {CmdKeepTheme, 6, true, 6},
           {CmdThemeFirst + 2, 2, true, 2}, {CmdKeepTheme, 2, false, -1}}) {
    SCOPED_TRACE(id);
    Choose(id);
    EXPECT_EQ(Settings().Theme, theme);
    EXPECT_EQ(Pixel(CentreX(0), CentreY(2)), LightColour(theme));  // a6
    std::vector<int> marks(NThemes, 0);
    marks[theme] = 1;
    EXPECT_EQ(checked(), marks);
    EXPECT_EQ(MenuItemChecked(hwnd, CmdKeepTheme), keep);
    EXPECT_EQ(keptInFile(), kept);
    Settings().Theme = 7;  // as drawn at a start
    LoadPrefs();
    EXPECT_EQ(Settings().Theme, keep ? kept : 7);
    Settings().Theme = theme;
  }
  EXPECT_TRUE(RecordedBoxes().empty());
}

// What the presets and the flip do to the model is model_test.cpp's; here the window's part: the
// message, the repaint, and a half-drawn arrow abandoned, so that the next click starts a new one.
TEST_F(Commands, PositionCommandsWriteTheirMessageRepaintAndAbandonAHalfDrawnArrow) {
  // Each command, its message, and a shaft between two squares (c0, t0, c1, t1) shown or not.
  for (auto [id, message, c0, t0, c1, t1, shown] :
       std::vector<std::tuple<int, const char *, int, int, int, int, bool>>{
           {CmdEmpty, "Empty position", 3, 2, 4, 1, false},
           {CmdTypical, "Immortal Game: Vellmark - Dorrantis, 1851", 3, 2, 4, 1, true},
           {CmdFlip, "Position flipped", 4, 5, 3, 6, true},
           {CmdStart, "Start position", 4, 5, 3, 6, false}}) {
    SCOPED_TRACE(message);
    ClickTool(15);
    EXPECT_FALSE(Editor().ArrowStarted);
    ClickSquare(6, 6);
    ASSERT_TRUE(Editor().ArrowStarted);
    Choose(id);
    EXPECT_FALSE(Editor().ArrowStarted);
    ExpectStatus(message);
    const COLORREF shaft = Pixel((PointX(c0) + PointX(c1)) / 2, (PointY(t0) + PointY(t1)) / 2);
    EXPECT_EQ(IsArrow(shaft), shown);
    EXPECT_EQ(Now().Flipped, id == CmdFlip || id == CmdStart ? 1 : 0);  // Start keeps it
    const int arrows = Now().NArrows;
    ClickSquare(2, 2);
    EXPECT_TRUE(Editor().ArrowStarted);
    EXPECT_EQ(Now().NArrows, arrows);
  }
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(Commands, CheckHelpAboutAndCustomOpenTheirWindows) {
  Choose(CmdEmpty);
  ClearRecords();
  Choose(CmdCheck);
  ExpectBox(nullptr, "? White has no king\n? Black has no king\n"
            "The position has 2 errors and 0 warnings", "Check Legal", MB_OK);
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
