#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <set>
#include <string>
#include <vector>

#include "app/platform/HttpClient.h"
#include "app/platform/MakerServer.h"
#include "tests/support/DemoServerProcess.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestHttpServer.h"

extern char** environ;

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
  const HttpResult index = HttpGet(ServerIndexUrl(), test::kWholeAnswer);
  ASSERT_TRUE(index.ok()) << index.error;

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
    const HttpResult page = HttpGet(demo.Url(path), test::kWholeAnswer);
    EXPECT_TRUE(page.ok()) << path << ": " << page.error;
    EXPECT_FALSE(page.body.empty()) << path;
  }
}

TEST_F(DemoServerTest, TellsTheVersionAsADecimalNumberFirst) {
  const HttpResult version = HttpGet(ServerVersionUrl(), test::kWholeAnswer);
  ASSERT_TRUE(version.ok()) << version.error;
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
    const HttpResult set =
        HttpGet(demo.Url(std::string("/demo/version?") + c.setting), test::kWholeAnswer);
    ASSERT_TRUE(set.ok()) << c.setting << ": " << set.error;
    const HttpResult version = HttpGet(ServerVersionUrl(), test::kWholeAnswer);
    EXPECT_EQ(version.status, c.status) << c.setting;
    EXPECT_EQ(version.body, c.body) << c.setting;
  }
  EXPECT_EQ(HttpGet(demo.Url("/demo/version?mode=sometimes"), test::kWholeAnswer).status, 400);
  EXPECT_EQ(HttpGet(demo.Url("/demo/version?delay=soon"), test::kWholeAnswer).status, 400);
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
    const HttpResult page = HttpGet(MakerServerUrl(path), test::kWholeAnswer);
    ASSERT_TRUE(page.ok()) << path << ": " << page.error;
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
    const HttpResult r = HttpGet(MakerServerUrl("/trelio/a.php?" + q), test::kWholeAnswer);
    EXPECT_TRUE(r.ok()) << r.error;
  }
  const HttpResult log = HttpGet(demo.Url("/trelio/a.php.log"), test::kWholeAnswer);
  ASSERT_TRUE(log.ok()) << log.error;
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
    const HttpResult r =
        HttpGet(demo.Url(page + "?f=" + c.faucet + "&address=1Demo"), test::kWholeAnswer);
    ASSERT_TRUE(r.ok()) << c.faucet << ": " << r.error;
    EXPECT_NE(r.body.find(c.phrase), std::string::npos) << c.faucet << ": " << r.body;
    EXPECT_EQ(r.body.find("<form"), std::string::npos) << c.faucet;
    EXPECT_NE(
        HttpGet(demo.Url(page), test::kWholeAnswer).body.find("<form action=\"" + page + "\""),
        std::string::npos)
        << c.faucet;
    EXPECT_NE(
        HttpGet(demo.Url("/demo/claim?f=") + c.faucet, test::kWholeAnswer).body.find(c.phrase),
        std::string::npos);
  }
  EXPECT_EQ(HttpGet(demo.Url("/demo/claim?f=nobody"), test::kWholeAnswer).status, 404);
  EXPECT_EQ(HttpGet(demo.Url("/demo/missing.html"), test::kWholeAnswer).status, 404);
}

// Run only by the test below, as a process of its own: a test that starts
// the server and crashes.
TEST(DemoServerProcessTest, DISABLED_StartsTheServerAndCrashes) {
  DemoServerProcess demo;
  std::printf("port %d\n", demo.Port());
  std::fflush(stdout);
  const rlimit noCore{0, 0};
  setrlimit(RLIMIT_CORE, &noCore);
  std::abort();
}

bool Refused(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = htons(uint16_t(port));
  const bool refused = connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0;
  close(fd);
  return refused;
}

// A test runner reads a test's output until no process holds it any more: the
// server of a crashed test must neither hold that output nor live on.
TEST(DemoServerProcessTest, TheServerOfACrashedTestEndsAndHoldsNoneOfItsOutput) {
  int out[2];
  ASSERT_EQ(pipe2(out, O_CLOEXEC), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
  std::string self = std::filesystem::read_symlink("/proc/self/exe");
  std::string filter = "--gtest_filter=DemoServerProcessTest.DISABLED_StartsTheServerAndCrashes";
  std::string disabled = "--gtest_also_run_disabled_tests";
  char* argv[] = {self.data(), filter.data(), disabled.data(), nullptr};
  pid_t child = -1;
  ASSERT_EQ(posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);

  std::string output;
  bool ended = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!ended && std::chrono::steady_clock::now() < deadline) {
    pollfd p{out[0], POLLIN, 0};
    if (poll(&p, 1, 1000) <= 0) continue;
    char buffer[4096];
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n > 0) output.append(buffer, size_t(n));
    ended = n == 0;
  }
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(ended) << "the output stayed open after the test crashed";
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT) << output;

  const size_t at = output.find("port ");
  ASSERT_NE(at, std::string::npos) << output;
  const int port = std::atoi(output.c_str() + at + 5);
  ASSERT_GT(port, 0);
  bool gone = Refused(port);
  for (int look = 0; !gone && look < 300; ++look) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    gone = Refused(port);
  }
  EXPECT_TRUE(gone) << "the server still answers on port " << port;
}

}  // namespace
}  // namespace trelio
