// The vector composer's module: the diagram drawn by the composer onto a PDF page or an SVG
// picture exactly the print width square, onto a raster of any size, or onto the editor's board
// view. Nothing in a PDF or SVG is a bitmap or text: squares, men, markers, arrows and
// coordinates are paths, each man and marker defined once and placed where it stands.
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <vector>

#include "render/picturefile.h"
#include "render/vector/pngencode.h"
#include "render/vector/composer.h"
#include "render/vector/fontoutlines.h"
#include "render/vectorapi.h"

namespace {
cairo_status_t Append(void *closure, const unsigned char *data, unsigned int length) {
  static_cast<std::string *>(closure)->append(reinterpret_cast<const char *>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// The svg element's width and height as cairo writes them (points, the viewBox's units) said in
// inches, the unit the picture's size is chosen in.
void WidthInInches(std::string *svg, double inches) {
  char value[32];
  std::snprintf(value, sizeof value, "%gin", inches);
  const size_t tag = svg->find("<svg"), end = svg->find('>', tag);
  for (const char *name : {" width=\"", " height=\""}) {
    size_t at = svg->find(name, tag);
    if (at == std::string::npos || at > end) continue;
    at += std::strlen(name);
    size_t close = svg->find('"', at);
    svg->replace(at, close - at, value);
  }
}

// cairo numbers the ids of an SVG's definitions (surface5, glyph0-1, clip2) with counters that
// run on through the process: renumbered here from 1 in order of first appearance, so that the
// same diagram is the same file in a batch or alone.
void RenumberIds(std::string *svg) {
  static const char *const kinds[] = {"surface", "pattern", "clip", "mask", "image", "glyph", "source"};
  std::map<std::string, std::string> names;
  std::map<std::string, int> counts;
  std::string out;
  out.reserve(svg->size());
  const std::string &s = *svg;
  for (size_t i = 0; i < s.size();) {
    const bool opens = i > 0 && (s[i - 1] == '"' || s[i - 1] == '#');
    size_t taken = 0;
    for (const char *kind : kinds) {
      if (!opens) break;
      const size_t n = std::strlen(kind);
      if (s.compare(i, n, kind) != 0 || i + n >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i + n])))
        continue;
      size_t end = i + n;
      while (end < s.size() && (std::isdigit(static_cast<unsigned char>(s[end])) || s[end] == '-')) end++;
      const std::string id = s.substr(i, end - i);
      auto known = names.find(id);
      if (known == names.end()) known = names.emplace(id, kind + std::to_string(++counts[kind])).first;
      out += known->second;
      taken = end - i;
      break;
    }
    if (taken) {
      i += taken;
    } else {
      out += s[i++];
    }
  }
  svg->swap(out);
}

// The PDF's creation date: none, unless SOURCE_DATE_EPOCH names one (reproducible builds).
void CreationDate(cairo_surface_t *pdf) {
  const char *epoch = std::getenv("SOURCE_DATE_EPOCH");
  char *end = nullptr;
  const long long seconds = epoch ? std::strtoll(epoch, &end, 10) : -1;
  char date[32] = "";
  if (epoch && end && !*end && seconds >= 0) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm utc;
    gmtime_r(&t, &utc);
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%SZ", &utc);
  }
  cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_CREATE_DATE, date);
}

bool Finish(cairo_t *cr, cairo_surface_t *surface, std::string *why) {
  cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status == CAIRO_STATUS_SUCCESS) return true;
  *why = std::string("cairo could not draw the picture: ") + cairo_status_to_string(status) + ".";
  return false;
}

