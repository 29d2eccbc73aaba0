// The PGN reader. It reads the input a byte at a time from a block and acts on each token as it
// comes: tags are kept, moves are played, comments and NAGs are passed over, and variations are
// played too when the source asks for them. A game ends at its result, at a tag line after its
// moves, or at the end of the input. After the first fault in a game the rest of it is only
// scanned for its end, so the next game still reads and keeps its number.
#include "chess/pgn.h"

#include <cstring>

#include "chess/fen.h"
#include "chess/san.h"

namespace {
constexpr size_t BlockBytes = 1 << 16;
constexpr int End = -1;              // Peek and Next at the end of the input
constexpr size_t MaxToken = 32;      // bytes of a move kept; a longer one is not a move anyway
constexpr size_t MaxTagBytes = 4096; // bytes of a tag name or value kept
constexpr size_t MaxLookAhead = 1024; // bytes of a line looked at before reading it

// Makes n bytes available at block[at] if the input still has them.
bool Fill(PGNSource *s, size_t n) {
  if (s->end - s->at >= n) return true;
  if (!s->file) return false;
  std::memmove(s->block.data(), s->block.data() + s->at, s->end - s->at);
  s->end -= s->at;
  s->at = 0;
  while (s->end < n) {
    size_t got = std::fread(s->block.data() + s->end, 1, s->block.size() - s->end, s->file);
    if (got == 0) return false;
    s->end += got;
  }
  return true;
}

// The byte ahead bytes on, or End.
int Peek(PGNSource *s, size_t ahead = 0) {
  if (s->at + ahead >= s->end && !Fill(s, ahead + 1)) return End;
  return static_cast<unsigned char>(s->block[s->at + ahead]);
}

// A byte-order mark where a line begins is passed over: files joined with cat keep theirs.
void SkipByteOrderMark(PGNSource *s) {
  if (Peek(s) == 0xEF && Peek(s, 1) == 0xBB && Peek(s, 2) == 0xBF) s->at += 3, s->gameBytes += 3;
}

// The next byte, with CR and CR LF read as one LF.
int Next(PGNSource *s) {
  int c = s->at < s->end ? static_cast<unsigned char>(s->block[s->at]) : Peek(s);
  if (c == End) return End;
  s->at++, s->gameBytes++;
  if (c == '\r') {
    if (Peek(s) == '\n') s->at++, s->gameBytes++;
    c = '\n';
  }
  s->lineStart = c == '\n';
  if (s->lineStart) {
    s->line++;
    SkipByteOrderMark(s);
  }
  return c;
}

bool Blank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool Letter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool Digit(int c) { return c >= '0' && c <= '9'; }
// A byte of a move, a move number or a result.
bool SymbolByte(int c) {
  return Letter(c) || Digit(c) || c == '_' || c == '+' || c == '#' || c == '=' || c == ':' ||
         c == '-' || c == '/' || c == '!' || c == '?';
}

void SkipLine(PGNSource *s) {
  for (int c = Peek(s); c != End && c != '\n' && c != '\r'; c = Peek(s)) Next(s);
}

bool LineEnd(int c) { return c == End || c == '\n' || c == '\r'; }

// Is the line ahead a whole tag pair, [Name "value"] and nothing after it but blanks? Within a
// comment only such a line ends it: the comment was never closed and the next game begins.
// Other lines that begin with "[" are the comment's text.
bool TagPairAhead(PGNSource *s) {
  size_t k = 0;
  auto blanks = [&] { while (Peek(s, k) == ' ' || Peek(s, k) == '\t') k++; };
  if (Peek(s, k++) != '[' || !Letter(Peek(s, k))) return false;
  while (SymbolByte(Peek(s, k)) && k < MaxLookAhead) k++;
  blanks();
  if (Peek(s, k++) != '"') return false;
  for (int c; (c = Peek(s, k)) != '"'; k++) {
    if (LineEnd(c) || k > MaxLookAhead) return false;
    if (c == '\\') k++;
  }
  k++;
  blanks();
  if (Peek(s, k++) != ']') return false;
  blanks();
  return LineEnd(Peek(s, k));
}

// Does the line ahead end a tag value broken by a line end: no "[" at its start, "\"]" at its
// end?
bool ValueEndAhead(PGNSource *s) {
  if (Peek(s) == '[') return false;
  int last = 0, beforeLast = 0;
  for (size_t k = 0; !LineEnd(Peek(s, k)); k++) {
    if (k > MaxLookAhead) return false;
    int c = Peek(s, k);
    if (c != ' ' && c != '\t') beforeLast = last, last = c;
  }
  return beforeLast == '"' && last == ']';
}

// Skips a comment in braces; false when it was not closed.
bool SkipComment(PGNSource *s) {
  Next(s);
  for (;;) {
    if (s->lineStart && Peek(s) == '[' && TagPairAhead(s)) return false;
    int c = Next(s);
    if (c == End) return false;
    if (c == '}') return true;
  }
}

bool ValidUTF8(const std::string &text) {
  for (size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    int more = c < 0x80 ? 0 : c >= 0xC2 && c < 0xE0 ? 1 : c >= 0xE0 && c < 0xF0 ? 2
             : c >= 0xF0 && c < 0xF5 ? 3 : -1;  // bytes that follow the first
    if (more < 0 || text.size() - i <= static_cast<size_t>(more)) return false;
    for (int k = 1; k <= more; k++)
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
    i += 1 + more;
  }
  return true;
}

// Names written in Latin-1 come out in UTF-8; text that is UTF-8 already is kept as it is.
std::string AsUTF8(const std::string &text) {
  if (ValidUTF8(text)) return text;
  std::string utf8;
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      utf8 += ch;
    } else {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

// 0: standard chess, 1: Chess960, -1: a variant the reader does not play. Any case.
int VariantOf(const std::string &name) {
  std::string lower;
  for (char c : name) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
  for (const char *standard : {"", "standard", "chess"})
    if (lower == standard) return 0;
  for (const char *chess960 :
       {"chess960", "chess 960", "fischerandom", "fischerrandom", "fischer random"})
    if (lower == chess960) return 1;
  return -1;
}

// The moves of one line of a game: the main line or a variation.
struct Line {
  std::vector<Board> &positions;
  std::vector<Move> &moves;
  std::vector<std::string> &san;
};

// A variation open while its moves are read.
struct OpenVariation {
  int index;         // in game->variations, or -1 when none is kept (after a fault)
  int variations;    // variations begun inside it so far
};

// One game being read.
struct GameReader {
  GameReader(PGNSource *source, PGNGame *g) : s(source), game(g), firstLine(source->line) {}
  PGNSource *s;
  PGNGame *game;
  long firstLine;              // the line the game begins on
  std::string fault;           // the first fault, with where it is; empty while all is well
  bool moves = false;          // movetext has begun
  bool tags = false;           // a tag line has been read
  bool tagsEnded = false;      // an empty line has followed the tags: a "[" now is the next game
  int depth = 0;               // variations open
  long variationLine = 0;      // the line of the outermost open variation's "("
  long variantLine = 0, fenLine = 0;  // the lines of these tags
  std::vector<OpenVariation> open;    // when variations are kept: as deep as depth
  int mainVariations = 0;      // variations of the main line begun so far

  void Fault(long line, const std::string &where, const std::string &what) {
    if (fault.empty())
      fault = "line " + std::to_string(line) + ", game " + std::to_string(game->number) + where +
              ": " + what;
  }
  // The line moves are played in: the innermost variation kept, or the main line.
  Line Current() {
    if (open.empty() || open.back().index < 0) return {game->positions, game->moves, game->san};
    PGNVariation &v = game->variations[open.back().index];
    return {v.positions, v.moves, v.san};
  }
  // Where the next move is: ", move 12" or ", variation 2.1, move 12...".
  std::string AtMove() {
    std::string where;
    if (!open.empty() && open.back().index >= 0)
      where = ", variation " + game->variations[open.back().index].path;
    Line line = Current();
    if (line.positions.empty()) return where;
    const Board &b = line.positions.back();
    return where + ", move " + std::to_string(b.fullMoves) + (b.side ? "..." : "");
  }

  // A damaged tag line is its game's fault; the rest of the line goes with it.
  void TagFault(long line, const std::string &what) {
    Fault(line, "", what);
    SkipLine(s);
  }

  // [Name "value"], with \" and \\ in the value.
  void ReadTag() {
    long line = s->line;
    tags = true;
    Next(s);
    while (Peek(s) == ' ' || Peek(s) == '\t') Next(s);
    std::string name, value;
    while (SymbolByte(Peek(s))) {
      int c = Next(s);
      if (name.size() < MaxTagBytes) name += static_cast<char>(c);
    }
    if (name.empty()) return TagFault(line, "a tag without a name");
    while (Peek(s) == ' ' || Peek(s) == '\t') Next(s);
    if (Peek(s) != '"') return TagFault(line, "tag " + name + " has no value in quotes");
    Next(s);
    for (int c = Next(s);; c = Next(s)) {
      if (c == End || c == '\n') {
        Fault(line, "", "tag " + name + ": the value is not closed");
        if (c == '\n' && ValueEndAhead(s)) SkipLine(s);  // the value's end, on the next line
        return;
      }
      if (c == '"') break;
      if (c == '\\' && (Peek(s) == '"' || Peek(s) == '\\')) c = Next(s);
      if (value.size() < MaxTagBytes) value += static_cast<char>(c);
    }
    while (Peek(s) == ' ' || Peek(s) == '\t') Next(s);
    if (Peek(s) != ']') return TagFault(line, "tag " + name + " is not closed with ]");
    Next(s);
    if (!fault.empty()) return;
    game->tags.emplace_back(name, AsUTF8(value));
    if (name == "Variant") variantLine = line;
    if (name == "FEN") fenLine = line;
  }

  // The position the moves start from: the FEN tag's, or the usual one; Chess960 from the
  // Variant tag or from castling only Chess960 has.
  void BeginMoves() {
    moves = true;
    std::string variant = PGNTag(*game, "Variant"), fen = PGNTag(*game, "FEN"), why;
    int chess960 = VariantOf(variant);
    if (chess960 < 0) Fault(variantLine, "", "the variant " + variant + " is not supported");
    Board start;
    if (fen.empty()) {
      ReadFEN(StartFEN, &start, nullptr, nullptr, chess960 > 0);
    } else if (!ReadFEN(fen, &start, &why, nullptr, chess960 > 0) || !PlayablePosition(start, &why)) {
      Fault(fenLine, "", "tag FEN: " + why);
      ReadFEN(StartFEN, &start, nullptr);
    }
    game->positions.push_back(start);
  }

  void Play(long line, const std::string &text) {
    Line to = Current();
    Move m;
    Board after;
    std::string san, why;
    const Board &before = to.positions.back();
    if (!(s->san ? PlaySAN(before, text, &m, &san, &after, &why) : ReadSAN(before, text, &m, &why)))
      return Fault(line, AtMove(), why);
    if (s->san) {
      to.san.push_back(san);
    } else {
      after = before;
      MakeMove(&after, m);
    }
    to.moves.push_back(m);
    to.positions.push_back(after);
  }

  // "(": a variation of the last move of the line it is in, from the position before that move.
  void Open(long line) {
    if (depth++ == 0) variationLine = line;
    if (!s->variations) return;
    OpenVariation entry{-1, 0};
    if (fault.empty() && Current().moves.empty()) Fault(line, AtMove(), "a variation before any move");
    if (fault.empty()) {
      bool inMain = open.empty();
      const PGNVariation *parent = inMain ? nullptr : &game->variations[open.back().index];
      Line from = Current();
      PGNVariation v;
      int number = ++(inMain ? mainVariations : open.back().variations);
      v.path = (inMain ? "" : parent->path + ".") + std::to_string(number);
      v.firstPly = (inMain ? 1 : parent->firstPly) + static_cast<int>(from.moves.size()) - 1;
      v.positions.push_back(from.positions[from.positions.size() - 2]);
      game->variations.push_back(std::move(v));
      entry.index = static_cast<int>(game->variations.size()) - 1;
    }
    open.push_back(entry);
  }

  void Close(long line) {
    if (depth == 0) return Fault(line, AtMove(), "')' without '('");
    depth--;
    if (s->variations) open.pop_back();
  }

  // A move, a move number or a result. True when it ended the game.
  bool Symbol() {
    long line = s->line;
    std::string token;
    bool digits = true;
    while (SymbolByte(Peek(s))) {
      int c = Next(s);
      digits = digits && Digit(c);
      if (token.size() <= MaxToken) token += static_cast<char>(c);
    }
    if (digits) {  // a move number, "12." or "12..."
      while (Peek(s) == '.') Next(s);
      return false;
    }
    // "e.p." after a move, apart ("exd6 e.p.") or joined ("exd6e.p."), adds nothing to it.
    if (token.back() == 'e' && Peek(s) == '.' && Peek(s, 1) == 'p') {
      Next(s), Next(s);
      if (Peek(s) == '.') Next(s);
      token.pop_back();
      if (token.empty()) return false;
    }
    if (token.find_first_not_of("!?") == std::string::npos) return false;  // a glyph on its own
    if (token == "1-0" || token == "0-1" || token == "1/2-1/2") {
      if (depth > 0) return false;
      game->result = token;
      return true;
    }
    if (fault.empty() && (depth == 0 || s->variations)) Play(line, token);
    return false;
  }

  void Read() {
    for (;;) {
      if (s->gameBytes > MaxPGNGameBytes)
        Fault(firstLine, "",
              "the game is longer than " + std::to_string(MaxPGNGameBytes >> 20) + " MB");
      int c = Peek(s);
      if (c == End) break;
      if (s->lineStart && c == '%') {  // an escape line, for other programs
        SkipLine(s);
        continue;
      }
      if (s->lineStart && c == '[' && (moves || tagsEnded)) break;  // the next game's tags
      long line = s->line;
      if (Blank(c) || c == '.') {
        bool emptyLine = s->lineStart && (c == '\n' || c == '\r');
        tagsEnded = tagsEnded || (tags && emptyLine);
        Next(s);
      } else if (c == '{') {
        if (!SkipComment(s)) Fault(line, AtMove(), "a comment is not closed");
      } else if (c == ';') {
        SkipLine(s);
      } else if (c == '[' && !moves) {
        ReadTag();
      } else {
        if (!moves) BeginMoves();
        if (c == '(') {
          Next(s);
          Open(line);
        } else if (c == ')') {
          Next(s);
          Close(line);
        } else if (c == '$') {  // a NAG
          Next(s);
          while (Digit(Peek(s))) Next(s);
        } else if (c == '*') {
          Next(s);
          if (depth == 0) {
            game->result = "*";
            break;
          }
        } else if (SymbolByte(c)) {
          if (Symbol()) break;
        } else {
          Next(s);
          Fault(line, AtMove(), "unexpected character " + Shown(c));
        }
      }
    }
    if (!moves) BeginMoves();
    if (depth > 0) Fault(variationLine, AtMove(), "a variation is not closed");
  }
};

// Passes over what may stand between games; false at the end of the input.
bool SkipBetweenGames(PGNSource *s) {
  for (;;) {
    int c = Peek(s);
    if (c == End) return false;
    if (Blank(c)) {
      Next(s);
    } else if ((s->lineStart && c == '%') || c == ';') {
      SkipLine(s);
    } else if (c == '{') {
      SkipComment(s);
    } else {
      return true;
    }
  }
}
}  // namespace

std::string PGNTag(const PGNGame &game, const std::string &name) {
  for (const auto &tag : game.tags)
    if (tag.first == name) return tag.second;
  return std::string();
}

void OpenPGNSource(PGNSource *source, std::FILE *file) {
  *source = PGNSource{};
  source->file = file;
  source->block.resize(BlockBytes);
}

int ReadPGNGame(PGNSource *source, PGNGame *game, std::string *why) {
  if (!source->started) {
    source->started = true;
    SkipByteOrderMark(source);
  }
  game->tags.clear();
  game->positions.clear();
  game->moves.clear();
  game->san.clear();
  game->result.clear();
  game->variations.clear();
  if (!SkipBetweenGames(source)) return 0;
  game->number = ++source->games;
  source->gameBytes = 0;
  GameReader reader(source, game);
  reader.Read();
  if (reader.fault.empty()) return 1;
  if (why) *why = reader.fault;
  return -1;
}
