// The floors: whitening and packing the canvas (for composing and encoding a picture), and
// writing files of a picture's size (for a batch); and the full board the picture benchmarks
// draw. A batch benchmark compares itself with BM_FileWritingFloor/900, or calls WriteFilesFloor
// for the same count in its own run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench/floors.h"
#include "model/presets.h"
#include "render/makebmp.h"

void WhitenAndPack(Canvas &canvas) {
  PictureSettings withCoordinates;
  withCoordinates.Coords = 1;
  std::memset(canvas.Dot, 0, sizeof canvas.Dot);
  std::vector<uint8_t> bytes = EncodeBMP(canvas, withCoordinates);
  benchmark::DoNotOptimize(bytes.data());
}

bool WriteFilesFloor(const std::string &folder, int count) {
  static const std::vector<char> bytes(45054, 'x');
  for (int i = 0; i < count; i++) {
    std::string name = folder + "/" + std::to_string(i) + ".bmp", temp = name + ".tmp";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) return false;
    bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    if (close(fd) != 0 || !written || rename(temp.c_str(), name.c_str()) != 0) return false;
  }
  return true;
}

// The thread's own processor time: on a machine shared with other work, wall time counts theirs.
double ThreadSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

double SecondsPerCall(const std::function<void()> &f) {
  std::vector<double> rounds;
  for (int r = 0; r < 7; r++) {
    double start = ThreadSeconds();
    for (int i = 0; i < 50; i++) f();
    rounds.push_back((ThreadSeconds() - start) / 50);
  }
  std::nth_element(rounds.begin(), rounds.begin() + 3, rounds.end());
  return rounds[3];
}

Diagram FullBoard() {
  Diagram d;
  StartPosition(d);
  const int32_t moves[8][2] = {{0, 3}, {3, 0}, {2, 2}, {-2, 2}, {1, 2}, {2, -1}, {-1, -2}, {-2, 1}};
  d.NArrows = MaxArrows;
  for (int i = 0; i < MaxArrows; i++) {
    int c = i % 4 + 2, r = i / 4 % 4 + 2;
    int32_t arrow[4] = {c, r, c + moves[i % 8][0], r + moves[i % 8][1]};
    for (int k = 0; k < 4; k++) d.Arr[i][k] = arrow[k];
  }
  return d;
}

namespace {
void BM_WhitenAndPackFloor(benchmark::State &state) {
  auto canvas = std::make_unique<Canvas>();
  for (auto _ : state) WhitenAndPack(*canvas);
}
BENCHMARK(BM_WhitenAndPackFloor)->Unit(benchmark::kMicrosecond);

void BM_FileWritingFloor(benchmark::State &state) {
  std::string folder = (std::filesystem::temp_directory_path() / "bs-floor-XXXXXX").string();
  if (!mkdtemp(folder.data())) {
    state.SkipWithError("no temporary folder");
    return;
  }
  for (auto _ : state)
    if (!WriteFilesFloor(folder, static_cast<int>(state.range(0)))) state.SkipWithError("a file was not written");
  std::filesystem::remove_all(folder);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FileWritingFloor)->Arg(900)->Unit(benchmark::kMillisecond);
}  // namespace
