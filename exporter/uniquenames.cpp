// Whether two positions of a run could be given one output name, decided from the pattern and
// the inputs before anything is written.
#include "exporter/uniquenames.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <unordered_map>
#include <vector>

#include "files/atomicwrite.h"

namespace {
// The fields whose values are written in digits; any other is text ({name}) or unknown.
const char *const DigitFields[] = {"n", "game", "ply"};

// A piece of a pattern: text as it stands, or a field (its name, without braces or width).
struct Piece {
  bool field;
  std::string text;
};

std::vector<Piece> Pieces(const std::string &pattern) {
  std::vector<Piece> pieces;
  std::string literal;
  for (size_t at = 0; at < pattern.size(); at++) {
    size_t end = pattern[at] == '{' ? pattern.find('}', at) : std::string::npos;
    if (end == std::string::npos) {
      literal += pattern[at];
      continue;
    }
    if (!literal.empty()) pieces.push_back({false, literal});
    literal.clear();
    std::string inside = pattern.substr(at + 1, end - at - 1);
    pieces.push_back({true, inside.substr(0, inside.find(':'))});
    at = end;
  }
  if (!literal.empty()) pieces.push_back({false, literal});
  return pieces;
}

bool IsDigits(const std::string &field) {
  for (const char *name : DigitFields)
    if (field == name) return true;
  return false;
}

bool Has(const std::vector<Piece> &pieces, const char *field) {
  for (const Piece &p : pieces)
    if (p.field && p.text == field) return true;
  return false;
}

bool AllDigits(const std::string &text) {
  return text.find_first_not_of("0123456789") == std::string::npos;
}

// The name without its last "-DIGITS", or "" when it does not end so.
std::string WithoutNumberGroup(const std::string &name) {
  size_t dash = name.find_last_not_of("0123456789");
  if (dash == std::string::npos || dash + 1 == name.size() || name[dash] != '-') return "";
  return name.substr(0, dash);
}

// Two names of which one is the other with digits added after it (after == true) or before it:
// {name} next to digits can then give one name twice. False when there are none.
bool DigitsAdded(const std::unordered_map<std::string, size_t> &names, bool after,
                 size_t *first, size_t *second) {
  for (const auto &[name, index] : names)
    for (size_t cut = 1; cut < name.size(); cut++) {
      std::string added = after ? name.substr(name.size() - cut) : name.substr(0, cut);
      if (!AllDigits(added)) break;
      auto other = names.find(after ? name.substr(0, name.size() - cut) : name.substr(cut));
      if (other != names.end()) {
        *first = std::min(index, other->second), *second = std::max(index, other->second);
        return true;
      }
    }
  return false;
}

// The pattern with {name} filled in: what one input's outputs look like.
std::string WithName(const std::vector<Piece> &pieces, const std::string &name) {
  std::string text;
  for (const Piece &p : pieces)
    text += !p.field ? p.text : p.text == "name" ? name : "{" + p.text + "}";
  return text;
}

std::string FieldName(const std::string &field) { return "{" + field + "}"; }

// -o PATTERN: one pattern for every input.
bool PatternApart(const ExportOptions &o, std::string *problem) {
  const std::vector<Piece> pieces = Pieces(o.pattern);
  const std::string head = "-o " + o.pattern + ": ";
  std::unordered_map<std::string, size_t> names;  // each {name} and the first input with it
  for (size_t i = 0; i < o.sources.size(); i++) names.emplace(SourceName(o.sources[i]), i);

  // Fields next to each other must be told apart in the name.
  for (size_t i = 0; i < pieces.size(); i++) {
    if (!pieces[i].field) continue;
    size_t j = i + 1;
    std::string between;
    for (; j < pieces.size() && !pieces[j].field; j++) between += pieces[j].text;
    if (j == pieces.size() || !AllDigits(between)) continue;
    const std::string &a = pieces[i].text, &b = pieces[j].text;
    if (a == b) continue;  // one value twice
    if (IsDigits(a) && IsDigits(b)) {
      *problem = head + FieldName(a) + " and " + FieldName(b) +
                 " run together with only digits between them, so different positions could "
                 "get one name: put a separator such as - between them";
      return false;
    }
    size_t one, other;
    if ((a == "name" && IsDigits(b) && DigitsAdded(names, true, &one, &other)) ||
        (b == "name" && IsDigits(a) && DigitsAdded(names, false, &one, &other))) {
      *problem = head + SourceLabel(o, one) + " and " + SourceLabel(o, other) +
                 " could get one name, as {name} runs into the digits of " +
                 FieldName(IsDigits(a) ? a : b) + ": put a separator such as - between them";
      return false;
    }
  }
  if (Has(pieces, "n")) return true;  // a different number for every position

  // Inputs are told apart by {name}.
  std::unordered_map<std::string, size_t> first;
  for (size_t i = 0; i < o.sources.size(); i++) {
    std::string name = Has(pieces, "name") ? SourceName(o.sources[i]) : "";
    auto [at, added] = first.emplace(name, i);
    if (added) continue;
    *problem = head + SourceLabel(o, at->second) + " and " + SourceLabel(o, i) +
               " could both be written to " + WithName(pieces, SourceName(o.sources[i])) + ": put " +
               (name.empty() ? "{name} or {n}" : "{n}") + " in it";
    return false;
  }
  // The games of a file with --every-ply are told apart by {game}: without it, the same ply of
  // two games meets (the plies of one game, which come one after another, are found as they
  // come).
  const bool manyGames = o.firstGame == 0 || o.lastGame != o.firstGame;
  if (o.everyPly && manyGames && Has(pieces, "ply") && !Has(pieces, "game"))
    for (size_t i = 0; i < o.sources.size(); i++) {
      Source::Kind kind = o.sources[i].kind;
      if (kind != Source::Games && kind != Source::StandardInput) continue;
      *problem = head + "game 1 ply 0 and game 2 ply 0 of " + SourceLabel(o, i) +
                 " could both be written to " + WithName(pieces, SourceName(o.sources[i])) +
                 ": put {game} or {n} in it";
      return false;
    }
  return true;
}

// The folder as the file system knows it (device and inode), so that two ways of naming one
// folder are one; its name when it is not there.
std::string FolderIdentity(const std::string &folder) {
  struct stat st;
  if (stat(folder.empty() ? "." : folder.c_str(), &st) != 0) return folder;
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

// Outputs beside their inputs: NAME.bmp for one position, NAME-{n}.bmp for a list's records and
// NAME-{game}-{ply}.bmp for every ply of games. Such names meet when a name ends in "-DIGITS"
// (a-1.brd beside a.fen) or an input is given twice.
bool BesideApart(const ExportOptions &o, std::string *problem) {
  struct Output {
    size_t source;
    std::string shown;  // an output name they could share
  };
  std::unordered_map<std::string, Output> single, families;  // by folder, name (and groups)
  auto meet = [&](const Output &one, size_t other, const std::string &shown) {
    *problem = SourceLabel(o, std::min(one.source, other)) + " and " +
               SourceLabel(o, std::max(one.source, other)) + " could both be written to " +
               shown + ": name the outputs with -o PATTERN";
    return false;
  };
  auto key = [](const std::string &folder, const std::string &name, int groups) {
    return folder + '/' + name + '/' + std::to_string(groups);
  };
  for (size_t i = 0; i < o.sources.size(); i++) {
    const Source &s = o.sources[i];
    const std::string folder = FolderOf(s.text), id = FolderIdentity(folder), name = SourceName(s);
    int groups = s.kind == Source::List ? 1 : s.kind == Source::Games && o.everyPly ? 2 : 0;
    std::string shown = folder + name + (groups == 0 ? "" : groups == 1 ? "-1" : "-1-0") + ".bmp";
    auto &table = groups ? families : single;
    auto [at, added] = table.emplace(key(id, name, groups), Output{i, shown});
    // Two lists of one name share their numbers' pattern, but not a number.
    if (!added && groups != 1) return meet(at->second, i, shown);
  }
  // A name ending in "-DIGITS" reaches into the names of a list's or a game's positions.
  for (const auto &[k, out] : single) {
    const Source &s = o.sources[out.source];
    std::string id = FolderIdentity(FolderOf(s.text)), name = SourceName(s);
    for (int groups = 1; groups <= 2 && !(name = WithoutNumberGroup(name)).empty(); groups++) {
      auto family = families.find(key(id, name, groups));
      if (family != families.end()) return meet(family->second, out.source, out.shown);
    }
  }
  for (const auto &[k, out] : families) {
    const Source &s = o.sources[out.source];
    std::string name = WithoutNumberGroup(SourceName(s));
    if (s.kind != Source::List || name.empty()) continue;
    auto games = families.find(key(FolderIdentity(FolderOf(s.text)), name, 2));
    if (games != families.end()) return meet(games->second, out.source, out.shown);
  }
  return true;
}
}  // namespace

std::string SafeName(const std::string &path) {
  std::string name = std::filesystem::path(path).stem().string();
  if (name.find_first_not_of('.') != std::string::npos) return name;
  return name.empty() ? "_" : std::string(name.size(), '_');
}

std::string SourceName(const Source &source) {
  if (source.kind == Source::FENText) return "fen";
  if (source.kind == Source::StandardInput) return "stdin";
  return SafeName(source.text);
}

std::string SourceLabel(const ExportOptions &o, size_t index) {
  const Source &s = o.sources[index];
  if (s.kind == Source::StandardInput) return "stdin";
  if (s.kind != Source::FENText) return s.text;
  int fens = 0, before = 0;
  for (size_t i = 0; i < o.sources.size(); i++)
    if (o.sources[i].kind == Source::FENText) fens++, before += i < index;
  return fens > 1 ? "--fen #" + std::to_string(before + 1) : "--fen";
}

OutputNaming NamingOf(const ExportOptions &o, const Source &s) {
  if (o.printFEN || !o.output.empty()) return {};
  if (!o.pattern.empty()) return {"", o.pattern};
  std::string tail = s.kind == Source::List                    ? "-{n}.bmp"
                     : s.kind == Source::Games && o.variations ? "-{game}-{ply}-{line}.bmp"
                     : s.kind == Source::Games && o.everyPly   ? "-{game}-{ply}.bmp"
                                                               : ".bmp";
  return {FolderOf(s.text), "{name}" + tail};
}

bool OutputNamesApart(const ExportOptions &o, std::string *problem) {
  if (o.printFEN || !o.output.empty()) return true;  // no outputs, or one
  return o.pattern.empty() ? BesideApart(o, problem) : PatternApart(o, problem);
}

std::string RepeatGuard::Check(const std::string &output, const std::string &input) {
  if (output != last_) {
    last_ = output;
    first_ = input;
    return "";
  }
  return first_;
}
