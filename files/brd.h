#pragma once
// The position file: a diagram and its picture settings as a small line-oriented text file.
#include <optional>
#include <string>

#include "model/diagram.h"
#include "model/picturesettings.h"

// What a position file holds: the diagram (its men, markers, arrows, orientation, side to move)
// and the picture settings Coords, Dpi, PicSiz and Theme (Style and Px as a new settings value).
struct PositionFile {
  Diagram diagram;
  PictureSettings settings;
  bool operator==(const PositionFile &) const = default;
};

// The bytes of the position file, lines ended by CR CR LF. Coords, Dpi, PicSiz and Theme come
// from the settings.
std::string MakeBRDFile(const Diagram &diagram, const PictureSettings &settings);
// Reads a position file's text. A text that is not a position file (empty, binary, missing its
// labelled lines up to the arrow count) gives nothing and says why. Otherwise values are taken
// as they can be: entries naming no square or the wrong list are skipped, the theme is kept to
// 0..7, a custom size to 1.0..6.0 inches (no number gives 1.0), the arrow count to 0..32, and
// when the file holds fewer complete arrow records than its count, the count comes down to those
// there are. Arrow ends are kept as written; the picture leaves out arrows whose ends are off the
// board. The chess state beyond the side to move is forgotten (a new position).
std::optional<PositionFile> ReadBRDText(const std::string &text, std::string *why = nullptr);
// Reads the file at path (at most a size no position file comes near) as ReadBRDText does.
std::optional<PositionFile> ReadBRDFile(const std::string &path, std::string *why = nullptr);
