// Attacks, looked for from the attacked square outwards: along the lines a slider would come,
// at the knight's jumps, and at the pawn and king steps.
#include "chess/attack.h"

#include "chess/lines.h"
#include "model/model.h"

bool SquareAttacked(const Board &b, int square, int side) {
  int base = side ? BK - WK : 0;  // black's codes are white's plus six
  int f = FileOf(square), r = RankOf(square);
  int pawnRank = side ? r + 1 : r - 1;  // a pawn attacks forwards: from behind the square
  if (pawnRank >= 0 && pawnRank < 8 &&
      ((f > 0 && b.man[SquareOf(f - 1, pawnRank)] == WP + base) ||
       (f < 7 && b.man[SquareOf(f + 1, pawnRank)] == WP + base)))
    return true;
  for (const int8_t *s = MenLines.knight[square]; *s >= 0; s++)
    if (b.man[*s] == WN + base) return true;
  for (const int8_t *s = MenLines.king[square]; *s >= 0; s++)
    if (b.man[*s] == WK + base) return true;
  for (int d = 0; d < 8; d++) {
    int slider = (d < 4 ? WR : WB) + base;
    for (const int8_t *s = MenLines.line[square][d]; *s >= 0; s++) {
      int man = b.man[*s];
      if (man == slider || man == WQ + base) return true;
      if (man != 0) break;  // a man in the way
    }
  }
  return false;
}

bool InCheck(const Board &b, int side) {
  int king = side ? BK : WK;
  for (int square = FindMan(b, king); square < 64; square = FindMan(b, king, square + 1))
    if (SquareAttacked(b, square, 1 - side)) return true;
  return false;
}
