#pragma once
// The --report file: one row a position, JSON (an array of objects) or CSV by its extension;
// its line is the path of a game position's variation ("" on the main line and elsewhere).
// Rows are written as they come under a temporary name beside it, which replaces the file only
// when the report is complete: a batch of any size keeps no rows in memory and never leaves a
// partial report. It is written as every file is (files/atomicwrite.h): through a link, keeping
// the mode of the file it replaces, and a folder or device of its name is refused when it opens.
#include <string>

#include "exporter/job.h"
#include "files/atomicwrite.h"

class ReportFile {
 public:
  ReportFile() = default;
  ReportFile(const ReportFile &) = delete;
  ReportFile &operator=(const ReportFile &) = delete;
  // A report not closed leaves nothing behind.

  bool Open(const std::string &path, std::string *why);
  void Add(const Row &row);
  // Finishes the file and renames it into place; false, with *why, when it cannot.
  bool Close(std::string *why);
  // The file the report replaces, its links followed.
  const std::string &Target() const { return file_.Target(); }

 private:
  AtomicFile file_;
  bool open_ = false, json_ = true;
  long rows_ = 0;
};
