// The PGN reader. It reads the input a byte at a time from a block and acts on each token as it
// comes: tags are kept, moves are played, comments, variations and NAGs are passed over. A game
// ends at its result, at a tag line after its moves, or at the end of the input. After the first
// fault in a game the rest of it is only scanned for its end, so the next game still reads.
#include "chess/pgn.h"

#include <cstring>

#include "chess/fen.h"
#include "chess/san.h"

namespace {
constexpr size_t BlockBytes = 1 << 16;
constexpr int End = -1;              // Peek and Next at the end of the input
constexpr size_t MaxToken = 32;      // bytes of a move kept; a longer one is not a move anyway
constexpr size_t MaxTagBytes = 4096; // bytes of a tag name or value kept

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

// Is the next line a tag pair, "[" and a tag name? Within a comment that was never closed it
// is the next game beginning.
bool TagLineAhead(PGNSource *s) { return s->lineStart && Peek(s) == '[' && Letter(Peek(s, 1)); }

// Skips a comment in braces; false when it was not closed.
bool SkipComment(PGNSource *s) {
  Next(s);
  for (;;) {
    if (TagLineAhead(s)) return false;
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

// One game being read.
struct GameReader {
  PGNSource *s;
  PGNGame *game;
  std::string fault;          // the first fault, with where it is; empty while all is well
  bool moves = false;         // movetext has begun
  int depth = 0;              // variations open

  void Fault(const std::string &where, const std::string &what) {
    if (fault.empty()) fault = "game " + std::to_string(game->number) + where + ": " + what;
  }
  // Where the next move of the main line is: "move 12" or "move 12...".
  std::string AtMove() {
    if (game->positions.empty()) return std::string();
    const Board &b = game->positions.back();
    return ", move " + std::to_string(b.fullMoves) + (b.side ? "..." : "");
  }

  // [Name "value"], with \" and \\ in the value.
  void ReadTag() {
    Next(s);
    while (Peek(s) == ' ' || Peek(s) == '\t') Next(s);
    std::string name, value;
    while (SymbolByte(Peek(s))) {
      int c = Next(s);
      if (name.size() < MaxTagBytes) name += static_cast<char>(c);
    }
    if (name.empty()) return Fault("", "a tag without a name");
    while (Peek(s) == ' ' || Peek(s) == '\t') Next(s);
    if (Peek(s) != '"') return Fault("", "tag " + name + " has no value in quotes");
    Next(s);
    for (int c = Next(s);; c = Next(s)) {
      if (c == End || c == '\n') return Fault("", "tag " + name + ": the value is not closed");
      if (c == '"') break;
      if (c == '\\' && (Peek(s) == '"' || Peek(s) == '\\')) c = Next(s);
      if (value.size() < MaxTagBytes) value += static_cast<char>(c);
    }
    while (Peek(s) == ' ' || Peek(s) == '\t') Next(s);
    if (Peek(s) != ']') return Fault("", "tag " + name + " is not closed with ]");
    Next(s);
    if (fault.empty()) game->tags.emplace_back(name, AsUTF8(value));
  }

  // The position the moves start from: the FEN tag's, or the usual one.
  void BeginMoves() {
    moves = true;
    Board start;
    std::string fen = PGNTag(*game, "FEN"), why;
    if (fen.empty()) {
      ReadFEN(StartFEN, &start, nullptr);
    } else if (!ReadFEN(fen, &start, &why) || !PlayablePosition(start, &why)) {
      Fault("", "tag FEN: " + why);
      ReadFEN(StartFEN, &start, nullptr);
    }
    game->positions.push_back(start);
  }

  void Play(const std::string &text) {
    Move m;
    Board after;
    std::string san, why;
    if (!PlaySAN(game->positions.back(), text, &m, &san, &after, &why))
      return Fault(AtMove(), why);
    game->moves.push_back(m);
    game->san.push_back(san);
    game->positions.push_back(after);
  }

  // A move, a move number or a result. True when it ended the game.
  bool Symbol() {
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
    if (token.find_first_not_of("!?") == std::string::npos) return false;  // a glyph on its own
    if (token == "1-0" || token == "0-1" || token == "1/2-1/2") {
      if (depth > 0) return false;
      game->result = token;
      return true;
    }
    if (depth == 0 && fault.empty()) Play(token);
    return false;
  }

  void Read() {
    for (;;) {
      if (s->gameBytes > MaxPGNGameBytes)
        Fault("", "the game is longer than " + std::to_string(MaxPGNGameBytes >> 20) + " MB");
      int c = Peek(s);
      if (c == End) break;
      if (s->lineStart && c == '%') {  // an escape line, for other programs
        SkipLine(s);
        continue;
      }
      if (s->lineStart && c == '[' && moves) break;  // the next game's tags
      if (Blank(c) || c == '.') {
        Next(s);
      } else if (c == '{') {
        if (!SkipComment(s)) Fault(AtMove(), "a comment is not closed");
      } else if (c == ';') {
        SkipLine(s);
      } else if (c == '[' && !moves) {
        ReadTag();
      } else {
        if (!moves) BeginMoves();
        if (c == '(') {
          Next(s);
          depth++;
        } else if (c == ')') {
          Next(s);
          if (depth == 0) Fault(AtMove(), "')' without '('");
          depth -= depth > 0;
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
          Fault(AtMove(), "unexpected character " + Shown(c));
        }
      }
    }
    if (!moves) BeginMoves();
    if (depth > 0) Fault(AtMove(), "a variation is not closed");
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
    if (Peek(source) == 0xEF && Peek(source, 1) == 0xBB && Peek(source, 2) == 0xBF) source->at += 3;
  }
  game->tags.clear();
  game->positions.clear();
  game->moves.clear();
  game->san.clear();
  game->result.clear();
  if (!SkipBetweenGames(source)) return 0;
  game->number = ++source->games;
  source->gameBytes = 0;
  GameReader reader{source, game, std::string(), false, 0};
  reader.Read();
  if (reader.fault.empty()) return 1;
  if (why) *why = reader.fault;
  return -1;
}
