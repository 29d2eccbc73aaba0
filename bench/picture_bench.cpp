// Speed of the picture writers on a full board (32 men, 32 arrows, coordinates), each also
// given as a ratio to the BMP's composition and encoding measured in this binary ("xBMP").
// Targets: the 1-bit PNG under 1 ms; a vector picture (PDF, SVG) under 10 ms.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/floors.h"
#include "chess/diagram.h"
#include "chess/fen.h"
#include "files/svgpage.h"
#include "render/moduleload.h"
#include "render/makebmp.h"
#include "render/picturefile.h"

namespace {
// The full board's settings: coordinates, the medium size, theme 2, in a style.
PictureSettings Settings(int style) {
  PictureSettings s;
  s.Coords = 1, s.Theme = 2, s.Style = style;
  return s;
}

template <typename Work>
double Seconds(Work work, int times) {
  auto start = std::chrono::steady_clock::now();
  for (int k = 0; k < times; k++) work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / times;
}

// The floor: the BMP composed and encoded.
double BMPSeconds() {
  static const double seconds = [] {
    const Diagram diagram = FullBoard();
    const PictureSettings settings = Settings(StylePrint);
    auto canvas = std::make_unique<Canvas>();
    return Seconds([&] {
      Compose(diagram, settings, *canvas);
      benchmark::DoNotOptimize(EncodeBMP(*canvas, settings).data());
    }, 200);
  }();
  return seconds;
}

template <typename Work>
void Measure(benchmark::State &state, Work work) {
  SetModuleFolder(BS_MODULE_FOLDER);
  work();  // first use: loads the vector writer and traces the glyphs
  const double floor = BMPSeconds();
  for (auto _ : state) work();
  state.counters["xBMP"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * floor, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Picture(benchmark::State &state, int format, int style) {
  const Diagram diagram = FullBoard();
  const PictureSettings settings = Settings(style);
  auto canvas = std::make_unique<Canvas>();
  Measure(state, [&] {
    std::string bytes, why;
    if (!PictureBytes(format, diagram, settings, *canvas, &bytes, &why))
      state.SkipWithError(why.c_str());
    benchmark::DoNotOptimize(bytes.data());
  });
}
}  // namespace

static void BMPFloor(benchmark::State &state) { Picture(state, PictureBMP, StylePrint); }
static void PNGPrint(benchmark::State &state) { Picture(state, PicturePNG, StylePrint); }
static void PNGColour(benchmark::State &state) { Picture(state, PicturePNG, StyleColour); }
static void PDFPrint(benchmark::State &state) { Picture(state, PicturePDF, StylePrint); }
static void SVGPrint(benchmark::State &state) { Picture(state, PictureSVG, StylePrint); }
static void SVGColour(benchmark::State &state) { Picture(state, PictureSVG, StyleColour); }
static void SVGPage(benchmark::State &state) {
  const Diagram diagram = FullBoard();
  Measure(state, [&] { benchmark::DoNotOptimize(SVGPageText(diagram, Settings(StyleColour)).data()); });
}
BENCHMARK(BMPFloor)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(PNGPrint)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(PNGColour)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(PDFPrint)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(SVGPrint)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(SVGColour)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(SVGPage)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Colour PNGs 592 pixels wide of the positions of a FEN list (one a line; BS_BENCH_FENS names
// it, else the full board alone), composed and encoded one after another on one thread: the
// time a picture takes in a batch (bench/png_vs_peer.sh sets it beside the npm package
// chessboard-image). Goal: at most 3 ms a picture.
static void PNGColourBatch(benchmark::State &state) {
  std::vector<Diagram> diagrams;
  if (const char *list = std::getenv("BS_BENCH_FENS")) {
    std::ifstream in(list);
    std::string line, why;
    Board board;
    while (std::getline(in, line))
      if (ReadFEN(line, &board, &why)) diagrams.emplace_back(), DiagramFromBoard(board, diagrams.back());
  }
  if (diagrams.empty()) diagrams.push_back(FullBoard());
  PictureSettings settings;
  settings.Style = StyleColour, settings.Px = 592;
  auto canvas = std::make_unique<Canvas>();
  Measure(state, [&] {
    for (const Diagram &d : diagrams) {
      std::string bytes, why;
      if (!PictureBytes(PicturePNG, d, settings, *canvas, &bytes, &why)) state.SkipWithError(why.c_str());
      benchmark::DoNotOptimize(bytes.data());
    }
  });
  state.counters["pictures"] = static_cast<double>(diagrams.size());
  state.counters["ms_a_picture"] = benchmark::Counter(
      static_cast<double>(state.iterations() * diagrams.size()) / 1000,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(PNGColourBatch)->Unit(benchmark::kMillisecond)->UseRealTime();
