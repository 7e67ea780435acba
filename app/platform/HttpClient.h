// Blocking HTTP/1.1 GET of a URL into memory, with the request the maker's
// server expects: fixed User-Agent, Accept and Content-Type headers, no
// redirects followed, no read time-out, no proxy, plain http only.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "app/platform/Outcome.h"

namespace trelio {

// Everything here is optional. The callbacks run on the thread that called
// HttpGet; a callback that throws ends the transfer with the exception's text.
struct HttpProgress {
  // Once, when the response headers are in: the body length the server
  // announced, 0 when it announced none.
  std::function<void(int64_t expected)> workBegin;
  // After each piece of the body: the number of body bytes received so far.
  std::function<void(int64_t countSoFar)> work;
  // Looked at while the transfer runs, also while the server is silent (about
  // every 50 ms); true ends the transfer.
  const std::atomic<bool>* cancel = nullptr;
};

// ok() when a 2xx response was read to its end. Otherwise error holds the
// message text, e.g. "HTTP/1.1 404 Not Found" or the transport's own
// description of a failed connection, or why the HTTP library cannot be
// loaded.
struct [[nodiscard]] HttpResult : Outcome {
  // The cancel flag ended the transfer.
  bool cancelled = false;
  // The status of the response, 0 when none arrived.
  long status = 0;
  // The response body, also that of an error status.
  std::string body;
};

// Loads and initialises the HTTP library once for the process; safe to call
// from any thread, any number of times. HttpGet calls it too.
void HttpGlobalInit();

// One GET with its own connection. Never throws.
HttpResult HttpGet(const std::string& url, const HttpProgress& progress = {});

}  // namespace trelio
