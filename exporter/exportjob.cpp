// One position exported: the thread's model set up, the output written, the check's report.
#include "exporter/exportjob.h"

#include <filesystem>

#include "check/check.h"
#include "chess/diagram.h"
#include "chess/fen.h"
#include "files/brd.h"
#include "files/htm.h"
#include "files/paths.h"
#include "files/svgpage.h"
#include "model/model.h"
#include "render/makebmp.h"
#include "render/picturefile.h"

namespace {
// A position from FEN or a game starts as a new diagram: medium size, theme 0, no coordinates,
// white at the bottom (or as --flip says), no arrows.
void NewDiagram(const Board &board, const ExportOptions &o) {
  Flipped = o.flip > 0 ? 1 : 0;
  Coords = 0;
  Dpi = 2;
  PicSiz = 4.0f;
  Theme = 0;
  NArrows = 0;
  DiagramFromBoard(board);
}

bool SameFile(const std::string &a, const std::string &b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  return std::filesystem::absolute(a, ec).lexically_normal() ==
         std::filesystem::absolute(b, ec).lexically_normal();
}

// Sets up the model from the job; false with the message when it cannot.
bool SetUp(const Job &job, const ExportOptions &o, std::string *failure) {
  std::string why;
  Board board;
  switch (job.kind) {
    case Job::PositionFile:
      BRDFile = job.text;
      if (ReadBRDFile(&why)) return true;
      *failure = "cannot read " + job.text + ": " + why;
      return false;
    case Job::PositionText:
      if (ReadBRDText(job.text, &why)) return true;
      *failure = "cannot read " + job.input + ": " + why;
      return false;
    case Job::FEN:
      if (!ReadFEN(job.text, &board, &why)) {
        *failure = job.input + ": " + why;
        return false;
      }
      NewDiagram(board, o);
      return true;
    case Job::GamePosition:
      NewDiagram(job.board, o);
      return true;
    case Job::Failed:
      break;
  }
  *failure = job.failure;
  return false;
}

// The picture or page, in the format its name says; the classic page and the print BMP through
// the save commands' own writers.
bool WriteOutput(const std::string &path, const ExportOptions &o, std::string *why) {
  if (OutputKindOf(path) == OutputPage) {
    if (o.page == 1) return MakeSVGPageFile(path, Coords, o.style < 0 ? StyleColour : o.style, why);
    HTMFile = path;
    return MakeHTMFile(Coords, why);
  }
  int format = PictureFormatOf(path);
  if (format == PictureBMP) {
    BMPFile = path;
    return MakeBMPFile(Coords, why);
  }
  return MakePictureFile(path, format, Coords, o.style < 0 ? StylePrint : o.style, o.px, why);
}

// The check's report after a save: its summary names the format written, as the editor's does,
// the picture's extension in capitals.
CheckResult ReportAfter(const std::string &path) {
  if (OutputKindOf(path) == OutputPage) return CheckPosition(2, 0);
  std::string format = path.substr(path.size() - 3);
  for (char &c : format)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return CheckPosition(1, 0, format.c_str());
}

// Applies the diagram options to the model; false, with *why, when the arrows do not fit.
bool ApplyDiagramOptions(const ExportOptions &o, std::string *why) {
  if (o.flip >= 0 && o.flip != Flipped) FlipPosition(nullptr);
  if (o.coords >= 0) Coords = o.coords;
  if (o.theme >= 0) Theme = o.theme;
  if (o.dpi >= 0) {
    Dpi = o.dpi;
    PicSiz = o.dpi == 0 ? o.inches : 2.0f * static_cast<float>(o.dpi);
  }
  for (int square : o.dots) Pos[CellOf(square)] = DotMark;
  for (int square : o.crosses) Pos[CellOf(square)] = CrossMark;
  int arrows = NArrows < 0 ? 0 : NArrows > MaxArrows ? MaxArrows : NArrows;
  if (arrows + o.arrows.size() > MaxArrows) {
    *why = "its " + std::to_string(arrows) + " arrows and " + std::to_string(o.arrows.size()) +
           " more make more than " + std::to_string(MaxArrows);
    return false;
  }
  // Arrows hold columns from the left and rows from the top of the displayed board.
  for (const SquareArrow &a : o.arrows) {
    int from = CellOf(a.from), to = CellOf(a.to);
    int32_t *row = Arr[arrows++];
    row[0] = from / 8, row[1] = 7 - from % 8, row[2] = to / 8, row[3] = 7 - to % 8;
  }
  NArrows = arrows;
  return true;
}
}  // namespace

void ExportJob(const Job &job, const ExportOptions &o, const std::vector<std::string> &inputs,
               Row *row) {
  row->number = job.number;
  row->input = job.input;
  row->done = job.done;
  std::string why;
  if (!SetUp(job, o, &row->failure)) return;
  if (!ApplyDiagramOptions(o, &why)) {
    row->failure = job.input + ": " + why;
    return;
  }
  row->fen = WriteFEN(BoardFromDiagram());
  if (o.printFEN) {
    row->written = true;
    return;
  }
  for (const std::string &input : inputs)
    if (SameFile(input, job.output)) {
      row->failure = "cannot write " + job.output + ": it is the position file being read";
      return;
    }
  if (!WriteOutput(job.output, o, &why)) {
    row->failure = "cannot write " + job.output + ": " + (why.empty() ? "unknown error" : why);
    return;
  }
  row->output = job.output;
  row->written = true;
  CheckResult check = ReportAfter(job.output);
  row->errors = check.errors;
  row->warnings = check.warnings;
  row->report = check.text;
}
