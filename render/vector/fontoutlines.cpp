// Font outlines through fontconfig and FreeType: unscaled, unhinted, so that the same font gives
// the same curves at every size; quadratic pieces become cubic ones.
#include "render/vector/fontoutlines.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <mutex>
#include <set>
#include <strings.h>

namespace {
// fontconfig's configuration is read once; its calls are made under this lock.
std::mutex Fontconfig;

bool IsFontFile(const std::string &name) {
  auto ends = [&](const char *ext) {
    return name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ext) == 0;
  };
  return ends(".ttf") || ends(".otf") || name.find('/') != std::string::npos;
}

// A contour: its first point, then pieces each ending at a point ('L' one point, 'C' three).
struct Contour {
  double x0, y0;
  std::vector<char> ops;
  std::vector<double> data;
};

struct Decomposer {
  std::vector<Contour> contours;
  double x = 0, y = 0;
};

int MoveTo(const FT_Vector *to, void *user) {
  auto *d = static_cast<Decomposer *>(user);
  d->x = to->x, d->y = to->y;
  d->contours.push_back({d->x, d->y, {}, {}});
  return 0;
}
int LineTo(const FT_Vector *to, void *user) {
  auto *d = static_cast<Decomposer *>(user);
  if (d->contours.empty()) return 1;
  d->x = to->x, d->y = to->y;
  d->contours.back().ops.push_back('L');
  d->contours.back().data.insert(d->contours.back().data.end(), {d->x, d->y});
  return 0;
}
int CubicTo(const FT_Vector *c1, const FT_Vector *c2, const FT_Vector *to, void *user) {
  auto *d = static_cast<Decomposer *>(user);
  if (d->contours.empty()) return 1;
  d->x = to->x, d->y = to->y;
  d->contours.back().ops.push_back('C');
  d->contours.back().data.insert(d->contours.back().data.end(),
                                 {double(c1->x), double(c1->y), double(c2->x), double(c2->y), d->x, d->y});
  return 0;
}
// A quadratic piece is the cubic with its control points two thirds of the way to the one.
int ConicTo(const FT_Vector *c, const FT_Vector *to, void *user) {
  auto *d = static_cast<Decomposer *>(user);
  const double x0 = d->x, y0 = d->y;
  if (d->contours.empty()) return 1;
  d->x = to->x, d->y = to->y;
  d->contours.back().ops.push_back('C');
  d->contours.back().data.insert(
      d->contours.back().data.end(),
      {x0 + 2.0 / 3 * (c->x - x0), y0 + 2.0 / 3 * (c->y - y0), d->x + 2.0 / 3 * (c->x - d->x),
       d->y + 2.0 / 3 * (c->y - d->y), d->x, d->y});
  return 0;
}

// Twice the contour's signed area (counter-clockwise positive), from its points as a polygon:
// enough to tell its direction.
double Area(const Contour &c) {
  double sum = 0, px = c.x0, py = c.y0;
  for (size_t k = 0; k + 1 < c.data.size(); k += 2) {
    sum += px * c.data[k + 1] - c.data[k] * py;
    px = c.data[k], py = c.data[k + 1];
  }
  return sum + px * c.y0 - c.x0 * py;
}

// The contour run the other way round.
Contour Reversed(const Contour &c) {
  // The end point of each piece, the first point before them.
  std::vector<std::pair<double, double>> ends = {{c.x0, c.y0}};
  std::vector<size_t> at;
  for (size_t k = 0, p = 0; k < c.ops.size(); k++) {
    at.push_back(p);
    p += c.ops[k] == 'L' ? 2 : 6;
    ends.push_back({c.data[p - 2], c.data[p - 1]});
  }
  Contour r{ends.back().first, ends.back().second, {}, {}};
  for (size_t k = c.ops.size(); k-- > 0;) {
    r.ops.push_back(c.ops[k]);
    const double *p = &c.data[at[k]];
    if (c.ops[k] == 'C') r.data.insert(r.data.end(), {p[2], p[3], p[0], p[1]});
    r.data.insert(r.data.end(), {ends[k].first, ends[k].second});
  }
  return r;
}
}  // namespace

