// The modern page: its description of positions in both orientations, the Nu checker's verdict
// (when vnu is installed) and the page as headless Chromium shows it beside no gifs/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "chess/diagram.h"
#include "chess/fen.h"
#include "files/atomicwrite.h"
#include "files/svgpage.h"
#include "model/model.h"
#include "render/vectorapi.h"
#include "render/moduleload.h"
#include "tests/core/chromium.h"
#include "tests/core/tempfolder.h"

namespace {
// Column and row (from the bottom) of a square named like "e4", in the diagram's orientation.
int Cell(const std::string &square, int flipped) {
  int file = square[0] - 'a', rank = square[1] - '1';
  return flipped ? (7 - file) * 8 + (7 - rank) : file * 8 + rank;
}

Diagram SetUpPage(const std::string &fen, int flipped, const std::string &dots,
                  const std::string &arrows) {
  Diagram d{.Flipped = flipped};
  Board board;
  std::string why;
  EXPECT_TRUE(ReadFEN(fen, &board, &why)) << why;
  DiagramFromBoard(board, d);
  // Markers: "e4." a dot, "f5x" a cross; arrows "e2e4".
  for (size_t k = 0; k + 3 <= dots.size(); k += 3)
    d.Pos[Cell(dots.substr(k, 2), flipped)] = dots[k + 2] == 'x' ? CrossMark : DotMark;
  for (size_t k = 0; k + 4 <= arrows.size(); k += 5, d.NArrows++) {
    int from = Cell(arrows.substr(k, 2), flipped), to = Cell(arrows.substr(k + 2, 2), flipped);
    int32_t arrow[4] = {from / 8, 7 - from % 8, to / 8, 7 - to % 8};
    for (int i = 0; i < 4; i++) d.Arr[d.NArrows][i] = arrow[i];
  }
  SetModuleFolder(BS_MODULE_FOLDER);
  return d;
}

// Writes the page of the diagram to path.
void WritePage(const std::string &path, const Diagram &d, const PictureSettings &settings) {
  std::string why, page = SVGPageText(d, settings, &why);
  ASSERT_FALSE(page.empty()) << why;
  ASSERT_TRUE(WriteFileAtomically(path, page, &why)) << why;
}
}  // namespace

TEST(SVGPage, DescriptionNamesEveryManMarkerAndArrow) {
  const struct {
    const char *fen;
    int flipped;
    const char *marks, *arrows, *text;
  } cases[] = {
      {"8/8/8/8/8/8/8/8 w - - 0 1", 0, "", "", "White to move. White: no men. Black: no men."},
      {"6k1/ppp5/8/8/8/8/8/R2Q1RK1 b - - 0 1", 1, "e4.f5x", "e2e4 g1f3 a1b4",
       "Black to move. White: king g1, queen d1, rooks a1 and f1. Black: king g8, pawns a7, b7 "
       "and c7. Markers: dot on e4, cross on f5. Arrows: arrow from e2 to e4, arrow from g1 to f3."},
      {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", 0, "", "h7h5",
       "Black to move. White: king e1, queen d1, rooks a1 and h1, bishops c1 and f1, knights b1 "
       "and g1, pawns a2, b2, c2, d2, e4, f2, g2 and h2. Black: king e8, queen d8, rooks a8 and "
       "h8, bishops c8 and f8, knights b8 and g8, pawns a7, b7, c7, d7, e7, f7, g7 and h7. "
       "Arrows: arrow from h7 to h5."},
  };
  for (const auto &c : cases)
    EXPECT_EQ(DiagramDescription(SetUpPage(c.fen, c.flipped, c.marks, c.arrows)), c.text) << c.fen;
  // What only a damaged file brings (an unknown square code, an arrow end off the board, an
  // arrow count out of range) is left out.
  Diagram d = SetUpPage("8/8/8/8/8/8/8/8 w - - 0 1", 0, "", "a1a3");
  d.Pos[9] = 99, d.Arr[1][0] = 3, d.Arr[1][1] = 9, d.NArrows = 40;
  EXPECT_EQ(DiagramDescription(d), "White to move. White: no men. Black: no men. Arrows: arrow from a1 to a3.");
}

// The page with the check's findings, in colour with coordinates and in print: no errors from
// the Nu HTML checker.
TEST(SVGPage, PassesTheNuChecker) {
  if (std::system("command -v vnu >/dev/null 2>&1") != 0) GTEST_SKIP() << "vnu is not installed";
  TempFolder dir;
  const Diagram d = SetUpPage("k7/8/8/8/8/8/8/KK6 w - - 0 1", 0, "e4.", "e2e4 a1b3");
  std::string files;
  for (int style : {StyleColour, StylePrint}) {
    std::string path = dir / ("page" + std::to_string(style) + ".html");
    WritePage(path, d, {.Coords = style, .Theme = 3, .Style = style});  // coordinates in colour
    files += " " + path;
  }
  EXPECT_NE(ReadWhole(dir / "page1.html").find("<li>? White has more than 1 king</li>"), std::string::npos);
  EXPECT_EQ(std::system(("vnu --errors-only" + files).c_str()), 0);
}

// Opened from a folder without gifs/, the page shows the colour picture: compared in 8 x 8
// blocks with the composer's raster at the width the page gives it (4 inches: 384 CSS pixels,
// after the body's 16-pixel margin).
TEST(SVGPage, ChromiumShowsTheColourPicture) {
  if (!chromium::Missing().empty()) GTEST_SKIP() << chromium::Missing();
  TempFolder dir;
  const Diagram d = SetUpPage("r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4",
                              1, "d4.e5x", "h5f7 g1f3");
  const PictureSettings settings{.Theme = 3, .Style = StyleColour};
  WritePage(dir / "page.html", d, settings);
  const chromium::Shot shot = chromium::Screenshot(dir / "page.html", dir.Path(), "page");
  ASSERT_GE(shot.width, 16 + 384);
  std::string want, why;
  ASSERT_TRUE(VectorPicture(VectorDiagramOf(PictureRaster, d, settings, 384, 384), *std::make_unique<Canvas>(),
                            &want, &why)) << why;
  double worst = 0;
  for (int by = 0; by < 384; by += 8)
    for (int bx = 0; bx < 384; bx += 8)
      for (int k = 0; k < 3; k++) {
        double sum = 0;
        for (int y = by; y < by + 8; y++)
          for (int x = bx; x < bx + 8; x++) {
            const chromium::Rgb c = shot.At(16 + x, 16 + y);
            uint32_t pixel;  // 0xAARRGGBB
            std::memcpy(&pixel, &want[(static_cast<size_t>(y) * 384 + x) * 4], 4);
            sum += (k == 0 ? c.r : k == 1 ? c.g : c.b) - static_cast<int>(pixel >> (16 - 8 * k) & 0xFF);
          }
        worst = std::max(worst, std::fabs(sum) / (64 * 255.0));
      }
  EXPECT_LT(worst, 0.25);
}
