// The black bishop: a mitre on a broad foot. The foot ends in two scrolls that meet in the
// middle, the collar carries a row of stars between two rings, a slit crosses the mitre and a
// cleft splits its top.
#include <array>

#include "tools/spritegen/drawn/drawnpiece.h"

namespace {
// The silhouette, bottom to top: the scrolls' ends (v 4..5), the foot (6..15) with its middle
// gap (8..9), the collar (16..29), the mitre (30..57) and its top (58..70).
const HaloRows BishopRows[] = {
    {4, 5, 2, {{3, 6}, {65, 68}}}, {6, 7, 1, {{2, 69}}},    {8, 9, 2, {{2, 33}, {38, 69}}},
    {10, 11, 1, {{3, 68}}},        {12, 14, 1, {{4, 66}}},  {15, 15, 1, {{7, 64}}},
    {16, 29, 1, {{22, 50}}},       {30, 30, 1, {{21, 51}}}, {31, 36, 1, {{19, 52}}},
    {37, 42, 1, {{18, 53}}},       {43, 47, 1, {{19, 52}}}, {48, 51, 1, {{21, 51}}},
    {52, 52, 1, {{22, 50}}},       {53, 55, 1, {{23, 48}}}, {56, 57, 1, {{25, 47}}},
    {58, 60, 1, {{26, 45}}},       {61, 64, 1, {{27, 44}}}, {65, 68, 1, {{26, 45}}},
    {69, 69, 1, {{27, 44}}},       {70, 70, 1, {{29, 43}}},
};
constexpr int BishopRowCount = sizeof BishopRows / sizeof BishopRows[0];

// White pads under the foot, drawn before anything else.
const Stroke BishopPadsBelow[] = {R(1, 1, 6, 3), R(65, 1, 70, 3), R(7, 2, 27, 5), R(44, 2, 66, 5)};

// White details; each is drawn right after the silhouette row it reaches up to.
constexpr Stroke BishopDetails[] = {
    // The two scrolls of the foot: a groove from the middle gap out to a curl at each end.
    H(8, 8, 11), H(9, 12, 33), H(9, 7, 7), H(10, 6, 6), H(11, 6, 6), H(12, 7, 7),
    H(13, 8, 11), H(12, 12, 12), H(11, 12, 12), H(10, 10, 11),
    H(8, 60, 63), H(9, 38, 59), H(9, 64, 64), H(10, 65, 65), H(11, 65, 65), H(12, 64, 64),
    H(13, 60, 63), H(12, 59, 59), H(11, 59, 59), H(10, 60, 61),
    // The collar: a lower ring, a row of stars, an upper ring.
    H(17, 24, 29), H(17, 43, 48), H(18, 30, 42),
    H(21, 26, 26), H(21, 31, 31), H(21, 36, 36), H(21, 41, 41), H(21, 46, 46),
    H(22, 25, 27), H(22, 30, 32), H(22, 35, 37), H(22, 40, 42), H(22, 45, 47),
    H(23, 26, 26), H(23, 31, 31), H(23, 36, 36), H(23, 41, 41), H(23, 46, 46),
    H(26, 24, 29), H(26, 43, 48), H(27, 30, 42),
    // The slit, from the mitre's lower right up to its top, widening as it rises.
    H(31, 47, 48), H(32, 46, 47), H(33, 46, 47), H(34, 45, 46), H(35, 45, 46), H(36, 44, 45),
    H(37, 44, 45), H(38, 43, 45), H(39, 43, 45), H(40, 43, 45), H(41, 42, 44), H(42, 42, 44),
    H(43, 41, 43), H(44, 41, 43), H(45, 40, 42), H(46, 40, 42), H(47, 39, 41), H(48, 39, 41),
    H(49, 39, 41), H(50, 38, 41), H(51, 38, 41), H(52, 37, 40), H(53, 37, 40), H(54, 36, 39),
    H(55, 36, 39), H(56, 36, 39),
    // The neck under the top, its corners rounded, and the cleft that splits it in two.
    H(57, 28, 44), P(26, 58), P(45, 58), P(26, 68), P(45, 68), P(27, 69), P(44, 69),
    H(61, 33, 36), H(62, 33, 36), H(63, 33, 36), H(64, 33, 36), H(65, 33, 36), H(66, 33, 36),
    H(67, 33, 36), H(68, 33, 36), H(69, 33, 36), H(70, 32, 37),
};
constexpr int BishopDetailCount = sizeof BishopDetails / sizeof BishopDetails[0];

// White pads drawn last: over the top, and over the foot's shoulders beside the collar.
const Stroke BishopPadsAbove[] = {H(71, 25, 47), R(5, 16, 18, 19), R(53, 16, 66, 19)};

// The highest row a detail covers.
constexpr int TopRow(const Stroke &s) {
  switch (s.kind) {
    case RectStroke: return s.d;
    case HStroke: return s.a;
    case VStroke: return s.c;
    case PixelStroke: return s.b;
  }
  return s.b;
}

// The details in the order they are drawn: by the row they reach up to, in list order within a
// row. Sorted by the compiler, so drawing walks the list once.
typedef std::array<Stroke, BishopDetailCount> DetailList;
constexpr DetailList SortByTopRow(const Stroke (&details)[BishopDetailCount]) {
  DetailList sorted{};
  for (int i = 0; i < BishopDetailCount; i++) {
    int k = i;
    for (; k > 0 && TopRow(sorted[k - 1]) > TopRow(details[i]); k--) sorted[k] = sorted[k - 1];
    sorted[k] = details[i];
  }
  return sorted;
}
constexpr DetailList DetailsByRow = SortByTopRow(BishopDetails);
}  // namespace

void BBishopStrokes(Canvas &canvas, int x, int y) {
  DrawWhiteStrokes(canvas, BishopPadsBelow, 4, x, y);
  int k = 0;
  for (int v = 4; v <= 70; v++) {
    DrawHaloRow(canvas, BishopRows, BishopRowCount, v, x, y);
    for (; k < BishopDetailCount && TopRow(DetailsByRow[k]) <= v; k++)
      if (TopRow(DetailsByRow[k]) == v) DrawWhiteStrokes(canvas, &DetailsByRow[k], 1, x, y);
  }
  DrawWhiteStrokes(canvas, BishopPadsAbove, 3, x, y);
}
