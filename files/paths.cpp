#include "files/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

std::string HomeFolder() {
  const char *home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd *pw = getpwuid(getuid());
    home = pw ? pw->pw_dir : "/tmp";
  }
  std::string folder = home;
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string ClipBMPPath() { return HomeFolder() + "/clip.bmp"; }

namespace {
namespace fs = std::filesystem;

bool IsFolder(const fs::path &path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// The installed layout: PREFIX/bin/boardsmith reads PREFIX/share/boardsmith/.
const char SharedFolder[] = "../share/boardsmith";
}  // namespace

std::string ProgramFolder() {
  std::error_code ec;
  fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (ec || program.empty()) return "";
  return program.parent_path().string();
}

bool IsRunFolder(const std::string &folder) {
  if (folder.empty()) return false;
  std::error_code ec;
  return IsFolder(fs::path(folder) / "bmp") && fs::exists(fs::path(folder) / "boardsmith", ec);
}

std::string DataFolder(const std::string &startFolder) {
  if (IsRunFolder(startFolder)) return startFolder;
  const std::string program = ProgramFolder();
  if (!program.empty()) {
    if (IsFolder(fs::path(program) / "bmp")) return program;
    fs::path shared = (fs::path(program) / SharedFolder).lexically_normal();
    if (IsFolder(shared / "bmp")) return shared.string();
  }
  return startFolder;
}

std::string DataPath(const std::string &startFolder, const std::string &name) {
  const std::string folder = DataFolder(startFolder);
  if (folder.empty()) return name;
  return folder + (folder.back() == '/' ? "" : "/") + name;
}
