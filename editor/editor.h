#pragma once
// The editor window: main window, board view, mouse editing, side windows, file commands.
#include <string>

#include "platform/platform.h"

extern HINSTANCE Inst;        // the program's instance, stored by WinMain
extern HWND MainWnd;          // the main window, once created
extern HBITMAP Pics[16];      // board-view pictures by square code (15: arrow-start mark)
extern HBITMAP Mask[16];      // their masks: white where the square shows through
extern HCURSOR Curs[16];      // the cursor of each palette tool
extern std::string HFName;    // the help page to show: "readme.htm" or "about.htm"

// Main window.
int WinMain(HINSTANCE instance, HINSTANCE previous, const char *commandLine, int show);
LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Registers the main window's class and creates, shows and paints the window (WinMain's steps
// 3 to 5; tests use it without the message loop). Returns null when the window was not created.
HWND CreateMainWindow(int show);
// boardsmith --check-files: creates the window hidden and reports on standard output whether
// its images, cursors and help pages were found and where. 0 when all were, else 1.
int CheckFiles();
// The window's title: the program, its maker and its release date.
extern const char *const MainTitle;

// Palette: image stem and button position of each palette index (0 eraser .. 15 arrow tool).
extern const char *const PName[16];
extern const int ButX[16];
extern const int ButY[16];
// Creation: the sixteen buttons with their faces, the cursors, pictures and masks.
void CreatePalette(HWND hwnd);
// Destruction: frees the button faces, pictures and masks.
void FreePaletteImages();

// Menus: the command ids, and the menu bar built from the command table.
enum : int {
  CmdOpenBRD = 1001, CmdSaveBMP = 1002, CmdClipboard = 1003, CmdSaveHTM = 1004, CmdExit = 1005,
  CmdColours = 2001,
  CmdSmall = 3001, CmdMedium = 3002, CmdLarge = 3003, CmdCustom = 3004,
  CmdNever = 4001, CmdAlways = 4002, CmdAsk = 4003,
  CmdFlip = 5001, CmdEmpty = 5002, CmdStart = 5003, CmdTypical = 5004,
  CmdCheck = 6002,
  CmdHelp = 7002, CmdAbout = 7003,
  // Commands of the grown editor: files, side to move, the Edit menu.
  CmdOpenPGN = 1006, CmdSavePicture = 1007, CmdSavePage = 1008,
  CmdRecentFirst = 1100, CmdRecentLast = 1107,  // the File menu's recent files, newest first
  CmdWhiteToMove = 5005, CmdBlackToMove = 5006,
  CmdUndo = 8001, CmdRedo = 8002, CmdCopyFEN = 8003, CmdPasteFEN = 8004, CmdEnterFEN = 8005,
};
HMENU BuildMenuBar();
// The virtual-clipboard item's text, showing where the clipboard picture goes.
std::string ClipMenuText();

// Settings commands: picture size (3001..3003) and coordinates (4001..4003).
void PictureSizeCommand(HWND hwnd, int id);
void ShowCoordsCommand(HWND hwnd, int id);

// Mouse: the tool cursor over the board, and a left click on a square.
void MouseMove(int x, int y);
void LeftButtonDown(HWND hwnd, int x, int y);

// Board view. Square (column c, row-from-top t) has its top-left pixel at
// (SquareLeft + SquareStep * c, SquareTop + SquareStep * t) and is 36 x 36; a grid line runs
// between neighbours.
constexpr int SquareLeft = 220, SquareTop = 20, SquareStep = 37, SquareSide = 36;
void DrawBoard(HDC hdc);
void EmptySq(HDC hdc, int column, int rowFromTop);
void DrawPiece(HDC hdc, int code, int x, int y);
void DrawArrow(HDC hdc, int index);
void DrawTip(HDC hdc, int x1, int y1, int x2, int y2, double slope);

// Arrow tool.
int ArrowValid(HDC hdc);
int EraseArrow(HDC hdc);

// The check's report in a message box (mode 0 check command, 1 picture save, 2 page save).
int CheckLegal(int mode);

// File commands: mode 0 save picture, 1 save web page, 2 open position file.
void FileIO(HWND hwnd, int mode);
void SaveBMP(HWND hwnd);
void SaveHTM();
void OpenBRDFile(HWND hwnd);

// Registers a side window's class: no style, icon, cursor or menu, a solid background.
ATOM RegisterPlainClass(const char *name, WNDPROC proc, COLORREF background);

// Custom size window.
ATOM RegisterCustomSizeWin();
HWND CustomSizeWindow();
LRESULT CustomSizeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Help viewer.
ATOM RegisterHelpWin();
HWND HelpWindow();
LRESULT HlpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void DspHelpFile(HDC hdc);
