// The web-page images: all 61 files a page refers to, pinned in one number. That they are GIFs
// of the designed sizes, transparent where the square shows, is seen in a browser
// (page_chromium_test.cpp).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/core/tempfolder.h"
#include "tools/makeassets/assets.h"

namespace {
// A changed glyph or a changed shrinking rule changes the number. Look at the gifs/ of the run
// folder (or a page in a browser) before taking a new value.
TEST(WebGifs, AllImagesArePinned) {
  TempFolder folder;
  ASSERT_TRUE(WriteWebGifs(folder.Path()));
  const std::set<std::string> names = NamesIn(folder / "gifs");
  EXPECT_EQ(names.size(), 61u);
  EXPECT_EQ(FilesHash(folder / "gifs", names), 7154392968439194220ull);
}
}  // namespace
