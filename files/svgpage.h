#pragma once
// The modern web page: one self-contained HTML5 file with the diagram as inline SVG, a text
// description for screen readers, the FEN and the check's findings. Needs nothing beside it.
#include <string>

#include "model/diagram.h"
#include "model/picturesettings.h"

// The description a screen reader reads: side to move, each side's men by piece and square,
// markers and arrows ("White to move. White: king g1, rooks a1 and f1. ...").
std::string DiagramDescription(const Diagram &diagram);
// The text with its & < > and " as HTML entities, fit for a page's text and attribute values.
std::string Escaped(const std::string &text);
// The whole page in the settings' style (colour: the theme's colours; print: the print picture),
// with coordinates when the settings say so. Empty, with a reason, when the diagram cannot be
// drawn (the vector writer is missing).
std::string SVGPageText(const Diagram &diagram, const PictureSettings &settings,
                        std::string *why = nullptr);
