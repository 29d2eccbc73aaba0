#pragma once
// What keeps two runs from writing the same names at once, and what a run clears before it
// writes: each output folder known before the run starts, with the names written there (the
// pattern after the folder, or the report's name). A run takes an advisory lock on each; a
// second run into the same names is refused at once, naming the run that holds them (no run
// waits for another). The lock is a hidden file in the folder, ".bs-lock-" and a number made
// from the names, removed when the run ends.
#include <string>
#include <vector>

#include "exporter/options.h"

struct OutputPlace {
  std::string folder;  // as FolderOf gives it: "" or ending in "/"
  std::string names;   // the pattern after the folder, or a file's name
  bool operator==(const OutputPlace &) const = default;
};

// The places of a batch: the pattern's folder (up to its first field), the folders beside the
// lists and games read without -o, and the report's; none for one OUTPUT or one position file.
std::vector<OutputPlace> OutputPlaces(const ExportOptions &options);

class RunLocks {
 public:
  RunLocks() = default;
  RunLocks(const RunLocks &) = delete;
  RunLocks &operator=(const RunLocks &) = delete;
  ~RunLocks();  // lets go of every lock and removes its file

  // Takes the lock of a place. False, with *why naming the place and the run that holds it, when
  // another run has it. A folder where no lock can be made (read-only, missing) is not locked:
  // the writes there fail and say why.
  bool Take(const OutputPlace &place, std::string *why);

 private:
  struct Held {
    std::string path;
    int fd;
  };
  std::vector<Held> held_;
};
