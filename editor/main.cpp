// The desktop program: its command line, then the window services, the main window and its
// loop. --help and --version print without opening a window.
#include <cstdio>
#include <cstring>
#include <string>

#include "editor/editor.h"

namespace {
const char Usage[] =
    "Usage: boardsmith [OPTION] [POSITION.brd | GAMES.pgn]\n"
    "Composes chess diagrams for documents and web pages: set up a position on the board, draw\n"
    "arrows, and save the diagram as a picture (.bmp) or a web page (.htm) with its position\n"
    "file (.brd) beside it. POSITION.brd is opened at start; the games of GAMES.pgn are listed\n"
    "in the game window.\n"
    "\n"
    "Options:\n"
    "  --check-files  check that the images, cursors and help pages are found, say where\n"
    "                 they were read from, and exit (status 1 when any is missing)\n"
    "  --help         display this help and exit\n"
    "  --version      output version information and exit\n"
    "\n"
    "The images and help pages are read from the start folder when it is a run folder (it\n"
    "holds bmp/ and the program), else from the program's folder or ../share/boardsmith/\n"
    "beside it. The picture size, coordinates setting, window size, recent files and a kept\n"
    "theme are kept in prefs.txt: in the run folder, else in $XDG_CONFIG_HOME/boardsmith/\n"
    "(~/.config/boardsmith/ by default).\n";

int UsageError(const std::string &problem) {
  std::fprintf(stderr, "boardsmith: %s\nTry 'boardsmith --help' for more information.\n",
               problem.c_str());
  return 2;
}
}  // namespace

int main(int argc, char **argv) {
  std::string file;
  bool checkFiles = false, options = true;
  for (int i = 1; i < argc; i++) {
    const char *arg = argv[i];
    if (options && std::strcmp(arg, "--") == 0) {
      options = false;
    } else if (options && std::strcmp(arg, "--help") == 0) {
      std::fputs(Usage, stdout);
      return 0;
    } else if (options && std::strcmp(arg, "--version") == 0) {
      std::printf("boardsmith %s\n%s\n", BS_VERSION, MainTitle);
      return 0;
    } else if (options && std::strcmp(arg, "--check-files") == 0) {
      checkFiles = true;
    } else if (options && arg[0] == '-' && arg[1] != '\0') {
      return UsageError(std::string("unknown option ") + arg);
    } else if (file.empty()) {
      file = arg;
    } else {
      return UsageError("more than one file given");
    }
  }
  // Qt reads its own options (-platform, -display ...) from what it is given: only the name.
  PlatformStart(1, argv);
  if (checkFiles) return CheckFiles();
  return WinMain(nullptr, nullptr, file.c_str(), SW_SHOWNORMAL);
}
