// The exporter's run: reader, workers and the ordered hand-out of their rows.
#include "exporter/batch.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "exporter/exportjob.h"
#include "exporter/inputguard.h"
#include "exporter/inputs.h"
#include "exporter/progress.h"
#include "exporter/reportfile.h"
#include "exporter/runlock.h"
#include "exporter/stopsignals.h"
#include "render/canvas.h"

namespace {
// What the rows come to, taken one at a time in input order (by whichever thread hands them out).
class Results {
 public:
  Results(const ExportOptions &o, FILE *out, FILE *err)
      : o_(o), out_(out), err_(err), progress_(err, !o.quiet, o.progress) {}

  // Opens the report (before any picture is written, so that a report that cannot be written
  // costs no work); one that is an input of the run is refused.
  bool OpenReport(const InputGuard &inputs) {
    if (o_.report.empty()) return true;
    std::string why, input = inputs.InputAt(o_.report);
    if (!input.empty()) why = "it is " + input + ", an input of this run";
    else if (report_.Open(o_.report, &why)) return true;
    std::fprintf(err_, "boardsmith-export: cannot write %s: %s\n", o_.report.c_str(), why.c_str());
    return false;
  }

  void Take(Row &&row) {
    rows_++;
    last_ = row.input;
    if (!row.failure.empty()) {
      progress_.Clear();
      std::fprintf(err_, "boardsmith-export: %s\n", row.failure.c_str());
      failed_++;
    } else if (o_.printFEN) {
      // FEN lines go out as they come; standard output's buffer gathers them into large writes.
      if (!row.label.empty()) Print(row.label + "\t");
      Print(row.fen);
      Print("\n");
    } else {
      errors_ += row.errors, warnings_ += row.warnings;
      // One position's report is shown whole, as the save commands do; more get a summary.
      if (rows_ == 1) first_ = row.report;
    }
    report_.Add(row);
    progress_.Update(rows_, row.done);
  }

  int Finish() {
    progress_.Clear();
    int status = failed_ ? 1 : 0;
    // Stopped by a signal: the report ends with a row that says so, and a line says how far the
    // run came instead of the summary.
    const int signal = StopSignals::Caught();
    if (signal) {
      Row stop;
      stop.failure = "stopped by " + StopSignals::Name(signal) + " after " +
                     std::to_string(rows_) + " positions";
      report_.Add(stop);
      std::fprintf(err_, "boardsmith-export: %s%s; %ld written\n", stop.failure.c_str(),
                   last_.empty() ? "" : (", the last " + last_).c_str(), rows_ - failed_);
      status = 128 + signal;
      // The output's reader gone, or a write cut short by the signal, is part of the stop.
      if (outError_ == EPIPE || outError_ == EINTR) outError_ = 0;
    } else if (!o_.printFEN && !o_.quiet && rows_ - failed_ > 0) {
      if (rows_ == 1)
        Print(first_ + "\n");
      else
        Print(std::to_string(rows_ - failed_) + " of " + std::to_string(rows_) +
              " diagrams written; their checks found " + std::to_string(errors_) + " errors and " +
              std::to_string(warnings_) + " warnings\n");
    }
    std::string why;
    if (!o_.report.empty() && !report_.Close(&why)) {
      std::fprintf(err_, "boardsmith-export: cannot write %s: %s\n", o_.report.c_str(), why.c_str());
      if (!signal) status = 1;
    }
    if (std::fflush(out_) != 0 && !outError_) outError_ = errno ? errno : EIO;
    if (outError_) {
      // FEN lines are the output itself; a report that cannot be shown costs no picture.
      std::fprintf(err_, "boardsmith-export: cannot write %s to standard output: %s\n",
                   o_.printFEN ? "the FEN lines" : "the check's report", std::strerror(outError_));
      if (o_.printFEN && !signal) status = 1;
    }
    return status;
  }

 private:
  void Print(const std::string &text) {
    if (std::fwrite(text.data(), 1, text.size(), out_) != text.size() && !outError_)
      outError_ = errno ? errno : EIO;
    // The reader of standard output has gone: a worker thread holds SIGPIPE back, so the write
    // says so instead, and the run stops as the signal would stop it.
    if (outError_ == EPIPE) StopSignals::Stop(SIGPIPE);
  }

  const ExportOptions &o_;
  FILE *out_, *err_;
  Progress progress_;
  ReportFile report_;
  long rows_ = 0, failed_ = 0, errors_ = 0, warnings_ = 0;
  std::string first_, last_;  // the first row's report; the last row's input
  int outError_ = 0;
};

// True when the command line names one position: one position file or FEN, or one game's
// position or animation.
bool OnePosition(const ExportOptions &o) {
  if (o.sources.size() != 1) return false;
  Source::Kind kind = o.sources[0].kind;
  const bool oneGame = o.firstGame ? o.lastGame == o.firstGame : !o.everyPly;
  return kind == Source::PositionFile || kind == Source::FENText ||
         (kind == Source::Games && oneGame && (!o.everyPly || o.animate));
}
}  // namespace

