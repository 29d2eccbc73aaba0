// The screen images and cursors makeassets writes into the run folder: their formats, the mask
// convention, and that each figure comes from the picture's own glyph.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "render/glyphs.h"

namespace {
const char *const Stems[16] = {"em", "wk", "wq", "wr", "wb", "wn", "wp", "bk",
                               "bq", "br", "bb", "bn", "bp", "dt", "cr", "ar"};

std::string ReadAll(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
uint32_t U16(const std::string &b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
}
uint32_t U32(const std::string &b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

// A 24-bit 36 x 36 BMP as 0xRRGGBB by [y][x], y from the top; empty when it is not one.
std::vector<std::vector<uint32_t>> ReadBMP(const std::string &path) {
  std::string b = ReadAll(path);
  if (b.size() < 54 || b.compare(0, 2, "BM") != 0) return {};
  if (U32(b, 18) != 36 || U32(b, 22) != 36 || U16(b, 28) != 24 || U32(b, 30) != 0) return {};
  size_t offset = U32(b, 10), stride = 108;
  if (b.size() < offset + stride * 36 || U32(b, 2) != b.size()) return {};
  std::vector<std::vector<uint32_t>> rgb(36, std::vector<uint32_t>(36));
  for (int y = 0; y < 36; y++)
    for (int x = 0; x < 36; x++) {
      size_t at = offset + stride * (35 - y) + 3 * x;
      rgb[y][x] = static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
                  static_cast<uint8_t>(b[at + 2]) << 16;
    }
  return rgb;
}

std::string RunFile(const std::string &name) { return std::string(BS_RUN_DIR) + "/" + name; }

// Black pixels a glyph leaves on a white scratch square.
int GlyphBlackPixels(int code) {
  for (int x = 100; x < 190; x++)
    for (int y = 100; y < 190; y++) Dot[x][y] = 0;
  DrawSquareGlyph(code, 110, 110);
  int n = 0;
  for (int x = 100; x < 190; x++)
    for (int y = 100; y < 190; y++) n += Dot[x][y] != 0;
  return n;
}
}  // namespace

TEST(ScreenImages, EveryFileIsA36By36ImageAndMasksFollowTheConvention) {
  for (int i = 0; i < 16; i++) {
    SCOPED_TRACE(Stems[i]);
    auto face = ReadBMP(RunFile("bmp/" + std::string(Stems[i]) + "w.bmp"));
    ASSERT_FALSE(face.empty());
    if (i == 0) continue;
    auto picture = ReadBMP(RunFile("bmp/" + std::string(Stems[i]) + ".bmp"));
    auto mask = ReadBMP(RunFile("bmp/" + std::string(Stems[i]) + "m.bmp"));
    ASSERT_FALSE(picture.empty());
    ASSERT_FALSE(mask.empty());
    for (int y = 0; y < 36; y++)
      for (int x = 0; x < 36; x++) {
        // The mask is black or white; where it is white the picture is black, so that
        // AND with the mask then OR with the picture leaves the square as it was there.
        ASSERT_TRUE(mask[y][x] == 0 || mask[y][x] == 0xFFFFFF) << x << "," << y;
        if (mask[y][x] == 0xFFFFFF) {
          ASSERT_EQ(picture[y][x], 0u) << x << "," << y;
        }
        // Where the figure is, the face shows the same pixel as the board.
        if (i != 15 && mask[y][x] == 0) {
          ASSERT_EQ(face[y][x], picture[y][x]) << x << "," << y;
        }
      }
  }
}

TEST(ScreenImages, FiguresComeFromThePicturesGlyphs) {
  for (int code = 1; code <= 14; code++) {
    SCOPED_TRACE(Stems[code]);
    auto mask = ReadBMP(RunFile("bmp/" + std::string(Stems[code]) + "m.bmp"));
    ASSERT_FALSE(mask.empty());
    int figure = 0;
    for (auto &row : mask)
      for (uint32_t p : row) figure += p == 0;
    // A glyph that draws black shows a figure on screen; one that draws nothing shows none.
    if (GlyphBlackPixels(code) > 0) {
      EXPECT_GT(figure, 20);
    } else {
      EXPECT_EQ(figure, 0);
    }
  }
}

TEST(ScreenImages, ArrowStartMarkIsRedRoundTheArrowPoint) {
  auto picture = ReadBMP(RunFile("bmp/ar.bmp"));
  auto mask = ReadBMP(RunFile("bmp/arm.bmp"));
  ASSERT_FALSE(picture.empty());
  ASSERT_FALSE(mask.empty());
  // The board view's arrows start 17 pixels into the square: the mark is centred there.
  EXPECT_EQ(mask[17][17], 0u);
  EXPECT_EQ(picture[17][17], 0xB40000u);
  EXPECT_EQ(picture[17][26], 0xB40000u);  // the ring
  EXPECT_EQ(mask[17][22], 0xFFFFFFu);     // the square shows between dot and ring
  EXPECT_EQ(mask[0][0], 0xFFFFFFu);
}

TEST(ScreenImages, EraserAndArrowFacesAreDrawn) {
  for (const char *stem : {"em", "ar"}) {
    auto face = ReadBMP(RunFile("bmp/" + std::string(stem) + "w.bmp"));
    ASSERT_FALSE(face.empty());
    int marked = 0;
    for (auto &row : face)
      for (uint32_t p : row) marked += p != face[0][0];
    EXPECT_GT(marked, 60) << stem;
  }
}

TEST(ScreenImages, CursorsAreIconsWithTransparencyOutsideTheFigure) {
  for (int i = 0; i < 16; i++) {
    SCOPED_TRACE(Stems[i]);
    std::string b = ReadAll(RunFile("cur/" + std::string(Stems[i]) + ".ico"));
    ASSERT_GE(b.size(), 22u + 40u);
    EXPECT_EQ(U16(b, 0), 0u);
    EXPECT_EQ(U16(b, 2), 1u);  // an icon
    EXPECT_EQ(U16(b, 4), 1u);  // one image
    EXPECT_EQ(static_cast<uint8_t>(b[6]), 36);
    EXPECT_EQ(static_cast<uint8_t>(b[7]), 36);
    EXPECT_EQ(U16(b, 12), 32u);
    size_t size = U32(b, 14), offset = U32(b, 18);
    ASSERT_EQ(offset, 22u);
    ASSERT_EQ(offset + size, b.size());
    EXPECT_EQ(U32(b, offset + 4), 36u);
    EXPECT_EQ(U32(b, offset + 8), 72u);  // colour rows and mask rows
    EXPECT_EQ(U16(b, offset + 14), 32u);
    ASSERT_EQ(size, 40u + 36u * 36u * 4u + 36u * 8u);
    // The AND mask is set exactly where the colour image is transparent.
    size_t colour = offset + 40, andMask = colour + 36 * 36 * 4;
    int opaque = 0;
    for (int row = 0; row < 36; row++)
      for (int x = 0; x < 36; x++) {
        uint8_t alpha = static_cast<uint8_t>(b[colour + (row * 36 + x) * 4 + 3]);
        bool transparent = static_cast<uint8_t>(b[andMask + row * 8 + x / 8]) & (0x80 >> (x % 8));
        ASSERT_TRUE(alpha == 0 || alpha == 255);
        ASSERT_EQ(transparent, alpha == 0);
        opaque += alpha == 255;
      }
    if (i == 0 || i == 15) {
      EXPECT_GT(opaque, 60);
    }  // the eraser and the arrow are always drawn
  }
}
