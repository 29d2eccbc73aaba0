// Start-up: model, main window class and window, message loop. Also the window's globals.
#include <cstdio>

#include "editor/editor.h"
#include "files/paths.h"
#include "files/prefs.h"
#include "model/model.h"

HINSTANCE Inst;
HWND MainWnd;
HBITMAP Pics[16];
HBITMAP Mask[16];
HCURSOR Curs[16];

const char *const MainTitle = "Boardsmith13: Hallam Pryce, 6 December 2026";

namespace {
constexpr COLORREF Background = RGB(242, 237, 222);

// The main window's class. A second registration (tests create the window again) is refused
// by the platform and does no harm.
void RegisterMainClass() {
  WNDCLASSEX wc = {};
  wc.style = 0;
  wc.lpfnWndProc = WndProc;
  wc.hInstance = Inst;
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = CreateSolidBrush(Background);
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = "Boardsmith";
  wc.hIconSm = LoadIcon(nullptr, IDI_APPLICATION);
  if (!RegisterClassEx(&wc)) DeleteObject(wc.hbrBackground);
}
}  // namespace

HWND CreateMainWindow(int show) {
  RegisterMainClass();
  HWND hwnd = CreateWindowEx(0, "Boardsmith", MainTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                             10, 0, 535, 420, nullptr, nullptr, Inst, nullptr);
  if (!hwnd) return nullptr;
  MainWnd = hwnd;
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  return hwnd;
}

// cmdLine: a position file to open at start (the desktop passes the file opened with the
// program), or empty.
int WinMain(HINSTANCE instance, HINSTANCE, const char *cmdLine, int show) {
  Init();
  ReadPrefs();
  Inst = instance;
  if (!CreateMainWindow(show)) {
    std::fprintf(stderr, "boardsmith: the main window could not be created\n");
    return 1;
  }
  if (cmdLine && *cmdLine) {
    BRDFile = cmdLine;
    OpenBRDFile(MainWnd);
  }
  MSG msg = {};
  while (GetMessage(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  return static_cast<int>(msg.message == WM_QUIT ? msg.wParam : 0);
}
