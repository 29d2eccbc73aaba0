// The vector writer's side in the core: the diagram it is given, and its module's entry point.
#include <algorithm>

#include "render/moduleload.h"
#include "render/vectorapi.h"

VectorDiagram VectorDiagramOfModel(int format, int coords, int style) {
  VectorDiagram d{};
  d.interface = VectorInterface;
  d.format = format;
  d.style = style;
  d.coords = coords ? 1 : 0;
  d.flipped = Flipped ? 1 : 0;
  // A size outside what the program sets (a damaged file) prints at the medium width.
  d.inches = PicSiz >= 1.0f && PicSiz <= 6.0f ? PicSiz : 4.0;
  std::copy(Pos, Pos + 64, d.pos);
  d.narrows = std::clamp<int>(NArrows, 0, MaxArrows);
  for (int i = 0; i < d.narrows; i++) std::copy(Arr[i], Arr[i] + 4, d.arrows[i]);
  const int theme = std::clamp<int>(Theme, 0, NThemes - 1);
  for (int k = 0; k < 3; k++) {
    d.light[k] = static_cast<uint8_t>(std::clamp<int>(Lt[theme][k], 0, 255));
    d.dark[k] = static_cast<uint8_t>(std::clamp<int>(Dk[theme][k], 0, 255));
  }
  return d;
}

bool VectorPicture(const VectorDiagram &diagram, std::string *bytes, std::string *why) {
  std::string reason;
  auto *entry = reinterpret_cast<VectorEntry *>(ModuleEntry(
      VectorModuleName, VectorEntryName, "vector writer", "PDF and SVG pictures", &reason));
  if (!entry) {
    if (why) *why = reason;
    return false;
  }
  std::string failure;
  bool ok = entry(&diagram, bytes, &failure);
  if (!ok && why) *why = failure;
  return ok;
}
