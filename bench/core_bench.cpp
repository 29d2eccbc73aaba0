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
#include <memory>
#include <string>

#include "bench/floors.h"
#include "files/atomicwrite.h"
#include "files/brd.h"
#include "render/makebmp.h"

namespace {
// The full board with coordinates at the medium size, and a canvas to draw it on.
struct Picture {
  const Diagram diagram = FullBoard();
  PictureSettings settings;
  std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();
  Picture() { settings.Coords = 1; }

  void ComposeAndEncode() {
    Compose(diagram, settings, *canvas);
    std::vector<uint8_t> bytes = EncodeBMP(*canvas, settings);
    benchmark::DoNotOptimize(bytes.data());
  }
};

void ComposeAndEncode(benchmark::State &state) {
  Picture p;
  for (auto _ : state) p.ComposeAndEncode();
  // The ratio to the floor, both timed here one after the other.
  state.counters["per_floor"] = SecondsPerCall([&] { p.ComposeAndEncode(); }) /
                                SecondsPerCall([&] { WhitenAndPack(*p.canvas); });
}
BENCHMARK(ComposeAndEncode)->Unit(benchmark::kMicrosecond);

void ComposeOnly(benchmark::State &state) {
  Picture p;
  for (auto _ : state) Compose(p.diagram, p.settings, *p.canvas);
}
BENCHMARK(ComposeOnly)->Unit(benchmark::kMicrosecond);

// The whole save of a picture: composed, encoded, written to a temporary name and renamed.
void WritePictureFile(benchmark::State &state) {
  Picture p;
  std::string folder = (std::filesystem::temp_directory_path() / "bs-bench-XXXXXX").string();
  if (!mkdtemp(folder.data())) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string path = folder + "/full.bmp";
  for (auto _ : state)
    if (!WriteFileAtomically(path, MakeBMPFile(p.diagram, p.settings, *p.canvas), nullptr))
      state.SkipWithError("picture not written");
  std::filesystem::remove_all(folder);
}
BENCHMARK(WritePictureFile)->Unit(benchmark::kMicrosecond);

void PositionFileText(benchmark::State &state) {
  Picture p;
  for (auto _ : state) benchmark::DoNotOptimize(MakeBRDFile(p.diagram, p.settings));
}
BENCHMARK(PositionFileText)->Unit(benchmark::kMicrosecond);

void PositionFileRead(benchmark::State &state) {
  Picture p;
  std::string text = MakeBRDFile(p.diagram, p.settings);
  for (auto _ : state)
    if (!ReadBRDText(text)) state.SkipWithError("position file not read");
}
BENCHMARK(PositionFileRead)->Unit(benchmark::kMicrosecond);

void EncodeOnly(benchmark::State &state) {
  Picture p;
  Compose(p.diagram, p.settings, *p.canvas);
  for (auto _ : state) {
    std::vector<uint8_t> bytes = EncodeBMP(*p.canvas, p.settings);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(EncodeOnly)->Unit(benchmark::kMicrosecond);
}  // namespace
