#pragma once
// The files a run reads, known by device and inode, so that no output replaces one of them
// however it is named (another name, a link, a symbolic link).
#include <sys/types.h>

#include <map>
#include <string>
#include <utility>

#include "exporter/options.h"

class InputGuard {
 public:
  InputGuard() = default;
  // The input files of the options, and standard input when it is a file.
  explicit InputGuard(const ExportOptions &options);
  // The input that path names (its links followed), or "" when it names none.
  std::string InputAt(const std::string &path) const;

 private:
  std::map<std::pair<dev_t, ino_t>, std::string> files_;
};
