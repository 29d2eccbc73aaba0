// The position presets and the flip. Each builds its position in the current orientation.
#include "model/model.h"

namespace {
// Puts code on the square named by file letter and rank digit, in the current orientation.
void Put(const char *square, int32_t code) {
  int file = square[0] - 'a', rank = square[1] - '1';
  int column = Flipped ? 7 - file : file;
  int row = Flipped ? 7 - rank : rank;
  Pos[column * 8 + row] = code;
}

struct Man {
  const char *square;
  int32_t code;
};

// The back ranks from file a to file h.
const int32_t WhiteBackRank[8] = {WR, WN, WB, WQ, WK, WB, WN, WR};
const int32_t BlackBackRank[8] = {BR, BN, BB, BQ, BK, BB, BN, BR};

// The men of the typical position (a famous attacking game), by square name.
const Man TypicalMen[] = {
    {"e2", WK}, {"d5", WN}, {"g7", WN}, {"d6", WB}, {"a2", WP}, {"c2", WP}, {"d3", WP},
    {"e5", WP}, {"g4", WP}, {"h5", WP},
    {"d8", BK}, {"a1", BQ}, {"a8", BR}, {"h8", BR}, {"c8", BB}, {"g1", BB}, {"a6", BN},
    {"f6", BN}, {"a7", BP}, {"b5", BP}, {"d7", BP}, {"f7", BP}, {"h7", BP}};
}  // namespace

void ForgetChessState() {
  SideToMove = 0;
  Castling = -1, EnPassant = -1, HalfMoves = 0, FullMoves = 1;
}

void EmptyPosition(Surface *surface) {
  for (int32_t &cell : Pos) cell = Empty;
  NArrows = 0;
  ForgetChessState();
  Scribe(surface, "Empty position");
}

void StartPosition(Surface *surface) {
  EmptyPosition(surface);
  char square[3] = {0, 0, 0};
  for (int file = 0; file < 8; file++) {
    square[0] = static_cast<char>('a' + file);
    square[1] = '1', Put(square, WhiteBackRank[file]);
    square[1] = '2', Put(square, WP);
    square[1] = '7', Put(square, BP);
    square[1] = '8', Put(square, BlackBackRank[file]);
  }
  Scribe(surface, "Start position");
}

void TypicalPosition(Surface *surface) {
  EmptyPosition(surface);
  NArrows = 1;
  for (const Man &man : TypicalMen) Put(man.square, man.code);
  // One arrow from d6 to e7, rows counted from the top of the view.
  const int32_t arrow[2][4] = {{3, 2, 4, 1}, {4, 5, 3, 6}};
  for (int k = 0; k < 4; k++) Arr[0][k] = arrow[Flipped ? 1 : 0][k];
  Scribe(surface, "Immortal Game: Vellmark - Dorrantis, 1851");
}

void FlipPosition(Surface *surface) {
  for (int r = 0; r < 4; r++)
    for (int c = 0; c < 8; c++) {
      int32_t &a = Pos[c * 8 + r], &b = Pos[(7 - c) * 8 + (7 - r)];
      int32_t t = a;
      a = b;
      b = t;
    }
  for (int i = 0; i < NArrows && i < MaxArrows; i++)
    for (int k = 0; k < 4; k++) Arr[i][k] = 7 - Arr[i][k];
  Flipped = 1 - Flipped;
  Scribe(surface, "Position flipped");
}
