// Legal moves: the moves each man could make by its own rules, then only those that do not
// leave the own king attacked (the move is played on a copy and the king's square tested).
#include "chess/move.h"

#include "chess/attack.h"
#include "chess/census.h"
#include "chess/fen.h"
#include "chess/lines.h"
#include "model/diagram.h"

namespace {
// No position has more candidate moves (before the king's safety) than this: nine queens and
// the other pieces of a side have at most 323.
constexpr int MaxCandidateMoves = 512;

// Castling rights kept when a man leaves or arrives at the square: a king or rook that moves or
// a rook that is taken ends the rights that need it.
constexpr int8_t KeepRights(int square) {
  switch (square) {
    case 0: return ~CastleWQ & 15;
    case 4: return ~(CastleWK | CastleWQ) & 15;
    case 7: return ~CastleWK & 15;
    case 56: return ~CastleBQ & 15;
    case 60: return ~(CastleBK | CastleBQ) & 15;
    case 63: return ~CastleBK & 15;
    default: return 15;
  }
}

struct MoveList {
  Move *moves;
  int count, room;
  void Add(int from, int to, int promotion = 0) {
    if (count < room)
      moves[count++] = Move{static_cast<int8_t>(from), static_cast<int8_t>(to),
                            static_cast<int8_t>(promotion)};
  }
};

void PawnMoves(const Board &b, int from, MoveList *list) {
  int side = b.side;
  int forward = side ? -8 : 8, rank = RankOf(from);
  int startRank = side ? 6 : 1, lastRank = side ? 0 : 7;
  auto add = [&](int to) {
    if (RankOf(to) == lastRank) {
      for (int kind : {WQ, WR, WB, WN}) list->Add(from, to, ManOf(kind, side));
    } else {
      list->Add(from, to);
    }
  };
  int ahead = from + forward;
  if (ahead < 0 || ahead > 63) return;
  if (b.man[ahead] == 0) {
    add(ahead);
    if (rank == startRank && b.man[ahead + forward] == 0) list->Add(from, ahead + forward);
  }
  for (int df : {-1, 1}) {
    int f = FileOf(from) + df;
    if (f < 0 || f > 7) continue;
    int to = ahead + df;
    if (BelongsTo(b.man[to], 1 - side)) {
      add(to);
    } else if (to == b.enPassant && b.man[to] == 0 && b.man[to - forward] == ManOf(WP, 1 - side)) {
      list->Add(from, to);
    }
  }
}

void CastlingMoves(const Board &b, int from, MoveList *list) {
  int side = b.side, home = side ? 60 : 4;
  if (from != home) return;
  int kingRight = side ? CastleBK : CastleWK, queenRight = side ? CastleBQ : CastleWQ;
  int rook = side ? BR : WR, enemy = 1 - side;
  if (!(b.castling & (kingRight | queenRight)) || SquareAttacked(b, home, enemy)) return;
  // The squares between king and rook are empty; the king does not pass an attacked square (its
  // destination is tested with every other move).
  if ((b.castling & kingRight) && b.man[home + 3] == rook && b.man[home + 1] == 0 &&
      b.man[home + 2] == 0 && !SquareAttacked(b, home + 1, enemy))
    list->Add(from, home + 2);
  if ((b.castling & queenRight) && b.man[home - 4] == rook && b.man[home - 1] == 0 &&
      b.man[home - 2] == 0 && b.man[home - 3] == 0 && !SquareAttacked(b, home - 1, enemy))
    list->Add(from, home - 2);
}

// Are the squares of the rank from a to c (either way round, both ends too) empty but for the
// castling king and rook?
bool OnlyCastlingMen(const Board &b, int a, int c, int king, int rook) {
  for (int square = a < c ? a : c, last = a < c ? c : a; square <= last; square++)
    if (b.man[square] && square != king && square != rook) return false;
  return true;
}

// Chess960: the king takes its own rook. King and rook land on g and f (c and d); every square
// either crosses or lands on is empty but for the two of them, and the king is not in check and
// crosses no attacked square (where it lands is tested with every other move).
void CastlingMoves960(const Board &b, int from, MoveList *list) {
  int side = b.side, enemy = 1 - side, rank = side ? 7 : 0;
  if (RankOf(from) != rank || !(b.castling & (3 << 2 * side)) || SquareAttacked(b, from, enemy))
    return;
  for (int queenSide = 0; queenSide < 2; queenSide++) {
    int right = 2 * side + queenSide;
    if (!(b.castling & (1 << right))) continue;
    int rook = SquareOf(b.rookFile[right], rank);
    int kingTo = SquareOf(queenSide ? 2 : 6, rank), rookTo = SquareOf(queenSide ? 3 : 5, rank);
    if (b.man[rook] != ManOf(WR, side) || (rook > from) == (queenSide == 1) ||
        !OnlyCastlingMen(b, from, kingTo, from, rook) || !OnlyCastlingMen(b, rook, rookTo, from, rook))
      continue;
    bool crossed = false;
    int step = kingTo > from ? 1 : -1;
    for (int square = from + step; square != kingTo && !crossed && from != kingTo; square += step)
      crossed = SquareAttacked(b, square, enemy);
    if (!crossed) list->Add(from, rook);
  }
}

void ManMoves(const Board &b, int from, MoveList *list) {
  int side = b.side, kind = KindOf(b.man[from]);
  if (kind == WP) {
    PawnMoves(b, from, list);
  } else if (kind == WN || kind == WK) {
    for (const int8_t *s = kind == WN ? MenLines.knight[from] : MenLines.king[from]; *s >= 0; s++)
      if (!BelongsTo(b.man[*s], side)) list->Add(from, *s);
    if (kind == WK) (b.chess960 ? CastlingMoves960 : CastlingMoves)(b, from, list);
  } else {
    int first = kind == WB ? 4 : 0, last = kind == WR ? 4 : 8;
    for (int d = first; d < last; d++)
      for (const int8_t *s = MenLines.line[from][d]; *s >= 0; s++) {
        if (BelongsTo(b.man[*s], side)) break;
        list->Add(from, *s);
        if (b.man[*s]) break;
      }
  }
}

// The moves the men of the side to move could make by their own rules, before looking at the
// safety of their king (castling is already checked for the squares the king crosses).
int CandidateMoves(const Board &b, Move moves[MaxCandidateMoves]) {
  MoveList list{moves, 0, MaxCandidateMoves};
  for (int from = 0; from < 64; from++)
    if (BelongsTo(b.man[from], b.side)) ManMoves(b, from, &list);
  return list.count;
}
}  // namespace

