#include "serve/server.h"

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "serve/accesslog.h"

namespace {
using Clock = std::chrono::steady_clock;

// The canvases of the composing threads: one each, taken for a request and given back, so the
// pool never holds more than the threads that compose at once.
class CanvasPool {
 public:
  std::unique_ptr<Canvas> Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (free_.empty()) return std::make_unique<Canvas>();
    std::unique_ptr<Canvas> canvas = std::move(free_.back());
    free_.pop_back();
    return canvas;
  }
  void Give(std::unique_ptr<Canvas> canvas) {
    std::lock_guard<std::mutex> lock(mutex_);
    free_.push_back(std::move(canvas));
  }

 private:
  std::mutex mutex_;
  std::vector<std::unique_ptr<Canvas>> free_;
};

struct Service {
  const ServerOptions &options;
  AccessLog log;
  CanvasPool canvases;
};

// One request on its way: made when its URI arrives, gone when the answer is sent.
struct Exchange {
  std::string target;
  std::string method, version;
  std::string body;
  bool bodyTooLarge = false;
  bool answered = false;
  int status = 0;
  size_t bytes = 0;
  Clock::time_point start = Clock::now();
};

void *UriArrived(void *, const char *uri, MHD_Connection *) {
  auto *exchange = new Exchange;
  exchange->target = uri;
  return exchange;
}

std::string ClientOf(MHD_Connection *connection) {
  const MHD_ConnectionInfo *info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
  char text[INET6_ADDRSTRLEN] = "-";
  if (info && info->client_addr) {
    const sockaddr *a = info->client_addr;
    if (a->sa_family == AF_INET)
      inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in *>(a)->sin_addr, text, sizeof text);
    else if (a->sa_family == AF_INET6)
      inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6 *>(a)->sin6_addr, text, sizeof text);
  }
  return text;
}

void Completed(void *cls, MHD_Connection *connection, void **context, MHD_RequestTerminationCode) {
  auto *exchange = static_cast<Exchange *>(*context);
  if (!exchange) return;
  auto *service = static_cast<Service *>(cls);
  long micros = static_cast<long>(
      std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - exchange->start).count());
  service->log.Write(ClientOf(connection),
                     exchange->method + " " + exchange->target + " " + exchange->version,
                     exchange->status, exchange->bytes, micros);
  delete exchange;
  *context = nullptr;
}

MHD_Result Send(MHD_Connection *connection, Exchange *exchange, const Response &answer) {
  MHD_Response *response = MHD_create_response_from_buffer(
      answer.body.size(), const_cast<char *>(answer.body.data()), MHD_RESPMEM_MUST_COPY);
  if (!response) return MHD_NO;
  if (!answer.contentType.empty())
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, answer.contentType.c_str());
  MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
  for (const Header &h : answer.headers) MHD_add_response_header(response, h.name.c_str(), h.value.c_str());
  exchange->status = answer.status;
  exchange->bytes = exchange->method == "HEAD" ? 0 : answer.body.size();
  MHD_Result queued = MHD_queue_response(connection, static_cast<unsigned>(answer.status), response);
  MHD_destroy_response(response);
  return queued;
}

MHD_Result Handle(void *cls, MHD_Connection *connection, const char *, const char *method,
                  const char *version, const char *upload, size_t *uploadSize, void **context) {
  auto *service = static_cast<Service *>(cls);
  auto *exchange = static_cast<Exchange *>(*context);
  if (!exchange) return MHD_NO;  // the URI callback always makes one
  if (exchange->answered) return MHD_YES;
  if (exchange->method.empty()) {
    exchange->method = method;
    exchange->version = version;
    if (exchange->method == "POST") return MHD_YES;  // the body comes in the calls that follow
  }
  if (*uploadSize) {
    // Kept up to one byte past the limit, so that the answer can say it was too large.
    size_t room = service->options.limits.maxBody + 1 - std::min(exchange->body.size(), service->options.limits.maxBody + 1);
    exchange->body.append(upload, std::min(room, *uploadSize));
    *uploadSize = 0;
    return MHD_YES;
  }
  Request request;
  request.method = exchange->method;
  request.target = exchange->target;
  request.body = std::move(exchange->body);
  const char *match = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_IF_NONE_MATCH);
  if (match) request.ifNoneMatch = match;
  std::unique_ptr<Canvas> canvas = service->canvases.Take();
  Response answer = Answer(request, service->options.limits, *canvas);
  service->canvases.Give(std::move(canvas));
  exchange->answered = true;
  return Send(connection, exchange, answer);
}

