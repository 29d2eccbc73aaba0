#pragma once
// The signals that stop a batch cleanly: SIGINT, SIGTERM, SIGHUP and SIGPIPE. While a StopSignals
// lives they end nothing at once: the first one is noted, the reader stops, the jobs in flight
// finish, the report is written and marked, and the run ends with 128 + the signal. A second
// such signal ends the process as the system would.
#include <signal.h>

#include <string>

class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals &) = delete;
  StopSignals &operator=(const StopSignals &) = delete;

  // The signal that asked the run to stop, or 0.
  static int Caught();
  // Stops the run as that signal would (standard output's reader gone shows as EPIPE on a write
  // from a thread that does not take the signal).
  static void Stop(int signal);
  // "SIGINT" and so on.
  static std::string Name(int signal);

  // The signals held back in the calling thread while it lives, and in the threads it starts then:
  // the workers, so that the reading thread takes them and a read that waits is interrupted.
  class Held {
   public:
    Held();
    ~Held();
    Held(const Held &) = delete;
    Held &operator=(const Held &) = delete;

   private:
    sigset_t old_;
  };

 private:
  struct sigaction old_[4];
};
