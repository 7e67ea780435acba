#include "app/platform/HttpClient.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TestHttpServer.h"

namespace trelio {
namespace {

using test::PatternBody;
using test::ScopedEnv;
using test::TestHttpServer;

// The progress notifications of one transfer, in order: 'B' for work begin,
// 'W' for work.
struct ProgressLog {
  std::vector<std::pair<char, int64_t>> events;
  HttpProgress Callbacks() {
    HttpProgress p;
    p.workBegin = [this](int64_t n) { events.emplace_back('B', n); };
    p.work = [this](int64_t n) { events.emplace_back('W', n); };
    return p;
  }
};

// A port on which a socket is bound but not listening: connecting is refused.
class RefusingPort {
 public:
  RefusingPort() : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
      throw std::runtime_error("cannot bind a local port");
    }
    port_ = ntohs(a.sin_port);
  }
  ~RefusingPort() { close(fd_); }
  int port() const { return port_; }

 private:
  int fd_;
  int port_ = 0;
};

// A port that takes one connection, reads the request and resets the
// connection instead of answering.
class ResettingPort {
 public:
  ResettingPort() : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0 || listen(fd_, 1) != 0) {
      throw std::runtime_error("cannot listen on a local port");
    }
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] {
      const int c = accept(fd_, nullptr, nullptr);
      if (c < 0) return;
      char request[4096];
      (void)recv(c, request, sizeof request, 0);
      const linger reset{1, 0};
      setsockopt(c, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
      close(c);
    });
  }
  ~ResettingPort() {
    thread_.join();
    close(fd_);
  }
  int port() const { return port_; }

 private:
  int fd_;
  int port_ = 0;
  std::thread thread_;
};

class HttpClientTest : public ::testing::Test {
 protected:
  TestHttpServer server;
};

TEST_F(HttpClientTest, SendsTheFixedRequestHeadersAndNothingElse) {
  server.Serve("/trelio/a.php", "OK");
  const HttpResult r =
      HttpGet(server.Url("/trelio/a.php?a=add&n=a%20b&l=http://x.example/f"), test::kWholeAnswer);
  ASSERT_TRUE(r.ok()) << r.error;

  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  const test::RecordedRequest& q = requests[0];
  EXPECT_EQ(q.method, "GET");
  EXPECT_EQ(q.version, "HTTP/1.1");
  EXPECT_EQ(q.target, "/trelio/a.php?a=add&n=a%20b&l=http://x.example/f");
  EXPECT_EQ(q.query, "a=add&n=a%20b&l=http://x.example/f");
  EXPECT_EQ(q.Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_EQ(q.Header("Accept"), "text/html, */*");
  EXPECT_EQ(q.Header("Content-Type"), "text/html");
  EXPECT_EQ(q.Header("Host"), server.Host());
  std::multiset<std::string> names;
  for (const auto& h : q.headers) names.insert(h.first);
  EXPECT_EQ(names, (std::multiset<std::string>{"Accept", "Content-Type", "Host", "User-Agent"}));
}

TEST_F(HttpClientTest, ReturnsTheBodyByteForByte) {
  const std::string bodies[] = {"", std::string("a\0b\r\n\xff;\x1a", 8), PatternBody(3 << 20)};
  for (size_t i = 0; i < std::size(bodies); ++i) {
    const std::string path = "/body" + std::to_string(i);
    server.Serve(path, bodies[i], 200, "text/csv");
    const HttpResult r = HttpGet(server.Url(path), test::kWholeAnswer);
    EXPECT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.status, 200);
    EXPECT_TRUE(r.error.empty());
    EXPECT_TRUE(r.body == bodies[i]) << "body " << i << " differs, size " << r.body.size();
  }
}

TEST_F(HttpClientTest, AnyStatusOutside2xxIsAnErrorNamedByItsStatusLine) {
  struct Case {
    int status;
    const char* error;
  } const cases[] = {
      {404, "HTTP/1.1 404 Not Found"},
      {500, "HTTP/1.1 500 Internal Server Error"},
      {403, "HTTP/1.1 403 Forbidden"},
  };
  for (const Case& c : cases) {
    const std::string path = "/status" + std::to_string(c.status);
    server.Serve(path, "page text", c.status);
    const HttpResult r = HttpGet(server.Url(path), test::kWholeAnswer);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.error, c.error);
  }
  const HttpResult missing = HttpGet(server.Url("/nothing/here"), test::kWholeAnswer);
  EXPECT_FALSE(missing.ok());
  EXPECT_EQ(missing.error, "HTTP/1.1 404 Not Found");
}

