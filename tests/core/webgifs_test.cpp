// The web-page images: all 61 files a page refers to, pinned in one number. That they are GIFs
// of the designed sizes, transparent where the square shows, is seen in a browser
// (page_chromium_test.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/core/tempfolder.h"
#include "tools/makeassets/assets.h"

namespace {
// A changed glyph or a changed shrinking rule changes the number. Look at the gifs/ of the run
// folder (or a page in a browser) before taking a new value.
TEST(WebGifs, AllImagesArePinned) {
  TempFolder folder;
  ASSERT_TRUE(WriteWebGifs(folder.Path()));
  std::vector<std::string> names;
  for (const auto &entry : std::filesystem::directory_iterator(folder / "gifs"))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names.size(), 61u);
  uint64_t h = Fnv1a("");
  for (const std::string &name : names) h = Fnv1a(name + ReadWhole(folder / ("gifs/" + name)), h);
  EXPECT_EQ(h, 7154392968439194220ull);
}
}  // namespace
