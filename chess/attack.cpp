// Attacks, looked for from the attacked square outwards: along the lines a slider would come,
// at the knight's jumps, and at the pawn and king steps.
#include "chess/attack.h"

#include "model/model.h"

namespace {
struct Step {
  int file, rank;
};
const Step Straight[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
const Step Diagonal[4] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
const Step Jumps[8] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};

// The man at file + df, rank + dr, or -1 off the board.
int ManAt(const Board &b, int file, int rank) {
  if (file < 0 || file > 7 || rank < 0 || rank > 7) return -1;
  return b.man[SquareOf(file, rank)];
}

bool SliderAttacks(const Board &b, int square, const Step (&steps)[4], int slider, int queen) {
  for (const Step &s : steps)
    for (int f = FileOf(square) + s.file, r = RankOf(square) + s.rank;; f += s.file, r += s.rank) {
      int man = ManAt(b, f, r);
      if (man == slider || man == queen) return true;
      if (man != 0) break;  // a man in the way, or the edge
    }
  return false;
}

bool StepAttacks(const Board &b, int square, const Step *steps, int count, int man) {
  for (int k = 0; k < count; k++)
    if (ManAt(b, FileOf(square) + steps[k].file, RankOf(square) + steps[k].rank) == man)
      return true;
  return false;
}
}  // namespace

bool SquareAttacked(const Board &b, int square, int side) {
  int base = side ? BK - WK : 0;  // black's codes are white's plus six
  int f = FileOf(square), r = RankOf(square);
  int pawnRank = side ? r + 1 : r - 1;  // a pawn attacks forwards: from behind the square
  if (ManAt(b, f - 1, pawnRank) == WP + base || ManAt(b, f + 1, pawnRank) == WP + base)
    return true;
  const Step kingSteps[8] = {Straight[0], Straight[1], Straight[2], Straight[3],
                             Diagonal[0], Diagonal[1], Diagonal[2], Diagonal[3]};
  return StepAttacks(b, square, Jumps, 8, WN + base) ||
         StepAttacks(b, square, kingSteps, 8, WK + base) ||
         SliderAttacks(b, square, Straight, WR + base, WQ + base) ||
         SliderAttacks(b, square, Diagonal, WB + base, WQ + base);
}

bool InCheck(const Board &b, int side) {
  int king = side ? BK : WK;
  for (int square = 0; square < 64; square++)
    if (b.man[square] == king && SquareAttacked(b, square, 1 - side)) return true;
  return false;
}
