#include "files/atomicwrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
bool Fail(std::string *why, const std::string &text) {
  if (why) *why = text;
  return false;
}

std::string Reason(int err) { return std::strerror(err); }
}  // namespace

bool WriteFileAtomically(const std::string &path, const std::string &bytes, std::string *why) {
  if (path.empty()) return Fail(why, "No file name was given.");
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
    return Fail(why, "A folder of that name exists.");

  std::string temp = path + ".tmp-XXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) return Fail(why, Reason(errno));
  // mkstemp creates the file readable by its owner only; give it the usual permissions.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);

  const char *p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      close(fd);
      unlink(temp.c_str());
      return Fail(why, Reason(err));
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  if (fsync(fd) != 0 && errno != EINVAL) {
    int err = errno;
    close(fd);
    unlink(temp.c_str());
    return Fail(why, Reason(err));
  }
  if (close(fd) != 0) {
    int err = errno;
    unlink(temp.c_str());
    return Fail(why, Reason(err));
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    unlink(temp.c_str());
    return Fail(why, Reason(err));
  }
  return true;
}

bool ReadFileBounded(const std::string &path, size_t limit, std::string *bytes, std::string *why) {
  bytes->clear();
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return Fail(why, Reason(errno));
  if (!S_ISREG(st.st_mode)) return Fail(why, "It is not a regular file.");
  if (static_cast<unsigned long long>(st.st_size) > limit)
    return Fail(why, "The file is too large (" + std::to_string(st.st_size) + " bytes).");
  FILE *f = std::fopen(path.c_str(), "rb");
  if (!f) return Fail(why, Reason(errno));
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
    bytes->append(buffer, n);
    if (bytes->size() > limit) {
      std::fclose(f);
      return Fail(why, "The file is too large.");
    }
  }
  bool error = std::ferror(f);
  std::fclose(f);
  if (error) return Fail(why, "The file could not be read.");
  return true;
}
