#include "files/numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

namespace {
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

int LeadingInt(const char *text, bool *found) {
  const char *p = text;
  while (IsSpace(*p)) p++;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') p++;
  long long v = 0;
  bool any = false;
  for (; IsDigit(*p); p++) {
    any = true;
    if (v <= static_cast<long long>(INT_MAX) + 1) v = v * 10 + (*p - '0');
  }
  if (found) *found = any;
  if (negative) v = -v;
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

bool LeadingFloat(const char *text, double *value) {
  const char *p = text;
  while (IsSpace(*p)) p++;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') p++;
  if (*p == '-' || *p == '+') return false;
  const char *end = p;
  while (*end) end++;
  double v = 0;
  std::from_chars_result r = std::from_chars(p, end, v, std::chars_format::general);
  if (r.ec == std::errc::invalid_argument) return false;
  if (r.ec == std::errc::result_out_of_range) {
    // Too large or too small: the exponent's sign says which.
    bool tiny = false;
    for (const char *q = p; q < r.ptr; q++)
      if ((*q == 'e' || *q == 'E') && q + 1 < r.ptr && q[1] == '-') tiny = true;
    v = tiny ? 0.0 : HUGE_VAL;
  }
  *value = negative ? -v : v;
  return true;
}

std::string FixedDecimals(double value, int decimals) {
  char buffer[400];
  std::to_chars_result r =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (r.ec != std::errc()) return "0";
  return std::string(buffer, r.ptr);
}
