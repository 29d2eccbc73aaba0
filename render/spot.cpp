// Placeholder until the artwork lands: draws nothing.
#include "render/canvas.h"
#include "render/glyphs.h"

void Spot(int, int) {}
