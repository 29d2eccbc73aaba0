#pragma once
// One position exported on the calling thread: its diagram set up in the thread's model, the
// diagram options applied, the output written, the position checked.
#include <string>
#include <vector>

#include "exporter/job.h"
#include "exporter/options.h"

// inputs: the input files an output must never replace.
void ExportJob(const Job &job, const ExportOptions &options, const std::vector<std::string> &inputs,
               Row *row);
