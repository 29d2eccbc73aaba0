// The black pieces drawn stroke by stroke: pixel counts, silhouettes, halos and placement.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "render/drawnpiece.h"
#include "render/glyphs.h"
#include "tests/core/testcanvas.h"

using namespace testcanvas;

namespace {
class DrawnPieces : public CleanCanvas {};

// The silhouettes as a chess diagram's author would read them off the drawing: rows v (or v1-v2)
// with their runs u1-u2, runs of a row left to right.
const char *const KingRuns =
    "6:30-40 7:24-47 8-9:20-51 10:17-54 11-16:16-55 17-25:15-56 26-27:13-58 28:12-59 29:11-60 "
    "30:9-62 31-32:7-64 33-34:6-65 35-37:5-66 38-41:3-68 42-46:2-69 47-50:3-68 51-52:5-66 "
    "53-54:6-65 55:8-63 56:11-60 57-68:26-45";
const char *const BishopRuns =
    "4-5:3-6,65-68 6-7:2-69 8-9:2-33,38-69 10-11:3-68 12-14:4-66 15:7-64 16-29:22-50 30:21-51 "
    "31-36:19-52 37-42:18-53 43-47:19-52 48-51:21-51 52:22-50 53-55:23-48 56-57:25-47 "
    "58-60:26-45 61-64:27-44 65-68:26-45 69:27-44 70:29-43";
const char *const KnightRuns =
    "7:21-64 8-12:20-65 13-15:21-66 16-19:22-66 20:23-66 21:24-66 22-23:8-19,25-66 "
    "24:7-20,26-66 25:6-20,27-66 26-27:5-21,29-65 28:5-24,30-65 29:5-25,30-65 30-34:5-65 "
    "35-36:6-64 37:7-64 38:8-62 39:10-62 40-42:11-61 43-45:12-60 46:14-60 47-48:14-59 "
    "49-50:15-57 51:16-56 52:16-55 53-54:17-53 55:17-52 56:17-51 57:17-48 58-59:17-46 60:16-44 "
    "61:16-42 62-63:16-39 64:16-19,23-31 65:16-18,23-28 66-68:24-27 69:25-25";

// The pixels the runs leave black when each is laid in order with its halo: up to four white
// pixels beyond both ends, within the square's columns 1..72.
Pixels LaidRuns(const char *text) {
  std::map<std::pair<int, int>, int> px;
  std::istringstream items(text);
  std::string item;
  while (items >> item) {
    int v1, v2;
    char sep;
    std::istringstream in(item);
    in >> v1;
    v2 = v1;
    if (in.peek() == '-') in >> sep >> v2;
    in >> sep;  // ':'
    for (int u1, u2; in >> u1 >> sep >> u2; in >> sep)
      for (int v = v1; v <= v2; v++)
        for (int u = u1 - 4; u <= u2 + 4; u++)
          if (u > 0 && u < 73) px[{u, v}] = u >= u1 && u <= u2;
  }
  Pixels black;
  for (auto &[p, c] : px)
    if (c) black.insert(p);
  return black;
}

TEST_F(DrawnPieces, RookCountAndRows) {
  Whiten();
  BRook(9, 9);
  Pixels black = BlackPixels(9, 9, true);
  EXPECT_EQ(black.size(), 2090u);
  int low = 99, high = -1;
  for (auto &[u, v] : black) low = std::min(low, v), high = std::max(high, v);
  EXPECT_EQ(low, 7);
  EXPECT_EQ(high, 65);
  for (int u = 0; u < 72; u++) EXPECT_EQ(black.count({u, 65}) == 1, u >= 30 && u <= 41) << u;
  // The embrasures, widened by a pixel at the top.
  for (int u : {25, 29, 42, 46}) EXPECT_FALSE(black.count({u, 64})) << u;
  EXPECT_TRUE(black.count({29, 63}));
  EXPECT_TRUE(black.count({42, 63}));
}

TEST_F(DrawnPieces, SilhouettesAreTheirRuns) {
  const struct {
    Glyph silhouette;
    const char *runs;
    size_t count;
  } cases[] = {{BKingSilhouette, KingRuns, 2879},
               {BBishopSilhouette, BishopRuns, 2208},
               {BKnightSilhouette, KnightRuns, 2688}};
  for (const auto &c : cases) {
    Whiten();
    c.silhouette(81, 153);
    Pixels black = BlackPixels(81, 153, true);
    EXPECT_EQ(black.size(), c.count);
    EXPECT_EQ(black, LaidRuns(c.runs));
  }
  // The second run of the knight's row 64 whitens the last pixel of the first: the ears touch
  // only by their halo.
  Whiten();
  BKnightSilhouette(9, 9);
  EXPECT_EQ(Dot[9 + 18][9 + 64], 1);
  EXPECT_EQ(Dot[9 + 19][9 + 64], 0);
  EXPECT_EQ(Dot[9 + 19][9 + 63], 1);
}

// On a dark square, each black run of a silhouette row has white pixels beyond both ends, up
// to four, as far as the square's columns 1..72 allow.
TEST_F(DrawnPieces, HalosKeepTheHatchingOff) {
  for (auto [piece, silhouette] : {std::pair<Glyph, Glyph>{BKing, BKingSilhouette},
                                   {BBishop, BBishopSilhouette},
                                   {BKnight, BKnightSilhouette},
                                   {BRook, BRook}}) {  // the rook's own black rows
    Whiten();
    silhouette(81, 81);
    Pixels runs = BlackPixels(81, 81, true);
    Whiten();
    EmptyB(81, 81);
    piece(81, 81);
    for (int v = 0; v < 72; v++)
      for (int u = 1; u < 72; u++) {
        if (!runs.count({u, v})) continue;
        for (int k = 1; k <= 4; k++) {
          if (!runs.count({u - 1, v}) && u - k >= 1) {
            EXPECT_EQ(Dot[81 + u - k][81 + v], 0) << u - k << "," << v;
          }
          if (!runs.count({u + 1, v}) && u + k <= 72) {
            EXPECT_EQ(Dot[81 + u + k][81 + v], 0) << u + k << "," << v;
          }
        }
      }
  }
}

// White details only whiten black pixels of the silhouette; besides silhouette and halo they
// write only the white pads.
TEST_F(DrawnPieces, DetailsStayInsideSilhouetteHaloAndPads) {
  const struct {
    Glyph piece, silhouette;
    std::vector<std::array<int, 4>> pads;  // u1, v1, u2, v2
  } cases[] = {
      {BKing, BKingSilhouette, {}},
      {BBishop, BBishopSilhouette,
       {{1, 1, 6, 3}, {65, 1, 70, 3}, {7, 2, 27, 5}, {44, 2, 66, 5}, {25, 71, 47, 71},
        {5, 16, 18, 19}, {53, 16, 66, 19}}},
      {BKnight, BKnightSilhouette, {{21, 4, 64, 6}}},
  };
  for (const auto &c : cases) {
    Whiten();
    c.silhouette(9, 9);
    Pixels outline = BlackPixels(9, 9, true);
    Whiten();
    c.piece(9, 9);
    Pixels black = BlackPixels(9, 9, true);
    for (const auto &p : black) EXPECT_TRUE(outline.count(p)) << p.first << "," << p.second;
    // ...and gives it details: a good part of the silhouette turns white, but not most of it.
    EXPECT_LT(black.size(), outline.size() * 19 / 20);
    EXPECT_GT(black.size(), outline.size() * 2 / 3);

    Fill(Unwritten);
    c.silhouette(153, 153);
    Pixels want;
    for (auto &[p, value] : Written(153, 153)) want.insert(p);
    for (auto &r : c.pads)
      for (int u = r[0]; u <= r[2]; u++)
        for (int v = r[1]; v <= r[3]; v++) want.insert({u, v});
    Fill(Unwritten);
    c.piece(153, 153);
    Pixels touched;
    for (auto &[p, value] : Written(153, 153)) touched.insert(p);
    EXPECT_EQ(touched, want);
  }
}

// Every drawn glyph writes only 0 and 1, inside its square but for its first column, the same
// wherever the square lies, and drawing it twice changes nothing.
TEST_F(DrawnPieces, KeepToTheirSquareAndMoveWithIt) {
  for (Glyph g : {BKing, BRook, BBishop, BKnight, Spot, Cross}) {
    Fill(Unwritten);
    g(9, 9);
    auto first = Written(9, 9);
    EXPECT_FALSE(first.empty());
    for (auto &[p, c] : first) {
      EXPECT_TRUE(p.first >= 1 && p.first <= 72 && p.second >= 0 && p.second <= 71)
          << p.first << "," << p.second;
      EXPECT_TRUE(c == 0 || c == 1);
    }
    Fill(Unwritten);
    g(9 + 72 * 7, 9 + 72 * 5);
    EXPECT_EQ(Written(9 + 72 * 7, 9 + 72 * 5), first);
    Whiten();
    EmptyB(9, 9);
    g(9, 9);
    std::vector<uint8_t> once = Snapshot();
    g(9, 9);
    EXPECT_EQ(Snapshot(), once);
  }
}

TEST_F(DrawnPieces, BishopPadsAndCleftKnightPad) {
  Fill(1);
  BBishop(9, 9);
  auto At = [](int u, int v) { return Dot[9 + u][9 + v]; };
  // The pads under the foot and over the top, and the foot's shoulders, are white.
  for (int u = 1; u <= 6; u++) EXPECT_EQ(At(u, 1), 0) << u;
  for (int u = 25; u <= 47; u++) EXPECT_EQ(At(u, 71), 0) << u;
  for (int u = 5; u <= 18; u++) EXPECT_EQ(At(u, 17), 0) << u;
  // The cleft splits the top from v 61 up; the slit crosses the mitre.
  for (int v = 61; v <= 69; v++)
    for (int u = 33; u <= 36; u++) EXPECT_EQ(At(u, v), 0) << u << "," << v;
  for (int u = 32; u <= 37; u++) EXPECT_EQ(At(u, 70), 0) << u;
  EXPECT_EQ(At(47, 31), 0);
  EXPECT_EQ(At(48, 31), 0);
  for (int u = 36; u <= 39; u++) EXPECT_EQ(At(u, 56), 0) << u;
  EXPECT_EQ(At(31, 65), 1);  // either side of the cleft stays black
  EXPECT_EQ(At(38, 65), 1);
  // The knight's pad comes first, so the hatching under it goes.
  Fill(1);
  BKnight(9, 9);
  for (int u = 21; u <= 64; u++)
    for (int v = 4; v <= 6; v++) EXPECT_EQ(At(u, v), 0) << u << "," << v;
}
}  // namespace
