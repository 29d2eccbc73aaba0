#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "bs-test-XXXXXX").string();
    if (mkdtemp(name.data())) path_ = name;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;

  const std::string &Path() const { return path_; }
  std::string operator/(const std::string &name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline std::string ReadWhole(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// FNV-1a: every byte in one number, carried on from h to pin a series of files.
inline uint64_t Fnv1a(const std::string &bytes, uint64_t h = 1469598103934665603ull) {
  for (unsigned char b : bytes) h = (h ^ b) * 1099511628211ull;
  return h;
}

// The names of the entries of a folder, sorted.
inline std::set<std::string> NamesIn(const std::string &folder) {
  std::set<std::string> names;
  for (const auto &entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

// FNV-1a of files of a folder in the order of their names (which may lead into subfolders), each
// name then its bytes: pins a series of files in one number.
inline uint64_t FilesHash(const std::string &folder, const std::set<std::string> &names) {
  uint64_t h = Fnv1a("");
  for (const std::string &name : names) h = Fnv1a(name + ReadWhole(folder + "/" + name), h);
  return h;
}

inline void WriteWhole(const std::string &path, const std::string &bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}
