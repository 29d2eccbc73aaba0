#pragma once
// The plausibility check of the position.
#include <string>

#include "model/diagram.h"

struct CheckResult {
  std::string text;  // the report: the lines found and the summary
  int errors;
  int warnings;
};

// Checks the diagram's men. mode 0: the check command; 1: after a picture save in the named
// format (the clipboard's short summary, ending in a line feed, when vclip is set: the front end
// adds the lines that say where the clipboard picture went); 2: after a web-page save.
CheckResult CheckPosition(const Diagram &diagram, int mode, int vclip, const char *format = "BMP");
