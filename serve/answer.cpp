// The diagram service's answers. A diagram's query is turned into the exporter's own command
// line (the same option table reads both), so a URL and `boardsmith-export` with the same
// options give the same bytes, and the same words when something is wrong.
#include "serve/answer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "exporter/compose.h"
#include "exporter/games.h"
#include "exporter/options.h"
#include "render/vectorapi.h"
#include "serve/indexpage.h"
#include "serve/query.h"

namespace {
// The query parameters a diagram or game takes: the exporter's options of the same names. A flag
// (every-ply) takes yes/no or nothing.
struct Parameter {
  const char *name;
  bool game;  // only for /game.*
  bool flag;
};
const Parameter Parameters[] = {
    {"fen", false, false},  {"coords", false, false}, {"flip", false, false},
    {"theme", false, false}, {"size", false, false},  {"arrow", false, false},
    {"dot", false, false},  {"cross", false, false},  {"style", false, false},
    {"px", false, false},   {"pieces", false, false}, {"pgn", true, false},     {"game", true, false},
    {"ply", true, false},   {"every-ply", true, true}, {"delay", true, false},
};

const Parameter *FindParameter(const std::string &name) {
  for (const Parameter &p : Parameters)
    if (name == p.name) return &p;
  return nullptr;
}

// The piece sets of this server ("classic" and its chess fonts), read once.
const std::vector<std::string> &InstalledPieceSets() {
  static const std::vector<std::string> sets = PieceSets();
  return sets;
}
bool InstalledPieceSet(const std::string &name) {
  const auto &sets = InstalledPieceSets();
  return std::find(sets.begin(), sets.end(), name) != sets.end();
}
// The formats of /diagram.EXT and /game.EXT.
struct Format {
  const char *extension;
  const char *contentType;
};
const Format Formats[] = {
    {"bmp", "image/bmp"},
    {"png", "image/png"},
    {"svg", "image/svg+xml"},
    {"pdf", "application/pdf"},
    {"gif", "image/gif"},
};
// A game's position, or with every-ply the game as an animated picture (APNG or GIF).
const char *const GameFormats[] = {"png", "gif"};

Response Plain(int status, const std::string &text) {
  Response r;
  r.status = status;
  r.contentType = "text/plain; charset=utf-8";
  r.body = text + "\n";
  r.headers.push_back({"Cache-Control", "no-store"});
  return r;
}

// A 64-bit FNV-1a hash, enough to tell requests apart in an ETag.
uint64_t Hash(const std::string &text, uint64_t h = 14695981039346656037ull) {
  for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
  return h;
}

// The ETag of a request: the version, the path, the parameters by name (repeated ones in their
// order) and the body; a query that only orders its parameters differently has the same one.
std::string ETagOf(const std::string &path, std::vector<QueryParameter> parameters,
                   const std::string &body) {
  std::stable_sort(parameters.begin(), parameters.end(),
                   [](const QueryParameter &a, const QueryParameter &b) { return a.name < b.name; });
  std::string text = std::string(ServiceVersion) + '\n' + path + '\n';
  for (const QueryParameter &p : parameters) text += p.name + '=' + p.value + '\n';
  uint64_t h = Hash(body, Hash(text));
  char tag[24];
  std::snprintf(tag, sizeof tag, "\"%016llx\"", static_cast<unsigned long long>(h));
  return tag;
}

// Does an If-None-Match header name the tag (or "*")? Weak tags compare as strong ones.
bool Matches(const std::string &header, const std::string &tag) {
  size_t at = 0;
  while (at < header.size()) {
    size_t comma = header.find(',', at);
    std::string item = header.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
    at = comma == std::string::npos ? header.size() : comma + 1;
    size_t first = item.find_first_not_of(" \t"), last = item.find_last_not_of(" \t");
    if (first == std::string::npos) continue;
    item = item.substr(first, last - first + 1);
    if (item.rfind("W/", 0) == 0) item.erase(0, 2);
    if (item == "*" || item == tag) return true;
  }
  return false;
}

// The picture of a diagram or a game's position as the exporter would write it to output.
struct Composed {
  std::string bytes;
  int status = 200;
  std::string failure;
};

Composed Compose(const ExportOptions &options, const Job &job, const std::string &output,
                 Canvas &canvas) {
  Composed c;
  std::string why;
  std::optional<PositionFile> p = SetUp(job, options, &c.failure);
  if (p && !ApplyDiagramOptions(options, *p, &why)) c.failure = job.input + ": " + why;
  if (!p || !c.failure.empty()) {
    c.status = 400;
    return c;
  }
  const bool composed = job.kind == Job::GameAnimation
                            ? AnimationOutputBytes(output, options, job, canvas, &c.bytes, &why)
                            : OutputBytes(output, options, *p, canvas, &c.bytes, &why);
  if (!composed) {
    c.status = 500;  // a writer module missing or failing: the server's fault, not the request's
    c.failure = why;
  }
  return c;
}

// The one position of a game that the options choose, from the PGN text.
Job GameJob(const std::string &pgn, const ExportOptions &options) {
  Job job;
  job.kind = Job::Failed;
  FILE *f = fmemopen(const_cast<char *>(pgn.data()), pgn.size(), "r");
  if (!f) {
    job.failure = "the game cannot be read";
    return job;
  }
  bool found = false;
  ReadGames(f, "pgn", options, [&](GameFind &&find) {
    if (found) return;
    found = true;
    job.input = find.input;
    if (!find.failure.empty()) {
      job.failure = find.failure;
      return;
    }
    job.kind = options.animate ? Job::GameAnimation : Job::GamePosition;
    job.board = find.board;
    job.positions = std::move(find.positions);
    job.moves = std::move(find.moves);
  });
  std::fclose(f);
  if (!found) job.failure = "pgn: the text holds no game";
  return job;
}

struct Route {
  std::string path;        // "/diagram.png"
  const Format *format;    // of a picture route
  bool game;
};

std::optional<Route> RouteOf(const std::string &path) {
  for (const Format &f : Formats) {
    if (path == std::string("/diagram.") + f.extension) return Route{path, &f, false};
    for (const char *g : GameFormats)
      if (std::strcmp(g, f.extension) == 0 && path == std::string("/game.") + f.extension)
        return Route{path, &f, true};
  }
  return std::nullopt;
}

// A diagram or a game's position.
Response Picture(const Request &request, const Route &route, const std::string &query,
                 const ServiceLimits &limits, Canvas &canvas) {
  std::vector<QueryParameter> parameters;
  std::string why;
  if (!ParseQuery(query, &parameters, &why)) return Plain(400, why);
  // The exporter's command line, read by its own parser.
  std::vector<std::string> args = {"boardsmith-serve"};
  std::string fen, pgn = request.body;
  int fens = 0;
  for (const QueryParameter &p : parameters) {
    const Parameter *known = FindParameter(p.name);
    if (!known || (known->game && !route.game) || (route.game && p.name == "fen"))
      return Plain(400, "unknown parameter " + p.name + " for " + route.path);
    if (p.name == "fen") {
      fen = p.value, fens++;
      continue;
    }
    if (p.name == "pgn") {
      pgn = p.value;
      continue;
    }
    // Only the sets installed here, by name: a URL never names a file of the server's.
    if (p.name == "pieces" && !InstalledPieceSet(p.value))
      return Plain(400, "pieces names a set installed here (classic or a chess font's family), not \"" +
                            p.value + "\"");
    if (known->flag) {
      if (p.value == "" || p.value == "yes") args.push_back("--" + p.name);
      else if (p.value != "no") return Plain(400, p.name + " takes yes or no, not \"" + p.value + "\"");
      continue;
    }
    args.push_back("--" + p.name + "=" + p.value);
  }
  if (pgn.size() > limits.maxBody)
    return Plain(413, "the game is larger than " + std::to_string(limits.maxBody) + " bytes");
  if (!route.game && fens != 1)
    return Plain(400, fens ? "one fen= a diagram" : "fen= is needed: the position as FEN");
  if (route.game && pgn.empty()) return Plain(400, "pgn= (or a POSTed PGN) is needed: the game");
  const std::string output = route.path.substr(1);
  args.push_back(route.game ? "-" : "--fen=" + fen);  // the input: the game's text, or the FEN
  args.push_back(output);
  std::vector<char *> argv;
  for (std::string &a : args) argv.push_back(a.data());
  ExportOptions options;
  if (ParseCommandLine(static_cast<int>(argv.size()), argv.data(), &options, &why) != ParseRun)
    return Plain(400, why);
  if (options.px > limits.maxPx)
    return Plain(400, "px is at most " + std::to_string(limits.maxPx) + " here, not " +
                          std::to_string(options.px));

  Response r;
  r.headers.push_back({"ETag", ETagOf(route.path, parameters, request.body)});
  r.headers.push_back({"Cache-Control", "public, max-age=31536000, immutable"});
  if (!request.ifNoneMatch.empty() && Matches(request.ifNoneMatch, r.headers[0].value)) {
    r.status = 304;
    return r;
  }
  Job job;
  if (route.game) {
    job = GameJob(pgn, options);
  } else {
    job.kind = Job::FEN;
    job.text = fen;
    job.input = "fen";
  }
  if (job.positions.size() > static_cast<size_t>(limits.maxFrames))
    return Plain(413, "the game has " + std::to_string(job.positions.size()) +
                          " positions; an animated game here has at most " +
                          std::to_string(limits.maxFrames));
  Composed c = Compose(options, job, output, canvas);
  if (c.status != 200) return Plain(c.status, c.failure);
  r.contentType = route.format->contentType;
  r.body = std::move(c.bytes);
  return r;
}

Response Allowed(const char *methods) {
  Response r = Plain(405, std::string("the methods here are ") + methods);
  r.headers.push_back({"Allow", methods});
  return r;
}
}  // namespace

