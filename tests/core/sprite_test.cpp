// The sprite pieces: the rules their point tables keep, checked from the tables themselves, and
// what drawing them does to the canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "render/canvas.h"
#include "render/glyphs.h"
#include "render/sprite.h"

namespace {
typedef std::set<std::pair<int, int>> Points;

struct Piece {
  const char *name;
  const Sprite *sprite;
  int code;         // square code
  bool white;       // drawn as an outline round a white inside
  bool symmetric;   // mirror image of itself about the square's middle
};

const Piece Pieces[] = {
    {"WKing", &WKingSprite, 1, true, true},      {"WQueen", &WQueenSprite, 2, true, true},
    {"WRook", &WRookSprite, 3, true, true},      {"WBishop", &WBishopSprite, 4, true, false},
    {"WKnight", &WKnightSprite, 5, true, false}, {"WPawn", &WPawnSprite, 6, true, true},
    {"BQueen", &BQueenSprite, 8, false, true},
};

constexpr uint8_t Unwritten = 7;  // no primitive writes this value
constexpr int Sx = 81, Sy = 153;  // lower-left pixel of column 1, row 2

Points List(const SpritePoint *p, size_t n) {
  Points s;
  for (size_t i = 0; i < n; i++) s.insert({p[i].dx, p[i].dy});
  return s;
}
Points WhitePoints(const Sprite &s) { return List(s.white, s.nwhite); }
Points BlackPoints(const Sprite &s) { return List(s.black, s.nblack); }

// Points of the square (and the one row and column beyond it) that the black points enclose:
// not black and not reachable from outside through non-black points, in any of eight directions.
Points Enclosed(const Points &black) {
  const int n = 75;  // offsets -1..73
  std::vector<std::vector<bool>> out(n, std::vector<bool>(n, false));
  std::vector<std::pair<int, int>> todo{{-1, -1}};
  out[0][0] = true;
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    for (int i = -1; i <= 1; i++)
      for (int j = -1; j <= 1; j++) {
        int u = x + i, v = y + j;
        if (u < -1 || v < -1 || u > 73 || v > 73 || out[u + 1][v + 1] || black.count({u, v})) continue;
        out[u + 1][v + 1] = true;
        todo.push_back({u, v});
      }
  }
  Points in;
  for (int x = 0; x <= 72; x++)
    for (int y = 0; y <= 72; y++)
      if (!out[x + 1][y + 1] && !black.count({x, y})) in.insert({x, y});
  return in;
}

void Fill(uint8_t value) { std::memset(Dot, value, sizeof Dot); }

// The pixels of the square at (Sx, Sy), one beyond it and four round it, with their values.
std::vector<std::pair<std::pair<int, int>, int>> Around() {
  std::vector<std::pair<std::pair<int, int>, int>> px;
  for (int u = -4; u <= 76; u++)
    for (int v = -4; v <= 76; v++) px.push_back({{u, v}, Dot[Sx + u][Sy + v]});
  return px;
}

TEST(SpriteTables, SortedWithoutDuplicatesDisjointAndInRange) {
  for (const Piece &p : Pieces) {
    SCOPED_TRACE(p.name);
    const Sprite &s = *p.sprite;
    ASSERT_GT(s.nwhite, 0u);
    ASSERT_GT(s.nblack, 0u);
    for (auto [list, n] : {std::pair{s.white, s.nwhite}, std::pair{s.black, s.nblack}}) {
      for (size_t i = 0; i < n; i++) {
        EXPECT_GE(list[i].dx, 0);
        EXPECT_LE(list[i].dx, 72);
        EXPECT_GE(list[i].dy, 0);
        EXPECT_LE(list[i].dy, 72);
        if (i > 0) {
          bool increasing = list[i - 1].dx < list[i].dx ||
                            (list[i - 1].dx == list[i].dx && list[i - 1].dy < list[i].dy);
          EXPECT_TRUE(increasing) << "entry " << i << " (" << list[i].dx << ", " << list[i].dy << ")";
        }
      }
    }
    Points white = WhitePoints(s), black = BlackPoints(s);
    EXPECT_EQ(white.size(), s.nwhite);
    EXPECT_EQ(black.size(), s.nblack);
    for (const auto &b : black) EXPECT_FALSE(white.count(b)) << b.first << ", " << b.second;
  }
}

// Every pixel within four pixels of a black point is in one of the lists, so on a dark square
// the hatching never touches the piece.
TEST(SpriteTables, WhiteMarginOfFourPixelsRoundTheInk) {
  for (const Piece &p : Pieces) {
    SCOPED_TRACE(p.name);
    Points white = WhitePoints(*p.sprite), black = BlackPoints(*p.sprite);
    int exposed = 0;
    for (auto [x, y] : black)
      for (int i = -4; i <= 4; i++)
        for (int j = -4; j <= 4; j++) {
          if (i * i + j * j > 16) continue;
          std::pair<int, int> q{x + i, y + j};
          if (!white.count(q) && !black.count(q)) exposed++;
        }
    EXPECT_EQ(exposed, 0);
  }
}

