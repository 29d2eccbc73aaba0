// The screen images and cursors makeassets writes into the run folder: their formats, the mask
// convention, and every file pinned.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <cstring>
#include <string>
#include <vector>

#include "tests/core/tempfolder.h"

namespace {
const char *const Stems[16] = {"em", "wk", "wq", "wr", "wb", "wn", "wp", "bk",
                               "bq", "br", "bb", "bn", "bp", "dt", "cr", "ar"};

uint32_t U16(const std::string &b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
}
uint32_t U32(const std::string &b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

// A 24-bit 36 x 36 BMP as 0xRRGGBB by [y][x], y from the top; empty when it is not one.
std::vector<std::vector<uint32_t>> ReadBMP(const std::string &path) {
  std::string b = ReadWhole(path);
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

// Every image, mask and cursor pinned in one number; a changed glyph changes it. Look at the
// files in the run folder's bmp/ and cur/ before taking a new value.
TEST(ScreenImages, AllImagesAndCursorsArePinned) {
  std::vector<std::string> names;
  for (const char *folder : {"bmp", "cur"})
    for (const auto &entry : std::filesystem::directory_iterator(RunFile(folder)))
      names.push_back(std::string(folder) + "/" + entry.path().filename().string());
  std::sort(names.begin(), names.end());
  uint64_t h = Fnv1a("");
  for (const std::string &name : names) h = Fnv1a(name + ReadWhole(RunFile(name)), h);
  EXPECT_EQ(names.size(), 92u);
  EXPECT_EQ(h, 6620084435064546663ull);
}
}  // namespace
