#pragma once
#include <vector>

#include "tools/spritegen/raster.h"

// The seven sprite pieces, white king first, in the order of their square codes.
const std::vector<PieceArt> &Pieces();
