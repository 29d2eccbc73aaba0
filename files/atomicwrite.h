#pragma once
#include <string>

// Writes bytes to a temporary file beside path and renames it into place, so that a reader
// never sees a partial file and a failed write leaves any old file as it was. The data and then
// the folder are synced, so a saved file survives a crash. A file that is replaced keeps its
// permissions; a new one gets the usual 0666 less the umask. A path that is a symbolic link is
// written through to the file the link names, and the link stays. A path naming something that
// exists but is not a regular file (a folder, a device, a FIFO) is refused. On failure returns
// false and, when why is given, stores a sentence naming the reason; no temporary file is left.
bool WriteFileAtomically(const std::string &path, const std::string &bytes, std::string *why);

// Reads at most limit bytes of a file. Returns false with a reason when it cannot be opened,
// is not a regular file, or is larger than limit.
bool ReadFileBounded(const std::string &path, size_t limit, std::string *bytes, std::string *why);
// Reads the first limit bytes of a file (all of a shorter one). Returns false with a reason when
// it cannot be opened or read, or is not a regular file. Never waits on a FIFO or a device.
bool ReadFileStart(const std::string &path, size_t limit, std::string *bytes, std::string *why);

// Test seam: the system calls of WriteFileAtomically, which tests make fail one at a time to see
// that every failure keeps the old file, leaves no temporary file and is reported. The program
// itself never sets a fault.
enum class WriteStep { Open, Write, Sync, Close, Rename, SyncFolder };
// Makes the nth call (1 the next) of step fail with the error number err. While a Write fault
// waits, every write before the failing one comes back short (half of what was asked), as on a
// disk that fills up. The fault is used up when it fires; setting another replaces it.
void InjectWriteFault(WriteStep step, int nth, int err);
// Whether the injected fault has yet to fire.
bool WriteFaultPending();
void ClearWriteFault();
