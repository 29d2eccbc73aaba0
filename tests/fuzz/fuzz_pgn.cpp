// Fuzzing the PGN reader: whatever the bytes, it ends; every game it accepts replays, and so
// does each of its variations (each position is the one before with its move played, the move
// is legal or a null move, its SAN is WriteSAN's and reads back as the same move); every
// refusal says why.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

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

void CheckLine(const std::vector<Board> &positions, const std::vector<Move> &moves,
               const std::vector<std::string> &sans) {
  Require(positions.size() == moves.size() + 1 && sans.size() == moves.size(),
          "a line has a position before and after each move and a SAN for each");
  for (size_t p = 0; p < moves.size(); p++) {
    const Board &before = positions[p];
    const Move &move = moves[p];
    Require(IsNullMove(move) || IsLegal(before, move), "every move is legal or a null move");
    Require(positions[p + 1].nullMove == IsNullMove(move), "a position says whether a null move led to it");
    Board after = before;
    MakeMove(&after, move);
    Require(SameBoard(after, positions[p + 1]), "each position is the one before with its move played");
    Require(WriteSAN(before, move) == sans[p], "a move's SAN is WriteSAN's");
    Move back;
    std::string why;
    Require(ReadSAN(before, sans[p], &back, &why) && back == move, "a SAN reads back as its move");
  }
}

void CheckGame(const PGNGame &game) {
  CheckLine(game.positions, game.moves, game.san);
  for (const PGNVariation &v : game.variations) {
    Require(!v.path.empty() && v.firstPly >= 1, "a variation has a path and a first ply");
    CheckLine(v.positions, v.moves, v.san);
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  std::FILE *file = fmemopen(const_cast<uint8_t *>(data), size, "rb");
  if (!file) return 0;
  PGNSource source;
  OpenPGNSource(&source, file);
  source.variations = size % 2 == 0;  // half the inputs read their variations too
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