int CandidateMovesFrom(const Board &b, int from, Move moves[MaxMoves]) {
  MoveList list{moves, 0, MaxMoves};
  if (from >= 0 && from < 64 && BelongsTo(b.man[from], b.side)) ManMoves(b, from, &list);
  return list.count;
}

namespace {
int KingSquare(const Board &b, int side) {
  int square = FindMan(b, side ? BK : WK);
  return square < 64 ? square : -1;
}

// Does the move leave the mover's king unattacked?
bool KeepsKingSafe(const Board &b, const Move &m, int king) {
  Board after = b;
  MakeMove(&after, m);
  if (king == m.from) king = LandingSquare(b, m);
  return king < 0 || !SquareAttacked(after, king, after.side);
}
}  // namespace

bool KeepsKingSafe(const Board &board, const Move &move) {
  return KeepsKingSafe(board, move, KingSquare(board, board.side));
}

int LegalMoves(const Board &board, Move moves[MaxMoves]) {
  Move candidates[MaxCandidateMoves];
  int count = CandidateMoves(board, candidates), king = KingSquare(board, board.side), legal = 0;
  for (int k = 0; k < count && legal < MaxMoves; k++)
    if (KeepsKingSafe(board, candidates[k], king)) moves[legal++] = candidates[k];
  return legal;
}

bool HasLegalMove(const Board &board) {
  Move moves[MaxCandidateMoves];
  int count = CandidateMoves(board, moves), king = KingSquare(board, board.side);
  for (int k = 0; k < count; k++)
    if (KeepsKingSafe(board, moves[k], king)) return true;
  return false;
}

