// The black pawn is the white pawn with its inside filled: outline and margin unchanged.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "render/canvas.h"
#include "render/glyphs.h"
#include "render/sprite.h"

namespace {
typedef std::set<std::pair<int, int>> Points;

constexpr uint8_t Unwritten = 7;

Points List(const SpritePoint *p, size_t n) {
  Points s;
  for (size_t i = 0; i < n; i++) s.insert({p[i].dx, p[i].dy});
  return s;
}

// What the white pawn's black points enclose: points not reachable from outside the square
// through non-black points, stepping in any of the eight directions.
Points Enclosed(const Points &black) {
  std::set<std::pair<int, int>> outside{{-1, -1}};
  std::vector<std::pair<int, int>> todo{{-1, -1}};
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    for (int i = -1; i <= 1; i++)
      for (int j = -1; j <= 1; j++) {
        std::pair<int, int> q{x + i, y + j};
        if (q.first < -1 || q.second < -1 || q.first > 73 || q.second > 73) continue;
        if (black.count(q) || !outside.insert(q).second) continue;
        todo.push_back(q);
      }
  }
  Points in;
  for (int x = 0; x <= 72; x++)
    for (int y = 0; y <= 72; y++)
      if (!black.count({x, y}) && !outside.count({x, y})) in.insert({x, y});
  return in;
}

TEST(BPawn, FillsExactlyWhatTheWhitePawnEncloses) {
  Points white = List(WPawnSprite.white, WPawnSprite.nwhite);
  Points black = List(WPawnSprite.black, WPawnSprite.nblack);
  Points inside = Enclosed(black);
  ASSERT_GT(inside.size(), 300u);
  for (const auto &q : inside) ASSERT_TRUE(white.count(q)) << "inside the white pawn is white";

  // Drawn on two different squares, over a canvas marked as unwritten.
  for (auto [sx, sy] : {std::pair{9, 9}, std::pair{441, 297}}) {
    SCOPED_TRACE(sx);
    std::memset(Dot, Unwritten, sizeof Dot);
    BPawn(sx, sy);
    int blackCount = 0, whiteCount = 0;
    for (int u = -5; u <= 77; u++)
      for (int v = -5; v <= 77; v++) {
        std::pair<int, int> q{u, v};
        int expected = black.count(q) || inside.count(q) ? 1 : white.count(q) ? 0 : Unwritten;
        ASSERT_EQ(Dot[sx + u][sy + v], expected) << u << ", " << v;
        blackCount += expected == 1;
        whiteCount += expected == 0;
      }
    EXPECT_EQ(blackCount, static_cast<int>(black.size() + inside.size()));
    EXPECT_EQ(whiteCount, static_cast<int>(white.size() - inside.size()));
    for (int v = 0; v < 72; v++) EXPECT_EQ(Dot[sx][sy + v], Unwritten) << "first column, v " << v;
  }
}

}  // namespace
