// An input's kind told by its first line that is not blank.
#include "exporter/inputkind.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

namespace {
// A file's first line that is not blank is looked for in its first bytes only.
constexpr size_t HeadBytes = 8192;
}  // namespace

Source::Kind KindOfFirstLine(const std::string &line) {
  size_t start = line.find_first_not_of(" \t\xEF\xBB\xBF");
  std::string head = start == std::string::npos ? "" : line.substr(start);
  char c = head.empty() ? 0 : head[0];
  size_t digits = head.find_first_not_of("0123456789");
  if (head.rfind("Boardsmith", 0) == 0) return Source::PositionFile;
  if (c == '[' || c == '{' || c == ';' || c == '%' ||
      (digits > 0 && digits != std::string::npos && head[digits] == '.'))
    return Source::Games;
  return Source::List;
}

Source::Kind KindOfFileContent(const std::string &path) {
  struct Closer {
    void operator()(std::FILE *f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
  std::string head(HeadBytes, '\0');
  size_t n = file ? std::fread(head.data(), 1, head.size(), file.get()) : 0;
  head.resize(n);
  for (size_t at = 0; at < head.size();) {
    size_t end = head.find('\n', at);
    std::string line = head.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (line.find_first_not_of(" \t\r\f\v") != std::string::npos)
      return KindOfFirstLine(line);
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return Source::PositionFile;
}

bool ListHoldsOneRecord(const std::string &path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;  // a pipe is read once
  struct Closer {
    void operator()(std::FILE *f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
  if (!file) return true;  // the reader says why it cannot be read
  std::FILE *f = file.get();
  int records = 0, c;
  for (const char *bom = "\xEF\xBB\xBF"; *bom && (c = getc_unlocked(f)) != EOF; bom++)
    if (c != static_cast<unsigned char>(*bom)) {
      ungetc(c, f);  // no byte-order mark (a partial one is the record's own bytes: rare, harmless)
      break;
    }
  // Each line: its first character that is not a blank tells a record from a blank or comment.
  while (records < 2 && (c = getc_unlocked(f)) != EOF) {
    while (c == ' ' || c == '\t' || c == '\r') c = getc_unlocked(f);
    if (c != '\n' && c != '#' && c != EOF) records++;
    while (c != '\n' && c != EOF) c = getc_unlocked(f);
  }
  return records < 2;
}
