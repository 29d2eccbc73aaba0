// The arrow rasteriser on a busy board: all 32 arrows of a full list, two of each of the
// sixteen shapes, long and short, drawn onto the canvas.
#include <benchmark/benchmark.h>

#include <memory>

#include "render/arrow.h"
#include "render/canvas.h"

namespace {
// (from column, from row, to column, to row), rows from the bottom as Arrow takes them.
const int BusyArrows[32][4] = {
    {0, 0, 0, 7}, {3, 5, 3, 6},  // up
    {7, 7, 7, 0}, {4, 3, 4, 1},  // down
    {0, 1, 7, 1}, {2, 6, 4, 6},  // right
    {7, 6, 0, 6}, {5, 2, 4, 2},  // left
    {0, 0, 7, 7}, {3, 5, 4, 6},  // up-right
    {0, 7, 7, 0}, {2, 4, 4, 2},  // down-right
    {7, 0, 0, 7}, {5, 3, 3, 5},  // up-left
    {7, 7, 0, 0}, {6, 2, 5, 1},  // down-left
    {1, 0, 2, 2}, {4, 4, 5, 6},  // knight (+1, +2)
    {0, 3, 2, 4}, {5, 5, 7, 6},  // (+2, +1)
    {1, 5, 3, 4}, {4, 1, 6, 0},  // (+2, -1)
    {6, 7, 7, 5}, {2, 3, 3, 1},  // (+1, -2)
    {6, 2, 5, 0}, {3, 7, 2, 5},  // (-1, -2)
    {7, 4, 5, 3}, {3, 2, 1, 1},  // (-2, -1)
    {6, 0, 4, 1}, {2, 5, 0, 6},  // (-2, +1)
    {1, 3, 0, 5}, {7, 1, 6, 3},  // (-1, +2)
};

void BM_ArrowsOfABusyBoard(benchmark::State &state) {
  auto canvas = std::make_unique<Canvas>();
  for (auto _ : state) {
    for (const auto &a : BusyArrows) Arrow(*canvas, a[0], a[1], a[2], a[3]);
    benchmark::DoNotOptimize(canvas->Dot);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 32);
}
BENCHMARK(BM_ArrowsOfABusyBoard);

// One knight arrow alone: the shape with the float edges.
void BM_KnightArrow(benchmark::State &state) {
  auto canvas = std::make_unique<Canvas>();
  for (auto _ : state) {
    Arrow(*canvas, 3, 2, 4, 4);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_KnightArrow);
}  // namespace
