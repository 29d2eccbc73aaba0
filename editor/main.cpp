// The desktop program: start the window services, then the main window and its loop.
#include "editor/editor.h"

int main(int argc, char **argv) {
  PlatformStart(argc, argv);
  return WinMain(nullptr, nullptr, "", SW_SHOWNORMAL);
}
