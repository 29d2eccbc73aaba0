// Speed of the picture writers on a full board (32 men, 32 arrows, coordinates), each also
// given as a ratio to the BMP's composition and encoding measured in this binary ("xBMP").
// Targets: the 1-bit PNG under 1 ms; a vector picture (PDF, SVG) under 10 ms.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "files/svgpage.h"
#include "model/model.h"
#include "render/moduleload.h"
#include "render/makebmp.h"
#include "render/picturefile.h"
#include "render/vectorapi.h"

namespace {
void FullBoard() {
  InitThemes();
  Flipped = 0;
  StartPosition(nullptr);
  Dpi = 2, PicSiz = 4.0f, Theme = 2;
  const int32_t moves[8][2] = {{0, 3}, {3, 0}, {2, 2}, {-2, 2}, {1, 2}, {2, -1}, {-1, -2}, {-2, 1}};
  NArrows = MaxArrows;
  for (int i = 0; i < MaxArrows; i++) {
    int c = i % 4 + 2, r = i / 4 % 4 + 2;
    int32_t arrow[4] = {c, r, c + moves[i % 8][0], r + moves[i % 8][1]};
    for (int k = 0; k < 4; k++) Arr[i][k] = arrow[k];
  }
  SetModuleFolder(BS_MODULE_FOLDER);
}

double Seconds(void (*work)(), int times) {
  auto start = std::chrono::steady_clock::now();
  for (int k = 0; k < times; k++) work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / times;
}

// The floor: the BMP composed and encoded.
double BMPSeconds() {
  static double seconds = Seconds([] { benchmark::DoNotOptimize(EncodeBMP((ComposeDiagram(1), 1)).data()); }, 200);
  return seconds;
}

template <typename Work>
void Measure(benchmark::State &state, Work work) {
  FullBoard();
  work();  // first use: loads the vector writer and traces the glyphs
  const double floor = BMPSeconds();
  for (auto _ : state) work();
  state.counters["xBMP"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * floor, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Picture(benchmark::State &state, int format, int style) {
  Measure(state, [&] {
    std::string bytes, why;
    if (!PictureBytes(format, 1, style, 0, &bytes, &why)) state.SkipWithError(why.c_str());
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
  Measure(state, [] { benchmark::DoNotOptimize(SVGPageText(1, StyleColour).data()); });
}
BENCHMARK(BMPFloor)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(PNGPrint)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(PNGColour)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(PDFPrint)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(SVGPrint)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(SVGColour)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(SVGPage)->Unit(benchmark::kMicrosecond)->UseRealTime();
