// Fuzzing the PGN reader: whatever the bytes, it ends; every game it accepts replays (each
// position is the one before with its move played, the move is legal, its SAN is WriteSAN's and
// reads back as the same move); every refusal says why.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "chess/move.h"
#include "chess/pgn.h"
#include "chess/san.h"
#include "tests/fuzz/diagram.h"

using fuzz::Require;
using fuzz::SameBoard;

namespace {
bool IsLegal(const Board &board, const Move &move) {
  Move moves[MaxMoves];
  const int count = LegalMoves(board, moves);
  return std::find(moves, moves + count, move) != moves + count;
}

void CheckGame(const PGNGame &game) {
  Require(game.positions.size() == game.moves.size() + 1 && game.san.size() == game.moves.size(),
          "a game has a position before and after each move and a SAN for each");
  for (size_t p = 0; p < game.moves.size(); p++) {
    const Board &before = game.positions[p];
    const Move &move = game.moves[p];
    Require(IsLegal(before, move), "every move is legal");
    Board after = before;
    MakeMove(&after, move);
    Require(SameBoard(after, game.positions[p + 1]), "each position is the one before with its move played");
    Require(WriteSAN(before, move) == game.san[p], "a move's SAN is WriteSAN's");
    Move back;
    std::string why;
    Require(ReadSAN(before, game.san[p], &back, &why) && back == move, "a SAN reads back as its move");
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  std::FILE *file = fmemopen(const_cast<uint8_t *>(data), size, "rb");
  if (!file) return 0;
  PGNSource source;
  OpenPGNSource(&source, file);
  PGNGame game;
  std::string why;
  size_t games = 0;
  for (int read; (read = ReadPGNGame(&source, &game, &why)) != 0;) {
    Require(++games <= size, "every game takes at least one byte");
    if (read < 0) {
      Require(!why.empty(), "a refusal gives a reason");
      why.clear();
      continue;
    }
    CheckGame(game);
  }
  std::fclose(file);
  return 0;
}
