#pragma once
// The diagram's men as a chess board and back. The diagram holds more (markers, arrows,
// orientation); the board holds what the rules need.
#include "chess/board.h"
#include "model/diagram.h"

// Does the en-passant square stand behind a pawn of the side not to move that has just passed
// it, with the square it came from empty? Elsewhere a diagram forgets it.
bool EnPassantStands(const Board &board, int square);
// The Pos cell showing a board square (a1 = 0): with flipped 1 the board is turned round.
int CellOf(int square, int flipped);
// The men of Pos read in the diagram's orientation, SideToMove, and the castling rights,
// en-passant square and counters the diagram remembers, kept only where the men still allow them,
// and whether a null move led there.
Board BoardFromDiagram(const Diagram &diagram);
// Puts the board's men into Pos in the diagram's orientation (markers go too), and sets
// SideToMove and the remembered castling rights, en-passant square, counters and null move.
// Arrows and orientation are left as they are.
void DiagramFromBoard(const Board &board, Diagram &diagram);
