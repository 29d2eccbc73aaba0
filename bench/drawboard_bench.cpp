// A full repaint of the board view: 32 men and 32 arrows drawn into the main window's backing
// image. Targets: under 2 ms at the first window size, under 5 ms with the window sized for a
// board three times as large (72-pixel figures drawn at 108 pixels).
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
  InitEditor();
  Editor().StartFolder = RunFolder();
  hwnd = CreateMainWindow(SW_SHOWNORMAL);
  return hwnd;
}
}  // namespace

// The window at its first size (scale 1) or sized for the board at scale 3.
static void DrawBoardFull(benchmark::State &state) {
  HWND hwnd = BenchWindow();
  if (!hwnd) {
    state.SkipWithError("the main window could not be created");
    return;
  }
  const int scale = static_cast<int>(state.range(0));
  MoveWindow(hwnd, 10, 0, MainWidth + (scale - 1) * FieldWidth, MainHeight + (scale - 1) * FieldHeight,
             true);
  RECT client;
  GetClientRect(hwnd, &client);
  FitBoard(client.right, client.bottom);
  if (BoardScale != scale) {
    state.SkipWithError("the board did not take the scale");
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
BENCHMARK(DrawBoardFull)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
