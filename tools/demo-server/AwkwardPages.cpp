#include "tools/demo-server/AwkwardPages.h"

#include <chrono>
#include <string>
#include <thread>

namespace trelio::demo {
namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";

std::string FaucetPage(const std::string& title, const std::string& body) {
  return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
         "</title>\n</head>\n<body>\n<h1>" + title + "</h1>\n" + body;
}

std::string ClaimForm(const std::string& faucet) {
  return "<form method=\"get\">\n<input type=\"hidden\" name=\"f\" value=\"" + faucet +
         "\">\n<p>Your bitcoin address: <input type=\"text\" name=\"address\"></p>\n"
         "<p><button type=\"submit\">Claim</button></p>\n</form>\n";
}

// Sends head first, then filler every fifth of a second for as long as the
// browser stays (at most ten minutes), so the response never ends while the
// page is open. The length announced is never reached: a response of unknown
// length would be sent chunked and compressed for a browser, and the
// compressor would hold the head back.
void Trickle(httplib::Response& res, std::string head, std::string filler, const char* type) {
  res.set_content_provider(size_t{1} << 30, type,
                           [head = std::move(head), filler = std::move(filler), sent = false,
                            ticks = 0](size_t, size_t, httplib::DataSink& sink) mutable {
                             if (!sent) {
                               sent = true;
                               return sink.write(head.data(), head.size());
                             }
                             if (++ticks > 3000) return false;
                             std::this_thread::sleep_for(std::chrono::milliseconds(200));
                             // A write that fails means the browser has left.
                             return sink.is_writable() && sink.write(filler.data(), filler.size());
                           });
}

}  // namespace

void InstallAwkwardPages(httplib::Server& server) {
  // Like an ad-heavy faucet whose page keeps streaming: the form is there at
  // once, the load never ends.
  server.Get("/demo/slow/endless.html", [](const httplib::Request&, httplib::Response& res) {
    Trickle(res, FaucetPage("Demo Endless Faucet", ClaimForm("endless")),
            "<!-- still loading -->\n", kHtml);
  });
  // A form followed by a blocking script that never arrives: the document is
  // never parsed to its end.
  server.Get(
      "/demo/slow/blocking-script.html", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(FaucetPage("Demo Slow Script Faucet",
                                   ClaimForm("blocking-script") +
                                       "<script src=\"/demo/slow/blocking-script.js\"></script>\n"
                                       "<p>Loaded.</p>\n</body>\n</html>\n"),
                        kHtml);
      });
  server.Get("/demo/slow/blocking-script.js", [](const httplib::Request&, httplib::Response& res) {
    Trickle(res, "// an advertisement\n", "\n", "text/javascript");
  });
  // A faucet at an address with a blank and an accent, percent-encoded as
  // "/demo/caf%C3%A9%20faucet.html". Its form is sent back to its own address.
  server.Get("/demo/café faucet.html", [](const httplib::Request& req, httplib::Response& res) {
    const std::string title = "Demo Caf\xC3\xA9 Faucet";
    res.set_content(
        FaucetPage(title, req.has_param("f") ? "<p id=\"result\">0.00000777 BTC was sent to your "
                                               "address.</p>\n"
                                             : ClaimForm("cafe")) +
            "</body>\n</html>\n",
        kHtml);
  });
}

}  // namespace trelio::demo
