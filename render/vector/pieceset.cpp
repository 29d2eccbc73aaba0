// Piece sets and coordinate glyphs, made once each and kept for the life of the process (they
// never change, so threads share them after the lock).
#include "render/vector/pieceset.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>

#include "model/picturesettings.h"
#include "render/vector/fontoutlines.h"

namespace {
std::mutex Loading;
std::map<std::string, std::unique_ptr<PieceSet>> Sets;

// The chess symbols by square code: U+2654..U+2659 the white king..pawn, U+265A..U+265F the
// black ones, in the order of the square codes.
unsigned Symbol(int code) { return 0x2654 + (code - 1); }
const char *const SymbolName[12] = {"white king", "white queen", "white rook", "white bishop",
                                    "white knight", "white pawn", "black king", "black queen",
                                    "black rook", "black bishop", "black knight", "black pawn"};

// An outline moved by (dx, dy), scaled by s, then moved by (ex, ey).
Outline Placed(const Outline &o, double dx, double dy, double s, double ex, double ey) {
  Outline out = o;
  for (size_t k = 0; k + 1 < out.data.size(); k += 2) {
    out.data[k] = (out.data[k] + dx) * s + ex;
    out.data[k + 1] = (out.data[k + 1] + dy) * s + ey;
  }
  return out;
}

// The classic figures: the traced glyphs, drawn on the square from (8, 8) to (80, 80).
std::unique_ptr<PieceSet> ClassicSet() {
  auto set = std::make_unique<PieceSet>();
  set->name = ClassicPieces;
  set->evenOdd = true;
  for (int code = 1; code <= 12; code++) {
    const TracedGlyph &g = Traced(code);
    set->man[code].under = Placed(g.white, -8, -8, 1.0 / 72, 0, 0);
    set->man[code].over = Placed(g.black, -8, -8, 1.0 / 72, 0, 0);
  }
  return set;
}

// How much of a square the men fill: the tallest man's height, the widest man's width.
constexpr double SetHeight = 0.84, SetWidth = 0.9;

// A font set: each man its black glyph's silhouette under its own glyph. The set is scaled as
// one so that its tallest man and its widest fit; each man is centred across the square, and
// the set's band of heights (foot to crown) centred up the square, so that men share a baseline.
bool FontSet(const std::string &name, std::unique_ptr<PieceSet> *out, std::string *why) {
  FontFace face;
  if (!FindFont(name, &face, why)) return false;
  std::vector<unsigned> symbols;
  for (int code = 1; code <= 12; code++) symbols.push_back(Symbol(code));
  std::vector<FontGlyph> glyphs, silhouettes;
  if (!ReadGlyphs(face, symbols, false, &glyphs, why) || !ReadGlyphs(face, symbols, true, &silhouettes, why))
    return false;
  std::string missing;
  int lacking = 0;
  for (int k = 0; k < 12; k++)
    if (glyphs[k].empty) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", symbols[k]);
      missing += std::string(missing.empty() ? "" : ", ") + code + " " + SymbolName[k];
      lacking++;
    }
  if (lacking == 12) missing = "all twelve (U+2654 to U+265F)";
  if (!missing.empty()) {
    const std::string font = face.family == face.file ? face.file : face.family + " (" + face.file + ")";
    *why = "The font " + font + " lacks chess men: " + missing + ".";
    return false;
  }
  double bottom = silhouettes[0].bottom, top = silhouettes[0].top, width = 0;
  for (const FontGlyph &g : silhouettes) {
    bottom = std::min(bottom, g.bottom), top = std::max(top, g.top);
    width = std::max(width, g.right - g.left);
  }
  if (!(top > bottom && width > 0)) {
    *why = "The font " + face.family + " has empty chess men.";
    return false;
  }
  const double s = std::min(SetHeight / (top - bottom), SetWidth / width);
  const double lift = (1 - s * (top - bottom)) / 2;
  auto set = std::make_unique<PieceSet>();
  set->name = name;
  for (int code = 1; code <= 12; code++) {
    // A white man stands on the silhouette of its black brother.
    const FontGlyph &own = glyphs[code - 1], &solid = silhouettes[code <= 6 ? code + 5 : code - 1];
    const double centre = (solid.left + solid.right) / 2;
    set->man[code].under = Placed(solid.outline, -centre, -bottom, s, 0.5, lift);
    set->man[code].over = Placed(own.outline, -centre, -bottom, s, 0.5, lift);
  }
  *out = std::move(set);
  return true;
}
}  // namespace

const PieceSet *PieceSetNamed(const std::string &name, std::string *why) {
  std::lock_guard<std::mutex> lock(Loading);
  auto known = Sets.find(name);
  if (known != Sets.end()) return known->second.get();
  std::unique_ptr<PieceSet> set;
  std::string reason;
  if (name == ClassicPieces) set = ClassicSet();
  else if (!FontSet(name.empty() ? DefaultPieceFont : name, &set, &reason)) {
    if (!name.empty()) {
      *why = reason;
      return nullptr;  // not kept: the font may be installed later in a long-running process
    }
    set = ClassicSet();  // the default font is missing: the program's own figures
  }
  return (Sets[name] = std::move(set)).get();
}

const CoordinateGlyphs &Coordinates() {
  static const CoordinateGlyphs glyphs = [] {
    CoordinateGlyphs g;
    std::vector<unsigned> characters;
    for (char c : std::string("abcdefgh12345678")) characters.push_back(static_cast<unsigned char>(c));
    FontFace face;
    std::vector<FontGlyph> read;
    std::string why;
    if (FindFont("DejaVu Sans", &face, &why) && ReadGlyphs(face, characters, false, &read, &why) &&
        !read[8].empty) {
      // In units of the digits' height, which the letters with ascenders share.
      const double unit = read[8].top - read[8].bottom;
      for (int k = 0; k < 16; k++) {
        const FontGlyph &r = read[k];
        // Centred across; up, the letters on a common line with x-height letters at its middle.
        const double mid = k < 8 ? read[0].top / 2 : (r.bottom + r.top) / 2;
        g.glyph[k] = Placed(r.outline, -(r.left + r.right) / 2, -mid, 1 / unit, 0, 0);
      }
      return g;
    }
    // Without DejaVu Sans: the traced classic letters and digits, their black layer.
    g.evenOdd = true;
    for (int k = 0; k < 16; k++) {
      const Outline &o = Traced(k < 8 ? FileGlyph + k : RankGlyph + k - 8).black;
      double l = 1e9, r = -1e9, b = 1e9, t = -1e9;
      for (size_t i = 0; i + 1 < o.data.size(); i += 2)
        l = std::min(l, o.data[i]), r = std::max(r, o.data[i]), b = std::min(b, o.data[i + 1]),
        t = std::max(t, o.data[i + 1]);
      if (r > l) g.glyph[k] = Placed(o, -(l + r) / 2, -(b + t) / 2, 1 / 16.0, 0, 0);
    }
    return g;
  }();
  return glyphs;
}
