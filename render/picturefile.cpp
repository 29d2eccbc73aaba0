// Choosing a picture writer by format and style, and writing its bytes through a temporary file.
#include "render/picturefile.h"

#include <cmath>

#include "files/atomicwrite.h"
#include "model/model.h"
#include "render/colourraster.h"
#include "render/makebmp.h"
#include "render/png.h"
#include "render/vectorapi.h"

namespace {
const char *const Extensions[4] = {".bmp", ".png", ".pdf", ".svg"};

std::string Lower(std::string text) {
  for (char &c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// Pixels per metre of a colour raster px pixels wide printed at the picture's width.
int ColourResolution(int px) {
  double inches = PicSiz >= 1.0f && PicSiz <= 6.0f ? PicSiz : 4.0;
  return static_cast<int>(px * 100 / (inches * 2.54) + 0.5);
}

bool ColourPNG(int coords, int px, std::string *bytes, std::string *why) {
  const int size = PictureSize(coords);
  std::vector<uint8_t> rgb = ScaleByArea(ComposeColour(coords), size, px);
  *bytes = PNGOfRows(rgb.data(), px, px, px * 3, true, ColourResolution(px), why);
  return !bytes->empty();
}
}  // namespace

int PictureFormatOf(const std::string &path) {
  const std::string lower = Lower(path);
  for (int f = 0; f < 4; f++) {
    const std::string ext = Extensions[f];
    if (lower.size() > ext.size() && lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0)
      return f;
  }
  return -1;
}

bool PictureBytes(int format, int coords, int style, int px, std::string *bytes, std::string *why) {
  auto Fail = [&](const std::string &reason) {
    if (why) *why = reason;
    return false;
  };
  if (style != StylePrint && style != StyleColour) return Fail("The picture style is neither print nor colour.");
  if (px == 0) px = DefaultColourPixels;
  if (format == PicturePNG && style == StyleColour && (px < 8 || px > MaxColourPixels))
    return Fail("A colour picture is 8 to " + std::to_string(MaxColourPixels) + " pixels wide, not " +
                std::to_string(px) + ".");
  switch (format) {
    case PictureBMP: {
      if (style == StyleColour) return Fail("A BMP picture is always the print picture; use PNG for colour.");
      ComposeDiagram(coords);
      std::vector<uint8_t> bmp = EncodeBMP(coords);
      bytes->assign(bmp.begin(), bmp.end());
      return true;
    }
    case PicturePNG: {
      if (style == StyleColour) return ColourPNG(coords, px, bytes, why);
      std::vector<uint8_t> png = EncodePNG(coords, why);
      bytes->assign(png.begin(), png.end());
      return !png.empty();
    }
    case PicturePDF:
    case PictureSVG:
      return VectorPicture(VectorDiagramOfModel(format, coords, style), bytes, why);
    default:
      return Fail("Pictures are written as BMP, PNG, PDF or SVG.");
  }
}

bool MakePictureFile(const std::string &path, int format, int coords, int style, int px,
                     std::string *why) {
  std::string bytes;
  if (!PictureBytes(format, coords, style, px, &bytes, why)) return false;
  return WriteFileAtomically(path, bytes, why);
}
