// The artwork pinned: every man and marker on a light and a dark square, the coordinate
// glyphs, an arrow of every shape and a few whole pictures, each as the hash of its picture
// file and its count of black pixels. A changed glyph fails here; look at the review sheet
// (tools/reviewsheet) before taking a new value.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "model/model.h"
#include "render/canvas.h"
#include "render/makebmp.h"
#include "tests/core/tempfolder.h"

namespace {
struct Pin {
  uint64_t hash;
  int black;
};

// The picture file of the diagram at the medium size, as FNV-1a of its bytes and the black
// pixels of the canvas.
Pin Picture(const Diagram &diagram, int coords) {
  auto canvas = std::make_unique<Canvas>();
  PictureSettings settings;
  settings.Coords = coords;
  uint64_t h = Fnv1a(MakeBMPFile(diagram, settings, *canvas));
  int size = PictureSize(coords), black = 0;
  for (int x = 1; x <= size; x++)
    for (int y = 1; y <= size; y++) black += canvas->Dot[x][y] != 0;
  return {h, black};
}

void ExpectPin(const Pin &got, const Pin &want, const char *what, int k) {
  EXPECT_EQ(got.hash, want.hash) << what << " " << k << ": 0x" << std::hex << got.hash;
  EXPECT_EQ(got.black, want.black) << what << " " << k;
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
      ExpectPin(Picture(diagram, 0), pins[code - 1][dark], dark ? "dark square, code" : "light square, code",
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
    Diagram diagram;
    diagram.NArrows = 1;
    const int32_t arrow[4] = {3, 4, to[k][0], to[k][1]};
    for (int i = 0; i < 4; i++) diagram.Arr[0][i] = arrow[i];
    ExpectPin(Picture(diagram, 0), pins[k], "arrow", k);
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
      for (int coords = 0; coords < 2; coords++) {
        Diagram diagram;
        diagram.Flipped = flipped;
        presets[p](diagram);
        ExpectPin(Picture(diagram, coords), pins[p][flipped][coords], "preset, flipped, coords",
                  p * 100 + flipped * 10 + coords);
      }
}
}  // namespace
