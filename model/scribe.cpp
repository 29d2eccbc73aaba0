#include <cstring>

#include "model/model.h"
#include "model/surface.h"

int32_t StatusTop = 340, StatusRight = 520;

void Scribe(Surface *surface, const char *text) {
  if (!surface) return;
  surface->FillSolid(10, StatusTop, StatusRight, StatusTop + 16, 242 | 237 << 8 | 222 << 16);
  int length = static_cast<int>(std::strlen(text));
  if (length > 80) length = 80;
  surface->TextAt(10, StatusTop, text, length);
}
