// Fuzzing the PGN reader: whatever the bytes, it ends; every game it accepts replays (each
// position is the one before with its move played, the move is legal, its SAN is WriteSAN's and
// reads back as the same move); every refusal says why.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "chess/move.h"
#include "chess/pgn.h"
#include "chess/san.h"

namespace {
bool SameBoard(const Board &a, const Board &b) {
  return std::memcmp(a.man, b.man, sizeof a.man) == 0 && a.side == b.side &&
         a.castling == b.castling && a.enPassant == b.enPassant && a.halfMoves == b.halfMoves &&
         a.fullMoves == b.fullMoves;
}

bool IsLegal(const Board &board, const Move &move) {
  Move moves[MaxMoves];
  int count = LegalMoves(board, moves);
  for (int k = 0; k < count; k++)
    if (moves[k] == move) return true;
  return false;
}

void CheckGame(const PGNGame &game) {
  if (game.positions.size() != game.moves.size() + 1 || game.san.size() != game.moves.size())
    std::abort();
  for (size_t p = 0; p < game.moves.size(); p++) {
    const Board &before = game.positions[p];
    const Move &move = game.moves[p];
    if (!IsLegal(before, move)) std::abort();
    Board after = before;
    MakeMove(&after, move);
    if (!SameBoard(after, game.positions[p + 1])) std::abort();
    if (WriteSAN(before, move) != game.san[p]) std::abort();
    Move back;
    std::string why;
    if (!ReadSAN(before, game.san[p], &back, &why) || !(back == move)) std::abort();
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
    if (++games > size) std::abort();  // every game takes at least one byte
    if (read < 0) {
      if (why.empty()) std::abort();
      why.clear();
      continue;
    }
    CheckGame(game);
  }
  std::fclose(file);
  return 0;
}