bool FindFont(const std::string &name, FontFace *face, std::string *why) {
  if (IsFontFile(name)) {
    face->file = name, face->family = name, face->index = 0;
    return true;
  }
  std::lock_guard<std::mutex> lock(Fontconfig);
  FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(name.c_str()));
  if (!pattern) {
    *why = "\"" + name + "\" is not a font family's name.";
    return false;
  }
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern *match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  FcChar8 *file = nullptr, *family = nullptr;
  int index = 0;
  bool found = match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
               FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch;
  if (found) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    face->file = reinterpret_cast<char *>(file);
    face->family = reinterpret_cast<char *>(family);
    face->index = index;
    // fontconfig offers its nearest family for any name: only the family asked for will do.
    found = strcasecmp(face->family.c_str(), name.c_str()) == 0;
  }
  if (match) FcPatternDestroy(match);
  if (!found) *why = "No font family \"" + name + "\" is installed (fc-list lists the families).";
  return found;
}

bool ReadGlyphs(const FontFace &font, const std::vector<unsigned> &characters, bool silhouettes,
                std::vector<FontGlyph> *glyphs, std::string *why) {
  FT_Library library;
  if (FT_Init_FreeType(&library) != 0) {
    *why = "FreeType could not be started.";
    return false;
  }
  FT_Face face;
  if (FT_New_Face(library, font.file.c_str(), font.index, &face) != 0) {
    FT_Done_FreeType(library);
    *why = "The font " + font.file + " cannot be read as a font.";
    return false;
  }
  const FT_Outline_Funcs funcs = {MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
  glyphs->clear();
  for (unsigned character : characters) {
    FontGlyph g;
    FT_UInt index = FT_Get_Char_Index(face, character);
    if (index != 0 && FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) == 0 &&
        face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
      Decomposer d;
      FT_Outline_Decompose(&face->glyph->outline, &funcs, &d);
      // The outer contours run the way most of the area runs; with silhouettes every contour
      // is turned that way, holes included.
      for (Contour &c : d.contours) {
        if (silhouettes && Area(c) < 0) c = Reversed(c);
        g.outline.ops.push_back('M');
        g.outline.data.insert(g.outline.data.end(), {c.x0, c.y0});
        g.outline.ops.insert(g.outline.ops.end(), c.ops.begin(), c.ops.end());
        g.outline.data.insert(g.outline.data.end(), c.data.begin(), c.data.end());
        g.outline.ops.push_back('Z');
      }
      for (size_t k = 0; k + 1 < g.outline.data.size(); k += 2) {
        const double x = g.outline.data[k], y = g.outline.data[k + 1];
        if (g.empty) g.left = g.right = x, g.bottom = g.top = y;
        g.left = std::min(g.left, x), g.right = std::max(g.right, x);
        g.bottom = std::min(g.bottom, y), g.top = std::max(g.top, y);
        g.empty = false;
      }
    }
    glyphs->push_back(g);
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  return true;
}

std::vector<std::string> FamiliesWith(const std::vector<unsigned> &characters) {
  std::lock_guard<std::mutex> lock(Fontconfig);
  FcCharSet *wanted = FcCharSetCreate();
  for (unsigned c : characters) FcCharSetAddChar(wanted, c);
  FcPattern *pattern = FcPatternCreate();
  FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
  FcObjectSet *fields = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet *fonts = FcFontList(nullptr, pattern, fields);
  std::set<std::string> families;
  for (int i = 0; fonts && i < fonts->nfont; i++) {
    FcChar8 *family = nullptr;
    if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch)
      families.insert(reinterpret_cast<char *>(family));
  }
  if (fonts) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(fields);
  FcPatternDestroy(pattern);
  FcCharSetDestroy(wanted);
  return {families.begin(), families.end()};
}
