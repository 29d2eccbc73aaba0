// The progress line, redrawn at most ten times a second.
#include "exporter/progress.h"

#include <unistd.h>

Progress::Progress(FILE *terminal, bool shown)
    : terminal_(terminal), shown_(shown && isatty(fileno(terminal))),
      start_(std::chrono::steady_clock::now()), last_(start_) {}

void Progress::Update(long count, double done) {
  if (!shown_) return;
  auto now = std::chrono::steady_clock::now();
  if (now - last_ < std::chrono::milliseconds(100)) return;
  last_ = now;
  double seconds = std::chrono::duration<double>(now - start_).count();
  std::fprintf(terminal_, "\r%ld positions, %.0f a second", count, count / seconds);
  if (done > 0.0 && done <= 1.0) {
    long left = static_cast<long>(seconds * (1.0 - done) / done + 0.5);
    std::fprintf(terminal_, ", %ld:%02ld left", left / 60, left % 60);
  }
  std::fputs("\033[K", terminal_);
  std::fflush(terminal_);
  drawn_ = true;
}

void Progress::Clear() {
  if (!drawn_) return;
  std::fputs("\r\033[K", terminal_);
  std::fflush(terminal_);
  drawn_ = false;
}
