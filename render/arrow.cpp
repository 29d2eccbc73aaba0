// The arrow rasteriser. Placeholder until it lands: draws nothing.
#include "render/arrow.h"

#include "render/canvas.h"

void Arrow(int, int, int, int) {}
