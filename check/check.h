#pragma once
// The plausibility check of the position.
#include <string>

struct CheckResult {
  std::string text;  // the report: the lines found, the summary, and the clipboard lines
  int errors;
  int warnings;
};

// Checks Pos. mode 0: the check command; 1: after a picture save in the named format (clipboard
// lines when vclip is set); 2: after a web-page save.
CheckResult CheckPosition(int mode, int vclip, const char *format = "BMP");
