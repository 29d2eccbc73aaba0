#pragma once
// One position on its way through the exporter, and what became of it.
#include <string>
#include <vector>

#include "chess/board.h"
#include "chess/move.h"

// A position as the reader finds it: still to be read (a position file, a FEN) or already a
// board (a game's position), a whole game to animate, or a record that failed before it became
// a position.
struct Job {
  enum Kind { PositionFile, PositionText, FEN, GamePosition, GameAnimation, Failed } kind = Failed;
  long number = 0;      // {n}: its place in the run, from 1; rows are reported in this order
  std::string input;    // where it came from, for messages and the report ("list.fen:12")
  std::string label;    // with --print-fen=labelled, what goes before the FEN and its tab
  std::string text;     // the position file's name or text, or the FEN
  Board board{};        // GamePosition; GameAnimation: its last position
  std::string line;     // GamePosition: the path of its variation, "" on the main line
  std::vector<Board> positions;  // GameAnimation: every position of the game's main line,
  std::vector<Move> moves;       // and the move before each ([0] unused)
  std::string output;   // the file to write ("" with --print-fen)
  std::string failure;  // Failed: the message
  double done = 0.0;    // share of the inputs' bytes read when it was found, 0..1; -1 unknown
};

// What became of a job: a row of the report.
struct Row {
  long number = 0;
  std::string input, output, fen;
  std::string label, line;  // the job's
  bool written = false;  // the output was written (or the FEN found, with --print-fen)
  std::string failure;   // why not: the message for standard error
  int errors = 0, warnings = 0;
  std::string report;  // the check's whole report: its lines, each ending in "\n", and the summary
  double done = 0.0;
};
