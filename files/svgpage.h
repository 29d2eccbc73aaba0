#pragma once
// The modern web page: one self-contained HTML5 file with the diagram as inline SVG, a text
// description for screen readers, the FEN and the check's findings. Needs nothing beside it.
#include <string>

// The description a screen reader reads: side to move, each side's men by piece and square,
// markers and arrows ("White to move. White: king g1, rooks a1 and f1. ...").
std::string DiagramDescription();
// The text with its & < > and " as HTML entities, fit for a page's text and attribute values.
std::string Escaped(const std::string &text);
// The whole page. style 1: the theme's colours, 0: the print picture. Empty when the diagram
// cannot be drawn (the vector writer is missing).
std::string SVGPageText(int coords, int style);
// Writes the page to path through WriteFileAtomically; false with a reason on failure, an
// existing file left as it was.
bool MakeSVGPageFile(const std::string &path, int coords, int style, std::string *why);
