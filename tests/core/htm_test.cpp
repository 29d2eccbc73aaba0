// The web page: one stored page known line for line, the lines that sizes, themes, orientation
// and damaged values change, and a written page opened in a real browser (headless Chromium)
// beside the generated gifs/: every square shows its image on the theme's colour, pixel for
// pixel, and the frame is whole (skipped where Chromium or ImageMagick, to read the screenshot,
// is not installed).
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "files/atomicwrite.h"
#include "files/htm.h"
#include "model/model.h"
#include "tests/core/chromium.h"
#include "tests/core/tempfolder.h"
#include "tests/core/testdiagram.h"
#include "tools/makeassets/assets.h"

namespace {
// Theme 2, medium size, coordinates as asked.
PictureSettings Settings(int coords) { return {.Coords = coords, .Theme = 2}; }

// The page's lines: every one ends in CR CR LF.
std::vector<std::string> PageLines(const std::string &page) {
  std::vector<std::string> lines;
  size_t at = 0;
  for (size_t end; (end = page.find("\r\r\n", at)) != std::string::npos; at = end + 3)
    lines.push_back(page.substr(at, end - at));
  EXPECT_EQ(at, page.size()) << "page ends without its line end";
  return lines;
}

TEST(WebPage, FlippedStartPositionWithCoordinatesIsTheStoredPage) {
  Diagram d = Preset(StartPosition, 1);
  EXPECT_EQ(MakeHTMFile(d, Settings(1)), ReadWhole(BS_SOURCE_DIR "/tests/data/start-flipped-coords.htm"));
  // Arrows are not part of a page.
  TypicalPosition(d);
  std::string with = MakeHTMFile(d, Settings(1));
  d.NArrows = 0;
  EXPECT_EQ(MakeHTMFile(d, Settings(1)), with);
}

TEST(WebPage, LinesThatTheSettingsChange) {
  // Line numbers count from 0 without coordinates: 5 is the first frame cell, 17 a8's cell,
  // 18 b8's, 29 a7's.
  const struct {
    int flipped, dpi, theme;
    float picSiz;
    int line;
    const char *text;
  } cases[] = {
      {0, 2, 2, 4.0f, 18, "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/bnm.gif'></TD>"},
      {1, 2, 2, 4.0f, 18, "    <TD BGCOLOR='#c0c0c0'><IMG SRC='gifs/wnm.gif'></TD>"},
      {0, 1, 2, 2.0f, 17, "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/brs.gif'></TD>"},
      {0, 3, 2, 6.0f, 17, "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/brl.gif'></TD>"},
      {0, 0, 2, 2.75f, 17, "    <TD BGCOLOR='#ffffff'><IMG SRC='gifs/brs.gif'></TD>"},
      {0, 77, 2, 4.0f, 5, "    <TD><IMG SRC='gifs/uppers.gif'></TD>"},  // a damaged size code
      {0, 2, 0, 4.0f, 18, "    <TD BGCOLOR='#977151'><IMG SRC='gifs/bnm.gif'></TD>"},
      {0, 2, 1, 4.0f, 29, "    <TD BGCOLOR='#658080'><IMG SRC='gifs/bpm.gif'></TD>"},
      {0, 2, 3, 4.0f, 17, "    <TD BGCOLOR='#defefd'><IMG SRC='gifs/brm.gif'></TD>"},
      {0, 2, 4, 4.0f, 18, "    <TD BGCOLOR='#8bc9a0'><IMG SRC='gifs/bnm.gif'></TD>"},
      {0, 2, 5, 4.0f, 18, "    <TD BGCOLOR='#dba79d'><IMG SRC='gifs/bnm.gif'></TD>"},
      {0, 2, 6, 4.0f, 17, "    <TD BGCOLOR='#ffe1c4'><IMG SRC='gifs/brm.gif'></TD>"},
      {0, 2, 7, 4.0f, 18, "    <TD BGCOLOR='#bebe7e'><IMG SRC='gifs/bnm.gif'></TD>"},
      {0, 2, -4, 4.0f, 18, "    <TD BGCOLOR='#977151'><IMG SRC='gifs/bnm.gif'></TD>"},
      {0, 2, 11, 4.0f, 17, "    <TD BGCOLOR='#dbdbb7'><IMG SRC='gifs/brm.gif'></TD>"},
  };
  for (const auto &c : cases) {
    const PictureSettings settings{.Dpi = c.dpi, .PicSiz = c.picSiz, .Theme = c.theme};
    std::vector<std::string> lines = PageLines(MakeHTMFile(Preset(StartPosition, c.flipped), settings));
    ASSERT_EQ(lines.size(), 125u);
    EXPECT_EQ(lines[c.line], c.text) << "theme " << c.theme << ", size " << c.dpi;
  }
  // Codes that are no figure show empty squares.
  Diagram d;
  for (int c = 0; c < 64; c++) d.Pos[c] = (c % 3 == 0) ? -1 : (c % 3 == 1) ? 15 : INT_MIN;
  std::string page = MakeHTMFile(d, Settings(0));
  EXPECT_EQ(page.find("gifs/b"), std::string::npos);
  EXPECT_EQ(page.find("gifs/w"), std::string::npos);
}

using chromium::Rgb;
using chromium::Shot;
const int Frame = 6;
const Rgb BlackRgb = {0, 0, 0};

// A square image as the browser should show it on a cell of the given colour, rows from the
// top: the GIF's pixels, its transparent ones in the cell's colour. Empty unless the GIF is one
// whole image with a colour map.
std::vector<Rgb> Composite(const std::string &path, Rgb cell) {
  std::vector<Rgb> out;
  int error = 0;
  GifFileType *gif = DGifOpenFileName(path.c_str(), &error);
  if (!gif) return out;
  const SavedImage *image = DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1 ? &gif->SavedImages[0] : nullptr;
  const ColorMapObject *map = !image ? nullptr : image->ImageDesc.ColorMap ? image->ImageDesc.ColorMap : gif->SColorMap;
  GraphicsControlBlock gcb;
  const int clear = DGifSavedExtensionToGCB(gif, 0, &gcb) == GIF_OK ? gcb.TransparentColor : -1;
  if (map && image->ImageDesc.Width == gif->SWidth && image->ImageDesc.Height == gif->SHeight)
    for (int i = 0; i < gif->SWidth * gif->SHeight; i++) {
      const GifColorType &c = map->Colors[image->RasterBits[i]];
      out.push_back(image->RasterBits[i] == clear ? cell : Rgb{c.Red, c.Green, c.Blue});
    }
  DGifCloseFile(gif, &error);
  return out;
}

// Checks the board drawn from the top-left pixel of its frame: the frame rows and columns,
// and every square equal to its image (of the folder gifs) on its colour.
void ExpectBoard(const Shot &shot, int size, const Diagram &d, int theme, const std::string &gifs) {
  // The frame's top-left corner is the first black pixel, row by row.
  int x0 = -1, y0 = -1;
  for (int y = 0; y < shot.height && y0 < 0; y++)
    for (int x = 0; x < shot.width; x++)
      if (shot.At(x, y) == BlackRgb) {
        x0 = x, y0 = y;
        break;
      }
  ASSERT_GE(x0, 0) << "no frame";
  const int board = 8 * size, outer = board + 2 * Frame;
  ASSERT_LE(x0 + outer, shot.width);
  ASSERT_LE(y0 + outer, shot.height);
  for (int y = 0; y < outer; y++)
    for (int x = 0; x < outer; x++)
      if (std::min({x, y, outer - 1 - x, outer - 1 - y}) < Frame) {
        ASSERT_EQ(shot.At(x0 + x, y0 + y), BlackRgb) << "frame at " << x << "," << y;
      }

  const char *names[15] = {"e",  "wk", "wq", "wr", "wb", "wn", "wp",  "bk",
                           "bq", "br", "bb", "bn", "bp", "dot", "cross"};
  const char letter = size == 24 ? 's' : size == 48 ? 'm' : 'l';
  const Rgb light = {Lt[theme][0], Lt[theme][1], Lt[theme][2]};
  const Rgb dark = {Dk[theme][0], Dk[theme][1], Dk[theme][2]};
  for (int t = 0; t < 8; t++)
    for (int c = 0; c < 8; c++) {
      const std::string gif = gifs + "/" + names[d.Pos[c * 8 + (7 - t)]] + letter + ".gif";
      std::vector<Rgb> want = Composite(gif, (t + c) % 2 == 0 ? light : dark);
      ASSERT_EQ(want.size(), static_cast<size_t>(size * size)) << gif;
      int wrong = 0;
      for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++)
          wrong += !(shot.At(x0 + Frame + c * size + x, y0 + Frame + t * size + y) ==
                     want[y * size + x]);
      EXPECT_EQ(wrong, 0) << "square in table row " << t << ", column " << c;
    }
}
}  // namespace

