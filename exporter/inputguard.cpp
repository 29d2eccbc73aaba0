// The run's input files by device and inode.
#include "exporter/inputguard.h"

#include <sys/stat.h>
#include <unistd.h>

InputGuard::InputGuard(const ExportOptions &o) {
  for (const Source &s : o.sources) {
    struct stat st;
    const bool in = s.kind == Source::StandardInput;
    if (s.kind == Source::FENText) continue;
    if (in ? fstat(STDIN_FILENO, &st) == 0 && S_ISREG(st.st_mode) : stat(s.text.c_str(), &st) == 0)
      files_.emplace(std::make_pair(st.st_dev, st.st_ino), in ? "stdin" : s.text);
  }
}

std::string InputGuard::InputAt(const std::string &path) const {
  struct stat st;
  if (files_.empty() || stat(path.c_str(), &st) != 0) return "";
  auto found = files_.find({st.st_dev, st.st_ino});
  return found == files_.end() ? "" : found->second;
}
