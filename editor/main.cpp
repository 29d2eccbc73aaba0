// The desktop program: start the window services, then the main window and its loop.
#include "editor/editor.h"

int main(int argc, char **argv) {
  PlatformStart(argc, argv);
  // The window services have taken their own options out of argv: what is left is ours.
  const char *file = argc > 1 && argv[1] ? argv[1] : "";
  return WinMain(nullptr, nullptr, file, SW_SHOWNORMAL);
}
