// The floors: whitening and packing the canvas (for composing and encoding a picture), and
// writing files of a picture's size (for a batch). A batch benchmark compares itself with
// BM_FileWritingFloor/900, or calls WriteFilesFloor for the same count in its own run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "bench/floors.h"
#include "render/canvas.h"
#include "render/makebmp.h"

void WhitenAndPack() {
  OpenCanvas();
  std::memset(Dot, 0, CanvasBytes);
  std::vector<uint8_t> bytes = EncodeBMP(1);
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

double SecondsPerCall(void (*f)()) {
  std::vector<double> rounds;
  for (int r = 0; r < 7; r++) {
    double start = ThreadSeconds();
    for (int i = 0; i < 50; i++) f();
    rounds.push_back((ThreadSeconds() - start) / 50);
  }
  std::nth_element(rounds.begin(), rounds.begin() + 3, rounds.end());
  return rounds[3];
}

namespace {
void BM_WhitenAndPackFloor(benchmark::State &state) {
  for (auto _ : state) WhitenAndPack();
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