std::string Response::HeaderValue(const std::string &name) const {
  for (const Header &h : headers)
    if (strcasecmp(h.name.c_str(), name.c_str()) == 0) return h.value;
  return "";
}

Response Answer(const Request &request, const ServiceLimits &limits, Canvas &canvas) {
  if (request.target.size() > limits.maxTarget)
    return Plain(414, "the URL is longer than " + std::to_string(limits.maxTarget) + " bytes");
  const size_t question = request.target.find('?');
  const std::string path = request.target.substr(0, question);
  const std::string query = question == std::string::npos ? "" : request.target.substr(question + 1);
  const bool read = request.method == "GET" || request.method == "HEAD";

  if (path == "/" || path == "/healthz") {
    if (!read) return Allowed("GET, HEAD");
    Response r;
    r.contentType = path == "/" ? "text/html; charset=utf-8" : "text/plain; charset=utf-8";
    r.body = path == "/" ? IndexPage() : "ok\n";
    r.headers.push_back({"Cache-Control", path == "/" ? "public, max-age=3600" : "no-store"});
    return r;
  }
  std::optional<Route> route = RouteOf(path);
  if (!route) return Plain(404, "no such page: " + path);
  if (!read && !(route->game && request.method == "POST"))
    return Allowed(route->game ? "GET, HEAD, POST" : "GET, HEAD");
  return Picture(request, *route, query, limits, canvas);
}
