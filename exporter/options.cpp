// The exporter's options: one table gives their names, values, help lines and what they set.
#include "exporter/options.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

#include "exporter/inputkind.h"
#include "exporter/pattern.h"
#include "render/knightarrow.h"
#include "render/picturefile.h"

namespace {
std::string Lower(std::string text) {
  for (char &c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string Extension(const std::string &path) {
  size_t slash = path.find_last_of('/');
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return Lower(path.substr(dot));
}

// A whole number of at most nine digits within lo..hi.
bool Number(const std::string &text, int lo, int hi, int *value) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  int v = std::atoi(text.c_str());
  if (v < lo || v > hi) return false;
  *value = v;
  return true;
}

// One of a list of words (case does not matter): its index, or -1.
int Word(const std::string &text, std::initializer_list<const char *> words) {
  int i = 0;
  for (const char *w : words) {
    if (Lower(text) == w) return i;
    i++;
  }
  return -1;
}

bool YesNo(const std::string &value, int *flag) {
  int k = Word(value, {"no", "yes"});
  if (k < 0) return false;
  *flag = k;
  return true;
}

// Board squares in algebraic notation; an arrow is two of them, "e2e4" or "e2-e4".
bool ArrowFromText(const std::string &text, SquareArrow *arrow, std::string *problem) {
  std::string t = text;
  if (t.size() == 5 && t[2] == '-') t.erase(2, 1);
  int from = t.size() == 4 ? SquareFromName(t.substr(0, 2)) : -1;
  int to = t.size() == 4 ? SquareFromName(t.substr(2, 2)) : -1;
  if (from < 0 || to < 0) {
    *problem = "--arrow takes two squares such as e2e4, not \"" + text + "\"";
    return false;
  }
  if (from == to) {
    *problem = "--arrow=" + text + " starts and ends on one square";
    return false;
  }
  // As the editor allows: a rank, a file, a diagonal, or a knight's move.
  if (!IsArrowMove(to % 8 - from % 8, to / 8 - from / 8)) {
    *problem = "--arrow=" + text + " is not along a rank, file or diagonal, nor a knight's move";
    return false;
  }
  arrow->from = from, arrow->to = to;
  return true;
}

// false: the value is wrong (*problem may say how; otherwise the option's values are named).
using Setter = bool (*)(ExportOptions *o, const std::string &value, std::string *problem);

struct OptionSpec {
  const char *name;    // long form, after "--"
  char letter;         // short form after "-", or 0
  const char *value;   // what the value looks like; nullptr for an option without one
  const char *help;
  Setter set;
  bool optional = false;  // the value may be left out (then set gets ""); only as --name=value
  const char *range = nullptr;  // what a value out of range is told it must be; else value
};

// The range of --px, named in its error.
const std::string PxRange = "8.." + std::to_string(MaxColourPixels);

// --game=N, N-M or all.
bool GameRange(ExportOptions *o, const std::string &v) {
  if (Lower(v) == "all") {
    o->firstGame = 1, o->lastGame = 0;
    return true;
  }
  size_t dash = v.find('-');
  if (!Number(v.substr(0, dash), 1, 999999999, &o->firstGame)) return false;
  o->lastGame = o->firstGame;
  return dash == std::string::npos ||
         (Number(v.substr(dash + 1), 1, 999999999, &o->lastGame) && o->lastGame >= o->firstGame);
}

const OptionSpec Table[] = {
    {"fen", 0, "FEN", "a position given as FEN (repeatable)",
     [](ExportOptions *o, const std::string &v, std::string *) {
       o->sources.push_back({Source::FENText, v});
       return true;
     }},
    {"output", 'o', "PATTERN",
     "names of the outputs: {n} running number, {name} input's base name, {game}, {ply}, "
     "{line} a variation's path (\"\" on the main line); a number with a width is padded with "
     "zeros ({ply:3} gives 007); ending in / means {name}-{n}.bmp in that folder",
     [](ExportOptions *o, const std::string &v, std::string *) {
       o->pattern = v;
       return !v.empty();
     }},
    {"coords", 0, "yes|no", "coordinates round the picture (default: the position file's)",
     [](ExportOptions *o, const std::string &v, std::string *) { return YesNo(v, &o->coords); }},
    {"flip", 0, "yes|no", "black at the bottom (default: the position file's; no for FEN)",
     [](ExportOptions *o, const std::string &v, std::string *) { return YesNo(v, &o->flip); }},
    {"theme", 0, "0..7", "colour theme (default: the position file's; 0 for FEN)",
     [](ExportOptions *o, const std::string &v, std::string *) { return Number(v, 0, 7, &o->theme); }},
    {"size", 0, "small|medium|large|INCHES",
     "printed width: 2, 4 or 6 inches, or any width from 1.0 to 6.0",
     [](ExportOptions *o, const std::string &v, std::string *) {
       int k = Word(v, {"small", "medium", "large"});
       if (k >= 0) {
         o->dpi = k + 1;
         return true;
       }
       char *end = nullptr;
       double inches = v.empty() || v.size() > 12 ? 0.0 : std::strtod(v.c_str(), &end);
       if (!end || *end || !(inches >= 1.0 && inches <= 6.0)) return false;
       o->dpi = 0;
       o->inches = static_cast<float>(inches);
       return true;
     },
     false, "small|medium|large or 1.0..6.0 (inches)"},
    {"arrow", 0, "e2e4", "an arrow between two squares (repeatable)",
     [](ExportOptions *o, const std::string &v, std::string *problem) {
       SquareArrow arrow;
       if (!ArrowFromText(v, &arrow, problem)) return false;
       o->arrows.push_back(arrow);
       return true;
     }},
    {"dot", 0, "e4", "a dot on a square (repeatable)",
     [](ExportOptions *o, const std::string &v, std::string *) {
       o->dots.push_back(SquareFromName(v));
       return o->dots.back() >= 0;
     }},
    {"cross", 0, "e4", "a cross on a square (repeatable)",
     [](ExportOptions *o, const std::string &v, std::string *) {
       o->crosses.push_back(SquareFromName(v));
       return o->crosses.back() >= 0;
     }},
    {"game", 0, "N|N-M|all",
     "the games of a PGN file, from 1 (default 1; with --every-ply, all); each gives the "
     "position after its last ply, or --ply's",
     [](ExportOptions *o, const std::string &v, std::string *) { return GameRange(o, v); }, false,
     "N|N-M|all (games from 1, N <= M)"},
    {"ply", 0, "P", "the position after ply P of the game; 0 the start (default the last)",
     [](ExportOptions *o, const std::string &v, std::string *) { return Number(v, 0, 999999999, &o->ply); },
     false, "0 or more"},
    {"every-ply", 0, nullptr,
     "every position of the chosen games; with one .gif or .png name without {ply} or {n}, "
     "each game as one animated picture, the last move as an arrow",
     [](ExportOptions *o, const std::string &, std::string *) { return o->everyPly = true; }},
    {"variations", 0, nullptr,
     "with --every-ply, the positions of every variation too, after the main line's "
     "(depth-first, in the order written)",
     [](ExportOptions *o, const std::string &, std::string *) { return o->variations = true; }},
    {"delay", 0, "20..10000", "milliseconds between the frames of an animated game (default "
     "1000; the final position stays three times as long, at least 2 seconds)",
     [](ExportOptions *o, const std::string &v, std::string *) {
       return Number(v, MinDelay, MaxDelay, &o->delay);
     }},
    {"print-fen", 0, "labelled",
     "print each position's FEN instead of writing pictures; =labelled puts its input and "
     "a tab before it: FILE:LINE for a list, and for a game FILE, game G, ply P and line L (the "
     "variation's path, or main), each followed by a tab",
     [](ExportOptions *o, const std::string &v, std::string *problem) {
       o->printFEN = v.empty() ? ExportOptions::PlainFEN : ExportOptions::LabelledFEN;
       if (v.empty() || Lower(v) == "labelled") return true;
       *problem = "--print-fen takes no value or =labelled, not \"" + v + "\"";
       return false;
     },
     true},
    {"style", 0, "print|colour",
     "the 1-bit book diagram (the pictures' default) or the theme's colours (the SVG page's)",
     [](ExportOptions *o, const std::string &v, std::string *) {
       int k = Word(v, {"print", "colour", "color"});
       o->style = k > 0 ? 1 : k;
       return k >= 0;
     }},
    {"px", 0, "N", "pixel width of a PNG (default 592; a print PNG its own size) or a colour GIF",
     [](ExportOptions *o, const std::string &v, std::string *) {
       return Number(v, 8, MaxColourPixels, &o->px);
     },
     false, PxRange.c_str()},
    {"pieces", 0, "classic|FAMILY|FILE.ttf|FILE.otf",
     "piece set of every picture but the BMP: the program's own figures, or the chess men of a font"
     " (default FreeSerif)",
     [](ExportOptions *o, const std::string &v, std::string *) {
       o->pieces = v;
       return !v.empty() && v.size() < PieceSetNameSize;
     }},
    {"page", 0, "gif|svg", "web page of GIF cells (default) or one page with an SVG diagram",
     [](ExportOptions *o, const std::string &v, std::string *) {
       o->page = Word(v, {"gif", "svg"});
       return o->page >= 0;
     }},
    {"jobs", 'j', "N", "threads composing pictures (default: the number of cores)",
     [](ExportOptions *o, const std::string &v, std::string *) { return Number(v, 1, 256, &o->jobs); },
     false, "1..256"},
    {"report", 0, "FILE.json|FILE.csv", "each position's input, output, FEN and check report",
     [](ExportOptions *o, const std::string &v, std::string *) {
       o->report = v;
       return Extension(v) == ".json" || Extension(v) == ".csv";
     }},
    {"quiet", 'q', nullptr, "nothing on the terminal but errors",
     [](ExportOptions *o, const std::string &, std::string *) { return o->quiet = true; }},
    {"progress", 0, nullptr, "a progress line every 10 s when standard error is not a terminal",
     [](ExportOptions *o, const std::string &, std::string *) { return o->progress = true; }},
    {"help", 'h', nullptr, "this text", nullptr},
    {"version", 0, nullptr, "the program's version", nullptr},
};

const OptionSpec *FindLong(const std::string &name) {
  for (const OptionSpec &entry : Table)
    if (name == entry.name) return &entry;
  return nullptr;
}

const OptionSpec *FindShort(char letter) {
  for (const OptionSpec &entry : Table)
    if (entry.letter && entry.letter == letter) return &entry;
  return nullptr;
}

// An input's kind by its extension; by its content when the extension is none of the inputs'
// and the file is there (a list named notes.txt). *known: the name is an input's.
Source::Kind InputKindOf(const std::string &path, bool *known) {
  std::string ext = Extension(path);
  *known = true;
  if (path == "-") return Source::StandardInput;
  if (ext == ".pgn") return Source::Games;
  if (ext == ".fen" || ext == ".epd") return Source::List;
  if (ext == ".brd") return Source::PositionFile;
  struct stat st;
  *known = OutputKindOf(path) == OutputUnknown && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  return *known ? KindOfFileContent(path) : Source::PositionFile;
}

std::string OutputExtensions() {
  std::string list;
  for (const char *ext : {".bmp", ".htm", ".html", ".png", ".gif", ".pdf", ".svg"})
    if (OutputKindOf(std::string("x") + ext) != OutputUnknown)
      list += std::string(list.empty() ? "" : ", ") + ext;
  return list;
}

// What the arguments mean together, once every one is read.
bool Settle(ExportOptions *o, std::vector<size_t> positional, std::string *problem) {
  std::vector<Source> &s = o->sources;
  // The last of several arguments (or the only one beside --fen) may name the output.
  if (positional.size() >= 2 || (positional.size() == 1 && s.size() > 1)) {
    Source &last = s[positional.back()];
    bool known;
    InputKindOf(last.text, &known);
    if (OutputKindOf(last.text) != OutputUnknown) {
      o->output = last.text;
      s.erase(s.begin() + static_cast<long>(positional.back()));
      positional.pop_back();
    } else if (!known) {
      *problem = "OUTPUT must end in " + OutputExtensions() + ": " + last.text;
      return false;
    }
    for (size_t i : positional)
      if (OutputKindOf(s[i].text) != OutputUnknown) {
        *problem = "only the last argument names an output: " + s[i].text;
        return false;
      }
  }
  // --every-ply with one .gif or .png name that cannot tell a game's positions apart makes each
  // game one animated picture; a single OUTPUT holds one game, the first unless --game says.
  const std::string &name = !o->output.empty() ? o->output : o->pattern;
  const OutputKind named = OutputKindOf(name);
  o->animate = o->everyPly && !o->printFEN && (named == OutputGIF || named == OutputPNG) &&
               !PatternHas(name, "ply") && !PatternHas(name, "n");
  if (o->animate && !o->output.empty() && !o->firstGame) o->firstGame = o->lastGame = 1;
  bool many = s.size() > 1 || (o->everyPly && !o->animate) || (o->firstGame && o->lastGame != o->firstGame);
  bool fromText = false;
  for (size_t i : positional) {
    bool known;
    s[i].kind = InputKindOf(s[i].text, &known);
    if (s[i].text.empty()) {
      *problem = "an input's name is empty";
      return false;
    }
  }
  for (const Source &source : s) {
    if (source.kind == Source::List && !ListHoldsOneRecord(source.text)) many = true;
    if (source.kind == Source::FENText || source.kind == Source::StandardInput) fromText = true;
  }
  if (s.empty()) {
    *problem = "no input given: name a file, give --fen=FEN, or - for standard input";
    return false;
  }
  if (!o->output.empty() && !o->pattern.empty()) {
    *problem = "give OUTPUT or -o PATTERN, not both";
    return false;
  }
  if (!o->output.empty() && many) {
    *problem = "OUTPUT names one file, but the inputs give many positions: use -o PATTERN";
    return false;
  }
  if (o->variations && (!o->everyPly || o->animate)) {
    *problem = o->everyPly ? "an animated game shows its main line: --variations is for a picture "
                             "or FEN line a position"
                           : "--variations adds the variations' positions to --every-ply: give both";
    return false;
  }
  if (o->delay >= 0 && !o->animate) {
    *problem = "--delay times the frames of an animated game: --every-ply and one .gif or .png "
               "name without {ply} or {n}";
    return false;
  }
  if (o->animate && o->delay < 0) o->delay = DefaultDelay;
  if (o->printFEN) return true;
  if (fromText && o->output.empty() && o->pattern.empty()) {
    *problem = "positions from --fen or standard input need OUTPUT or -o PATTERN";
    return false;
  }
  if (!o->pattern.empty()) {
    if (o->pattern.back() == '/') o->pattern += "{name}-{n}.bmp";
    if (!PatternValid(o->pattern, problem)) return false;
    if (OutputKindOf(o->pattern) == OutputUnknown) {
      *problem = "-o PATTERN must end in " + OutputExtensions() + ": " + o->pattern;
      return false;
    }
    // The pattern's folder is made when missing, when its name has no fields.
    size_t slash = o->pattern.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && o->pattern.find('{') > slash)
      o->folder = o->pattern.substr(0, slash + 1);
  }
  // Every output has the kind of OUTPUT, of the pattern, or of the pictures beside the inputs.
  OutputKind kind = OutputKindOf(!o->output.empty() ? o->output : !o->pattern.empty() ? o->pattern : "x.bmp");
  if (o->style == 1 && kind == OutputBMP) {
    *problem = "--style=colour needs a .png, .gif, .pdf or .svg picture or a page: a BMP is the print picture";
    return false;
  }
  if (o->px && !(kind == OutputPNG || (o->style == 1 && kind == OutputGIF))) {
    *problem = "--px sets the width of a PNG, or of a colour GIF (--style=colour and a .gif output)";
    return false;
  }
  if (o->page >= 0 && kind != OutputPage) {
    *problem = "--page chooses the kind of an .htm or .html page";
    return false;
  }
  return true;
}
}  // namespace

