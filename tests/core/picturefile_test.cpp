// The picture formats: PNG, PDF and SVG written from the same diagram as the BMP (the classic
// figures). The print PNG holds the BMP's pixels and resolution; the PDF page and the SVG are the
// print width square and, rendered back by poppler and librsvg at the picture's resolution, show
// the BMP's diagram
// (compared in 16 x 16 blocks, so that a half-tone's phase and a renderer's smoothing of it
// do not count); colour pictures show every theme. Renderings are skipped where pdftoppm or
// rsvg-convert is missing.
#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "model/model.h"
#include "render/canvas.h"
#include "render/makebmp.h"
#include "render/moduleload.h"
#include "render/picturefile.h"
#include "render/vectorapi.h"
#include "tests/core/tempfolder.h"
#include "tests/core/testdiagram.h"

namespace {
struct Pixels {
  int width = 0, height = 0, channels = 1;
  std::vector<uint8_t> bytes;
  int At(int x, int y, int k = 0) const { return bytes[(static_cast<size_t>(y) * width + x) * channels + k]; }
};

Pixels DecodePNG(const std::string &bytes, bool rgb) {
  Pixels p;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return p;
  image.format = rgb ? PNG_FORMAT_RGB : PNG_FORMAT_GRAY;
  p.channels = rgb ? 3 : 1;
  p.bytes.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, p.bytes.data(), 0, nullptr)) return Pixels();
  p.width = image.width, p.height = image.height;
  return p;
}

// The pHYs chunk's pixels per metre (x), or -1.
long PNGResolution(const std::string &png) {
  size_t at = png.find("pHYs");
  if (at == std::string::npos || at + 8 > png.size()) return -1;
  const auto *b = reinterpret_cast<const uint8_t *>(png.data() + at + 4);
  return static_cast<long>(b[0]) << 24 | b[1] << 16 | b[2] << 8 | b[3];
}

// What Compose left on the canvas, as grey rows from the top.
Pixels CanvasGrey(const Canvas &canvas, int size) {
  Pixels p;
  p.width = p.height = size;
  for (int row = 0; row < size; row++)
    for (int x = 1; x <= size; x++) p.bytes.push_back(canvas.Dot[x][size - row] ? 0 : 255);
  return p;
}

// The largest difference of average grey (0..1) between the two pictures' n x n blocks, those
// within margin of the edge left out.
double BlockDifference(const Pixels &a, const Pixels &b, int n, int margin = 0) {
  double worst = 0;
  for (int by = margin; by + n <= a.height - margin; by += n)
    for (int bx = margin; bx + n <= a.width - margin; bx += n) {
      double sum = 0;
      for (int y = by; y < by + n; y++)
        for (int x = bx; x < bx + n; x++) sum += a.At(x, y) - b.At(x, y);
      worst = std::max(worst, std::fabs(sum) / (n * n * 255.0));
    }
  return worst;
}

bool Have(const char *tool) { return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0; }

// A vector picture drawn back by poppler or librsvg size pixels wide, as grey or RGB.
Pixels Rendered(const TempFolder &dir, const std::string &path, int format, int size, bool rgb = false) {
  const std::string n = std::to_string(size), out = dir / "rendered.png";
  const std::string command = format == PicturePDF
      ? "pdftoppm -png -singlefile -scale-to " + n + " " + path + " " + dir / "rendered"
      : "rsvg-convert -w " + n + " -h " + n + " -o " + out + " " + path;
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return DecodePNG(ReadWhole(out), rgb);
}

// The typical position with a dot, a cross and an arrow of every shape (rows from the top).
Diagram TestDiagram(int flipped) {
  Diagram d = MarkedTypical(flipped);
  const int32_t arrows[5][4] = {{2, 6, 2, 3}, {1, 4, 6, 4}, {2, 5, 5, 2}, {3, 3, 4, 1}, {5, 5, 7, 4}};
  d.NArrows = 5;
  std::memcpy(d.Arr, arrows, sizeof arrows);
  return d;
}
}  // namespace

