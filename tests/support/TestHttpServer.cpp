#include "tests/support/TestHttpServer.h"

#include <httplib.h>
#include <signal.h>
#include <strings.h>

#include <condition_variable>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace trelio::test {
namespace {

struct Route {
  enum class Kind { Fixed, Redirect, Stream, Endless, LargeHeader } kind = Kind::Fixed;
  int status = 200;
  std::string body;
  std::string contentType;
  std::string location;
  std::vector<std::string> chunks;
  bool announceLength = false;
  std::chrono::milliseconds pause{0};
  size_t headerBytes = 0;
  size_t lineBytes = 0;
};

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Entries the server library adds to the headers of every request.
bool IsBookkeeping(const std::string& name) {
  for (const char* own : {"REMOTE_ADDR", "REMOTE_PORT", "LOCAL_ADDR", "LOCAL_PORT"}) {
    if (name == own) return true;
  }
  return false;
}

}  // namespace

std::string RecordedRequest::Header(std::string_view name) const {
  for (const auto& [key, value] : headers) {
    if (SameName(key, name)) return value;
  }
  return "";
}

bool RecordedRequest::HasHeader(std::string_view name) const {
  for (const auto& header : headers) {
    if (SameName(header.first, name)) return true;
  }
  return false;
}

struct TestHttpServer::State {
  httplib::Server server;
  std::thread thread;
  int port = -1;

  mutable std::mutex mutex;
  std::condition_variable changed;
  bool held = false;
  bool stopping = false;
  std::map<std::string, std::shared_ptr<const Route>> routes;
  std::vector<RecordedRequest> requests;
  size_t endlessEnded = 0;

  void Record(const httplib::Request& req) {
    RecordedRequest r;
    r.method = req.method;
    r.version = req.version;
    r.path = req.path;
    r.target = req.target;
    if (const size_t q = req.target.find('?'); q != std::string::npos) {
      r.query = req.target.substr(q + 1);
    }
    for (const auto& [key, value] : req.headers) {
      if (!IsBookkeeping(key)) r.headers.emplace_back(key, value);
    }
    std::lock_guard lock(mutex);
    requests.push_back(std::move(r));
  }

  // Before the chunk at `index`; false once the server is stopping.
  bool AwaitChunk(size_t index, std::chrono::milliseconds pause) {
    std::unique_lock lock(mutex);
    if (index == 0) return !stopping;
    if (pause.count() > 0) changed.wait_for(lock, pause, [&] { return stopping; });
    changed.wait(lock, [&] { return !held || stopping; });
    return !stopping;
  }

  void Stream(std::shared_ptr<const Route> route, httplib::Response& res) {
    auto next = std::make_shared<size_t>(0);
    if (route->announceLength) {
      size_t total = 0;
      for (const std::string& c : route->chunks) total += c.size();
      res.set_content_provider(total, route->contentType,
                               [this, route, next](size_t, size_t, httplib::DataSink& sink) {
                                 if (*next >= route->chunks.size()) return false;
                                 if (!AwaitChunk(*next, route->pause)) return false;
                                 const std::string& chunk = route->chunks[(*next)++];
                                 return sink.write(chunk.data(), chunk.size());
                               });
      return;
    }
    res.set_chunked_content_provider(
        route->contentType, [this, route, next](size_t, httplib::DataSink& sink) {
          while (*next < route->chunks.size() && route->chunks[*next].empty()) {
            ++*next;
          }
          if (*next >= route->chunks.size()) {
            sink.done();
            return true;
          }
          if (!AwaitChunk(*next, route->pause)) return false;
          const std::string& chunk = route->chunks[(*next)++];
          return sink.write(chunk.data(), chunk.size());
        });
  }

  void Endless(std::shared_ptr<const Route> route, httplib::Response& res) {
    res.set_chunked_content_provider(
        route->contentType,
        [this, route](size_t, httplib::DataSink& sink) {
          if (Stopping()) return false;
          return sink.write(route->body.data(), route->body.size());
        },
        [this](bool) {
          std::lock_guard lock(mutex);
          ++endlessEnded;
        });
  }

  bool Stopping() {
    std::lock_guard lock(mutex);
    return stopping;
  }

