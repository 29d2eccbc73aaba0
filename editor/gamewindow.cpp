// The game window: the games of a PGN file and the moves of the chosen one. Choosing a move (a
// click, the arrow keys in the list, the two buttons or the left and right keys) shows the
// position after it on the board; the last move may be drawn as an arrow.
//
// Only the rows' texts are kept: the chosen game is read again from the file, so that a file of
// many games never takes more memory than its largest game.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "chess/pgn.h"
#include "editor/editor.h"

namespace {
constexpr int GamesListId = 8201;
constexpr int MovesListId = 8202;
constexpr int BackButtonId = 8203;
constexpr int ForwardButtonId = 8204;
constexpr int ArrowBoxId = 8205;
// Games listed from one file; a bigger file shows its first ones and says so.
constexpr int MaxListedGames = 20000;

HWND GameWnd = nullptr;
constexpr int GameWidth = 460, GameHeight = 446;  // the outer frame
constexpr int Gap = 8;                            // between the main window and the game window
std::string PGNFile;     // the file shown, and the name the dialog offers next time
PGNGame Game;            // the chosen game, read again from the file
bool GameLoaded = false;
int Ply = 0;             // the position shown: 0 the start, p after ply p

struct FileCloser {
  void operator()(std::FILE *f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

HWND Item(int id) { return GetDlgItem(GameWnd, id); }

void Add(int id, const std::string &text) {
  SendMessage(Item(id), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// "3. White - Black, Event, 1-0": what tells games apart in a list.
std::string GameRow(const PGNGame &g) {
  auto tag = [&g](const char *name) {
    std::string v = PGNTag(g, name);
    return v.empty() ? std::string("?") : v;
  };
  std::string result = g.result.empty() ? "*" : g.result;
  return std::to_string(g.number) + ". " + tag("White") + " - " + tag("Black") + ", " +
         tag("Event") + ", " + result;
}

// "12. e4" for white's move, "12... e5" for black's.
std::string MoveRow(const PGNGame &g, size_t ply) {
  const Board &before = g.positions[ply - 1];
  return std::to_string(before.fullMoves) + (before.side ? "... " : ". ") + g.san[ply - 1];
}

// Reads the games of the file into the games list; false with the reason when it cannot be read.
bool ListGames(std::string *why) {
  SendMessage(Item(GamesListId), LB_RESETCONTENT, 0, 0);
  SendMessage(Item(MovesListId), LB_RESETCONTENT, 0, 0);
  GameLoaded = false;
  File file(std::fopen(PGNFile.c_str(), "rb"));
  if (!file) {
    *why = "the file cannot be opened";
    return false;
  }
  PGNSource source;
  OpenPGNSource(&source, file.get());
  PGNGame game;
  std::string damage;
  int rows = 0;
  for (int got; (got = ReadPGNGame(&source, &game, &damage)) != 0; rows++) {
    if (rows == MaxListedGames) {
      Add(GamesListId, "(more games follow; only the first " + std::to_string(rows) +
                           " are listed)");
      break;
    }
    Add(GamesListId, got > 0 ? GameRow(game) : "damaged: " + damage);
  }
  if (rows == 0) {
    *why = "the file holds no game";
    return false;
  }
  return true;
}

// Reads the game of a row again; false when the row is a damaged game or the file has changed.
bool LoadGame(int row, std::string *why) {
  File file(std::fopen(PGNFile.c_str(), "rb"));
  if (!file) {
    *why = "the file cannot be opened";
    return false;
  }
  PGNSource source;
  OpenPGNSource(&source, file.get());
  for (int i = 0; i <= row; i++) {
    int got = ReadPGNGame(&source, &Game, why);
    if (got == 0) {
      *why = "the file has changed since it was opened";
      return false;
    }
    if (i == row) return got > 0;
  }
  return false;
}

// The board shows the position after ply p of the chosen game.
void ShowPly(int ply) {
  if (!GameLoaded || ply < 0 || ply >= static_cast<int>(Game.positions.size())) return;
  Ply = ply;
  SendMessage(Item(MovesListId), LB_SETCURSEL, static_cast<WPARAM>(ply), 0);
  std::string status = "Game " + std::to_string(Game.number);
  status += ply == 0 ? ", start" : ", after " + MoveRow(Game, static_cast<size_t>(ply));
  int from = -1, to = -1;
  if (ply > 0 && !IsNullMove(Game.moves[ply - 1]) &&  // a null move moves nothing to draw
      SendMessage(Item(ArrowBoxId), BM_GETCHECK, 0, 0) == BST_CHECKED) {
    from = Game.moves[ply - 1].from;
    to = Game.moves[ply - 1].to;
  }
  if (MainWnd) PutBoard(MainWnd, Game.positions[ply], status, from, to);
}

void ChooseGame(HWND hwnd) {
  int row = static_cast<int>(SendMessage(Item(GamesListId), LB_GETCURSEL, 0, 0));
  SendMessage(Item(MovesListId), LB_RESETCONTENT, 0, 0);
  GameLoaded = false;
  std::string why;
  if (row < 0 || !LoadGame(row, &why)) {
    if (!why.empty()) MessageBox(hwnd, why.c_str(), "Open PGN", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  GameLoaded = true;
  Add(MovesListId, "Start position");
  for (size_t p = 1; p < Game.positions.size(); p++)
    Add(MovesListId, MoveRow(Game, p));
  ShowPly(0);
}

// Where the game window opens: where the user left it last, else beside the main window, on its
// right where the screen has room, else on its left, else at the screen's right edge; always
// on the screen.
POINT GameWindowPlace() {
  const Prefs &prefs = Editor().prefs;
  const RECT screen = ScreenWorkArea();
  RECT main = {screen.left, screen.top, screen.left, screen.top};
  if (MainWnd) GetWindowRect(MainWnd, &main);
  POINT at = {main.right + Gap, main.top};
  if (at.x + GameWidth > screen.right) at.x = main.left - Gap - GameWidth;
  if (at.x < screen.left) at.x = screen.right - GameWidth;
  if (prefs.GameWindowPlaced) at = {prefs.GameWindowX, prefs.GameWindowY};
  at.x = std::max(screen.left, std::min(at.x, screen.right - GameWidth));
  at.y = std::max(screen.top, std::min(at.y, screen.bottom - GameHeight));
  return at;
}

// The game window's place, kept in the preferences when it closes (nothing to confirm).
void KeepGameWindowPlace() {
  Prefs &prefs = Editor().prefs;
  RECT r;
  if (!GetWindowRect(GameWnd, &r)) return;
  if (prefs.GameWindowPlaced && prefs.GameWindowX == r.left && prefs.GameWindowY == r.top) return;
  prefs.GameWindowPlaced = true, prefs.GameWindowX = r.left, prefs.GameWindowY = r.top;
  SavePrefs();
}

LRESULT GameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      GameWnd = hwnd;
      Control(hwnd, "listbox", "", LBS_NOTIFY | WS_BORDER, 10, 10, 432, 150, GamesListId);
      Control(hwnd, "listbox", "", LBS_NOTIFY | WS_BORDER, 10, 170, 432, 190, MovesListId);
      Control(hwnd, "button", "< &Back", 0, 10, 370, 90, 25, BackButtonId);
      Control(hwnd, "button", "&Forward >", 0, 110, 370, 90, 25, ForwardButtonId);
      Control(hwnd, "button", "Last move as an &arrow", BS_AUTOCHECKBOX, 220, 372, 222, 22,
              ArrowBoxId);
      break;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case GamesListId:
          if (HIWORD(wParam) == LBN_SELCHANGE) ChooseGame(hwnd);
          return 0;
        case MovesListId:
          if (HIWORD(wParam) == LBN_SELCHANGE)
            ShowPly(static_cast<int>(SendMessage(Item(MovesListId), LB_GETCURSEL, 0, 0)));
          return 0;
        case BackButtonId: ShowPly(Ply - 1); return 0;
        case ForwardButtonId: ShowPly(Ply + 1); return 0;
        case ArrowBoxId: ShowPly(Ply); return 0;
      }
      break;
    case WM_KEYDOWN:
      if (wParam == VK_LEFT) ShowPly(Ply - 1);
      if (wParam == VK_RIGHT) ShowPly(Ply + 1);
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      if (hwnd == GameWnd) {
        KeepGameWindowPlace();
        GameWnd = nullptr;
        GameLoaded = false;
        Game = PGNGame();
      }
      break;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}
}  // namespace

void OpenPGN(HWND hwnd) {
  // The game files are looked for where the program started; the diagrams' folder stays.
  std::string path = PGNFile;
  if (AskForFile(hwnd, false, "PGN Files (*.pgn)\0*.pgn\0", "pgn",
                 OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, &path, nullptr, false))
    ShowGames(hwnd, path);
}

bool ShowGames(HWND hwnd, const std::string &path) {
  PGNFile = path;
  if (!GameWnd || !IsWindow(GameWnd)) {
    RegisterPlainClass("GameWindowClass", GameProc, RGB(255, 255, 240));
    POINT at = GameWindowPlace();
    CreateWindowEx(0, "GameWindowClass", "Games",
                   WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, at.x, at.y,
                   GameWidth, GameHeight, nullptr, nullptr, Inst, nullptr);
    if (!GameWnd) return false;
  }
  ShowWindow(GameWnd, SW_SHOWNORMAL);
  std::string title = "Games: " + FileName(PGNFile);
  SetWindowText(GameWnd, title.c_str());
  std::string why;
  if (!ListGames(&why)) {
    std::string text = "Cannot open file " + PGNFile + ":\n" + why;
    MessageBox(hwnd, text.c_str(), "Open PGN", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  AddRecentFile(PGNFile);
  return true;
}

void CloseGameWindow() {
  if (GameWnd) DestroyWindow(GameWnd);
}
