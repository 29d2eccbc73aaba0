// The exporter's run: reader, workers and the ordered hand-out of their rows.
#include "exporter/batch.h"

#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "exporter/exportjob.h"
#include "exporter/inputs.h"
#include "exporter/progress.h"
#include "exporter/reportfile.h"
#include "render/canvas.h"

namespace {
// What the rows come to, taken one at a time in input order (by whichever thread hands them out).
class Results {
 public:
  Results(const ExportOptions &o, FILE *out, FILE *err)
      : o_(o), out_(out), err_(err), progress_(err, !o.quiet) {}

  bool OpenReport() {
    if (o_.report.empty()) return true;
    std::string why;
    if (report_.Open(o_.report, &why)) return true;
    std::fprintf(err_, "boardsmith-export: cannot write %s: %s\n", o_.report.c_str(), why.c_str());
    return false;
  }

  void Take(Row &&row) {
    rows_++;
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
    if (!o_.printFEN && !o_.quiet && rows_ - failed_ > 0) {
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
      status = 1;
    }
    if (std::fflush(out_) != 0 && !outError_) outError_ = errno ? errno : EIO;
    if (outError_) {
      // FEN lines are the output itself; a report that cannot be shown costs no picture.
      std::fprintf(err_, "boardsmith-export: cannot write %s to standard output: %s\n",
                   o_.printFEN ? "the FEN lines" : "the check's report", std::strerror(outError_));
      if (o_.printFEN) status = 1;
    }
    return status;
  }

 private:
  void Print(const std::string &text) {
    if (std::fwrite(text.data(), 1, text.size(), out_) != text.size() && !outError_)
      outError_ = errno ? errno : EIO;
  }

  const ExportOptions &o_;
  FILE *out_, *err_;
  Progress progress_;
  ReportFile report_;
  long rows_ = 0, failed_ = 0, errors_ = 0, warnings_ = 0;
  std::string first_;
  int outError_ = 0;
};

// The input files that an output name could match (those with a picture's or page's
// extension): an export never replaces what it reads.
std::vector<std::string> GuardedInputs(const ExportOptions &o) {
  std::vector<std::string> inputs;
  for (const Source &s : o.sources)
    if (s.kind != Source::FENText && s.kind != Source::StandardInput &&
        OutputKindOf(s.text) != OutputUnknown)
      inputs.push_back(s.text);
  return inputs;
}
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
  Results results(o, out, err);
  std::error_code ec;
  if (!o.folder.empty() && !std::filesystem::is_directory(o.folder) &&
      !std::filesystem::create_directories(o.folder, ec)) {
    std::fprintf(err, "boardsmith-export: cannot make the folder %s: %s\n", o.folder.c_str(),
                 ec.message().c_str());
    return 1;
  }
  if (!results.OpenReport()) return 1;
  const std::vector<std::string> guarded = GuardedInputs(o);
  // FEN lines draw nothing: the reader makes them faster than threads could be handed them.
  int workers = o.printFEN ? 1 : o.jobs > 0 ? o.jobs : OnePosition(o) ? 1
                                  : static_cast<int>(std::thread::hardware_concurrency());
  if (o.printFEN && !isatty(fileno(out))) std::setvbuf(out, nullptr, _IOFBF, 1 << 16);
  // One position (or one thread) needs no threads: read, export and hand out in turn.
  if (workers <= 1) {
    auto canvas = std::make_unique<Canvas>();
    ReadSources(o, [&](Job &&job) {
      Row row;
      ExportJob(job, o, guarded, *canvas, &row);
      results.Take(std::move(row));
    });
    return results.Finish();
  }
  // The calling thread reads; the workers export. A worker that finishes the next row in input
  // order hands it out, with the finished rows after it, so no thread wakes only to pass a row
  // on. A thread waits only when there is nothing to do: a worker when no position is waiting,
  // the reader when the positions read but not handed out fill the window, and then until half
  // of it is free, so that it wakes once for several positions rather than once for each. Each
  // worker draws on a canvas of its own.
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
          if (waiting.empty()) return;
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

  ReadSources(o, [&](Job &&job) {
    std::unique_lock<std::mutex> lock(m);
    if (job.number - handedOut > window) {
      blockedAt = job.number;
      roomToRead.wait(lock, [&] { return job.number - handedOut <= window / 2; });
      blockedAt = 0;
    }
    waiting.push_back(std::move(job));
    if (idle) jobsWaiting.notify_one();
  });
  {
    std::lock_guard<std::mutex> lock(m);
    readAll = true;
    jobsWaiting.notify_all();
  }
  for (std::thread &t : pool) t.join();
  return results.Finish();
}
