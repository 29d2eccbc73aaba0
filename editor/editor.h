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

// Board view.
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

// Custom size window.
ATOM RegisterCustomSizeWin();
HWND CustomSizeWindow();
LRESULT CustomSizeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Help viewer.
ATOM RegisterHelpWin();
HWND HelpWindow();
LRESULT HlpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void DspHelpFile(HDC hdc);
