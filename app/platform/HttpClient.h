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

// How much of the response body a request takes. Each request names what
// fits what it fetches, so that no server can make it hold more.
struct HttpBodyLimit {
  // The most body bytes read; a longer body, or one announced longer, ends
  // the transfer as HttpFailure::bodyTooLarge.
  int64_t maxBytes = 0;
  // False: the bytes are counted and dropped, for an answer nobody reads.
  bool keep = true;
};

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

// Why a transfer failed, so that a caller can say it in words of its own.
enum class HttpFailure {
  none,
  cancelled,       // the cancel flag ended it
  bodyTooLarge,    // the body passed the request's HttpBodyLimit
  headerTooLarge,  // the response's header passed what a client keeps
  status,          // a response outside 2xx
  transport,       // no connection, a dropped one, a bad URL, ...
  callback,        // a progress callback threw
};

// ok() when a 2xx response was read to its end. Otherwise failure says why
// and error holds an English text for it, e.g. "HTTP/1.1 404 Not Found" or
// the transport's own description of a failed connection.
struct [[nodiscard]] HttpResult : Outcome {
  HttpFailure failure = HttpFailure::none;
  // The status of the response, 0 when none arrived.
  long status = 0;
  // The response body, also that of an error status; empty when the limit
  // said not to keep it.
  std::string body;
};

// One GET with its own connection, from any thread; the first one initialises
// the HTTP library for the process. Never throws.
HttpResult HttpGet(const std::string& url, const HttpBodyLimit& limit,
                   const HttpProgress& progress = {});

}  // namespace trelio
