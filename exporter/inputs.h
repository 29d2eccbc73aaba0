#pragma once
// The exporter's reader: walks the inputs in command-line order and gives each position it finds
// (or each record that failed) to a sink, numbered and named, without keeping any of them.
#include <functional>

#include "exporter/job.h"
#include "exporter/options.h"

// Takes a job; false stops the reading (the run was interrupted).
using JobSink = std::function<bool(Job &&job)>;

// The longest line of a FEN or EPD list that is read; a longer one is refused as a record.
constexpr size_t MaxListLine = 4096;
// A list or PGN file with a NUL byte or another control character (other than tab, line and page
// ends, and the DOS end-of-file mark) in its first TextCheckBytes is no text: it is refused at
// once rather than read to its end. Bytes above 127 are text (UTF-8 or Latin-1).
constexpr size_t TextCheckBytes = 4096;

void ReadSources(const ExportOptions &options, const JobSink &sink);
