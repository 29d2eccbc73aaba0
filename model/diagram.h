#pragma once
// A chess diagram as a value: the men and markers on the 64 squares, the arrows, the orientation
// and what a FEN says beyond the men. Readers return one, writers and the check take one by
// const &, the editor keeps its history as a list of them.
#include <cstdint>

// Square codes held in Pos.
enum : int32_t {
  Empty = 0,
  WK = 1, WQ, WR, WB, WN, WP,   // white king .. pawn
  BK = 7, BQ, BR, BB, BN, BP,   // black king .. pawn
  DotMark = 13,                 // dot marker
  CrossMark = 14,               // cross marker
};

constexpr int MaxArrows = 32;

struct Diagram {
  // Board cells, index column * 8 + row; column 0 the leftmost, row 0 the bottom row as
  // displayed. With Flipped 0 columns are files a..h and rows ranks 1..8; with Flipped 1 files
  // h..a, ranks 8..1.
  int32_t Pos[64] = {};
  // Arrows: from column, from row, to column, to row. Rows count from the TOP of the displayed
  // board. Records past NArrows mean nothing and are not compared.
  int32_t Arr[MaxArrows][4] = {};
  int32_t NArrows = 0;     // arrows in use, 0..32 (a damaged file may say otherwise: clamp)
  int32_t Flipped = 0;     // 0 white at the bottom, 1 black at the bottom
  int32_t SideToMove = 0;  // 0 white to move, 1 black to move
  // What a FEN said beyond the men, kept while the men are edited (and used only where the men
  // still allow it): castling rights (bits of chess/board.h; -1 not known, taken from the men),
  // the en-passant square (0..63, a1 = 0; -1 none), and the two move counters.
  int32_t Castling = -1, EnPassant = -1, HalfMoves = 0, FullMoves = 1;
  // 1: the position was reached by a null move (a game's turn passed); the check says so.
  int32_t NullMove = 0;

  // The arrows in use, NArrows kept to 0..MaxArrows.
  int ArrowCount() const { return NArrows < 0 ? 0 : NArrows > MaxArrows ? MaxArrows : NArrows; }
  friend bool operator==(const Diagram &a, const Diagram &b);
};
