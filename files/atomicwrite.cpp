#include "files/atomicwrite.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "files/systemcalls.h"

namespace {
bool Fail(std::string *why, const std::string &text) {
  if (why) *why = text;
  return false;
}

std::string Reason(int err) { return std::strerror(err); }

// The file a path finally names, following symbolic links (a link to a file that does not exist
// yet names that file). Fails on a loop of links.
bool FollowLinks(const std::string &path, std::string *target, std::string *why) {
  std::string p = path;
  for (int hops = 0; hops < 40; hops++) {
    struct stat st;
    if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      *target = p;
      return true;
    }
    char link[4096];
    ssize_t n = readlink(p.c_str(), link, sizeof link);
    if (n < 0) return Fail(why, Reason(errno));
    if (static_cast<size_t>(n) == sizeof link) return Fail(why, Reason(ENAMETOOLONG));
    std::string next(link, static_cast<size_t>(n));
    p = !next.empty() && next[0] == '/' ? next : FolderOf(p) + next;
  }
  return Fail(why, Reason(ELOOP));
}

// Six letters or digits, random enough that two writers in one folder do not meet often.
std::string RandomLetters() {
  static const char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::atomic<unsigned> counter{0};
  unsigned char random[6];
  if (getrandom(random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
    // No randomness to be had: the clock and a counter; O_EXCL still keeps names apart.
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    unsigned long long mix = static_cast<unsigned long long>(now.tv_nsec) * 2654435761u +
                             counter.fetch_add(1) * 40503u + static_cast<unsigned>(getpid());
    for (unsigned char &r : random) r = static_cast<unsigned char>(mix >>= 5);
  }
  std::string letters;
  for (unsigned char r : random) letters += Alphabet[r % (sizeof Alphabet - 1)];
  return letters;
}

// Reads up to limit bytes of a regular file into bytes.
bool ReadRegular(const std::string &path, size_t limit, std::string *bytes, std::string *why,
                 bool whole) {
  bytes->clear();
  // Not blocking: opening a FIFO must not wait for a writer before it can be refused.
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail(why, Reason(errno));
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return Fail(why, "It is not a regular file.");
  }
  if (whole && static_cast<unsigned long long>(st.st_size) > limit) {
    close(fd);
    return Fail(why, "The file is too large (" + std::to_string(st.st_size) + " bytes).");
  }
  // One byte past the limit shows a file that grew while it was read.
  size_t wanted = whole ? limit + 1 : limit;
  char buffer[4096];
  while (bytes->size() < wanted) {
    size_t ask = wanted - bytes->size() < sizeof buffer ? wanted - bytes->size() : sizeof buffer;
    ssize_t n = read(fd, buffer, ask);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int err = errno;
      close(fd);
      return Fail(why, "The file could not be read: " + Reason(err));
    }
    if (n == 0) break;
    bytes->append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  if (bytes->size() > limit) return Fail(why, "The file is too large.");
  return true;
}
}  // namespace

std::string FolderOf(const std::string &path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

int CreateTemporary(const std::string &folder, mode_t mode, std::string *temp) {
  for (int tries = 0; tries < 100; tries++) {
    *temp = folder + ".bs" + RandomLetters() + ".tmp";
    int fd = OpenNewFile(temp->c_str(), mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncFolder(const std::string &folder) {
  int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  SyncFolderEntries(fd);
  close(fd);
}

bool WriteFileAtomically(const std::string &path, const std::string &bytes, std::string *why) {
  if (path.empty()) return Fail(why, "No file name was given.");
  std::string target;
  if (!FollowLinks(path, &target, why)) return false;
  struct stat st;
  bool replacing = stat(target.c_str(), &st) == 0;
  if (replacing && S_ISDIR(st.st_mode)) return Fail(why, "A folder of that name exists.");
  if (replacing && !S_ISREG(st.st_mode)) return Fail(why, "It is not a regular file.");

  // A new file is created 0666 and the system takes off the umask (or applies the folder's
  // default access list); a replaced file's own bits are set again after the umask cut them.
  mode_t mode = replacing ? (st.st_mode & 0777) : 0666;
  std::string folder = FolderOf(target), temp;
  int fd = CreateTemporary(folder, mode, &temp);
  if (fd < 0) return Fail(why, Reason(errno));
  if (replacing) fchmod(fd, mode);  // a file system without permissions keeps its own

  int err = 0;
  const char *p = bytes.data();
  size_t left = bytes.size();
  while (left > 0 && !err) {
    ssize_t n = WriteSome(fd, p, left);
    if (n < 0 && errno != EINTR) err = errno;
    if (n > 0) p += n, left -= static_cast<size_t>(n);
  }
  if (!err && SyncFile(fd) != 0 && errno != EINVAL) err = errno;
  if (CloseFile(fd) != 0 && !err) err = errno;
  if (!err && RenameFile(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err) {
    unlink(temp.c_str());
    return Fail(why, Reason(err));
  }
  SyncFolder(folder);
  return true;
}

bool ReadFileBounded(const std::string &path, size_t limit, std::string *bytes, std::string *why) {
  return ReadRegular(path, limit, bytes, why, true);
}

bool ReadFileStart(const std::string &path, size_t limit, std::string *bytes, std::string *why) {
  return ReadRegular(path, limit, bytes, why, false);
}
