// Start-up: the editor's state, main window class and window, message loop. Also the window's
// globals.
#include <cstdio>
#include <filesystem>
#include <string>

#include "editor/editor.h"

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
  if (!Shortcuts) Shortcuts = CreateShortcutTable();
  // The size kept from the last run; else the first size, with the board at the screen's scale.
  int scale = ScreenScale();
  int width = MainWidth + (scale - 1) * FieldWidth, height = MainHeight + (scale - 1) * FieldHeight;
  Prefs &prefs = Editor().prefs;
  if (prefs.WindowWidth >= MainWidth && prefs.WindowHeight >= MainHeight)
    width = prefs.WindowWidth, height = prefs.WindowHeight;
  DiagramFile.clear();
  LastFolder.clear();
  SaveCommand = CmdSaveBMP;
  BoardScale = 1;  // the palette loads the figures at it; FitBoard places the board
  HWND hwnd = CreateWindowEx(0, "Boardsmith", MainTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                             10, 0, MainWidth, MainHeight, nullptr, nullptr, Inst, nullptr);
  if (!hwnd) return nullptr;
  MainWnd = hwnd;
  if (width != MainWidth || height != MainHeight) MoveWindow(hwnd, 10, 0, width, height, true);
  RECT client = {0, 0, MainWidth - 8, MainHeight - 38};
  GetClientRect(hwnd, &client);
  prefs.WindowWidth = client.right + 8, prefs.WindowHeight = client.bottom + 38;
  FitBoard(client.right, client.bottom);  // before the first paint; WM_SIZE follows
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  return hwnd;
}

int WinMain(HINSTANCE instance, HINSTANCE, const char *commandLine, int show) {
  InitEditor();
  LoadPrefs();
  Inst = instance;
  if (!CreateMainWindow(show)) {
    std::fprintf(stderr, "boardsmith: the main window could not be created\n");
    return 1;
  }
  // A file named on the command line (or by a file manager) opens at once.
  if (commandLine && *commandLine) {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(commandLine, ec);
    OpenFileByName(MainWnd, ec ? std::string(commandLine) : path.lexically_normal().string());
  }
  MSG msg = {};
  while (GetMessage(&msg, nullptr, 0, 0) > 0) HandleMessage(msg);
  return static_cast<int>(msg.message == WM_QUIT ? msg.wParam : 0);
}
