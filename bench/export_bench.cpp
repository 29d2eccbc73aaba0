// Speed of a batch export: 900 positions from a FEN list written as pictures, in process.
//
// Targets, as counters measured in the same run (read the medians of
// --benchmark_repetitions=5 --benchmark_report_aggregates_only=true):
//   BM_ExportBatch/1  per_floor <= 4: one thread against writing 900 files of a picture's size;
//   BM_ExportBatchThreads  speedup >= 1.5: two threads against one.
// Files go to a memory-backed folder when there is one, so that the disk's flushes, the same
// for every writer, do not drown the differences.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/floors.h"
#include "chess/fen.h"
#include "exporter/batch.h"
#include "model/diagram.h"

namespace {
constexpr int BatchSize = 900;

// A folder for the run, in /dev/shm when the system has it.
std::string TempFolder() {
  std::string base = std::filesystem::is_directory("/dev/shm")
                         ? std::string("/dev/shm")
                         : std::filesystem::temp_directory_path().string();
  std::string folder = base + "/bs-batch-XXXXXX";
  return mkdtemp(folder.data()) ? folder : "";
}

// count FEN lines of positions with both kings and up to twenty other men, the same every run.
void WriteList(const std::string &path, int count) {
  std::ofstream out(path);
  unsigned seed = 12345;
  auto next = [&seed](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  const int8_t Others[] = {WQ, WR, WB, WN, WP, BQ, BR, BB, BN, BP};
  for (int i = 0; i < count; i++) {
    Board board{};
    board.enPassant = -1;
    board.fullMoves = 1;
    board.man[next(64)] = WK;
    unsigned s;
    do s = next(64);
    while (board.man[s]);
    board.man[s] = BK;
    for (unsigned k = next(21); k > 0; k--) {
      s = next(64);
      int8_t man = Others[next(10)];
      if ((man == WP || man == BP) && (s < 8 || s >= 56)) man = WN;
      if (!board.man[s]) board.man[s] = man;
    }
    board.side = next(2) ? 0 : 1;
    out << WriteFEN(board) << "\n";
  }
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Wall seconds of one in-process export of the list into folder with the given threads.
double BatchSeconds(const std::string &list, const std::string &folder, int threads) {
  ExportOptions o;
  o.sources.push_back({Source::List, list});
  o.pattern = folder + "/{n}.bmp";
  o.jobs = threads;
  o.quiet = true;
  FILE *none = std::fopen("/dev/null", "w");
  auto start = std::chrono::steady_clock::now();
  int status = RunExport(o, none, none);
  double seconds = Seconds(start);
  std::fclose(none);
  return status == 0 ? seconds : -1.0;
}

void BM_ExportBatch(benchmark::State &state) {
  std::string folder = TempFolder(), list = folder + "/list.fen";
  WriteList(list, BatchSize);
  double batch = 0, floor = 0;
  for (auto _ : state) {
    double seconds = BatchSeconds(list, folder, static_cast<int>(state.range(0)));
    auto start = std::chrono::steady_clock::now();
    bool floorWritten = WriteFilesFloor(folder, BatchSize);
    floor += Seconds(start);
    if (seconds < 0 || !floorWritten) state.SkipWithError("a file was not written");
    batch += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["per_floor"] = batch / floor;
  state.SetItemsProcessed(state.iterations() * BatchSize);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ExportBatch)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ExportBatchThreads(benchmark::State &state) {
  std::string folder = TempFolder(), list = folder + "/list.fen";
  WriteList(list, BatchSize);
  double one = 0, two = 0;
  for (auto _ : state) {
    double a = BatchSeconds(list, folder, 1), b = BatchSeconds(list, folder, 2);
    if (a < 0 || b < 0) state.SkipWithError("a file was not written");
    one += a, two += b;
    state.SetIterationTime(b);
  }
  state.counters["speedup"] = one / two;
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ExportBatchThreads)->UseManualTime()->Unit(benchmark::kMillisecond);
}  // namespace
