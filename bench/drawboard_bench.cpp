// A full repaint of the board view: 32 men and 32 arrows drawn into the main window's backing
// image. Target: under 2 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor/editor.h"
#include "model/model.h"
#include "platform/platform.h"

namespace {
// The run folder beside the benchmark program (build/run), so that the figures are loaded.
std::string RunFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("run") : (exe.parent_path() / "run").string();
}

HWND BenchWindow() {
  static HWND hwnd = nullptr;
  if (hwnd) return hwnd;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static char name[] = "bench";
  static char *argv[] = {name, nullptr};
  PlatformStart(1, argv);
  Init();
  StartFolder = RunFolder();
  hwnd = CreateMainWindow(SW_SHOWNORMAL);
  return hwnd;
}
}  // namespace

static void DrawBoardFull(benchmark::State &state) {
  HWND hwnd = BenchWindow();
  if (!hwnd) {
    state.SkipWithError("the main window could not be created");
    return;
  }
  StartPosition(nullptr);  // 32 men
  NArrows = MaxArrows;     // 32 arrows of every kind: lines, diagonals, knight moves
  for (int i = 0; i < MaxArrows; i++) {
    const int kinds[4][2] = {{0, 3}, {2, 2}, {2, 1}, {5, 0}};
    int c = i % 8, t = (i / 8) % 4;
    Arr[i][0] = c;
    Arr[i][1] = t;
    Arr[i][2] = (c + kinds[i % 4][0]) % 8;
    Arr[i][3] = t + kinds[i % 4][1];
  }
  HDC hdc = GetDC(hwnd);
  for (auto _ : state) DrawBoard(hdc);
  ReleaseDC(hwnd, hdc);
}
BENCHMARK(DrawBoardFull)->Unit(benchmark::kMicrosecond);
