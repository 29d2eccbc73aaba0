// The plausibility check: things that cannot happen in a game are errors ("?"), things that
// hardly ever do are warnings ("!"). The check reads the diagram's men, orientation and side to
// move, and changes nothing.
#include "check/check.h"

#include <cstdio>
#include <cstdlib>

#include "chess/attack.h"
#include "chess/census.h"
#include "chess/diagram.h"

namespace {
enum Side { White, Black };
enum Man { King, Queen, Rook, Bishop, Knight, Pawn };

// What one scan of the board finds.
struct Census {
  int men[2][6] = {};         // kings .. pawns of each side
  int bishopsOdd[2] = {};     // bishops on cells where column + row is odd
  int bishopsEven[2] = {};
  int kingColumn[2] = {}, kingRow[2] = {};  // the last king of each side scanned
  bool pawnOn1st[2] = {}, pawnOn8th[2] = {};
};

Census Scan(const Diagram &d) {
  Census s;
  for (int c = 0; c < 8; c++)
    for (int r = 0; r < 8; r++) {
      int code = d.Pos[c * 8 + r];
      if (code < WK || code > BP) continue;  // empty, markers and anything else
      Side side = code <= WP ? White : Black;
      Man man = static_cast<Man>(code - (side == White ? WK : BK));
      s.men[side][man]++;
      if (man == King) s.kingColumn[side] = c, s.kingRow[side] = r;
      if (man == Bishop) ((c + r) % 2 ? s.bishopsOdd : s.bishopsEven)[side]++;
      if (man == Pawn && (r == 0 || r == 7)) {
        // Ranks count from each side's own edge: white's 1st rank is row 0 unless flipped,
        // black's 1st rank is row 7 unless flipped.
        bool ownEdge = (r == 0) == (side == White) ? !d.Flipped : d.Flipped;
        (ownEdge ? s.pawnOn1st : s.pawnOn8th)[side] = true;
      }
    }
  return s;
}

// The census's line for one side ("? White has 3 queens and 8 pawns: at most 0 promoted men"),
// with its line end, or "" when a game can reach the side's counts.
std::string CountLine(const Board &board, Side side) {
  Board alone = board;  // the other side's men taken off, so each side has its own line
  for (int8_t &man : alone.man)
    if (!BelongsTo(man, side)) man = 0;
  std::string line = ImpossibleCount(alone);
  return line.empty() ? line : line + "\n";
}

struct Rule {
  bool error;  // an error, else a warning
  const char *line;
};

std::string Format(const char *format, int errors, int warnings) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, errors, warnings);
  return buffer;
}
}  // namespace

CheckResult CheckPosition(const Diagram &diagram, int mode, int vclip, const char *format) {
  Census s = Scan(diagram);
  const int(&n)[2][6] = s.men;
  const Board board = BoardFromDiagram(diagram);
  // More men than a game can give. Nine pawns have a line of their own; a side's men beyond the
  // start that its missing pawns cannot account for are one fault, named once: their kinds get
  // no "more than 2" warning besides.
  std::string count[2];
  bool promoted[2] = {};
  for (Side side : {White, Black}) {
    int men = 0;
    for (int k : n[side]) men += k;
    count[side] = CountLine(board, side);
    if (n[side][Pawn] > 8 && men <= 16) count[side].clear();
    promoted[side] = !count[side].empty() && men <= 16;
  }
  bool oneKingEach = n[White][King] == 1 && n[Black][King] == 1;
  bool kingsTouch = oneKingEach &&
                    std::abs(s.kingColumn[White] - s.kingColumn[Black]) <= 1 &&
                    std::abs(s.kingRow[White] - s.kingRow[Black]) <= 1;
  auto sameColour = [&](Side side) {
    return n[side][Bishop] == 2 && (s.bishopsOdd[side] == 2 || s.bishopsEven[side] == 2);
  };
  const struct {
    bool holds;
    Rule rule;
  } rules[] = {
      {n[White][King] == 0, {true, "? White has no king\n"}},
      {n[Black][King] == 0, {true, "? Black has no king\n"}},
      {n[White][King] > 1, {true, "? White has more than 1 king\n"}},
      {n[Black][King] > 1, {true, "? Black has more than 1 king\n"}},
      {n[White][Pawn] > 8, {true, "? White has more than 8 pawns\n"}},
      {n[Black][Pawn] > 8, {true, "? Black has more than 8 pawns\n"}},
      {!count[White].empty(), {true, count[White].c_str()}},
      {!count[Black].empty(), {true, count[Black].c_str()}},
      {s.pawnOn1st[White], {true, "? White pawn on 1st rank\n"}},
      {s.pawnOn1st[Black], {true, "? Black pawn on 1st rank\n"}},
      {s.pawnOn8th[White], {true, "? White pawn on 8th rank\n"}},
      {s.pawnOn8th[Black], {true, "? Black pawn on 8th rank\n"}},
      {kingsTouch, {true, "? Check by king\n"}},
      {oneKingEach && !kingsTouch && InCheck(board, 1 - diagram.SideToMove),
       {true, "? The side not to move is in check\n"}},
      {n[White][Rook] > 2 && !promoted[White], {false, "! White has more than 2 rooks\n"}},
      {n[Black][Rook] > 2 && !promoted[Black], {false, "! Black has more than 2 rooks\n"}},
      {n[White][Bishop] > 2 && !promoted[White], {false, "! White has more than 2 bishops\n"}},
      {n[Black][Bishop] > 2 && !promoted[Black], {false, "! Black has more than 2 bishops\n"}},
      {n[White][Knight] > 2 && !promoted[White], {false, "! White has more than 2 knights\n"}},
      {n[Black][Knight] > 2 && !promoted[Black], {false, "! Black has more than 2 knights\n"}},
      {sameColour(White), {false, "! White has 2 bishops of same colour\n"}},
      {sameColour(Black), {false, "! Black has 2 bishops of same colour\n"}},
      {diagram.NullMove != 0, {false, "! The last move was a null move\n"}},
  };

  CheckResult result{std::string(), 0, 0};
  for (const auto &r : rules) {
    if (!r.holds) continue;
    result.text += r.rule.line;
    (r.rule.error ? result.errors : result.warnings)++;
  }

  bool clipboard = mode == 1 && vclip;
  const std::string saved = std::string(format) + " file saved with %d errors and %d warnings";
  const char *summary = mode == 1 ? (clipboard ? "%d errors and %d warnings\n" : saved.c_str())
                        : mode == 2 ? "HTM file saved with %d errors and %d warnings"
                                    : "The position has %d errors and %d warnings";
  // The clipboard's summary ends its line: the front end adds where the picture went.
  result.text += Format(summary, result.errors, result.warnings);
  return result;
}
