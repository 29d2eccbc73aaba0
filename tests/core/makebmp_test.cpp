// The diagram picture: its composition on the canvas and the bytes of the BMP file; and the
// artwork pinned: every man and marker on a light and a dark square, the coordinate glyphs, an
// arrow of every shape and a few whole pictures (each as the hash of its picture file, header
// included, and its count of black pixels), the screen images and cursors of the run folder and
// the 61 web-page images (every file in one number). A changed glyph fails here: look at the
// review sheet (tools/reviewsheet) or the run folder's bmp/, cur/ and gifs/ before taking a new
// value. How each figure's mask and picture combine with its square (AND the mask, OR the
// picture) is seen on the board (boardview_test.cpp's stored image), the web images'
// transparency in a browser (htm_test.cpp).
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "files/brd.h"
#include "model/model.h"
#include "render/canvas.h"
#include "render/makebmp.h"
#include "tests/core/testcanvas.h"
#include "tests/core/testdiagram.h"
#include "tools/makeassets/assets.h"

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

struct Pin {
  uint64_t hash;
  int black;
};

// The picture file of the diagram at the medium size, as FNV-1a of its bytes and the black
// pixels of the canvas.
Pin PinOf(const Diagram &diagram, int coords) {
  auto canvas = std::make_unique<Canvas>();
  const uint64_t h = Fnv1a(MakeBMPFile(diagram, {.Coords = coords}, *canvas));
  int size = PictureSize(coords), black = 0;
  for (int x = 1; x <= size; x++)
    for (int y = 1; y <= size; y++) black += canvas->Dot[x][y] != 0;
  return {h, black};
}

void ExpectPin(const Pin &got, const Pin &want, const char *what, int k) {
  EXPECT_EQ(got.hash, want.hash) << what << " " << k << ": 0x" << std::hex << got.hash;
  EXPECT_EQ(got.black, want.black) << what << " " << k;
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
    PictureSettings settings{.PicSiz = c.inches};
    EXPECT_EQ(PictureResolution(settings), c.r592) << c.inches;
    settings.Coords = 1;
    EXPECT_EQ(PictureResolution(settings), c.r624) << c.inches;
    std::vector<uint8_t> f = EncodeBMP(*board.canvas, settings);
    EXPECT_EQ(U32(f, 38), static_cast<uint32_t>(c.r624));
    EXPECT_EQ(U32(f, 42), static_cast<uint32_t>(c.r624));
  }
}

