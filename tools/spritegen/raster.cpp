// Shapes to cells: each cell is decided by its centre.
#include "tools/spritegen/raster.h"

#include <cstring>
#include <vector>

#include "tools/spritegen/geometry.h"

namespace {
Tone Swap(Tone t, Style style) {
  if (style == Figure) return t;
  return t == Ink ? Paper : t == Paper ? Ink : t;
}

// A cell belongs to a shape when its centre lies inside, not merely on the edge: a circle's
// outermost cell would otherwise stick out as a lone bump.
bool Covers(const Path &path, Pt c) { return Inside(path, c) && Distance(path, c) > 0.01; }

void Draw(Grid &g, const Op &op, const Path &path, Style style) {
  for (int x = 0; x < Cells; x++)
    for (int y = 0; y < Cells; y++) {
      Pt c{x + 0.5, y + 0.5};
      switch (op.kind) {
        case Outlined:
          if (!Covers(path, c)) break;
          if (style == Figure)
            g.at[x][y] = Distance(path, c) < op.width ? Ink : Paper;
          else
            g.at[x][y] = Distance(path, c) < SolidLine ? Paper : Ink;
          break;
        case Filled:
          if (Covers(path, c)) g.at[x][y] = Swap(op.tone, style);
          break;
        case Stroked:
          // a line drawn on the piece: it never widens the silhouette
          if (g.at[x][y] != Bare && Distance(path, c) < op.width / 2)
            g.at[x][y] = Swap(op.tone, style);
          break;
        case Symmetric:
          break;
      }
    }
}

bool NearBare(const Grid &g, int x, int y, double radius) {
  int r = static_cast<int>(radius);
  for (int i = -r; i <= r; i++)
    for (int j = -r; j <= r; j++) {
      if (i * i + j * j > radius * radius) continue;
      int u = x + i, v = y + j;
      if (u < 0 || v < 0 || u >= Cells || v >= Cells || g.at[u][v] == Bare) return true;
    }
  return false;
}

// Some cell within distance sqrt(radius2) of (x, y) is part of the piece or, with margin, of
// its margin.
bool Within(const Grid &g, int x, int y, int radius2, bool margin) {
  for (int i = -4; i <= 4; i++)
    for (int j = -4; j <= 4; j++) {
      int u = x + i, v = y + j;
      if (i * i + j * j > radius2 || u < 0 || v < 0 || u >= Cells || v >= Cells) continue;
      Tone t = g.at[u][v];
      if (t == Ink || t == Paper || (margin && t == Margin)) return true;
    }
  return false;
}
typedef std::vector<std::pair<int, int>> Cluster;

// The 8-connected clusters of the cells that pass the test.
template <class Test>
std::vector<Cluster> Clusters(Test test) {
  std::vector<Cluster> all;
  bool seen[Cells][Cells] = {};
  for (int x0 = 0; x0 < Cells; x0++)
    for (int y0 = 0; y0 < Cells; y0++) {
      if (seen[x0][y0] || !test(x0, y0)) continue;
      Cluster c{{x0, y0}};
      seen[x0][y0] = true;
      for (size_t k = 0; k < c.size(); k++)
        for (int i = -1; i <= 1; i++)
          for (int j = -1; j <= 1; j++) {
            int u = c[k].first + i, v = c[k].second + j;
            if (u < 0 || v < 0 || u >= Cells || v >= Cells || seen[u][v] || !test(u, v)) continue;
            seen[u][v] = true;
            c.push_back({u, v});
          }
      all.push_back(c);
    }
  return all;
}

// On a dark square the margin cuts the hatching, which is fixed to the square (black where
// (dy - dx) mod 7 is 0 or 1), and can leave specks of stripe beside it. Pieces of stripe of
// fewer than SpeckSize cells that touch the margin are taken into the margin.
void WhitenSpecks(Grid &g) {
  auto stripe = [&](int x, int y) { return g.at[x][y] == Bare && ((y - x) % 7 + 7) % 7 <= 1; };
  for (const Cluster &c : Clusters(stripe)) {
    if (c.size() >= SpeckSize) continue;
    bool touches = false;
    for (auto [x, y] : c)
      for (int i = -1; i <= 1; i++)
        for (int j = -1; j <= 1; j++) {
          int u = x + i, v = y + j;
          if (u >= 0 && v >= 0 && u < Cells && v < Cells && g.at[u][v] == Margin) touches = true;
        }
    if (touches)
      for (auto [x, y] : c) g.at[x][y] = Margin;
  }
}
}  // namespace

Grid Render(const PieceArt &art) {
  Grid g;
  std::memset(&g, 0, sizeof g);
  for (const Op &op : art.ops) {
    if (op.kind == Symmetric) {
      for (int x = 0; x < Cells / 2; x++)
        for (int y = 0; y < Cells; y++) g.at[Cells - 1 - x][y] = g.at[x][y];
      continue;
    }
    Draw(g, op, ParsePath(op.path), art.style);
  }

  // A figure's outline is closed: paper never touches the outside. A solid piece keeps an ink
  // rim, so its paper lines end inside the body.
  Grid before = g;
  for (int x = 0; x < Cells; x++)
    for (int y = 0; y < Cells; y++) {
      if (before.at[x][y] != Paper) continue;
      if (NearBare(before, x, y, art.style == Figure ? 1.5 : SolidRim)) g.at[x][y] = Ink;
    }
  // Where a solid piece's paper lines meet in a sharp corner of the body, the rim leaves a
  // speck of them: such specks are inked over.
  if (art.style == Solid)
    for (const Cluster &c : Clusters([&](int x, int y) { return g.at[x][y] == Paper; }))
      if (c.size() < SpeckSize)
        for (auto [x, y] : c) g.at[x][y] = Ink;

  before = g;
  for (int x = 0; x < Cells; x++)
    for (int y = 0; y < Cells; y++) {
      if (before.at[x][y] == Bare && Within(before, x, y, MarginRadius2, false))
        g.at[x][y] = Margin;
    }

  // Close the margin over narrow notches (between crown points, under a jaw), where the
  // hatching would leave only specks.
  bool grown[Cells][Cells];
  for (int x = 0; x < Cells; x++)
    for (int y = 0; y < Cells; y++) grown[x][y] = Within(g, x, y, ClosingRadius2, true);
  before = g;
  for (int x = 0; x < Cells; x++)
    for (int y = 0; y < Cells; y++) {
      if (before.at[x][y] != Bare) continue;
      bool all = true;
      for (int i = -3; i <= 3 && all; i++)
        for (int j = -3; j <= 3 && all; j++) {
          int u = x + i, v = y + j;
          if (i * i + j * j > ClosingRadius2) continue;
          all = u >= 0 && v >= 0 && u < Cells && v < Cells && grown[u][v];
        }
      if (all) g.at[x][y] = Margin;
    }
  WhitenSpecks(g);
  return g;
}

bool InkFits(const Grid &grid, int *x, int *y) {
  for (int u = 0; u < Cells; u++)
    for (int v = 0; v < Cells; v++) {
      bool inside = u >= 4 && v >= 4 && u < Cells - 4 && v < Cells - 4;
      if (grid.at[u][v] == Ink && !inside) {
        *x = u, *y = v;
        return false;
      }
    }
  return true;
}

void ColumnSpans(const Grid &grid, SpanList *spans, std::vector<int> *colours) {
  SpansOf(Cells, Cells, [&](int x, int y) { return grid.at[x][y] == Bare ? -1 : grid.at[x][y] == Ink ? 1 : 0; },
          spans, colours);
}