// Enough descriptors for the connections asked for: the soft limit raised to the hard one.
void RaiseDescriptorLimit() {
  rlimit limit;
  if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
  }
}

// The address to listen on, IPv4 or IPv6.
bool SocketAddress(const std::string &text, int port, sockaddr_storage *address, bool *six) {
  *six = text.find(':') != std::string::npos;
  if (*six) {
    auto *a = reinterpret_cast<sockaddr_in6 *>(address);
    a->sin6_family = AF_INET6;
    a->sin6_port = htons(static_cast<uint16_t>(port));
    return inet_pton(AF_INET6, text.c_str(), &a->sin6_addr) == 1;
  }
  auto *a = reinterpret_cast<sockaddr_in *>(address);
  a->sin_family = AF_INET;
  a->sin_port = htons(static_cast<uint16_t>(port));
  return inet_pton(AF_INET, text.c_str(), &a->sin_addr) == 1;
}

unsigned CurrentConnections(MHD_Daemon *daemon) {
  const MHD_DaemonInfo *info = MHD_get_daemon_info(daemon, MHD_DAEMON_INFO_CURRENT_CONNECTIONS);
  return info ? info->num_connections : 0;
}
}  // namespace

int RunServer(const ServerOptions &options) {
  // The signals are taken by sigwait below, never delivered to a thread; the threads MHD starts
  // inherit the mask.
  sigset_t signals;
  sigemptyset(&signals);
  for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&signals, s);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  signal(SIGPIPE, SIG_IGN);
  RaiseDescriptorLimit();

  Service service{options, AccessLog(options.log), {}};
  std::string why;
  if (!service.log.Reopen(&why)) {
    std::fprintf(stderr, "boardsmith-serve: %s\n", why.c_str());
    return 1;
  }
  sockaddr_storage address{};
  bool six = false;
  if (!SocketAddress(options.address, options.port, &address, &six)) {
    std::fprintf(stderr, "boardsmith-serve: %s is not an IP address\n", options.address.c_str());
    return 1;
  }
  const unsigned threads = options.threads > 0 ? static_cast<unsigned>(options.threads)
                                               : std::max(1u, std::thread::hardware_concurrency());
  unsigned flags = MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL | MHD_USE_ITC | MHD_USE_ERROR_LOG;
  if (six) flags |= MHD_USE_IPv6;
  MHD_Daemon *daemon = MHD_start_daemon(
      flags, static_cast<uint16_t>(options.port), nullptr, nullptr, &Handle, &service,
      MHD_OPTION_SOCK_ADDR, reinterpret_cast<sockaddr *>(&address),
      MHD_OPTION_URI_LOG_CALLBACK, &UriArrived, nullptr,
      MHD_OPTION_NOTIFY_COMPLETED, &Completed, &service,
      MHD_OPTION_CONNECTION_LIMIT, static_cast<unsigned>(options.maxConnections),
      MHD_OPTION_CONNECTION_TIMEOUT, static_cast<unsigned>(options.timeout),
      MHD_OPTION_THREAD_POOL_SIZE, threads,
      MHD_OPTION_END);
  if (!daemon) {
    std::fprintf(stderr, "boardsmith-serve: cannot listen on %s port %d: %s\n", options.address.c_str(),
                 options.port, errno ? std::strerror(errno) : "the HTTP library refused");
    return 1;
  }
  const MHD_DaemonInfo *bound = MHD_get_daemon_info(daemon, MHD_DAEMON_INFO_BIND_PORT);
  const int port = bound ? bound->port : options.port;
  std::fprintf(stderr, "boardsmith-serve: listening on http://%s%s%s:%d/ with %u threads\n",
               six ? "[" : "", options.address.c_str(), six ? "]" : "", port, threads);
  std::fflush(stderr);

  for (;;) {
    int signal = 0;
    if (sigwait(&signals, &signal) != 0) continue;
    if (signal == SIGHUP) {
      if (!service.log.Reopen(&why)) std::fprintf(stderr, "boardsmith-serve: %s\n", why.c_str());
      continue;
    }
    break;
  }
  // Stop: no new connections; those open get a moment to finish, then every thread is joined
  // (a request being composed is answered first).
  MHD_socket listening = MHD_quiesce_daemon(daemon);
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(1500);
  while (CurrentConnections(daemon) > 0 && Clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  MHD_stop_daemon(daemon);
  if (listening != MHD_INVALID_SOCKET) close(listening);
  std::fprintf(stderr, "boardsmith-serve: stopped\n");
  return 0;
}
