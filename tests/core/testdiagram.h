#pragma once
// Diagrams the picture and page tests share.
#include "model/diagram.h"
#include "model/presets.h"

// The typical position (men of both colours and an arrow) with a dot on e4 and a cross on f3
// (cells as displayed, in the given orientation).
inline Diagram MarkedTypical(int flipped) {
  Diagram d;
  d.Flipped = flipped;
  TypicalPosition(d);
  d.Pos[4 * 8 + 3] = DotMark;
  d.Pos[5 * 8 + 2] = CrossMark;
  return d;
}
