// A written page opened in a real browser (headless Chromium) beside the generated gifs/:
// every square shows its image on the theme's colour, pixel for pixel, and the frame is whole.
// Skipped where Chromium or ImageMagick (to read the screenshot) is not installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/atomicwrite.h"
#include "files/htm.h"
#include "model/model.h"
#include "tests/core/chromium.h"
#include "tests/core/gifread.h"
#include "tests/core/testdiagram.h"
#include "tools/makeassets/assets.h"

namespace fs = std::filesystem;

namespace {
using chromium::Rgb;
using chromium::Shot;
const int Frame = 6;
const Rgb BlackRgb = {0, 0, 0};

// A square image as the browser should show it on a cell of the given colour.
std::vector<Rgb> Composite(const fs::path &gifPath, Rgb cell, int *size) {
  GifImage gif = ReadGif(gifPath.string());
  std::vector<Rgb> out;
  *size = gif.width;
  for (const GifPixel &p : gif.pixels) out.push_back(p.clear ? cell : Rgb{p.r, p.g, p.b});
  return out;
}

class PageInChromium : public testing::Test {
 protected:
  void SetUp() override {
    if (!chromium::Missing().empty()) GTEST_SKIP() << chromium::Missing();
    folder = fs::temp_directory_path() / ("page_chromium_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_TRUE(WriteWebGifs(folder.string()));
  }
  void TearDown() override {
    if (!folder.empty()) fs::remove_all(folder);
  }

  // Writes the page of the diagram and returns the browser's picture of it.
  Shot PageScreenshot(const std::string &name, const Diagram &d, const PictureSettings &settings) {
    const std::string path = (folder / (name + ".htm")).string();
    std::string why;
    EXPECT_TRUE(WriteFileAtomically(path, MakeHTMFile(d, settings), &why)) << why;
    return chromium::Screenshot(path, folder, name);
  }

  // Checks the board drawn from the top-left pixel of its frame: the frame rows and columns,
  // and every square equal to its image on its colour.
  void ExpectBoard(const Shot &shot, int size, const Diagram &d, int theme) {
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
    for (int k = 0; k < outer; k++)
      for (int d = 0; d < Frame; d++) {
        ASSERT_EQ(shot.At(x0 + k, y0 + d), BlackRgb) << "top frame " << k << "," << d;
        ASSERT_EQ(shot.At(x0 + k, y0 + Frame + board + d), BlackRgb) << "bottom frame " << k;
        ASSERT_EQ(shot.At(x0 + d, y0 + k), BlackRgb) << "left frame " << k;
        ASSERT_EQ(shot.At(x0 + Frame + board + d, y0 + k), BlackRgb) << "right frame " << k;
      }

    const char *names[15] = {"e",  "wk", "wq", "wr", "wb", "wn", "wp",  "bk",
                             "bq", "br", "bb", "bn", "bp", "dot", "cross"};
    const char letter = size == 24 ? 's' : size == 48 ? 'm' : 'l';
    const Rgb light = {Lt[theme][0], Lt[theme][1], Lt[theme][2]};
    const Rgb dark = {Dk[theme][0], Dk[theme][1], Dk[theme][2]};
    for (int t = 0; t < 8; t++)
      for (int c = 0; c < 8; c++) {
        int code = d.Pos[c * 8 + (7 - t)];
        int n = 0;
        fs::path gif = folder / "gifs" / (names[code] + std::string(1, letter) + ".gif");
        std::vector<Rgb> want = Composite(gif, (t + c) % 2 == 0 ? light : dark, &n);
        ASSERT_EQ(n, size);
        int wrong = 0;
        for (int y = 0; y < size; y++)
          for (int x = 0; x < size; x++)
            wrong += !(shot.At(x0 + Frame + c * size + x, y0 + Frame + t * size + y) ==
                       want[y * size + x]);
        EXPECT_EQ(wrong, 0) << "square in table row " << t << ", column " << c;
      }
  }

  fs::path folder;
};

}  // namespace

// Medium with coordinates, large flipped, and a custom size, which uses the small images.
TEST_F(PageInChromium, EveryPageShowsEveryImage) {
  const struct {
    int flipped, dpi, theme, coords, square;
  } cases[] = {{0, 2, 0, 1, 48}, {1, 3, 4, 0, 72}, {0, 0, 6, 1, 24}};
  for (const auto &c : cases) {
    const Diagram d = MarkedTypical(c.flipped);  // its arrow the page leaves out
    PictureSettings settings;
    settings.Dpi = c.dpi, settings.Theme = c.theme, settings.Coords = c.coords;
    settings.PicSiz = c.dpi == 1 ? 2.0f : c.dpi == 3 ? 6.0f : c.dpi == 0 ? 3.3f : 4.0f;
    Shot shot = PageScreenshot("page" + std::to_string(c.square), d, settings);
    ASSERT_GT(shot.width, 0);
    ExpectBoard(shot, c.square, d, c.theme);
  }
}
