#pragma once
// The progress line on standard error while a batch runs: positions done, their rate and the
// time left (from the share of the input files read). Only on a terminal.
#include <chrono>
#include <cstdio>

class Progress {
 public:
  Progress(FILE *terminal, bool shown);
  // count rows done; done the share of the inputs read (0..1), or below 0 when not known.
  void Update(long count, double done);
  // Takes the line away before anything else is written to the terminal.
  void Clear();

 private:
  FILE *terminal_;
  bool shown_, drawn_ = false;
  std::chrono::steady_clock::time_point start_, last_;
};
