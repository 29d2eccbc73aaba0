#pragma once
// Output names from a pattern: {n} the running number from 1, {name} the input's base name,
// {game} and {ply} the game and ply of a position from a PGN file (0 for other positions), {line}
// the path of its variation ("" on the main line and for other positions). A number field may
// take a width from 1 to 9, {ply:3}, and is then padded with zeros (007), so that names sort in
// order.
#include <string>

struct OutputFields {
  long n;
  std::string name;
  int game, ply;
  std::string line;
};

// True when every {...} of the pattern is one of the fields (a number's with a width or none);
// else *problem names it.
bool PatternValid(const std::string &pattern, std::string *problem);
// The pattern with its fields filled in.
std::string ExpandPattern(const std::string &pattern, const OutputFields &fields);
// True when the pattern holds the field of that name ("ply"), of any width.
bool PatternHas(const std::string &pattern, const char *field);
// True when the pattern gives a different name to every position ({n} in it, of any width).
bool PatternNumbers(const std::string &pattern);
