// Placeholder: the web page lands with the save commands.
#include "files/htm.h"

std::string HTMText(int) { return std::string(); }
bool MakeHTMFile(int, std::string *) { return false; }