TEST(PictureFile, FormatsSizesAndOrientations) {
  const struct {
    int format, dpi;
    float inches;
    int flipped, coords;
  } cases[] = {
      {PicturePNG, 2, 4.0f, 0, 0}, {PicturePNG, 1, 2.0f, 1, 1}, {PicturePNG, 0, 3.3f, 0, 1},
      {PicturePDF, 2, 4.0f, 0, 1}, {PicturePDF, 1, 2.0f, 1, 0}, {PicturePDF, 3, 6.0f, 1, 1},
      {PictureSVG, 2, 4.0f, 1, 0}, {PictureSVG, 0, 3.3f, 0, 1}, {PictureSVG, 3, 6.0f, 0, 0},
  };
  TempFolder dir;
  auto canvas = std::make_unique<Canvas>();
  SetModuleFolder(BS_MODULE_FOLDER);
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << "format " << c.format << ", " << c.inches << " in, flipped "
                                    << c.flipped << ", coords " << c.coords);
    const Diagram diagram = TestDiagram(c.flipped);
    PictureSettings settings{.Coords = c.coords, .Dpi = c.dpi, .PicSiz = c.inches};
    settings.SetPieceSet(ClassicPieces);  // the print PNG of the classic set is the BMP's pixels
    const std::string path = dir / (c.format == PicturePNG ? "p.png" : c.format == PicturePDF ? "p.pdf" : "p.svg");
    std::string bytes, why;
    ASSERT_TRUE(PictureBytes(c.format, diagram, settings, *canvas, &bytes, &why)) << why;
    WriteWhole(path, bytes);
    const int size = PictureSize(c.coords);
    Compose(diagram, settings, *canvas);
    const Pixels bmp = CanvasGrey(*canvas, size);
    if (c.format == PicturePNG) {
      EXPECT_EQ(PNGResolution(bytes), PictureResolution(settings));
      EXPECT_EQ(DecodePNG(bytes, false).bytes, bmp.bytes);
      continue;
    }
    std::smatch m;
    if (c.format == PicturePDF) {
      ASSERT_TRUE(std::regex_search(bytes, m, std::regex("/MediaBox \\[ 0 0 ([0-9.]+) ([0-9.]+) \\]")));
    } else {
      ASSERT_TRUE(std::regex_search(bytes, m, std::regex("<svg[^>]* width=\"([0-9.]+)in\" height=\"([0-9.]+)in\"")));
      EXPECT_LT(bytes.size(), 400000u);
      EXPECT_EQ(bytes.find("<image"), std::string::npos);  // no bitmap inside
    }
    const double want = c.format == PicturePDF ? c.inches * 72 : c.inches;  // PDF in points, SVG in inches
    EXPECT_NEAR(std::stod(m[1]), want, 0.01);
    EXPECT_NEAR(std::stod(m[2]), want, 0.01);
    if (!Have(c.format == PicturePDF ? "pdftoppm" : "rsvg-convert")) continue;
    const Pixels back = Rendered(dir, path, c.format, size);
    ASSERT_EQ(back.width, size);
    ASSERT_EQ(back.height, size);
    // The board as the BMP draws it; the coordinates round it are a real font's letters.
    EXPECT_LT(BlockDifference(back, bmp, 16, c.coords ? 32 : 0), 0.30);
  }
}

