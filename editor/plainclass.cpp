#include "editor/editor.h"

ATOM RegisterPlainClass(const char *name, WNDPROC proc, COLORREF background) {
  WNDCLASSEX wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = Inst;
  wc.hbrBackground = CreateSolidBrush(background);
  wc.lpszClassName = name;
  ATOM atom = RegisterClassEx(&wc);
  if (!atom) DeleteObject(wc.hbrBackground);  // registered already: the class keeps its own
  return atom;
}

HWND Control(HWND parent, const char *cls, const char *text, uint32_t style, int x, int y, int w,
             int h, int id) {
  return CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                        reinterpret_cast<HMENU>(intptr_t{id}), Inst, nullptr);
}
