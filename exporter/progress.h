#pragma once
// The progress line on standard error while a batch runs: positions done, their rate and the
// time left (from the share of the input files read). On a terminal one line redrawn; elsewhere
// (a log, with --progress) a line every 10 seconds.
#include <chrono>
#include <cstdio>

class Progress {
 public:
  // shown: on a terminal; lines: also elsewhere.
  Progress(FILE *terminal, bool shown, bool lines = false);
  // count rows done; done the share of the inputs read (0..1), or below 0 when not known.
  void Update(long count, double done);
  // Takes the line away before anything else is written to the terminal.
  void Clear();

 private:
  FILE *terminal_;
  bool shown_, drawn_ = false;
  bool lines_;  // not a terminal: whole lines, further apart
  std::chrono::steady_clock::time_point start_, last_;
};
