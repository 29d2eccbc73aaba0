#pragma once
// What the model needs of a window's drawing surface: the presets write their status message
// through it. The window services implement it; the model never sees how.
#include <cstdint>

struct Surface {
  // Fill left..right-1, top..bottom-1 with a solid colour (red + green*256 + blue*65536).
  virtual void FillSolid(int left, int top, int right, int bottom, uint32_t colour) = 0;
  // Write length characters of text with its top-left corner at (x, y).
  virtual void TextAt(int x, int y, const char *text, int length) = 0;

 protected:
  ~Surface() = default;
};
