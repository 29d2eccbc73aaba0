// The screen images and cursors makeassets writes into the run folder, every file pinned in one
// number. That each figure's mask and picture combine with its square (AND the mask, OR the
// picture) is seen on the board: boardview_test.cpp's stored image draws every figure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/core/tempfolder.h"

namespace {
std::string RunFile(const std::string &name) { return std::string(BS_RUN_DIR) + "/" + name; }

// A changed glyph changes the number. Look at the files in the run folder's bmp/ and cur/
// before taking a new value.
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
