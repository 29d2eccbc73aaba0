// The atomic writer's system calls with a fault that a test sets (tests/writefault/writefault.h).
// Linked into a test program ahead of the files library, these definitions take the place of
// files/systemcalls.cpp, so they must define every function of files/systemcalls.h.
#include "tests/writefault/writefault.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "files/systemcalls.h"

namespace {
// The injected fault: which step, how many of its calls until it fires, and the error it gives.
// Step -1 when none waits. Atomic because programs may write from several threads.
std::atomic<int> FaultStep{-1};
std::atomic<int> FaultCalls{0};
std::atomic<int> FaultError{0};

// Whether this call of step is the one to fail; if so errno holds the injected error.
bool Injected(WriteStep step) {
  if (FaultStep.load() != static_cast<int>(step)) return false;
  if (FaultCalls.fetch_sub(1) > 1) return false;
  int expected = static_cast<int>(step);
  if (!FaultStep.compare_exchange_strong(expected, -1)) return false;
  errno = FaultError.load();
  return true;
}
}  // namespace

void InjectWriteFault(WriteStep step, int nth, int err) {
  FaultStep = -1;
  FaultCalls = nth;
  FaultError = err;
  FaultStep = static_cast<int>(step);
}

bool WriteFaultPending() { return FaultStep.load() != -1; }

void ClearWriteFault() { FaultStep = -1; }

int OpenNewFile(const char *name, mode_t mode) {
  if (Injected(WriteStep::Open)) return -1;
  return open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}

ssize_t WriteSome(int fd, const char *bytes, size_t count) {
  if (Injected(WriteStep::Write)) return -1;
  if (FaultStep.load() == static_cast<int>(WriteStep::Write) && count > 1) count /= 2;
  return write(fd, bytes, count);
}

int SyncFile(int fd) {
  if (Injected(WriteStep::Sync)) return -1;
  return fsync(fd);
}

int CloseFile(int fd) {
  if (Injected(WriteStep::Close)) {
    close(fd);  // the descriptor is gone either way, as after a real failed close
    return -1;
  }
  return close(fd);
}

int RenameFile(const char *from, const char *to) {
  if (Injected(WriteStep::Rename)) return -1;
  return rename(from, to);
}

int SyncFolderEntries(int fd) {
  if (Injected(WriteStep::SyncFolder)) return -1;
  return fsync(fd);
}

int LinkFile(const char *from, const char *to) {
  if (Injected(WriteStep::Link)) return -1;
  return link(from, to);
}
