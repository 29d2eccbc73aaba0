#include "serve/accesslog.h"

#include <cerrno>
#include <cstring>
#include <ctime>

AccessLog::AccessLog(std::string path) : path_(std::move(path)), file_(stderr) {}

AccessLog::~AccessLog() {
  if (file_ != stderr) std::fclose(file_);
}

bool AccessLog::Reopen(std::string *why) {
  if (path_.empty()) return true;
  std::FILE *f = std::fopen(path_.c_str(), "a");
  if (!f) {
    *why = "cannot open the log " + path_ + ": " + std::strerror(errno);
    return false;
  }
  std::setvbuf(f, nullptr, _IOLBF, 0);
  std::lock_guard<std::mutex> lock(mutex_);
  if (file_ != stderr) std::fclose(file_);
  file_ = f;
  return true;
}

void AccessLog::Write(const std::string &client, const std::string &requestLine, int status,
                      size_t bytes, long microseconds) {
  char when[64];
  std::time_t now = std::time(nullptr);
  std::tm utc;
  gmtime_r(&now, &utc);
  std::strftime(when, sizeof when, "%d/%b/%Y:%H:%M:%S +0000", &utc);
  // The request line is the client's: control bytes and quotes are escaped so that one request
  // stays one line.
  std::string line;
  for (unsigned char c : requestLine) {
    if (c < 0x20 || c == 0x7f || c == '"' || c == '\\') {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      line += escaped;
    } else {
      line += static_cast<char>(c);
    }
  }
  std::lock_guard<std::mutex> lock(mutex_);
  std::fprintf(file_, "%s - - [%s] \"%s\" %d %zu %ld\n", client.c_str(), when, line.c_str(), status,
               bytes, microseconds);
  std::fflush(file_);
}
