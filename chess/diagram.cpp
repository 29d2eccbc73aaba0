// The diagram's men and the chess board, through the orientation.
#include "chess/diagram.h"

#include "model/model.h"

namespace {
// An en-passant square stands behind a pawn of the side not to move that has just passed it,
// with the square it came from empty.
bool EnPassantStands(const Board &b, int square) {
  if (square < 0 || square > 63) return false;
  int rank = RankOf(square);
  if (b.side == 0 && rank == 5)
    return b.man[square] == 0 && b.man[square + 8] == 0 && b.man[square - 8] == BP;
  if (b.side == 1 && rank == 2)
    return b.man[square] == 0 && b.man[square - 8] == 0 && b.man[square + 8] == WP;
  return false;
}
}  // namespace

int CellOf(int square) {
  int column = FileOf(square), row = RankOf(square);
  if (Flipped) column = 7 - column, row = 7 - row;
  return column * 8 + row;
}

Board BoardFromDiagram() {
  Board b{};
  for (int square = 0; square < 64; square++) {
    int code = Pos[CellOf(square)];
    b.man[square] = static_cast<int8_t>(code >= WK && code <= BP ? code : 0);
  }
  b.side = static_cast<int8_t>(SideToMove ? 1 : 0);
  int allowed = CastlingFromMen(b);
  b.castling = static_cast<int8_t>(Castling < 0 ? allowed : Castling & allowed);
  b.enPassant = static_cast<int8_t>(EnPassantStands(b, EnPassant) ? EnPassant : -1);
  b.halfMoves = HalfMoves < 0 ? 0 : HalfMoves;
  b.fullMoves = FullMoves < 1 ? 1 : FullMoves;
  return b;
}

void DiagramFromBoard(const Board &b) {
  for (int square = 0; square < 64; square++) {
    int code = b.man[square];
    Pos[CellOf(square)] = code >= WK && code <= BP ? code : Empty;
  }
  SideToMove = b.side ? 1 : 0;
  Castling = b.castling & 15;
  EnPassant = b.enPassant;
  HalfMoves = b.halfMoves;
  FullMoves = b.fullMoves;
}
