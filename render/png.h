#pragma once
// PNG files through libpng: 1-bit greyscale (the print picture) or 8-bit RGB (colour pictures).
// libpng lives in a module of its own, boardsmith-png.so, loaded on first use, so that a BMP
// export never loads libpng and zlib.
#include <cstddef>
#include <cstdint>
#include <string>

constexpr const char *PNGModuleName = "boardsmith-png.so";
constexpr const char *PNGEntryName = "BoardsmithPNG";

// Where the module's bytes go, a piece at a time.
extern "C" typedef void PNGAppend(void *context, const uint8_t *bytes, size_t count);
// The module's entry point: the PNG of the rows, handed to append; false if libpng fails.
extern "C" typedef bool PNGEntry(const uint8_t *rows, int width, int height, int stride, bool rgb,
                                 int pixelsPerMetre, PNGAppend *append, void *context);

// The PNG of height rows of width pixels, the top row first, each row stride bytes: 1-bit grey
// (leftmost pixel in the high bit, 1 white) or, with rgb, three bytes a pixel. pixelsPerMetre
// goes into the pHYs chunk so that the picture prints at its width. Empty, with a reason, if the
// module is missing or libpng fails.
std::string PNGOfRows(const uint8_t *rows, int width, int height, int stride, bool rgb,
                      int pixelsPerMetre, std::string *why = nullptr);
