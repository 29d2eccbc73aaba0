#pragma once
// A chess position as the rules see it: the men, the side to move, castling rights, the
// en-passant square and the two move counters.
#include <cstdint>
#include <cstring>

#include "model/diagram.h"

// Squares 0..63 count file + 8 * rank: a1 = 0, h1 = 7, a8 = 56, h8 = 63.
// Men are the diagram's square codes WK..BP (model/diagram.h); 0 is an empty square.
constexpr int SquareOf(int file, int rank) { return file + 8 * rank; }
constexpr int FileOf(int square) { return square & 7; }
constexpr int RankOf(int square) { return square >> 3; }

// Is the code a man of side (0 white, 1 black)? Marks and empty squares belong to neither.
constexpr bool BelongsTo(int code, int side) {
  return code >= WK && code <= BP && (code >= BK) == (side == 1);
}
// The kind of a man, as its white code WK..WP, and the man of a kind for a side.
constexpr int KindOf(int man) { return man >= BK ? man - (BK - WK) : man; }
constexpr int ManOf(int kind, int side) { return side ? kind + (BK - WK) : kind; }

// Castling rights: white king's side, white queen's side, black king's side, black queen's side.
enum : int { CastleWK = 1, CastleWQ = 2, CastleBK = 4, CastleBQ = 8 };

// A board with chess960 0 is standard chess: kings castle from the e-file with the rooks in the
// corners (Board{} is such a board). With chess960 1 the rooks of the rights are those on the files
// of rookFile, and the king and rook land on the usual files (g and f, or c and d) from wherever
// they stand.
struct Board {
  int8_t man[64];      // by square; 0 empty, else WK..BP
  int8_t side;         // 0 white to move, 1 black to move
  int8_t castling;     // CastleWK | CastleWQ | CastleBK | CastleBQ
  int8_t enPassant;    // the square a pawn has just passed over, or -1
  int8_t chess960;     // 1: castling the Chess960 way
  int8_t rookFile[4];  // with chess960, the file of each right's rook (CastleWK first); else unused
  int8_t nullMove;     // 1: the position was reached by a null move (the turn passed), not a move
  int halfMoves;       // plies since the last capture or pawn move
  int fullMoves;       // the number of the move to be played, from 1
};

// The file of the rook a right castles with; right counts 0..3 (the bits of CastleWK..CastleBQ).
constexpr int CastlingRookFile(const Board &board, int right) {
  return board.chess960 ? board.rookFile[right] : (right & 1) ? 0 : 7;
}

// The rights the men allow: a right only where that king and that rook stand on their squares
// (in Chess960: the king on its first rank, and the right's rook on its file on that king's side).
int CastlingFromMen(const Board &board);

// The first square from `from` on that holds the man, or 64 when none does.
inline int FindMan(const Board &board, int man, int from = 0) {
  if (from < 0 || from >= 64) return 64;
  const void *at = std::memchr(board.man + from, man, static_cast<size_t>(64 - from));
  return at ? static_cast<int>(static_cast<const int8_t *>(at) - board.man) : 64;
}
