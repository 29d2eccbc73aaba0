// One position exported: its diagram set up, the output written, the check's report.
#include "exporter/exportjob.h"

#include <optional>

#include "check/check.h"
#include "chess/diagram.h"
#include "chess/fen.h"
#include "exporter/compose.h"
#include "files/atomicwrite.h"

namespace {
// The check's report after a save: its summary names the format written, as the editor's does,
// the picture's extension in capitals.
CheckResult ReportAfter(const std::string &path, const Diagram &diagram) {
  if (OutputKindOf(path) == OutputPage) return CheckPosition(diagram, 2, 0);
  std::string format = path.substr(path.size() - 3);
  for (char &c : format)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return CheckPosition(diagram, 1, 0, format.c_str());
}
}  // namespace

void ExportJob(const Job &job, const ExportOptions &o, const InputGuard &inputs, Canvas &canvas,
               Row *row) {
  row->number = job.number;
  row->input = job.input;
  row->done = job.done;
  std::string why;
  std::optional<PositionFile> p = SetUp(job, o, &row->failure);
  if (!p) return;
  if (!ApplyDiagramOptions(o, *p, &why)) {
    row->failure = job.input + ": " + why;
    return;
  }
  row->fen = WriteFEN(BoardFromDiagram(p->diagram));
  if (o.printFEN) {
    row->written = true;
    return;
  }
  std::string input = inputs.InputAt(job.output);
  if (!input.empty()) {
    row->failure = "cannot write " + job.output + ": it is " + input + ", an input of this run";
    return;
  }
  std::string bytes;
  if (!OutputBytes(job.output, o, *p, canvas, &bytes, &why) ||
      !WriteFileAtomically(job.output, bytes, &why)) {
    row->failure = "cannot write " + job.output + ": " + (why.empty() ? "unknown error" : why);
    return;
  }
  row->output = job.output;
  row->written = true;
  CheckResult check = ReportAfter(job.output, p->diagram);
  row->errors = check.errors;
  row->warnings = check.warnings;
  row->report = check.text;
}
