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
  row->label = job.label;
  row->line = job.line;
  row->done = job.done;
  std::string why;
  // A FEN line needs no picture (unless markers replace men): the board as the diagram would
  // keep it. A game's is so already; a FEN record's castling rights are those its men allow,
  // and its en-passant square goes unless a pawn has just passed it.
  if (o.printFEN && (job.kind == Job::GamePosition || job.kind == Job::FEN) && o.dots.empty() &&
      o.crosses.empty()) {
    Board board = job.board;
    if (job.kind == Job::FEN && !ReadFEN(job.text, &board, &why)) {
      row->failure = job.input + ": " + why;
      return;
    }
    if (!EnPassantStands(board, board.enPassant)) board.enPassant = -1;
    row->fen = WriteFEN(board);
    row->written = true;
    return;
  }
  Board board;
  std::optional<PositionFile> p = SetUp(job, o, &row->failure, &board);
  if (!p) return;
  if (!ApplyDiagramOptions(o, *p, &why)) {
    row->failure = job.input + ": " + why;
    return;
  }
  row->fen = ExportedFEN(p->diagram, board);
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
  const bool composed = job.kind == Job::GameAnimation
                            ? AnimationOutputBytes(job.output, o, job, canvas, &bytes, &why)
                            : OutputBytes(job.output, o, *p, canvas, &bytes, &why);
  if (!composed || !WriteFileAtomically(job.output, bytes, &why)) {
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
