#pragma once
// Floors: the least work a task must do, measured in the same benchmark run as the task, so that
// targets are ratios that hold on a noisy machine. And the full board the picture benchmarks draw.
#include <functional>
#include <string>

#include "model/diagram.h"
#include "render/canvas.h"

// Whitens the whole canvas and packs it into the 1-bit rows of a picture with coordinates: what
// composing and encoding a picture cannot do without.
void WhitenAndPack(Canvas &canvas);
// Writes count files of 45,054 bytes (a picture without coordinates) into folder, each under a
// temporary name renamed into place, with plain system calls: the floor of a batch export.
// Returns false when a file could not be written.
bool WriteFilesFloor(const std::string &folder, int count);
// Processor seconds one call of f takes: the median of a few timed rounds of many calls.
double SecondsPerCall(const std::function<void()> &f);

// The start position (32 men) with 32 arrows of every kind: files, ranks, diagonals and knight
// moves, in both directions.
Diagram FullBoard();
