// The position presets and the flip. Each builds its position in the current orientation.
#include "model/presets.h"

namespace {
// Puts code on the square named by file letter and rank digit, in the current orientation.
void Put(Diagram &d, const char *square, int32_t code) {
  int file = square[0] - 'a', rank = square[1] - '1';
  int column = d.Flipped ? 7 - file : file;
  int row = d.Flipped ? 7 - rank : rank;
  d.Pos[column * 8 + row] = code;
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

void ForgetChessState(Diagram &d) {
  d.SideToMove = 0;
  d.Castling = -1, d.EnPassant = -1, d.HalfMoves = 0, d.FullMoves = 1;
}

void EmptyPosition(Diagram &d) {
  for (int32_t &cell : d.Pos) cell = Empty;
  d.NArrows = 0;
  ForgetChessState(d);
}

void StartPosition(Diagram &d) {
  EmptyPosition(d);
  char square[3] = {0, 0, 0};
  for (int file = 0; file < 8; file++) {
    square[0] = static_cast<char>('a' + file);
    square[1] = '1', Put(d, square, WhiteBackRank[file]);
    square[1] = '2', Put(d, square, WP);
    square[1] = '7', Put(d, square, BP);
    square[1] = '8', Put(d, square, BlackBackRank[file]);
  }
}

void TypicalPosition(Diagram &d) {
  EmptyPosition(d);
  d.NArrows = 1;
  for (const Man &man : TypicalMen) Put(d, man.square, man.code);
  // One arrow from d6 to e7, rows counted from the top of the view.
  const int32_t arrow[2][4] = {{3, 2, 4, 1}, {4, 5, 3, 6}};
  for (int k = 0; k < 4; k++) d.Arr[0][k] = arrow[d.Flipped ? 1 : 0][k];
}

void FlipPosition(Diagram &d) {
  for (int r = 0; r < 4; r++)
    for (int c = 0; c < 8; c++) {
      int32_t &a = d.Pos[c * 8 + r], &b = d.Pos[(7 - c) * 8 + (7 - r)];
      int32_t t = a;
      a = b;
      b = t;
    }
  for (int i = 0; i < d.ArrowCount(); i++)
    for (int k = 0; k < 4; k++) d.Arr[i][k] = 7 - d.Arr[i][k];
  d.Flipped = 1 - d.Flipped;
}
