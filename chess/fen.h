#pragma once
// FEN: one line of text for a chess position.
#include <string>

#include "chess/board.h"

// The longest text ReadFEN looks at; a real FEN has fewer than 100 characters.
constexpr size_t MaxFENLength = 512;
// The position games start from.
inline constexpr char StartFEN[] = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// Reads a FEN: the six fields, the four fields of EPD (whatever follows them is EPD operations,
// kept in *operations when given), or the placement alone (then white is to move, castling
// rights come from the men, no en-passant square, counters 0 and 1). Spaces and line ends
// around the text are fine. A text that is none of these is refused: false, *why says what is
// wrong and where, and *board is left as it was.
// Castling may be written as X-FEN or Shredder-FEN: KQkq name the outermost rook on that side of
// the king, a file letter (upper case for white) the rook on that file. Rights that standard
// chess cannot hold make the board Chess960; with chess960 (a Chess960 game) it always is.
bool ReadFEN(const std::string &text, Board *board, std::string *why,
             std::string *operations = nullptr, bool chess960 = false);
// The six fields of the board; for Chess960 the castling field is X-FEN (KQkq for the
// outermost rook of a side, else the rook's file letter).
std::string WriteFEN(const Board &board);
// The square's name ("e4"), or "-" for a value off the board.
std::string SquareName(int square);
// A byte of the input as a message shows it: 'x' when it is printable, else its code (0x01).
std::string Shown(int c);
