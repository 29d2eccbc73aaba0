#include "serve/serveoptions.h"

#include <cstdlib>

namespace {
// A whole number of at most nine digits within lo..hi.
bool Number(const std::string &text, long lo, long hi, long *value) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  *value = std::atol(text.c_str());
  return *value >= lo && *value <= hi;
}

// A number within lo..hi stored in *field.
template <typename T>
bool Set(const std::string &text, long lo, long hi, T *field) {
  long n;
  if (!Number(text, lo, hi, &n)) return false;
  *field = static_cast<T>(n);
  return true;
}

// ADDR:PORT, an IPv6 address in brackets: 127.0.0.1:8080, [::1]:8080.
bool Listen(const std::string &text, ServerOptions *o) {
  size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  std::string address = text.substr(0, colon);
  if (address.front() == '[') {
    if (address.size() < 3 || address.back() != ']') return false;
    address = address.substr(1, address.size() - 2);
  } else if (address.find(':') != std::string::npos) {
    return false;  // an IPv6 address needs its brackets
  }
  long port;
  if (!Number(text.substr(colon + 1), 0, 65535, &port)) return false;
  o->address = address;
  o->port = static_cast<int>(port);
  return true;
}

struct OptionSpec {
  const char *name;
  const char *value;  // what the value looks like, with its range
  const char *help;
  bool (*set)(ServerOptions *o, const std::string &value);
};

const OptionSpec Table[] = {
    {"listen", "ADDR:PORT", "address and port to listen on (default 127.0.0.1:8080; [::1]:8080 for IPv6)",
     [](ServerOptions *o, const std::string &v) { return Listen(v, o); }},
    {"threads", "1..256", "threads composing diagrams (default: the number of cores)",
     [](ServerOptions *o, const std::string &v) { return Set(v, 1, 256, &o->threads); }},
    {"max-px", "8..4096", "widest colour PNG a request may ask for (default 2048)",
     [](ServerOptions *o, const std::string &v) { return Set(v, 8, 4096, &o->limits.maxPx); }},
    {"max-connections", "1..100000", "connections open at once (default 1024)",
     [](ServerOptions *o, const std::string &v) { return Set(v, 1, 100000, &o->maxConnections); }},
    {"timeout", "1..3600", "seconds a connection may be idle or slow before it is closed (default 10)",
     [](ServerOptions *o, const std::string &v) { return Set(v, 1, 3600, &o->timeout); }},
    {"max-pgn", "1..104857600", "bytes of a game's PGN a request may send (default 1048576)",
     [](ServerOptions *o, const std::string &v) { return Set(v, 1, 104857600, &o->limits.maxBody); }},
    {"max-frames", "2..100000", "positions of an animated game a request may ask for (default 1000)",
     [](ServerOptions *o, const std::string &v) { return Set(v, 2, 100000, &o->limits.maxFrames); }},
    {"log", "FILE", "the access log (default: standard error); SIGHUP reopens it",
     [](ServerOptions *o, const std::string &v) { return !v.empty() && (o->log = v, true); }},
};
}  // namespace

ServeParse ParseServeCommandLine(int argc, char **argv, ServerOptions *o, std::string *problem) {
  for (int i = 1; i < argc; i++) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") return ServeParse::Help;
    if (arg == "--version") return ServeParse::Version;
    size_t eq = arg.find('=');
    std::string name = arg.substr(0, eq);
    const OptionSpec *entry = nullptr;
    for (const OptionSpec &e : Table)
      if (name == std::string("--") + e.name) entry = &e;
    if (!entry) {
      *problem = arg.rfind("--", 0) == 0 ? "unknown option " + name : "unexpected argument " + arg;
      return ServeParse::Usage;
    }
    std::string value;
    if (eq != std::string::npos) {
      value = arg.substr(eq + 1);
    } else if (i + 1 < argc) {
      value = argv[++i];
    } else {
      *problem = name + " needs a value: " + entry->value;
      return ServeParse::Usage;
    }
    if (!entry->set(o, value)) {
      *problem = name + " takes " + entry->value + ", not \"" + value + "\"";
      return ServeParse::Usage;
    }
  }
  return ServeParse::Run;
}

std::string ServeHelpText() {
  std::string text =
      "Usage: boardsmith-serve [OPTIONS]\n"
      "Serves chess diagrams over HTTP: GET /diagram.png?fen=... (also .bmp, .svg, .pdf) takes the\n"
      "options of boardsmith-export by the same names (fen, arrow, dot, cross, flip, coords, theme,\n"
      "size, style, px) and answers the picture the exporter would write; GET or POST /game.png\n"
      "with pgn=, game=, ply= answers a position of a game. / shows a page that builds such URLs,\n"
      "/healthz answers ok. Stops on SIGTERM or SIGINT after the requests in flight; SIGHUP\n"
      "reopens the log.\n\nOptions:\n";
  for (const OptionSpec &e : Table) {
    std::string left = std::string("  --") + e.name + "=" + e.value;
    if (left.size() < 30) left.resize(30, ' ');
    text += left + " " + e.help + "\n";
  }
  text += "  --help                       this text\n";
  text += "  --version                    the version\n";
  return text;
}
