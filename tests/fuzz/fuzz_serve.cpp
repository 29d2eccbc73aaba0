// Fuzzing the diagram service's answers: the input's first line is the request target, the rest
// a POSTed body. Whatever the bytes, an answer comes with a status the service gives; a picture
// has a type and bytes, anything else says why in plain text.
#include <cstdint>
#include <memory>
#include <string>

#include "serve/answer.h"
#include "tests/fuzz/diagram.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();
  const std::string input(reinterpret_cast<const char *>(data), size);
  const size_t line = input.find('\n');
  Request request;
  request.target = input.substr(0, line);
  request.body = line == std::string::npos ? "" : input.substr(line + 1);
  request.method = request.body.empty() ? "GET" : "POST";
  ServiceLimits limits;
  limits.maxPx = 256;     // small pictures keep the runs fast
  limits.maxBody = 4096;
  limits.maxFrames = 8;   // and short animated games
  const Response r = Answer(request, limits, *canvas);
  switch (r.status) {
    case 200:
      Require(!r.contentType.empty() && !r.body.empty(), "a picture or page has a type and bytes");
      break;
    case 400: case 404: case 405: case 413: case 414: case 500:
      Require(r.contentType == "text/plain; charset=utf-8" && r.body.size() > 1 && r.body.back() == '\n',
              "a refusal says why in a line of plain text");
      Require(r.HeaderValue("Cache-Control") == "no-store", "a refusal is never cached");
      break;
    default:
      Require(false, "the status is one the service gives");
  }
  return 0;
}
