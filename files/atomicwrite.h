#pragma once
#include <string>

// Writes bytes to a temporary file beside path and renames it into place, so that a reader
// never sees a partial file and a failed write leaves any old file as it was. On failure
// returns false and, when why is given, stores a sentence naming the reason.
bool WriteFileAtomically(const std::string &path, const std::string &bytes, std::string *why);

// Reads at most limit bytes of a file. Returns false with a reason when it cannot be opened,
// is not a regular file, or is larger than limit.
bool ReadFileBounded(const std::string &path, size_t limit, std::string *bytes, std::string *why);
