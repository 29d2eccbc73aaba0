// The composer: frame, squares (the theme's colours, or white and hatched in print), men of a
// piece set, markers, arrows and coordinates, every one a shape. Drawn in layout units, y upward.
#include "render/vector/composer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "model/themes.h"
#include "render/knightarrow.h"
#include "render/vector/arrowshapes.h"

namespace {
const uint8_t Black[3] = {0, 0, 0}, White[3] = {255, 255, 255};
// The colour arrows' fill (the board view's red) and outline, and how much of what lies beneath shows through them.
const uint8_t ArrowRed[3] = {180, 0, 0}, ArrowEdge[3] = {90, 0, 0};
constexpr double ArrowOpacity = 0.78;

// Paths in layout units, y upward, laid onto cairo's y downward (cairo's SVG output places
// patterns and recorded drawings wrongly under a mirroring matrix, so the mirror is ours).
struct Pen {
  cairo_t *cr;
  double height;
  void Move(double x, double y) const { cairo_move_to(cr, x, height - y); }
  void Line(double x, double y) const { cairo_line_to(cr, x, height - y); }
  void Rect(double x, double y, double w, double h) const { cairo_rectangle(cr, x, height - y - h, w, h); }
  void Polygon(const std::vector<double> &p, double dx, double dy) const {
    Move(p[0] + dx, p[1] + dy);
    for (size_t k = 2; k + 1 < p.size(); k += 2) Line(p[k] + dx, p[k + 1] + dy);
    cairo_close_path(cr);
  }
  // An outline in square units, on the square with lower-left corner (x, y) and side q.
  void Outline(const ::Outline &o, double x, double y, double q) const {
    const double *p = o.data.data();
    auto X = [&](int k) { return x + p[2 * k] * q; };
    auto Y = [&](int k) { return height - (y + p[2 * k + 1] * q); };
    for (char op : o.ops) {
      if (op == 'M') cairo_move_to(cr, X(0), Y(0)), p += 2;
      else if (op == 'L') cairo_line_to(cr, X(0), Y(0)), p += 2;
      else if (op == 'C') cairo_curve_to(cr, X(0), Y(0), X(1), Y(1), X(2), Y(2)), p += 6;
      else cairo_close_path(cr);
    }
  }
  void Colour(const uint8_t c[3]) const { cairo_set_source_rgb(cr, c[0] / 255.0, c[1] / 255.0, c[2] / 255.0); }
};

// A square's lower-left corner in the layout.
double SquareX(const Layout &l, int column) { return l.left + l.step * column; }
double SquareY(const Layout &l, int row) { return l.bottom + l.step * row; }

// A man of the set on the square at (x, y): its light silhouette (with a thin white rim on the
// print picture's hatching), then its black drawing.
void Man(const Pen &pen, const PieceSet &set, int code, double x, double y, double q, bool rim) {
  cairo_set_fill_rule(pen.cr, set.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
  pen.Outline(set.man[code].under, x, y, q);
  pen.Colour(White);
  if (rim && !set.evenOdd) {
    cairo_set_line_width(pen.cr, 0.045 * q);
    cairo_set_line_join(pen.cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(pen.cr);
  }
  cairo_fill(pen.cr);
  pen.Outline(set.man[code].over, x, y, q);
  pen.Colour(Black);
  cairo_fill(pen.cr);
}

// The dot and the cross, black, drawn as shapes (the cross as two strokes, so that where they
// cross is black too); on the print picture's hatching a white rim keeps them readable.
void Marker(const Pen &pen, int code, double x, double y, double q, bool rim) {
  cairo_t *cr = pen.cr;
  const double cx = x + q / 2, cy = pen.height - (y + q / 2), a = 0.19 * q, width = 0.075 * q;
  cairo_new_path(cr);
  if (code == DotMark) {
    cairo_arc(cr, cx, cy, 0.15 * q, 0, 2 * M_PI);
    if (rim) {
      cairo_set_line_width(cr, 0.08 * q);
      pen.Colour(White);
      cairo_stroke_preserve(cr);
    }
    pen.Colour(Black);
    cairo_fill(cr);
    return;
  }
  cairo_move_to(cr, cx - a, cy - a);
  cairo_line_to(cr, cx + a, cy + a);
  cairo_move_to(cr, cx - a, cy + a);
  cairo_line_to(cr, cx + a, cy - a);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  if (rim) {
    cairo_set_line_width(cr, width + 0.08 * q);
    pen.Colour(White);
    cairo_stroke_preserve(cr);
  }
  cairo_set_line_width(cr, width);
  pen.Colour(Black);
  cairo_stroke(cr);
}

// The print picture's hatched dark square with lower-left corner (x, y) (side 72): two-unit
// diagonal stripes seven apart, told from the square's corner as the 1-bit picture draws them.
void Hatching(const Pen &pen, double x, double y) {
  cairo_save(pen.cr);
  pen.Rect(x, y, 72, 72);
  cairo_clip(pen.cr);
  for (int k = 0; k <= 20; k++) {
    const double d = 71 - 7 * k, lo = d - 1.5, hi = d + 0.5, u1 = -1, u2 = 74;
    pen.Move(x + u1, y + u1 + lo);
    pen.Line(x + u2, y + u2 + lo);
    pen.Line(x + u2, y + u2 + hi);
    pen.Line(x + u1, y + u1 + hi);
    cairo_close_path(pen.cr);
  }
  pen.Colour(Black);
  cairo_fill(pen.cr);
  cairo_restore(pen.cr);
}

// A drawing recorded once with its own pen and placed many times: the SVG holds it once and
// refers to it, the PDF holds it as one form.
struct Recording {
  cairo_surface_t *surface = nullptr;
  ~Recording() {
    if (surface) cairo_surface_destroy(surface);
  }
};
template <typename Draw>
void Record(Recording *r, double q, Draw draw) {
  if (r->surface) return;
  const cairo_rectangle_t room = {0, 0, q, q};
  r->surface = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &room);
  cairo_t *cr = cairo_create(r->surface);
  draw(Pen{cr, q});
  cairo_destroy(cr);
}
// A recording of a square placed on the square at (x, y).
void Place(const Pen &pen, const Recording &r, double x, double y, double q) {
  cairo_set_source_surface(pen.cr, r.surface, x, pen.height - y - q);
  cairo_paint(pen.cr);
}

// Rasters draw each man and marker once per set, size and style into a small picture of its own
// (kept in the caller's room, a few hundred at most) and place that on every square it stands
// on, at whole pixels: a batch of pictures of one size draws each man once.
constexpr size_t MaxSprites = 256;

// The man or marker on the square whose user-space corner is (x, y), from its sprite.
template <typename Draw>
void PlaceSprite(const Pen &pen, Sprites &sprites, const SpriteKey &key, double x, double y, double q,
                 Draw draw) {
  cairo_t *cr = pen.cr;
  double left = x, top = pen.height - y - q, side = q, zero = 0;
  cairo_user_to_device(cr, &left, &top);
  cairo_user_to_device_distance(cr, &side, &zero);
  const int margin = static_cast<int>(std::ceil(0.1 * side)) + 1, size = static_cast<int>(std::ceil(side)) + 2 * margin;
  auto &made = sprites.made;
  auto known = made.find(key);
  if (known == made.end()) {
    if (made.size() >= MaxSprites) sprites.Clear();
    cairo_surface_t *sprite = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t *sc = cairo_create(sprite);
    cairo_translate(sc, margin, margin);
    cairo_scale(sc, side / q, side / q);
    draw(Pen{sc, q}, 0.0, 0.0);
    cairo_destroy(sc);
    known = made.emplace(key, sprite).first;
  }
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_source_surface(cr, known->second, std::lround(left) - margin, std::lround(top) - margin);
  cairo_paint(cr);
  cairo_restore(cr);
}

// The half-tone of the print arrows: black unit squares on the pixels whose x + y has the given
// parity. Pixel (x, y) is the cell (x - 1, height - y) of cairo's space; with an even height its
// x + y has the other parity of the cell's two numbers.
cairo_pattern_t *Halftone(int phase) {
  cairo_rectangle_t tile = {0, 0, 2, 2};
  cairo_surface_t *cells = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &tile);
  cairo_t *cr = cairo_create(cells);
  for (int i = 0; i < 2; i++)
    for (int j = 0; j < 2; j++)
      if ((i + j + 1) % 2 == phase) cairo_rectangle(cr, i, j, 1, 1);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_pattern_t *pattern = cairo_pattern_create_for_surface(cells);
  cairo_surface_destroy(cells);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  return pattern;
}

// The print picture's half-tone arrows, as the 1-bit picture draws them (picture layout only).
void PrintArrow(const Pen &pen, const int32_t *a, double shift, cairo_pattern_t *const halftone[2]) {
  cairo_t *cr = pen.cr;
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
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
      continue;
    }
    if (s.kind == OpaqueShape) {
      pen.Colour(White);
      cairo_fill_preserve(cr);
    }
    cairo_set_source(cr, halftone[s.phase & 1]);
    cairo_fill(cr);
  }
}

