// The positions chosen from a PGN file.
#include "exporter/games.h"

#include "chess/pgn.h"

namespace {
using Found = std::function<void(GameFind &&)>;

void Fail(const Found &found, const std::string &input, const std::string &message, int game,
          long bytes) {
  GameFind find;
  find.input = input;
  find.failure = message;
  find.game = game;
  find.bytesRead = bytes;
  found(std::move(find));
}

std::string Plies(int plies) { return std::to_string(plies) + (plies == 1 ? " ply" : " plies"); }

// The positions of one game that the options choose.
void GivePositions(PGNGame &game, const std::string &input, const ExportOptions &o, long bytes,
                   const Found &found) {
  const int plies = static_cast<int>(game.positions.size()) - 1;
  auto Give = [&](const Board &board, int ply, const std::string &line) {
    GameFind find;
    find.input = input + " ply " + std::to_string(ply) + (line.empty() ? "" : " line " + line);
    find.board = board;
    find.game = game.number, find.ply = ply;
    find.line = line;
    find.bytesRead = bytes;
    found(std::move(find));
  };
  if (o.animate) {
    GameFind find;
    find.input = input;
    find.board = game.positions.back();
    find.game = game.number, find.ply = plies;
    find.positions = std::move(game.positions);
    find.moves.assign(1, NullMove);
    find.moves.insert(find.moves.end(), game.moves.begin(), game.moves.end());
    find.bytesRead = bytes;
    found(std::move(find));
    return;
  }
  if (!o.everyPly) {
    const int ply = o.ply < 0 ? plies : o.ply;
    if (ply > plies)
      Fail(found, input,
           input + ": no ply " + std::to_string(ply) + ": the game has " + Plies(plies),
           game.number, bytes);
    else
      Give(game.positions[ply], ply, "");
    return;
  }
  for (int p = 0; p <= plies; p++) Give(game.positions[p], p, "");
  // A variation's positions[0] is a position of the line it leaves, given there already.
  for (const PGNVariation &v : game.variations)
    for (size_t k = 1; k < v.positions.size(); k++)
      Give(v.positions[k], v.firstPly + static_cast<int>(k) - 1, v.path);
}
}  // namespace

void ReadGames(FILE *f, const std::string &label, const ExportOptions &o, const Found &found) {
  // Without --game: the first game, or every game with --every-ply.
  const int first = o.firstGame ? o.firstGame : 1;
  const int last = o.firstGame ? o.lastGame : o.everyPly ? 0 : 1;
  PGNSource source;
  OpenPGNSource(&source, f);
  source.variations = o.variations;
  source.san = false;  // positions and moves are all a picture or a FEN line needs
  PGNGame game;
  std::string why;
  int number = 0;
  long bytes = 0;
  for (;;) {
    int r = ReadPGNGame(&source, &game, &why);
    if (r == 0) break;
    number++;
    bytes += source.gameBytes;
    if (number < first) continue;
    const std::string input = label + " game " + std::to_string(number);
    if (r < 0)
      Fail(found, input, label + ": " + why, number, bytes);  // why names the game and the move
    else
      GivePositions(game, input, o, bytes, found);
    if (number == last) return;
  }
  if (number == 0)
    Fail(found, label, label + ": no games", 0, bytes);
  else if (first > number)
    Fail(found, label,
         label + ": no game " + std::to_string(first) + ": the file holds " +
             std::to_string(number) + (number == 1 ? " game" : " games"),
         first, bytes);
}
