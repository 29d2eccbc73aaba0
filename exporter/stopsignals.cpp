// The batch's stop signals: a handler that notes the first, held back in the worker threads.
#include "exporter/stopsignals.h"

#include <pthread.h>

#include <atomic>

namespace {
const int Signals[4] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
// The process's one note of a signal, set from the handler: lock-free, so safe there.
std::atomic<int> caught{0};
static_assert(std::atomic<int>::is_always_lock_free);

void Note(int signal) {
  int none = 0;
  caught.compare_exchange_strong(none, signal);
}

sigset_t SignalSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int s : Signals) sigaddset(&set, s);
  return set;
}
}  // namespace

StopSignals::StopSignals() {
  caught = 0;
  struct sigaction action = {};
  action.sa_handler = Note;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a read that waits on a pipe or a terminal returns, and the reader stops.
  // SA_RESETHAND: a second signal does what it always does.
  action.sa_flags = SA_RESETHAND;
  for (int i = 0; i < 4; i++) sigaction(Signals[i], &action, &old_[i]);
}

StopSignals::~StopSignals() {
  for (int i = 0; i < 4; i++) sigaction(Signals[i], &old_[i], nullptr);
}

int StopSignals::Caught() { return caught.load(std::memory_order_relaxed); }

void StopSignals::Stop(int signal) { Note(signal); }

std::string StopSignals::Name(int signal) {
  switch (signal) {
    case SIGINT: return "SIGINT";
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    case SIGPIPE: return "SIGPIPE";
  }
  return "signal " + std::to_string(signal);
}

StopSignals::Held::Held() {
  sigset_t set = SignalSet();
  pthread_sigmask(SIG_BLOCK, &set, &old_);
}

StopSignals::Held::~Held() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
