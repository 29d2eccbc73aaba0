// The vector writer's module: the diagram drawn with cairo onto a PDF page or an SVG picture
// exactly the print width square. The frame, squares and hatching are shapes, the men, markers
// and coordinates traced glyphs placed per square, the arrows polygons with a half-tone
// pattern; nothing is a bitmap. Everything is told in the print picture's pixels, y upward,
// and scaled to the print width.
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cstdio>
#include <cstring>

#include "model/themes.h"
#include "render/colourraster.h"
#include "render/picturefile.h"
#include "render/vector/arrowshapes.h"
#include "render/vector/tracedglyphs.h"
#include "render/vectorapi.h"

namespace {
constexpr int Inner = 592;  // the picture without coordinates
constexpr int HalftoneTile = 2;  // one cell of the checkerboard, repeated

cairo_status_t Append(void *closure, const unsigned char *data, unsigned int length) {
  static_cast<std::string *>(closure)->append(reinterpret_cast<const char *>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// Paths in the picture's pixels, y upward, laid onto cairo's y downward (cairo's SVG output
// places patterns and recorded drawings wrongly under a mirroring matrix, so the mirror is ours).
struct Pen {
  cairo_t *cr;
  double height;  // the picture's size in pixels
  void Move(double x, double y) const { cairo_move_to(cr, x, height - y); }
  void Line(double x, double y) const { cairo_line_to(cr, x, height - y); }
  void Curve(double x1, double y1, double x2, double y2, double x3, double y3) const {
    cairo_curve_to(cr, x1, height - y1, x2, height - y2, x3, height - y3);
  }
  void Rect(double x, double y, double w, double h) const { cairo_rectangle(cr, x, height - y - h, w, h); }
  void Polygon(const std::vector<double> &p, double dx, double dy) const {
    Move(p[0] + dx, p[1] + dy);
    for (size_t k = 2; k + 1 < p.size(); k += 2) Line(p[k] + dx, p[k + 1] + dy);
    cairo_close_path(cr);
  }
  void Outline(const ::Outline &o) const {
    const double *p = o.data.data();
    for (char op : o.ops) {
      if (op == 'M') Move(p[0], p[1]), p += 2;
      else if (op == 'L') Line(p[0], p[1]), p += 2;
      else if (op == 'C') Curve(p[0], p[1], p[2], p[3], p[4], p[5]), p += 6;
      else cairo_close_path(cr);
    }
  }
  void Colour(const uint8_t c[3]) const { cairo_set_source_rgb(cr, c[0] / 255.0, c[1] / 255.0, c[2] / 255.0); }
};

const uint8_t Black[3] = {0, 0, 0}, White[3] = {255, 255, 255};

// A drawing recorded once in a picture and placed many times: the SVG holds it once and refers
// to it, the PDF holds it as one form.
struct Recorded {
  cairo_surface_t *surface = nullptr;
  ~Recorded() {
    if (surface) cairo_surface_destroy(surface);
  }
};

// A recording the size of the picture, drawn through a pen of its own.
template <typename Draw>
cairo_surface_t *Record(double height, Draw draw) {
  const cairo_rectangle_t room = {0, 0, height, height};
  cairo_surface_t *surface = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &room);
  cairo_t *cr = cairo_create(surface);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  draw(Pen{cr, height});
  cairo_destroy(cr);
  return surface;
}

// A glyph where it was traced: its white layer, then its black layer.
cairo_surface_t *RecordGlyph(int glyph, double height) {
  return Record(height, [&](const Pen &pen) {
    const TracedGlyph &g = Traced(glyph);
    pen.Colour(White);
    pen.Outline(g.white);
    cairo_fill(pen.cr);
    pen.Colour(Black);
    pen.Outline(g.black);
    cairo_fill(pen.cr);
  });
}

// The hatched dark square with lower-left pixel (9, 9): two-pixel diagonal stripes seven pixels
// apart, as bands clipped to the square. They are told from the square's corner, so every dark
// square is this one moved.
cairo_surface_t *RecordHatching(double height) {
  return Record(height, [&](const Pen &pen) {
    pen.Rect(8, 8, 72, 72);
    cairo_clip(pen.cr);
    for (int k = 0; k <= 20; k++) {
      // Pixels with y - x = d and d - 1: the band d - 1.5 .. d + 0.5.
      const double d = 71 - 7 * k, lo = d - 1.5, hi = d + 0.5, u1 = 7, u2 = 82;
      pen.Move(u1, u1 + lo);
      pen.Line(u2, u2 + lo);
      pen.Line(u2, u2 + hi);
      pen.Line(u1, u1 + hi);
      cairo_close_path(pen.cr);
    }
    pen.Colour(Black);
    cairo_fill(pen.cr);
  });
}

// A recording placed dx to the right and dy up.
void Place(const Pen &pen, cairo_surface_t *surface, double dx, double dy) {
  cairo_set_source_surface(pen.cr, surface, dx, -dy);
  cairo_paint(pen.cr);
}

// The half-tone: black unit squares on the pixels whose x + y has the given parity. Pixel
// (x, y) is the cell (x - 1, height - y) of cairo's space; with an even height its x + y has
// the other parity of the cell's two numbers.
cairo_pattern_t *Halftone(int phase) {
  cairo_rectangle_t tile = {0, 0, HalftoneTile, HalftoneTile};
  cairo_surface_t *cells = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &tile);
  cairo_t *cr = cairo_create(cells);
  for (int i = 0; i < HalftoneTile; i++)
    for (int j = 0; j < HalftoneTile; j++)
      if ((i + j + 1) % 2 == phase) cairo_rectangle(cr, i, j, 1, 1);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_pattern_t *pattern = cairo_pattern_create_for_surface(cells);
  cairo_surface_destroy(cells);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  return pattern;
}

void Arrows(const Pen &pen, const VectorDiagram &d, double shift) {
  cairo_t *cr = pen.cr;
  cairo_pattern_t *halftone[2] = {Halftone(0), Halftone(1)};
  const bool colour = d.settings.Style == StyleColour;
  for (int i = 0; i < d.diagram.ArrowCount(); i++) {
    const int32_t *a = d.diagram.Arr[i];
    // Arrow rows count from the top of the board.
    for (const ArrowShape &s : ArrowShapes(a[0], 7 - a[1], a[2], 7 - a[3])) {
      if (s.kind == WhiteLine) {
        pen.Move(s.points[0] + shift, s.points[1] + shift);
        pen.Line(s.points[2] + shift, s.points[3] + shift);
        cairo_set_line_width(cr, 1.0);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
        pen.Colour(White);
        cairo_stroke(cr);
        continue;
      }
      pen.Polygon(s.points, shift, shift);
      if (s.kind == WhiteEdge) {
        cairo_set_line_width(cr, 4.0);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        pen.Colour(White);
        cairo_stroke(cr);
      } else if (colour) {
        pen.Colour(ArrowRed);
        cairo_fill(cr);
      } else {
        if (s.kind == OpaqueShape) {
          pen.Colour(White);
          cairo_fill_preserve(cr);
        }
        cairo_set_source(cr, halftone[s.phase & 1]);
        cairo_fill(cr);
      }
    }
  }
  cairo_pattern_destroy(halftone[0]);
  cairo_pattern_destroy(halftone[1]);
}

void DrawDiagram(cairo_t *cr, const VectorDiagram &d, double points) {
  const int size = d.settings.Coords ? 624 : Inner;
  const double shift = d.settings.Coords ? 30 : 0;
  cairo_scale(cr, points / size, points / size);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  const Pen pen{cr, static_cast<double>(size)};

  pen.Rect(0, 0, size, size);
  pen.Colour(White);
  cairo_fill(cr);
  // The frame: pixels 6..8 and 585..587 on each side.
  pen.Rect(5 + shift, 5 + shift, 582, 582);
  pen.Rect(8 + shift, 8 + shift, 576, 576);
  pen.Colour(Black);
  cairo_fill(cr);

  Recorded hatching, glyphs[NGlyphs];
  if (d.settings.Style == StylePrint) hatching.surface = RecordHatching(size);
  auto Glyph = [&](int glyph, double dx, double dy) {
    if (!glyphs[glyph].surface) glyphs[glyph].surface = RecordGlyph(glyph, size);
    Place(pen, glyphs[glyph].surface, dx, dy);
  };
  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++) {
      const bool dark = (c + r) % 2 == 0;
      const double x = 72 * c + shift, y = 72 * r + shift;
      if (d.settings.Style == StyleColour) {
        pen.Colour(dark ? Dk[d.settings.ThemeIndex()] : Lt[d.settings.ThemeIndex()]);
        pen.Rect(x + 8, y + 8, 72, 72);
        cairo_fill(cr);
      } else if (dark) {
        Place(pen, hatching.surface, x, y);
      }
    }
  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++) {
      const int code = d.diagram.Pos[c * 8 + r];
      if (code >= 1 && code <= 14) Glyph(code, 72 * c + shift, 72 * r + shift);
    }
  Arrows(pen, d, shift);
  if (d.settings.Coords)
    for (int k = 0; k < 8; k++) {
      Glyph(FileGlyph + (d.diagram.Flipped ? 7 - k : k), 72 * k, 0);
      Glyph(RankGlyph + (d.diagram.Flipped ? 7 - k : k), 0, 72 * k);
    }
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

