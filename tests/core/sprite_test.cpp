// The sprite pieces: the rules their point tables keep, checked from the tables themselves, and
// what drawing them does to the canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "render/canvas.h"
#include "render/glyphs.h"
#include "render/sprite.h"
#include "tests/core/testcanvas.h"

using namespace testcanvas;

namespace {
struct Piece {
  const char *name;
  const Sprite *sprite;
  int code;        // square code
  bool white;      // drawn as an outline round a white inside
  bool symmetric;  // mirror image of itself about the square's middle
};

const Piece Pieces[] = {
    {"WKing", &WKingSprite, 1, true, true},      {"WQueen", &WQueenSprite, 2, true, true},
    {"WRook", &WRookSprite, 3, true, true},      {"WBishop", &WBishopSprite, 4, true, false},
    {"WKnight", &WKnightSprite, 5, true, false}, {"WPawn", &WPawnSprite, 6, true, true},
    {"BQueen", &BQueenSprite, 8, false, true},
};

Pixels WhitePoints(const Sprite &s) { return Points(s, 0); }
Pixels BlackPoints(const Sprite &s) { return Points(s, 1); }

// Drawn on two squares over a canvas marked as unwritten, a piece writes black exactly where
// black says and white exactly where white says, nothing round them.
void ExpectDrawnExactly(const char *name, void (*draw)(int, int), const Pixels &black, const Pixels &white) {
  for (auto [sx, sy] : {std::pair{81, 153}, std::pair{441, 297}}) {
    SCOPED_TRACE(std::string(name) + " at " + std::to_string(sx));
    Fill(Unwritten);
    draw(sx, sy);
    for (int u = -5; u <= 77; u++)
      for (int v = -5; v <= 77; v++) {
        int expected = black.count({u, v}) ? 1 : white.count({u, v}) ? 0 : Unwritten;
        ASSERT_EQ(Dot[sx + u][sy + v], expected) << u << ", " << v;
      }
  }
}

// Spans in order up each column, column by column, each within the square and after the last,
// their pixels one after another in the pixel table, which they use up exactly.
TEST(SpriteTables, SpansInOrderWithoutOverlapAndInRange) {
  for (const Piece &p : Pieces) {
    SCOPED_TRACE(p.name);
    const Sprite &s = *p.sprite;
    ASSERT_GT(s.nspans, 0u);
    size_t next = 0;
    for (size_t i = 0; i < s.nspans; i++) {
      const SpriteSpan &r = s.spans[i];
      EXPECT_LE(r.dx, 71);
      EXPECT_GE(r.length, 1);
      EXPECT_LE(r.dy + r.length, 72);
      EXPECT_EQ(r.start, next) << "span " << i;
      next = r.start + r.length;
      if (i > 0) {
        const SpriteSpan &q = s.spans[i - 1];
        bool after = q.dx < r.dx || (q.dx == r.dx && q.dy + q.length <= r.dy);
        EXPECT_TRUE(after) << "span " << i << " (" << int(r.dx) << ", " << int(r.dy) << ")";
      }
    }
    EXPECT_EQ(next, s.npixels);
    for (size_t k = 0; k < s.npixels; k++) EXPECT_LE(s.pixels[k], 1) << "pixel " << k;
    EXPECT_GT(WhitePoints(s).size(), 0u);
    EXPECT_GT(BlackPoints(s).size(), 0u);
  }
}

// Every pixel within four pixels of a black point is in one of the lists, so on a dark square
// the hatching never touches the piece.
TEST(SpriteTables, WhiteMarginOfFourPixelsRoundTheInk) {
  for (const Piece &p : Pieces) {
    SCOPED_TRACE(p.name);
    Pixels white = WhitePoints(*p.sprite), black = BlackPoints(*p.sprite);
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
    Pixels white = WhitePoints(*p.sprite), black = BlackPoints(*p.sprite);
    Pixels inside = Enclosed(black);
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
    Pixels black = BlackPoints(*p.sprite);
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
    Pixels black = BlackPoints(*p.sprite);
    for (const Pixels &list : {black, Enclosed(black)})
      for (auto [x, y] : list) EXPECT_TRUE(list.count({71 - x, y})) << x << ", " << y;
  }
}

TEST(SpriteTables, KnightFacesLeft) {
  Pixels black = BlackPoints(WKnightSprite);
  int baseLeft = 72, left = 72, leftY = 0;
  for (auto [x, y] : black) {
    if (y <= 8) baseLeft = std::min(baseLeft, x);
    if (x < left) left = x, leftY = y;
  }
  // The muzzle reaches out to the left, well clear of the neck's base.
  EXPECT_LT(left + 10, baseLeft);
  EXPECT_GT(leftY, 15);
}

TEST(SpriteDrawing, WritesExactlyTheTablesAtTheSquare) {
  for (const Piece &p : Pieces) {
    static int code;
    code = p.code;
    ExpectDrawnExactly(p.name, [](int sx, int sy) { DrawSquareGlyph(code, sx, sy); },
                       BlackPoints(*p.sprite), WhitePoints(*p.sprite));
  }
}

// The black pawn is the white pawn with its inside filled: outline and margin unchanged.
TEST(SpriteDrawing, BlackPawnFillsExactlyWhatTheWhitePawnEncloses) {
  Pixels white = WhitePoints(WPawnSprite), black = BlackPoints(WPawnSprite);
  Pixels inside = Enclosed(black);
  ASSERT_GT(inside.size(), 300u);
  for (const auto &q : inside) {
    black.insert(q);
    white.erase(q);
  }
  ExpectDrawnExactly("BPawn", BPawn, black, white);
  for (int v = 0; v < 72; v++) EXPECT_EQ(Dot[441][297 + v], Unwritten) << "first column, v " << v;
}
}  // namespace
