#include "app/platform/MakerServer.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ScopedEnv.h"

namespace trelio {
namespace {

using test::ScopedEnv;

class MakerServerTest : public ::testing::Test {
 protected:
  void Point(const char* value) { env.Set(kMakerServerVariable, value); }

  ScopedEnv env;
};

TEST_F(MakerServerTest, UsesOurHostUnlessTheVariableNamesAnother) {
  Point(nullptr);
  EXPECT_EQ(MakerServerHost(), kMakerServerHost);
  EXPECT_EQ(ServerIndexUrl(), std::string("http://") + kMakerServerHost + "/trelio/index.csv");

  struct Case {
    const char* value;
    const char* host;
  } const cases[] = {
      {"127.0.0.1:8717", "127.0.0.1:8717"},
      {"example.org", "example.org"},
      {"  127.0.0.1:9000 ", "127.0.0.1:9000"},
      {"http://127.0.0.1:9000/", "127.0.0.1:9000"},
      {"", kMakerServerHost},
      {"  ", kMakerServerHost},
  };
  for (const Case& c : cases) {
    Point(c.value);
    EXPECT_EQ(MakerServerHost(), c.host) << '"' << c.value << '"';
  }
}

TEST_F(MakerServerTest, BuildsTheRequestUrls) {
  Point("127.0.0.1:8717");
  EXPECT_EQ(ServerIndexUrl(), "http://127.0.0.1:8717/trelio/index.csv");
  EXPECT_EQ(ServerVersionUrl(), "http://127.0.0.1:8717/trelio/version.txt");
  EXPECT_EQ(MakerServerUrl("/trelio.php"), "http://127.0.0.1:8717/trelio.php");
}

}  // namespace
}  // namespace trelio
