#pragma once
// The one diagram the program holds, the picture settings and the colour themes.
// Every part of the program reads and writes these directly.
//
// The diagram, its picture settings and the themes are per thread: a thread that composes,
// reads or writes a diagram has its own copy, so many can be exported at once. They start with
// the values below in every thread (constant initialisation: nothing runs at start-up, and hot
// loops reach them without a call). The editor's own settings (ShowCoords, SelPiece,
// ArrowStarted, StartFolder) belong to its one thread and stay process-wide.
#include <cstdint>
#include <string>

struct Surface;

// Square codes held in Pos.
enum : int32_t {
  Empty = 0,
  WK = 1, WQ, WR, WB, WN, WP,   // white king .. pawn
  BK = 7, BQ, BR, BB, BN, BP,   // black king .. pawn
  DotMark = 13,                 // dot marker
  CrossMark = 14,               // cross marker
};

constexpr int MaxArrows = 32;
constexpr int NThemes = 8;

// Board cells, index column * 8 + row; column 0 the leftmost, row 0 the bottom row as displayed.
// With Flipped 0 columns are files a..h and rows ranks 1..8; with Flipped 1 files h..a, ranks 8..1.
extern thread_local constinit int32_t Pos[64];
// Arrows: from column, from row, to column, to row. Rows count from the TOP of the displayed board.
// Arr[NArrows] is the pending arrow while one is being drawn.
extern thread_local constinit int32_t Arr[MaxArrows][4];
extern thread_local constinit int32_t NArrows;     // arrows in use, 0..32
extern thread_local constinit int32_t Flipped;     // 0 white at the bottom, 1 black at the bottom
extern thread_local constinit int32_t SideToMove;  // 0 white to move, 1 black to move
// What a FEN said beyond the men, kept while the men are edited (and used only where the men
// still allow it): castling rights (bits of chess/board.h; -1 not known, taken from the men),
// the en-passant square (0..63, a1 = 0; -1 none), and the two move counters.
extern thread_local constinit int32_t Castling, EnPassant, HalfMoves, FullMoves;
extern thread_local constinit int32_t Coords;      // 0/1: does the export being written carry coordinates
extern thread_local constinit int32_t Dpi;         // picture size: 0 custom, 1 small, 2 medium, 3 large
extern thread_local constinit float PicSiz;        // printed width in inches
extern thread_local constinit int32_t Theme;       // 0..7, a row of Dk and Lt
// The eight colour themes, red, green, blue, filled from the start.
extern thread_local constinit int16_t Dk[NThemes][3];  // dark square colours
extern thread_local constinit int16_t Lt[NThemes][3];  // light square colours

// The editor's own state.
extern int32_t ShowCoords;       // coordinates setting: 0 Never, 1 Always, 2 Ask
extern int32_t SelPiece;         // palette index of the tool: 0 eraser, 1..14 square codes, 15 arrows
extern char ArrowStarted;        // 1 while an arrow's end square is awaited
extern std::string StartFolder;  // the working folder at start-up; prefs.txt lives there when
                                 // it is a run folder (files/prefs.h)

// Start-up: start position, themes, theme from the tick count, start folder, and the default
// size and coordinates setting (the program then reads its preferences, files/prefs.h).
void Init();
// Fills Dk and Lt with the eight colour themes (part of Init). They already hold them in every
// thread from its start; this puts back any a caller has changed.
void InitThemes();
// Milliseconds since the system started, like the platform's tick count.
uint32_t TickCount();
// A theme colour as a platform colour value red + green*256 + blue*65536.
uint32_t ThemeColour(const int16_t rgb[3]);

// Presets and flip. The surface may be null: then no status message is written.
// A new position (the presets, a position file read) is white to move with nothing remembered.
void ForgetChessState();
void EmptyPosition(Surface *surface);
void StartPosition(Surface *surface);
void TypicalPosition(Surface *surface);
void FlipPosition(Surface *surface);

// Writes one line, cut to 80 characters, into the status strip under the board.
void Scribe(Surface *surface, const char *text);
