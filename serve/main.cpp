// boardsmith-serve: chess diagrams by URL.
#include <cstdio>

#include "exporter/workingmemory.h"
#include "serve/serveoptions.h"

int main(int argc, char **argv) {
  ServerOptions options;
  std::string problem;
  switch (ParseServeCommandLine(argc, argv, &options, &problem)) {
    case ServeParse::Help:
      std::fputs(ServeHelpText().c_str(), stdout);
      return 0;
    case ServeParse::Version:
      std::printf("boardsmith-serve %s\n", ServiceVersion);
      return 0;
    case ServeParse::Usage:
      std::fprintf(stderr, "boardsmith-serve: %s\nTry 'boardsmith-serve --help'.\n", problem.c_str());
      return 2;
    case ServeParse::Run:
      break;
  }
  KeepWorkingMemory();
  return RunServer(options);
}
