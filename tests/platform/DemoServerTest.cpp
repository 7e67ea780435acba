#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/platform/HttpClient.h"
#include "app/platform/MakerServer.h"
#include "tests/support/DemoServerProcess.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

using test::DemoServerProcess;
using test::ScopedEnv;

std::vector<std::string> Split(const std::string& text, const std::string& by) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (size_t at; (at = text.find(by, from)) != std::string::npos; from = at + by.size()) {
    parts.push_back(text.substr(from, at - from));
  }
  parts.push_back(text.substr(from));
  return parts;
}

class DemoServerTest : public ::testing::Test {
 protected:
  void SetUp() override { env.Set(kMakerServerVariable, demo.Host().c_str()); }

  DemoServerProcess demo;
  ScopedEnv env;
};

TEST_F(DemoServerTest, ServesTheShippedIndexWhoseFaucetsAndSitePagesAllAnswer) {
  const HttpResult index = HttpGet(ServerIndexUrl());
  ASSERT_TRUE(index.ok) << index.error;

  std::string shipped = test::ReadBytes(DemoServerProcess::Root() + "/index.csv");
  ASSERT_FALSE(shipped.empty());
  for (size_t at; (at = shipped.find("127.0.0.1:8717")) != std::string::npos;) {
    shipped.replace(at, 14, demo.Host());
  }
  EXPECT_EQ(index.body, shipped);

  ASSERT_TRUE(index.body.ends_with("\r\n"));
  std::vector<std::string> lines = Split(index.body.substr(0, index.body.size() - 2), "\r\n");
  ASSERT_GT(lines.size(), 1u);
  EXPECT_TRUE(lines[0].starts_with("Currency;Name;Url;Interval;Input;")) << lines[0];
  std::set<std::string> coins;
  std::vector<std::string> paths = {"/trelio/version.txt", "/", "/trelio.php", "/mail.php"};
  bool templateRow = false;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> fields = Split(lines[i], ";");
    ASSERT_EQ(fields.size(), 19u) << lines[i];
    if (fields[0].starts_with("*")) {
      templateRow = true;
      continue;
    }
    coins.insert(fields[0]);
    std::string url = fields[2];
    if (const size_t r = url.find("{R}"); r != std::string::npos) url.replace(r, 3, "demo");
    ASSERT_TRUE(url.starts_with(demo.Url("/demo/"))) << url;
    paths.push_back(url.substr(demo.Url("").size()));
  }
  EXPECT_TRUE(templateRow);
  for (const char* coin : {"bitcoin", "litecoin", "dogecoin"}) EXPECT_EQ(coins.count(coin), 1u);

  for (const std::string& path : paths) {
    const HttpResult page = HttpGet(demo.Url(path));
    EXPECT_TRUE(page.ok) << path << ": " << page.error;
    EXPECT_FALSE(page.body.empty()) << path;
  }
}

TEST_F(DemoServerTest, TellsTheVersionAsADecimalNumberFirst) {
  const HttpResult version = HttpGet(ServerVersionUrl());
  ASSERT_TRUE(version.ok) << version.error;
  EXPECT_TRUE(version.body.starts_with("101")) << version.body;
}

TEST_F(DemoServerTest, VersionAnswersAsTheTestChooses) {
  struct Case {
    const char* setting;  // the query of /demo/version
    long status;
    const char* body;
  } const cases[] = {
      {"text=102%0A", 200, "102\n"},
      {"text=abc", 200, "abc"},
      {"mode=fail", 500, "Internal Server Error\n"},
      {"mode=empty", 200, ""},
      {"text=1000&delay=50", 200, "1000"},
      {"mode=file", 200, "101\n"},
  };
  for (const Case& c : cases) {
    const HttpResult set = HttpGet(demo.Url(std::string("/demo/version?") + c.setting));
    ASSERT_TRUE(set.ok) << c.setting << ": " << set.error;
    const HttpResult version = HttpGet(ServerVersionUrl());
    EXPECT_EQ(version.status, c.status) << c.setting;
    EXPECT_EQ(version.body, c.body) << c.setting;
  }
  EXPECT_EQ(HttpGet(demo.Url("/demo/version?mode=sometimes")).status, 400);
  EXPECT_EQ(HttpGet(demo.Url("/demo/version?delay=soon")).status, 400);
}

TEST_F(DemoServerTest, EveryPageOfTheMakersSiteHasItsOwnPage) {
  const std::pair<const char*, const char*> pages[] = {
      {"/", "Korvane Trelio demo server"},
      {kHomePagePath, "Korvane Trelio home page"},
      {kFeedbackPagePath, "Feedback"},
      {kBitcoinPagePath, "What is Bitcoin and how to get it for free?"},
      {kBitcoinRatePagePath, "Bitcoin exchange rate calculator"},
      {kBitcoinTradePagePath, "Buy, sell, trade Bitcoin"},
      {kBitcoinNewsPagePath, "Bitcoin news"},
  };
  for (const auto& [path, title] : pages) {
    const HttpResult page = HttpGet(MakerServerUrl(path));
    ASSERT_TRUE(page.ok) << path << ": " << page.error;
    EXPECT_NE(page.body.find(std::string("<title>") + title + "</title>"), std::string::npos)
        << path;
  }
}

TEST_F(DemoServerTest, KeepsEveryItemActionQueryForReadingBack) {
  const std::string queries[] = {
      "a=add&c=bitcoin&n=Demo%20one%26two&l=http://f.example/x&m=60&i=",
      "a=hide&l=http://f.example/x",
      "a=faudel&l=",
  };
  for (const std::string& q : queries) {
    const HttpResult r = HttpGet(MakerServerUrl("/trelio/a.php?" + q));
    EXPECT_TRUE(r.ok) << r.error;
  }
  const HttpResult log = HttpGet(demo.Url("/trelio/a.php.log"));
  ASSERT_TRUE(log.ok) << log.error;
  EXPECT_EQ(log.body, queries[0] + "\n" + queries[1] + "\n" + queries[2] + "\n");
}

TEST_F(DemoServerTest, ClaimsAnswerWithPayoutOrNoPayPhrases) {
  struct Case {
    const char* faucet;
    const char* phrase;
  } const cases[] = {
      {"btc-claim", "0.00001234 BTC was sent to your address"},
      {"btc-satoshi", "You have claimed 150 satoshi"},
      {"btc-referral",
       "10 satoshi (referral earnings) was sent to you. 500 satoshi was sent to your address"},
      {"ltc-dry", "Insufficient funds"},
  };
  for (const Case& c : cases) {
    // The form goes back to the faucet's own page, which shows the result
    // instead of the form.
    const std::string page = std::string("/demo/") + c.faucet + ".html";
    const HttpResult r = HttpGet(demo.Url(page + "?f=" + c.faucet + "&address=1Demo"));
    ASSERT_TRUE(r.ok) << c.faucet << ": " << r.error;
    EXPECT_NE(r.body.find(c.phrase), std::string::npos) << c.faucet << ": " << r.body;
    EXPECT_EQ(r.body.find("<form"), std::string::npos) << c.faucet;
    EXPECT_NE(HttpGet(demo.Url(page)).body.find("<form action=\"" + page + "\""), std::string::npos)
        << c.faucet;
    EXPECT_NE(HttpGet(demo.Url("/demo/claim?f=") + c.faucet).body.find(c.phrase),
              std::string::npos);
  }
  EXPECT_EQ(HttpGet(demo.Url("/demo/claim?f=nobody")).status, 404);
  EXPECT_EQ(HttpGet(demo.Url("/demo/missing.html")).status, 404);
}

}  // namespace
}  // namespace trelio