// Every theme, as a colour PNG at its own size and at half of it and as an SVG drawn back: the
// squares in the theme's colours, a white king on a dark square white, a black king on a dark
// square black (the classic figures), an arrow's red over a light square.
TEST(PictureFile, ColourPicturesInEveryTheme) {
  TempFolder dir;
  const struct {
    int format, px;
  } kinds[] = {{PicturePNG, 0}, {PicturePNG, 296}, {PictureSVG, 0}};
  auto canvas = std::make_unique<Canvas>();
  SetModuleFolder(BS_MODULE_FOLDER);
  for (int theme = 0; theme < NThemes; theme++)
    for (const auto &k : kinds) {
      SCOPED_TRACE(testing::Message() << "theme " << theme << ", format " << k.format << ", px " << k.px);
      Diagram d{.Arr = {{5, 7, 5, 3}}, .NArrows = 1};
      d.Pos[0 * 8 + 0] = WK, d.Pos[2 * 8 + 0] = BK;
      std::string bytes, why;
      PictureSettings settings{.Theme = theme, .Style = StyleColour, .Px = k.px};
      settings.SetPieceSet(ClassicPieces);
      ASSERT_TRUE(PictureBytes(k.format, d, settings, *canvas, &bytes, &why)) << why;
      if (k.format == PictureSVG && !Have("rsvg-convert")) continue;
      WriteWhole(dir / "c.svg", bytes);
      const Pixels p = k.format == PicturePNG ? DecodePNG(bytes, true)
                                              : Rendered(dir, dir / "c.svg", PictureSVG, 592, true);
      ASSERT_EQ(p.width, k.px ? k.px : 592);
      const uint8_t white[3] = {255, 255, 255}, black[3] = {0, 0, 0};
      uint8_t red[3];  // 78% of the arrow's red over the light square
      for (int i = 0; i < 3; i++) red[i] = static_cast<uint8_t>(std::lround(0.78 * (i ? 0 : 180) + 0.22 * Lt[theme][i]));
      // Canvas points (y upward): square centres of b1 (light) and e1 (dark), a point of each
      // king's body, the arrow's shaft on f3.
      const struct {
        int x, y;
        const uint8_t *rgb;
      } samples[] = {{9 + 72 + 36, 45, Lt[theme]}, {9 + 288 + 36, 45, Dk[theme]},
                     {9 + 28, 9 + 13, white}, {9 + 144 + 27, 9 + 10, black}, {72 * 5 + 45, 72 * 2 + 45, red}};
      for (const auto &s : samples) {
        int col = static_cast<int>((s.x - 0.5) * p.width / 592), row = static_cast<int>((592 - s.y + 0.5) * p.width / 592);
        for (int i = 0; i < 3; i++)
          EXPECT_NEAR(p.At(col, row, i), s.rgb[i], k.format == PicturePNG && !k.px ? 2 : 5) << "at " << s.x << "," << s.y;
      }
    }
}

// A format, style or width we do not write is refused with its reason; a vector picture without
// its writer says what is missing.
TEST(PictureFile, FailuresAreReported) {
  TempFolder dir;
  const Diagram diagram = Preset(StartPosition);
  auto canvas = std::make_unique<Canvas>();
  const struct {
    int format, style, px;
    const char *reason;
  } cases[] = {
      {PicturePNG, StyleColour, 100000, "A PNG or colour GIF is 8 to 4096 pixels wide, not 100000."},
      {PictureBMP, StyleColour, 0, "A BMP picture is always the print picture; use PNG for colour."},
      {PictureGIF, StyleColour, 4097, "A PNG or colour GIF is 8 to 4096 pixels wide, not 4097."},
      {7, StylePrint, 0, "Pictures are written as BMP, PNG, PDF, SVG or GIF."},
      {PicturePNG, 5, 0, "The picture style is neither print nor colour."},
  };
  for (const auto &c : cases) {
    std::string bytes, why;
    const PictureSettings settings{.Style = c.style, .Px = c.px};
    EXPECT_FALSE(PictureBytes(c.format, diagram, settings, *canvas, &bytes, &why));
    EXPECT_EQ(why, c.reason);
  }
  const struct {
    const char *path;
    int format;
  } names[] = {{"a.BMP", PictureBMP}, {"b.png", PicturePNG}, {"c.Pdf", PicturePDF}, {"d.svg", PictureSVG},
               {"g.Gif", PictureGIF}, {"e.htm", -1}, {"svg", -1}, {".png/f", -1}};
  for (const auto &n : names) EXPECT_EQ(PictureFormatOf(n.path), n.format) << n.path;
  // Without the module (beside this test program there is none), a vector picture is refused.
  SetModuleFolder(dir.Path());
  if (ModuleLoaded(VectorModuleName)) GTEST_SKIP() << "the vector writer was loaded by an earlier test";
  std::string bytes, why;
  EXPECT_FALSE(PictureBytes(PictureSVG, diagram, PictureSettings(), *canvas, &bytes, &why));
  EXPECT_EQ(why.find("PDF, SVG and composed PNG pictures need the vector writer boardsmith-vector.so, which is not installed"), 0u) << why;
}

