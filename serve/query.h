#pragma once
// A URL's query string: name=value pairs split at "&", "+" a space, %XX a byte.
#include <string>
#include <string_view>
#include <vector>

struct QueryParameter {
  std::string name, value;
  bool operator==(const QueryParameter &) const = default;
};

// Pairs at most, and bytes of a name or value at most: a request that needs more is refused.
constexpr size_t MaxQueryParameters = 64;

// The pairs in order. False with a reason for a broken escape ("%4"), a NUL byte (raw or %00),
// an empty name or more pairs than MaxQueryParameters. A pair without "=" has an empty value.
bool ParseQuery(std::string_view query, std::vector<QueryParameter> *parameters, std::string *why);
