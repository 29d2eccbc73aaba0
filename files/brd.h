#pragma once
// The position file: the model as a small line-oriented text file.
#include <string>

// The bytes of the position file of the current model, lines ended by CR CR LF.
std::string BRDText(int coords);
// Writes the position file of the current model to BRDFile (through a temporary file).
bool MakeBRDFile(int coords, std::string *why = nullptr);
// Reads the position file text into the model (Pos, Arr, NArrows, Flipped, Coords, Dpi, PicSiz,
// Theme). A text that is not a position file (empty, binary, missing its labelled lines up to
// the arrow count) leaves the model as it was and says why. Otherwise values are taken as they
// can be: entries naming no square or the wrong list are skipped, the theme is kept to 0..7, a
// custom size to 1.0..6.0 inches (no number gives 1.0), the arrow count to 0..32, and when the
// file holds fewer complete arrow records than its count, the count comes down to those there
// are. Arrow ends are kept as written; the picture leaves out arrows whose ends are off the board.
bool ReadBRDText(const std::string &text, std::string *why = nullptr);
// Reads the file at BRDFile into the model, as ReadBRDText.
bool ReadBRDFile(std::string *why = nullptr);
