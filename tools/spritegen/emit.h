#pragma once
// The generated sources.
#include <string>

#include <vector>

#include "tools/spritegen/drawn/capture.h"
#include "tools/spritegen/raster.h"

// render/<file>.cpp of a sprite piece: its tables of column spans and their pixels, and its routine.
std::string SpriteSource(const PieceArt &art, const Grid &grid);
// render/bpawn.cpp: the white pawn with the cells its outline encloses black.
std::string BlackPawnSource(const Grid &pawn);
// render/<file>.cpp of a piece drawn stroke by stroke, from the spans CaptureSpans recorded.
std::string DrawnSource(const DrawnArt &art, const SpanList &spans, const std::vector<int> &colours);
