#pragma once
// Where men go from each square, worked out once: the knight's jumps, the king's steps and the
// eight lines a slider runs along, each list ending in -1.
#include <cstdint>

#include "chess/board.h"

// Directions of the lines: the first four straight (rook), the last four diagonal (bishop).
constexpr int LineSteps[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1},
                                 {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

struct Lines {
  int8_t knight[64][9];   // squares a knight on the square jumps to, then -1
  int8_t king[64][9];     // squares a king on the square steps to, then -1
  int8_t line[64][8][8];  // by direction, the squares from the nearest outwards, then -1
};

constexpr Lines MakeLines() {
  const int jumps[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
  Lines t{};
  for (int s = 0; s < 64; s++) {
    int f = FileOf(s), r = RankOf(s), nk = 0, nn = 0;
    for (int d = 0; d < 8; d++) {
      int nf = f + jumps[d][0], nr = r + jumps[d][1];
      if (nf >= 0 && nf < 8 && nr >= 0 && nr < 8) t.knight[s][nn++] = SquareOf(nf, nr);
      int n = 0;
      for (nf = f + LineSteps[d][0], nr = r + LineSteps[d][1]; nf >= 0 && nf < 8 && nr >= 0 && nr < 8;
           nf += LineSteps[d][0], nr += LineSteps[d][1])
        t.line[s][d][n++] = SquareOf(nf, nr);
      t.line[s][d][n] = -1;
      if (n) t.king[s][nk++] = t.line[s][d][0];
    }
    t.knight[s][nn] = -1;
    t.king[s][nk] = -1;
  }
  return t;
}

inline constexpr Lines MenLines = MakeLines();
