#pragma once
// PGN: games as databases and web sites export them. The reader streams a file game by game.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "chess/board.h"
#include "chess/move.h"

struct PGNGame {
  int number = 0;                                           // 1-based number of the game in its input
  std::vector<std::pair<std::string, std::string>> tags;   // in file order, values unescaped, UTF-8
  std::vector<Board> positions;                             // [0] the start, [p] after ply p
  std::vector<Move> moves;                                  // [p] the move of ply p + 1
  std::vector<std::string> san;                             // [p] its SAN as WriteSAN writes it
  std::string result;                                       // "1-0", "0-1", "1/2-1/2", "*" or ""
};

// The value of a tag, or "" when the game has none.
std::string PGNTag(const PGNGame &game, const std::string &name);

// A game whose text is longer than this is refused and skipped.
constexpr long MaxPGNGameBytes = 1 << 20;

// Where games come from: a FILE* read in blocks, and what the reader has seen so far. It holds
// one block of the input and one move's text, never a whole game's.
struct PGNSource {
  std::FILE *file = nullptr;
  std::vector<char> block;  // bytes read and not yet used are block[at, end)
  size_t at = 0, end = 0;
  bool started = false;     // the byte-order mark has been looked for
  bool lineStart = true;    // the next byte begins a line
  int games = 0;            // games begun so far
  long gameBytes = 0;       // bytes of the game being read
};

// Readies the source to read the file from its start (every source is opened by this).
void OpenPGNSource(PGNSource *source, std::FILE *file);
// 1: *game holds the next game; 0: the input has no more games; -1: the next game is damaged,
// *why names the game number, the move number and the move text (e.g. "game 3, move 12...:
// Rxe4 is illegal"), and the following call goes on with the game after it.
int ReadPGNGame(PGNSource *source, PGNGame *game, std::string *why);
