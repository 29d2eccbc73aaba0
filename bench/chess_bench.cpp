// Speed of the chess core: FEN read and written for a full position (target: 1 µs each).
#include <benchmark/benchmark.h>

#include <string>

#include "chess/fen.h"

namespace {
const std::string Middlegame = "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N2N2/PP2BPPP/R2QKB1R w KQ - 2 9";
const std::string Opening = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

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
