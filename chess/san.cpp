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
  // What matters is before the check sign and the glyphs.
  std::string s = text;
  while (!s.empty() && Letter(s.back(), "+#!?") >= 0) s.pop_back();
  Move matches[MaxMoves];
  int count = 0;

  if (s == "O-O" || s == "0-0" || s == "O-O-O" || s == "0-0-0") {
    int from = b.side ? 60 : 4, to = s.size() == 3 ? from + 2 : from - 2;
    count = LegalMovesTo(b, WK, to, matches);
    // A king moves two files only when castling.
    for (int k = 0; k < count; k++)
      if (matches[k].from == from) return found(matches[k], nullptr, 0);
    return Refuse(why, text + " is illegal");
  }

  // [piece] [from file] [from rank] [x or - or :] square [[=]promotion]
  size_t i = 0, last = s.size();
  int kind = WP, promotion = 0;
  if (last > 0 && Letter(s[0], "KQRBNP") >= 0) kind = WK + Letter(s[0], "KQRBNP"), i = 1;
  if (last >= 2 && s[last - 2] == '=' && Letter(s[last - 1], "QRBNqrbn") >= 0) {
    promotion = WQ + Letter(s[last - 1], "QRBNqrbn") % 4;
    last -= 2;
  } else if (last >= 1 && Letter(s[last - 1], "QRBN") >= 0) {
    promotion = WQ + Letter(s[last - 1], "QRBN");
    last -= 1;
  }
  int to = last >= i + 2 ? SquareFrom(s[last - 2], s[last - 1]) : -1;
  if (to >= 0) last -= 2;
  bool takes = last > i && Letter(s[last - 1], "x:") >= 0;
  if (last > i && Letter(s[last - 1], "x:-") >= 0) last--;
  int fromFile = -1, fromRank = -1;
  if (last > i && s[i] >= 'a' && s[i] <= 'h') fromFile = s[i++] - 'a';
  if (last > i && s[i] >= '1' && s[i] <= '8') fromRank = s[i++] - '1';
  if (to < 0 || i != last || (promotion && kind != WP) || (kind == WP && takes && fromFile < 0))
    return Refuse(why, text + " is not a move");
  if (kind == WP && fromFile < 0) fromFile = FileOf(to);  // a pawn that captures names its file

  Move candidates[MaxMoves];
  int all = LegalMovesTo(b, kind, to, candidates);
  for (int k = 0; k < all; k++) {
    const Move &m = candidates[k];
    if ((fromFile < 0 || FileOf(m.from) == fromFile) && (fromRank < 0 || RankOf(m.from) == fromRank) &&
        (!promotion || KindOf(m.promotion) == promotion) && !IsCastling(b, m))
      matches[count++] = m;
  }
  if (count == 1) return found(matches[0], candidates, kind == WP || kind == WK ? 0 : all);
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
