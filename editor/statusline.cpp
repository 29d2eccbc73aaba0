// The status line under the board: one message, ended with "..." where the strip is too narrow
// for it, and cleared once the diagram has changed after it without a message of its own.
#include <string>

#include "editor/editor.h"

namespace {
constexpr COLORREF StatusBackground = RGB(242, 237, 222);  // the main window's background
std::string Shown;           // the message in the strip
unsigned long ShownAt = 0;  // DiagramChanges() when it was written
}  // namespace

void Scribe(HDC hdc, const char *text) {
  if (!hdc) return;
  const EditorState &e = Editor();
  RECT strip = {10, e.StatusTop, e.StatusRight, e.StatusTop + 16};
  HBRUSH brush = CreateSolidBrush(StatusBackground);
  FillRect(hdc, &strip, brush);
  DeleteObject(brush);
  DrawText(hdc, text, -1, &strip, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS);
  Shown = text;
  ShownAt = DiagramChanges();
}

void ClearStaleStatus() {
  if (Shown.empty() || ShownAt == DiagramChanges() || !MainWnd) return;
  HDC hdc = GetDC(MainWnd);
  Scribe(hdc, "");
  ReleaseDC(MainWnd, hdc);
}