int RunExport(const ExportOptions &o, FILE *out, FILE *err) {
  StopSignals signals;
  Results results(o, out, err);
  std::error_code ec;
  if (!o.folder.empty() && !std::filesystem::is_directory(o.folder) &&
      !std::filesystem::create_directories(o.folder, ec)) {
    std::fprintf(err, "boardsmith-export: cannot make the folder %s: %s\n", o.folder.c_str(),
                 ec.message().c_str());
    return 1;
  }
  // A second run into the same names is refused; what killed runs left in the folders goes.
  RunLocks locks;
  std::string why;
  for (const OutputPlace &place : OutputPlaces(o)) {
    if (!locks.Take(place, &why)) {
      std::fprintf(err, "boardsmith-export: %s\n", why.c_str());
      return 1;
    }
    RemoveDeadTemporaries(place.folder);
  }
  const InputGuard guarded(o);
  if (!results.OpenReport(guarded)) return 1;
  // FEN lines draw nothing: the reader makes them faster than threads could be handed them.
  int workers = o.printFEN ? 1 : o.jobs > 0 ? o.jobs : OnePosition(o) ? 1
                                  : static_cast<int>(std::thread::hardware_concurrency());
  if (o.printFEN && !isatty(fileno(out))) std::setvbuf(out, nullptr, _IOFBF, 1 << 16);
  // One position (or one thread) needs no threads: read, export and hand out in turn.
  if (workers <= 1) {
    auto canvas = std::make_unique<Canvas>();
    ReadSources(o, [&](Job &&job) {
      if (StopSignals::Caught()) return false;
      Row row;
      ExportJob(job, o, guarded, *canvas, &row);
      results.Take(std::move(row));
      return true;
    });
    return results.Finish();
  }
  // The calling thread reads; the workers export. A worker that finishes the next row in input
  // order hands it out, with the finished rows after it, so no thread wakes only to pass a row
  // on. A thread waits only when there is nothing to do: a worker when no position is waiting,
  // the reader when the positions read but not handed out fill the window, and then until half
  // of it is free, so that it wakes once for several positions rather than once for each. Each
  // worker draws on a canvas of its own. A stop signal (taken by the reader: the workers hold it
  // back) ends the reading; the jobs a worker has taken are finished, those waiting dropped.
  const long window = 4L * workers + 8;

  std::mutex m;
  std::condition_variable jobsWaiting, roomToRead;
  std::deque<Job> waiting;             // read, not yet taken by a worker
  std::map<long, Row> finished;        // done, not yet handed out
  long handedOut = 0;                  // rows handed out, in order
  long blockedAt = 0;                  // the job the reader holds while it waits; 0 when reading
  int idle = 0;                        // workers waiting for a job
  bool readAll = false;
  std::mutex output;                   // one hand-out at a time, in row order

  std::vector<std::thread> pool;
  // Held while the workers start, so that they hold the signals back too.
  auto held = std::make_unique<StopSignals::Held>();
  for (int w = 0; w < workers; w++)
    pool.emplace_back([&] {
      auto canvas = std::make_unique<Canvas>();
      for (;;) {
        Job job;
        {
          std::unique_lock<std::mutex> lock(m);
          idle++;
          jobsWaiting.wait(lock, [&] { return !waiting.empty() || readAll; });
          idle--;
          if (waiting.empty() || StopSignals::Caught()) return;
          job = std::move(waiting.front());
          waiting.pop_front();
        }
        Row row;
        ExportJob(job, o, guarded, *canvas, &row);
        std::vector<Row> ready;
        std::unique_lock<std::mutex> lock(m);
        finished.emplace(row.number, std::move(row));
        for (auto next = finished.find(handedOut + 1); next != finished.end();
             next = finished.find(handedOut + 1)) {
          ready.push_back(std::move(next->second));
          finished.erase(next);
          handedOut++;
        }
        if (blockedAt && blockedAt - handedOut <= window / 2) roomToRead.notify_one();
        if (ready.empty()) continue;
        // Taking the output lock before letting go of m keeps hand-outs in row order.
        std::lock_guard<std::mutex> turn(output);
        lock.unlock();
        for (Row &r : ready) results.Take(std::move(r));
      }
    });

  held.reset();
  ReadSources(o, [&](Job &&job) {
    std::unique_lock<std::mutex> lock(m);
    if (job.number - handedOut > window) {
      blockedAt = job.number;
      // A signal cannot wake the wait: it looks for one ten times a second.
      while (!roomToRead.wait_for(lock, std::chrono::milliseconds(100), [&] {
        return job.number - handedOut <= window / 2 || StopSignals::Caught();
      })) {
      }
      blockedAt = 0;
    }
    if (StopSignals::Caught()) return false;
    waiting.push_back(std::move(job));
    if (idle) jobsWaiting.notify_one();
    return true;
  });
  {
    std::lock_guard<std::mutex> lock(m);
    if (StopSignals::Caught()) waiting.clear();
    readAll = true;
    jobsWaiting.notify_all();
  }
  for (std::thread &t : pool) t.join();
  return results.Finish();
}
