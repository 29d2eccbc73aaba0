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
// white at the bottom (or as --flip says), no arrows; an animated game's diagram is its last
// position. *board (when given) gets a FEN's or a game's board, or Board{} for a position file.
std::optional<PositionFile> SetUp(const Job &job, const ExportOptions &options, std::string *failure,
                                  Board *board = nullptr);
// Applies the diagram options (flip, coordinates, theme, size, dots, crosses, arrows); false,
// with *why, when the arrows do not fit.
bool ApplyDiagramOptions(const ExportOptions &options, PositionFile &position, std::string *why);
// The picture or page in the format path's extension names and the style asked for (a page's
// default the theme's colours, a picture's the print picture); false with a reason.
bool OutputBytes(const std::string &path, const ExportOptions &options, const PositionFile &position,
                 Canvas &canvas, std::string *bytes, std::string *why);
// The FEN of the diagram as the options leave it. The board it was set up from keeps its Chess960
// castling, which the diagram does not hold: such a FEN is X-FEN.
std::string ExportedFEN(const Diagram &diagram, const Board &board);
// An animated game (a GameAnimation job) in the format path's extension names (.gif or .png): a
// frame for each position with the diagram options applied and the move before it as an arrow,
// options.delay apart, the final position longer. False with a reason.
bool AnimationOutputBytes(const std::string &path, const ExportOptions &options, const Job &job,
                          Canvas &canvas, std::string *bytes, std::string *why);
// How long an animated game's final position stays: three times the delay, 2 seconds at least.
int FinalDelay(int delay);
