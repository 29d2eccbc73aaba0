#pragma once
// Output names decided before anything is written: where each input's outputs go, whether two
// positions of a run could be given one name (worked out from the pattern and the inputs'
// names, so that a run of any length keeps no names in memory), and the run-time check for the
// repeats that only the data can show.
#include <string>

#include "exporter/options.h"

// {name} of an input: its base name (without folder and extension). A name that is all dots (or
// empty) has each dot as "_", so that {name} is never ".", ".." or a path separator.
std::string SafeName(const std::string &path);
// The {name} of a source: "fen" for --fen, "stdin" for standard input, else its file's SafeName.
std::string SourceName(const Source &source);
// How messages name the source at index: its file, "stdin", or "--fen" ("--fen #2" among several).
std::string SourceLabel(const ExportOptions &options, size_t index);

// Where the outputs of a source go: a folder taken as it is (the input's own, for pictures
// beside it; "" with -o PATTERN) and the pattern of fields after it. An empty pattern with
// OUTPUT or --print-fen.
struct OutputNaming {
  std::string folder, pattern;
};
OutputNaming NamingOf(const ExportOptions &options, const Source &source);

// True when no two positions of the run can be given one output name, or when those that can
// come one after another (the records of a list without {n}: the reader's RepeatGuard finds
// them). Otherwise false, and *problem names two inputs (or two positions) that could meet and
// what to change. The pattern's fields must be told apart in the name: a field of digits next to
// another (or next to {name}, when one input's name is another's with digits added) needs a
// separator that is not a digit.
bool OutputNamesApart(const ExportOptions &options, std::string *problem);

// Positions that only the data can put on one name come one after another: this keeps the last
// name given and the input that had it first.
class RepeatGuard {
 public:
  // "" when output differs from the last name given, else the input that went there first.
  std::string Check(const std::string &output, const std::string &input);

 private:
  std::string last_, first_;
};
