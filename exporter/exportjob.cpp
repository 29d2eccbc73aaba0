// One position exported: its diagram set up, the output written, the check's report.
#include "exporter/exportjob.h"

#include <filesystem>
#include <optional>

#include "check/check.h"
#include "chess/diagram.h"
#include "chess/fen.h"
#include "files/atomicwrite.h"
#include "files/brd.h"
#include "files/htm.h"
#include "files/svgpage.h"
#include "model/model.h"
#include "render/makebmp.h"
#include "render/picturefile.h"

namespace {
// A position from FEN or a game starts as a new diagram: medium size, theme 0, no coordinates,
// white at the bottom (or as --flip says), no arrows.
PositionFile NewDiagram(const Board &board, const ExportOptions &o) {
  PositionFile p;
  p.diagram.Flipped = o.flip > 0 ? 1 : 0;
  DiagramFromBoard(board, p.diagram);
  return p;
}

bool SameFile(const std::string &a, const std::string &b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  return std::filesystem::absolute(a, ec).lexically_normal() ==
         std::filesystem::absolute(b, ec).lexically_normal();
}

// The job's diagram and its picture settings; nothing, with the message, when it cannot be read.
std::optional<PositionFile> SetUp(const Job &job, const ExportOptions &o, std::string *failure) {
  std::string why;
  std::optional<PositionFile> read;
  Board board;
  switch (job.kind) {
    case Job::PositionFile:
      if ((read = ReadBRDFile(job.text, &why))) return read;
      *failure = "cannot read " + job.text + ": " + why;
      return std::nullopt;
    case Job::PositionText:
      if ((read = ReadBRDText(job.text, &why))) return read;
      *failure = "cannot read " + job.input + ": " + why;
      return std::nullopt;
    case Job::FEN:
      if (!ReadFEN(job.text, &board, &why)) {
        *failure = job.input + ": " + why;
        return std::nullopt;
      }
      return NewDiagram(board, o);
    case Job::GamePosition:
      return NewDiagram(job.board, o);
    case Job::Failed:
      break;
  }
  *failure = job.failure;
  return std::nullopt;
}

// The picture or page, in the format its name says and the style asked for (a page's default
// the theme's colours, a picture's the print picture); the classic page and the print BMP
// through the save commands' own writers.
bool WriteOutput(const std::string &path, const ExportOptions &o, const PositionFile &p,
                 Canvas &canvas, std::string *why) {
  const bool page = OutputKindOf(path) == OutputPage;
  PictureSettings settings = p.settings;
  settings.Style = o.style >= 0 ? o.style : page ? StyleColour : StylePrint;
  settings.Px = o.px;
  std::string bytes;
  if (page && o.page == 1) {
    bytes = SVGPageText(p.diagram, settings, why);
    if (bytes.empty()) return false;
  } else if (page) {
    bytes = MakeHTMFile(p.diagram, settings);
  } else {
    const int format = PictureFormatOf(path);
    if (format == PictureBMP)
      bytes = MakeBMPFile(p.diagram, settings, canvas);
    else if (!PictureBytes(format, p.diagram, settings, canvas, &bytes, why))
      return false;
  }
  return WriteFileAtomically(path, bytes, why);
}

// The check's report after a save: its summary names the format written, as the editor's does,
// the picture's extension in capitals.
CheckResult ReportAfter(const std::string &path, const Diagram &diagram) {
  if (OutputKindOf(path) == OutputPage) return CheckPosition(diagram, 2, 0);
  std::string format = path.substr(path.size() - 3);
  for (char &c : format)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return CheckPosition(diagram, 1, 0, format.c_str());
}

// Applies the diagram options; false, with *why, when the arrows do not fit.
bool ApplyDiagramOptions(const ExportOptions &o, PositionFile &p, std::string *why) {
  Diagram &d = p.diagram;
  PictureSettings &s = p.settings;
  if (o.flip >= 0 && o.flip != d.Flipped) FlipPosition(d);
  if (o.coords >= 0) s.Coords = o.coords;
  if (o.theme >= 0) s.Theme = o.theme;
  if (o.dpi >= 0) {
    s.Dpi = o.dpi;
    s.PicSiz = o.dpi == 0 ? o.inches : 2.0f * static_cast<float>(o.dpi);
  }
  for (int square : o.dots) d.Pos[CellOf(square, d.Flipped)] = DotMark;
  for (int square : o.crosses) d.Pos[CellOf(square, d.Flipped)] = CrossMark;
  int arrows = d.ArrowCount();
  if (arrows + o.arrows.size() > MaxArrows) {
    *why = "its " + std::to_string(arrows) + " arrows and " + std::to_string(o.arrows.size()) +
           " more make more than " + std::to_string(MaxArrows);
    return false;
  }
  // Arrows hold columns from the left and rows from the top of the displayed board.
  for (const SquareArrow &a : o.arrows) {
    int from = CellOf(a.from, d.Flipped), to = CellOf(a.to, d.Flipped);
    int32_t *row = d.Arr[arrows++];
    row[0] = from / 8, row[1] = 7 - from % 8, row[2] = to / 8, row[3] = 7 - to % 8;
  }
  d.NArrows = arrows;
  return true;
}
}  // namespace

void ExportJob(const Job &job, const ExportOptions &o, const std::vector<std::string> &inputs,
               Canvas &canvas, Row *row) {
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
  for (const std::string &input : inputs)
    if (SameFile(input, job.output)) {
      row->failure = "cannot write " + job.output + ": it is the position file being read";
      return;
    }
  if (!WriteOutput(job.output, o, *p, canvas, &why)) {
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
