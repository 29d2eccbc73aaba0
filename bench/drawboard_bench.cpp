// A full repaint of the board view by the vector composer: 32 men and 32 arrows drawn into the
// main window's backing image. Targets: under 2 ms at the first window size, under 8 ms with the
// window sized for a board field 1,000 pixels wide.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
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
  InitEditor();
  Editor().StartFolder = RunFolder();
  hwnd = CreateMainWindow(SW_SHOWNORMAL);
  return hwnd;
}
}  // namespace

// The window at its first size or sized for a board field the argument's pixels wide.
static void DrawBoardFull(benchmark::State &state) {
  HWND hwnd = BenchWindow();
  if (!hwnd) {
    state.SkipWithError("the main window could not be created");
    return;
  }
  const double scale = state.range(0) / double(FieldWidth);
  MoveWindow(hwnd, 10, 0, MainWidth + static_cast<int>(std::ceil((scale - 1) * FieldWidth)),
             MainHeight + static_cast<int>(std::ceil((scale - 1) * FieldHeight)), true);
  RECT client;
  GetClientRect(hwnd, &client);
  FitBoard(client.right, client.bottom);
  if (std::abs(BoardScale * FieldWidth - state.range(0)) > 2) {
    state.SkipWithError("the board did not take the size");
    return;
  }
  Diagram &d = Editor().diagram;
  StartPosition(d);        // 32 men
  d.NArrows = MaxArrows;   // 32 arrows of every kind: lines, diagonals, knight moves
  for (int i = 0; i < MaxArrows; i++) {
    const int kinds[4][2] = {{0, 3}, {2, 2}, {2, 1}, {5, 0}};
    int c = i % 8, t = (i / 8) % 4;
    d.Arr[i][0] = c;
    d.Arr[i][1] = t;
    d.Arr[i][2] = (c + kinds[i % 4][0]) % 8;
    d.Arr[i][3] = t + kinds[i % 4][1];
  }
  HDC hdc = GetDC(hwnd);
  for (auto _ : state) DrawBoard(hdc);
  ReleaseDC(hwnd, hdc);
}
BENCHMARK(DrawBoardFull)->Arg(FieldWidth)->Arg(1000)->Unit(benchmark::kMicrosecond);
