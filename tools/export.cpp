// boardsmith-export: writes diagrams of position files, FEN, FEN and EPD lists and games as
// pictures or web pages, with the same code the save commands use, and prints the check's report.
// For authors who build documents in batch; the work is in exporter/.
//
// Exit status: 0 every output was written; 1 an input could not be read or an output not
// written (a message on standard error names each, with the reason); 2 wrong usage, or outputs
// that could meet; 128 + the signal when a signal stopped it.
#include <cstdio>

#include "exporter/batch.h"
#include "exporter/options.h"
#include "exporter/uniquenames.h"
#include "exporter/workingmemory.h"

int main(int argc, char **argv) {
  ExportOptions options;
  std::string problem;
  switch (ParseCommandLine(argc, argv, &options, &problem)) {
    case ParseHelp:
      std::fputs(HelpText().c_str(), stdout);
      return std::fflush(stdout) == 0 ? 0 : 1;
    case ParseVersion:
      std::printf("boardsmith-export %s\n", BS_VERSION);
      return std::fflush(stdout) == 0 ? 0 : 1;
    case ParseUsage:
      break;
    case ParseRun:
      // Names that two positions could share are refused before anything is written.
      if (OutputNamesApart(options, &problem)) {
        KeepWorkingMemory();
        return RunExport(options, stdout, stderr);
      }
      break;
  }
  std::fprintf(stderr, "boardsmith-export: %s\n%sTry boardsmith-export --help for the options.\n",
               problem.c_str(), UsageText().c_str());
  return 2;
}
