#pragma once
// The system calls the atomic writer makes, each behind a plain function. They are all defined
// in files/systemcalls.cpp and nothing else is there, so a test program that links its own
// definitions of every one of them (tests/writefault/) takes the place of that whole object and
// can make any of them fail; the programs themselves call the system directly.
#include <sys/types.h>

#include <cstddef>

// Creates name, which must not exist, for writing only (open with O_CREAT | O_EXCL).
int OpenNewFile(const char *name, mode_t mode);
// write(2): may write less than asked.
ssize_t WriteSome(int fd, const char *bytes, size_t count);
// fsync(2) of a file just written.
int SyncFile(int fd);
// close(2).
int CloseFile(int fd);
// rename(2).
int RenameFile(const char *from, const char *to);
// fsync(2) of a folder opened for reading, after a rename into it.
int SyncFolderEntries(int fd);
// link(2): the old file of a pair save kept under a second name until both files are in place.
int LinkFile(const char *from, const char *to);
