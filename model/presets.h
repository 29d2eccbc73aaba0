#pragma once
// The position presets and the flip. Each preset builds its position in the diagram's current
// orientation; the status line that names them is the editor's.
#include "model/diagram.h"

// A new position (the presets, a position file read) is white to move with nothing remembered.
void ForgetChessState(Diagram &diagram);
void EmptyPosition(Diagram &diagram);
void StartPosition(Diagram &diagram);
void TypicalPosition(Diagram &diagram);
// Turns the men, markers and arrows round with the orientation.
void FlipPosition(Diagram &diagram);

// The presets' status lines, for whoever shows them.
constexpr const char *EmptyPositionText = "Empty position";
constexpr const char *StartPositionText = "Start position";
constexpr const char *TypicalPositionText = "Immortal Game: Vellmark - Dorrantis, 1851";
constexpr const char *FlipPositionText = "Position flipped";
