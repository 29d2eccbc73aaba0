// Output names from a pattern of fields.
#include "exporter/pattern.h"

#include <cstring>

namespace {
const char *const Fields[] = {"{n}", "{name}", "{game}", "{ply}", "{line}"};
constexpr int FieldCount = 5;

// The field starting at pattern[at]: its index in Fields, or -1.
int FieldAt(const std::string &pattern, size_t at) {
  for (int k = 0; k < FieldCount; k++)
    if (pattern.compare(at, std::strlen(Fields[k]), Fields[k]) == 0) return k;
  return -1;
}
}  // namespace

bool PatternValid(const std::string &pattern, std::string *problem) {
  for (size_t at = pattern.find('{'); at != std::string::npos; at = pattern.find('{', at + 1))
    if (FieldAt(pattern, at) < 0) {
      size_t end = pattern.find('}', at);
      *problem = "-o PATTERN knows {n}, {name}, {game}, {ply} and {line}, not " +
                 pattern.substr(at, end == std::string::npos ? 1 : end - at + 1);
      return false;
    }
  return true;
}

std::string ExpandPattern(const std::string &pattern, const OutputFields &fields) {
  std::string name;
  for (size_t at = 0; at < pattern.size(); at++) {
    int k = pattern[at] == '{' ? FieldAt(pattern, at) : -1;
    if (k < 0) {
      name += pattern[at];
      continue;
    }
    name += k == 0 ? std::to_string(fields.n)
            : k == 1 ? fields.name
            : k == 4 ? fields.line
            : std::to_string(k == 2 ? fields.game : fields.ply);
    at += std::strlen(Fields[k]) - 1;
  }
  return name;
}

bool PatternNumbers(const std::string &pattern) { return pattern.find("{n}") != std::string::npos; }
