// The diagram's men and the chess board, through the orientation.
#include "chess/diagram.h"

bool EnPassantStands(const Board &b, int square) {
  if (square < 0 || square > 63) return false;
  int rank = RankOf(square);
  if (b.side == 0 && rank == 5)
    return b.man[square] == 0 && b.man[square + 8] == 0 && b.man[square - 8] == BP;
  if (b.side == 1 && rank == 2)
    return b.man[square] == 0 && b.man[square - 8] == 0 && b.man[square + 8] == WP;
  return false;
}

int CellOf(int square, int flipped) {
  int column = FileOf(square), row = RankOf(square);
  if (flipped) column = 7 - column, row = 7 - row;
  return column * 8 + row;
}

Board BoardFromDiagram(const Diagram &d) {
  Board b{};
  for (int square = 0; square < 64; square++) {
    int code = d.Pos[CellOf(square, d.Flipped)];
    b.man[square] = static_cast<int8_t>(code >= WK && code <= BP ? code : 0);
  }
  b.side = static_cast<int8_t>(d.SideToMove ? 1 : 0);
  int allowed = CastlingFromMen(b);
  b.castling = static_cast<int8_t>(d.Castling < 0 ? allowed : d.Castling & allowed);
  b.enPassant = static_cast<int8_t>(EnPassantStands(b, d.EnPassant) ? d.EnPassant : -1);
  b.halfMoves = d.HalfMoves < 0 ? 0 : d.HalfMoves;
  b.fullMoves = d.FullMoves < 1 ? 1 : d.FullMoves;
  b.nullMove = static_cast<int8_t>(d.NullMove ? 1 : 0);
  return b;
}

void DiagramFromBoard(const Board &b, Diagram &d) {
  for (int square = 0; square < 64; square++) {
    int code = b.man[square];
    d.Pos[CellOf(square, d.Flipped)] = code >= WK && code <= BP ? code : Empty;
  }
  d.SideToMove = b.side ? 1 : 0;
  d.Castling = b.castling & 15;
  d.EnPassant = b.enPassant;
  d.HalfMoves = b.halfMoves;
  d.FullMoves = b.fullMoves;
  d.NullMove = b.nullMove ? 1 : 0;
}
