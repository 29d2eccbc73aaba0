#pragma once
// SAN, the move notation of score sheets and PGN: "Nbd7", "exd6", "e8=Q+", "O-O#".
#include <string>

#include "chess/move.h"

// The move in SAN: piece letter, the file, rank or square of the man that moves only where
// another man of that kind could go there too, "x" for captures, "=Q" for promotions, "+" for
// check and "#" for mate. The move is trusted to be legal.
std::string WriteSAN(const Board &board, const Move &move);
// Reads one move of the side to move; false with a message ("Rxe4 is illegal",
// "Nd7 is ambiguous: Nbd7 or Nfd7") when it is not exactly one legal move. Tolerated: castling
// with zeros (0-0) or in lower case, promotion without "=" or in lower case (e8q), a missing or
// needless "x", "+"/"#" that are wrong, annotation glyphs (!, ?, !!, !?, ?!, ??), "e.p.", piece
// letters in lower case where they are no file (nf3; "bc3" is the b-pawn's where that fits, else
// the bishop's), and long algebraic or coordinate moves (Ng1f3, Ng1-f3, g1f3, e7e8q; castling as
// e1g1, and in Chess960 as the king taking its rook, e1h1). "--" and "Z0" are NullMove (not out
// of check); WriteSAN writes it "--".
bool ReadSAN(const Board &board, const std::string &text, Move *move, std::string *why);
// ReadSAN that also gives the move as WriteSAN writes it and the board after it, doing the
// work once (for replaying games).
bool PlaySAN(const Board &board, const std::string &text, Move *move, std::string *san,
             Board *after, std::string *why);
