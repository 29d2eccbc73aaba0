#include "model/diagram.h"

#include <algorithm>

bool operator==(const Diagram &a, const Diagram &b) {
  return std::equal(a.Pos, a.Pos + 64, b.Pos) && a.NArrows == b.NArrows && a.Flipped == b.Flipped &&
         a.SideToMove == b.SideToMove && a.Castling == b.Castling && a.EnPassant == b.EnPassant &&
         a.HalfMoves == b.HalfMoves && a.FullMoves == b.FullMoves && a.NullMove == b.NullMove &&
         std::equal(a.Arr[0], a.Arr[0] + 4 * a.ArrowCount(), b.Arr[0]);
}
