// makeassets FOLDER: writes the screen images (bmp/), cursors (cur/), web-page images (gifs/)
// and the application icon (icons/) into the run folder, drawn from the picture's own glyphs.
#include <cstdio>
#include <string>

#include "tools/makeassets/assets.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: makeassets FOLDER\n");
    return 2;
  }
  std::string folder = argv[1];
  bool ok = WriteScreenImages(folder) && WriteWebGifs(folder) && WriteIcons(folder);
  return ok ? 0 : 1;
}
