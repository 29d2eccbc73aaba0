// The black king: a broad crown on a band, a cross block on top, white details that make the
// band, its jewel, the two lobes of the crown and the cross.
#include "tools/spritegen/drawn/drawnpiece.h"

namespace {
// The silhouette, bottom to top: the band (v 6..25), the crown (26..56), the cross block.
const HaloRows KingRows[] = {
    {6, 6, 1, {{30, 40}}},   {7, 7, 1, {{24, 47}}},   {8, 9, 1, {{20, 51}}},
    {10, 10, 1, {{17, 54}}}, {11, 16, 1, {{16, 55}}}, {17, 25, 1, {{15, 56}}},
    {26, 27, 1, {{13, 58}}}, {28, 28, 1, {{12, 59}}}, {29, 29, 1, {{11, 60}}},
    {30, 30, 1, {{9, 62}}},  {31, 32, 1, {{7, 64}}},  {33, 34, 1, {{6, 65}}},
    {35, 37, 1, {{5, 66}}},  {38, 41, 1, {{3, 68}}},  {42, 46, 1, {{2, 69}}},
    {47, 50, 1, {{3, 68}}},  {51, 52, 1, {{5, 66}}},  {53, 54, 1, {{6, 65}}},
    {55, 55, 1, {{8, 63}}},  {56, 56, 1, {{11, 60}}}, {57, 68, 1, {{26, 45}}},
};
constexpr int KingRowCount = sizeof KingRows / sizeof KingRows[0];

// White details, bottom to top.
const Stroke KingDetails[] = {
    // A curve across the foot of the band.
    H(12, 20, 20), H(12, 51, 51), H(13, 20, 22), H(13, 49, 51), H(14, 21, 23), H(14, 48, 50),
    H(15, 23, 25), H(15, 46, 48), H(16, 24, 27), H(16, 44, 47), H(17, 26, 31), H(17, 40, 45),
    H(18, 28, 43), H(19, 32, 39),
    // A hook ornament at each end of the band.
    R(19, 20, 22, 23), V(19, 17, 19), P(20, 19), P(23, 21),
    R(49, 20, 52, 23), V(52, 17, 19), P(51, 19), P(48, 21),
    // The jewel in the middle of the band: a white setting round a black stone.
    H(22, 34, 37), H(23, 33, 38), R(32, 24, 33, 25), R(38, 24, 39, 25), H(26, 33, 38),
    H(27, 34, 37),
    // The arch that parts the band from the crown.
    H(26, 16, 16), H(26, 55, 55), H(27, 16, 18), H(27, 53, 55), H(28, 17, 20), H(28, 51, 54),
    H(29, 19, 22), H(29, 49, 52), H(30, 21, 25), H(30, 46, 50), H(31, 23, 29), H(31, 42, 48),
    H(32, 26, 45), H(33, 30, 41),
    // A diamond on the arch, and two strokes parting from it up to the bar: the two lobes.
    H(34, 35, 36), H(35, 34, 37), R(33, 36, 38, 37), H(38, 34, 37), H(39, 35, 36),
    H(40, 34, 37), R(33, 41, 34, 41), R(37, 41, 38, 41), R(32, 42, 33, 42), R(38, 42, 39, 42),
    R(31, 43, 32, 43), R(39, 43, 40, 43), R(30, 44, 31, 44), R(40, 44, 41, 44),
    R(29, 45, 30, 45), R(41, 45, 42, 45), R(28, 46, 29, 46), R(42, 46, 43, 46),
    R(27, 47, 28, 48), R(43, 47, 44, 48),
    // The bar under the cross.
    R(26, 49, 45, 52),
    // The cross: its four corners cut away; the lower cuts mark the tops of the lobes.
    R(26, 55, 32, 59), R(39, 55, 45, 59), R(26, 65, 32, 68), R(39, 65, 45, 68),
};
constexpr int KingDetailCount = sizeof KingDetails / sizeof KingDetails[0];
}  // namespace

void BKingStrokes(Canvas &canvas, int x, int y) {
  DrawHaloRows(canvas, KingRows, KingRowCount, x, y);
  DrawWhiteStrokes(canvas, KingDetails, KingDetailCount, x, y);
}
