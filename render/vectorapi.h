#pragma once
// The vector writer (PDF, SVG through cairo and potrace) lives in a module of its own,
// boardsmith-vector.so, loaded on first use so that programs which never write a vector picture
// never load cairo. The module gets a copy of the diagram as a plain struct, hands the picture's
// bytes to a callback and keeps nothing of ours: only C types cross between the two, as with the
// PNG writer (render/png.h).
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "model/diagram.h"
#include "model/picturesettings.h"

constexpr int VectorInterface = 4;  // raised whenever VectorDiagram or VectorEntry changes
constexpr const char *VectorModuleName = "boardsmith-vector.so";
constexpr const char *VectorEntryName = "BoardsmithVectorPicture";
// Room for the module's reason for a failure, its terminating zero included.
constexpr size_t VectorReasonSize = 256;

// The diagram and its settings are plain data (standard layout, trivially copyable): they cross
// as they are.
struct VectorDiagram {
  int interface;             // VectorInterface of the caller
  int format;                // PicturePDF or PictureSVG
  Diagram diagram;
  PictureSettings settings;  // style, coordinates, theme and printed width
};
static_assert(std::is_standard_layout_v<VectorDiagram> && std::is_trivially_copyable_v<VectorDiagram>);

// Where the module's bytes go, a piece at a time.
extern "C" typedef void VectorAppend(void *context, const uint8_t *bytes, size_t count);
// The module's entry point: the whole picture handed to append, or false with a reason written
// into why (whySize bytes of room) and nothing handed over.
extern "C" typedef bool VectorEntry(const VectorDiagram *diagram, VectorAppend *append, void *context,
                                    char *why, size_t whySize);

// The diagram as the module wants it, in a format and the settings' style, coordinates and theme.
VectorDiagram VectorDiagramOf(int format, const Diagram &diagram, const PictureSettings &settings);
// Loads the module (once) and writes the picture; false with a reason when the module is
// missing or fails.
bool VectorPicture(const VectorDiagram &diagram, std::string *bytes, std::string *why);
