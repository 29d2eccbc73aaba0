// The artwork of the sprite pieces: classic figurine shapes, each piece a stack of outlined
// parts drawn back to front, so that a part in front cuts the outline of the part behind it.
// Coordinates are square units (0..72, y upward, base at small y, axis x = 36); see geometry.h
// for the path texts. Keep the ink inside 4..68 so the four-pixel margin fits in the square.
#include "tools/spritegen/pieces.h"

namespace {
constexpr double Edge = 3.0;   // outer outlines
constexpr double Inner = 2.6;  // lines inside a piece

// The band at the foot of the king and the queen: a ring seen from the front, its lines
// arching up in the middle.
const char *Band = "M 36 25 C 28 25 20 24 14.5 22 L 14.5 8 C 20 7.3 28 7 36 7 S";
const char *BandLine = "M 14.5 15.5 C 20 17.5 28 18.5 36 18.5 C 44 18.5 52 17.5 57.5 15.5";

// The queen's shapes, shared by the white and the black queen.
const std::vector<Op> QueenOps = {
    // crown: five points rising from the band, the middle one highest
    {Outlined, Edge, "M 36 58 L 31 33 L 22 52 L 19.5 32 L 9 46 L 15 21 L 36 21 S"},
    // the balls on the points
    {Outlined, Edge, "E 9 48.5 4.9 4.9"},
    {Outlined, Edge, "E 22 55 4.9 4.9"},
    {Outlined, Edge, "E 36 60.5 5.2 5.2"},
    {Outlined, Edge, Band},
    {Stroked, Inner, BandLine},
    {Symmetric},
};
}  // namespace

const std::vector<PieceArt> &Pieces() {
  static const std::vector<PieceArt> pieces = {
      {"WKing", "wking", "The white king: a crown of two lobes on a band, a cross on top.",
       Figure,
       {
           // the two lobes of the crown, meeting behind the middle
           {Outlined, Edge,
            "M 36 33 C 33 44 27 51 19.5 51 C 11 51 5.5 44.5 5.5 37.5 C 5.5 31 9 26 14.5 22 "
            "L 14.5 20 L 36 20 S"},
           // the bud in the middle that carries the cross
           {Outlined, Edge, "M 36 53 C 32 50 29.5 45 29.5 39 C 29.5 33 33 28 36 25 S"},
           // the cross
           {Outlined, Edge,
            "M 36 67.5 L 31.5 67.5 L 31.5 64 L 25.5 64 L 25.5 55 L 31.5 55 L 31.5 51 L 36 51 S"},
           {Outlined, Edge, Band},
           {Stroked, Inner, BandLine},
           {Symmetric},
       }},
      {"WQueen", "wqueen", "The white queen: a crown of five points with balls, on a band.",
       Figure, QueenOps},
      {"WRook", "wrook", "The white rook: a tower with battlements on a broad base.",
       Figure,
       {
           {Outlined, Edge, "M 36 47 L 21.5 47 L 19.5 22 L 36 22 S"},
           {Outlined, Edge, "M 36 23 L 16 23 L 16 15 L 36 15 S"},
           {Outlined, Edge, "M 36 16 L 13 16 L 12 15 L 12 7 L 36 7 S"},
           {Outlined, Edge, "M 36 53.5 L 16.5 53.5 L 20.5 45 L 36 45 S"},
           {Outlined, Edge,
            "M 36 66 L 31 66 L 31 59 L 24.5 59 L 24.5 66 L 14.5 66 L 14.5 51 L 36 51 S"},
           {Symmetric},
       }},
      {"WBishop", "wbishop", "The white bishop: a mitre with its slit and ball on a collar and foot.",
       Figure,
       {
           {Outlined, Edge, "E 36 61 4.9 4.9"},
           {Outlined, Edge, "M 36 58 C 31 54 18 47.5 18 37 C 18 30 24 26 36 26 S"},
           {Outlined, Edge, "M 36 25 L 26 25 C 26 21 24 18 21 15 L 36 15 S"},
           {Outlined, Edge, "E 36 26 14 4.2"},
           {Outlined, Edge, "M 36 17 C 26 17 16 16.5 13 14 C 10.5 12 10.5 8.5 13 7 L 36 7 S"},
           {Symmetric},
           {Stroked, Edge, "M 47 36 L 38.5 51"},
       }},
      {"WKnight", "wknight", "The white knight: a horse's head facing left, with eye and mane.",
       Figure,
       {
           {Outlined, Edge,
            "M 21 7 C 22 14 23.5 19 25.5 22 L 29.5 29.5 C 26 27.5 23 26 20.5 25 L 19.5 22 "
            "L 9 22 C 6 22 4.5 24.5 4.5 27.5 L 4.5 35 C 4.5 37.5 6 39 8 40 "
            "C 12 43 15.5 49 16.5 55 L 17 61.5 L 18.5 67.5 L 22 63.5 L 26 68 L 29.5 63.5 "
            "C 40 63 50 58 56 51 C 61 45 65.5 37 66 28 L 66 7 Z"},
           // eye, nostril, mouth, the line of the jaw
           {Filled, 0, "E 24 53.5 2.2 3.2"},
           {Filled, 0, "E 11 34 1.7 1.7"},
           {Stroked, Inner, "M 5 27.5 L 12 27.5"},
           {Stroked, Inner, "M 29.5 31 C 27 36 24 38.5 19.5 39"},
           // the mane: short strokes down the back of the neck
           {Stroked, Inner, "M 37 63 L 38.5 58"},
           {Stroked, Inner, "M 44 61 L 44.5 56"},
           {Stroked, Inner, "M 50 57.5 L 49.5 52.5"},
           {Stroked, Inner, "M 55 52.5 L 53.5 47.5"},
           {Stroked, Inner, "M 59.5 46.5 L 57 42"},
           {Stroked, Inner, "M 63 39.5 L 60 35.5"},
           {Stroked, Inner, "M 65 32 L 61.5 29"},
       }},
      {"WPawn", "wpawn", "The white pawn: a ball on a collar, a tapering body and a base.",
       Figure,
       {
           {Outlined, Edge, "E 36 50.5 9.5 9.5"},
           {Outlined, Edge, "M 36 43 L 30.5 43 C 30 33 27 25 20.5 18 L 18.5 12 L 36 12 S"},
           {Outlined, Edge, "E 36 41.5 12 4"},
           {Outlined, Edge, "M 36 19.5 C 27 19.5 19.5 18.5 16.5 15.5 C 15 14 15 12 15 7 L 36 7 S"},
           {Symmetric},
       }},
      {"BQueen", "bqueen", "The black queen: the queen's shapes solid, with white lines inside.",
       Solid, QueenOps},
  };
  return pieces;
}
