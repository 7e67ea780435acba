#include "app/threads/ActThread.h"

#include <gtest/gtest.h>

#include "tests/support/ResidentMemory.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/window/EventLoopWait.h"

namespace trelio {
namespace {

TEST(ActThreadTest, SendsOneGetWithTheServersRequestHeaders) {
  test::TestHttpServer server;
  server.Serve("/trelio/a.php", "ok");
  ActThread::Send(server.Url("/trelio/a.php?a=hide&l=http://moon.example/"));
  ASSERT_TRUE(test::WaitUntil([&] { return server.RequestCount() == 1; }));
  const test::RecordedRequest r = server.Requests().front();
  EXPECT_EQ(r.method, "GET");
  EXPECT_EQ(r.version, "HTTP/1.1");
  EXPECT_EQ(r.target, "/trelio/a.php?a=hide&l=http://moon.example/");
  EXPECT_EQ(r.Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_EQ(r.Header("Accept"), "text/html, */*");
}

// Nobody reads the answer to a report: none of it is kept, and an answer
// without end is given up.
TEST(ActThreadTest, AnAnswerWithoutEndIsNeitherKeptNorReadForEver) {
  constexpr int64_t kBound = int64_t(16) << 20;
  test::TestHttpServer server;
  server.ServeEndless("/trelio/a.php");
  const test::ResidentMemoryWatch memory;
  ActThread::Send(server.Url("/trelio/a.php?a=hide&l=http://moon.example/"));
  ASSERT_TRUE(test::WaitUntil(
      [&] { return server.EndlessAnswersEnded() == 1 || memory.Grown() > kBound; }));
  EXPECT_EQ(server.EndlessAnswersEnded(), 1u);
  EXPECT_LT(memory.PeakGrowth(), kBound);
}

}  // namespace
}  // namespace trelio
