#pragma once
// The positions the options choose from a PGN file, read game by game.
#include <cstdio>
#include <functional>
#include <string>

#include "chess/board.h"
#include "exporter/options.h"

// A chosen position of a game, or a game that could not give one.
struct GameFind {
  std::string input;    // "games.pgn game 3 ply 10"
  Board board{};
  int game = 0, ply = 0;
  std::string failure;  // set when the game is damaged or has no such ply
};

// Reads the games of f (named label in messages) and gives each position that --game, --ply
// and --every-ply choose to found, in the file's order. Stops reading once the chosen game is
// done.
void ReadGames(FILE *f, const std::string &label, const ExportOptions &options,
               const std::function<void(GameFind &&)> &found);
