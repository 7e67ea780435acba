#include "tools/demo-server/VersionAndPages.h"

#include <algorithm>
#include <chrono>
#include <iterator>

namespace trelio::demo {
namespace {

struct SitePage {
  const char* path;
  const char* title;
};

// The maker's pages, each a small page of its own so the demo shows which
// one was opened.
constexpr SitePage kSitePages[] = {
    {"/trelio.php", "Korvane Trelio home page"},
    {"/mail.php", "Feedback"},
    {"/btc.php", "What is Bitcoin and how to get it for free?"},
    {"/btc_rate.php", "Bitcoin exchange rate calculator"},
    {"/trade.php", "Buy, sell, trade Bitcoin"},
    {"/news.php", "Bitcoin news"},
};

std::string PageHtml(const SitePage& page) {
  return std::string("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>") +
         page.title +
         "</title>\n<style>body{font-family:sans-serif;margin:2em;max-width:40em}</style>\n"
         "</head>\n<body>\n<h1>" +
         page.title + "</h1>\n<p>A page of the maker's site, played by the demo server at " +
         page.path +
         ".</p>\n<p><a href=\"/\">The demo server's start page</a></p>\n</body>\n</html>\n";
}

// The names of the modes, in the order of VersionAndPages::Mode.
constexpr const char* kModeNames[] = {"file", "text", "fail", "empty", "never"};

// No answer is held longer than this, so a forgotten "never" cannot use up
// the server's threads for good.
constexpr std::chrono::hours kLongestHold{1};

}  // namespace

VersionAndPages::VersionAndPages(const DemoSite& site) : site_(site) {}

VersionAndPages::~VersionAndPages() {
  {
    std::lock_guard hold(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
}

void VersionAndPages::Install(httplib::Server& server) {
  server.Get("/trelio/version.txt",
             [this](const httplib::Request&, httplib::Response& res) { Version(res); });
  server.Get("/demo/version",
             [this](const httplib::Request& req, httplib::Response& res) { SetVersion(req, res); });
  server.Get("/", [this](const httplib::Request&, httplib::Response& res) {
    site_.ServeFile("pages/site.html", "text/html", res);
  });
  for (const SitePage& page : kSitePages) {
    server.Get(page.path, [&page](const httplib::Request&, httplib::Response& res) {
      res.set_content(PageHtml(page), "text/html");
    });
  }
}

void VersionAndPages::Version(httplib::Response& res) {
  std::unique_lock hold(mutex_);
  const unsigned generation = generation_;
  const auto changedOrEnding = [&] { return ending_ || generation_ != generation; };
  if (delay_.count() > 0 && changed_.wait_for(hold, delay_, changedOrEnding)) {
    res.status = 503;
    return res.set_content("Changed while waiting\n", "text/plain");
  }
  switch (mode_) {
    case Mode::file:
      return site_.ServeFile("version.txt", "text/plain", res);
    case Mode::text:
      return res.set_content(text_, "text/plain");
    case Mode::fail:
      res.status = 500;
      return res.set_content("Internal Server Error\n", "text/plain");
    case Mode::empty:
      return res.set_content("", "text/plain");
    case Mode::never:
      changed_.wait_for(hold, kLongestHold, changedOrEnding);
      res.status = 503;
      return res.set_content("No answer\n", "text/plain");
  }
}

void VersionAndPages::SetVersion(const httplib::Request& req, httplib::Response& res) {
  {
    std::lock_guard hold(mutex_);
    if (req.has_param("text")) {
      mode_ = Mode::text;
      text_ = req.get_param_value("text");
    } else if (req.has_param("mode")) {
      const std::string mode = req.get_param_value("mode");
      const auto* name = std::find(std::begin(kModeNames), std::end(kModeNames), mode);
      // The text mode comes with its text only.
      if (name == std::end(kModeNames) || mode == "text") {
        res.status = 400;
        return res.set_content("mode: file, fail, empty or never\n", "text/plain");
      }
      mode_ = static_cast<Mode>(name - std::begin(kModeNames));
    }
    if (req.has_param("delay")) {
      const std::string delay = req.get_param_value("delay");
      if (delay.empty() || delay.size() > 7 ||
          delay.find_first_not_of("0123456789") != delay.npos) {
        res.status = 400;
        return res.set_content("delay: milliseconds\n", "text/plain");
      }
      delay_ = std::chrono::milliseconds(std::stol(delay));
    } else if (req.has_param("text") || req.has_param("mode")) {
      delay_ = std::chrono::milliseconds(0);
    }
    ++generation_;
    res.set_content(Describe(), "text/plain");
  }
  changed_.notify_all();
}

std::string VersionAndPages::Describe() const {
  std::string text = std::string("mode=") + kModeNames[static_cast<int>(mode_)];
  if (mode_ == Mode::text) text += "\ntext=" + text_;
  text += "\ndelay=" + std::to_string(delay_.count()) + "\n";
  return text;
}

}  // namespace trelio::demo
