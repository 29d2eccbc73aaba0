// The grown editor: undo and redo, shortcuts, dragging, the board at every scale, the diagram's
// file in the title, recent files, the window's size and the last folder kept.
#include <algorithm>
#include <cmath>
#include <functional>

#include "files/atomicwrite.h"
#include "files/brd.h"
#include "files/paths.h"
#include "tests/gui/editor_fixture.h"

namespace {
class Editing : public EditorWindow {
 protected:
  // A position file of the typical position in the test's folder.
  std::string TypicalFile(const std::string &name = "typ.brd") {
    Diagram typical;
    TypicalPosition(typical);
    const std::string path = folder + "/" + name;
    EXPECT_TRUE(WriteFileAtomically(path, MakeBRDFile(typical, SaveSettings(0)), nullptr));
    return path;
  }
};

bool NothingToCheck() { return true; }
void NothingToPrepare() {}

// Dragging moves a man, removes one dropped off the board and places what the palette gives; a
// drag within a square is the classic click.

TEST_F(Editing, EveryChangeIsUndoneToTheSamePixelsAndRedone) {
  const std::string file = TypicalFile();
  struct Change {
    const char *name;
    std::function<void()> make;
    // Named functions, not lambdas: clang 14 gives two lambdas of a local class one name.
    std::function<bool()> done = NothingToCheck;  // what the change did, where checked
    std::function<void()> prepare = NothingToPrepare;
  };
  auto drag = [this](int c, int t, int x, int y) { DragMouse(hwnd, CentreX(c), CentreY(t), x, y); };
  const Change changes[] = {
      {"place", [this] { ClickTool(2); ClickSquare(3, 4); }},
      {"remove by a second click", [this] { ClickTool(6); ClickSquare(4, 6); }},
      {"erase", [this] { ClickTool(0); ClickSquare(0, 0); }},
      {"marker", [this] { ClickTool(13); ClickSquare(2, 2); }},
      {"arrow drawn", [this] { Arrow(4, 6, 4, 4); }},
      {"arrow erased", [this] { Arrow(4, 6, 4, 4); }, [] { return Now().NArrows == 0; },
       [this] { Arrow(4, 6, 4, 4); }},
      {"flip", [this] { Choose(CmdFlip); }},
      {"empty", [this] { Choose(CmdEmpty); }},
      {"typical", [this] { Choose(CmdTypical); }},
      {"file opened", [&] { ScriptBoxAnswer(IDNO), OpenFileByName(hwnd, file); }},
      {"drag e2-e4", [&] { ClickTool(WK); drag(4, 6, CentreX(4), CentreY(4)); },
       [] { return Now().Pos[4 * 8 + 1] == Empty && Now().Pos[4 * 8 + 3] == WP; }},
      {"drag off the board", [&] { drag(3, 0, 150, 360); },
       [] { return Now().Pos[3 * 8 + 7] == Empty; }},  // the black queen
      {"palette drop", [this] { DragButtonTo(GetDlgItem(hwnd, 14), CentreX(3), CentreY(3)); },
       [] { return Now().Pos[3 * 8 + 4] == CrossMark && Editor().SelPiece == WK; }},  // tool stays
      {"drag within a8", [&] { drag(0, 0, CentreX(0) + 10, CentreY(0) + 10); },
       [] { return Now().Pos[7] == WK; }},  // the classic click: the rook replaced by the king
      {"FEN pasted", [this] { Key('V', FCONTROL); }, [] { return Now().FullMoves == 40; },
       [] { CopyTextToClipboard("4k3/8/8/8/8/8/8/4K3 b - - 5 40"); }},  // all the FEN says
      {"side to move", [this] { Choose(CmdBlackToMove); }}};
  for (const Change &change : changes) {
    SCOPED_TRACE(change.name);
    Choose(CmdStart);
    change.prepare();
    const Diagram before = Now();
    const std::vector<COLORREF> shown = BoardPixels();
    change.make();
    const Diagram after = Now();
    ASSERT_NE(after, before);
    EXPECT_TRUE(change.done());
    Key('Z', FCONTROL);
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(BoardPixels(), shown);
    Key('Y', FCONTROL);
    EXPECT_EQ(Now(), after);
  }
}

TEST_F(Editing, UndoKeepsAHundredStepsAndAChangeDropsTheRedoSteps) {
  Choose(CmdEmpty);
  ClickTool(6);
  for (int i = 0; i < 128; i++) ClickSquare(i % 8, (i / 8) % 8);  // 64 placed, 64 removed
  ClickTool(0);
  ClickSquare(5, 5);  // the eraser on an empty square changes nothing and leaves no step
  for (int i = 0; i < 100; i++) UndoCommand(hwnd);
  EXPECT_EQ(std::count(Now().Pos, Now().Pos + 64, WP), 28);  // 100 of the 128 changes undone
  RedoCommand(hwnd);
  EXPECT_EQ(std::count(Now().Pos, Now().Pos + 64, WP), 29);
  ClickSquare(0, 0);  // a change: the redo steps go
  const Diagram now = Now();
  RedoCommand(hwnd);
  EXPECT_EQ(Now(), now);
}

TEST_F(Editing, ShortcutsDoWhatTheirMenuItemsDo) {
  auto lastDialog = [] { return RecordedFileDialogs().empty() ? std::string() : RecordedFileDialogs().back().defExt; };
  // Modifiers, key and effect. Ctrl+Z and Ctrl+Y undo and redo every change in the test above;
  // Ctrl+Shift+Z redoes too.
  const std::vector<std::tuple<int, int, std::function<bool()>>> rows = {
      {FCONTROL | FSHIFT, 'Z', [] { return Now().Pos[0] == WP; }},
      {FCONTROL, 'O', [] { return Boxes("Unsaved changes").size() == 1; }},  // asked first
      {FCONTROL, 'S', [&] { return lastDialog() == "bmp"; }},
      {FCONTROL, 'C', [] { return std::filesystem::exists(ClipBMPPath()); }},
      {0, VK_F1, [] { return TopLevelWindows("HelpClass").size() == 1; }},
      {FCONTROL, 'Q', [this] { return Boxes("Unsaved changes").size() == 1 && IsWindow(hwnd); }}};
  Editor().ShowCoords = 0;
  for (const auto &[modifiers, key, effect] : rows) {
    SCOPED_TRACE(key);
    ClickTool(6);
    ClickSquare(0, 7);  // a1: white rook replaced by a pawn
    if (modifiers & FSHIFT) UndoCommand(hwnd);
    ClearRecords();
    Key(key, modifiers);
    EXPECT_TRUE(effect());
    Choose(CmdStart);
  }
  // Ctrl+S repeats the save command last chosen, and the menu shows which.
  ScriptFileAnswer("");
  Choose(CmdSaveHTM);
  Key('S', FCONTROL);
  EXPECT_EQ(lastDialog(), "htm");
  const std::vector<std::string> menu = MenuBarTexts(hwnd);
  EXPECT_EQ(std::count(menu.begin(), menu.end(), "&File|Save H&TM...\tCtrl+S|1004"), 1);
}

TEST_F(Editing, TheBoardScalesWithTheWindowAndClicksFollow) {
  // Outer size, the board's scale and corner: any scale that fits (800 x 560 gives 1.4375).
  const std::vector<std::tuple<int, int, double, int, int>> sizes = {
      {535, 420, 1.0, 198, 16}, {800, 560, 1.4375, 260, 16}, {1000, 740, 2.0, 269, 16},
      {1179, 1060, 3.0, 198, 16}};
  for (auto [width, height, k, left, top] : sizes) {
    SCOPED_TRACE(k);
    MoveWindow(hwnd, 10, 0, width, height, true);  // as by the user (outer size)
    PumpMessages();
    EXPECT_EQ(std::tie(BoardScale, BoardLeft, BoardTop), std::tie(k, left, top));
    auto At = [scale = k](double field) { return static_cast<int>(std::lround(field * scale)); };
    const int x0 = left + At(22), y0 = top + At(4);
    // The white king on e1 fills its square as much at every scale.
    int figure = 0;
    for (COLORREF c : Pixels(left + At(22 + 4 * 37), top + At(4 + 7 * 37), left + At(58 + 4 * 37),
                             top + At(40 + 7 * 37)))
      figure += c != DarkColour(0) && c != LightColour(0);
    EXPECT_NEAR(figure / (k * k), 600, 150);
    const COLORREF grid = Pixel(left + At(58.4), y0 + At(10));  // the grid line between a8 and b8
    EXPECT_LT(std::max({grid & 0xFF, grid >> 8 & 0xFF, grid >> 16 & 0xFF}), 100u) << std::hex << grid;
    EXPECT_EQ(Pixel(left + At(60), y0 + At(10)), DarkColour(0));
    // A click on the grid line right of and below c3 belongs to it.
    ClickTool(13);
    ClickAt(hwnd, left + At(58.4 + 2 * 37), top + At(40.4 + 5 * 37));
    EXPECT_EQ(Now().Pos[2 * 8 + 2], DotMark);
    ClickAt(hwnd, x0 - 1, y0);  // left of the board
    Choose(CmdStart);
  }
}

// The title names the diagram's file and marks changes, after undo too; recent files are kept
// newest first and open again; saves do not enter them.
TEST_F(Editing, TheTitleNamesTheFileAndRecentFilesAreKeptNewestFirst) {
  const std::string file = TypicalFile("game one.brd");
  const std::string title = std::string(" - ") + MainTitle;
  ClickSquare(0, 0);
  PumpMessages();
  EXPECT_EQ(WindowText(hwnd), "Untitled*" + title);
  Write("Arrow complete");
  ScriptBoxAnswer(IDNO);  // the changes discarded
  ASSERT_TRUE(OpenFileByName(hwnd, file));
  EXPECT_EQ(WindowText(hwnd), "game one.brd" + title);
  EXPECT_EQ(Strip(), std::vector<COLORREF>(Strip().size(), WindowBackground));  // status cleared
  ClickSquare(0, 0);
  PumpMessages();
  EXPECT_EQ(WindowText(hwnd), "game one.brd*" + title);
  for (auto [key, shown] : std::vector<std::pair<int, std::string>>{
           {'Z', "game one.brd"}, {'Z', "Untitled*"}, {'Y', "game one.brd"}}) {
    Key(key, FCONTROL);
    EXPECT_EQ(WindowText(hwnd), shown + title);
  }
  Editor().ShowCoords = 0;
  ScriptFileAnswer(folder + "/saved.bmp");
  Choose(CmdSaveBMP);
  EXPECT_EQ(WindowText(hwnd), "saved.brd" + title);
  EXPECT_EQ(Editor().prefs.RecentFiles, std::vector<std::string>{file});
  EXPECT_FALSE(OpenFileByName(hwnd, folder + "/notes.txt"));  // not there
  ExpectFailure("Open failed", hwnd, folder + "/notes.txt", "");
  ClearRecords();
  std::vector<std::string> files;
  for (int i = 0; i < 9; i++) files.push_back(TypicalFile("p" + std::to_string(i) + ".brd"));
  for (const std::string &f : files) ASSERT_TRUE(OpenFileByName(hwnd, f));
  std::vector<std::string> &recent = Editor().prefs.RecentFiles;
  ASSERT_EQ(recent.size(), 8u);
  EXPECT_EQ(recent[0], files[8]);
  std::vector<std::string> menu = MenuBarTexts(hwnd);
  auto exitItem = std::find(menu.begin(), menu.end(), "&File|E&xit\tCtrl+Q|1005");
  EXPECT_EQ(*(exitItem - 8), "&File|&1 " + files[8] + "|1100");
  EXPECT_EQ(*(exitItem - 1), "&File|&8 " + files[1] + "|1107");
  // Kept with the preferences, read back at the next start.
  recent.clear();
  LoadPrefs();
  EXPECT_EQ(recent[7], files[1]);
  Choose(CmdEmpty);
  ScriptBoxAnswer(IDNO);  // the empty board discarded
  Choose(CmdRecentFirst + 7);
  EXPECT_EQ(Now().Pos[0], BQ);  // the typical position's a1
  EXPECT_EQ(recent[0], files[1]);
  // A file that has gone leaves the list once its box has said so.
  std::filesystem::remove(files[2]);
  Choose(CmdRecentFirst + 7);
  EXPECT_EQ(Boxes("Open failed").size(), 1u);
  EXPECT_EQ(recent.size(), 7u);
}

TEST_F(Editing, WindowSizeAndLastFolderAreKept) {
  MoveWindow(hwnd, 10, 0, 900, 800, true);
  PumpMessages();
  DestroyWindow(hwnd);
  Editor().prefs.WindowWidth = 0;
  LoadPrefs();
  EXPECT_EQ(Editor().prefs.WindowWidth, 900);
  EXPECT_EQ(Editor().prefs.WindowHeight, 800);
  hwnd = CreateMainWindow(SW_SHOWNORMAL);
  EXPECT_EQ(ClientWidth(hwnd), 892);
  EXPECT_DOUBLE_EQ(BoardScale, 687.0 / 322);  // the field as wide as the room beside the palette
  // The open dialog starts where the last file was saved.
  std::filesystem::create_directory(folder + "/sub");
  Editor().ShowCoords = 0;
  ScriptFileAnswer(folder + "/sub/a.bmp");
  Choose(CmdSaveBMP);
  ScriptFileAnswer("");
  Choose(CmdOpenBRD);
  EXPECT_EQ(RecordedFileDialogs().back().initialDir, folder + "/sub");
  EXPECT_EQ(RecordedFileDialogs().back().offered, folder + "/sub/a.brd");
}
}  // namespace
