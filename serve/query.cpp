#include "serve/query.h"

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One name or value, unescaped; false with a reason.
bool Unescape(std::string_view text, std::string *out, std::string *why) {
  out->clear();
  for (size_t i = 0; i < text.size(); i++) {
    char c = text[i];
    if (c == '+') {
      c = ' ';
    } else if (c == '%') {
      int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
      int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
      if (high < 0 || low < 0) {
        *why = "a broken %-escape in the query";
        return false;
      }
      c = static_cast<char>(high * 16 + low);
      i += 2;
    }
    if (c == '\0') {
      *why = "a NUL byte in the query";
      return false;
    }
    *out += c;
  }
  return true;
}
}  // namespace

bool ParseQuery(std::string_view query, std::vector<QueryParameter> *parameters, std::string *why) {
  parameters->clear();
  while (!query.empty()) {
    size_t amp = query.find('&');
    std::string_view pair = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    if (pair.empty()) continue;  // "a=1&&b=2"
    if (parameters->size() == MaxQueryParameters) {
      *why = "more than " + std::to_string(MaxQueryParameters) + " query parameters";
      return false;
    }
    size_t eq = pair.find('=');
    QueryParameter p;
    if (!Unescape(pair.substr(0, eq), &p.name, why)) return false;
    if (eq != std::string_view::npos && !Unescape(pair.substr(eq + 1), &p.value, why)) return false;
    if (p.name.empty()) {
      *why = "a query parameter without a name";
      return false;
    }
    parameters->push_back(std::move(p));
  }
  return true;
}
