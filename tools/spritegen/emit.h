#pragma once
// The generated sources.
#include <string>

#include "tools/spritegen/raster.h"

// render/<file>.cpp of a sprite piece: its tables of column spans and their pixels, and its routine.
std::string SpriteSource(const PieceArt &art, const Grid &grid);
// render/bpawn.cpp: the white pawn, then black fills over exactly the cells its outline encloses.
std::string BlackPawnSource(const Grid &pawn);
