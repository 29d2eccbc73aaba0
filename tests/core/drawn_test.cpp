// The black pieces drawn stroke by stroke: pixel counts, silhouettes, halos and placement.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "render/canvas.h"
#include "render/drawnpiece.h"
#include "render/glyphs.h"

namespace {
// Each test leaves the canvas white, as the picture writer expects of the columns and rows
// it never whitens itself.
class CleanCanvas : public ::testing::Test {
 protected:
  void TearDown() override { std::memset(Dot, 0, sizeof Dot); }
};
class BlackRook : public CleanCanvas {};
class Silhouettes : public CleanCanvas {};
class DrawnPieces : public CleanCanvas {};

typedef void (*Glyph)(int, int);
typedef std::set<std::pair<int, int>> Pixels;
constexpr uint8_t Unwritten = 7;  // a value no routine writes

void Fill(uint8_t value) { std::memset(Dot, value, sizeof Dot); }

// Black pixels in square coordinates of the square at (sx, sy), over the square and its
// neighbourhood.
Pixels BlackIn(int sx, int sy) {
  Pixels p;
  for (int u = -8; u < 80; u++)
    for (int v = -8; v < 80; v++)
      if (Dot[sx + u][sy + v] == 1) p.insert({u, v});
  return p;
}

// Every pixel written, with its value, in square coordinates.
std::map<std::pair<int, int>, int> Written(int sx, int sy) {
  std::map<std::pair<int, int>, int> w;
  for (int u = -8; u < 80; u++)
    for (int v = -8; v < 80; v++)
      if (Dot[sx + u][sy + v] != Unwritten) w[{u, v}] = Dot[sx + u][sy + v];
  return w;
}

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

struct Run {
  int v, u1, u2;
};

std::vector<Run> ParseRuns(const char *text) {
  std::vector<Run> runs;
  std::string s(text);
  size_t at = 0;
  while (at < s.size()) {
    size_t end = s.find(' ', at);
    if (end == std::string::npos) end = s.size();
    std::string item = s.substr(at, end - at);
    at = end + 1;
    if (item.empty()) continue;
    int v1, v2;
    size_t colon = item.find(':');
    if (std::sscanf(item.c_str(), "%d-%d:", &v1, &v2) != 2) v2 = v1 = std::stoi(item);
    std::string rest = item.substr(colon + 1);
    for (int v = v1; v <= v2; v++) {
      size_t p = 0;
      while (p < rest.size()) {
        size_t comma = rest.find(',', p);
        if (comma == std::string::npos) comma = rest.size();
        int u1, u2;
        std::sscanf(rest.substr(p, comma - p).c_str(), "%d-%d", &u1, &u2);
        runs.push_back({v, u1, u2});
        p = comma + 1;
      }
    }
  }
  return runs;
}

// The pixels that the runs leave black when each is laid with its halo, in order.
Pixels LaidRuns(const std::vector<Run> &runs) {
  std::map<std::pair<int, int>, int> px;
  for (const Run &r : runs) {
    for (int u = r.u1 - 4; u < r.u1; u++)
      if (u > 0) px[{u, r.v}] = 0;
    for (int u = r.u2 + 1; u <= r.u2 + 4; u++)
      if (u < 73) px[{u, r.v}] = 0;
    for (int u = r.u1; u <= r.u2; u++) px[{u, r.v}] = 1;
  }
  Pixels black;
  for (auto &[p, c] : px)
    if (c) black.insert(p);
  return black;
}

TEST_F(BlackRook, CountAndRowsOnWhite) {
  Fill(0);
  BRook(9, 9);
  Pixels black = BlackIn(9, 9);
  EXPECT_EQ(black.size(), 2090u);
  int low = 99, high = -1;
  for (auto &[u, v] : black) low = std::min(low, v), high = std::max(high, v);
  EXPECT_EQ(low, 7);
  EXPECT_EQ(high, 65);
  for (int u = 0; u < 72; u++) EXPECT_EQ(black.count({u, 65}) == 1, u >= 30 && u <= 41) << u;
  // The embrasures, widened by a pixel at the top.
  for (int u = 25; u <= 29; u++) EXPECT_FALSE(black.count({u, 64})) << u;
  for (int u = 42; u <= 46; u++) EXPECT_FALSE(black.count({u, 64})) << u;
  EXPECT_TRUE(black.count({29, 63}));
  EXPECT_TRUE(black.count({42, 63}));
}

TEST_F(Silhouettes, CountsOfTheRunsAlone) {
  struct Case {
    Glyph silhouette;
    const char *runs;
    size_t count;
  } cases[] = {{BKingSilhouette, KingRuns, 2879},
               {BBishopSilhouette, BishopRuns, 2208},
               {BKnightSilhouette, KnightRuns, 2688}};
  for (const Case &c : cases) {
    Fill(0);
    c.silhouette(81, 153);
    Pixels black = BlackIn(81, 153);
    EXPECT_EQ(black.size(), c.count);
    EXPECT_EQ(black, LaidRuns(ParseRuns(c.runs)));
  }
}

TEST_F(Silhouettes, KnightEarsTouchOnlyByTheirHalo) {
  // The second run of the knight's row 64 whitens the last pixel of the first.
  Fill(0);
  BKnightSilhouette(9, 9);
  Pixels black = BlackIn(9, 9);
  EXPECT_TRUE(black.count({18, 64}));
  EXPECT_FALSE(black.count({19, 64}));
  EXPECT_TRUE(black.count({19, 63}));
}

// On a dark square, each black run of a silhouette row has white pixels beyond both ends, up
// to four, as far as the square's limits (u 1 .. 72) allow.
void ExpectHalos(Glyph piece, Glyph silhouette) {
  Fill(0);
  silhouette(81, 81);
  Pixels runs = BlackIn(81, 81);
  Fill(0);
  EmptyB(81, 81);
  piece(81, 81);
  for (int v = 0; v < 72; v++)
    for (int u = 1; u < 72; u++) {
      bool starts = runs.count({u, v}) && !runs.count({u - 1, v});
      bool ends = runs.count({u, v}) && !runs.count({u + 1, v});
      for (int k = 1; k <= 4; k++) {
        if (starts && u - k >= 1) {
          EXPECT_EQ(Dot[81 + u - k][81 + v], 0) << u - k << "," << v;
        }
        if (ends && u + k <= 72) {
          EXPECT_EQ(Dot[81 + u + k][81 + v], 0) << u + k << "," << v;
        }
      }
    }
}

TEST_F(Silhouettes, HalosKeepTheHatchingOff) {
  ExpectHalos(BKing, BKingSilhouette);
  ExpectHalos(BBishop, BBishopSilhouette);
  ExpectHalos(BKnight, BKnightSilhouette);
  ExpectHalos(BRook, BRook);  // the rook's own black rows
}

TEST_F(DrawnPieces, DetailsStayInsideTheSilhouette) {
  // White details only whiten black pixels of the silhouette or its halo and pads: the piece
  // leaves nothing black that the silhouette alone does not.
  for (auto [piece, silhouette] : {std::pair<Glyph, Glyph>{BKing, BKingSilhouette},
                                   {BBishop, BBishopSilhouette},
                                   {BKnight, BKnightSilhouette}}) {
    Fill(0);
    silhouette(9, 9);
    Pixels outline = BlackIn(9, 9);
    Fill(0);
    piece(9, 9);
    Pixels black = BlackIn(9, 9);
    for (const auto &p : black) EXPECT_TRUE(outline.count(p)) << p.first << "," << p.second;
    // ...and gives it details: a good part of the silhouette turns white, but not most of it.
    EXPECT_LT(black.size(), outline.size() * 19 / 20);
    EXPECT_GT(black.size(), outline.size() * 2 / 3);
  }
}

// The pixels a routine writes, in square coordinates.
std::set<std::pair<int, int>> Touched(Glyph g) {
  Fill(Unwritten);
  g(153, 153);
  std::set<std::pair<int, int>> t;
  for (auto &[p, c] : Written(153, 153)) t.insert(p);
  return t;
}

TEST_F(DrawnPieces, DetailsWriteNothingBeyondSilhouetteHaloAndPads) {
  struct Case {
    Glyph piece, silhouette;
    std::vector<std::array<int, 4>> pads;  // u1, v1, u2, v2
  } cases[] = {
      {BKing, BKingSilhouette, {}},
      {BBishop, BBishopSilhouette,
       {{1, 1, 6, 3}, {65, 1, 70, 3}, {7, 2, 27, 5}, {44, 2, 66, 5}, {25, 71, 47, 71},
        {5, 16, 18, 19}, {53, 16, 66, 19}}},
      {BKnight, BKnightSilhouette, {{21, 4, 64, 6}}},
  };
  for (const Case &c : cases) {
    auto want = Touched(c.silhouette);
    for (auto &r : c.pads)
      for (int u = r[0]; u <= r[2]; u++)
        for (int v = r[1]; v <= r[3]; v++) want.insert({u, v});
    EXPECT_EQ(Touched(c.piece), want);
  }
}

TEST_F(DrawnPieces, NeverWriteTheFirstColumnNorLeaveTheirSquare) {
  for (Glyph g : {BKing, BRook, BBishop, BKnight, Spot, Cross}) {
    Fill(Unwritten);
    g(153, 153);
    for (auto &[p, c] : Written(153, 153)) {
      EXPECT_GE(p.first, 1) << p.first << "," << p.second;
      EXPECT_LE(p.first, 72) << p.first << "," << p.second;
      EXPECT_GE(p.second, 0) << p.first << "," << p.second;
      EXPECT_LE(p.second, 71) << p.first << "," << p.second;
      EXPECT_TRUE(c == 0 || c == 1);
    }
  }
}

TEST_F(DrawnPieces, MoveWithTheSquare) {
  for (Glyph g : {BKing, BRook, BBishop, BKnight, Spot, Cross}) {
    Fill(Unwritten);
    g(9, 9);
    auto first = Written(9, 9);
    Fill(Unwritten);
    g(9 + 72 * 7, 9 + 72 * 5);
    EXPECT_EQ(Written(9 + 72 * 7, 9 + 72 * 5), first);
    EXPECT_FALSE(first.empty());
  }
}

TEST_F(DrawnPieces, BishopPadsAndCleft) {
  Fill(1);
  BBishop(9, 9);
  // The pads under the foot and over the top, and the foot's shoulders, are white.
  for (int u = 1; u <= 6; u++) EXPECT_EQ(Dot[9 + u][9 + 1], 0) << u;
  for (int u = 25; u <= 47; u++) EXPECT_EQ(Dot[9 + u][9 + 71], 0) << u;
  for (int u = 5; u <= 18; u++) EXPECT_EQ(Dot[9 + u][9 + 17], 0) << u;
  // The cleft splits the top from v 61 up; the slit crosses the mitre.
  for (int v = 61; v <= 69; v++)
    for (int u = 33; u <= 36; u++) EXPECT_EQ(Dot[9 + u][9 + v], 0) << u << "," << v;
  for (int u = 32; u <= 37; u++) EXPECT_EQ(Dot[9 + u][9 + 70], 0) << u;
  EXPECT_EQ(Dot[9 + 47][9 + 31], 0);
  EXPECT_EQ(Dot[9 + 48][9 + 31], 0);
  for (int u = 36; u <= 39; u++) EXPECT_EQ(Dot[9 + u][9 + 56], 0) << u;
  // Either side of the cleft stays black.
  EXPECT_EQ(Dot[9 + 31][9 + 65], 1);
  EXPECT_EQ(Dot[9 + 38][9 + 65], 1);
}

TEST_F(DrawnPieces, KnightPadComesFirst) {
  Fill(1);
  BKnight(9, 9);
  for (int u = 21; u <= 64; u++)
    for (int v = 4; v <= 6; v++) EXPECT_EQ(Dot[9 + u][9 + v], 0) << u << "," << v;
}

TEST_F(DrawnPieces, DrawingTwiceChangesNothing) {
  for (Glyph g : {BKing, BRook, BBishop, BKnight}) {
    Fill(0);
    EmptyB(9, 9);
    g(9, 9);
    auto once = Written(9, 9);
    g(9, 9);
    EXPECT_EQ(Written(9, 9), once);
  }
}
}  // namespace