// The exporter writes vector pictures on several threads at once: the glyphs are traced once,
// under a lock, and every thread's picture comes out whole.
TEST(PictureFile, VectorPicturesOnSeveralThreads) {
  SetModuleFolder(BS_MODULE_FOLDER);
  const Diagram diagram = TestDiagram(1);
  VectorDiagram diagrams[2] = {VectorDiagramOf(PictureSVG, diagram, {.Coords = 1, .Theme = 5}),
                               VectorDiagramOf(PicturePDF, diagram, {.Coords = 1, .Theme = 5, .Style = StyleColour})};
  std::string bytes[8], why[8];
  bool ok[8];
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; t++)
    threads.emplace_back([&, t] {
      auto canvas = std::make_unique<Canvas>();  // each thread its own, as the exporter's workers
      ok[t] = VectorPicture(diagrams[t % 2], *canvas, &bytes[t], &why[t]);
    });
  for (std::thread &t : threads) t.join();
  // The same bytes from every thread: no dates, ids numbered per picture.
  for (int t = 0; t < 8; t++) {
    ASSERT_TRUE(ok[t]) << why[t];
    EXPECT_EQ(bytes[t], bytes[t % 2]) << t;
  }
}

// The composer's pictures: a colour PNG 1200 pixels wide is smooth (hundreds of colours where the
// 1-bit figures give a handful), the default set is not the classic one; PDF and SVG hold paths
// only (no text, font or image), each man once in an SVG, and the same file every time (a PDF's
// date only from SOURCE_DATE_EPOCH); fonts without the chess men, or missing, are refused.
// The composer's print arrows are the exact picture's, in each of the four straight directions
// and the four diagonal ones: on an empty board at the picture's own size, no 8 x 8 block of the
// composed PNG (a font set, so not the BMP's own pixels) differs much from the BMP.
TEST(PictureFile, ComposedPrintArrowsPointAsTheExactPictureDoes) {
  SetModuleFolder(BS_MODULE_FOLDER);
  auto canvas = std::make_unique<Canvas>();
  const int32_t arrows[8][4] = {{1, 6, 1, 2}, {6, 2, 6, 5}, {2, 1, 6, 1}, {5, 6, 0, 6},
                                {0, 7, 3, 4}, {7, 0, 4, 3}, {3, 3, 0, 6}, {4, 4, 7, 7}};
  for (const auto &arrow : arrows) {
    SCOPED_TRACE(testing::Message() << "arrow " << arrow[0] << arrow[1] << " to " << arrow[2] << arrow[3]);
    Diagram d;
    d.NArrows = 1;
    std::memcpy(d.Arr[0], arrow, sizeof arrow);
    PictureSettings settings;
    std::string png, why;
    ASSERT_TRUE(PictureBytes(PicturePNG, d, settings, *canvas, &png, &why)) << why;
    Compose(d, settings, *canvas);
    const Pixels composed = DecodePNG(png, false);
    ASSERT_EQ(composed.width, PictureSize(0));
    EXPECT_LT(BlockDifference(composed, CanvasGrey(*canvas, PictureSize(0)), 8), 0.15);
    EXPECT_EQ(png[25], 0);  // IHDR's colour type: print pictures are greys, written as such
  }
}

