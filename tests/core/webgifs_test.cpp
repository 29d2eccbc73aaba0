// The web-page images: every file a page refers to, valid GIFs of the designed sizes,
// transparent where the square shows, and every image pinned.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/core/gifread.h"
#include "tests/core/tempfolder.h"
#include "tools/makeassets/assets.h"

namespace fs = std::filesystem;

namespace {
const char *const SquareNames[15] = {"e",  "wk", "wq", "wr", "wb", "wn", "wp",   "bk",
                                     "bq", "br", "bb", "bn", "bp", "dot", "cross"};
const char SizeLetters[3] = {'s', 'm', 'l'};
const int SquareSizes[3] = {24, 48, 72};

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
    // The empty square is wholly transparent.
    EXPECT_EQ(Read(std::string("e") + SizeLetters[s]).Count(IsClear), n * n);
  }
}

// All 61 images pinned in one number; a changed glyph or a changed shrinking rule changes it.
// Look at the gifs/ of the run folder (or a page in a browser) before taking a new value.
TEST_F(WebGifs, AllImagesArePinned) {
  ASSERT_TRUE(written);
  std::vector<std::string> names;
  for (const auto &entry : fs::directory_iterator(folder / "gifs"))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  uint64_t h = Fnv1a("");
  for (const std::string &name : names) h = Fnv1a(name + ReadWhole(folder / "gifs" / name), h);
  EXPECT_EQ(h, 7154392968439194220ull);
}
