#pragma once
// One position exported on the calling thread: its diagram and picture settings set up as
// values, the diagram options applied, the output written, the position checked.
#include "exporter/inputguard.h"
#include "exporter/job.h"
#include "exporter/options.h"
#include "render/canvas.h"

// inputs: the input files an output must never replace. canvas: the calling thread's own, drawn
// on for a picture.
void ExportJob(const Job &job, const ExportOptions &options, const InputGuard &inputs,
               Canvas &canvas, Row *row);