TEST_F(HttpClientTest, DoesNotFollowRedirects) {
  server.Serve("/new", "moved here");
  struct Case {
    int status;
    const char* error;
  } const cases[] = {{302, "HTTP/1.1 302 Found"}, {301, "HTTP/1.1 301 Moved Permanently"}};
  for (const Case& c : cases) {
    const std::string path = "/old" + std::to_string(c.status);
    server.Redirect(path, server.Url("/new"), c.status);
    const HttpResult r = HttpGet(server.Url(path), test::kWholeAnswer);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.error, c.error);
  }
  for (const auto& q : server.Requests()) EXPECT_NE(q.path, "/new");
  EXPECT_EQ(server.RequestCount(), 2u);
}

TEST_F(HttpClientTest, ReportsTheExpectedLengthFirstThenTheGrowingCount) {
  const std::vector<std::string> chunks(8, PatternBody(64 << 10));
  const int64_t total = 8 * (64 << 10);
  struct Case {
    const char* path;
    bool announceLength;
    int64_t expected;
  } const cases[] = {{"/sized", true, total}, {"/chunked", false, 0}};
  for (const Case& c : cases) {
    server.ServeStream(c.path, chunks, c.announceLength, std::chrono::milliseconds(2));
    ProgressLog log;
    const HttpResult r = HttpGet(server.Url(c.path), test::kWholeAnswer, log.Callbacks());
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(static_cast<int64_t>(r.body.size()), total);

    ASSERT_GT(log.events.size(), 2u) << c.path;
    EXPECT_EQ(log.events.front(), std::make_pair('B', c.expected)) << c.path;
    int64_t last = 0;
    for (size_t i = 1; i < log.events.size(); ++i) {
      EXPECT_EQ(log.events[i].first, 'W') << c.path << " event " << i;
      EXPECT_GT(log.events[i].second, last) << c.path << " event " << i;
      last = log.events[i].second;
    }
    EXPECT_EQ(last, total) << c.path;
  }
}

TEST_F(HttpClientTest, CancelFlagEndsATransferWhileTheServerIsSilent) {
  server.ServeStream("/slow", {"first part", "never read"}, true);
  server.HoldStreams();
  std::atomic<bool> cancel = false;
  HttpProgress p;
  p.work = [&](int64_t) { cancel = true; };
  p.cancel = &cancel;

  const HttpResult r = HttpGet(server.Url("/slow"), test::kWholeAnswer, p);
  server.ReleaseStreams();
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.failure, HttpFailure::cancelled);
  EXPECT_FALSE(r.error.empty());
  EXPECT_EQ(r.body, "first part");
}

TEST_F(HttpClientTest, CancelFlagSetBeforehandEndsTheTransfer) {
  server.Serve("/index.csv", "rows");
  std::atomic<bool> cancel = true;
  HttpProgress p;
  p.cancel = &cancel;
  const HttpResult r = HttpGet(server.Url("/index.csv"), test::kWholeAnswer, p);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.failure, HttpFailure::cancelled);
}

TEST_F(HttpClientTest, ACallbackThatThrowsEndsTheTransferWithItsText) {
  server.Serve("/index.csv", "rows");
  HttpProgress p;
  p.workBegin = [](int64_t) { throw std::runtime_error("no room for the progress"); };
  const HttpResult r = HttpGet(server.Url("/index.csv"), test::kWholeAnswer, p);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.failure, HttpFailure::callback);
  EXPECT_EQ(r.error, "no room for the progress");
}

TEST(HttpClientFailureTest, RefusedConnectionIsAnErrorWithoutStatus) {
  RefusingPort port;
  const std::string url = "http://127.0.0.1:" + std::to_string(port.port()) + "/trelio/index.csv";
  const HttpResult r = HttpGet(url, test::kWholeAnswer);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.failure, HttpFailure::transport);
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.error.find("127.0.0.1"), std::string::npos) << r.error;
  // The system's text of the error, in whatever language the process speaks.
  EXPECT_NE(r.error.find(std::strerror(ECONNREFUSED)), std::string::npos) << r.error;
}

