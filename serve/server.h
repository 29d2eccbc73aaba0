#pragma once
// boardsmith-serve's HTTP side: libmicrohttpd's pool of threads reads the requests, each thread
// composes its answers on a canvas of its own, and a signal stops it cleanly.
#include <string>

#include "serve/answer.h"

struct ServerOptions {
  std::string address = "127.0.0.1";  // an IPv4 or IPv6 address to listen on
  int port = 8080;                     // 0: any free port (the start-up line names it)
  int threads = 0;                     // composing threads; 0 the number of cores
  int maxConnections = 1024;           // connections open at once; more wait in the backlog
  int timeout = 10;                    // seconds a connection may stay idle or slow
  std::string log;                     // the access log's file; "" standard error
  ServiceLimits limits;
};

// Serves until SIGTERM or SIGINT: then it stops accepting, finishes what is in flight and
// returns 0 (within two seconds). SIGHUP reopens the log. 1 when it cannot start, with a reason
// on standard error.
int RunServer(const ServerOptions &options);
