// Speed of the headless core: a full picture composed and encoded, written to a file, and the
// position file written and read.
//
// Target: composing and encoding the full board costs at most 4 times the floor of whitening and
// packing the canvas (the counter per_floor, measured in the same run; run with
// --benchmark_repetitions=5 --benchmark_report_aggregates_only=true and read the medians).
// Measured on the shared 2-core build machine, December 2026: 72 us against a floor of 19 us
// (processor time), per_floor 3.9 to 4.0; it was 7.7 before the composer was reworked.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/floors.h"
#include "files/brd.h"
#include "files/paths.h"
#include "model/model.h"
#include "render/makebmp.h"

namespace {
// The start position (32 men) with 32 arrows of every kind: files, ranks, diagonals and
// knight moves, in both directions.
void FullBoard() {
  Flipped = 0;
  StartPosition(nullptr);
  Dpi = 2, PicSiz = 4.0f, Theme = 0;
  const int32_t moves[8][2] = {{0, 3}, {3, 0}, {2, 2}, {-2, 2}, {1, 2}, {2, -1}, {-1, -2}, {-2, 1}};
  NArrows = 0;
  for (int i = 0; i < MaxArrows; i++) {
    int c = i % 4 + 2, r = i / 4 % 4 + 2;
    const int32_t *m = moves[i % 8];
    int32_t arrow[4] = {c, r, c + m[0], r + m[1]};
    for (int k = 0; k < 4; k++) Arr[i][k] = arrow[k];
    NArrows++;
  }
}

void ComposeAndEncodeOnce() {
  ComposeDiagram(1);
  std::vector<uint8_t> bytes = EncodeBMP(1);
  benchmark::DoNotOptimize(bytes.data());
}

void ComposeAndEncode(benchmark::State &state) {
  FullBoard();
  for (auto _ : state) ComposeAndEncodeOnce();
  // The ratio to the floor, both timed here one after the other.
  state.counters["per_floor"] = SecondsPerCall(ComposeAndEncodeOnce) / SecondsPerCall(WhitenAndPack);
}
BENCHMARK(ComposeAndEncode)->Unit(benchmark::kMicrosecond);

void ComposeOnly(benchmark::State &state) {
  FullBoard();
  for (auto _ : state) ComposeDiagram(1);
}
BENCHMARK(ComposeOnly)->Unit(benchmark::kMicrosecond);

// The whole save of a picture: composed, encoded, written to a temporary name and renamed.
void WritePictureFile(benchmark::State &state) {
  FullBoard();
  std::string folder = (std::filesystem::temp_directory_path() / "bs-bench-XXXXXX").string();
  if (!mkdtemp(folder.data())) {
    state.SkipWithError("no temporary folder");
    return;
  }
  BMPFile = folder + "/full.bmp";
  for (auto _ : state)
    if (!MakeBMPFile(1)) state.SkipWithError("picture not written");
  std::filesystem::remove_all(folder);
}
BENCHMARK(WritePictureFile)->Unit(benchmark::kMicrosecond);

void PositionFileText(benchmark::State &state) {
  FullBoard();
  for (auto _ : state) benchmark::DoNotOptimize(BRDText(1));
}
BENCHMARK(PositionFileText)->Unit(benchmark::kMicrosecond);

void PositionFileRead(benchmark::State &state) {
  FullBoard();
  std::string text = BRDText(1);
  for (auto _ : state)
    if (!ReadBRDText(text)) state.SkipWithError("position file not read");
}
BENCHMARK(PositionFileRead)->Unit(benchmark::kMicrosecond);
}  // namespace

namespace {
void EncodeOnly(benchmark::State &state) {
  FullBoard();
  ComposeDiagram(1);
  for (auto _ : state) {
    std::vector<uint8_t> bytes = EncodeBMP(1);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(EncodeOnly)->Unit(benchmark::kMicrosecond);
}  // namespace