// A raster of the picture, the board view or a palette face: its pixels, handed over as they are,
// or the picture's PNG.
// The room's raster is the last picture's pixels: the composer paints every pixel again.
bool RasterOf(const VectorDiagram &d, const PieceSet &set, VectorRoom &room, VectorAppend *append,
              void *context, std::string *why) {
  const bool view = d.format == PictureBoardView || d.format == PictureFace;
  const int w = d.width, h = view ? d.height : d.width;
  if (w < 1 || h < 1 || w > 8192 || h > 8192) {
    *why = "A picture is 1 to 8192 pixels each way.";
    return false;
  }
  const Layout layout = d.format == PictureFace ? FaceLayout()
                        : view ? BoardViewLayout() : PictureLayout(d.settings.Coords != 0);
  const size_t count = static_cast<size_t>(w) * h;
  std::vector<uint32_t> &raster = room.raster;
  if (raster.size() < count) raster.resize(count);
  cairo_surface_t *surface = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char *>(raster.data()), CAIRO_FORMAT_ARGB32, w, h, w * 4);
  cairo_t *cr = cairo_create(surface);
  cairo_scale(cr, w / layout.width, h / layout.height);
  if (d.format == PictureFace) ComposeFace(cr, d.diagram.Pos[7], set);
  else ComposeDiagram(cr, d, set, layout, &room.sprites);
  cairo_surface_flush(surface);
  if (!Finish(cr, surface, why)) return false;
  if (d.format == PictureRasterPNG) {
    // Pixels per metre of the picture printed at its width.
    const int ppm = static_cast<int>(w * 100 / (d.settings.Inches() * 2.54) + 0.5);
    const std::vector<uint8_t> png = PixelsPNG(raster.data(), w, h, ppm, room.png);
    if (png.empty()) {
      *why = "zlib could not compress the picture.";
      return false;
    }
    append(context, png.data(), png.size());
    return true;
  }
  append(context, reinterpret_cast<const uint8_t *>(raster.data()), count * 4);
  return true;
}

// The picture's file (a vector picture whole into bytes, a raster straight to append), or false
// with a reason.
bool PictureOf(const VectorDiagram *diagram, VectorRoom &room, std::string *bytes, VectorAppend *append,
               void *context, std::string *why) {
  if (!diagram || diagram->interface != VectorInterface) {
    *why = "The vector writer does not match this program (reinstall both).";
    return false;
  }
  const VectorDiagram &d = *diagram;
  const PieceSet *set = PieceSetNamed(d.settings.PieceSet(), why);
  if (!set) return false;
  if (d.format == PictureRaster || d.format == PictureBoardView || d.format == PictureFace ||
      d.format == PictureRasterPNG)
    return RasterOf(d, *set, room, append, context, why);
  if (d.format != PicturePDF && d.format != PictureSVG) {
    *why = "The vector writer writes PDF, SVG and rasters only.";
    return false;
  }
  const double points = d.settings.Inches() * 72.0;
  cairo_surface_t *surface;
  if (d.format == PicturePDF) {
    surface = cairo_pdf_surface_create_for_stream(Append, bytes, points, points);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Boardsmith");
    CreationDate(surface);
  } else {
    surface = cairo_svg_surface_create_for_stream(Append, bytes, points, points);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PT);
  }
  cairo_t *cr = cairo_create(surface);
  const Layout layout = PictureLayout(d.settings.Coords != 0);
  cairo_scale(cr, points / layout.width, points / layout.height);
  ComposeDiagram(cr, d, *set, layout, nullptr);
  if (!Finish(cr, surface, why)) return false;
  if (d.format == PictureSVG) {
    WidthInInches(bytes, d.settings.Inches());
    RenumberIds(bytes);
  }
  return true;
}
}  // namespace

// The picture is made whole here, then handed over in one piece: a failure hands over nothing.
extern "C" __attribute__((visibility("default"))) bool BoardsmithVectorPicture(
    const VectorDiagram *d, void *room, VectorAppend *append, void *context, char *why, size_t whySize) {
  std::string bytes, reason;
  std::unique_ptr<VectorRoom> own(room ? nullptr : new VectorRoom);
  VectorRoom &work = room ? *static_cast<VectorRoom *>(room) : *own;
  if (PictureOf(d, work, &bytes, append, context, &reason)) {
    if (!bytes.empty()) append(context, reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    return true;
  }
  if (why && whySize > 0) std::snprintf(why, whySize, "%s", reason.c_str());
  return false;
}

// The piece sets a menu offers: "classic", then the installed families with the twelve men.
extern "C" __attribute__((visibility("default"))) void BoardsmithPieceSets(VectorAppend *append,
                                                                          void *context) {
  std::vector<unsigned> men;
  for (unsigned c = 0x2654; c <= 0x265F; c++) men.push_back(c);
  std::string text = std::string(ClassicPieces) + "\n";
  for (const std::string &family : FamiliesWith(men)) text += family + "\n";
  append(context, reinterpret_cast<const uint8_t *>(text.data()), text.size());
}

// A caller's working memory, and its release with the caller's canvas.
extern "C" __attribute__((visibility("default"))) void *BoardsmithVectorRoom() { return new VectorRoom; }

extern "C" __attribute__((visibility("default"))) void BoardsmithVectorRoomRelease(void *room) {
  delete static_cast<VectorRoom *>(room);
}
