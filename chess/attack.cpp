// Attacks, looked for from the attacked square outwards: at the knight's jumps, and along the
// eight lines for kings and pawns next to it and sliders further on.
#include "chess/attack.h"

#include "chess/lines.h"
#include "model/diagram.h"

bool SquareAttacked(const Board &b, int square, int side) {
  int base = side ? BK - WK : 0;  // black's codes are white's plus six
  for (const int8_t *s = MenLines.knight[square]; *s >= 0; s++)
    if (b.man[*s] == WN + base) return true;
  // Along each line: a king or a pawn on the nearest square (a pawn attacks forwards, so it
  // stands behind the square as its side sees it), a slider after any empty squares.
  int pawnRankStep = side ? 1 : -1;
  for (int d = 0; d < 8; d++) {
    const int8_t *s = MenLines.line[square][d];
    if (*s < 0) continue;
    int man = b.man[*s];
    if (man == WK + base || (man == WP + base && d >= 4 && LineSteps[d][1] == pawnRankStep))
      return true;
    while (man == 0 && *++s >= 0) man = b.man[*s];
    if (man == (d < 4 ? WR : WB) + base || man == WQ + base) return true;
  }
  return false;
}

bool InCheck(const Board &b, int side) {
  int king = side ? BK : WK;
  for (int square = FindMan(b, king); square < 64; square = FindMan(b, king, square + 1))
    if (SquareAttacked(b, square, 1 - side)) return true;
  return false;
}
