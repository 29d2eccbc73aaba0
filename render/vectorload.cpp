// Finding and loading the vector writer's module: a path set by the caller, else beside the
// running program (the build's run folder) or in ../lib/boardsmith/ (the installed layout).
#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <vector>

#include "render/vectorapi.h"

namespace {
std::mutex Loading;
std::string ChosenPath;
VectorEntry *Entry = nullptr;
std::string LoadError;

std::vector<std::string> Candidates() {
  std::vector<std::string> paths;
  if (!ChosenPath.empty()) paths.push_back(ChosenPath);
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    paths.push_back((exe.parent_path() / VectorModuleName).string());
    paths.push_back((exe.parent_path() / ".." / "lib" / "boardsmith" / VectorModuleName)
                        .lexically_normal().string());
  }
  return paths;
}

VectorEntry *Load(std::string *why) {
  std::lock_guard<std::mutex> lock(Loading);
  if (Entry) return Entry;
  std::string tried;
  for (const std::string &path : Candidates()) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
      tried += (tried.empty() ? "" : ", ") + path;
      continue;
    }
    void *module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      const char *error = dlerror();
      *why = "The vector writer " + path + " could not be loaded: " + (error ? error : "unknown error") + ".";
      return nullptr;
    }
    Entry = reinterpret_cast<VectorEntry *>(dlsym(module, VectorEntryName));
    if (!Entry) {
      *why = "The vector writer " + path + " is not one this program can use.";
      dlclose(module);
    }
    return Entry;
  }
  *why = std::string("PDF and SVG pictures need the vector writer ") + VectorModuleName +
         ", which is not installed (looked for " + tried + ").";
  return nullptr;
}
}  // namespace

bool VectorModuleLoaded() {
  std::lock_guard<std::mutex> lock(Loading);
  return Entry != nullptr;
}

void SetVectorModulePath(const std::string &path) {
  std::lock_guard<std::mutex> lock(Loading);
  ChosenPath = path;
}

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
  VectorEntry *entry = Load(&reason);
  if (!entry) {
    if (why) *why = reason;
    return false;
  }
  std::string failure;
  bool ok = entry(&diagram, bytes, &failure);
  if (!ok && why) *why = failure;
  return ok;
}
