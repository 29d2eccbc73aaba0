#pragma once
// What the exporter's command line asks for, read from one table of options.
#include <string>
#include <vector>

// One place positions come from, in command-line order.
struct Source {
  enum Kind { PositionFile, List, Games, StandardInput, FENText } kind;
  std::string text;  // the file's name, or the FEN of --fen
};

// An arrow between board squares (a1 = 0 .. h8 = 63), whatever the orientation.
struct SquareArrow {
  int from, to;
};

struct ExportOptions {
  std::vector<Source> sources;
  std::string output;   // OUTPUT: one file for one position
  std::string pattern;  // -o PATTERN, a folder's "/" already turned into {name}-{n}.bmp
  std::string folder;   // the folder of -o PATTERN when it has no fields, made when missing
  // Diagram options; -1 keeps what the position file says (or a new diagram's value).
  int coords = -1, flip = -1, theme = -1;
  int dpi = -1;         // 0 custom, 1 small, 2 medium, 3 large; -1 not given
  float inches = 0.0f;  // with dpi 0
  std::vector<SquareArrow> arrows;
  std::vector<int> dots, crosses;
  // Games: firstGame..lastGame of each PGN input, from 1 (lastGame 0: to the input's end);
  // firstGame 0 when --game is not given: the first game, or every one with --every-ply.
  int firstGame = 0, lastGame = 0;
  int ply = -1;  // -1 the last
  bool everyPly = false;
  bool variations = false;  // --every-ply gives the variations' positions too
  // Set by the parser: --every-ply with one .gif or .png name without {ply} or {n} makes each
  // game one animated picture, its frames delay milliseconds apart (-1: not given).
  bool animate = false;
  int delay = -1;
  enum { NoFEN, PlainFEN, LabelledFEN } printFEN = NoFEN;
  bool quiet = false;
  bool progress = false;  // progress lines when standard error is not a terminal
  int jobs = 0;  // 0: the number of cores
  std::string report;
  int style = -1;  // 0 the 1-bit print picture, 1 the theme's colours; -1 the output's default
  int px = 0;      // pixel width of a PNG; 0 the writer's default
  std::string pieces;  // the piece set: "" the default font set, "classic", a family or a font file
  int page = -1;   // 0 the page of GIF cells, 1 the page with an inline SVG; -1 the GIF page
};

enum ParseOutcome { ParseRun, ParseHelp, ParseVersion, ParseUsage };

// Reads argv into *options. ParseUsage leaves *problem naming what is wrong (the option and
// its value, or the argument).
ParseOutcome ParseCommandLine(int argc, char **argv, ExportOptions *options, std::string *problem);

// The usage lines shown with every usage error.
std::string UsageText();
// The usage lines, what the exporter does, and every option of the table.
std::string HelpText();

// Milliseconds between the frames of an animated game: the default and the range.
constexpr int DefaultDelay = 1000, MinDelay = 20, MaxDelay = 10000;

// The output kinds by file name extension (case does not matter).
enum OutputKind { OutputUnknown = -1, OutputBMP, OutputPage, OutputPNG, OutputPDF, OutputSVG, OutputGIF };
OutputKind OutputKindOf(const std::string &path);
// True when the --report file is CSV (FILE.csv, any case); the option takes FILE.json otherwise.
bool IsCSVReport(const std::string &path);
// "e4" -> 28; -1 for anything that is not one square's name.
int SquareFromName(const std::string &name);
