// The positions chosen from a PGN file.
#include "exporter/games.h"

#include "chess/pgn.h"

namespace {
void Fail(const std::function<void(GameFind &&)> &found, const std::string &input,
          const std::string &message, int game) {
  GameFind find;
  find.input = input;
  find.failure = message;
  find.game = game;
  found(std::move(find));
}
}  // namespace

void ReadGames(FILE *f, const std::string &label, const ExportOptions &o,
               const std::function<void(GameFind &&)> &found) {
  // Without --game: the first game, or every game with --every-ply.
  int wanted = o.game ? o.game : o.everyPly ? 0 : 1;
  PGNSource source;
  OpenPGNSource(&source, f);
  PGNGame game;
  std::string why;
  int number = 0;
  for (;;) {
    int r = ReadPGNGame(&source, &game, &why);
    if (r == 0) break;
    number++;
    if (wanted && number < wanted) continue;
    std::string input = label + " game " + std::to_string(number);
    if (r < 0) {
      Fail(found, input, label + ": " + why, number);  // why names the game and the move
    } else {
      int plies = static_cast<int>(game.positions.size()) - 1;
      int first = o.everyPly ? 0 : o.ply < 0 ? plies : o.ply;
      int last = o.everyPly ? plies : first;
      if (first > plies)
        Fail(found, input, input + ": no ply " + std::to_string(first) + ": the game has " +
                               std::to_string(plies) + (plies == 1 ? " ply" : " plies"), number);
      for (int p = first; p <= last && p <= plies; p++) {
        GameFind find;
        find.input = input + " ply " + std::to_string(p);
        find.board = game.positions[p];
        find.game = number, find.ply = p;
        found(std::move(find));
      }
    }
    if (wanted) return;
  }
  if (wanted > number)
    Fail(found, label, label + ": no game " + std::to_string(wanted) + ": the file holds " +
                           std::to_string(number) + (number == 1 ? " game" : " games"), wanted);
}
