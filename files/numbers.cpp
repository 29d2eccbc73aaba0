#include "files/numbers.h"

#include <locale.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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

namespace {
// The C library's own conversions under the C locale: correctly rounded both ways, and, unlike
// the C++ library's, they need no maths library, which keeps it out of the exporter's start.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

// The decimal number at the start of p: digits with an optional point and fraction and an
// optional exponent, or inf, infinity or nan. Hexadecimal numbers are not ours: "0x10" is the
// number 0 followed by other text.
struct Decimal {
  size_t length = 0;       // 0: no number
  bool special = false;    // inf, infinity or nan
  long magnitude = -9999;  // the power of ten of its first digit that is not 0 (12.5: 1)
};

Decimal ScanDecimal(const char *p) {
  for (const char *word : {"infinity", "inf", "nan"}) {
    size_t n = 0;
    while (word[n] && (p[n] == word[n] || p[n] == word[n] - 'a' + 'A')) n++;
    if (!word[n]) return {n, true, 0};
  }
  const char *q = p, *first = nullptr;  // first: the first digit that is not 0
  for (; IsDigit(*q); q++)
    if (*q != '0' && !first) first = q;
  const char *point = q;
  const bool whole = q > p;
  if (*q == '.') q++;
  const char *fraction = q;
  for (; IsDigit(*q); q++)
    if (*q != '0' && !first) first = q;
  if (!whole && q == fraction) return {};
  long exponent = 0;
  if (*q == 'e' || *q == 'E') {
    const char *e = q + 1;
    const bool negative = *e == '-';
    if (*e == '+' || *e == '-') e++;
    if (IsDigit(*e)) {
      for (; IsDigit(*e); e++) exponent = std::min(exponent * 10 + (*e - '0'), 100000L);
      if (negative) exponent = -exponent;
      q = e;
    }
  }
  Decimal d;
  d.length = static_cast<size_t>(q - p);
  if (first) d.magnitude = (first < point ? point - first - 1 : fraction - first - 1) + exponent;
  return d;
}
}  // namespace

bool LeadingFloat(const char *text, double *value) {
  const char *p = text;
  while (IsSpace(*p)) p++;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') p++;
  const Decimal d = ScanDecimal(p);
  if (d.length == 0) return false;
  double v;
  // Far beyond anything our files hold, a number is taken as infinity or 0 without converting
  // it, so that no conversion overflows or underflows on the way.
  if (!d.special && d.magnitude >= 300) {
    v = HUGE_VAL;
  } else if (!d.special && d.magnitude <= -300) {
    v = 0.0;
  } else {
    const std::string number(p, d.length);
    v = strtod_l(number.c_str(), nullptr, CLocale());
  }
  *value = negative ? -v : v;
  return true;
}

std::string FixedDecimals(double value, int decimals) {
  char buffer[400];
  locale_t previous = uselocale(CLocale());
  int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  uselocale(previous);
  if (n < 0 || n >= static_cast<int>(sizeof buffer)) return "0";
  return std::string(buffer, static_cast<size_t>(n));
}

float CustomInches(const char *text, double fallback) {
  // Clamped while still a double: a number beyond the range of float cannot become one.
  double inches;
  if (!LeadingFloat(text, &inches) || inches != inches) inches = fallback;
  if (!(inches >= 1.0)) inches = 1.0;
  if (inches > 6.0) inches = 6.0;
  return static_cast<float>(inches);
}
