// The game window: a PGN file's games listed, a game chosen, its moves stepped through with the
// list, the buttons and the keys, the board showing the men after each move.
#include "tests/gui/editor_fixture.h"

namespace {
class GameWindow : public EditorWindow {
 protected:
  void SetUp() override {
    EditorWindow::SetUp();
    ScriptFileAnswer(BS_SOURCE_DIR "/tests/data/pgn/editor.pgn");
    Choose(CmdOpenPGN);
    ASSERT_NE(w = OnlyWindow("GameWindowClass"), nullptr);
  }
  HWND Games() { return GetDlgItem(w, 8201); }
  HWND Moves() { return GetDlgItem(w, 8202); }
  void Button(int id) { ClickButton(GetDlgItem(w, id)); }
  int Shown() { return static_cast<int>(SendMessage(Moves(), LB_GETCURSEL, 0, 0)); }
  // The man on a square by name, in the diagram's orientation.
  static int Man(const char *square) {
    int file = square[0] - 'a', rank = square[1] - '1';
    return Now().Flipped ? Now().Pos[(7 - file) * 8 + (7 - rank)] : Now().Pos[file * 8 + rank];
  }
  HWND w = nullptr;
};

TEST_F(GameWindow, ListsTheGamesAndStepsThroughTheChosenOne) {
  EXPECT_EQ(WindowText(w), "Games: editor.pgn");
  EXPECT_EQ(ListBoxRows(Games()),
            (std::vector<std::string>{"1. Anna - Boris, Editor test, 1-0",
                                      "damaged: line 12, game 2, move 2: Ke3 is illegal",
                                      "3. ? - ?, Promotion, *"}));
  Choose(CmdTypical);  // an arrow, to be cleared
  Settings().Theme = 3;
  ChooseListRow(Games(), 0);
  EXPECT_EQ(ListBoxRows(Moves()),
            (std::vector<std::string>{"Start position", "1. e4", "1... e5", "2. Nf3", "2... Nc6",
                                      "3. Bc4", "3... Nf6", "4. O-O", "4... Bc5"}));
  EXPECT_EQ(Shown(), 0);
  EXPECT_EQ(Man("e1"), WK);
  EXPECT_EQ(Now().NArrows, 0);
  ExpectStatus("Game 1, start, white to move; arrows and markers cleared", true);
  ChooseListRow(Moves(), 7);  // 4. O-O
  EXPECT_EQ(Man("g1"), WK);
  EXPECT_EQ(Man("f1"), WR);
  EXPECT_EQ(Now().SideToMove, 1);
  ExpectStatus("Game 1, after 4. O-O, black to move", true);
  Button(8203);  // back
  EXPECT_EQ(Shown(), 6);
  EXPECT_EQ(Man("e1"), WK);
  EXPECT_EQ(Man("f6"), BN);
  for (int i = 0; i < 3; i++) Button(8204);  // forward, the last time past the end
  EXPECT_EQ(Shown(), 8);
  EXPECT_EQ(Man("c5"), BB);
  EXPECT_EQ(Now().NArrows, 0);
  // The last move's arrow on request, in either orientation; theme and orientation stay.
  Button(8205);
  EXPECT_EQ(Arrows(), (ArrowList{{5, 0, 2, 3}}));  // f8-c5
  Choose(CmdFlip);
  PressKey(Moves(), VK_LEFT, 0);  // in the list as on the window
  PumpMessages();
  EXPECT_EQ(Shown(), 7);
  EXPECT_EQ(Now().Flipped, 1);
  EXPECT_EQ(Settings().Theme, 3);
  EXPECT_EQ(Man("g1"), WK);
  EXPECT_EQ(Arrows(), (ArrowList{{3, 0, 1, 0}}));  // e1-g1
  PressKey(w, VK_RIGHT, 0);
  PumpMessages();
  EXPECT_EQ(Shown(), 8);
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(GameWindow, DamagedGamesSayWhyAndSetUpGamesStartFromTheirFEN) {
  ChooseListRow(Games(), 2);
  EXPECT_EQ(ListBoxRows(Moves()),
            (std::vector<std::string>{"Start position", "1. a8=Q+", "1... Kb2"}));
  EXPECT_EQ(Man("a7"), WP);
  ChooseListRow(Moves(), 1);
  EXPECT_EQ(Man("a8"), WQ);
  EXPECT_EQ(Man("a2"), BK);
  const std::vector<int> before = Men();
  ChooseListRow(Games(), 1);
  ExpectBox(w, "line 12, game 2, move 2: Ke3 is illegal", "Open PGN", MB_OK | MB_ICONEXCLAMATION);
  EXPECT_TRUE(ListBoxRows(Moves()).empty());
  EXPECT_EQ(Men(), before);
  Button(8204);  // nothing to step through
  EXPECT_EQ(Men(), before);
  // A file that is not there is said so; the window stays.
  ScriptFileAnswer(folder + "/none.pgn");
  Choose(CmdOpenPGN);
  EXPECT_EQ(RecordedFileDialogs().back().filter, "PGN Files (*.pgn)|*.pgn");
  EXPECT_EQ(Boxes("Open PGN").size(), 2u);
}
}  // namespace

// The game window opens beside the main window: on its right where the screen has room, else on
// its left, else at the screen's right edge (the headless screen is 800 x 800); then where the
// user left it, kept in the preferences, always on the screen. boardsmith GAMES.pgn opens it too,
// and games opened are recent files.
TEST_F(GameWindow, OpensBesideTheMainWindowAndKeepsItsPlace) {
  const std::string pgn = BS_SOURCE_DIR "/tests/data/pgn/editor.pgn";
  auto place = [] {
    RECT r = {};
    GetWindowRect(OnlyWindow("GameWindowClass"), &r);
    return std::make_pair(r.left, r.top);
  };
  for (auto [mainX, kept, x, y] : std::vector<std::tuple<int, bool, int, int>>{
           {-300, false, 243, 20}, {470, false, 2, 20}, {10, false, 340, 20}, {10, true, 100, 50}}) {
    SCOPED_TRACE(mainX);
    CloseBox(OnlyWindow("GameWindowClass"));
    PumpMessages();
    Editor().prefs.GameWindowPlaced = kept;
    MoveWindow(hwnd, mainX, 20, 535, 420, true);
    ASSERT_TRUE(ShowGames(hwnd, pgn));
    EXPECT_EQ(place(), std::make_pair(x, y));
    MoveWindow(OnlyWindow("GameWindowClass"), 100, 50, 460, 446, true);  // as the user moves it
  }
  CloseBox(OnlyWindow("GameWindowClass"));
  PumpMessages();
  const Prefs kept = ReadPrefs(PrefsPath(folder));
  EXPECT_EQ(std::make_tuple(kept.GameWindowPlaced, kept.GameWindowX, kept.GameWindowY),
            std::make_tuple(true, 100, 50));
  // At the next start (in the test's folder), with a place off the screen now.
  Editor().prefs.GameWindowX = 5000;
  SavePrefs();
  std::filesystem::current_path(folder);
  PostQuitMessage(0);
  EXPECT_EQ(WinMain(nullptr, nullptr, pgn.c_str(), SW_SHOWNORMAL), 0);
  EXPECT_EQ(WindowText(OnlyWindow("GameWindowClass")), "Games: editor.pgn");
  EXPECT_EQ(place(), std::make_pair(340, 50));
  EXPECT_EQ(Editor().prefs.RecentFiles, std::vector<std::string>{pgn});
}
