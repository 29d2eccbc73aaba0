// The help viewer: a window that shows one of the help pages with a very small reading of
// HTML. A line that begins with a tag is not shown, four colour tags at the start of a line set
// the text colour, and every other line is drawn as it stands, one file line per screen line.
// Which lines those are is read in files/helppage.cpp; this file draws them, HelpViewLines at a
// time, and scrolls them with the keys and the mouse wheel.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "files/atomicwrite.h"
#include "files/helppage.h"
#include "files/paths.h"

std::string HFName;

namespace {
// The first line each open help window shows.
std::map<HWND, int> FirstLine;
constexpr COLORREF ThumbColour = RGB(160, 160, 200);
constexpr int ThumbLeft = 486, ThumbRight = 490;
constexpr int WheelLines = 3;  // lines a notch of the wheel scrolls

// The lines of the page named in HFName. The page lies in the data folder beside the images,
// never in the current folder: the file dialogs move that wherever the user last saved. A
// missing page, or a name that is not a regular file (a FIFO would hold the window until written
// to), has no lines. The page is read afresh each time.
std::vector<HelpLine> PageLines() {
  std::string page;
  if (!ReadFileStart(DataPath(Editor().StartFolder, HFName), HelpPageLimit, &page, nullptr)) return {};
  return HelpPageLines(page);
}

// Moves the window's first line by `by` lines (or to the end with a large number), within the
// page, and draws the page again when it moved.
void Scroll(HWND hwnd, int by) {
  const int last = std::max(0, static_cast<int>(PageLines().size()) - HelpViewLines);
  int &first = FirstLine[hwnd];
  const int moved = std::clamp(first + std::clamp(by, -HelpMaxLines, HelpMaxLines), 0, last);
  if (moved == first) return;
  first = moved;
  InvalidateRect(hwnd, nullptr, true);
}

// The lines in view, and beside them a thumb whose place and length show what part of the
// page is in view (only when the page is longer than the window).
void DrawPage(HDC hdc, int first) {
  const std::vector<HelpLine> lines = PageLines();
  const int count = static_cast<int>(lines.size());
  first = std::clamp(first, 0, std::max(0, count - HelpViewLines));
  for (int i = first; i < count && i < first + HelpViewLines; i++) {
    const HelpLine &line = lines[static_cast<size_t>(i)];
    SetTextColor(hdc, RGB(line.colour.red, line.colour.green, line.colour.blue));
    const int top = line.top - first * HelpLineStep;
    RECT rect = {HelpLeft, top, HelpRight, top + HelpLineHeight};
    DrawText(hdc, line.text.c_str(), static_cast<int>(line.text.size()), &rect,
             DT_LEFT | DT_TOP | DT_NOCLIP | DT_SINGLELINE);
  }
  if (count <= HelpViewLines) return;
  const int height = HelpViewLines * HelpLineStep;
  RECT thumb = {ThumbLeft, HelpTop + height * first / count, ThumbRight,
                HelpTop + height * (first + HelpViewLines) / count};
  HBRUSH brush = CreateSolidBrush(ThumbColour);
  FillRect(hdc, &thumb, brush);
  DeleteObject(brush);
}
}  // namespace

ATOM RegisterHelpWin() { return RegisterPlainClass("HelpClass", HlpProc, RGB(240, 240, 255)); }

HWND HelpWindow() {
  return CreateWindowEx(0, "HelpClass", "Help", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 545, 0, 500,
                        600, nullptr, nullptr, Inst, nullptr);
}

LRESULT HlpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      FirstLine[hwnd] = 0;
      CreateWindowEx(0, "button", "Ok", WS_CHILD | WS_VISIBLE, 190, 525, 80, 25, hwnd,
                     reinterpret_cast<HMENU>(intptr_t{1}), Inst, nullptr);
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      SetBkMode(hdc, TRANSPARENT);
      DrawPage(hdc, FirstLine[hwnd]);
      EndPaint(hwnd, &ps);
      break;
    }
    case WM_KEYDOWN: {
      const int page = HelpViewLines - 1;  // a page on keeps one line of the last in view
      switch (wParam) {
        case VK_UP: Scroll(hwnd, -1); break;
        case VK_DOWN: Scroll(hwnd, 1); break;
        case VK_PRIOR: Scroll(hwnd, -page); break;
        case VK_NEXT: case VK_SPACE: Scroll(hwnd, page); break;
        case VK_HOME: Scroll(hwnd, -HelpMaxLines); break;
        case VK_END: Scroll(hwnd, HelpMaxLines); break;
        case VK_ESCAPE: DestroyWindow(hwnd); break;
      }
      return 0;
    }
    case WM_MOUSEWHEEL:
      Scroll(hwnd, -GET_WHEEL_DELTA_WPARAM(wParam) * WheelLines / WHEEL_DELTA);
      return 0;
    case WM_CLOSE:
    case WM_COMMAND:
      DestroyWindow(hwnd);
      return 0;  // the window is gone: the default procedure must not see it again
    case WM_DESTROY:
      FirstLine.erase(hwnd);
      break;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}
