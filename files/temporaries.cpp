// The atomic writer's temporary files: their names, which carry the writing process's id, and
// the removal of those that a process killed outright left behind.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "files/atomicwrite.h"
#include "files/systemcalls.h"

namespace {
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

// The process id in a temporary's name (".bs" ID "-" six letters ".tmp"), or 0 when the name is
// not one of ours.
pid_t WriterOf(const char *name) {
  size_t n = std::strlen(name);
  if (n < 15 || std::strncmp(name, ".bs", 3) != 0 || std::strcmp(name + n - 4, ".tmp") != 0 ||
      name[n - 11] != '-')
    return 0;
  long id = 0;
  for (const char *p = name + 3; p < name + n - 11; p++) {
    if (*p < '0' || *p > '9' || id > 99999999) return 0;
    id = id * 10 + (*p - '0');
  }
  return static_cast<pid_t>(id);
}
}  // namespace

std::string FolderOf(const std::string &path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string TemporaryName(const std::string &folder) {
  return folder + ".bs" + std::to_string(getpid()) + "-" + RandomLetters() + ".tmp";
}

int CreateTemporary(const std::string &folder, mode_t mode, std::string *temp) {
  for (int tries = 0; tries < 100; tries++) {
    *temp = TemporaryName(folder);
    int fd = OpenNewFile(temp->c_str(), mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

int RemoveDeadTemporaries(const std::string &folder) {
  DIR *dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return 0;
  int removed = 0;
  while (const dirent *entry = readdir(dir)) {
    pid_t writer = WriterOf(entry->d_name);
    // A process that is gone cannot be writing; one of another user's that lives says EPERM.
    if (writer > 0 && kill(writer, 0) != 0 && errno == ESRCH &&
        unlinkat(dirfd(dir), entry->d_name, 0) == 0)
      removed++;
  }
  closedir(dir);
  return removed;
}

void SyncFolder(const std::string &folder) {
  int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  SyncFolderEntries(fd);
  close(fd);
}
