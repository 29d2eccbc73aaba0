// The web-page images: every file a page refers to, valid GIFs of the designed sizes,
// transparent where the square shows, drawn from the picture's glyphs the right way up.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "render/glyphs.h"
#include "tests/core/gifread.h"
#include "tools/makeassets/assets.h"

namespace fs = std::filesystem;

namespace {
const char *const SquareNames[15] = {"e",  "wk", "wq", "wr", "wb", "wn", "wp",   "bk",
                                     "bq", "br", "bb", "bn", "bp", "dot", "cross"};
const char SizeLetters[3] = {'s', 'm', 'l'};
const int SquareSizes[3] = {24, 48, 72};
const int FrameThickness = 6;

enum Kind { IsBlack, IsWhite, IsClear, IsOther };

// A GIF as black, white or clear pixels, top row first.
struct Gif {
  bool ok;
  std::string error;
  int width, height;
  bool transparent;
  std::vector<Kind> pixels;
  Kind At(int x, int y) const { return pixels[y * width + x]; }
  int Count(Kind k) const {
    int n = 0;
    for (Kind p : pixels) n += p == k;
    return n;
  }
};

Gif Read(const fs::path &path) {
  GifImage image = ReadGif(path.string());
  Gif g{image.ok, image.error, image.width, image.height, image.transparent, {}};
  for (const GifPixel &p : image.pixels)
    g.pixels.push_back(p.clear                                      ? IsClear
                       : p.r == 0 && p.g == 0 && p.b == 0           ? IsBlack
                       : p.r == 255 && p.g == 255 && p.b == 255     ? IsWhite
                                                                    : IsOther);
  return g;
}

class WebGifs : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = fs::temp_directory_path() / ("webgifs_test_" + std::to_string(getpid()));
    fs::remove_all(folder);
    written = WriteWebGifs(folder.string());
  }
  static void TearDownTestSuite() { fs::remove_all(folder); }
  static Gif Read(const std::string &name) { return ::Read(folder / "gifs" / (name + ".gif")); }
  static fs::path folder;
  static bool written;
};
fs::path WebGifs::folder;
bool WebGifs::written;

// The glyph of a square code drawn on a white canvas: true where it is black, top row first.
std::vector<bool> GlyphOnWhite(int code) {
  std::memset(Dot, 0, sizeof Dot);
  const int sx = 200, sy = 200;
  DrawSquareGlyph(code, sx, sy);
  std::vector<bool> black;
  for (int row = 0; row < 72; row++)
    for (int x = 0; x < 72; x++) black.push_back(Dot[sx + x][sy + 71 - row] != 0);
  return black;
}
}  // namespace

TEST_F(WebGifs, EverySixtyOneFileIsAValidGifOfItsSize) {
  ASSERT_TRUE(written);
  int files = 0;
  for (const auto &entry : fs::directory_iterator(folder / "gifs")) {
    EXPECT_EQ(entry.path().extension(), ".gif") << entry.path();
    files++;
  }
  EXPECT_EQ(files, 61);

  for (int s = 0; s < 3; s++) {
    const int n = SquareSizes[s];
    for (const char *name : SquareNames) {
      Gif g = Read(name + std::string(1, SizeLetters[s]));
      ASSERT_TRUE(g.ok) << name << SizeLetters[s] << ": " << g.error;
      EXPECT_EQ(g.width, n);
      EXPECT_EQ(g.height, n);
      EXPECT_TRUE(g.transparent) << name << SizeLetters[s];
      EXPECT_EQ(g.Count(IsOther), 0);
    }
    // The frame's edges are solid black strips, six pixels thick, one square long.
    for (const char *edge : {"upper", "lower", "left", "right"}) {
      Gif g = Read(edge + std::string(1, SizeLetters[s]));
      ASSERT_TRUE(g.ok) << edge << SizeLetters[s] << ": " << g.error;
      bool across = edge[0] == 'u' || edge[1] == 'o';
      EXPECT_EQ(g.width, across ? n : FrameThickness) << edge;
      EXPECT_EQ(g.height, across ? FrameThickness : n) << edge;
      EXPECT_EQ(g.Count(IsBlack), n * FrameThickness) << edge;
    }
    // The empty square is wholly transparent.
    EXPECT_EQ(Read(std::string("e") + SizeLetters[s]).Count(IsClear), n * n);
  }
  // The corners share the edges' rows and columns for every size.
  for (int corner = 1; corner <= 4; corner++) {
    Gif g = Read("corner" + std::to_string(corner));
    ASSERT_TRUE(g.ok) << corner << ": " << g.error;
    EXPECT_EQ(g.width, FrameThickness);
    EXPECT_EQ(g.height, FrameThickness);
    EXPECT_EQ(g.Count(IsBlack), FrameThickness * FrameThickness);
  }
}

