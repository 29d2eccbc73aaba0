#pragma once
// Which squares the men attack.
#include "chess/board.h"

// Does a man of side (0 white, 1 black) attack the square?
bool SquareAttacked(const Board &board, int square, int side);
// Is the king of side attacked? A side without a king, or with more than one, is in check when
// any of its kings is.
bool InCheck(const Board &board, int side);
