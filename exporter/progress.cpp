// The progress line, redrawn at most ten times a second on a terminal; a line every 10 s in a log.
#include "exporter/progress.h"

#include <unistd.h>

Progress::Progress(FILE *terminal, bool shown, bool lines)
    : terminal_(terminal), shown_(shown && isatty(fileno(terminal))),
      lines_(lines && !shown_), start_(std::chrono::steady_clock::now()), last_(start_) {}

void Progress::Update(long count, double done) {
  if (!shown_ && !lines_) return;
  auto now = std::chrono::steady_clock::now();
  if (now - last_ < (lines_ ? std::chrono::milliseconds(10000) : std::chrono::milliseconds(100)))
    return;
  last_ = now;
  double seconds = std::chrono::duration<double>(now - start_).count();
  std::fprintf(terminal_, "%s%ld positions, %.0f a second", lines_ ? "boardsmith-export: " : "\r",
               count, count / seconds);
  if (done > 0.0 && done <= 1.0) {
    long left = static_cast<long>(seconds * (1.0 - done) / done + 0.5);
    std::fprintf(terminal_, ", %ld:%02ld left", left / 60, left % 60);
  }
  std::fputs(lines_ ? "\n" : "\033[K", terminal_);
  std::fflush(terminal_);
  drawn_ = !lines_;
}

void Progress::Clear() {
  if (!drawn_) return;
  std::fputs("\r\033[K", terminal_);
  std::fflush(terminal_);
  drawn_ = false;
}
