#include "model/diagram.h"

#include <algorithm>

bool operator==(const Diagram &a, const Diagram &b) {
  return std::equal(a.Pos, a.Pos + 64, b.Pos) && a.NArrows == b.NArrows && a.Flipped == b.Flipped &&
         a.SideToMove == b.SideToMove && a.Castling == b.Castling && a.EnPassant == b.EnPassant &&
         a.HalfMoves == b.HalfMoves && a.FullMoves == b.FullMoves && a.NullMove == b.NullMove &&
         std::equal(a.Arr, a.Arr + a.ArrowCount(), b.Arr, [](const int32_t (&x)[4], const int32_t (&y)[4]) {
           return std::equal(x, x + 4, y);
         });
}
