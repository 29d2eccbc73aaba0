// The main window as created: title, menu bar, palette and images.
#include <algorithm>

#include "tests/gui/editor_fixture.h"

TEST_F(EditorWindow, TitleClientAreaAndMenuBar) {
  EXPECT_EQ(WindowText(hwnd), "Boardsmith13: Hallam Pryce, 6 December 2026");
  EXPECT_EQ(ClassName(hwnd), "Boardsmith");
  EXPECT_EQ(MainWnd, hwnd);
  // The whole layout, board field and status strip included, lies inside the client area.
  EXPECT_GE(ClientWidth(hwnd), 520);
  EXPECT_GE(ClientHeight(hwnd), 356);
  EXPECT_EQ(Pixel(ClientWidth(hwnd) - 1, ClientHeight(hwnd) - 1), WindowBackground);
  const std::vector<std::string> expected = {
      "&File||0", "&File|&Open BRD...\tCtrl+O|1001", "&File|Open PG&N...|1006",
      "&File|&Save BMP...\tCtrl+S|1002", "&File|Save &Picture...|1007",
      "&File|To " + folder + "/cl&ip.bmp (virtual clipboard)\tCtrl+C|1003",
      "&File|Save H&TM...|1004", "&File|Save &Web Page...|1008", "&File|E&xit\tCtrl+Q|1005",
      "&Edit||0", "&Edit|&Undo\tCtrl+Z|8001", "&Edit|&Redo\tCtrl+Y|8002",
      "&Edit|&Copy FEN\tCtrl+Shift+C|8003", "&Edit|&Paste FEN\tCtrl+V|8004",
      "&Edit|&Enter FEN...|8005", "&Colours||0", "&Colours|Chang&e|2001", "&Theme||0",
      "&Theme|&Walnut|2010", "&Theme|&Slate|2011", "&Theme|&Paper|2012", "&Theme|&Ocean|2013",
      "&Theme|&Meadow|2014", "&Theme|&Rose|2015", "&Theme|&Apricot|2016", "&Theme|&Khaki|2017",
      "&Colours|&Keep this theme|2002", "&Picture Size||0",
      "&Picture Size|&Small|3001", "&Picture Size|&Medium|3002", "&Picture Size|&Large|3003",
      "&Picture Size|&Custom|3004", "&Show Coords||0", "&Show Coords|&Never|4001",
      "&Show Coords|&Always|4002", "&Show Coords|&Ask|4003", "P&osition||0", "P&osition|&Flip|5001",
      "P&osition|&Empty|5002", "P&osition|&Start|5003", "P&osition|&Typical|5004",
      "P&osition|&White to move|5005", "P&osition|&Black to move|5006", "&Verify||0",
      "&Verify|Check &Legal|6002", "&Help||0", "&Help|&About|7003", "&Help|&Help\tF1|7002"};
  // After Colours the piece sets: the default, the classic figures, the installed chess fonts.
  std::vector<std::string> menus = MenuBarTexts(hwnd);
  const auto pieces = std::find(menus.begin(), menus.end(), "P&ieces||0");
  ASSERT_TRUE(pieces != menus.end() && menus.end() - pieces > 3);
  EXPECT_EQ(std::vector<std::string>(pieces + 1, pieces + 3),
            (std::vector<std::string>{"P&ieces|&Book (FreeSerif)|2100", "P&ieces|&Classic|2101"}));
  const auto fonts = std::find_if(pieces, menus.end(), [](const std::string &m) { return !m.starts_with("P&ieces|"); });
  EXPECT_TRUE(std::any_of(pieces, fonts, [](const std::string &m) { return m.starts_with("P&ieces|FreeSerif|21"); }));
  std::vector<std::string> others(menus.begin(), pieces);
  others.insert(others.end(), fonts, menus.end());
  EXPECT_EQ(others, expected);
  EXPECT_EQ(*(pieces - 1), "&Colours|&Keep this theme|2002");
  EXPECT_TRUE(MenuItemChecked(hwnd, CmdPiecesFirst));
  // The settings in force are checked.
  EXPECT_TRUE(MenuItemChecked(hwnd, CmdMedium));
  EXPECT_TRUE(MenuItemChecked(hwnd, CmdAsk));
  EXPECT_FALSE(MenuItemChecked(hwnd, CmdSmall));
  EXPECT_TRUE(MenuItemChecked(hwnd, CmdThemeFirst));  // the fixture's theme 0
  // An ampersand in the real path is doubled so that it shows.
  setenv("HOME", "/tmp/R&D", 1);
  EXPECT_EQ(ClipMenuText(), "To /tmp/R&&D/cl&ip.bmp (virtual clipboard)");
}

// The images come from the start folder: the tests run in the build folder, which holds none.
// Without them the eraser and arrow tool go without faces, the men and markers' faces and the
// board's men still come from the composer, and clicks and moves still work.
TEST_F(EditorWindow, PaletteFacesAndImagesAreLoadedOrLeftOutWhenMissing) {
  for (bool present : {true, false}) {
    if (!present) {
      ResetPlatform();
      std::filesystem::remove(folder + "/bmp");
      std::filesystem::remove(folder + "/cur");
      hwnd = CreateMainWindow(SW_SHOWNORMAL);
      ASSERT_NE(hwnd, nullptr);
      PumpMessages();
      EXPECT_TRUE(RecordedBoxes().empty());
    }
    for (int i = 0; i < 16; i++) {
      SCOPED_TRACE(i);
      HWND button = GetDlgItem(hwnd, i);
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(GetParent(button), hwnd);
      // The men and markers' faces come from the composer; the eraser's and arrow tool's from files.
      EXPECT_EQ(ButtonImage(button) != nullptr, present || (i >= 1 && i <= 14));
      EXPECT_EQ(Curs[i] != nullptr, present);
      EXPECT_EQ(Pics[i] != nullptr, present && i > 0);  // the empty square has no picture
      EXPECT_EQ(Mask[i] != nullptr, present && i > 0);
    }
  }
  Editor().SelPiece = WQ;
  ClickSquare(4, 4);
  EXPECT_EQ(Now().Pos[4 * 8 + 3], WQ);
  EXPECT_NE(Pixel(CentreX(4), CentreY(4)), LightColour(0));  // the composer draws the men
  MoveMouseTo(hwnd, 300, 100);
}
