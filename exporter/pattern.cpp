// Output names from a pattern of fields.
#include "exporter/pattern.h"

#include <cstring>

namespace {
// The fields by name; a number may be given a width, {ply:3}, and is then padded with zeros.
struct Field {
  const char *name;
  bool number;
};
const Field Fields[] = {{"n", true}, {"name", false}, {"game", true}, {"ply", true}, {"line", false}};
constexpr int FieldCount = sizeof Fields / sizeof Fields[0];
constexpr int MaxWidth = 9;

// The field starting at pattern[at]: its index in Fields, its width (0 when none is given) and
// its length with the braces; -1 when there is none there.
int FieldAt(const std::string &pattern, size_t at, int *width, size_t *length) {
  size_t end = pattern.find('}', at);
  if (pattern[at] != '{' || end == std::string::npos) return -1;
  std::string inside = pattern.substr(at + 1, end - at - 1);
  size_t colon = inside.find(':');
  std::string name = inside.substr(0, colon), digits;
  if (colon != std::string::npos) digits = inside.substr(colon + 1);
  for (int k = 0; k < FieldCount; k++) {
    if (name != Fields[k].name) continue;
    *width = 0;
    if (colon != std::string::npos) {
      if (!Fields[k].number || digits.size() != 1 || digits[0] < '1' || digits[0] > '0' + MaxWidth)
        return -1;
      *width = digits[0] - '0';
    }
    *length = end - at + 1;
    return k;
  }
  return -1;
}

std::string Padded(long value, int width) {
  std::string digits = std::to_string(value);
  return digits.size() < static_cast<size_t>(width) ? std::string(width - digits.size(), '0') + digits
                                                   : digits;
}
}  // namespace

bool PatternValid(const std::string &pattern, std::string *problem) {
  int width;
  size_t length;
  for (size_t at = pattern.find('{'); at != std::string::npos; at = pattern.find('{', at + 1))
    if (FieldAt(pattern, at, &width, &length) < 0) {
      size_t end = pattern.find('}', at);
      *problem = "-o PATTERN knows {n}, {name}, {game}, {ply} and {line}, a number's width 1..9 "
                 "as in {ply:3}, not " +
                 pattern.substr(at, end == std::string::npos ? 1 : end - at + 1);
      return false;
    }
  return true;
}

std::string ExpandPattern(const std::string &pattern, const OutputFields &fields) {
  std::string name;
  for (size_t at = 0; at < pattern.size(); at++) {
    int width = 0;
    size_t length = 1;
    int k = pattern[at] == '{' ? FieldAt(pattern, at, &width, &length) : -1;
    if (k < 0) {
      name += pattern[at];
      continue;
    }
    name += k == 1   ? fields.name
            : k == 4 ? fields.line
                     : Padded(k == 0 ? fields.n : k == 2 ? fields.game : fields.ply, width);
    at += length - 1;
  }
  return name;
}

bool PatternHas(const std::string &pattern, const char *field) {
  int width;
  size_t length;
  for (size_t at = pattern.find('{'); at != std::string::npos; at = pattern.find('{', at + 1)) {
    int k = FieldAt(pattern, at, &width, &length);
    if (k >= 0 && std::strcmp(Fields[k].name, field) == 0) return true;
  }
  return false;
}

bool PatternNumbers(const std::string &pattern) { return PatternHas(pattern, "n"); }
