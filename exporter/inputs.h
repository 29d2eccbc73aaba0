#pragma once
// The exporter's reader: walks the inputs in command-line order and gives each position it finds
// (or each record that failed) to a sink, numbered and named, without keeping any of them.
#include <functional>

#include "exporter/job.h"
#include "exporter/options.h"

using JobSink = std::function<void(Job &&job)>;

// The longest line of a FEN or EPD list that is read; a longer one is refused as a record.
constexpr size_t MaxListLine = 4096;

void ReadSources(const ExportOptions &options, const JobSink &sink);