// A body past the request's limit, announced or not, ends the transfer and
// nothing of it is kept; a limit that drops the body keeps nothing at all.
TEST_F(HttpClientTest, NoRequestTakesMoreBodyThanItsLimit) {
  server.Serve("/sized", PatternBody(1000));
  server.ServeStream("/chunked", {PatternBody(600), PatternBody(600)}, false);
  server.ServeEndless("/endless");
  struct Case {
    const char* path;
    HttpBodyLimit limit;
    HttpFailure failure;
    size_t kept;
  } const cases[] = {
      {"/sized", {1000, true}, HttpFailure::none, 1000},
      {"/sized", {999, true}, HttpFailure::bodyTooLarge, 0},
      {"/chunked", {1200, true}, HttpFailure::none, 1200},
      {"/chunked", {1000, true}, HttpFailure::bodyTooLarge, 0},
      {"/endless", {8 << 20, true}, HttpFailure::bodyTooLarge, 0},
      {"/sized", {1000, false}, HttpFailure::none, 0},
      {"/endless", {8 << 20, false}, HttpFailure::bodyTooLarge, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.path) + " " + std::to_string(c.limit.maxBytes) +
                 (c.limit.keep ? " kept" : " dropped"));
    int64_t counted = 0;
    HttpProgress p;
    p.work = [&](int64_t n) { counted = n; };
    const HttpResult r = HttpGet(server.Url(c.path), c.limit, p);
    EXPECT_EQ(r.failure, c.failure);
    EXPECT_EQ(r.ok(), c.failure == HttpFailure::none) << r.error;
    EXPECT_EQ(r.body.size(), c.kept);
    EXPECT_LE(counted, c.limit.maxBytes);
    if (c.failure == HttpFailure::bodyTooLarge) {
      EXPECT_EQ(r.error, "The server's answer was too large");
    }
  }
  // The server saw both endless answers end.
  for (int i = 0; i < 1000 && server.EndlessAnswersEnded() < 2; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(server.EndlessAnswersEnded(), 2u);
}

// libcurl reports a header line longer than it keeps as "Out of memory"; a
// header of many lines has no bound of libcurl's own.
TEST_F(HttpClientTest, AHugeResponseHeaderIsAnAnswerTooLarge) {
  const struct {
    const char* path;
    size_t lineBytes;
  } cases[] = {{"/one-line", 1 << 20}, {"/many-lines", 8 << 10}};
  for (const auto& c : cases) {
    server.ServeLargeHeader(c.path, 1 << 20, c.lineBytes);
    const HttpResult r = HttpGet(server.Url(c.path), test::kWholeAnswer);
    EXPECT_EQ(r.failure, HttpFailure::headerTooLarge) << c.path << ": " << r.error;
    EXPECT_EQ(r.error, "The server's answer was too large") << c.path;
  }
}

TEST(HttpClientFailureTest, AResetConnectionNamesTheSystemsReasonOnce) {
  ResettingPort port;
  const std::string url = "http://127.0.0.1:" + std::to_string(port.port()) + "/trelio/index.csv";
  const HttpResult r = HttpGet(url, test::kWholeAnswer);
  EXPECT_EQ(r.failure, HttpFailure::transport);
  const std::string reason = std::strerror(ECONNRESET);
  const size_t first = r.error.find(reason);
  ASSERT_NE(first, std::string::npos) << r.error;
  EXPECT_EQ(r.error.find(reason, first + 1), std::string::npos) << r.error;
}

TEST_F(HttpClientTest, OnlyPlainHttpIsSpokenAndNoProxyIsUsed) {
  server.Serve("/trelio/version.txt", "101");
  for (const std::string& url : {"https://" + server.Host() + "/x", "ftp://" + server.Host() + "/x",
                                 std::string("not a url")}) {
    const HttpResult r = HttpGet(url, test::kWholeAnswer);
    EXPECT_FALSE(r.ok()) << url;
    EXPECT_FALSE(r.error.empty()) << url;
  }
  EXPECT_EQ(server.RequestCount(), 0u);

  RefusingPort proxy;
  const std::string proxyUrl = "http://127.0.0.1:" + std::to_string(proxy.port());
  ScopedEnv env;
  env.Set("http_proxy", proxyUrl.c_str());
  const HttpResult r = HttpGet(server.Url("/trelio/version.txt"), test::kWholeAnswer);
  EXPECT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.body, "101");
}

TEST_F(HttpClientTest, ConcurrentGetsEachGetTheirOwnAnswer) {
  constexpr int kThreads = 8;
  for (int i = 0; i < kThreads; ++i) {
    server.Serve("/p" + std::to_string(i), PatternBody(1000 + i) + std::to_string(i));
  }
  std::vector<HttpResult> results(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back(
        [&, i] { results[i] = HttpGet(server.Url("/p" + std::to_string(i)), test::kWholeAnswer); });
  }
  for (auto& t : threads) t.join();
  for (int i = 0; i < kThreads; ++i) {
    EXPECT_TRUE(results[i].ok()) << results[i].error;
    EXPECT_TRUE(results[i].body == PatternBody(1000 + i) + std::to_string(i)) << i;
  }
}

}  // namespace
}  // namespace trelio
