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
