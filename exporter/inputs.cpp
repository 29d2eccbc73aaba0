// The exporter's reader: position files, FEN and EPD lists, games and standard input, streamed.
#include "exporter/inputs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "exporter/games.h"
#include "exporter/inputkind.h"
#include "exporter/pattern.h"
#include "exporter/stopsignals.h"
#include "exporter/uniquenames.h"

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

// The lines of a list, read a block at a time (standard input's first lines are read by
// ReadLine before the kind of input is known, the rest by this).
class Lines {
 public:
  explicit Lines(FILE *f) : f_(f), block_(1 << 16) {}
  // As ReadLine.
  bool Next(std::string *line, size_t limit, bool *tooLong, double *bytes) {
    line->clear();
    *tooLong = false;
    bool read = false;
    for (;;) {
      if (at_ == end_ && (at_ = 0, end_ = std::fread(block_.data(), 1, block_.size(), f_)) == 0) break;
      read = true;
      const char *start = block_.data() + at_;
      const char *end = static_cast<const char *>(std::memchr(start, '\n', end_ - at_));
      const size_t n = end ? static_cast<size_t>(end - start) : end_ - at_;
      const size_t room = limit - std::min(limit, line->size());
      line->append(start, std::min(n, room));
      *tooLong = *tooLong || n > room;
      at_ += n + (end ? 1 : 0);
      *bytes += static_cast<double>(n + (end ? 1 : 0));
      if (end) break;
    }
    if (!line->empty() && line->back() == '\r') line->pop_back();
    return read;
  }

 private:
  FILE *f_;
  std::vector<char> block_;
  size_t at_ = 0, end_ = 0;
};

bool Blank(const std::string &line) { return line.find_first_not_of(" \t\r\f\v") == std::string::npos; }

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

// A list, a PGN file or standard input as the reader takes it: the descriptor's bytes as read(2)
// gives them (a pipe gives what it has, without waiting to fill a buffer), the first
// TextCheckBytes looked at for bytes that no text holds, and an end as soon as the run stops.
struct TextStream {
  int fd;
  const bool *stopped;  // the reader's: the sink said stop
  long long bytes = 0;  // given so far
  std::string label;
  std::string notText;  // why it is no text: the stream then ends
};

ssize_t ReadText(void *cookie, char *buffer, size_t size) {
  TextStream *t = static_cast<TextStream *>(cookie);
  if (*t->stopped || StopSignals::Caught() || !t->notText.empty()) return 0;
  ssize_t n = read(t->fd, buffer, size);
  if (n <= 0) return n;
  // A NUL or a control character other than tab, line and page ends and the DOS end mark 0x1A.
  for (ssize_t i = 0; i < n && t->bytes + i < static_cast<long long>(TextCheckBytes); i++) {
    unsigned char c = static_cast<unsigned char>(buffer[i]);
    if (c >= 0x20 || (c >= '\t' && c <= '\r') || c == 0x1A) continue;
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", c);
    t->notText = "cannot read " + t->label + ": it is not text (byte " +
                 std::to_string(t->bytes + i + 1) + " is " + byte + ")";
    return 0;
  }
  t->bytes += n;
  return n;
}

