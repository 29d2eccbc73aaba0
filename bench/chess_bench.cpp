// Speed of the chess core: FEN read and written for a full position (target: 1 µs each),
// perft, and a PGN file of random games replayed with every position's FEN written.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "chess/fen.h"
#include "chess/move.h"
#include "chess/pgn.h"
#include "files/atomicwrite.h"
#include "tools/pgnbench/randomgames.h"

namespace {
const std::string Middlegame = "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N2N2/PP2BPPP/R2QKB1R w KQ - 2 9";
const std::string Opening = StartFEN;

void ReadFENFull(benchmark::State &state) {
  Board board;
  std::string why;
  for (auto _ : state) {
    bool read = ReadFEN(Opening, &board, &why);
    benchmark::DoNotOptimize(read);
    benchmark::DoNotOptimize(board);
  }
}
BENCHMARK(ReadFENFull);

void WriteFENFull(benchmark::State &state) {
  Board board;
  ReadFEN(Middlegame, &board, nullptr);
  for (auto _ : state) {
    std::string fen = WriteFEN(board);
    benchmark::DoNotOptimize(fen.data());
  }
}
BENCHMARK(WriteFENFull);
}  // namespace

// Perft: the legal move generator counting leaves. Start position depth 5 (4,865,609 leaves)
// and "Kiwipete" depth 4 (4,085,603), in leaves per second.
namespace {
void PerftFrom(benchmark::State &state, const std::string &fen, int depth, uint64_t leaves) {
  Board board;
  ReadFEN(fen, &board, nullptr);
  uint64_t counted = 0;
  for (auto _ : state) {
    uint64_t n = Perft(board, depth);
    if (n != leaves) state.SkipWithError("wrong leaf count");
    counted += n;
  }
  state.counters["leaves/s"] = benchmark::Counter(static_cast<double>(counted), benchmark::Counter::kIsRate);
}

void PerftStart5(benchmark::State &state) { PerftFrom(state, Opening, 5, 4865609); }
BENCHMARK(PerftStart5)->Unit(benchmark::kMillisecond);

void PerftKiwipete4(benchmark::State &state) {
  PerftFrom(state, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 4, 4085603);
}
BENCHMARK(PerftKiwipete4)->Unit(benchmark::kMillisecond);

// 3000 random games (the same every run, about 2.5 MB), written once to a temporary file.
const std::string &GamesFile() {
  static std::string path;
  if (path.empty()) {
    path = (std::filesystem::temp_directory_path() / "boardsmith-bench-games.pgn").string();
    std::string why;
    if (!WriteFileAtomically(path, randomgames::RandomGames(3000, 2026), &why)) path = "/nonexistent";
  }
  return path;
}

// Reading, replaying and writing every position's FEN, as a PGN tool converting a file would.
// Compared with pgn-extract by bench/pgn_vs_pgnextract.sh (goal: at most half its time).
void ReadPGNWithEveryFEN(benchmark::State &state) {
  const std::string &path = GamesFile();
  uint64_t positions = 0;
  for (auto _ : state) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) return state.SkipWithError("the games file could not be written");
    PGNSource source;
    OpenPGNSource(&source, file);
    PGNGame game;
    std::string why, fens;
    for (int read; (read = ReadPGNGame(&source, &game, &why)) != 0;) {
      if (read < 0) state.SkipWithError(why.c_str());
      for (const Board &board : game.positions) fens += WriteFEN(board), fens += '\n';
      positions += game.positions.size();
      benchmark::DoNotOptimize(fens.data());
      fens.clear();
    }
    std::fclose(file);
  }
  state.counters["positions/s"] = benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
}
BENCHMARK(ReadPGNWithEveryFEN)->Unit(benchmark::kMillisecond);

// The floor: the same file read in blocks and its lines counted.
void ReadPGNBytesOnly(benchmark::State &state) {
  const std::string &path = GamesFile();
  for (auto _ : state) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) return state.SkipWithError("the games file could not be written");
    char block[1 << 16];
    size_t lines = 0;
    for (size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
      for (size_t k = 0; k < got; k++) lines += block[k] == '\n';
    benchmark::DoNotOptimize(lines);
    std::fclose(file);
  }
}
BENCHMARK(ReadPGNBytesOnly)->Unit(benchmark::kMillisecond);
}  // namespace
