// The diagram picture: its composition on the canvas and the bytes of the BMP file.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
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

// A diagram (a new one is the empty board, white at the bottom), its settings (the medium
// size) and a canvas of its own, white as a new canvas is.
struct Board {
  Diagram diagram;
  PictureSettings settings;
  std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();

  std::vector<uint8_t> Picture(int coords) {
    settings.Coords = coords;
    Compose(diagram, settings, *canvas);
    return EncodeBMP(*canvas, settings);
  }
};

// The header's fields; the pixels of this and other pictures are pinned in artwork_test.cpp.
TEST(Picture, HeaderOfTheEmptyBoard) {
  Board board;
  std::vector<uint8_t> f = board.Picture(0);
  ASSERT_EQ(f.size(), 45054u);
  EXPECT_EQ(f[0], 'B');
  EXPECT_EQ(f[1], 'M');
  // Size, reserved, offset, header size, width, height, planes and bits, no compression, image
  // size, resolutions, colours; then the table: entry 0 black, entry 1 white.
  const uint32_t fields[] = {45054, 0, 62, 40, 592, 592, 1 | 1 << 16, 0, 44992, 5827, 5827, 0, 0, 0, 0x00FFFFFF};
  for (size_t i = 0; i < std::size(fields); i++) EXPECT_EQ(U32(f, 2 + 4 * i), fields[i]) << "at " << 2 + 4 * i;
}

TEST(Picture, NothingLeftOnTheCanvasShows) {
  Board board;
  TypicalPosition(board.diagram);
  for (int coords = 0; coords < 2; coords++) {
    testcanvas::Fill(*board.canvas, 0);
    std::vector<uint8_t> clean = board.Picture(coords);
    testcanvas::Fill(*board.canvas, 1);  // a canvas full of ink, edges included
    EXPECT_EQ(board.Picture(coords), clean) << coords;
  }
}

TEST(Picture, Resolutions) {
  Board board;
  const struct {
    float inches;
    int r592, r624;
  } cases[] = {{2.0f, 11654, 12283}, {4.0f, 5827, 6142}, {6.0f, 3885, 4094}, {1.0f, 23307, 24567}};
  for (const auto &c : cases) {
    PictureSettings settings;
    settings.PicSiz = c.inches;
    EXPECT_EQ(PictureResolution(settings), c.r592) << c.inches;
    settings.Coords = 1;
    EXPECT_EQ(PictureResolution(settings), c.r624) << c.inches;
    std::vector<uint8_t> f = EncodeBMP(*board.canvas, settings);
    EXPECT_EQ(U32(f, 38), static_cast<uint32_t>(c.r624));
    EXPECT_EQ(U32(f, 42), static_cast<uint32_t>(c.r624));
  }
}

TEST(Picture, SameDrawingInBothOrientationsAndForOddCodes) {
  Board board;
  board.Picture(0);
  const std::vector<uint8_t> empty = testcanvas::Snapshot(*board.canvas);
  for (int32_t &code : board.diagram.Pos) code = 99;
  board.diagram.Pos[5] = -4;
  board.diagram.Flipped = 1;
  board.Picture(0);
  EXPECT_EQ(testcanvas::Snapshot(*board.canvas), empty);
}

TEST(Picture, ArrowsFromADamagedFileStayOffTheCanvas) {
  Board board;
  Diagram &d = board.diagram;
  d.NArrows = 99;  // more than the list holds
  for (int i = 0; i < MaxArrows; i++) {
    d.Arr[i][0] = 100000 * (i % 3 - 1), d.Arr[i][1] = -7, d.Arr[i][2] = 8, d.Arr[i][3] = 2147483647;
  }
  std::vector<uint8_t> f = board.Picture(1);  // must not write outside the canvas (the sanitizers watch)
  EXPECT_EQ(f.size(), 49982u);
  d.NArrows = -5;
  EXPECT_EQ(board.Picture(0).size(), 45054u);
}

// Four threads each read a different position file and compose and encode its picture on a
// canvas of their own over and over, all at once: every picture equals the one composed alone.
// Anything shared between threads mixes the drawings.
TEST(Picture, SameBytesComposedOnSeveralThreadsAtOnce) {
  std::vector<std::string> texts;
  std::vector<std::vector<uint8_t>> alone;
  for (int k = 0; k < 4; k++) {
    Board board;
    board.diagram.Flipped = k % 2;
    if (k < 2) StartPosition(board.diagram);
    else TypicalPosition(board.diagram);
    board.settings.Theme = k, board.settings.Dpi = 3, board.settings.PicSiz = 6.0f;
    alone.push_back(board.Picture(k % 2));
    texts.push_back(MakeBRDFile(board.diagram, board.settings));
  }
  int same[4] = {};
  std::vector<std::thread> threads;
  for (int k = 0; k < 4; k++)
    threads.emplace_back([&, k] {
      auto canvas = std::make_unique<Canvas>();
      for (int round = 0; round < 20; round++) {
        std::optional<PositionFile> file = ReadBRDText(texts[k]);
        same[k] += file && MakeBMPFile(file->diagram, file->settings, *canvas) ==
                               std::string(alone[k].begin(), alone[k].end()) &&
                   MakeBRDFile(file->diagram, file->settings) == texts[k];
      }
    });
  for (std::thread &t : threads) t.join();
  for (int k = 0; k < 4; k++) EXPECT_EQ(same[k], 20) << "position " << k;
}
}  // namespace
