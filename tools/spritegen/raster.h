#pragma once
// A piece drawn as a stack of outlined shapes on a 72 x 72 grid, later shapes over earlier ones,
// then given its white margin.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

constexpr int Cells = 72;

// What a cell of the grid holds. Bare cells are not part of the piece and are in neither table.
enum Tone : uint8_t { Bare, Paper, Ink, Margin };

enum OpKind {
  Outlined,   // the shape with an ink outline of the given width round a paper inside
  Filled,     // the shape filled with the tone
  Stroked,    // a line of the given width along the path, in the tone, on the piece only
  Symmetric,  // the left half (x < 36) copied mirrored onto the right half
};

struct Op {
  OpKind kind;
  double width = 0;  // outline or line width in pixels; unused for Filled and Symmetric
  const char *path = nullptr;  // see geometry.h; unused for Symmetric
  Tone tone = Ink;   // Filled and Stroked
};

// Figure: ink outlines round paper insides, as the white pieces are drawn.
// Solid: the same shapes filled with ink and their outlines drawn as thin paper lines inside the
// body, as the black pieces are drawn; ink strokes become paper strokes and the reverse.
enum Style { Figure, Solid };

struct PieceArt {
  const char *name;   // routine, as "WKing"
  const char *file;   // source under render/, as "wking"
  const char *about;  // one line for the source's comment
  Style style;
  std::vector<Op> ops;
};

// Width of the paper lines of a solid piece, and of the ink rim they stop short of.
constexpr double SolidLine = 1.9;
constexpr double SolidRim = 3.0;
// Every cell within this distance of the piece is in the white margin.
constexpr int MarginRadius2 = 16;
// Notches of the margin narrower than about twice this distance are closed.
constexpr int ClosingRadius2 = 5;
// Pieces of hatching stripe smaller than this, left beside the margin, join the margin.
constexpr size_t SpeckSize = 6;

struct Grid {
  Tone at[Cells][Cells];  // [x][y]
};

Grid Render(const PieceArt &art);
// Ink lies far enough inside the square for the whole margin to fit (cells 4..67); otherwise
// stores the first cell outside and returns false.
bool InkFits(const Grid &grid, int *x, int *y);

// Up a column from cell (dx, dy): length cells of the piece, their colours (0 white: paper and
// margin; 1 black: ink) in a shared list from start on.
struct Span {
  int dx, dy, length, start;
};
typedef std::vector<Span> SpanList;
// The spans of a piece held in a width x height area, column by column from the left, each column
// from the bottom: every stretch of cells that are part of the piece, as long as it goes; colours
// holds their cells in order. colour(x, y) gives a cell's colour, or -1 where it is not part of
// the piece.
template <typename Colour>
void SpansOf(int width, int height, Colour colour, SpanList *spans, std::vector<int> *colours) {
  spans->clear();
  colours->clear();
  for (int x = 0; x < width; x++)
    for (int y = 0; y < height;) {
      if (colour(x, y) < 0) {
        y++;
        continue;
      }
      Span s{x, y, 0, static_cast<int>(colours->size())};
      for (; y < height && colour(x, y) >= 0; y++, s.length++) colours->push_back(colour(x, y));
      spans->push_back(s);
    }
}
// The spans of a grid: every cell that is not bare, white or black.
void ColumnSpans(const Grid &grid, SpanList *spans, std::vector<int> *colours);
