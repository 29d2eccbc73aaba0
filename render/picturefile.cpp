// Choosing a picture writer by format and style.
#include "render/picturefile.h"

#include "render/animation.h"
#include "render/makebmp.h"
#include "render/png.h"
#include "render/vectorapi.h"

namespace {
const char *const Extensions[5] = {".bmp", ".png", ".pdf", ".svg", ".gif"};

std::string Lower(std::string text) {
  for (char &c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The exact 1-bit picture is the print picture of the classic figures at its own size.
bool ExactPicture(const PictureSettings &settings, int px) {
  return settings.Style == StylePrint && settings.PieceSet() == ClassicPieces &&
         (px == 0 || px == PictureSize(settings.Coords));
}

// Any other PNG: the vector composer's raster, encoded where it is drawn (render/vector/pngencode.cpp).
bool RasterPNG(const Diagram &diagram, const PictureSettings &settings, int px, Canvas &canvas,
               std::string *bytes, std::string *why) {
  return VectorPicture(VectorDiagramOf(PictureRasterPNG, diagram, settings, px, px), canvas, bytes, why);
}
}  // namespace

int ColourResolution(const PictureSettings &settings, int px) {
  return static_cast<int>(px * 100 / (settings.Inches() * 2.54) + 0.5);
}

int PictureFormatOf(const std::string &path) {
  const std::string lower = Lower(path);
  for (int f = 0; f < 5; f++) {
    const std::string ext = Extensions[f];
    if (lower.size() > ext.size() && lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0)
      return f;
  }
  return -1;
}

bool PictureBytes(int format, const Diagram &diagram, const PictureSettings &settings,
                  Canvas &canvas, std::string *bytes, std::string *why) {
  auto Fail = [&](const std::string &reason) {
    if (why) *why = reason;
    return false;
  };
  const int style = settings.Style;
  if (style != StylePrint && style != StyleColour) return Fail("The picture style is neither print nor colour.");
  const int px = settings.Px != 0 ? settings.Px
                 : style == StyleColour ? DefaultColourPixels : PictureSize(settings.Coords);
  if ((format == PicturePNG || (format == PictureGIF && style == StyleColour)) && (px < 8 || px > MaxColourPixels))
    return Fail("A PNG or colour GIF is 8 to " + std::to_string(MaxColourPixels) + " pixels wide, not " +
                std::to_string(px) + ".");
  switch (format) {
    case PictureBMP: {
      if (style == StyleColour) return Fail("A BMP picture is always the print picture; use PNG for colour.");
      // The exact picture has the classic figures whatever set the other pictures use.
      *bytes = MakeBMPFile(diagram, settings, canvas);
      return true;
    }
    case PicturePNG: {
      if (!ExactPicture(settings, settings.Px)) return RasterPNG(diagram, settings, px, canvas, bytes, why);
      std::vector<uint8_t> png = EncodePNG(diagram, settings, canvas, why);
      bytes->assign(png.begin(), png.end());
      return !png.empty();
    }
    case PicturePDF:
    case PictureSVG:
      return VectorPicture(VectorDiagramOf(format, diagram, settings), canvas, bytes, why);
    case PictureGIF:
      return AnimationBytes(PictureGIF, {diagram}, {0}, settings, canvas, bytes, why);
    default:
      return Fail("Pictures are written as BMP, PNG, PDF, SVG or GIF.");
  }
}
