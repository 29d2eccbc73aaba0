#include "files/atomicwrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "files/systemcalls.h"

namespace {
// Pieces smaller than this gather in memory before they are written.
constexpr size_t BufferBytes = 64 * 1024;

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

// Writes all of bytes to fd, going on after short and interrupted writes; *err gets the error
// that stops it.
void WriteOut(int fd, const char *p, size_t left, int *err) {
  while (left > 0 && !*err) {
    ssize_t n = WriteSome(fd, p, left);
    if (n < 0 && errno != EINTR) *err = errno;
    if (n > 0) p += n, left -= static_cast<size_t>(n);
  }
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

void AtomicFile::Write(const std::string &bytes) {
  if (error_ || fd_ < 0) return;
  // Large pieces go straight to the file; small ones gather first.
  if (buffer_.size() + bytes.size() < BufferBytes) {
    buffer_ += bytes;
    return;
  }
  if (Flush()) WriteOut(fd_, bytes.data(), bytes.size(), &error_);
}

bool AtomicFile::Flush() {
  WriteOut(fd_, buffer_.data(), buffer_.size(), &error_);
  buffer_.clear();
  return !error_;
}

bool AtomicFile::Open(const std::string &path, std::string *why) {
  Abandon();
  error_ = 0;
  renamed_ = false;
  if (path.empty()) return Fail(why, "No file name was given.");
  if (!FollowLinks(path, &target_, why)) return false;
  struct stat st;
  existed_ = stat(target_.c_str(), &st) == 0;
  if (existed_ && S_ISDIR(st.st_mode)) return Fail(why, "A folder of that name exists.");
  if (existed_ && !S_ISREG(st.st_mode)) return Fail(why, "It is not a regular file.");
  // A new file is created 0666 and the system takes off the umask (or applies the folder's
  // default access list); a replaced file's own bits are set again after the umask cut them.
  mode_ = existed_ ? (st.st_mode & 0777) : 0666;
  fd_ = CreateTemporary(FolderOf(target_), mode_, &temp_);
  if (fd_ < 0) {
    temp_.clear();
    return Fail(why, Reason(errno));
  }
  if (existed_) fchmod(fd_, mode_);  // a file system without permissions keeps its own
  return true;
}

bool AtomicFile::Finish(std::string *why) {
  if (fd_ < 0) return Fail(why, "The file was not opened.");
  Flush();
  int err = error_;
  if (!err && SyncFile(fd_) != 0 && errno != EINVAL) err = errno;
  if (CloseFile(fd_) != 0 && !err) err = errno;
  fd_ = -1;
  if (!err) return true;
  Abandon();
  return Fail(why, Reason(err));
}

void AtomicFile::KeepOld() {
  // Best effort: a file system without hard links saves without the way back.
  if (!existed_) return;
  for (int tries = 0; tries < 100; tries++) {
    old_ = TemporaryName(FolderOf(target_));
    if (LinkFile(target_.c_str(), old_.c_str()) == 0) return;
    if (errno != EEXIST) break;
  }
  old_.clear();
}

bool AtomicFile::Rename(std::string *why) {
  if (RenameFile(temp_.c_str(), target_.c_str()) != 0) {
    int err = errno;
    Abandon();
    return Fail(why, Reason(err));
  }
  temp_.clear();
  renamed_ = true;
  return true;
}

bool AtomicFile::Undo() {
  if (!renamed_) return true;
  renamed_ = false;
  if (!existed_) return unlink(target_.c_str()) == 0;
  if (old_.empty() || RenameFile(old_.c_str(), target_.c_str()) != 0) return false;
  old_.clear();
  return true;
}

void AtomicFile::Abandon() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!temp_.empty()) unlink(temp_.c_str());
  if (!old_.empty()) unlink(old_.c_str());
  temp_.clear(), old_.clear();
  buffer_.clear();
}

bool AtomicFile::Commit(std::string *why) {
  if (!Finish(why) || !Rename(why)) return false;
  SyncFolder(FolderOf(target_));
  return true;
}

bool WriteFileAtomically(const std::string &path, const std::string &bytes, std::string *why) {
  AtomicFile file;
  if (!file.Open(path, why)) return false;
  file.Write(bytes);
  return file.Commit(why);
}

bool WriteFilesAtomically(const std::vector<FileBytes> &files, std::string *failed,
                          std::string *why) {
  std::vector<std::unique_ptr<AtomicFile>> out;
  auto fail = [&](size_t i) {
    *failed = files[i].path;
    return false;
  };
  for (size_t i = 0; i < files.size(); i++) {
    out.push_back(std::make_unique<AtomicFile>());
    if (!out[i]->Open(files[i].path, why)) return fail(i);
    out[i]->Write(files[i].bytes);
  }
  for (size_t i = 0; i < files.size(); i++)
    if (!out[i]->Finish(why)) return fail(i);
  for (auto &file : out) file->KeepOld();
  for (size_t i = 0; i < files.size(); i++) {
    if (out[i]->Rename(why)) continue;
    for (size_t j = 0; j < i; j++)
      if (!out[j]->Undo()) *why += " " + files[j].path + " was replaced and could not be put back.";
    return fail(i);
  }
  for (auto &file : out) {
    file->DropOld();
    SyncFolder(FolderOf(file->Target()));
  }
  return true;
}

bool ReadFileBounded(const std::string &path, size_t limit, std::string *bytes, std::string *why) {
  return ReadRegular(path, limit, bytes, why, true);
}

bool ReadFileStart(const std::string &path, size_t limit, std::string *bytes, std::string *why) {
  return ReadRegular(path, limit, bytes, why, false);
}
