// The help viewer: a window that shows one of the help pages with a very small reading of
// HTML. A line that begins with a tag is not shown, four colour tags at the start of a line set
// the text colour, and every other line is drawn as it stands, one file line per screen line.
// Which lines those are is read in files/helppage.cpp; this file draws them.
#include <string>

#include "editor/editor.h"
#include "files/atomicwrite.h"
#include "files/helppage.h"
#include "files/paths.h"

std::string HFName;

ATOM RegisterHelpWin() { return RegisterPlainClass("HelpClass", HlpProc, RGB(240, 240, 255)); }

HWND HelpWindow() {
  return CreateWindowEx(0, "HelpClass", "Help", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 545, 0, 500,
                        600, nullptr, nullptr, Inst, nullptr);
}

LRESULT HlpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      CreateWindowEx(0, "button", "Ok", WS_CHILD | WS_VISIBLE, 190, 525, 80, 25, hwnd,
                     reinterpret_cast<HMENU>(intptr_t{1}), Inst, nullptr);
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      SetBkMode(hdc, TRANSPARENT);
      DspHelpFile(hdc);
      EndPaint(hwnd, &ps);
      break;
    }
    case WM_CLOSE:
    case WM_COMMAND:
      DestroyWindow(hwnd);
      return 0;  // the window is gone: the default procedure must not see it again
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

// Draws the page named in HFName. The page lies in the data folder beside the images, never
// in the current folder: the file dialogs move that wherever the user last saved. A missing
// page, or a name that is not a regular file (a FIFO would hold the window until written to),
// draws nothing. The page is read afresh on every paint.
void DspHelpFile(HDC hdc) {
  std::string path = DataPath(Editor().StartFolder, HFName);
  std::string page;
  if (!ReadFileStart(path, HelpPageLimit, &page, nullptr)) return;
  for (const HelpLine &line : HelpPageLines(page)) {
    SetTextColor(hdc, RGB(line.colour.red, line.colour.green, line.colour.blue));
    RECT rect = {HelpLeft, line.top, HelpRight, line.top + HelpLineHeight};
    DrawText(hdc, line.text.c_str(), static_cast<int>(line.text.size()), &rect,
             DT_LEFT | DT_TOP | DT_NOCLIP | DT_SINGLELINE);
  }
}