OutputKind OutputKindOf(const std::string &path) {
  std::string ext = Extension(path);
  if (ext == ".htm" || ext == ".html") return OutputPage;
  switch (PictureFormatOf(path)) {
    case PictureBMP: return OutputBMP;
    case PicturePNG: return OutputPNG;
    case PicturePDF: return OutputPDF;
    case PictureSVG: return OutputSVG;
    case PictureGIF: return OutputGIF;
  }
  return OutputUnknown;
}

bool IsCSVReport(const std::string &path) { return Extension(path) == ".csv"; }

int SquareFromName(const std::string &name) {
  if (name.size() != 2) return -1;
  char f = static_cast<char>(name[0] | 0x20), r = name[1];
  if (f < 'a' || f > 'h' || r < '1' || r > '8') return -1;
  return (f - 'a') + 8 * (r - '1');
}

ParseOutcome ParseCommandLine(int argc, char **argv, ExportOptions *o, std::string *problem) {
  std::vector<size_t> positional;  // indices into o->sources
  bool options = true;
  for (int i = 1; i < argc; i++) {
    std::string arg = argv[i];
    if (!options || arg == "-" || arg.empty() || arg[0] != '-') {
      positional.push_back(o->sources.size());
      o->sources.push_back({Source::PositionFile, arg});
      continue;
    }
    if (arg == "--") {
      options = false;
      continue;
    }
    // --name=value, --name value, -x value, -xvalue.
    const OptionSpec *entry;
    std::string shown, value;
    bool hasValue = false;
    if (arg[1] == '-') {
      size_t eq = arg.find('=');
      shown = arg.substr(0, eq);
      entry = FindLong(shown.substr(2));
      if (eq != std::string::npos) value = arg.substr(eq + 1), hasValue = true;
    } else {
      shown = arg.substr(0, 2);
      entry = FindShort(arg[1]);
      if (arg.size() > 2) value = arg.substr(2), hasValue = true;
    }
    if (!entry) {
      *problem = "unknown option " + shown;
      return ParseUsage;
    }
    if (entry->letter == 'h') return ParseHelp;
    if (std::strcmp(entry->name, "version") == 0) return ParseVersion;
    if (!entry->value && hasValue) {
      *problem = shown + " takes no value";
      return ParseUsage;
    }
    if (entry->value && !hasValue && !entry->optional) {
      if (i + 1 >= argc) {
        *problem = shown + " needs a value: " + entry->value;
        return ParseUsage;
      }
      value = argv[++i];
    }
    problem->clear();
    if (!entry->set(o, value, problem)) {
      if (problem->empty())
        *problem = shown + " takes " + (entry->range ? entry->range : entry->value) + ", not \"" +
                   value + "\"";
      return ParseUsage;
    }
  }
  if (o->everyPly && o->ply >= 0) {
    *problem = "--ply chooses one position, --every-ply all: give one of them";
    return ParseUsage;
  }
  if (o->arrows.size() > 32) {
    *problem = "--arrow given " + std::to_string(o->arrows.size()) + " times; a diagram holds 32";
    return ParseUsage;
  }
  return Settle(o, positional, problem) ? ParseRun : ParseUsage;
}

