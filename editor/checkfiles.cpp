// boardsmith --check-files: creates the main window hidden, as the program starts, and says
// whether its board images, cursors and help pages were found, and where. For an installation
// to check itself without a person looking at the window.
#include <cstdio>
#include <string>

#include "editor/editor.h"
#include "files/paths.h"

int CheckFiles() {
  InitEditor();
  const std::string &start = Editor().StartFolder;
  std::string missing;
  HWND hwnd = CreateMainWindow(SW_HIDE);
  if (!hwnd) missing += " (the main window)";
  int images = 0, cursors = 0, pages = 0;
  for (int i = 0; i < 16; i++) {
    if (Curs[i]) cursors++;
    else missing += std::string(" cur/") + PName[i] + ".ico";
    if (i == 0) continue;
    if (Pics[i] && Mask[i]) images++;
    else missing += std::string(" bmp/") + PName[i] + ".bmp";
  }
  for (const char *page : {"readme.htm", "about.htm"}) {
    FILE *file = std::fopen(DataPath(start, page).c_str(), "rb");
    if (file) pages++, std::fclose(file);
    else missing += std::string(" ") + page;
  }
  std::printf("boardsmith: files from %s: %d of 15 board images, %d of 16 cursors, %d of 2 help "
              "pages\n", DataFolder(start).c_str(), images, cursors, pages);
  if (hwnd) DestroyWindow(hwnd);
  if (missing.empty()) return 0;
  std::fprintf(stderr, "boardsmith: missing:%s\n", missing.c_str());
  return 1;
}
