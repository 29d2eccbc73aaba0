#pragma once
#include <sys/types.h>

#include <string>
#include <vector>

// Writes bytes to a temporary file beside path and renames it into place, so that a reader
// never sees a partial file and a failed write leaves any old file as it was. The data and then
// the folder are synced, so a saved file survives a crash. A file that is replaced keeps its
// permissions; a new one gets the usual 0666 less the umask. A path that is a symbolic link is
// written through to the file the link names, and the link stays. A path naming something that
// exists but is not a regular file (a folder, a device, a FIFO) is refused. On failure returns
// false and, when why is given, stores a sentence naming the reason; no temporary file is left.
bool WriteFileAtomically(const std::string &path, const std::string &bytes, std::string *why);

// The same rules for a file written a piece at a time (the exporter's report): Open checks the
// path at once (links followed, a folder or device refused) and makes the temporary; Write adds
// to it; Commit syncs it and renames it into place. A file not committed leaves nothing behind.
class AtomicFile {
 public:
  AtomicFile() = default;
  AtomicFile(const AtomicFile &) = delete;
  AtomicFile &operator=(const AtomicFile &) = delete;
  ~AtomicFile() { Abandon(); }

  bool Open(const std::string &path, std::string *why);
  // Adds bytes (kept in a buffer, written in large pieces). A failure shows at Commit.
  void Write(const std::string &bytes);
  bool Commit(std::string *why);
  // Removes the temporary (and puts back a file replaced by a pair save that failed).
  void Abandon();
  // The file the path names once its links are followed: what is replaced.
  const std::string &Target() const { return target_; }

  // The steps of Commit, for WriteFilesAtomically: the data written out, synced and closed;
  // a hard link to the old file kept (when there is one and the file system has hard links)
  // so that Undo can put it back after the rename; that link dropped once every file is in
  // place. Undo is false when it cannot put the old file back.
  bool Finish(std::string *why);
  void KeepOld();
  bool Rename(std::string *why);
  bool Undo();
  void DropOld() { Abandon(); }

 private:
  bool Flush();  // false once a write has failed

  std::string target_, temp_, old_;
  int fd_ = -1;
  int error_ = 0;       // the first failed write's error
  bool existed_ = false, renamed_ = false;
  mode_t mode_ = 0666;
  std::string buffer_;  // written but not yet handed to the system
};

// Files written as one (the editor's picture and its position file): every temporary is written
// and synced first, then they are renamed into place in order. When a rename fails, the files
// already renamed get their old contents back, so a failure leaves every old file as it was.
// False with the path that failed in *failed and the reason in *why.
struct FileBytes {
  std::string path, bytes;
};
bool WriteFilesAtomically(const std::vector<FileBytes> &files, std::string *failed,
                          std::string *why);

// The steps of that write, for a writer that streams its file into place itself.

// The folder part of a path, ending in "/", or "" for a bare name.
std::string FolderOf(const std::string &path);
// Creates a new file in folder (as FolderOf gives it) with a short temporary name that carries
// the process id (".bs" + the id + "-" + six letters + ".tmp") and the given mode less the
// umask. A name that is taken is never reused: another is tried. Returns the descriptor and the
// name in *temp, or -1 with errno set.
int CreateTemporary(const std::string &folder, mode_t mode, std::string *temp);
// A name of that form in folder, not yet used by any file most likely.
std::string TemporaryName(const std::string &folder);
// Removes the temporary files in folder that processes no longer running left behind (killed
// before they could clean up). Returns how many it removed.
int RemoveDeadTemporaries(const std::string &folder);
// Syncs the folder so that a rename into it survives a crash. A folder that cannot be synced
// (some file systems refuse) does not undo a save whose file is already in place.
void SyncFolder(const std::string &folder);

// Reads at most limit bytes of a file. Returns false with a reason when it cannot be opened,
// is not a regular file, or is larger than limit.
bool ReadFileBounded(const std::string &path, size_t limit, std::string *bytes, std::string *why);
// Reads the first limit bytes of a file (all of a shorter one). Returns false with a reason when
// it cannot be opened or read, or is not a regular file. Never waits on a FIFO or a device.
bool ReadFileStart(const std::string &path, size_t limit, std::string *bytes, std::string *why);
