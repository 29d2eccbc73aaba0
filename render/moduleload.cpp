// Finding and loading our writer modules, each once, under one lock: the exporter's threads may
// ask for one at the same moment.
#include "render/moduleload.h"

#include <dlfcn.h>

#include <filesystem>
#include <map>
#include <mutex>
#include <vector>

namespace {
std::mutex Loading;
std::string ChosenFolder;
std::map<std::string, void *> Entries;  // "module:entry" -> the loaded entry point

std::vector<std::string> Candidates(const std::string &module) {
  std::vector<std::string> paths;
  if (!ChosenFolder.empty()) paths.push_back((std::filesystem::path(ChosenFolder) / module).string());
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    paths.push_back((exe.parent_path() / module).string());
    paths.push_back((exe.parent_path() / ".." / "lib" / "boardsmith" / module)
                        .lexically_normal().string());
  }
  return paths;
}
}  // namespace

void *ModuleEntry(const char *module, const char *entry, const char *writer, const char *needs,
                  std::string *why) {
  std::lock_guard<std::mutex> lock(Loading);
  const std::string key = std::string(module) + ":" + entry;
  auto known = Entries.find(key);
  if (known != Entries.end()) return known->second;
  std::string tried;
  for (const std::string &path : Candidates(module)) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
      tried += (tried.empty() ? "" : ", ") + path;
      continue;
    }
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      const char *error = dlerror();
      *why = std::string("The ") + writer + " " + path + " could not be loaded: " +
             (error ? error : "unknown error") + ".";
      return nullptr;
    }
    void *found = dlsym(handle, entry);
    if (!found) {
      *why = std::string("The ") + writer + " " + path + " is not one this program can use.";
      dlclose(handle);
      return nullptr;
    }
    Entries[key] = found;
    return found;
  }
  *why = std::string(needs) + " need the " + writer + " " + module +
         ", which is not installed (looked for " + tried + ").";
  return nullptr;
}

bool ModuleLoaded(const char *module) {
  std::lock_guard<std::mutex> lock(Loading);
  const std::string prefix = std::string(module) + ":";
  for (const auto &[key, entry] : Entries)
    if (key.compare(0, prefix.size(), prefix) == 0) return true;
  return false;
}

void AppendToString(void *context, const uint8_t *bytes, size_t count) {
  static_cast<std::string *>(context)->append(reinterpret_cast<const char *>(bytes), count);
}

void SetModuleFolder(const std::string &folder) {
  std::lock_guard<std::mutex> lock(Loading);
  ChosenFolder = folder;
}
