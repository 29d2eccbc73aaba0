// The --report file, streamed under a temporary name and renamed into place.
#include "exporter/reportfile.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "exporter/options.h"
#include "files/atomicwrite.h"

namespace {
// JSON's form of a string, with its quotes.
std::string JSONString(const std::string &text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else if (c < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else out += static_cast<char>(c);
  }
  return out + "\"";
}

// CSV's form of a field, quoted.
std::string CSVField(const std::string &text) {
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}
}  // namespace

ReportFile::~ReportFile() {
  if (!file_) return;
  std::fclose(file_);
  unlink(temp_.c_str());
}

bool ReportFile::Open(const std::string &path, std::string *why) {
  path_ = path;
  json_ = !IsCSVReport(path);
  // In the same folder, so that the rename stays within one file system. The creation mode
  // lets the process's umask decide the permissions, as for any new file.
  int fd = CreateTemporary(FolderOf(path), 0666, &temp_);
  if (fd < 0 || !(file_ = fdopen(fd, "w"))) {
    *why = std::strerror(errno);
    if (fd >= 0) close(fd), unlink(temp_.c_str());
    return false;
  }
  std::fputs(json_ ? "[" : "input,output,fen,errors,warnings,lines,written,failure,line\n", file_);
  return true;
}

void ReportFile::Add(const Row &row) {
  if (!file_) return;
  // The check's lines: its report without the summary at the end.
  const std::string &report = row.report;
  std::string text;
  if (json_) {
    text = rows_ ? ",\n" : "\n";
    text += "{\"input\": " + JSONString(row.input) + ", \"output\": " + JSONString(row.output) +
            ", \"fen\": " + JSONString(row.fen) + ", \"errors\": " + std::to_string(row.errors) +
            ", \"warnings\": " + std::to_string(row.warnings) + ", \"lines\": [";
    for (size_t at = 0, end; (end = report.find('\n', at)) != std::string::npos; at = end + 1)
      text += (at ? ", " : "") + JSONString(report.substr(at, end - at));
    text += std::string("], \"written\": ") + (row.written ? "true" : "false") +
            ", \"failure\": " + (row.failure.empty() ? "null" : JSONString(row.failure)) +
            ", \"line\": " + JSONString(row.line) + "}";
  } else {
    size_t last = report.rfind('\n');
    std::string lines = last == std::string::npos ? "" : report.substr(0, last);
    text = CSVField(row.input) + "," + CSVField(row.output) + "," + CSVField(row.fen) + "," +
           std::to_string(row.errors) + "," + std::to_string(row.warnings) + "," +
           CSVField(lines) + "," + (row.written ? "yes" : "no") + "," + CSVField(row.failure) + "," +
           CSVField(row.line) + "\n";
  }
  std::fputs(text.c_str(), file_);
  rows_++;
}

bool ReportFile::Close(std::string *why) {
  if (!file_) {
    *why = "it was never opened";
    return false;
  }
  if (json_) std::fputs(rows_ ? "\n]\n" : "]\n", file_);
  bool ok = std::fflush(file_) == 0 && !std::ferror(file_) && fsync(fileno(file_)) == 0;
  int err = errno;
  ok = std::fclose(file_) == 0 && ok;
  if (!ok && !err) err = errno;
  file_ = nullptr;
  if (ok && rename(temp_.c_str(), path_.c_str()) == 0) {
    SyncFolder(FolderOf(path_));
    return true;
  }
  if (ok) err = errno;
  unlink(temp_.c_str());
  *why = std::strerror(err ? err : EIO);
  return false;
}
