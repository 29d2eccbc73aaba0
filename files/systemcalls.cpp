// The atomic writer's system calls, passed straight through (files/systemcalls.h).
#include "files/systemcalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

int OpenNewFile(const char *name, mode_t mode) {
  return open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}

ssize_t WriteSome(int fd, const char *bytes, size_t count) { return write(fd, bytes, count); }

int SyncFile(int fd) { return fsync(fd); }

int CloseFile(int fd) { return close(fd); }

int RenameFile(const char *from, const char *to) { return rename(from, to); }

int SyncFolderEntries(int fd) { return fsync(fd); }

int LinkFile(const char *from, const char *to) { return link(from, to); }
