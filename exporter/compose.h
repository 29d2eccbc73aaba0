#pragma once
// What an export makes of one position: its diagram and picture settings as values, the diagram
// options applied, the bytes of its picture or page. The exporter writes the bytes to a file;
// the diagram service sends them.
#include <optional>
#include <string>

#include "exporter/job.h"
#include "exporter/options.h"
#include "files/brd.h"
#include "render/canvas.h"

// The job's diagram and its picture settings; nothing, with the message, when it cannot be read.
// A position from FEN or a game starts as a new diagram: medium size, theme 0, no coordinates,
// white at the bottom (or as --flip says), no arrows.
std::optional<PositionFile> SetUp(const Job &job, const ExportOptions &options, std::string *failure);
// Applies the diagram options (flip, coordinates, theme, size, dots, crosses, arrows); false,
// with *why, when the arrows do not fit.
bool ApplyDiagramOptions(const ExportOptions &options, PositionFile &position, std::string *why);
// The picture or page in the format path's extension names and the style asked for (a page's
// default the theme's colours, a picture's the print picture); false with a reason.
bool OutputBytes(const std::string &path, const ExportOptions &options, const PositionFile &position,
                 Canvas &canvas, std::string *bytes, std::string *why);
