// The black knight: a horse's head facing left, with eye, nostril, mouth, the line of the jaw,
// a nose band and the mane drawn in white.
#include "tools/spritegen/drawn/drawnpiece.h"

namespace {
// The silhouette, bottom to top: the neck (v 7..21); the muzzle on the left and the neck on
// the right with the white gap under the jaw between them (22..29); head and neck (30..63);
// the forelock and the ear (64..69).
const HaloRows KnightRows[] = {
    {7, 7, 1, {{21, 64}}},   {8, 12, 1, {{20, 65}}},  {13, 15, 1, {{21, 66}}},
    {16, 19, 1, {{22, 66}}}, {20, 20, 1, {{23, 66}}}, {21, 21, 1, {{24, 66}}},
    {22, 23, 2, {{8, 19}, {25, 66}}}, {24, 24, 2, {{7, 20}, {26, 66}}},
    {25, 25, 2, {{6, 20}, {27, 66}}}, {26, 27, 2, {{5, 21}, {29, 65}}},
    {28, 28, 2, {{5, 24}, {30, 65}}}, {29, 29, 2, {{5, 25}, {30, 65}}},
    {30, 34, 1, {{5, 65}}},  {35, 36, 1, {{6, 64}}},  {37, 37, 1, {{7, 64}}},
    {38, 38, 1, {{8, 62}}},  {39, 39, 1, {{10, 62}}}, {40, 42, 1, {{11, 61}}},
    {43, 45, 1, {{12, 60}}}, {46, 46, 1, {{14, 60}}}, {47, 48, 1, {{14, 59}}},
    {49, 50, 1, {{15, 57}}}, {51, 51, 1, {{16, 56}}}, {52, 52, 1, {{16, 55}}},
    {53, 54, 1, {{17, 53}}}, {55, 55, 1, {{17, 52}}}, {56, 56, 1, {{17, 51}}},
    {57, 57, 1, {{17, 48}}}, {58, 59, 1, {{17, 46}}}, {60, 60, 1, {{16, 44}}},
    {61, 61, 1, {{16, 42}}}, {62, 63, 1, {{16, 39}}}, {64, 64, 2, {{16, 19}, {23, 31}}},
    {65, 65, 2, {{16, 18}, {23, 28}}}, {66, 68, 1, {{24, 27}}}, {69, 69, 1, {{25, 25}}},
};
constexpr int KnightRowCount = sizeof KnightRows / sizeof KnightRows[0];

const Stroke KnightPad = R(21, 4, 64, 6);  // under the neck

const Stroke KnightDetails[] = {
    // Nostril and mouth.
    R(10, 30, 12, 32), P(13, 31),
    R(11, 26, 16, 27),
    // The line of the mouth and jaw, rising to the cheek.
    R(20, 30, 23, 30), R(23, 31, 26, 31), R(26, 32, 28, 33), R(29, 34, 31, 34), R(31, 35, 33, 35),
    R(33, 36, 34, 36),
    // Nose band.
    R(21, 45, 24, 46), R(24, 44, 27, 45), R(27, 43, 28, 44),
    // Eye, with a black pupil.
    R(23, 55, 25, 55), R(22, 56, 26, 56), R(21, 57, 23, 58), R(26, 57, 27, 58), R(22, 59, 26, 59),
    R(24, 60, 26, 60),
    // Mane: short strokes slanting down to the back of the neck.
    R(44, 56, 46, 57), R(46, 55, 48, 56), R(48, 52, 50, 53), R(50, 51, 52, 52),
    R(52, 48, 54, 49), R(54, 47, 56, 48), R(53, 44, 55, 45), R(55, 43, 57, 44),
    R(54, 40, 56, 41), R(56, 39, 58, 40), R(57, 36, 59, 37), R(59, 35, 61, 36),
    R(59, 32, 61, 33), R(61, 31, 63, 32), R(59, 28, 61, 29), R(61, 27, 63, 28),
    R(59, 24, 61, 25), R(61, 23, 63, 24), R(59, 20, 61, 21), R(61, 19, 63, 20),
    R(59, 16, 61, 17), R(61, 15, 63, 16), R(58, 12, 60, 13), R(60, 11, 62, 12),
};
constexpr int KnightDetailCount = sizeof KnightDetails / sizeof KnightDetails[0];
}  // namespace

void BKnightStrokes(Canvas &canvas, int x, int y) {
  DrawWhiteStrokes(canvas, &KnightPad, 1, x, y);
  DrawHaloRows(canvas, KnightRows, KnightRowCount, x, y);
  DrawWhiteStrokes(canvas, KnightDetails, KnightDetailCount, x, y);
}