TEST(SpriteTables, WhitePiecesAreOutlinesRoundAWhiteInside) {
  for (const Piece &p : Pieces) {
    SCOPED_TRACE(p.name);
    Points white = WhitePoints(*p.sprite), black = BlackPoints(*p.sprite);
    Points inside = Enclosed(black);
    size_t whiteInside = 0;
    for (const auto &q : inside) whiteInside += white.count(q);
    // Whatever the outline encloses is drawn: white inside, never left to the hatching.
    EXPECT_EQ(whiteInside, inside.size());
    if (p.white) {
      EXPECT_GT(whiteInside, black.size() / 2) << "a white piece is mostly white inside";
    } else {
      EXPECT_LT(whiteInside * 4, black.size()) << "a black piece is mostly black";
    }
  }
}

TEST(SpriteTables, PiecesStandUprightOnABase) {
  for (const Piece &p : Pieces) {
    SCOPED_TRACE(p.name);
    Points black = BlackPoints(*p.sprite);
    int low = 72, high = 0;
    for (auto [x, y] : black) low = std::min(low, y), high = std::max(high, y);
    // Columns the three lowest and the three highest rows of ink span.
    std::set<int> base, top;
    for (auto [x, y] : black) {
      if (y <= low + 2) base.insert(x);
      if (y >= high - 2) top.insert(x);
    }
    EXPECT_LE(low, 8);
    EXPECT_GE(high, 55);
    EXPECT_GE(base.size(), 30u) << "a broad base at the bottom";
    EXPECT_LT(top.size(), base.size());
  }
}

// The ink of the symmetric pieces, and the white inside it, is its own mirror image. (The
// margin need not be: it also takes in the specks of hatching beside it, and the hatching
// runs one way.)
TEST(SpriteTables, SymmetricPiecesAreTheirOwnMirrorImage) {
  for (const Piece &p : Pieces) {
    if (!p.symmetric) continue;
    SCOPED_TRACE(p.name);
    Points black = BlackPoints(*p.sprite);
    for (const Points &list : {black, Enclosed(black)})
      for (auto [x, y] : list) EXPECT_TRUE(list.count({71 - x, y})) << x << ", " << y;
  }
}

TEST(SpriteTables, KnightFacesLeft) {
  Points black = BlackPoints(WKnightSprite);
  int baseLeft = 72, left = 72, leftY = 0;
  for (auto [x, y] : black) {
    if (y <= 8) baseLeft = std::min(baseLeft, x);
    if (x < left) left = x, leftY = y;
  }
  // The muzzle reaches out to the left, well clear of the neck's base.
  EXPECT_LT(left + 10, baseLeft);
  EXPECT_GT(leftY, 15);
}

// The glyph routines draw exactly their tables: white points white, black points black,
// nothing else, wherever the square lies.
TEST(SpriteDrawing, WritesExactlyTheTablesAtTheSquare) {
  for (const Piece &p : Pieces) {
    SCOPED_TRACE(p.name);
    Points white = WhitePoints(*p.sprite), black = BlackPoints(*p.sprite);
    Fill(Unwritten);
    DrawSquareGlyph(p.code, Sx, Sy);
    for (auto [q, value] : Around()) {
      int expected = black.count(q) ? 1 : white.count(q) ? 0 : Unwritten;
      ASSERT_EQ(value, expected) << q.first << ", " << q.second;
    }
  }
}

TEST(SpriteDrawing, DrawingTwiceIsDrawingOnce) {
  for (const Piece &p : Pieces) {
    SCOPED_TRACE(p.name);
    Fill(0);
    EmptyB(Sx, Sy);
    DrawSquareGlyph(p.code, Sx, Sy);
    auto once = Around();
    DrawSquareGlyph(p.code, Sx, Sy);
    EXPECT_EQ(Around(), once);
  }
}

// On a dark square the hatching stays exactly where the piece has no point, and goes exactly
// where it has a white one.
TEST(SpriteDrawing, HatchingDisappearsExactlyAtTheWhitePoints) {
  for (const Piece &p : Pieces) {
    SCOPED_TRACE(p.name);
    Points white = WhitePoints(*p.sprite), black = BlackPoints(*p.sprite);
    Fill(0);
    EmptyB(Sx, Sy);
    auto hatched = Around();
    DrawSquareGlyph(p.code, Sx, Sy);
    auto drawn = Around();
    for (size_t i = 0; i < drawn.size(); i++) {
      auto q = drawn[i].first;
      int expected = black.count(q) ? 1 : white.count(q) ? 0 : hatched[i].second;
      ASSERT_EQ(drawn[i].second, expected) << q.first << ", " << q.second;
    }
  }
}
}  // namespace