// The picture's file, or false with a reason.
bool PictureOf(const VectorDiagram *diagram, std::string *bytes, std::string *why) {
  if (!diagram || diagram->interface != VectorInterface) {
    *why = "The vector writer does not match this program (reinstall both).";
    return false;
  }
  const VectorDiagram &d = *diagram;
  if (d.format != PicturePDF && d.format != PictureSVG) {
    *why = "The vector writer writes PDF and SVG only.";
    return false;
  }
  const double points = d.settings.Inches() * 72.0;
  cairo_surface_t *surface;
  if (d.format == PicturePDF) {
    surface = cairo_pdf_surface_create_for_stream(Append, bytes, points, points);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Boardsmith");
  } else {
    surface = cairo_svg_surface_create_for_stream(Append, bytes, points, points);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PT);
  }
  cairo_t *cr = cairo_create(surface);
  DrawDiagram(cr, d, points);
  cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) {
    *why = std::string("cairo could not draw the picture: ") + cairo_status_to_string(status) + ".";
    return false;
  }
  if (d.format == PictureSVG) WidthInInches(bytes, d.settings.Inches());
  return true;
}
}  // namespace

// The picture is made whole here, then handed over in one piece: a failure hands over nothing.
extern "C" __attribute__((visibility("default"))) bool BoardsmithVectorPicture(
    const VectorDiagram *d, VectorAppend *append, void *context, char *why, size_t whySize) {
  std::string bytes, reason;
  if (PictureOf(d, &bytes, &reason)) {
    append(context, reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    return true;
  }
  if (why && whySize > 0) std::snprintf(why, whySize, "%s", reason.c_str());
  return false;
}
