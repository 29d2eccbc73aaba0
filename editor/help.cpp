// Placeholder: the help viewer lands later.
#include "editor/editor.h"

std::string HFName;

ATOM RegisterHelpWin() { return 0; }
HWND HelpWindow() { return nullptr; }
LRESULT HlpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(hwnd, msg, wParam, lParam);
}
void DspHelpFile(HDC) {}
