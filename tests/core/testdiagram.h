#pragma once
// Diagrams the picture, page and exporter tests share.
#include "model/diagram.h"
#include "model/presets.h"

// A preset position in the given orientation.
inline Diagram Preset(void (*preset)(Diagram &), int flipped = 0) {
  Diagram d{.Flipped = flipped};
  preset(d);
  return d;
}

// The typical position (men of both colours and an arrow) with a dot on e4 and a cross on f3
// (cells as displayed, in the given orientation).
inline Diagram MarkedTypical(int flipped) {
  Diagram d = Preset(TypicalPosition, flipped);
  d.Pos[4 * 8 + 3] = DotMark;
  d.Pos[5 * 8 + 2] = CrossMark;
  return d;
}
