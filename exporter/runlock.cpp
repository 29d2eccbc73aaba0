// The run's locks on the names it writes (flock on a hidden file in each output folder).
#include "exporter/runlock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "exporter/uniquenames.h"
#include "files/atomicwrite.h"

namespace {
// The lock file of a place: the folder's, named by a hash of the names (FNV-1a).
std::string LockPath(const OutputPlace &place) {
  unsigned long long h = 1469598103934665603ull;
  for (unsigned char c : place.names) h = (h ^ c) * 1099511628211ull;
  char name[32];
  std::snprintf(name, sizeof name, ".bs-lock-%016llx", h);
  return place.folder + name;
}

// The process id the holder of a lock wrote into it, or "" when there is none.
std::string Holder(int fd) {
  char text[16] = {};
  ssize_t n = pread(fd, text, sizeof text - 1, 0);
  return n > 0 ? std::string(text, static_cast<size_t>(n)) : "";
}

void Add(std::vector<OutputPlace> &places, const OutputPlace &place) {
  for (const OutputPlace &p : places)
    if (p == place) return;
  places.push_back(place);
}
}  // namespace

std::vector<OutputPlace> OutputPlaces(const ExportOptions &o) {
  std::vector<OutputPlace> places;
  if (!o.printFEN && o.output.empty()) {
    if (!o.pattern.empty()) {
      // The folder is the pattern's part before the first field (fields may name subfolders).
      size_t slash = o.pattern.rfind('/', o.pattern.find('{'));
      size_t split = slash == std::string::npos ? 0 : slash + 1;
      Add(places, {o.pattern.substr(0, split), o.pattern.substr(split)});
    } else {
      for (const Source &s : o.sources)
        if (s.kind == Source::List || (s.kind == Source::Games && o.everyPly)) {
          OutputNaming naming = NamingOf(o, s);
          Add(places, {naming.folder, SourceName(s) + naming.pattern.substr(6)});  // after {name}
        }
    }
  }
  if (!o.report.empty()) Add(places, {FolderOf(o.report), o.report.substr(FolderOf(o.report).size())});
  return places;
}

RunLocks::~RunLocks() {
  // Removed while still held: a run that opened the old file finds it gone and makes a new one.
  for (const Held &h : held_) {
    unlink(h.path.c_str());
    close(h.fd);
  }
}

bool RunLocks::Take(const OutputPlace &place, std::string *why) {
  const std::string path = LockPath(place);
  for (int tries = 0; tries < 10; tries++) {
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return true;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      std::string holder = Holder(fd);
      close(fd);
      *why = "another run" + (holder.empty() ? "" : " (process " + holder + ")") +
             " is writing " + place.folder + place.names + "; try again when it has finished";
      return false;
    }
    // The file may have been removed by the run that held it just before: then lock anew.
    struct stat mine, named;
    if (fstat(fd, &mine) == 0 && stat(path.c_str(), &named) == 0 && mine.st_ino == named.st_ino &&
        mine.st_dev == named.st_dev) {
      std::string pid = std::to_string(getpid());
      if (ftruncate(fd, 0) != 0 || pwrite(fd, pid.data(), pid.size(), 0) < 0) {
        // The holder's id is for the message of a run refused; the lock holds without it.
      }
      held_.push_back({path, fd});
      return true;
    }
    close(fd);
  }
  return true;
}
