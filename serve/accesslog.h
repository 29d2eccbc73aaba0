#pragma once
// The access log: one line a request in the common log format, with the time taken, to a file
// (reopened on SIGHUP, for log rotation) or to standard error.
#include <cstdio>
#include <mutex>
#include <string>

class AccessLog {
 public:
  // path "" logs to standard error.
  explicit AccessLog(std::string path);
  ~AccessLog();
  AccessLog(const AccessLog &) = delete;
  AccessLog &operator=(const AccessLog &) = delete;
  // False with a reason when the file cannot be opened (the old one stays in use).
  bool Reopen(std::string *why);
  // client - - [time] "METHOD TARGET VERSION" status bytes microseconds
  void Write(const std::string &client, const std::string &requestLine, int status, size_t bytes,
             long microseconds);

 private:
  std::string path_;
  std::FILE *file_;
  std::mutex mutex_;
};
