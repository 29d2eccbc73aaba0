// Placeholder: the custom size window lands later.
#include "editor/editor.h"

ATOM RegisterCustomSizeWin() { return 0; }
HWND CustomSizeWindow() { return nullptr; }
LRESULT CustomSizeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(hwnd, msg, wParam, lParam);
}
