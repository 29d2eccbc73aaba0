// Where the coordinate glyphs stand in a picture with coordinates.
#include "render/coords.h"

namespace {
typedef void (*CoordRoutine)(Canvas &, int, int);
const CoordRoutine FileLetter[8] = {CoordA, CoordB, CoordC, CoordD, CoordE, CoordF, CoordG, CoordH};
const CoordRoutine RankDigit[8] = {Coord1, Coord2, Coord3, Coord4, Coord5, Coord6, Coord7, Coord8};
// Baseline of each letter: f starts four rows lower, g (with its descender) six.
const int LetterY[8] = {7, 7, 7, 7, 7, 3, 1, 7};
// The narrow 1 stands five pixels further right.
const int DigitX[8] = {20, 15, 15, 15, 15, 15, 15, 15};
}  // namespace

void DrawFileLetter(Canvas &canvas, int file, int x) {
  if (file < 0 || file > 7) return;
  FileLetter[file](canvas, x, LetterY[file]);
}

void DrawRankDigit(Canvas &canvas, int rank, int y) {
  if (rank < 0 || rank > 7) return;
  RankDigit[rank](canvas, DigitX[rank], y);
}
