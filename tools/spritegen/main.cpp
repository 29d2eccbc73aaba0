// spritegen: draws the pieces and writes their tables of column spans as sources under render/:
// seven from the shapes in tools/spritegen/pieces.cpp, the black pawn as the white one filled,
// and the black king, rook, bishop and knight from the strokes in tools/spritegen/drawn/.
//
// To change a piece, edit its shapes or strokes, then from the top of the source tree:
//   cmake --build build --target spritegen && build/spritegen .
//   cmake --build build --target reviewsheet && build/reviewsheet review
// and look at review/*.png (see tools/reviewsheet/main.cpp). Commit the regenerated
// render/*.cpp together with the shapes. `spritegen --check .` writes nothing and exits 1 when
// a committed source differs from what the shapes give.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/atomicwrite.h"
#include "tools/spritegen/emit.h"
#include "tools/spritegen/pieces.h"

namespace {
// Writes the source when it changed; with check, only reports the difference.
bool Update(const std::string &path, const std::string &text, bool check, bool *differs) {
  std::string old, why;
  bool same = ReadFileBounded(path, 4 << 20, &old, &why) && old == text;
  if (same) return true;
  *differs = true;
  if (check) {
    std::printf("differs: %s\n", path.c_str());
    return true;
  }
  if (!WriteFileAtomically(path, text, &why)) {
    std::fprintf(stderr, "spritegen: %s\n", why.c_str());
    return false;
  }
  std::printf("wrote %s\n", path.c_str());
  return true;
}
}  // namespace

int main(int argc, char **argv) {
  bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
  if (argc != 2 && !check) {
    std::fprintf(stderr, "usage: spritegen [--check] SOURCE_TREE\n");
    return 2;
  }
  std::string render = std::string(argv[argc - 1]) + "/render/";
  bool differs = false;
  for (const PieceArt &art : Pieces()) {
    Grid grid = Render(art);
    int x, y;
    if (!InkFits(grid, &x, &y)) {
      std::fprintf(stderr, "spritegen: %s has ink at (%d, %d), too near the edge for its margin\n",
                   art.name, x, y);
      return 1;
    }
    if (!Update(render + art.file + ".cpp", SpriteSource(art, grid), check, &differs)) return 1;
    if (std::strcmp(art.name, "WPawn") == 0 &&
        !Update(render + "bpawn.cpp", BlackPawnSource(grid), check, &differs))
      return 1;
  }
  for (const DrawnArt &art : DrawnPieces()) {
    SpanList spans;
    std::vector<int> colours;
    std::string why;
    if (!CaptureSpans(art.draw, &spans, &colours, &why)) {
      std::fprintf(stderr, "spritegen: %s: %s\n", art.name, why.c_str());
      return 1;
    }
    if (!Update(render + art.file + ".cpp", DrawnSource(art, spans, colours), check, &differs)) return 1;
  }
  return check && differs ? 1 : 0;
}
