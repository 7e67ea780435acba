#include "tools/demo-server/DemoSite.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

namespace trelio::demo {
namespace {

// What each demo faucet answers to a claim: payout phrases in the forms real
// faucets use, and a no-pay phrase.
struct ClaimAnswer {
  const char* faucet;
  const char* text;
};

constexpr ClaimAnswer kClaimAnswers[] = {
    {"btc-claim", "0.00001234 BTC was sent to your address"},
    {"btc-satoshi", "You have claimed 150 satoshi"},
    {"btc-referral",
     "10 satoshi (referral earnings) was sent to you. 500 satoshi was sent to your address"},
    {"btc-interval", "0.0000015 BTC has been added to your balance"},
    {"btc-delayed", "Success! Claimed 250 satoshi"},
    {"btc-popup", "0.000005 BTC was sent to your address"},
    {"ltc-claim", "0.0005 LTC (0.03 USD) was sent to your address"},
    {"ltc-dry", "Insufficient funds"},
    {"doge-claim", "You claimed 5 DOGE"},
    {"doge-credit", "5 DOGE was credited to your balance"},
};

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

void NotFound(httplib::Response& res, const std::string& what) {
  res.status = 404;
  res.set_content(what + " not found\n", "text/plain");
}

}  // namespace

DemoSite::DemoSite(std::string root, int port) : root_(std::move(root)), port_(port) {}

void DemoSite::Install(httplib::Server& server) {
  server.Get("/trelio/a.php",
             [this](const httplib::Request& req, httplib::Response& res) { Action(req, res); });
  server.Get("/trelio/a.php.log",
             [this](const httplib::Request&, httplib::Response& res) { ActionLog(res); });
  // Only plain names, so no request reaches outside pages/. A faucet's form
  // is sent back to its own page, which then shows the claim result, so the
  // result stays at the faucet's address as on real faucets.
  server.Get(R"(/demo/(([a-z0-9-]+)\.html))",
             [this](const httplib::Request& req, httplib::Response& res) {
               if (req.has_param("f")) return ClaimResult(req.matches[2].str(), res);
               ServeFile("pages/" + req.matches[1].str(), "text/html", res);
             });
  server.Get("/demo/claim", [this](const httplib::Request& req, httplib::Response& res) {
    ClaimResult(req.get_param_value("f"), res);
  });
}

// Read at every request, so edits of the files show at once.
std::optional<std::string> DemoSite::ReadFile(const std::string& relative) const {
  std::ifstream in(root_ + "/" + relative, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void DemoSite::ServeFile(const std::string& relative, const std::string& type,
                         httplib::Response& res) const {
  std::optional<std::string> content = ReadFile(relative);
  if (!content) return NotFound(res, relative);
  res.set_content(*content, type);
}

std::optional<std::string> DemoSite::IndexText() const {
  std::optional<std::string> index = ReadFile("index.csv");
  if (index && port_ != kDefaultPort) {
    ReplaceAll(*index, "127.0.0.1:" + std::to_string(kDefaultPort),
               "127.0.0.1:" + std::to_string(port_));
  }
  return index;
}

void DemoSite::Action(const httplib::Request& req, httplib::Response& res) {
  const size_t q = req.target.find('?');
  const std::string query = q == std::string::npos ? "" : req.target.substr(q + 1);
  {
    std::lock_guard lock(mutex_);
    actions_.push_back(query);
  }
  std::cout << "a.php?" << query << std::endl;
  res.set_content("OK", "text/plain");
}

void DemoSite::ActionLog(httplib::Response& res) const {
  std::string log;
  {
    std::lock_guard lock(mutex_);
    for (const std::string& a : actions_) log += a + "\n";
  }
  res.set_content(log, "text/plain");
}

// The faucet's page with the claim result in place of its form.
void DemoSite::ClaimResult(const std::string& faucet, httplib::Response& res) const {
  for (const ClaimAnswer& a : kClaimAnswers) {
    if (faucet != a.faucet) continue;
    std::optional<std::string> page = ReadFile("pages/" + faucet + ".html");
    if (!page) break;
    const size_t form = page->find("<form");
    const size_t formEnd = page->find("</form>");
    if (form != std::string::npos && formEnd != std::string::npos)
      page->erase(form, formEnd + 7 - form);
    const std::string result = std::string("\n<p id=\"result\">") + a.text +
                               ".</p>\n<p>Come back later for the next claim.</p>";
    const size_t heading = page->find("</h1>");
    page->insert(heading == std::string::npos ? 0 : heading + 5, result);
    res.set_content(*page, "text/html");
    return;
  }
  NotFound(res, "faucet");
}

}  // namespace trelio::demo