TEST(PictureFile, ComposedPicturesAreSmoothPathsAndReproducible) {
  SetModuleFolder(BS_MODULE_FOLDER);
  auto canvas = std::make_unique<Canvas>();
  const Diagram d = TestDiagram(0);
  auto Bytes = [&](int format, const std::string &set, int px = 1200) {
    PictureSettings s{.Coords = 1, .Theme = 2, .Style = StyleColour, .Px = px};
    s.SetPieceSet(set);
    std::string bytes, why;
    EXPECT_TRUE(PictureBytes(format, d, s, *canvas, &bytes, &why)) << why;
    return bytes;
  };
  const std::string colourPNG = Bytes(PicturePNG, "");
  EXPECT_EQ(colourPNG[25], 2);  // IHDR's colour type: RGB
  const Pixels smooth = DecodePNG(colourPNG, true), classic = DecodePNG(Bytes(PicturePNG, "classic"), true);
  ASSERT_EQ(smooth.width, 1200);
  std::set<int> colours;
  for (size_t k = 0; k + 2 < smooth.bytes.size(); k += 3)
    colours.insert(smooth.bytes[k] << 16 | smooth.bytes[k + 1] << 8 | smooth.bytes[k + 2]);
  EXPECT_GT(colours.size(), 300u);
  EXPECT_NE(smooth.bytes, classic.bytes);
  // A white man of a font is filled white under its outline: on the dark a1 its body is white.
  Diagram king;
  king.Pos[0] = WK;
  std::string png, why;
  ASSERT_TRUE(PictureBytes(PicturePNG, king, {.Style = StyleColour}, *canvas, &png, &why)) << why;
  const Pixels k = DecodePNG(png, true);
  int white = 0;
  for (int y = 512; y < 584; y++)
    for (int x = 8; x < 80; x++) white += k.At(x, y, 0) == 255 && k.At(x, y, 1) == 255 && k.At(x, y, 2) == 255;
  EXPECT_GT(white, 500);
  for (const std::string set : {"", "classic", "DejaVu Sans"}) {
    const std::string svg = Bytes(PictureSVG, set), pdf = Bytes(PicturePDF, set);
    EXPECT_EQ(svg, Bytes(PictureSVG, set)) << set;
    EXPECT_EQ(pdf, Bytes(PicturePDF, set)) << set;
    for (const char *absent : {"<text", "<image", "font"}) EXPECT_EQ(svg.find(absent), std::string::npos) << absent;
    for (const char *absent : {"/Font", "/Image", "/CreationDate"}) EXPECT_EQ(pdf.find(absent), std::string::npos) << absent;
    // 22 men and markers of 9 kinds: each drawn once, placed by reference.
    int uses = 0;
    for (size_t at = svg.find("<use"); at != std::string::npos; at = svg.find("<use", at + 1)) uses++;
    EXPECT_GE(uses, 22) << set;
    EXPECT_LT(svg.size(), 120000u) << set;
  }
  setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  EXPECT_NE(Bytes(PicturePDF, "").find("/CreationDate (20231114221320Z)"), std::string::npos);
  unsetenv("SOURCE_DATE_EPOCH");
  const struct {
    std::string set, reason;
  } refused[] = {
      {"/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
       "The font /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf lacks chess men: all twelve (U+2654 to U+265F)."},
      {"No Such Family", "No font family \"No Such Family\" is installed (fc-list lists the families)."},
      {"/nowhere/men.ttf", "The font /nowhere/men.ttf cannot be read as a font."},
  };
  for (const auto &r : refused) {
    PictureSettings s{.Style = StyleColour};
    s.SetPieceSet(r.set);
    std::string bytes, why;
    EXPECT_FALSE(PictureBytes(PicturePNG, d, s, *canvas, &bytes, &why));
    EXPECT_EQ(why, r.reason);
  }
}
