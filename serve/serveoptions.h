#pragma once
// boardsmith-serve's command line.
#include <string>

#include "serve/server.h"

enum class ServeParse { Run, Help, Version, Usage };

// Reads argv into *options; Usage leaves *problem naming the option and what it takes.
ServeParse ParseServeCommandLine(int argc, char **argv, ServerOptions *options, std::string *problem);
std::string ServeHelpText();
