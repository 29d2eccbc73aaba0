// The screen images and cursors makeassets writes into the run folder, every file pinned in one
// number. That each figure's mask and picture combine with its square (AND the mask, OR the
// picture) is seen on the board: boardview_test.cpp's stored image draws every figure.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/core/tempfolder.h"

namespace {
// A changed glyph changes the number. Look at the files in the run folder's bmp/ and cur/
// before taking a new value.
TEST(ScreenImages, AllImagesAndCursorsArePinned) {
  std::set<std::string> names;
  for (const std::string folder : {"bmp", "cur"})
    for (const std::string &name : NamesIn(BS_RUN_DIR "/" + folder)) names.insert(folder + "/" + name);
  EXPECT_EQ(names.size(), 92u);
  EXPECT_EQ(FilesHash(BS_RUN_DIR, names), 6620084435064546663ull);
}
}  // namespace
