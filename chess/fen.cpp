// FEN reading and writing. The reader checks every field and says which one is wrong and how;
// nothing reaches the board until the whole text has been read.
#include "chess/fen.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "model/diagram.h"

namespace {
const char ManLetters[] = "KQRBNPkqrbnp";  // the letter of square code WK + index
// The square code of each letter of ManLetters by its byte, 0 for any other byte.
constexpr std::array<int8_t, 256> ManCodes = [] {
  std::array<int8_t, 256> codes{};
  for (int i = 0; i < 12; i++) codes[static_cast<unsigned char>(ManLetters[i])] = static_cast<int8_t>(WK + i);
  return codes;
}();

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Refuse(std::string *why, const std::string &reason) {
  if (why) *why = reason;
  return reason;
}

// A whole non-negative number of at most six digits.
bool Counter(std::string_view field, int *value) {
  if (field.empty() || field.size() > 6) return false;
  int n = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  *value = n;
  return true;
}

// Field 1: eight ranks from the 8th down, '/' between them.
std::string ReadPlacement(std::string_view field, Board *b, std::string *why) {
  int ranks = 1;
  for (char c : field) ranks += c == '/';
  if (ranks != 8) return Refuse(why, std::to_string(ranks) + (ranks == 1 ? " rank" : " ranks") +
                                         ", expected 8");
  int rank = 7, file = 0;
  for (size_t i = 0; i <= field.size(); i++) {
    char c = i < field.size() ? field[i] : '/';
    if (c == '/') {
      if (file != 8)
        return Refuse(why, "rank " + std::to_string(rank + 1) + " has " + std::to_string(file) +
                               " squares");
      rank--, file = 0;
    } else if (c >= '1' && c <= '8') {
      file += c - '0';
    } else if (int8_t man = ManCodes[static_cast<unsigned char>(c)]) {
      if (file < 8) b->man[SquareOf(file, rank)] = man;
      file++;
    } else {
      return Refuse(why, "unknown piece letter " + Shown(c) + " in rank " +
                             std::to_string(rank + 1));
    }
    // A rank of many digits is refused on its first square too many, not after adding them up.
    if (file > 8) {
      int squares = file;
      for (size_t j = i + 1; j < field.size() && field[j] != '/'; j++)
        squares += field[j] >= '1' && field[j] <= '8' ? field[j] - '0' : 1;
      return Refuse(why, "rank " + std::to_string(rank + 1) + " has " + std::to_string(squares) +
                             " squares");
    }
  }
  return std::string();
}

// The file of the side's king on its first rank, or -1.
int KingFile(const Board &b, int side) {
  int rank = side ? 7 : 0;
  for (int file = 0; file < 8; file++)
    if (b.man[SquareOf(file, rank)] == ManOf(WK, side)) return file;
  return -1;
}

// The file of the rook of the side on its first rank furthest from its king towards one edge
// (the h-file's for the king's side), or -1.
int OutermostRook(const Board &b, int side, bool kingSide) {
  int rank = side ? 7 : 0, king = KingFile(b, side);
  if (king < 0) return -1;
  for (int file = kingSide ? 7 : 0; file != king; file += kingSide ? -1 : 1)
    if (b.man[SquareOf(file, rank)] == ManOf(WR, side)) return file;
  return -1;
}

// Field 3. KQkq name the outermost rook on that side of the king (the corner's in standard
// chess); a file letter names the rook on that file (Shredder-FEN, and X-FEN for an inner rook),
// upper case for white. A right whose king or rook is not there is dropped. Rights that standard
// chess cannot hold (a king off the e-file, a rook off the corner) make the board Chess960, and
// so does chess960.
std::string ReadCastling(std::string_view field, bool chess960, Board *b, std::string *why) {
  b->castling = 0;
  if (field == "-") {
    b->chess960 = chess960;
    return std::string();
  }
  int8_t files[4] = {7, 0, 7, 0};
  bool standard = true;
  std::string seen;
  for (char c : field) {
    bool letter = c == 'K' || c == 'Q' || c == 'k' || c == 'q';
    bool file = (c >= 'A' && c <= 'H') || (c >= 'a' && c <= 'h');
    if ((!letter && !file) || seen.find(c) != std::string::npos)
      return Refuse(why, "castling field '" + std::string(field) + "'");
    seen += c;
    int side = c >= 'a', king = KingFile(*b, side);
    int rook = letter ? OutermostRook(*b, side, c == 'K' || c == 'k') : (c | 0x20) - 'a';
    if (king < 0 || rook < 0 || rook == king ||
        b->man[SquareOf(rook, side ? 7 : 0)] != ManOf(WR, side))
      continue;  // nothing to castle with
    int right = 2 * side + (rook < king);
    if (b->castling & (1 << right)) return Refuse(why, "castling field '" + std::string(field) + "'");
    b->castling = static_cast<int8_t>(b->castling | 1 << right);
    files[right] = static_cast<int8_t>(rook);
    standard = standard && king == 4 && rook == (rook < king ? 0 : 7);
  }
  b->chess960 = chess960 || !standard;
  if (b->chess960) std::memcpy(b->rookFile, files, sizeof files);
  return std::string();
}

std::string ReadEnPassant(std::string_view field, Board *b, std::string *why) {
  b->enPassant = -1;
  if (field == "-") return std::string();
  int wanted = b->side == 0 ? '6' : '3';  // the square a pawn of the other side just passed
  if (field.size() != 2 || field[0] < 'a' || field[0] > 'h' || field[1] != wanted)
    return Refuse(why, "en passant field '" + std::string(field) + "' (expected - or a square on rank " +
                           static_cast<char>(wanted) + ")");
  b->enPassant = static_cast<int8_t>(SquareOf(field[0] - 'a', field[1] - '1'));
  return std::string();
}

std::string Read(const std::string &text, bool chess960, Board *b, std::string *why,
                 std::string *operations) {
  if (text.size() > MaxFENLength)
    return Refuse(why, "the text is " + std::to_string(text.size()) +
                           " characters long; a FEN has at most " + std::to_string(MaxFENLength));
  size_t first = 0, last = text.size();
  while (first < last && Blank(text[first])) first++;
  while (last > first && Blank(text[last - 1])) last--;
  if (first == last) return Refuse(why, "the text is empty");
  // One pass: a control character is refused; the first six fields (more are EPD operations)
  // are kept as views into the text, and where the fifth starts, so that the operations are kept
  // as written. A FEN list is read without copies.
  std::string_view fields[6];
  size_t count = 0, fifth = last, start = last;  // start: of the field being read, or last
  for (size_t i = first; i <= last; i++) {
    const unsigned char c = i < last ? static_cast<unsigned char>(text[i]) : ' ';
    if (c == ' ' || c == '\t') {
      if (start == last) continue;
      if (count == 4) fifth = start;
      if (count < 6) fields[count] = std::string_view(text).substr(start, i - start);
      count++, start = last;
    } else if (c < 0x20) {
      return Refuse(why, "character " + Shown(text[i]) + " at column " + std::to_string(i - first + 1));
    } else if (start == last) {
      start = i;
    }
  }

  *b = Board{};
  b->enPassant = -1;
  b->fullMoves = 1;
  std::string problem = ReadPlacement(fields[0], b, why);
  if (!problem.empty()) return problem;
  if (count == 1) {
    // Rights wherever the men allow them: in Chess960 with the outermost rooks.
    if (chess960) return ReadCastling("KQkq", true, b, why);
    b->castling = static_cast<int8_t>(CastlingFromMen(*b));
    return std::string();
  }
  if (fields[1] != "w" && fields[1] != "b") return Refuse(why, "side to move must be w or b");
  b->side = fields[1] == "b";
  if (count < 4)
    return Refuse(why, count == 2 ? "the castling and en passant fields are missing"
                                          : "the en passant field is missing");
  problem = ReadCastling(fields[2], chess960, b, why);
  if (problem.empty()) problem = ReadEnPassant(fields[3], b, why);
  if (!problem.empty()) return problem;
  if (count == 4) return std::string();

  // Six fields end in the two counters; anything else after four fields is EPD operations.
  int half = 0, full = 0;
  if (count == 6 && Counter(fields[4], &half) && Counter(fields[5], &full)) {
    b->halfMoves = half;
    b->fullMoves = full < 1 ? 1 : full;
    return std::string();
  }
  if (count <= 6 && Counter(fields[4], &half))
    return Refuse(why, count == 5 ? "the move number field is missing"
                                  : "move number '" + std::string(fields[5]) + "' is not a number");
  if (operations) *operations = text.substr(fifth, last - fifth);
  return std::string();
}
// X-FEN: the letter of the right (KQkq), or in Chess960 the file of its rook when another rook
// of the side stands further out on that side.
char CastlingLetter(const Board &b, int right) {
  int side = right >> 1, rook = CastlingRookFile(b, right);
  bool kingSide = (right & 1) == 0;
  if (!b.chess960 || OutermostRook(b, side, kingSide) == rook) return "KQkq"[right];
  return static_cast<char>((side ? 'a' : 'A') + rook);
}
}  // namespace