std::string UsageText() {
  return "Usage: boardsmith-export [OPTIONS] INPUT... [OUTPUT | -o PATTERN]\n"
         "  or:  boardsmith-export [--coords=yes|no] POSITION.brd [OUTPUT]\n";
}

std::string HelpText() {
  std::string text = UsageText() +
      "Writes diagrams of positions as pictures or web pages (OUTPUT or PATTERN ending in\n" +
      OutputExtensions() +
      "). INPUT is a position file (.brd),\n"
      "a list of FEN or EPD records (.fen, .epd; one a line, # comments), games (.pgn), or - for\n"
      "standard input; a file of another name is told by its first line, as standard input is.\n"
      "Without OUTPUT a position file's picture is written beside it, under its name with .bmp.\n"
      "The check's report goes to standard output for one position, its summary for many. Exit\n"
      "status: 0 every output was written, 1 an input could not be read or an output not\n"
      "written, 2 wrong usage or outputs that could get one name, 128 + N when signal N (INT,\n"
      "TERM, HUP, PIPE) stopped the run.\n\n"
      "Options:\n";
  for (const OptionSpec &entry : Table) {
    std::string left = "  ";
    left += entry.letter ? std::string("-") + entry.letter + ", " : std::string("    ");
    left += std::string("--") + entry.name;
    if (entry.value && entry.optional) left += std::string("[=") + entry.value + "]";
    else if (entry.value) left += std::string("=") + entry.value;
    // The help in a column from 36, its words wrapped before column 100.
    std::string line = left;
    if (line.size() >= 36) text += line + "\n", line.clear();
    for (const char *p = entry.help; *p;) {
      const char *space = std::strchr(p, ' ');
      std::string word(p, space ? space : p + std::strlen(p));
      p += word.size() + (space ? 1 : 0);
      if (line.size() > 36 && line.size() + 1 + word.size() > 100) text += line + "\n", line.clear();
      line += line.size() < 36 ? std::string(36 - line.size(), ' ') : std::string(" ");
      line += word;
    }
    text += line + "\n";
  }
  return text;
}
