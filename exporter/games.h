#pragma once
// The positions the options choose from a PGN file, read game by game.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "chess/board.h"
#include "chess/move.h"
#include "exporter/options.h"

// A chosen position of a game, a whole game to animate, or a game that could not give them.
struct GameFind {
  std::string input;  // "games.pgn game 3 ply 10", "games.pgn game 3 ply 10 line 2.1"
  Board board{};      // the position (an animated game's last)
  int game = 0, ply = 0;
  std::string line;  // the path of the position's variation; "" on the main line
  // An animated game: every position of its main line, and the move before each ([0] unused).
  std::vector<Board> positions;
  std::vector<Move> moves;
  std::string failure;  // set when the game is damaged or has no such ply
  long bytesRead = 0;   // of the input so far, about: for the progress line
};

// Reads the games of f (named label in messages) and gives each position that --game, --ply,
// --every-ply and --variations choose to found, in the file's order (with --every-ply the main
// line first, then each variation); an animated game is given once, whole. Stops reading after
// the last chosen game. A file without a game is a failure: "FILE: no games".
void ReadGames(FILE *f, const std::string &label, const ExportOptions &options,
               const std::function<void(GameFind &&)> &found);
