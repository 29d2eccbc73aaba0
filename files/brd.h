#pragma once
// The position file: the model as a small line-oriented text file.
#include <string>

// The bytes of the position file of the current model, lines ended by CR CR LF.
std::string BRDText(int coords);
// Writes the position file of the current model to BRDFile (through a temporary file).
bool MakeBRDFile(int coords, std::string *why = nullptr);
// Reads the position file text into the model (Pos, Arr, NArrows, Flipped, Coords, Dpi, PicSiz,
// Theme). A text that is not a position file leaves the model as it was and says why.
bool ReadBRDText(const std::string &text, std::string *why = nullptr);
// Reads the file at BRDFile into the model, as ReadBRDText.
bool ReadBRDFile(std::string *why = nullptr);
