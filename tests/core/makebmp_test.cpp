// The diagram picture: its composition on the canvas and the bytes of the BMP file.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "files/brd.h"
#include "model/model.h"
#include "render/canvas.h"
#include "render/makebmp.h"
#include "tests/core/testcanvas.h"

namespace {
uint32_t U32(const std::vector<uint8_t> &f, size_t at) {
  return f[at] | f[at + 1] << 8 | f[at + 2] << 16 | static_cast<uint32_t>(f[at + 3]) << 24;
}

void EmptyBoard() {
  // Column 0 and row 0 are never whitened, yet the move for coordinates copies them: start
  // from the white canvas the program has, whatever earlier tests drew.
  testcanvas::Fill(0);
  Flipped = 0;
  EmptyPosition(nullptr);
  Dpi = 2, PicSiz = 4.0f;
}

std::vector<uint8_t> Picture(int coords) {
  ComposeDiagram(coords);
  return EncodeBMP(coords);
}

// The header's fields; the pixels of this and other pictures are pinned in artwork_test.cpp.
TEST(Picture, HeaderOfTheEmptyBoard) {
  EmptyBoard();
  std::vector<uint8_t> f = Picture(0);
  ASSERT_EQ(f.size(), 45054u);
  EXPECT_EQ(f[0], 'B');
  EXPECT_EQ(f[1], 'M');
  // Size, reserved, offset, header size, width, height, planes and bits, no compression, image
  // size, resolutions, colours; then the table: entry 0 black, entry 1 white.
  const uint32_t fields[] = {45054, 0, 62, 40, 592, 592, 1 | 1 << 16, 0, 44992, 5827, 5827, 0, 0, 0, 0x00FFFFFF};
  for (size_t i = 0; i < std::size(fields); i++) EXPECT_EQ(U32(f, 2 + 4 * i), fields[i]) << "at " << 2 + 4 * i;
}

TEST(Picture, NothingLeftOnTheCanvasShows) {
  EmptyBoard();
  TypicalPosition(nullptr);
  testcanvas::Fill(0);
  std::vector<uint8_t> clean = Picture(1);
  testcanvas::Fill(1);  // a canvas full of ink, edges included
  EXPECT_EQ(Picture(1), clean);
  testcanvas::Fill(0);
  clean = Picture(0);
  testcanvas::Fill(1);
  EXPECT_EQ(Picture(0), clean);
}

TEST(Picture, Resolutions) {
  EmptyBoard();
  const struct {
    float inches;
    int r592, r624;
  } cases[] = {{2.0f, 11654, 12283}, {4.0f, 5827, 6142}, {6.0f, 3885, 4094}, {1.0f, 23307, 24567}};
  for (const auto &c : cases) {
    PicSiz = c.inches;
    EXPECT_EQ(PictureResolution(0), c.r592) << c.inches;
    EXPECT_EQ(PictureResolution(1), c.r624) << c.inches;
    std::vector<uint8_t> f = EncodeBMP(1);
    EXPECT_EQ(U32(f, 38), static_cast<uint32_t>(c.r624));
    EXPECT_EQ(U32(f, 42), static_cast<uint32_t>(c.r624));
  }
}

TEST(Picture, SameDrawingInBothOrientationsAndForOddCodes) {
  EmptyBoard();
  Picture(0);
  const std::vector<uint8_t> empty = testcanvas::Snapshot();
  for (int32_t &code : Pos) code = 99;
  Pos[5] = -4;
  Flipped = 1;
  Picture(0);
  EXPECT_EQ(testcanvas::Snapshot(), empty);
}

TEST(Picture, ArrowsFromADamagedFileStayOffTheCanvas) {
  EmptyBoard();
  NArrows = 99;  // more than the list holds
  for (int i = 0; i < MaxArrows; i++) {
    Arr[i][0] = 100000 * (i % 3 - 1), Arr[i][1] = -7, Arr[i][2] = 8, Arr[i][3] = 2147483647;
  }
  std::vector<uint8_t> f = Picture(1);  // must not write outside Dot (the sanitizers watch)
  EXPECT_EQ(f.size(), 49982u);
  NArrows = -5;
  EXPECT_EQ(Picture(0).size(), 45054u);
  NArrows = 0;
}

// Four threads each read a different position file and compose and encode its picture over and
// over, all at once: every picture equals the one composed alone. A canvas or a model value
// shared between threads mixes the drawings.
TEST(Picture, SameBytesComposedOnSeveralThreadsAtOnce) {
  std::vector<std::string> texts;
  std::vector<std::vector<uint8_t>> alone;
  for (int k = 0; k < 4; k++) {
    EmptyBoard();
    Flipped = k % 2;
    if (k < 2) StartPosition(nullptr);
    else TypicalPosition(nullptr);
    Theme = k, Dpi = 3, PicSiz = 6.0f;
    texts.push_back(BRDText(k % 2));
    alone.push_back(Picture(k % 2));
  }
  int same[4] = {};
  std::vector<std::thread> threads;
  for (int k = 0; k < 4; k++)
    threads.emplace_back([&, k] {
      for (int round = 0; round < 20; round++)
        same[k] += ReadBRDText(texts[k]) && Picture(Coords) == alone[k] && BRDText(Coords) == texts[k];
    });
  for (std::thread &t : threads) t.join();
  for (int k = 0; k < 4; k++) EXPECT_EQ(same[k], 20) << "position " << k;
}
}  // namespace
