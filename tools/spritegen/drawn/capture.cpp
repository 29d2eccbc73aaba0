#include "tools/spritegen/drawn/capture.h"

#include <cstdint>
#include <memory>
#include <string>

#include "tools/spritegen/drawn/drawnpiece.h"

const std::vector<DrawnArt> &DrawnPieces() {
  static const std::vector<DrawnArt> pieces = {
      {"BKing", "bking",
       "The black king: a broad crown on a band, a cross block on top, its details white.", BKingStrokes},
      {"BRook", "brook",
       "The black rook: a tower on a stepped base with two white stripes and three merlons.", BRookStrokes},
      {"BBishop", "bbishop",
       "The black bishop: a mitre with a slit and a cleft, a starred collar, a scrolled foot.", BBishopStrokes},
      {"BKnight", "bknight", "The black knight: a horse's head facing left, its eye, nostril and mane white.",
       BKnightStrokes},
  };
  return pieces;
}

bool CaptureSpans(void (*draw)(Canvas &, int, int), SpanList *spans, std::vector<int> *colours,
                  std::string *why) {
  // A scratch square well inside the canvas, on the same checker phase as the board's squares
  // (x + y even), filled with a value no routine writes; Reach pixels from its corner hold the
  // piece and what it may draw beyond its square, Guard more round that must stay untouched.
  constexpr int X = 100, Y = 100, Reach = 80, Guard = 8;
  constexpr uint8_t Unwritten = 2;
  auto canvas = std::make_unique<Canvas>();
  for (int x = X - Guard; x < X + Reach + Guard; x++)
    for (int y = Y - Guard; y < Y + Reach + Guard; y++) canvas->Dot[x][y] = Unwritten;
  draw(*canvas, X, Y);
  for (int x = X - Guard; x < X + Reach + Guard; x++)
    for (int y = Y - Guard; y < Y + Reach + Guard; y++) {
      bool held = x >= X && y >= Y && x < X + Reach && y < Y + Reach;
      if (!held && canvas->Dot[x][y] != Unwritten) {
        *why = "a pixel is drawn at (" + std::to_string(x - X) + ", " + std::to_string(y - Y) +
               ") from the square's corner, outside what a sprite holds";
        return false;
      }
    }
  SpansOf(Reach, Reach, [&](int dx, int dy) {
    uint8_t v = canvas->Dot[X + dx][Y + dy];
    return v == Unwritten ? -1 : v;
  }, spans, colours);
  return true;
}
