#pragma once
// The diagram service's answers: a request in, a response out, nothing kept between them. The
// HTTP server (serve/http.h) carries them; tests and the fuzz target call Answer directly.
#include <string>
#include <vector>

#include "render/canvas.h"

struct Request {
  std::string method;       // "GET", "HEAD", "POST" ...
  std::string target;       // the path and query as sent: "/diagram.png?fen=..."
  std::string body;         // a POSTed PGN
  std::string ifNoneMatch;  // the If-None-Match header, or ""
};

struct Header {
  std::string name, value;
  bool operator==(const Header &) const = default;
};

struct Response {
  int status = 200;
  std::string contentType;
  std::string body;  // sent for GET and POST; HEAD sends the headers alone
  std::vector<Header> headers;
  // The value of a header, or "" when the response has none.
  std::string HeaderValue(const std::string &name) const;
};

// What one request may ask for at most.
struct ServiceLimits {
  int maxPx = 2048;               // --px of a colour PNG
  size_t maxTarget = 8192;        // bytes of the path and query (longer: 414)
  size_t maxBody = 1 << 20;       // bytes of a POSTed or pgn= game (larger: 413)
  int maxFrames = 1000;           // positions of an animated game (more: 413)
  bool operator==(const ServiceLimits &) const = default;
};

// The version that goes into every ETag, so that a new release is never served from a cache.
constexpr const char *ServiceVersion = BS_VERSION;

// The answer to one request, composed on the caller's canvas.
Response Answer(const Request &request, const ServiceLimits &limits, Canvas &canvas);
