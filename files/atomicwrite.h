#pragma once
#include <sys/types.h>

#include <string>

// Writes bytes to a temporary file beside path and renames it into place, so that a reader
// never sees a partial file and a failed write leaves any old file as it was. The data and then
// the folder are synced, so a saved file survives a crash. A file that is replaced keeps its
// permissions; a new one gets the usual 0666 less the umask. A path that is a symbolic link is
// written through to the file the link names, and the link stays. A path naming something that
// exists but is not a regular file (a folder, a device, a FIFO) is refused. On failure returns
// false and, when why is given, stores a sentence naming the reason; no temporary file is left.
bool WriteFileAtomically(const std::string &path, const std::string &bytes, std::string *why);

// The steps of that write, for a writer that streams its file into place itself.

// The folder part of a path, ending in "/", or "" for a bare name.
std::string FolderOf(const std::string &path);
// Creates a new file in folder (as FolderOf gives it) with a short temporary name (".bs" + six
// letters + ".tmp", so that a file name as long as the system allows still has room beside it)
// and the given mode less the umask. A name that is taken is never reused: another is tried.
// Returns the descriptor and the name in *temp, or -1 with errno set.
int CreateTemporary(const std::string &folder, mode_t mode, std::string *temp);
// Syncs the folder so that a rename into it survives a crash. A folder that cannot be synced
// (some file systems refuse) does not undo a save whose file is already in place.
void SyncFolder(const std::string &folder);

// Reads at most limit bytes of a file. Returns false with a reason when it cannot be opened,
// is not a regular file, or is larger than limit.
bool ReadFileBounded(const std::string &path, size_t limit, std::string *bytes, std::string *why);
// Reads the first limit bytes of a file (all of a shorter one). Returns false with a reason when
// it cannot be opened or read, or is not a regular file. Never waits on a FIFO or a device.
bool ReadFileStart(const std::string &path, size_t limit, std::string *bytes, std::string *why);
