#pragma once
// PGN: games as databases and web sites export them. The reader streams a file game by game.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "chess/board.h"
#include "chess/move.h"

// A variation: moves written in parentheses instead of the move before them in the line it
// branches from. Its path names it: the main line's variations are "1", "2", "3" ... in the order
// written, the variations inside variation "2" are "2.1", "2.2" ..., and so on down.
struct PGNVariation {
  std::string path;
  int firstPly = 0;               // the ply of the game its first move plays (1 for the first move)
  std::vector<Board> positions;   // [0] where its first move is played (a position of the line it
                                  // branches from), [k] after ply firstPly + k - 1
  std::vector<Move> moves;        // [k] the move of ply firstPly + k
  std::vector<std::string> san;   // [k] its SAN as WriteSAN writes it (when the source writes them)
};

struct PGNGame {
  int number = 0;                                           // 1-based number of the game in its input
  std::vector<std::pair<std::string, std::string>> tags;   // in file order, values unescaped, UTF-8
  std::vector<Board> positions;                             // [0] the start, [p] after ply p
  std::vector<Move> moves;                                  // [p] the move of ply p + 1 (NullMove: "--")
  std::vector<std::string> san;                             // [p] its SAN as WriteSAN writes it
                                                            // (empty when the source writes none)
  std::string result;                                       // "1-0", "0-1", "1/2-1/2", "*" or ""
  std::vector<PGNVariation> variations;  // when the source reads them: depth-first, in the order
                                         // written (a variation before those inside it)
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
  long line = 1;            // the line of the next byte, from 1
  int games = 0;            // games begun so far
  long gameBytes = 0;       // bytes of the game being read
  bool variations = false;  // keep the moves and positions of variations (set after opening)
  bool san = true;          // write each move's SAN into the game (a reader that needs only the
                            // positions and moves clears it after opening: it costs a check test)
};

// Readies the source to read the file from its start (every source is opened by this).
void OpenPGNSource(PGNSource *source, std::FILE *file);
// 1: *game holds the next game; 0: the input has no more games; -1: the next game is damaged,
// *why names the line, the game number, the variation when there is one, the move number and the
// move as written (e.g. "line 40, game 3, move 12...: Rxe4 is illegal", or "line 31, game 4:
// the variant Atomic is not supported"): a caller puts "FILE: " in front. The following call
// goes on with the game after it. A game is its tag section and its moves: a damaged tag line
// is a fault of its game, a line in a comment is the comment's unless it is a whole tag pair of
// a next game after a comment never closed; game numbers count every game, refused or not.
// The Variant tag may be absent, "Standard", "Chess" or Chess960 ("Chess960", "Fischerandom",
// in any case); any other variant refuses the game.
int ReadPGNGame(PGNSource *source, PGNGame *game, std::string *why);
