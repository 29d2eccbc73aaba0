// What an export makes of one position: its diagram and settings, the options applied, the
// bytes of the picture or page. The exporter writes them; the diagram service sends them.
#include "exporter/compose.h"

#include <algorithm>

#include "chess/diagram.h"
#include "chess/fen.h"
#include "files/brd.h"
#include "files/htm.h"
#include "files/svgpage.h"
#include "model/presets.h"
#include "render/animation.h"
#include "render/makebmp.h"
#include "render/picturefile.h"

namespace {
// An arrow between board squares after the diagram's others. Arrows hold columns from the left
// and rows from the top of the displayed board.
void PutArrow(Diagram &d, const SquareArrow &a) {
  int from = CellOf(a.from, d.Flipped), to = CellOf(a.to, d.Flipped);
  int32_t *row = d.Arr[d.ArrowCount()];
  row[0] = from / 8, row[1] = 7 - from % 8, row[2] = to / 8, row[3] = 7 - to % 8;
  d.NArrows = d.ArrowCount() + 1;
}

// A position from FEN or a game starts as a new diagram: medium size, theme 0, no coordinates,
// white at the bottom (or as --flip says), no arrows.
PositionFile NewDiagram(const Board &board, const ExportOptions &o) {
  PositionFile p;
  p.diagram.Flipped = o.flip > 0 ? 1 : 0;
  DiagramFromBoard(board, p.diagram);
  return p;
}
}  // namespace

std::optional<PositionFile> SetUp(const Job &job, const ExportOptions &o, std::string *failure,
                                  Board *source) {
  std::string why;
  std::optional<PositionFile> read;
  Board ignored{};
  Board &board = source ? *source : ignored;
  board = Board{};
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
    case Job::GameAnimation:
      board = job.board;
      return NewDiagram(job.board, o);
    case Job::Failed:
      break;
  }
  *failure = job.failure;
  return std::nullopt;
}

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
  d.NArrows = arrows;
  for (const SquareArrow &a : o.arrows) PutArrow(d, a);
  return true;
}

bool OutputBytes(const std::string &path, const ExportOptions &o, const PositionFile &p,
                 Canvas &canvas, std::string *bytes, std::string *why) {
  const bool page = OutputKindOf(path) == OutputPage;
  PictureSettings settings = p.settings;
  settings.Style = o.style >= 0 ? o.style : page ? StyleColour : StylePrint;
  settings.Px = o.px;
  settings.SetPieceSet(o.pieces);
  if (page && o.page == 1) {
    *bytes = SVGPageText(p.diagram, settings, why);
    return !bytes->empty();
  }
  if (page) {
    *bytes = MakeHTMFile(p.diagram, settings);
    return true;
  }
  const int format = PictureFormatOf(path);
  if (format == PictureBMP) {
    *bytes = MakeBMPFile(p.diagram, settings, canvas);
    return true;
  }
  return PictureBytes(format, p.diagram, settings, canvas, bytes, why);
}


std::string ExportedFEN(const Diagram &diagram, const Board &board) {
  Board b = BoardFromDiagram(diagram);
  if (board.chess960) {
    b.chess960 = 1;
    std::copy(board.rookFile, board.rookFile + 4, b.rookFile);
    b.castling = static_cast<int8_t>(diagram.Castling & CastlingFromMen(b));
  }
  return WriteFEN(b);
}

int FinalDelay(int delay) { return std::max(3 * delay, 2000); }

bool AnimationOutputBytes(const std::string &path, const ExportOptions &o, const Job &job,
                          Canvas &canvas, std::string *bytes, std::string *why) {
  std::vector<Diagram> frames;
  std::vector<int> delays;
  PictureSettings settings;
  for (size_t p = 0; p < job.positions.size(); p++) {
    PositionFile frame = NewDiagram(job.positions[p], o);
    if (!ApplyDiagramOptions(o, frame, why)) return false;
    // The move that led here, as the game window draws it (a null move has none).
    if (p > 0 && p < job.moves.size() && !IsNullMove(job.moves[p]) &&
        frame.diagram.ArrowCount() < MaxArrows)
      PutArrow(frame.diagram, {job.moves[p].from, job.moves[p].to});
    frames.push_back(frame.diagram);
    delays.push_back(p + 1 < job.positions.size() ? o.delay : FinalDelay(o.delay));
    settings = frame.settings;
  }
  settings.Style = o.style >= 0 ? o.style : StylePrint;
  settings.Px = o.px;
  const int format = PictureFormatOf(path);
  if (frames.size() == 1 && format == PicturePNG)  // a game without moves: a still picture
    return PictureBytes(format, frames[0], settings, canvas, bytes, why);
  return AnimationBytes(format, frames, delays, settings, canvas, bytes, why);
}
