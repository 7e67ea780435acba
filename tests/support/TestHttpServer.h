// An HTTP server on 127.0.0.1 for tests: it listens on a free port from
// construction to destruction, answers from a table of paths that the test
// fills (also while it runs), and records every request it receives.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/platform/HttpClient.h"

namespace trelio::test {

// What a test's own request takes: the whole answer, up to far more than any
// test sends.
inline constexpr HttpBodyLimit kWholeAnswer{int64_t(1) << 30, true};

std::string PatternBody(size_t n);

struct RecordedRequest {
  std::string method;
  std::string version;  // "HTTP/1.1"
  std::string path;     // decoded, without the query
  std::string target;   // as sent: path and query, undecoded
  std::string query;    // as sent, without "?"; empty when there is none
  // As sent, sorted by name; the server's own bookkeeping entries left out.
  std::vector<std::pair<std::string, std::string>> headers;

  // The value of the first header of that name (any letter case), or "".
  std::string Header(std::string_view name) const;
  bool HasHeader(std::string_view name) const;
};

class TestHttpServer {
 public:
  TestHttpServer();
  ~TestHttpServer();
  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;

  int Port() const;
  // "127.0.0.1:<port>".
  std::string Host() const;
  // "http://127.0.0.1:<port>" + pathAndQuery.
  std::string Url(std::string_view pathAndQuery) const;

  // Paths not in the table answer 404 with the body "Not Found".
  void Serve(const std::string& path, std::string body, int status = 200,
             const std::string& contentType = "text/html");
  void Redirect(const std::string& path, const std::string& location, int status = 302);
  // Sends the chunks one by one, waiting `pause` between them. With
  // announceLength the length is sent ahead, otherwise the body is chunked.
  void ServeStream(const std::string& path, std::vector<std::string> chunks, bool announceLength,
                   std::chrono::milliseconds pause = std::chrono::milliseconds(0));

  // Answers 200 with a chunked body that never ends, `piece` again and again,
  // until the client goes away (or the server stops).
  void ServeEndless(const std::string& path, std::string piece = PatternBody(64 << 10));
  // How many endless answers have ended: their client went away.
  size_t EndlessAnswersEnded() const;
  // Answers 200 with an empty body after `bytes` of header lines, each of
  // `lineBytes` at most.
  void ServeLargeHeader(const std::string& path, size_t bytes, size_t lineBytes);

  // While held, every stream stops after its first chunk until released.
  // The destructor releases them too.
  void HoldStreams();
  void ReleaseStreams();

  std::vector<RecordedRequest> Requests() const;
  size_t RequestCount() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

// n bytes that differ from one position to the next, NUL and high bytes
// included, so a lost, added or moved byte shows.
std::string PatternBody(size_t n);

}  // namespace trelio::test
