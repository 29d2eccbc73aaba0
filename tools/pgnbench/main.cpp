// The PGN benchmark's two halves as a program, so that other PGN tools can be timed on the same
// file: "pgnbench write GAMES SEED FILE" writes random games, "pgnbench fens FILE" reads a PGN
// file and prints the FEN of every position of every game (damaged games go to stderr).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "chess/fen.h"
#include "chess/pgn.h"
#include "files/atomicwrite.h"
#include "tools/pgnbench/randomgames.h"

namespace {
int WriteGames(int games, uint32_t seed, const char *path) {
  std::string text = randomgames::RandomGames(games, seed);
  std::string why;
  if (!WriteFileAtomically(path, text, &why)) {
    std::fprintf(stderr, "pgnbench: cannot write %s: %s\n", path, why.c_str());
    return 1;
  }
  return 0;
}

int PrintFENs(const char *path) {
  std::FILE *file = std::strcmp(path, "-") ? std::fopen(path, "rb") : stdin;
  if (!file) {
    std::fprintf(stderr, "pgnbench: cannot open %s\n", path);
    return 1;
  }
  PGNSource source;
  OpenPGNSource(&source, file);
  PGNGame game;
  std::string why, out;
  int read, damaged = 0;
  while ((read = ReadPGNGame(&source, &game, &why)) != 0) {
    if (read < 0) {
      std::fprintf(stderr, "%s\n", why.c_str());
      damaged++;
      continue;
    }
    for (const Board &board : game.positions) out += WriteFEN(board), out += '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
    out.clear();
  }
  if (file != stdin) std::fclose(file);
  return damaged ? 1 : 0;
}
}  // namespace

int main(int argc, char **argv) {
  if (argc == 5 && std::strcmp(argv[1], "write") == 0)
    return WriteGames(std::atoi(argv[2]), static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)),
                      argv[4]);
  if (argc == 3 && std::strcmp(argv[1], "fens") == 0) return PrintFENs(argv[2]);
  std::fprintf(stderr, "usage: pgnbench write GAMES SEED FILE | pgnbench fens FILE\n");
  return 2;
}