// A colour arrow from square centre to square centre (a knight's arrow round its corner): a
// shaft and a head, filled red over a dark outline, the whole laid semi-transparently so that a
// man beneath shows. The tip stops short of the target's centre on the side it comes from, so
// that arrows sharing a target keep their heads apart.
void ColourArrow(const Pen &pen, const Layout &l, const int32_t *a, bool raster) {
  cairo_t *cr = pen.cr;
  const double q = l.side;
  auto Centre = [&](int c, int r, double *x, double *y) {
    *x = SquareX(l, c) + q / 2, *y = pen.height - (SquareY(l, r) + q / 2);
  };
  const int c0 = a[0], r0 = 7 - a[1], c1 = a[2], r1 = 7 - a[3];
  std::vector<double> p(2);
  Centre(c0, r0, &p[0], &p[1]);
  const int dc = c1 - c0, dr = r1 - r0;
  if (std::abs(dc) * std::abs(dr) == 2) {  // a knight's move: the long leg, then the short one
    double x, y;
    if (std::abs(dc) == 2) Centre(c1, r0, &x, &y);
    else Centre(c0, r1, &x, &y);
    p.insert(p.end(), {x, y});
  }
  double tx, ty;
  Centre(c1, r1, &tx, &ty);
  const double px = p[p.size() - 2], py = p[p.size() - 1], length = std::hypot(tx - px, ty - py);
  const double ux = (tx - px) / length, uy = (ty - py) / length;
  const double shaft = 0.16 * q, headLength = 0.38 * q, headHalf = 0.25 * q, edge = 0.035 * q;
  const double tipX = tx - ux * 0.16 * q, tipY = ty - uy * 0.16 * q;
  const double baseX = tipX - ux * headLength, baseY = tipY - uy * headLength;
  // The outline's shaft starts an edge's width before the fill's, so that its tail is edged too.
  const double tailX = (p.size() > 2 ? p[2] - p[0] : tx - p[0]), tailY = (p.size() > 2 ? p[3] - p[1] : ty - p[1]);
  auto Shaft = [&](double back = 0) {
    const double norm = std::hypot(tailX, tailY);
    cairo_move_to(cr, p[0] - tailX / norm * back, p[1] - tailY / norm * back);
    for (size_t k = 2; k < p.size(); k += 2) cairo_line_to(cr, p[k], p[k + 1]);
    cairo_line_to(cr, baseX + ux * 0.05 * q, baseY + uy * 0.05 * q);
  };
  auto Head = [&] {
    cairo_move_to(cr, tipX, tipY);
    cairo_line_to(cr, baseX - uy * headHalf, baseY + ux * headHalf);
    cairo_line_to(cr, baseX + uy * headHalf, baseY - ux * headHalf);
    cairo_close_path(cr);
  };
  // On a raster the group is the arrow's own extent (a margin of half a square round its points),
  // not the whole picture, so that a board of 32 arrows composites 32 small groups; a vector
  // file would only grow by the clip.
  cairo_save(cr);
  if (raster) {
    double left = tx, right = tx, top = ty, bottom = ty;
    for (size_t k = 0; k + 1 < p.size(); k += 2)
      left = std::min(left, p[k]), right = std::max(right, p[k]), top = std::min(top, p[k + 1]),
      bottom = std::max(bottom, p[k + 1]);
    cairo_rectangle(cr, left - q / 2, top - q / 2, right - left + q, bottom - top + q);
    cairo_clip(cr);
  }
  cairo_push_group(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  pen.Colour(ArrowEdge);
  Shaft(edge);
  cairo_set_line_width(cr, shaft + 2 * edge);
  cairo_stroke(cr);
  Head();
  cairo_set_line_width(cr, 2 * edge);
  cairo_stroke(cr);
  pen.Colour(ArrowRed);
  Shaft();
  cairo_set_line_width(cr, shaft);
  cairo_stroke(cr);
  Head();
  cairo_fill(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, ArrowOpacity);
  cairo_restore(cr);
}

// Arrows as the picture draws them: ends on the board, along a line or a knight's move.
bool Drawn(const int32_t *a) {
  for (int k = 0; k < 4; k++)
    if (a[k] < 0 || a[k] > 7) return false;
  const int dc = a[2] - a[0], dr = a[3] - a[1];
  return (dc != 0 || dr != 0) && IsArrowMove(dc, dr);
}

// A coordinate glyph (0..7 files, 8..15 ranks) centred on (x, y), h units high.
void Label(const Pen &pen, int glyph, double x, double y, double h) {
  const CoordinateGlyphs &g = Coordinates();
  cairo_set_fill_rule(pen.cr, g.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
  pen.Outline(g.glyph[glyph], x, y, h);
  pen.Colour(Black);
  cairo_fill(pen.cr);
}

// The frame round the squares; the board view's grid lines are the frame's black showing between
// its squares.
void Frame(const Pen &pen, const Layout &l) {
  cairo_set_fill_rule(pen.cr, CAIRO_FILL_RULE_EVEN_ODD);
  if (l.view) {
    pen.Rect(17, 16, 305, 304);
  } else {
    // Three units wide, from 3 units beyond the squares.
    const double o = l.left - 8;
    pen.Rect(o + 5, o + 5, 582, 582);
    pen.Rect(o + 8, o + 8, 576, 576);
  }
  pen.Colour(Black);
  cairo_fill(pen.cr);
}

void Labels(const Pen &pen, const Layout &l, bool flipped) {
  for (int k = 0; k < 8; k++) {
    const int file = flipped ? 7 - k : k, rank = flipped ? 7 - k : k;
    const double centre = SquareX(l, k) + l.side / 2, middle = SquareY(l, k) + l.side / 2;
    if (l.view) {
      Label(pen, file, centre, 9, 9.5);
      Label(pen, 8 + rank, 10, middle, 9.5);
    } else {
      Label(pen, file, centre, 15, 19);
      Label(pen, 8 + rank, 15, middle, 19);
    }
  }
}
}  // namespace

Layout PictureLayout(bool coords) {
  const double size = coords ? 624 : 592, shift = coords ? 30 : 0;
  return {size, size, 8 + shift, 8 + shift, 72, 72, false};
}

Layout BoardViewLayout() { return {322, 320, 22, 21, 36, 37, true}; }

Layout FaceLayout() { return {36, 36, 0, 0, 36, 36, true}; }

void ComposeFace(cairo_t *cr, int code, const PieceSet &set) {
  const Layout l = FaceLayout();
  const Pen pen{cr, l.height};
  pen.Rect(0, 0, l.width, l.height);
  pen.Colour(Lt[0]);
  cairo_fill(cr);
  if (code >= 1 && code <= 12) Man(pen, set, code, 0, 0, l.side, false);
  else if (code == DotMark || code == CrossMark) Marker(pen, code, 0, 0, l.side, false);
}

void ComposeDiagram(cairo_t *cr, const VectorDiagram &d, const PieceSet &set, const Layout &l,
                    Sprites *sprites) {
  const bool reuse = sprites == nullptr;
  const Pen pen{cr, l.height};
  const bool print = d.settings.Style == StylePrint && !l.view;
  const int theme = d.settings.ThemeIndex();
  const double q = l.side;
  pen.Rect(0, 0, l.width, l.height);
  pen.Colour(White);
  cairo_fill(cr);
  Frame(pen, l);

  // Recordings of the hatched square, each man and marker (when reused).
  Recording hatching, glyphs[15];
  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++) {
      const bool dark = (c + r) % 2 == 0;
      const double x = SquareX(l, c), y = SquareY(l, r);
      if (!print) {
        pen.Colour(dark ? Dk[theme] : Lt[theme]);
        pen.Rect(x, y, q, q);
        cairo_fill(cr);
      } else if (!dark) {
        pen.Rect(x, y, q, q);
        pen.Colour(White);
        cairo_fill(cr);
      } else if (reuse) {
        Record(&hatching, q, [](const Pen &p) { Hatching(p, 0, 0); });
        Place(pen, hatching, x, y, q);
      } else {
        double side = q, zero = 0;
        cairo_user_to_device_distance(cr, &side, &zero);
        PlaceSprite(pen, *sprites, {nullptr, 0, std::lround(side * 1024), true}, x, y, q,
                    [](const Pen &p, double, double) { Hatching(p, 0, 0); });
      }
    }
  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++) {
      const int code = d.diagram.Pos[c * 8 + r];
      if (code < 1 || code > 14) continue;
      const double x = SquareX(l, c), y = SquareY(l, r);
      auto Draw = [&](const Pen &p, double px, double py) {
        if (code <= 12) Man(p, set, code, px, py, q, print);
        else Marker(p, code, px, py, q, print);
      };
      if (reuse) {
        Record(&glyphs[code], q, [&](const Pen &p) { Draw(p, 0, 0); });
        Place(pen, glyphs[code], x, y, q);
      } else {
        double side = q, zero = 0;
        cairo_user_to_device_distance(cr, &side, &zero);
        PlaceSprite(pen, *sprites, {&set, code, std::lround(side * 1024), print}, x, y, q, Draw);
      }
    }
  cairo_pattern_t *halftone[2] = {nullptr, nullptr};
  if (print) halftone[0] = Halftone(0), halftone[1] = Halftone(1);
  for (int i = 0; i < d.diagram.ArrowCount(); i++) {
    const int32_t *a = d.diagram.Arr[i];
    if (!Drawn(a)) continue;
    if (print) PrintArrow(pen, a, l.left - 8, halftone);
    else ColourArrow(pen, l, a, !reuse);
  }
  if (print) cairo_pattern_destroy(halftone[0]), cairo_pattern_destroy(halftone[1]);
  if (d.settings.Coords || l.view) Labels(pen, l, d.diagram.Flipped != 0);
}
