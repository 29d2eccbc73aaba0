#pragma once
// Reading and writing the numbers of the text files, the same whatever locale the program runs
// in (a desktop locale may write decimal commas; our files always carry a point).
#include <cstddef>
#include <string>

// The integer at the start of text (after white space, an optional sign), like atoi but
// saturating at the limits of a 32-bit int. No number gives 0; *found says whether one was there.
int LeadingInt(const char *text, bool *found = nullptr);
// The decimal number at the start of text, like strtod in the C locale (no hexadecimal). Returns
// false when there is none; a number of 1e300 or more gives infinity, one under 1e-300 gives 0.
bool LeadingFloat(const char *text, double *value);
// value with the given number of decimals, like printf's "%.Nf".
std::string FixedDecimals(double value, int decimals);
// A custom picture width: the number at the start of text in inches, kept within the 1.0 to 6.0
// the model holds. No number (or not a number) gives fallback, kept within them too.
float CustomInches(const char *text, double fallback);