// Codes that are no man, either way up, and the arrows of a damaged file (ends far off the
// board, a count beyond the list or below 0) draw nothing, with and without coordinates; nothing
// is written outside the canvas (the sanitizers watch).
TEST(Picture, OddCodesAndDamagedArrowsDrawNothing) {
  Board board;
  Diagram &d = board.diagram;
  for (int coords = 0; coords < 2; coords++) {
    d = Diagram();
    d.Flipped = coords;  // without coordinates an empty board is the same either way up
    board.Picture(coords);
    const std::vector<uint8_t> empty = testcanvas::Snapshot(*board.canvas);
    for (int32_t &code : d.Pos) code = 99;
    d.Pos[5] = -4;
    d.Flipped = 1;
    for (int i = 0; i < MaxArrows; i++)
      d.Arr[i][0] = 100000 * (i % 3 - 1), d.Arr[i][1] = -7, d.Arr[i][2] = 8, d.Arr[i][3] = 2147483647;
    for (int count : {99, -5}) {
      d.NArrows = count;
      board.Picture(coords);
      EXPECT_EQ(testcanvas::Snapshot(*board.canvas), empty) << coords << ", " << count;
    }
  }
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
    (k < 2 ? StartPosition : TypicalPosition)(board.diagram);
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

TEST(Artwork, EveryManAndMarkerOnALightAndADarkSquare) {
  // By square code 1..14: on d5 (light), then on e5 (dark).
  const Pin pins[14][2] = {
      {{0x315cc66278b1b12a, 55402}, {0x2861bc5e4ebe8ec2, 54429}},
      {{0xfdabef9b62921458, 55614}, {0x723986ba292229ef, 54636}},
      {{0xf3896138efa2927d, 55600}, {0x89f8d1a072e655ff, 54689}},
      {{0x6c80858283f27644, 55257}, {0x697f996f53ea9a0d, 54550}},
      {{0xf1c83eba26a85c42, 55196}, {0x72c52ed5843e790f, 54151}},
      {{0x48d8a57f3e6d08fb, 55044}, {0x8d85e090c0458ef2, 54497}},
      {{0x5e33263b63e8d028, 56799}, {0x9ec8ec84181079a1, 55845}},
      {{0x6d304c6a4fe4bd83, 56146}, {0x5478987a9e526f72, 55168}},
      {{0x8df4868b0e053b8f, 56494}, {0x119be78f697b1ac5, 55598}},
      {{0xcfbd87624d1b33bc, 56316}, {0x65be45122c0b65dd, 55457}},
      {{0x7df854b93647d4db, 56872}, {0x48fd58dab2d97fbc, 55914}},
      {{0x24f4f28aae97228c, 55602}, {0x4dffe0f0e409714f, 55055}},
      {{0x14fc74946fb998ec, 54881}, {0xb83f9e8e33af6876, 54636}},
      {{0x13c330b1057b7360, 54609}, {0x71d093d6644b375b, 54382}},
  };
  for (int code = 1; code <= 14; code++)
    for (int dark = 0; dark < 2; dark++) {
      Diagram diagram;
      diagram.Pos[(3 + dark) * 8 + 4] = code;
      ExpectPin(PinOf(diagram, 0), pins[code - 1][dark], dark ? "dark square, code" : "light square, code",
                code);
    }
}

TEST(Artwork, AnArrowOfEveryShape) {
  // From d4 (column 3, row 4 from the top): along the rank and the file, the diagonals and the
  // eight knight's moves.
  const int32_t to[16][2] = {{6, 4}, {0, 4}, {3, 1}, {3, 7}, {5, 2}, {1, 6}, {6, 7}, {1, 2},
                             {4, 2}, {5, 3}, {5, 5}, {4, 6}, {2, 6}, {1, 5}, {1, 3}, {2, 2}};
  const Pin pins[16] = {
      {0xe33ab3326d5c816f, 55307}, {0xb903c78f111d69e6, 55304},
      {0x7be42ffd2a32826e, 55305}, {0x9bbdc4c5e8f0f7a9, 55306},
      {0x5358a0c21e87f478, 55070}, {0xd3cd818000074a43, 55065},
      {0x178f4d4c26757e5e, 55424}, {0x3b7287c892a287ce, 55051},
      {0x127589a50a9777d1, 54974}, {0x2e4f7169426f9bd5, 54931},
      {0x622eddb24859dcf6, 54970}, {0x89edbd90b124bdb1, 54968},
      {0x248c8b7dc49bd47c, 54944}, {0x90c2ae7daa34f263, 54965},
      {0x4aa454b24b687c24, 54934}, {0xf875c88d5167331d, 54958},
  };
  for (int k = 0; k < 16; k++) {
    const Diagram diagram{.Arr = {{3, 4, to[k][0], to[k][1]}}, .NArrows = 1};
    ExpectPin(PinOf(diagram, 0), pins[k], "arrow", k);
  }
}

TEST(Artwork, WholePicturesWithAndWithoutCoordinates) {
  // Empty, start and typical positions; white and black at the bottom; without and with
  // coordinates (the coordinates alone on the empty board show all sixteen glyphs).
  void (*const presets[3])(Diagram &) = {EmptyPosition, StartPosition, TypicalPosition};
  const Pin pins[3][2][2] = {
      {{{0x29e4a7959d2c293b, 54404}, {0xb82f0e59b7be1b4c, 57475}}, {{0x29e4a7959d2c293b, 54404}, {0x434718a89015c904, 57475}}},
      {{{0x38a32b678f0c5aad, 82372}, {0x4bce5f9fbb844044, 85443}}, {{0x711f26c8394c8f8d, 82376}, {0x7a66dbd4e15dd70c, 85447}}},
      {{{0xa8e5ad427b98691, 77562}, {0x9c5f55d91b4186d0, 80633}}, {{0xf4144bddfe74391d, 77540}, {0x36af84fe38b0b20, 80611}}},
  };
  for (int p = 0; p < 3; p++)
    for (int flipped = 0; flipped < 2; flipped++)
      for (int coords = 0; coords < 2; coords++)
        ExpectPin(PinOf(Preset(presets[p], flipped), coords), pins[p][flipped][coords], "preset, flipped, coords",
                  p * 100 + flipped * 10 + coords);
}

TEST(ScreenImages, AllImagesAndCursorsArePinned) {
  std::set<std::string> names;
  for (const std::string folder : {"bmp", "cur"})
    for (const std::string &name : NamesIn(BS_RUN_DIR "/" + folder)) names.insert(folder + "/" + name);
  EXPECT_EQ(names.size(), 92u);
  EXPECT_EQ(FilesHash(BS_RUN_DIR, names), 6620084435064546663ull);
}

TEST(WebGifs, AllImagesArePinned) {
  TempFolder folder;
  ASSERT_TRUE(WriteWebGifs(folder.Path()));
  const std::set<std::string> names = NamesIn(folder / "gifs");
  EXPECT_EQ(names.size(), 61u);
  EXPECT_EQ(FilesHash(folder / "gifs", names), 7154392968439194220ull);
}
}  // namespace
