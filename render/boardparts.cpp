// The parts of the diagram picture: frame, men and markers, arrows, coordinates.
#include "render/boardparts.h"

#include <initializer_list>

#include "render/arrow.h"
#include "render/coords.h"
#include "render/glyphs.h"

namespace {
bool OnBoard(int v) { return v >= 0 && v <= 7; }
}  // namespace

void DrawFrame(Canvas &canvas, int o) {
  for (int y : {6, 7, 8, 585, 586, 587}) HLine(canvas, y + o, 6 + o, 587 + o, 1);
  for (int x : {6, 7, 8, 585, 586, 587}) VLine(canvas, x + o, 6 + o, 587 + o, 1);
}

void DrawMen(Canvas &canvas, const Diagram &diagram, int o) {
  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++)
      DrawSquareGlyph(canvas, diagram.Pos[c * 8 + r], 9 + 72 * c + o, 9 + 72 * r + o);
}

void DrawArrows(Canvas &canvas, const Diagram &diagram, int o) {
  for (int i = 0; i < diagram.ArrowCount(); i++) {
    const int32_t *a = diagram.Arr[i];
    // Checked before 7 - row is taken, which a damaged file's row could overflow.
    if (!OnBoard(a[0]) || !OnBoard(a[1]) || !OnBoard(a[2]) || !OnBoard(a[3])) continue;
    ArrowAt(canvas, a[0], 7 - a[1], a[2], 7 - a[3], o, o);
  }
}

void DrawCoordinates(Canvas &canvas, const Diagram &diagram) {
  for (int c = 0; c < 8; c++) DrawFileLetter(canvas, diagram.Flipped ? 7 - c : c, 62 + 72 * c);
  for (int r = 0; r < 8; r++) DrawRankDigit(canvas, diagram.Flipped ? 7 - r : r, 60 + 72 * r);
}
