#pragma once
// The vector writer (PDF, SVG through cairo and potrace) lives in a module of its own,
// boardsmith-vector.so, loaded on first use so that programs which never write a vector picture
// never load cairo. The module gets a copy of the diagram and keeps nothing of ours.
#include <cstdint>
#include <string>

#include "model/model.h"

constexpr int VectorInterface = 1;  // raised whenever VectorDiagram changes
constexpr const char *VectorModuleName = "boardsmith-vector.so";
constexpr const char *VectorEntryName = "BoardsmithVectorPicture";

struct VectorDiagram {
  int interface;           // VectorInterface of the caller
  int format;              // PicturePDF or PictureSVG
  int style;               // StylePrint or StyleColour
  int coords;              // 0/1: coordinates round the board
  int flipped;             // as Flipped: the coordinate letters run h..a
  double inches;           // printed width
  int32_t pos[64];         // as Pos
  int32_t arrows[MaxArrows][4];  // as Arr
  int narrows;             // 0..MaxArrows
  uint8_t light[3], dark[3];     // the theme's square colours
};

// The module's entry point: the picture's bytes, or false with a reason.
extern "C" typedef bool VectorEntry(const VectorDiagram *diagram, std::string *bytes,
                                    std::string *why);

// The diagram of the model as the module wants it.
VectorDiagram VectorDiagramOfModel(int format, int coords, int style);
// Loads the module (once) and writes the picture; false with a reason when the module is
// missing or fails.
bool VectorPicture(const VectorDiagram &diagram, std::string *bytes, std::string *why);