// Medium with coordinates, large flipped, and a custom size, which uses the small images.
TEST(PageInChromium, EveryPageShowsEveryImage) {
  if (!chromium::Missing().empty()) GTEST_SKIP() << chromium::Missing();
  TempFolder folder;
  ASSERT_TRUE(WriteWebGifs(folder.Path()));
  const struct {
    int flipped, dpi, theme, coords, square;
  } cases[] = {{0, 2, 0, 1, 48}, {1, 3, 4, 0, 72}, {0, 0, 6, 1, 24}};
  for (const auto &c : cases) {
    const Diagram d = MarkedTypical(c.flipped);  // its arrow the page leaves out
    const PictureSettings settings{.Coords = c.coords, .Dpi = c.dpi,
                                   .PicSiz = c.dpi == 3 ? 6.0f : c.dpi == 0 ? 3.3f : 4.0f, .Theme = c.theme};
    const std::string name = "page" + std::to_string(c.square), path = folder / (name + ".htm");
    std::string why;
    ASSERT_TRUE(WriteFileAtomically(path, MakeHTMFile(d, settings), &why)) << why;
    Shot shot = chromium::Screenshot(path, folder.Path(), name);
    ASSERT_GT(shot.width, 0);
    ExpectBoard(shot, c.square, d, c.theme, folder / "gifs");
  }
}