int CastlingFromMen(const Board &b) {
  if (b.chess960) {
    int allowed = 0;
    for (int right = 0; right < 4; right++) {
      int side = right >> 1, king = KingFile(b, side), rook = b.rookFile[right];
      if (king >= 0 && b.man[SquareOf(rook, side ? 7 : 0)] == ManOf(WR, side) &&
          (rook < king) == ((right & 1) == 1))
        allowed |= 1 << right;
    }
    return allowed;
  }
  const struct {
    int right, king, rook, kingSquare, rookSquare;
  } rights[] = {{CastleWK, WK, WR, 4, 7},
                {CastleWQ, WK, WR, 4, 0},
                {CastleBK, BK, BR, 60, 63},
                {CastleBQ, BK, BR, 60, 56}};
  int allowed = 0;
  for (const auto &r : rights)
    if (b.man[r.kingSquare] == r.king && b.man[r.rookSquare] == r.rook) allowed |= r.right;
  return allowed;
}

bool ReadFEN(const std::string &text, Board *board, std::string *why, std::string *operations,
             bool chess960) {
  Board read;
  std::string ops;
  if (!Read(text, chess960, &read, why, &ops).empty()) return false;
  *board = read;
  if (operations) *operations = ops;
  return true;
}

std::string Shown(int c) {
  if (c > 0x20 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", c & 0xFF);
  return text;
}

std::string SquareName(int square) {
  if (square < 0 || square > 63) return "-";
  return std::string{static_cast<char>('a' + FileOf(square)), static_cast<char>('1' + RankOf(square))};
}

std::string WriteFEN(const Board &b) {
  // Written into a buffer of the longest FEN: 64 men and 7 slashes, then "w KQkq e3" and two
  // counters of at most 11 characters each.
  char fen[128];
  int n = 0;
  for (int rank = 7; rank >= 0; rank--) {
    int empty = 0;
    uint64_t squares;  // an empty rank is one "8": middlegames have several
    std::memcpy(&squares, b.man + SquareOf(0, rank), sizeof squares);
    for (int file = 0; file < 8 && squares; file++) {
      int man = b.man[SquareOf(file, rank)];
      if (man < WK || man > BP) {
        empty++;
        continue;
      }
      if (empty) fen[n++] = static_cast<char>('0' + empty), empty = 0;
      fen[n++] = ManLetters[man - WK];
    }
    if (!squares) empty = 8;
    if (empty) fen[n++] = static_cast<char>('0' + empty);
    if (rank) fen[n++] = '/';
  }
  fen[n++] = ' ', fen[n++] = b.side ? 'b' : 'w', fen[n++] = ' ';
  int before = n;
  for (int right = 0; right < 4; right++)
    if (b.castling & (1 << right)) fen[n++] = CastlingLetter(b, right);
  if (n == before) fen[n++] = '-';
  fen[n++] = ' ';
  if (b.enPassant >= 0 && b.enPassant < 64)
    fen[n++] = static_cast<char>('a' + FileOf(b.enPassant)), fen[n++] = static_cast<char>('1' + RankOf(b.enPassant));
  else
    fen[n++] = '-';
  for (int counter : {b.halfMoves, b.fullMoves}) {
    char digits[12];
    int d = 0;
    unsigned value = counter < 0 ? 0u : static_cast<unsigned>(counter);
    do digits[d++] = static_cast<char>('0' + value % 10), value /= 10;
    while (value);
    fen[n++] = ' ';
    while (d) fen[n++] = digits[--d];
  }
  return std::string(fen, n);
}