FILE *TextFile(TextStream *stream) {
  return fopencookie(stream, "r", {ReadText, nullptr, nullptr, nullptr});
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
      if (stopped_) return;
      switch (s.kind) {
        case Source::FENText: {
          Job job;
          job.kind = Job::FEN;
          job.text = s.text;
          job.input = ++fens > 1 || CountFENs() > 1 ? "--fen #" + std::to_string(fens) : "--fen";
          Give(std::move(job), NamingOf(o_, s), "fen");
          break;
        }
        case Source::PositionFile: {
          Job job;
          job.kind = Job::PositionFile;
          job.text = job.input = s.text;
          Give(std::move(job), NamingOf(o_, s), SourceName(s));
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

  // Names the job's output (OUTPUT, or the source's naming with the job's fields) and gives it to
  // the sink; the reading stops when the sink says so.
  void Give(Job &&job, const OutputNaming &naming, const std::string &name, int game = 0,
            int ply = 0) {
    if (stopped_) return;
    job.number = ++count_;
    job.done = total_ > 0 && !unknownSize_ ? (before_ + position_) / total_ : -1.0;
    if (o_.printFEN == ExportOptions::LabelledFEN && job.label.empty()) job.label = job.input;
    if (job.kind != Job::Failed && !o_.printFEN) {
      job.output = !o_.output.empty() ? o_.output
                   : naming.folder + ExpandPattern(naming.pattern,
                                                   {job.number, name, game, ply, job.line});
      // The names that could repeat come one after another (uniquenames.h).
      std::string first = repeats_.Check(job.output, job.input);
      if (!first.empty()) {
        job.kind = Job::Failed;
        job.failure = "cannot write " + job.output + ": " + first + " of this run goes there";
        job.output.clear();
      }
    }
    stopped_ = !sink_(std::move(job));
  }

  void Fail(const std::string &input, const std::string &message) {
    Job job;
    job.input = input;
    job.failure = message;
    Give(std::move(job), {}, "");
  }

  void ReadFile(const Source &s) {
    struct stat st;
    int fd = -1;
    if (stat(s.text.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) errno = EISDIR;
    else fd = open(s.text.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || fstat(fd, &st) != 0) {
      Fail(s.text, "cannot read " + s.text + ": " + std::strerror(errno));
      if (fd >= 0) close(fd);
      return;
    }
    unknownSize_ = !S_ISREG(st.st_mode);
    TextStream text{fd, &stopped_, 0, s.text, ""};
    FILE *f = TextFile(&text);
    if (!f) {
      Fail(s.text, "cannot read " + s.text + ": " + std::strerror(errno));
    } else {
      if (s.kind == Source::List) ReadList(f, s, "", 0);
      else ReadGameFile(f, &text, s);
      if (!text.notText.empty()) Fail(s.text, text.notText);
      else if (std::ferror(f)) Fail(s.text, "cannot read " + s.text + ": " + std::strerror(errno));
      else Changed(s.text, fd, st);
      std::fclose(f);
    }
    close(fd);
    if (!unknownSize_) before_ += static_cast<double>(st.st_size);
    position_ = 0;
    unknownSize_ = false;
  }

  // A file that grew, shrank or was written while it was read: its positions may not be what it
  // now holds.
  void Changed(const std::string &label, int fd, const struct stat &before) {
    struct stat after;
    if (!S_ISREG(before.st_mode) || fstat(fd, &after) != 0) return;
    if (after.st_size == before.st_size && after.st_mtim.tv_sec == before.st_mtim.tv_sec &&
        after.st_mtim.tv_nsec == before.st_mtim.tv_nsec)
      return;
    Fail(label, label + ": it changed while it was read (" + std::to_string(before.st_size) +
                    " bytes when opened, " + std::to_string(after.st_size) +
                    " at the end): its positions may be incomplete");
  }

  // Records of a list, one a line; the first line may already have been read (standard input).
  void ReadList(FILE *f, const Source &s, std::string first, int lineNumber) {
    std::string label = SourceLabel(o_, static_cast<size_t>(&s - o_.sources.data()));
    const OutputNaming naming = NamingOf(o_, s);
    const std::string name = SourceName(s);  // once a file, not once a record
    std::string line = std::move(first);
    bool tooLong = false, have = lineNumber > 0;
    long records = 0;
    Lines lines(f);
    while (!stopped_ && !StopSignals::Caught() &&
           (have || lines.Next(&line, MaxListLine, &tooLong, &position_))) {
      if (!have) lineNumber++;
      have = false;
      if (lineNumber == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // a byte-order mark
      std::string where;  // "list.fen:12", made with one allocation
      where.reserve(label.size() + 12);
      where.append(label).append(":").append(std::to_string(lineNumber));
      size_t start = line.find_first_not_of(" \t");
      if (!tooLong && (start == std::string::npos || line[start] == '#')) continue;
      records++;
      if (tooLong) {
        Fail(where, where + ": a line longer than " + std::to_string(MaxListLine) +
                        " characters is no FEN");
        continue;
      }
      Job job;
      job.kind = Job::FEN;
      job.input = std::move(where);
      job.text.swap(line);  // the next line is read into the old text's room
      Give(std::move(job), naming, name);
    }
    if (!records && !std::ferror(f)) Fail(label, label + ": no positions");
  }

  // Games from f; text tells how far the reading has come.
  void ReadGameFile(FILE *f, const TextStream *text, const Source &s) {
    std::string label = SourceLabel(o_, static_cast<size_t>(&s - o_.sources.data()));
    const OutputNaming naming = NamingOf(o_, s);
    const std::string name = SourceName(s);  // once a file, not once a position
    ReadGames(f, label, o_, [&](GameFind &&find) {
      position_ = static_cast<double>(text->bytes);
      Job job;
      job.input = std::move(find.input);
      job.line = std::move(find.line);
      if (!find.failure.empty()) {
        job.failure = std::move(find.failure);
      } else if (o_.animate) {
        job.kind = Job::GameAnimation;
        job.board = find.board;
        job.positions = std::move(find.positions);
        job.moves = std::move(find.moves);
      } else {
        job.kind = Job::GamePosition;
        job.board = find.board;
        if (o_.printFEN == ExportOptions::LabelledFEN)
          job.label = label + "\tgame " + std::to_string(find.game) + "\tply " +
                      std::to_string(find.ply) + "\tline " + (job.line.empty() ? "main" : job.line);
      }
      Give(std::move(job), naming, name, find.game, find.ply);
    });
  }

  // Standard input: its kind is guessed from its first line that is not blank.
  void ReadStandardInput(const Source &s) {
    unknownSize_ = true;
    TextStream text{STDIN_FILENO, &stopped_, 0, "stdin", ""};
    FILE *in = TextFile(&text);
    if (!in) {
      Fail("stdin", std::string("cannot read stdin: ") + std::strerror(errno));
      return;
    }
    std::string line, skipped;
    bool tooLong = false;
    int lineNumber = 0;
    while (ReadLine(in, &line, MaxListLine, &tooLong, &position_)) {
      lineNumber++;
      if (!Blank(line) || tooLong) break;
      skipped += line + "\n";
    }
    const Source::Kind kind = KindOfFirstLine(line);
    if (lineNumber > 0 && kind == Source::PositionFile) {
      std::string text = skipped + line + "\n";
      char buffer[4096];
      size_t n;
      while (text.size() <= MaxPositionText && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        text.append(buffer, n);
      Job job;
      job.input = "stdin";
      if (text.size() > MaxPositionText) {
        job.failure = "cannot read stdin: it is too large for a position file";
      } else {
        job.kind = Job::PositionText;
        job.text = std::move(text);
      }
      Give(std::move(job), NamingOf(o_, s), "stdin");
    } else if (kind == Source::Games) {
      std::string prefix = skipped + line + "\n";
      FILE *f = PrefixedFile(prefix, in);
      if (!f) {
        Fail("stdin", std::string("cannot read stdin: ") + std::strerror(errno));
      } else {
        ReadGameFile(f, &text, s);
        std::fclose(f);
      }
    } else if (lineNumber > 0) {
      ReadList(in, s, line, lineNumber);
    } else if (!std::ferror(in)) {
      Fail("stdin", "stdin: no positions");
    }
    if (!text.notText.empty())
      Fail("stdin", text.notText);
    else if (std::ferror(in))
      Fail("stdin", std::string("cannot read stdin: ") + std::strerror(errno));
    std::fclose(in);
    unknownSize_ = false;
  }

  const ExportOptions &o_;
  const JobSink &sink_;
  long count_ = 0;
  double total_ = 0, before_ = 0, position_ = 0;  // bytes of the input files, for progress
  bool unknownSize_ = false;
  bool stopped_ = false;  // the sink said stop
  RepeatGuard repeats_;
};
}  // namespace

void ReadSources(const ExportOptions &options, const JobSink &sink) { Reader(options, sink).Run(); }