bool PlayablePosition(const Board &b, std::string *why) {
  const char *sides[2] = {"white", "black"};
  for (int side = 0; side < 2; side++) {
    int kings = 0;
    for (int square = 0; square < 64; square++) {
      if (!BelongsTo(b.man[square], side)) continue;
      int kind = KindOf(b.man[square]);
      kings += kind == WK;
      if (kind == WP && (RankOf(square) == 0 || RankOf(square) == 7)) {
        if (why) *why = std::string("a ") + sides[side] + " pawn on " + SquareName(square);
        return false;
      }
    }
    if (kings != 1) {
      if (why) *why = std::string(sides[side]) + " has " + std::to_string(kings) + " kings";
      return false;
    }
  }
  // The counts of men, in the words of the diagram check (without its "? ").
  std::string census = ImpossibleCount(b);
  if (!census.empty()) {
    if (why) *why = census.substr(2);
    return false;
  }
  if (InCheck(b, 1 - b.side)) {
    if (why) *why = std::string(sides[1 - b.side]) + " is in check with " + sides[b.side] + " to move";
    return false;
  }
  return true;
}

namespace {
// The turn passes: nothing moves, no en passant, and the board says how it was reached.
void PassTurn(Board *b) {
  b->enPassant = -1;
  b->halfMoves++;
  if (b->side) b->fullMoves++;
  b->side = static_cast<int8_t>(1 - b->side);
  b->nullMove = 1;
}

// Chess960 rights kept after the man has gone from one square to another: a king that moves
// ends both of its side's rights, a rook that leaves or is taken on its right's square ends that.
int KeepRights960(const Board &b, int man, int from, int to) {
  int kept = KindOf(man) == WK ? ~(3 << 2 * (man >= BK)) & 15 : 15;
  for (int right = 0; right < 4; right++) {
    int rook = SquareOf(b.rookFile[right], right < 2 ? 0 : 7);
    if (from == rook || to == rook) kept &= ~(1 << right);
  }
  return kept;
}

// Castling: the king and the rook land on the g- and f-files (c and d), from the e-file and the
// corner or, in Chess960, from wherever they stand (the move is the king taking its rook).
void Castle(Board *b, const Move &m) {
  int rank = m.from - FileOf(m.from), kingSide = m.to > m.from;
  int rookFrom = b->chess960 ? m.to : rank + (kingSide ? 7 : 0);
  int8_t king = b->man[m.from], rook = b->man[rookFrom];
  b->man[m.from] = 0, b->man[rookFrom] = 0;
  b->man[rank + (kingSide ? 6 : 2)] = king;
  b->man[rank + (kingSide ? 5 : 3)] = rook;
}
}  // namespace

void MakeMove(Board *b, const Move &m) {
  if (IsNullMove(m)) return PassTurn(b);
  int man = b->man[m.from], taken = b->man[m.to];
  bool pawn = KindOf(man) == WP;
  if (IsCastling(*b, m)) {
    Castle(b, m);
    taken = 0;
  } else {
    b->man[m.to] = m.promotion ? m.promotion : static_cast<int8_t>(man);
    b->man[m.from] = 0;
    if (pawn && taken == 0 && FileOf(m.from) != FileOf(m.to)) {  // en passant
      b->man[SquareOf(FileOf(m.to), RankOf(m.from))] = 0;
      taken = 1;
    }
  }
  int kept = b->chess960 ? KeepRights960(*b, man, m.from, m.to) : KeepRights(m.from) & KeepRights(m.to);
  b->castling = static_cast<int8_t>(b->castling & kept);
  b->enPassant = static_cast<int8_t>(pawn && (m.to - m.from == 16 || m.from - m.to == 16)
                                         ? (m.from + m.to) / 2
                                         : -1);
  b->halfMoves = pawn || taken ? 0 : b->halfMoves + 1;
  if (b->side) b->fullMoves++;
  b->side = static_cast<int8_t>(1 - b->side);
  b->nullMove = 0;
}

uint64_t Perft(const Board &board, int depth) {
  if (depth <= 0) return 1;
  Move moves[MaxMoves];
  int count = LegalMoves(board, moves);
  if (depth == 1) return static_cast<uint64_t>(count);
  uint64_t leaves = 0;
  for (int k = 0; k < count; k++) {
    Board after = board;
    MakeMove(&after, moves[k]);
    leaves += Perft(after, depth - 1);
  }
  return leaves;
}
