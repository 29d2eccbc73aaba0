// The vector writer's side in the core: the diagram it is given, and its module's entry point.
#include "render/moduleload.h"
#include "render/vectorapi.h"

VectorDiagram VectorDiagramOf(int format, const Diagram &diagram, const PictureSettings &settings,
                              int width, int height) {
  return VectorDiagram{VectorInterface, format, width, height, diagram, settings};
}

bool VectorPicture(const VectorDiagram &diagram, Canvas &canvas, std::string *bytes, std::string *why) {
  std::string reason;
  const char *needs = "PDF, SVG and composed PNG pictures";
  auto *entry = reinterpret_cast<VectorEntry *>(
      ModuleEntry(VectorModuleName, VectorEntryName, "vector writer", needs, &reason));
  bytes->clear();
  if (!entry) {
    if (why) *why = reason;
    return false;
  }
  ComposerRoom &room = canvas.composer;
  if (!room.room) {
    auto *make = reinterpret_cast<RoomEntry *>(
        ModuleEntry(VectorModuleName, RoomEntryName, "vector writer", needs, &reason));
    auto *release = reinterpret_cast<RoomRelease *>(
        ModuleEntry(VectorModuleName, RoomReleaseName, "vector writer", needs, &reason));
    if (make && release) room.room = make(), room.release = release;
  }
  char failure[VectorReasonSize] = "";
  if (entry(&diagram, room.room, AppendToString, bytes, failure, sizeof failure)) return true;
  bytes->clear();
  if (why) *why = failure;
  return false;
}

std::vector<std::string> PieceSets() {
  std::string reason, text;
  auto *entry = reinterpret_cast<PieceSetsEntry *>(ModuleEntry(
      VectorModuleName, PieceSetsEntryName, "vector writer", "Piece sets", &reason));
  if (entry) entry(AppendToString, &text);
  std::vector<std::string> sets;
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    if (end > at) sets.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  if (sets.empty()) sets.push_back(ClassicPieces);
  return sets;
}
