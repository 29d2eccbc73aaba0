#include <cstring>

#include "model/model.h"
#include "model/surface.h"

void Scribe(Surface *surface, const char *text) {
  if (!surface) return;
  surface->FillSolid(10, 340, 520, 356, 242 | 237 << 8 | 222 << 16);
  int length = static_cast<int>(std::strlen(text));
  if (length > 80) length = 80;
  surface->TextAt(10, 340, text, length);
}
