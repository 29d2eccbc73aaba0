// Placeholder: the position file lands with the headless core.
#include "files/brd.h"

std::string BRDText(int) { return std::string(); }
bool MakeBRDFile(int, std::string *) { return false; }
bool ReadBRDText(const std::string &, std::string *) { return false; }
bool ReadBRDFile(std::string *) { return false; }