  void Handle(const httplib::Request& req, httplib::Response& res) {
    Record(req);
    std::shared_ptr<const Route> route;
    {
      std::lock_guard lock(mutex);
      if (auto it = routes.find(req.path); it != routes.end()) route = it->second;
    }
    if (!route) {
      res.status = 404;
      res.set_content("Not Found", "text/plain");
      return;
    }
    res.status = route->status;
    switch (route->kind) {
      case Route::Kind::Fixed:
        res.set_content(route->body, route->contentType);
        break;
      case Route::Kind::Redirect:
        res.set_header("Location", route->location);
        break;
      case Route::Kind::Stream:
        Stream(route, res);
        break;
      case Route::Kind::Endless:
        Endless(route, res);
        break;
      case Route::Kind::LargeHeader:
        for (size_t sent = 0, n = 0; sent < route->headerBytes; sent += route->lineBytes, ++n)
          res.set_header("X-Padding-" + std::to_string(n), std::string(route->lineBytes, 'p'));
        res.set_content("", "text/plain");
        break;
    }
  }

  void Add(const std::string& path, Route route) {
    std::lock_guard lock(mutex);
    routes[path] = std::make_shared<const Route>(std::move(route));
  }
};

TestHttpServer::TestHttpServer() : state_(std::make_shared<State>()) {
  // A client that goes away mid-body must not end the test program.
  signal(SIGPIPE, SIG_IGN);
  State& s = *state_;
  auto handler = [&s](const httplib::Request& req, httplib::Response& res) { s.Handle(req, res); };
  s.server.Get(".*", handler);
  s.server.Post(".*", handler);
  s.server.Put(".*", handler);
  s.server.Delete(".*", handler);
  s.port = s.server.bind_to_any_port("127.0.0.1");
  if (s.port <= 0) throw std::runtime_error("test HTTP server: cannot listen on 127.0.0.1");
  s.thread = std::thread([&s] { s.server.listen_after_bind(); });
  // stop() is a no-op until the loop runs, so wait for it.
  while (!s.server.is_running()) std::this_thread::yield();
}

TestHttpServer::~TestHttpServer() {
  State& s = *state_;
  {
    std::lock_guard lock(s.mutex);
    s.stopping = true;
  }
  s.changed.notify_all();
  s.server.stop();
  s.thread.join();
}

int TestHttpServer::Port() const { return state_->port; }

std::string TestHttpServer::Host() const { return "127.0.0.1:" + std::to_string(state_->port); }

std::string TestHttpServer::Url(std::string_view pathAndQuery) const {
  std::string url = "http://" + Host();
  url += pathAndQuery;
  return url;
}

void TestHttpServer::Serve(const std::string& path, std::string body, int status,
                           const std::string& contentType) {
  Route r;
  r.status = status;
  r.body = std::move(body);
  r.contentType = contentType;
  state_->Add(path, std::move(r));
}

void TestHttpServer::Redirect(const std::string& path, const std::string& location, int status) {
  Route r;
  r.kind = Route::Kind::Redirect;
  r.status = status;
  r.location = location;
  state_->Add(path, std::move(r));
}

void TestHttpServer::ServeStream(const std::string& path, std::vector<std::string> chunks,
                                 bool announceLength, std::chrono::milliseconds pause) {
  Route r;
  r.kind = Route::Kind::Stream;
  r.contentType = "application/octet-stream";
  r.chunks = std::move(chunks);
  r.announceLength = announceLength;
  r.pause = pause;
  state_->Add(path, std::move(r));
}

void TestHttpServer::ServeEndless(const std::string& path, std::string piece) {
  Route r;
  r.kind = Route::Kind::Endless;
  r.contentType = "text/plain";
  r.body = std::move(piece);
  state_->Add(path, std::move(r));
}

size_t TestHttpServer::EndlessAnswersEnded() const {
  std::lock_guard lock(state_->mutex);
  return state_->endlessEnded;
}

void TestHttpServer::ServeLargeHeader(const std::string& path, size_t bytes, size_t lineBytes) {
  Route r;
  r.kind = Route::Kind::LargeHeader;
  r.headerBytes = bytes;
  r.lineBytes = lineBytes;
  state_->Add(path, std::move(r));
}

void TestHttpServer::HoldStreams() {
  std::lock_guard lock(state_->mutex);
  state_->held = true;
}

void TestHttpServer::ReleaseStreams() {
  {
    std::lock_guard lock(state_->mutex);
    state_->held = false;
  }
  state_->changed.notify_all();
}

std::vector<RecordedRequest> TestHttpServer::Requests() const {
  std::lock_guard lock(state_->mutex);
  return state_->requests;
}

size_t TestHttpServer::RequestCount() const {
  std::lock_guard lock(state_->mutex);
  return state_->requests.size();
}

std::string PatternBody(size_t n) {
  std::string body(n, '\0');
  for (size_t i = 0; i < n; ++i) body[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return body;
}

}  // namespace trelio::test
