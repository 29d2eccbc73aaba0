#pragma once
// Moves: the legal moves of a position, playing one, and perft (counting the leaves of the tree
// of legal moves, the usual check of a move generator).
#include <cstdint>
#include <string>

#include "chess/board.h"

struct Move {
  int8_t from, to;     // squares 0..63
  int8_t promotion;    // 0, or the code of the man a pawn becomes (WQ..WN or BQ..BN)
};
inline bool operator==(const Move &a, const Move &b) {
  return a.from == b.from && a.to == b.to && a.promotion == b.promotion;
}
// A null move (written "--" or "Z0"): the turn passes, no man moves. It is the only move whose
// from and to are the same square.
inline constexpr Move NullMove{0, 0, 0};
inline bool IsNullMove(const Move &move) { return move.from == move.to; }

// Is the move castling? In standard chess only castling moves a king two files; in Chess960 a
// castling move is the king taking its own rook (the king may have to move one file, or none).
inline bool IsCastling(const Board &board, const Move &move) {
  int man = board.man[move.from];
  if (KindOf(man) != WK || IsNullMove(move)) return false;
  if (board.chess960) return board.man[move.to] == man + (WR - WK);
  return move.to - move.from == 2 || move.from - move.to == 2;
}
// Where a move puts the man it moves: its to square, but for castling in Chess960 the king's
// square on the g- or c-file.
inline int LandingSquare(const Board &board, const Move &move) {
  if (!board.chess960 || !IsCastling(board, move)) return move.to;
  return move.to - FileOf(move.to) + (move.to > move.from ? 6 : 2);
}

// No position has more legal moves than this (the most known is 218).
constexpr int MaxMoves = 256;

// The legal moves of the side to move; returns how many were stored in moves[0..]. The board is
// trusted to be one PlayablePosition accepts (beyond that, moves past the 256th are dropped);
// a side without a king has moves but is never in check.
int LegalMoves(const Board &board, Move moves[MaxMoves]);
// The candidate moves of the man on the square, if it belongs to the side to move.
int CandidateMovesFrom(const Board &board, int from, Move moves[MaxMoves]);
// Does the candidate move leave the mover's king unattacked?
bool KeepsKingSafe(const Board &board, const Move &move);
// Does the side to move have any legal move? (Faster than counting them.)
bool HasLegalMove(const Board &board);
// Can the rules play from the position? One king a side, no more men than a game can have (16 a
// side, promoted men only for missing pawns), no pawn on the first or last rank, and the side
// that has just moved not in check. False with the reason.
bool PlayablePosition(const Board &board, std::string *why);
// Plays a legal move: men, side, castling rights, en-passant square, counters. NullMove passes
// the turn: the side changes, the en-passant square goes, the counters count on and the board
// says that it was reached by a null move.
void MakeMove(Board *board, const Move &move);
// The number of leaves of the tree of legal moves depth plies deep.
uint64_t Perft(const Board &board, int depth);
