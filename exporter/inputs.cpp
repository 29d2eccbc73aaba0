// The exporter's reader: position files, FEN and EPD lists, games and standard input, streamed.
#include "exporter/inputs.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unordered_set>

#include "exporter/games.h"
#include "exporter/inputkind.h"
#include "exporter/pattern.h"
#include "files/atomicwrite.h"

namespace {
// A position file is a few hundred bytes; standard input read as one is cut off here.
constexpr size_t MaxPositionText = 1 << 20;

// One line of at most limit bytes into *line, without its line end; a longer line is read to its
// end and flagged. *bytes counts what was read. False at the end of the file.
bool ReadLine(FILE *f, std::string *line, size_t limit, bool *tooLong, double *bytes) {
  line->clear();
  *tooLong = false;
  int c;
  size_t n = 0;
  while ((c = getc_unlocked(f)) != EOF) {
    n++;
    if (c == '\n') break;
    if (line->size() < limit) line->push_back(static_cast<char>(c));
    else *tooLong = true;
  }
  *bytes += static_cast<double>(n);
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return c != EOF || !line->empty() || *tooLong;
}

bool Blank(const std::string &line) { return line.find_first_not_of(" \t\r\f\v") == std::string::npos; }

std::string BaseName(const std::string &path) {
  return std::filesystem::path(path).stem().string();
}

// Standard input with its first lines, already read, put back in front: for the game reader.
struct Prefixed {
  std::string prefix;
  size_t at;
  FILE *rest;
};

ssize_t ReadPrefixed(void *cookie, char *buffer, size_t size) {
  Prefixed *p = static_cast<Prefixed *>(cookie);
  if (p->at < p->prefix.size()) {
    size_t n = std::min(size, p->prefix.size() - p->at);
    std::memcpy(buffer, p->prefix.data() + p->at, n);
    p->at += n;
    return static_cast<ssize_t>(n);
  }
  size_t n = std::fread(buffer, 1, size, p->rest);
  return n == 0 && std::ferror(p->rest) ? -1 : static_cast<ssize_t>(n);
}

int ClosePrefixed(void *cookie) {
  delete static_cast<Prefixed *>(cookie);
  return 0;
}

FILE *PrefixedFile(const std::string &prefix, FILE *rest) {
  Prefixed *p = new Prefixed{prefix, 0, rest};
  FILE *f = fopencookie(p, "r", {ReadPrefixed, nullptr, nullptr, ClosePrefixed});
  if (!f) delete p;
  return f;
}

class Reader {
 public:
  Reader(const ExportOptions &o, const JobSink &sink) : o_(o), sink_(sink) {
    for (const Source &s : o.sources) {
      struct stat st;
      if (s.kind != Source::FENText && s.kind != Source::StandardInput &&
          stat(s.text.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        total_ += static_cast<double>(st.st_size);
    }
  }

  void Run() {
    int fens = 0;
    for (const Source &s : o_.sources) {
      switch (s.kind) {
        case Source::FENText: {
          Job job;
          job.kind = Job::FEN;
          job.text = s.text;
          job.input = ++fens > 1 || CountFENs() > 1 ? "--fen #" + std::to_string(fens) : "--fen";
          Give(std::move(job), Pattern(""), "fen");
          break;
        }
        case Source::PositionFile: {
          Job job;
          job.kind = Job::PositionFile;
          job.text = job.input = s.text;
          std::string out = std::filesystem::path(s.text).replace_extension(".bmp").string();
          Give(std::move(job), Pattern(out), BaseName(s.text));
          break;
        }
        case Source::List:
        case Source::Games:
          ReadFile(s);
          break;
        case Source::StandardInput:
          ReadStandardInput(s);
          break;
      }
    }
  }

 private:
  int CountFENs() const {
    int n = 0;
    for (const Source &s : o_.sources) n += s.kind == Source::FENText;
    return n;
  }

  // The output pattern of a source: OUTPUT, -o PATTERN, or its own name beside it.
  std::string Pattern(const std::string &beside) const {
    if (!o_.output.empty()) return o_.output;
    if (!o_.pattern.empty()) return o_.pattern;
    return beside;
  }

  std::string BesidePattern(const Source &s, const std::string &tail) const {
    return Pattern(FolderOf(s.text) + BaseName(s.text) + tail);
  }

  void Give(Job &&job, const std::string &pattern, const std::string &name, int game = 0,
            int ply = 0) {
    job.number = ++count_;
    job.done = total_ > 0 && !unknownSize_ ? (before_ + position_) / total_ : -1.0;
    if (job.kind != Job::Failed && !o_.printFEN) {
      job.output = o_.output.empty() ? ExpandPattern(pattern, {job.number, name, game, ply})
                                     : o_.output;
      if (!PatternNumbers(pattern) && !used_.insert(job.output).second) {
        job.kind = Job::Failed;
        job.failure = "cannot write " + job.output + ": an earlier position of this run went there";
        job.output.clear();
      }
    }
    sink_(std::move(job));
  }

  void Fail(const std::string &input, const std::string &message) {
    Job job;
    job.input = input;
    job.failure = message;
    Give(std::move(job), "", "");
  }

  void ReadFile(const Source &s) {
    struct stat st;
    FILE *f = nullptr;
    if (stat(s.text.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) errno = EISDIR;
    else f = std::fopen(s.text.c_str(), "rb");
    if (!f) {
      Fail(s.text, "cannot read " + s.text + ": " + std::strerror(errno));
      return;
    }
    unknownSize_ = !S_ISREG(st.st_mode);
    if (s.kind == Source::List) ReadList(f, s, "", 0);
    else ReadGameFile(f, s);
    if (std::ferror(f)) Fail(s.text, "cannot read " + s.text + ": " + std::strerror(errno));
    std::fclose(f);
    if (!unknownSize_) before_ += static_cast<double>(st.st_size);
    position_ = 0;
    unknownSize_ = false;
  }

  // Records of a list, one a line; the first line may already have been read (standard input).
  void ReadList(FILE *f, const Source &s, std::string first, int lineNumber) {
    std::string label = s.kind == Source::StandardInput ? "stdin" : s.text;
    std::string pattern = BesidePattern(s, "-{n}.bmp");
    std::string line = std::move(first);
    bool tooLong = false, have = lineNumber > 0;
    while (have || ReadLine(f, &line, MaxListLine, &tooLong, &position_)) {
      if (!have) lineNumber++;
      have = false;
      if (lineNumber == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // a byte-order mark
      std::string where = label + ":" + std::to_string(lineNumber);
      size_t start = line.find_first_not_of(" \t");
      if (!tooLong && (start == std::string::npos || line[start] == '#')) continue;
      if (tooLong) {
        Fail(where, where + ": a line longer than " + std::to_string(MaxListLine) +
                        " characters is no FEN");
        continue;
      }
      Job job;
      job.kind = Job::FEN;
      job.input = where;
      job.text = line;
      Give(std::move(job), pattern, BaseName(label));
    }
  }

  void ReadGameFile(FILE *f, const Source &s) {
    std::string label = s.kind == Source::StandardInput ? "stdin" : s.text;
    std::string pattern = BesidePattern(s, o_.everyPly ? "-{game}-{ply}.bmp" : ".bmp");
    ReadGames(f, label, o_, [&](GameFind &&find) {
      position_ = static_cast<double>(std::ftell(f));
      Job job;
      job.input = find.input;
      if (find.failure.empty()) {
        job.kind = Job::GamePosition;
        job.board = find.board;
      } else {
        job.failure = find.failure;
      }
      Give(std::move(job), pattern, BaseName(label), find.game, find.ply);
    });
  }

  // Standard input: its kind is guessed from its first line that is not blank.
  void ReadStandardInput(const Source &s) {
    unknownSize_ = true;
    std::string line, skipped;
    bool tooLong = false;
    int lineNumber = 0;
    while (ReadLine(stdin, &line, MaxListLine, &tooLong, &position_)) {
      lineNumber++;
      if (!Blank(line) || tooLong) break;
      skipped += line + "\n";
    }
    const Source::Kind kind = KindOfFirstLine(line);
    if (lineNumber > 0 && kind == Source::PositionFile) {
      std::string text = skipped + line + "\n";
      char buffer[4096];
      size_t n;
      while (text.size() <= MaxPositionText && (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        text.append(buffer, n);
      Job job;
      job.input = "stdin";
      if (text.size() > MaxPositionText) {
        job.failure = "cannot read stdin: it is too large for a position file";
      } else {
        job.kind = Job::PositionText;
        job.text = std::move(text);
      }
      Give(std::move(job), Pattern(""), "stdin");
    } else if (kind == Source::Games) {
      std::string prefix = skipped + line + "\n";
      FILE *f = PrefixedFile(prefix, stdin);
      if (!f) {
        Fail("stdin", std::string("cannot read stdin: ") + std::strerror(errno));
        return;
      }
      ReadGameFile(f, s);
      std::fclose(f);
    } else if (lineNumber > 0) {
      ReadList(stdin, s, line, lineNumber);
    }
    if (std::ferror(stdin)) Fail("stdin", std::string("cannot read stdin: ") + std::strerror(errno));
    unknownSize_ = false;
  }

  const ExportOptions &o_;
  const JobSink &sink_;
  long count_ = 0;
  double total_ = 0, before_ = 0, position_ = 0;  // bytes of the input files, for progress
  bool unknownSize_ = false;
  // Names given so far, when a pattern without {n} could give one twice.
  std::unordered_set<std::string> used_;
};
}  // namespace

void ReadSources(const ExportOptions &options, const JobSink &sink) { Reader(options, sink).Run(); }
