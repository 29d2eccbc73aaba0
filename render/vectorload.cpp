// The vector writer's side in the core: the diagram it is given, and its module's entry point.
#include "render/moduleload.h"
#include "render/vectorapi.h"

VectorDiagram VectorDiagramOf(int format, const Diagram &diagram, const PictureSettings &settings) {
  return VectorDiagram{VectorInterface, format, diagram, settings};
}

bool VectorPicture(const VectorDiagram &diagram, std::string *bytes, std::string *why) {
  std::string reason;
  auto *entry = reinterpret_cast<VectorEntry *>(ModuleEntry(
      VectorModuleName, VectorEntryName, "vector writer", "PDF and SVG pictures", &reason));
  bytes->clear();
  if (!entry) {
    if (why) *why = reason;
    return false;
  }
  char failure[VectorReasonSize] = "";
  if (entry(&diagram, AppendToString, bytes, failure, sizeof failure)) return true;
  bytes->clear();
  if (why) *why = failure;
  return false;
}
