// The diagram service: its answers called directly, then the program over real HTTP (curl)
// beside the exporter's bytes, its signals, its log and its limits.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "render/moduleload.h"
#include "serve/answer.h"
#include "tests/core/tempfolder.h"

namespace {
const std::string Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR+w+KQkq+-+0+1";

Response Ask(const std::string &method, const std::string &target, const std::string &body = "",
             const ServiceLimits &limits = {}) {
  static std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();
  SetModuleFolder(BS_RUN_DIR);
  return Answer(Request{method, target, body, ""}, limits, *canvas);
}

TEST(ServeAnswers, BadRequestsAreRefusedWithTheReason) {
  ServiceLimits small;
  small.maxBody = 100;
  small.maxFrames = 2;
  const struct {
    const char *method;
    std::string target, body;
    int status;
    const char *text;  // the body's first line
  } rows[] = {
      {"GET", "/diagram.png?fen=8/ppppppppp/8/8/8/8/8/8", "", 400, "fen: rank 7 has 9 squares"},
      {"GET", "/diagram.png?fen=" + Start + "&zap=1", "", 400, "unknown parameter zap for /diagram.png"},
      {"GET", "/diagram.png?fen=" + Start + "&style=colour&px=5000", "", 400, "--px takes 8..4096, not \"5000\""},
      {"GET", "/diagram.png?fen=" + Start + "&style=colour&px=3000", "", 400, "px is at most 2048 here, not 3000"},
      {"GET", "/diagram.bmp?fen=" + Start + "&style=colour", "", 400,
       "--style=colour needs a .png, .gif, .pdf or .svg picture or a page: a BMP is the print picture"},
      {"GET", "/diagram.png?fen=" + Start + "&arrow=e2f5", "", 400,
       "--arrow=e2f5 is not along a rank, file or diagonal, nor a knight's move"},
      {"GET", "/diagram.png", "", 400, "fen= is needed: the position as FEN"},
      {"GET", "/diagram.png?fen=" + Start + "&fen=" + Start, "", 400, "one fen= a diagram"},
      {"GET", "/diagram.png?fen=8/8/8/8/8/8/8/8%00", "", 400, "a NUL byte in the query"},
      {"GET", "/diagram.png?fen=%4", "", 400, "a broken %-escape in the query"},
      {"GET", "/diagram.png?fen=../../etc/passwd", "", 400, "fen: 4 ranks, expected 8"},
      {"GET", "/diagram.png?fen=" + Start + "&style=../print", "", 400, "--style takes print|colour, not \"../print\""},
      {"GET", "/diagram.png?fen=" + Start + "&pieces=/etc/passwd", "", 400,
       "pieces names a set installed here (classic or a chess font's family), not \"/etc/passwd\""},
      {"GET", "/diagram.png/../x?fen=" + Start, "", 404, "no such page: /diagram.png/../x"},
      {"GET", "/diagram.tif?fen=" + Start, "", 404, "no such page: /diagram.tif"},
      {"PUT", "/diagram.png?fen=" + Start, "", 405, "the methods here are GET, HEAD"},
      {"POST", "/diagram.png?fen=" + Start, "", 405, "the methods here are GET, HEAD"},
      {"DELETE", "/", "", 405, "the methods here are GET, HEAD"},
      {"GET", "/diagram.png?fen=" + std::string(9000, '8'), "", 414, "the URL is longer than 8192 bytes"},
      {"GET", "/game.png?fen=" + Start, "", 400, "unknown parameter fen for /game.png"},
      {"GET", "/game.png", "", 400, "pgn= (or a POSTed PGN) is needed: the game"},
      {"GET", "/game.png?pgn=1.+e5", "", 400, "pgn: line 1, game 1, move 1: e5 is illegal"},
      {"GET", "/game.png?pgn=1.+e4+e5&ply=7", "", 400, "pgn game 1: no ply 7: the game has 2 plies"},
      {"POST", "/game.png", std::string(101, ' '), 413, "the game is larger than 100 bytes"},
      {"GET", "/game.png?pgn=1.e4&every-ply=maybe", "", 400, "every-ply takes yes or no, not \"maybe\""},
      {"GET", "/game.gif?pgn=1.e4&every-ply&delay=5", "", 400, "--delay takes 20..10000, not \"5\""},
      {"GET", "/game.gif?pgn=1.e4&delay=500", "", 400,
       "--delay times the frames of an animated game: --every-ply and one .gif or .png name without {ply} or {n}"},
      {"GET", "/game.png?pgn=1.e4+e5&every-ply", "", 413, "the game has 3 positions; an animated game here has at most 2"},
  };
  for (const auto &row : rows) {
    Response r = Ask(row.method, row.target, row.body, row.status == 413 ? small : ServiceLimits{});
    EXPECT_EQ(r.status, row.status) << row.target;
    EXPECT_EQ(r.body, std::string(row.text) + "\n") << row.target;
    EXPECT_EQ(r.contentType, "text/plain; charset=utf-8") << row.target;
    EXPECT_EQ(r.HeaderValue("Cache-Control"), "no-store") << row.target;
  }
  EXPECT_EQ(Ask("PUT", "/game.png").HeaderValue("Allow"), "GET, HEAD, POST");
}

TEST(ServeAnswers, TagsFollowTheRequestAndSpareTheWork) {
  const Response a = Ask("GET", "/diagram.svg?fen=" + Start + "&flip=yes&arrow=e2e4&arrow=d2d4");
  ASSERT_EQ(a.status, 200) << a.body;
  EXPECT_EQ(a.contentType, "image/svg+xml");
  EXPECT_EQ(a.HeaderValue("Cache-Control"), "public, max-age=31536000, immutable");
  const std::string tag = a.HeaderValue("ETag");
  ASSERT_EQ(tag.size(), 18u);
  // The same request with its parameters in another order (repeated ones in theirs) is the same.
  EXPECT_EQ(Ask("GET", "/diagram.svg?arrow=e2e4&flip=yes&fen=" + Start + "&arrow=d2d4").HeaderValue("ETag"), tag);
  for (const std::string &other : {"/diagram.svg?fen=" + Start + "&flip=yes&arrow=d2d4&arrow=e2e4",
                                   "/diagram.pdf?fen=" + Start + "&flip=yes&arrow=e2e4&arrow=d2d4"})
    EXPECT_NE(Ask("GET", other).HeaderValue("ETag"), tag) << other;

  static std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();
  for (const std::string &header : {tag, "W/" + tag, "\"x\", " + tag, std::string("*")}) {
    Response r = Answer(Request{"GET", "/diagram.svg?fen=" + Start + "&flip=yes&arrow=e2e4&arrow=d2d4", "", header},
                        ServiceLimits{}, *canvas);
    EXPECT_EQ(r.status, 304) << header;
    EXPECT_TRUE(r.body.empty());
    EXPECT_EQ(r.HeaderValue("ETag"), tag);
  }
  EXPECT_EQ(Answer(Request{"GET", "/diagram.svg?fen=" + Start, "", tag}, ServiceLimits{}, *canvas).status, 200);
}

// ---- The program over HTTP ----

std::string RunDir() { return BS_RUN_DIR; }

// boardsmith-serve on a free loopback port, stopped at the end.
class Server {
 public:
  explicit Server(const std::vector<std::string> &args = {}) {
    err_ = folder_ / "err";
    pid_ = fork();
    if (pid_ == 0) {
      std::freopen(err_.c_str(), "w", stderr);
      std::vector<std::string> all = {RunDir() + "/boardsmith-serve", "--listen=127.0.0.1:0", "--threads=2"};
      all.insert(all.end(), args.begin(), args.end());
      std::vector<char *> argv;
      for (std::string &a : all) argv.push_back(a.data());
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    // The start-up line names the port.
    for (int i = 0; i < 500 && port_ == 0; i++) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      std::string text = ReadWhole(err_);
      size_t at = text.find("http://127.0.0.1:");
      if (at != std::string::npos && text.find('/', at + 17) != std::string::npos)
        port_ = std::atoi(text.c_str() + at + 17);
    }
  }
  ~Server() {
    if (pid_ > 0 && !stopped_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  std::string Url(const std::string &target) const { return "http://127.0.0.1:" + std::to_string(port_) + target; }
  int port() const { return port_; }
  pid_t pid() const { return pid_; }
  // Sends the signal; for a stop, the exit status, or -1 when it took more than two seconds.
  int Stop(int signal) {
    kill(pid_, signal);
    for (int i = 0; i < 200; i++) {
      int status;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        stopped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }
  std::string Errors() const { return ReadWhole(err_); }
  TempFolder folder_;

 private:
  std::string err_;
  pid_t pid_ = -1;
  int port_ = 0;
  bool stopped_ = false;
};

struct Fetched {
  int status = 0;
  std::string headers, body;
};

// curl, the real client: headers and body of one request.
Fetched Fetch(const TempFolder &folder, const std::string &url, const std::string &extra = "") {
  const std::string head = folder / "head", body = folder / "body";
  std::remove(body.c_str());
  std::string command = "curl -sS --max-time 5 " + extra + " -D '" + head + "' -o '" + body + "' '" + url + "'";
  Fetched f;
  if (std::system(command.c_str()) != 0) return f;
  f.headers = ReadWhole(head), f.body = ReadWhole(body);
  f.status = std::atoi(f.headers.c_str() + f.headers.find(' ') + 1);
  return f;
}

bool HasHeader(const Fetched &f, const std::string &line) { return f.headers.find(line + "\r\n") != std::string::npos; }

TEST(ServeOverHTTP, PicturesAreTheExportersBytes) {
  Server server;
  ASSERT_GT(server.port(), 0) << server.Errors();
  const struct {
    std::string query, format, contentType;
    std::vector<std::string> exporterArgs;
  } rows[] = {
      {"fen=" + Start + "&arrow=e2e4&dot=e4&cross=d5", "bmp", "image/bmp", {"--arrow=e2e4", "--dot=e4", "--cross=d5"}},
      {"fen=" + Start + "&flip=yes&coords=yes", "png", "image/png", {"--flip=yes", "--coords=yes"}},
      {"fen=" + Start + "&style=colour&theme=3&px=400", "png", "image/png", {"--style=colour", "--theme=3", "--px=400"}},
      {"fen=" + Start + "&size=2.5&coords=yes", "svg", "image/svg+xml", {"--size=2.5", "--coords=yes"}},
      {"fen=" + Start + "&style=colour&pieces=classic", "pdf", "application/pdf", {"--style=colour", "--pieces=classic"}},
      {"fen=" + Start + "&style=colour&pieces=DejaVu+Sans", "png", "image/png", {"--style=colour", "--pieces=DejaVu Sans"}},
      {"fen=" + Start + "&coords=yes", "gif", "image/gif", {"--coords=yes"}},
  };
  for (const auto &row : rows) {
    Fetched f = Fetch(server.folder_, server.Url("/diagram." + row.format + "?" + row.query));
    EXPECT_EQ(f.status, 200) << row.query << "\n" << f.body;
    EXPECT_TRUE(HasHeader(f, "Content-Type: " + row.contentType)) << f.headers;
    EXPECT_TRUE(HasHeader(f, "Cache-Control: public, max-age=31536000, immutable")) << f.headers;
    std::string fen = row.query.substr(4, row.query.find('&') - 4);
    for (char &c : fen) c = c == '+' ? ' ' : c;
    std::string command = "'" + RunDir() + "/boardsmith-export' '--fen=" + fen + "'";
    for (const std::string &a : row.exporterArgs) command += " '" + a + "'";
    const std::string out = server.folder_ / ("x." + row.format);
    ASSERT_EQ(std::system((command + " '" + out + "' >/dev/null").c_str()), 0) << command;
    EXPECT_EQ(f.body, ReadWhole(out)) << row.query;
  }
  // HEAD: the headers of GET (its length too) without the body; the front page and the health check.
  Fetched get = Fetch(server.folder_, server.Url("/diagram.png?fen=" + Start));
  Fetched head = Fetch(server.folder_, server.Url("/diagram.png?fen=" + Start), "-I");
  EXPECT_EQ(head.status, 200);
  EXPECT_TRUE(HasHeader(head, "Content-Type: image/png"));
  EXPECT_TRUE(HasHeader(head, "Content-Length: " + std::to_string(get.body.size()))) << head.headers;
  Fetched page = Fetch(server.folder_, server.Url("/"));
  EXPECT_TRUE(HasHeader(page, "Content-Type: text/html; charset=utf-8"));
  EXPECT_NE(page.body.find("diagram."), std::string::npos);
  EXPECT_EQ(Fetch(server.folder_, server.Url("/healthz")).body, "ok\n");
  // A game by POST.
  Fetched game = Fetch(server.folder_, server.Url("/game.png?ply=2"), "--data-binary '1. e4 e5 2. Nf3 *'");
  EXPECT_EQ(game.status, 200) << game.body;
  EXPECT_EQ(game.body, Fetch(server.folder_, server.Url("/diagram.png?fen=rnbqkbnr/pppp1ppp/8/4p3/4P3/8/"
                                                        "PPPP1PPP/RNBQKBNR+w+KQkq+e6+0+2")).body);
  // A game as an animated GIF or APNG: the exporter's bytes.
  WriteWhole(server.folder_ / "g.pgn", "1. e4 e5 2. Nf3 *");
  for (const std::string format : {"gif", "png"}) {
    Fetched played = Fetch(server.folder_, server.Url("/game." + format + "?every-ply&delay=200&style=colour"),
                           "--data-binary @" + server.folder_ / "g.pgn");
    EXPECT_EQ(played.status, 200) << played.body;
    EXPECT_TRUE(HasHeader(played, "Content-Type: image/" + format)) << played.headers;
    const std::string out = server.folder_ / ("played." + format);
    ASSERT_EQ(std::system(("'" + RunDir() + "/boardsmith-export' --every-ply --delay=200 --style=colour '" +
                           server.folder_ / "g.pgn" + "' '" + out + "' >/dev/null").c_str()), 0);
    EXPECT_EQ(played.body, ReadWhole(out)) << format;
  }
  EXPECT_EQ(server.Stop(SIGTERM), 0);
}

// True once the file holds the text, looked for during two seconds.
bool Eventually(const std::string &path, const std::string &text) {
  for (int i = 0; i < 200; i++) {
    if (ReadWhole(path).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(ServeOverHTTP, LogsEachRequestReopensItsLogAndStopsOnSignals) {
  TempFolder logs;
  const std::string log = logs / "access.log";
  Server server({"--log=" + log});
  ASSERT_GT(server.port(), 0) << server.Errors();
  EXPECT_EQ(Fetch(server.folder_, server.Url("/healthz")).status, 200);
  std::rename(log.c_str(), (logs / "old.log").c_str());
  kill(server.pid(), SIGHUP);
  for (int i = 0; i < 200 && !std::filesystem::exists(log); i++)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(Fetch(server.folder_, server.Url("/nothing")).status, 404);
  // A request's line is written once its answer has gone out, so the client may be first.
  EXPECT_TRUE(Eventually(logs / "old.log", "\"GET /healthz HTTP/1.1\" 200 3 ")) << ReadWhole(logs / "old.log");
  EXPECT_TRUE(Eventually(log, "\"GET /nothing HTTP/1.1\" 404 ")) << ReadWhole(log);
  EXPECT_EQ(server.Stop(SIGTERM), 0);
  EXPECT_NE(server.Errors().find("boardsmith-serve: stopped"), std::string::npos);
}

TEST(ServeOverHTTP, IdleConnectionsDoNotKeepOthersWaiting) {
  rlimit limit;
  getrlimit(RLIMIT_NOFILE, &limit);
  limit.rlim_cur = limit.rlim_max;
  setrlimit(RLIMIT_NOFILE, &limit);
  Server server({"--timeout=30"});
  ASSERT_GT(server.port(), 0) << server.Errors();
  std::vector<int> idle;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(server.port()));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  for (int i = 0; i < 500; i++) {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0 || connect(s, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) break;
    idle.push_back(s);
  }
  EXPECT_EQ(idle.size(), 500u);
  Fetched f = Fetch(server.folder_, server.Url("/diagram.png?fen=" + Start));  // curl waits 5 s at most
  EXPECT_EQ(f.status, 200);
  for (int s : idle) close(s);
  EXPECT_EQ(server.Stop(SIGTERM), 0);
}

TEST(ServeCommandLine, VersionHelpAndRanges) {
  TempFolder folder;
  const struct {
    std::string args;
    int status;
    const char *text;  // in standard output or error
  } rows[] = {
      {"--version", 0, "boardsmith-serve 13.0"},
      {"--help", 0, "--max-connections=1..100000"},
      {"--threads=0", 2, "--threads takes 1..256, not \"0\""},
      {"--max-px=9999", 2, "--max-px takes 8..4096, not \"9999\""},
      {"--listen=localhost", 2, "--listen takes ADDR:PORT, not \"localhost\""},
      {"--listen=10.0.0.1:99999", 2, "--listen takes ADDR:PORT, not \"10.0.0.1:99999\""},
      {"--bogus=1", 2, "unknown option --bogus"},
  };
  for (const auto &row : rows) {
    std::string out = folder / "out";
    int raw = std::system(("'" + RunDir() + "/boardsmith-serve' " + row.args + " >'" + out + "' 2>&1").c_str());
    EXPECT_EQ(WEXITSTATUS(raw), row.status) << row.args;
    EXPECT_NE(ReadWhole(out).find(row.text), std::string::npos) << row.args << ": " << ReadWhole(out);
  }
}
}  // namespace
