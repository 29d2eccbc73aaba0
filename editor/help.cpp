// The help viewer: a window that shows one of the help pages with a very small reading of
// HTML. A line that begins with a tag is not shown, four colour tags at the start of a line set
// the text colour, and every other line is drawn as it stands, one file line per screen line.
#include <cstdio>
#include <cstring>
#include <string>

#include "editor/editor.h"
#include "files/paths.h"
#include "model/model.h"

std::string HFName;

namespace {
constexpr int PieceMax = 119;         // characters a read takes; a longer line goes on as its own
constexpr int LineStep = 17;          // pixels from one shown line to the next
constexpr int HelpHeight = 600;       // the window's height: lines below it are never seen
constexpr long PageReadLimit = 1L << 20;  // bytes read a paint at most; a page is a few KB

// Colour lines, compared on their first 15 characters.
struct ColourLine {
  const char *start;
  COLORREF colour;
};
const ColourLine ColourLines[] = {
    {"<FONT COLOR=RED", RGB(255, 0, 0)},
    {"<FONT COLOR=GRE", RGB(0, 180, 0)},
    {"<FONT COLOR=BLU", RGB(0, 0, 255)},
    {"<FONT COLOR=BLA", RGB(0, 0, 0)},
};
constexpr size_t ColourCompare = 15;

// Reads the next piece of a line into piece: at most 119 characters, up to and including a line
// feed (a CR LF pair counts as one line feed, as the page was written on a system that stores
// lines so). Returns the number of characters, 0 at the end of the file or of the budget.
int ReadPiece(FILE *file, char *piece, long *budget) {
  int n = 0;
  while (n < PieceMax && *budget > 0) {
    int c = std::getc(file);
    if (c == EOF) break;
    --*budget;
    if (c == '\r') {
      int next = std::getc(file);
      if (next == '\n') {
        --*budget;
        c = '\n';
      } else if (next != EOF) {
        std::ungetc(next, file);
      }
    }
    piece[n++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  return n;
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
// page draws nothing. The page is read afresh on every paint, and only as far as the window
// shows.
void DspHelpFile(HDC hdc) {
  std::string path = DataPath(HFName);
  FILE *file = std::fopen(path.c_str(), "rb");
  if (!file) return;
  SetTextColor(hdc, RGB(0, 0, 0));
  RECT rect = {5, 5, 495, 22};
  char piece[PieceMax + 1];
  long budget = PageReadLimit;
  int n;
  while (rect.top < HelpHeight && (n = ReadPiece(file, piece, &budget)) > 0) {
    piece[n] = '\0';
    for (const ColourLine &line : ColourLines)
      if (std::strncmp(piece, line.start, ColourCompare) == 0) SetTextColor(hdc, line.colour);
    if (piece[0] == '<') continue;
    // Drawn as read, without its line end; a zero byte ends the text as it would in C.
    int length = static_cast<int>(std::strlen(piece));
    while (length > 0 && (piece[length - 1] == '\n' || piece[length - 1] == '\r')) length--;
    DrawText(hdc, piece, length, &rect, DT_LEFT | DT_TOP | DT_NOCLIP | DT_SINGLELINE);
    rect.top += LineStep;
    rect.bottom += LineStep;
  }
  std::fclose(file);
}
