#pragma once
// The exporter's run: a reader streams the positions through a bounded window to worker
// threads, and the rows come back out in input order: messages on err, FEN lines or the check's
// report on out, rows to the --report file, the progress line.
#include <cstdio>

#include "exporter/options.h"

// Returns the exit status: 0 when every output was written, 1 when any input or output failed
// (each named on err).
int RunExport(const ExportOptions &options, FILE *out, FILE *err);