TEST_F(WebGifs, LargeImagesAreTheGlyphsTheRightWayUp) {
  ASSERT_TRUE(written);
  int drawn = 0;
  for (int code = 1; code <= 14; code++) {
    std::vector<bool> black = GlyphOnWhite(code);
    Gif g = Read(std::string(SquareNames[code]) + "l");
    ASSERT_TRUE(g.ok);
    int mismatches = 0, glyphBlack = 0;
    for (int i = 0; i < 72 * 72; i++) {
      glyphBlack += black[i];
      mismatches += black[i] != (g.pixels[i] == IsBlack);
    }
    EXPECT_EQ(mismatches, 0) << SquareNames[code];
    if (glyphBlack > 0) {
      drawn++;
      // What the glyph leaves alone shows the square: something stays clear.
      EXPECT_GT(g.Count(IsClear), 0) << SquareNames[code];
    }
  }
  if (drawn == 0) GTEST_SKIP() << "no glyph draws anything yet";
}

TEST_F(WebGifs, ShrunkPiecesKeepTheirShareOfBlack) {
  // A white piece stays white inside and a black piece keeps its white details: the black part
  // of each shrunk image stays close to that of the glyph itself.
  ASSERT_TRUE(written);
  for (int code = 1; code <= 12; code++) {
    Gif large = Read(std::string(SquareNames[code]) + "l");
    ASSERT_TRUE(large.ok);
    double full = large.Count(IsBlack) / (72.0 * 72.0);
    if (full == 0) continue;  // a glyph not drawn yet
    for (int s = 0; s < 2; s++) {
      const int n = SquareSizes[s];
      Gif g = Read(std::string(SquareNames[code]) + SizeLetters[s]);
      ASSERT_TRUE(g.ok);
      double ratio = g.Count(IsBlack) / static_cast<double>(n * n) / full;
      EXPECT_GT(ratio, 0.8) << SquareNames[code] << SizeLetters[s];
      EXPECT_LT(ratio, 1.25) << SquareNames[code] << SizeLetters[s];
    }
  }
}

TEST_F(WebGifs, DotKeepsItsRingAtEverySize) {
  ASSERT_TRUE(written);
  std::vector<bool> black = GlyphOnWhite(13);
  int glyphBlack = 0;
  for (bool b : black) glyphBlack += b;
  if (glyphBlack == 0) GTEST_SKIP() << "the dot glyph draws nothing yet";

  // At 72 pixels: the 477 black pixels of the disc, the white ring of the radius-16 disc, and
  // nothing else written.
  Gif large = Read("dotl");
  ASSERT_TRUE(large.ok);
  EXPECT_EQ(large.Count(IsBlack), 477);
  EXPECT_EQ(large.Count(IsWhite), 833 - 477);
  // Centre at pixel 36 from the left and from the bottom: row 35 from the top.
  EXPECT_EQ(large.At(36, 35), IsBlack);
  EXPECT_EQ(large.At(36 + 14, 35), IsWhite);
  EXPECT_EQ(large.At(36 + 17, 35), IsClear);

  // Shrunk: a black disc of about the same share of the square, still ringed in white, the
  // square's corners clear.
  for (int s = 0; s < 2; s++) {
    const int n = SquareSizes[s];
    Gif g = Read(std::string("dot") + SizeLetters[s]);
    ASSERT_TRUE(g.ok);
    double share = static_cast<double>(g.Count(IsBlack)) / (n * n);
    EXPECT_NEAR(share, 477.0 / (72 * 72), 0.03) << n;
    EXPECT_GT(g.Count(IsWhite), 0) << n;
    int centre = 36 * n / 72;
    EXPECT_EQ(g.At(centre, n - 1 - centre), IsBlack) << n;
    // Left of the disc along the centre row: black, then white, then clear.
    int x = centre;
    while (x > 0 && g.At(x, n - 1 - centre) == IsBlack) x--;
    EXPECT_EQ(g.At(x, n - 1 - centre), IsWhite) << n;
    EXPECT_EQ(g.At(0, 0), IsClear);
    EXPECT_EQ(g.At(n - 1, n - 1), IsClear);
  }
}

