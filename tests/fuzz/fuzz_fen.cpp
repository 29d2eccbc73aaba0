// Fuzz target: the FEN reader. A refusal gives a reason and leaves the board as it was; an
// accepted board holds men, rights and counters in range (no castling right its king and rook
// do not allow, an en-passant square only on the rank behind the side that just moved); the
// FEN written for it reads back to the same board and the same FEN; EPD operations are the end
// of the text as written; and a standard board put into the diagram, either way up, comes back
// (a Chess960 board's castling rights are more than the diagram keeps).
#include <cstddef>
#include <cstdint>
#include <string>

#include "chess/diagram.h"
#include "chess/fen.h"
#include "tests/fuzz/diagram.h"

using fuzz::Require;
using fuzz::SameBoard;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  // A board unlike what most texts give, to see that a refusal leaves it alone.
  static const Board busy = [] {
    Board b{};
    Require(ReadFEN("r3k2r/pppq1ppp/8/3pP3/8/8/PPP2PPP/R3K2R w KQkq d6 3 17", &b, nullptr),
            "the busy board is read");
    return b;
  }();
  Board board = busy;
  std::string why, operations;
  if (!ReadFEN(text, &board, &why, &operations)) {
    Require(!why.empty(), "a refusal gives a reason");
    Require(SameBoard(board, busy), "a refusal leaves the board as it was");
    return 0;
  }

  for (int8_t man : board.man) Require(man == 0 || (man >= WK && man <= BP), "squares hold men or nothing");
  Require(board.side == 0 || board.side == 1, "white or black is to move");
  Require((board.castling & ~CastlingFromMen(board)) == 0, "castling only where king and rook stand");
  Require(board.enPassant == -1 || RankOf(board.enPassant) == (board.side == 0 ? 5 : 2),
          "an en-passant square lies behind the side that just moved");
  Require(board.halfMoves >= 0 && board.halfMoves <= 999999, "the half-move clock has six digits");
  Require(board.fullMoves >= 1 && board.fullMoves <= 999999, "the move number is 1 or more");
  Require(operations.empty() || text.find(operations) != std::string::npos,
          "EPD operations are the text as written");

  const std::string fen = WriteFEN(board);
  Board again = busy;
  std::string rest = "untouched";
  Require(ReadFEN(fen, &again, &why, &rest), "a written FEN reads back");
  Require(SameBoard(again, board), "a written FEN gives the board it was written from");
  Require(rest.empty() && WriteFEN(again) == fen, "write, read, write gives the same FEN");

  if (board.chess960) return 0;  // the diagram keeps standard castling rights only
  for (int32_t flipped : {0, 1}) {
    Diagram diagram;
    diagram.Flipped = flipped;
    DiagramFromBoard(board, diagram);
    Board back = BoardFromDiagram(diagram);
    // The diagram keeps an en-passant square only where a pawn has just passed it.
    Require(back.enPassant == board.enPassant || back.enPassant == -1, "the diagram keeps en passant");
    back.enPassant = board.enPassant;
    Require(SameBoard(back, board), "the diagram gives the board back");
  }
  return 0;
}
