#include "render/glyphs.h"

namespace {
typedef void (*GlyphRoutine)(Canvas &, int, int);
// The routine of each square code; code 0 draws nothing.
const GlyphRoutine SquareGlyph[15] = {nullptr, WKing,  WQueen,  WRook,   WBishop,
                                      WKnight, WPawn,  BKing,   BQueen,  BRook,
                                      BBishop, BKnight, BPawn,  Spot,    Cross};
}  // namespace

void DrawSquareGlyph(Canvas &canvas, int code, int sx, int sy) {
  if (code < 1 || code > 14) return;
  SquareGlyph[code](canvas, sx, sy);
}
