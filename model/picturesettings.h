#pragma once
// How a diagram is pictured: coordinates, printed size, colour theme and style. The position
// file keeps the first four with the diagram; the save commands and the exporter's options
// decide them for each picture.
#include <cstdint>
#include <cstring>
#include <string>

// Picture styles: the 1-bit book diagram, or the theme's colours.
enum : int32_t { StylePrint = 0, StyleColour = 1 };

// Room for a piece set's name or font file's path, its terminating zero included.
constexpr int PieceSetNameSize = 256;
// The piece set named "classic": the program's own figures.
constexpr const char *ClassicPieces = "classic";

struct PictureSettings {
  int32_t Coords = 0;     // 0/1: the picture carries coordinates round the board
  int32_t Dpi = 2;        // picture size: 0 custom, 1 small, 2 medium, 3 large
  float PicSiz = 4.0f;    // printed width in inches: 2, 4, 6 for the named sizes, 1.0..6.0 custom
  int32_t Theme = 0;      // 0..7, a row of Dk and Lt (model/themes.h)
  int32_t Style = StylePrint;
  int32_t Px = 0;         // pixel width of a raster; 0 the picture's own width (592)
  // The piece set of every picture but the exact 1-bit one: empty for the default font set,
  // "classic" for the program's own figures, a font family or a .ttf/.otf file. Plain
  // characters, so that the settings cross to the vector module as they are.
  char Pieces[PieceSetNameSize] = {};

  // The piece set's name as a string, and setting it (cut to fit); false when it is too long.
  std::string PieceSet() const { return std::string(Pieces, strnlen(Pieces, sizeof Pieces)); }
  bool SetPieceSet(const std::string &name) {
    std::memset(Pieces, 0, sizeof Pieces);
    if (name.size() >= sizeof Pieces) return false;
    std::memcpy(Pieces, name.data(), name.size());
    return true;
  }

  // The printed width, a size outside what the program sets (a damaged file) taken as medium.
  double Inches() const { return PicSiz >= 1.0f && PicSiz <= 6.0f ? PicSiz : 4.0; }
  // Theme kept to 0..7.
  int ThemeIndex() const { return Theme < 0 ? 0 : Theme > 7 ? 7 : Theme; }
  bool operator==(const PictureSettings &) const = default;
};
