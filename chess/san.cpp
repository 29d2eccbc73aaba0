// SAN reading and writing. Both look only at the moves that could match (same man, same
// square) before testing them for legality, so a game replays quickly.
#include "chess/san.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "chess/attack.h"
#include "chess/fen.h"
#include "model/diagram.h"

namespace {
const char PieceLetters[] = "KQRBNP";  // the letter of white code WK + index

// Could a man of the kind on from reach to on an empty board? (Only those are looked at.)
bool CouldReach(int kind, int side, int from, int to) {
  int files = std::abs(FileOf(to) - FileOf(from)), ranks = std::abs(RankOf(to) - RankOf(from));
  int forward = side ? RankOf(from) - RankOf(to) : RankOf(to) - RankOf(from);
  switch (kind) {
    case WK: return (files <= 1 && ranks <= 1) || (files == 2 && ranks == 0);
    case WQ: return files == 0 || ranks == 0 || files == ranks;
    case WR: return files == 0 || ranks == 0;
    case WB: return files == ranks;
    case WN: return files * ranks == 2;
    default: return files <= 1 && forward >= 1 && forward <= 2;
  }
}

// A slider's move along its line to the square when nothing stands between (0 or 1 move).
int SliderMoveTo(const Board &b, int from, int to, Move *move) {
  int fileStep = (FileOf(to) > FileOf(from)) - (FileOf(to) < FileOf(from));
  int rankStep = (RankOf(to) > RankOf(from)) - (RankOf(to) < RankOf(from));
  int step = fileStep + 8 * rankStep;
  for (int square = from + step; square != to; square += step)
    if (b.man[square]) return 0;
  if (BelongsTo(b.man[to], b.side)) return 0;  // one of its own men
  *move = Move{static_cast<int8_t>(from), static_cast<int8_t>(to), 0};
  return 1;
}

// The legal moves to the square of the men of the side to move of one kind (WK..WP).
int LegalMovesTo(const Board &b, int kind, int to, Move out[MaxMoves]) {
  int man = ManOf(kind, b.side), found = 0;
  for (int from = FindMan(b, man); from < 64; from = FindMan(b, man, from + 1)) {
    if (!CouldReach(kind, b.side, from, to)) continue;
    Move moves[MaxMoves];
    int count = kind == WQ || kind == WR || kind == WB ? SliderMoveTo(b, from, to, moves)
                                                        : CandidateMovesFrom(b, from, moves);
    for (int k = 0; k < count; k++)
      if (moves[k].to == to && KeepsKingSafe(b, moves[k])) out[found++] = moves[k];
  }
  return found;
}

bool Refuse(std::string *why, const std::string &reason) {
  if (why) *why = reason;
  return false;
}

// The index of the character in the letters, or -1.
int Letter(char c, const char *letters) {
  const char *at = c ? std::strchr(letters, c) : nullptr;
  return at ? static_cast<int>(at - letters) : -1;
}

int SquareFrom(char file, char rank) {
  if (file < 'a' || file > 'h' || rank < '1' || rank > '8') return -1;
  return SquareOf(file - 'a', rank - '1');
}

// The SAN of a legal move, given the legal moves of its kind to its square (for a piece other
// than the king) and the board after it.
std::string SANOf(const Board &b, const Move &m, const Move *rivals, int count, const Board &after) {
  if (IsNullMove(m)) return "--";
  std::string san;
  int kind = KindOf(b.man[m.from]);
  if (IsCastling(b, m)) {
    san = m.to > m.from ? "O-O" : "O-O-O";
  } else {
    bool capture = b.man[m.to] != 0 || (kind == WP && FileOf(m.from) != FileOf(m.to));
    if (kind == WP) {
      if (capture) san += static_cast<char>('a' + FileOf(m.from));
    } else {
      san += PieceLetters[kind - WK];
      bool other = false, sameFile = false, sameRank = false;
      for (int k = 0; k < count; k++) {
        if (rivals[k].from == m.from) continue;
        other = true;
        sameFile |= FileOf(rivals[k].from) == FileOf(m.from);
        sameRank |= RankOf(rivals[k].from) == RankOf(m.from);
      }
      if (other && (!sameFile || sameRank)) san += static_cast<char>('a' + FileOf(m.from));
      if (other && sameFile) san += static_cast<char>('1' + RankOf(m.from));
    }
    if (capture) san += 'x';
    san += static_cast<char>('a' + FileOf(m.to));
    san += static_cast<char>('1' + RankOf(m.to));
    if (m.promotion) san += '=', san += PieceLetters[KindOf(m.promotion) - WK];
  }
  if (InCheck(after, after.side)) san += HasLegalMove(after) ? '+' : '#';
  return san;
}

// What a move's text names, read from SAN or long algebraic notation:
// [piece] [from file] [from rank] [x, : or -] square [[=]promotion].
struct Written {
  bool named = false;             // a piece letter was given
  int kind = WP;                  // WK..WP: the man named, a pawn when none is
  int fromFile = -1, fromRank = -1, to = -1;
  int promotion = 0;              // WQ..WN, or 0
};

// The kind a letter names at the start of a move: upper case, or lower case where it is no file
// letter (k, q, r, n; b only when bishopB, for a text that is no pawn's move); 0 for none.
int PieceKind(char c, bool bishopB) {
  if (Letter(c, "KQRBNP") >= 0) return WK + Letter(c, "KQRBNP");
  if (Letter(c, "kqrbn") >= 0 && (c != 'b' || bishopB)) return WK + Letter(c, "kqrbn");
  return 0;
}

// Reads the text (without signs and glyphs) into *w; false when it is no move at all.
bool Parse(const std::string &s, bool bishopB, Written *w) {
  size_t i = 0, last = s.size();
  int piece = last > 0 ? PieceKind(s[0], bishopB) : 0;
  if (piece) w->named = true, w->kind = piece, i = 1;
  // A promotion: "=Q" or "=q", or the letter right after the rank.
  if (last >= 2 && (s[last - 2] == '=' || (s[last - 2] >= '1' && s[last - 2] <= '8')) &&
      Letter(s[last - 1], "QRBNqrbn") >= 0) {
    w->promotion = WQ + Letter(s[last - 1], "QRBNqrbn") % 4;
    last -= s[last - 2] == '=' ? 2 : 1;
  }
  w->to = last >= i + 2 ? SquareFrom(s[last - 2], s[last - 1]) : -1;
  if (w->to >= 0) last -= 2;
  bool takes = last > i && Letter(s[last - 1], "x:") >= 0;
  if (last > i && Letter(s[last - 1], "x:-") >= 0) last--;
  if (last > i && s[i] >= 'a' && s[i] <= 'h') w->fromFile = s[i++] - 'a';
  if (last > i && s[i] >= '1' && s[i] <= '8') w->fromRank = s[i++] - '1';
  return w->to >= 0 && i == last && (!w->promotion || w->kind == WP) &&
         !(w->kind == WP && takes && w->fromFile < 0);
}

// The text without what does not choose the move: check and mate signs, glyphs, "e.p.".
std::string Bare(const std::string &text) {
  std::string s = text;
  for (size_t before = 0; before != s.size();) {
    before = s.size();
    while (!s.empty() && Letter(s.back(), "+#!? ") >= 0) s.pop_back();
    size_t n = s.size();
    if (n >= 4 && s.compare(n - 4, 4, "e.p.") == 0)
      s.resize(n - 4);
    else if (n >= 3 && s.compare(n - 2, 2, "ep") == 0 && s[n - 3] >= '1' && s[n - 3] <= '8')
      s.resize(n - 2);
  }
  return s;
}

// The legal moves the written move can be. Long algebraic (a from square) looks at the man on
// that square, whatever it is, castling too: e1g1, and in Chess960 e1h1 (the king taking its
// rook) or e1g1 where the king has no step to g1. *all is the number of candidates kept.
int Matches(const Board &b, const Written &w, Move candidates[MaxMoves], int *all,
            Move matches[MaxMoves]) {
  int count = 0;
  *all = 0;
  if (w.fromFile >= 0 && w.fromRank >= 0) {
    int from = SquareOf(w.fromFile, w.fromRank);
    if (!BelongsTo(b.man[from], b.side) || (w.named && KindOf(b.man[from]) != w.kind)) return 0;
    int moves = CandidateMovesFrom(b, from, candidates);
    for (int k = 0; k < moves; k++) {
      const Move &m = candidates[k];
      bool there = m.to == w.to || (IsCastling(b, m) && LandingSquare(b, m) == w.to);
      if (there && (!w.promotion || KindOf(m.promotion) == w.promotion) && KeepsKingSafe(b, m))
        candidates[(*all)++] = m;
    }
    for (int k = 0; k < *all; k++)
      if (!IsCastling(b, candidates[k]) || candidates[k].to == w.to || *all == 1)
        matches[count++] = candidates[k];
    return count;
  }
  int fromFile = w.kind == WP && w.fromFile < 0 ? FileOf(w.to) : w.fromFile;  // a pawn's own file
  *all = LegalMovesTo(b, w.kind, w.to, candidates);
  for (int k = 0; k < *all; k++) {
    const Move &m = candidates[k];
    if ((fromFile < 0 || FileOf(m.from) == fromFile) &&
        (w.fromRank < 0 || RankOf(m.from) == w.fromRank) &&
        (!w.promotion || KindOf(m.promotion) == w.promotion) && !IsCastling(b, m))
      matches[count++] = m;
  }
  return count;
}

// Castling written as O-O or O-O-O (or with zeros, or lower case): the king's castling move
// towards that side, wherever king and rook stand.
bool CastlingWritten(const Board &b, const std::string &s, Move *move) {
  static const char *const written[] = {"O-O", "0-0", "o-o", "O-O-O", "0-0-0", "o-o-o"};
  int kind = -1;
  for (int k = 0; k < 6; k++)
    if (s == written[k]) kind = k;
  if (kind < 0) return false;
  bool kingSide = kind < 3;
  Move moves[MaxMoves];
  int king = FindMan(b, ManOf(WK, b.side));
  int count = king < 64 ? CandidateMovesFrom(b, king, moves) : 0;
  *move = NullMove;
  for (int k = 0; k < count; k++)
    if (IsCastling(b, moves[k]) && (moves[k].to > moves[k].from) == kingSide &&
        KeepsKingSafe(b, moves[k]))
      *move = moves[k];
  return true;
}

// ReadSAN, and when san and after are given, the move as WriteSAN writes it and the board after
// it, from the moves already looked at.
bool ReadMove(const Board &b, const std::string &text, Move *move, std::string *why,
              std::string *san, Board *after) {
  auto found = [&](const Move &m, const Move *rivals, int count) {
    *move = m;
    if (san && after) {
      *after = b;
      MakeMove(after, m);
      *san = SANOf(b, m, rivals, count, *after);
    }
    return true;
  };
  if (text.empty()) return Refuse(why, "an empty move");
  if (text.size() > 16) return Refuse(why, text.substr(0, 16) + "... is not a move");
  std::string s = Bare(text);

  if (s == "--" || s == "Z0") {  // the turn passes, but not out of check
    if (InCheck(b, b.side))
      return Refuse(why, text + " is illegal: " + (b.side ? "black" : "white") + " is in check");
    return found(NullMove, nullptr, 0);
  }
  Move castling;
  if (CastlingWritten(b, s, &castling)) {
    if (IsNullMove(castling)) return Refuse(why, text + " is illegal");
    return found(castling, nullptr, 0);
  }

  Written w;
  if (!Parse(s, false, &w)) return Refuse(why, text + " is not a move");
  Move candidates[MaxMoves], matches[MaxMoves];
  int all = 0, count = Matches(b, w, candidates, &all, matches);
  // "bc3" is a b-pawn's capture where one fits, else a bishop's move in lower case.
  Written bishop;
  if (count == 0 && s[0] == 'b' && Parse(s, true, &bishop)) {
    count = Matches(b, bishop, candidates, &all, matches);
    if (count) w = bishop;
  }
  if (count == 1) {
    int kind = KindOf(b.man[matches[0].from]);
    if (kind == WP || kind == WK) return found(matches[0], nullptr, 0);
    if (w.fromFile >= 0 && w.fromRank >= 0)  // only one man was looked at: find its rivals
      all = LegalMovesTo(b, kind, matches[0].to, candidates);
    return found(matches[0], candidates, all);
  }
  if (count == 0) return Refuse(why, text + " is illegal");
  std::vector<std::string> names;
  for (int k = 0; k < count; k++) names.push_back(WriteSAN(b, matches[k]));
  std::sort(names.begin(), names.end());
  std::string choices;
  for (size_t k = 0; k < names.size(); k++)
    choices += (k == 0 ? "" : k + 1 < names.size() ? ", " : " or ") + names[k];
  return Refuse(why, text + " is ambiguous: " + choices);
}
}  // namespace

std::string WriteSAN(const Board &b, const Move &m) {
  Move rivals[MaxMoves];
  int kind = KindOf(b.man[m.from]);
  int count = kind == WK || kind == WP ? 0 : LegalMovesTo(b, kind, m.to, rivals);
  Board after = b;
  MakeMove(&after, m);
  return SANOf(b, m, rivals, count, after);
}

bool ReadSAN(const Board &board, const std::string &text, Move *move, std::string *why) {
  return ReadMove(board, text, move, why, nullptr, nullptr);
}

bool PlaySAN(const Board &board, const std::string &text, Move *move, std::string *san,
             Board *after, std::string *why) {
  return ReadMove(board, text, move, why, san, after);
}
