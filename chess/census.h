#pragma once
// Counting the men of each side against what a game can give: the start's men, and a promoted
// man for each pawn that is missing.
#include <string>

#include "chess/board.h"

// The first count no game reaches, as a line of the diagram check (without its line end):
// "? White has 18 men: at most 16", "? Black has 9 pawns: at most 8",
// "? White has 3 queens and 8 pawns: at most 0 promoted men". Queens, rooks, bishops and knights
// beyond the start's (1, 2, 2, 2) must be promoted pawns, so together they are at most the pawns
// missing from 8. White is counted first. Kings are not counted here. "" when every count can
// be reached.
std::string ImpossibleCount(const Board &board);
