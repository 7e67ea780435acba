#include "tools/demo-server/IndexDownloads.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <thread>

namespace trelio::demo {
namespace {

constexpr const char* kModes[] = {"normal", "slow",    "silent",   "404",   "500",
                                  "empty",  "chunked", "redirect", "large", "html"};

constexpr const char* kMovedPath = "/demo/index-moved.csv";
constexpr int kSlowPieces = 24;
constexpr auto kSlowPause = std::chrono::milliseconds(150);
constexpr int kLargeRows = 50000;

bool IsMode(const std::string& mode) {
  return std::find(std::begin(kModes), std::end(kModes), mode) != std::end(kModes);
}

std::string ModeList() {
  std::string list;
  for (const char* mode : kModes) list += std::string(list.empty() ? "" : " ") + mode;
  return list;
}

// What a network's sign-in page (a captive portal) sends in place of any
// page asked for: its style and script lines hold ";".
constexpr const char* kSignInPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Sign in to the network</title>
<style>
body { font-family: sans-serif; margin: 2em; }
.box { border: 1px solid #888; padding: 1em; }
</style></head>
<body><div class="box"><h1>Welcome</h1><p>Sign in to use the network.</p>
<form action="/login"><input name="user"> <input type="password" name="pass"> <button>Sign in</button></form>
<script>var tries = 0; function again() { tries++; location.reload(); }</script>
</div></body></html>
)";

void ErrorPage(int status, const char* text, httplib::Response& res) {
  res.status = status;
  res.set_content(std::string("<html><body><h1>") + text + "</h1></body></html>\n", "text/html");
}

}  // namespace

IndexDownloads::IndexDownloads(const DemoSite& site) : site_(site) {
  if (const char* mode = std::getenv("KT_DEMO_INDEX"); mode && *mode) {
    if (IsMode(mode))
      mode_ = mode;
    else
      std::cerr << "KT_DEMO_INDEX: no mode \"" << mode << "\" (" << ModeList() << ")\n";
  }
}

void IndexDownloads::Install(httplib::Server& server) {
  server.Get("/trelio/index.csv", [this](const httplib::Request& req, httplib::Response& res) {
    Record(req);
    Answer(res);
  });
  server.Get(kMovedPath, [this](const httplib::Request& req, httplib::Response& res) {
    Record(req);
    AnswerAs("normal", res);
  });
  server.Get("/demo/index-mode",
             [this](const httplib::Request& req, httplib::Response& res) { SetMode(req, res); });
  server.Get("/demo/index-release",
             [this](const httplib::Request&, httplib::Response& res) { Release(res); });
  server.Get("/demo/index-requests",
             [this](const httplib::Request&, httplib::Response& res) { Requests(res); });
}

// The request line and the headers the client sent, without the entries the
// library adds of its own (REMOTE_ADDR, LOCAL_PORT, ...).
void IndexDownloads::Record(const httplib::Request& req) {
  std::string text = req.method + " " + req.target + " " + req.version + "\n";
  for (const auto& [name, value] : req.headers) {
    if (name.starts_with("REMOTE_") || name.starts_with("LOCAL_")) continue;
    text += name + ": " + value + "\n";
  }
  std::lock_guard lock(mutex_);
  requests_.push_back(std::move(text));
}

void IndexDownloads::Answer(httplib::Response& res) {
  std::string mode;
  {
    std::lock_guard lock(mutex_);
    mode = mode_;
  }
  if (mode == "silent") {
    WaitForRelease();
    std::lock_guard lock(mutex_);
    mode = mode_ == "silent" ? "normal" : mode_;
  }
  AnswerAs(mode, res);
}

void IndexDownloads::WaitForRelease() {
  std::unique_lock lock(mutex_);
  const unsigned ticket = nextTicket_++;
  waiting_.push_back(ticket);
  released_.wait(
      lock, [&] { return std::find(waiting_.begin(), waiting_.end(), ticket) == waiting_.end(); });
}

void IndexDownloads::AnswerAs(const std::string& mode, httplib::Response& res) {
  if (mode == "404") return ErrorPage(404, "Not Found", res);
  if (mode == "500") return ErrorPage(500, "Internal Server Error", res);
  if (mode == "redirect") return res.set_redirect(kMovedPath, 302);
  if (mode == "empty") return res.set_content("", "text/csv");
  if (mode == "html") return res.set_content(kSignInPage, "text/html");
  if (mode == "large") return res.set_content(LargeIndex(), "text/csv");

  std::optional<std::string> text = site_.IndexText();
  if (!text) return ErrorPage(404, "Not Found", res);
  auto body = std::make_shared<const std::string>(std::move(*text));
  const size_t piece = std::max<size_t>(1, (body->size() + kSlowPieces - 1) / kSlowPieces);
  if (mode == "slow") {
    res.set_content_provider(
        body->size(), "text/csv", [body, piece](size_t offset, size_t, httplib::DataSink& sink) {
          if (offset > 0) std::this_thread::sleep_for(kSlowPause);
          return sink.write(body->data() + offset, std::min(piece, body->size() - offset));
        });
  } else if (mode == "chunked") {
    res.set_chunked_content_provider(
        "text/csv", [body, piece](size_t offset, httplib::DataSink& sink) {
          if (offset >= body->size()) {
            sink.done();
            return true;
          }
          return sink.write(body->data() + offset, std::min(piece, body->size() - offset));
        });
  } else {
    res.set_content(*body, "text/csv");
  }
}

void IndexDownloads::SetMode(const httplib::Request& req, httplib::Response& res) {
  std::lock_guard lock(mutex_);
  if (req.has_param("m")) {
    const std::string mode = req.get_param_value("m");
    if (!IsMode(mode)) {
      res.status = 400;
      res.set_content("No mode \"" + mode + "\"; the modes: " + ModeList() + "\n", "text/plain");
      return;
    }
    mode_ = mode;
    std::cout << "index mode: " << mode_ << std::endl;
  }
  res.set_content(mode_ + "\n", "text/plain");
}

void IndexDownloads::Release(httplib::Response& res) {
  std::lock_guard lock(mutex_);
  const bool any = !waiting_.empty();
  if (any) waiting_.pop_front();
  released_.notify_all();
  res.set_content(any ? "released 1\n" : "released 0\n", "text/plain");
}

void IndexDownloads::Requests(httplib::Response& res) const {
  std::string log;
  {
    std::lock_guard lock(mutex_);
    for (const std::string& request : requests_) log += request + "\n";
  }
  res.set_content(log, "text/plain");
}

// Rows of the three demo coins whose addresses differ in their last digits,
// the part of a key the index's hash looks at most.
const std::string& IndexDownloads::LargeIndex() {
  std::lock_guard lock(mutex_);
  if (!large_.empty()) return large_;
  const char* coins[] = {"bitcoin", "litecoin", "dogecoin"};
  std::string text =
      "Currency;Name;Url;Interval;Input;Completed;Hidden;Timestamp;Position;Lock;Total Payout;"
      "Last Payout;Last Payout 2;Last Payout 3;Moving average payout;Average payout;Payouts "
      "count;No pay;Favorite\r\n";
  const std::string host = "http://127.0.0.1:" + std::to_string(site_.Port());
  for (int i = 1; i <= kLargeRows; ++i) {
    char number[16];
    std::snprintf(number, sizeof number, "%05d", i);
    text += std::string(coins[i % 3]) + ";Large Index Faucet " + number + ";" + host +
            "/demo/large/faucet-" + number + ";60;;;;;;;;;;;;;;;\r\n";
  }
  large_ = std::move(text);
  return large_;
}

}  // namespace trelio::demo
