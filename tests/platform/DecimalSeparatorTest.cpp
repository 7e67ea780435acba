#include "app/platform/DecimalSeparator.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/ScopedEnv.h"
#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

using test::ScopedEnv;

std::string PrintedHalf() {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.1f", 0.5);
  return buf;
}

class DecimalSeparatorTest : public ::testing::Test {
 protected:
  // The whole process locale goes back as it was: a test that left it German
  // would turn every later system error text of this program German.
  void SetUp() override { saved_ = setlocale(LC_ALL, nullptr); }
  void TearDown() override { setlocale(LC_ALL, saved_.c_str()); }

  // Compiles a German locale into a folder of the test's own, so the test needs
  // no locale installed on the machine; false when localedef is not there.
  bool MakeGermanLocale() {
    if (folder_.path().empty()) return false;
    const std::string cmd =
        "localedef -i de_DE -f UTF-8 '" + (folder_ / "de_DE.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) return false;
    env_.Set("LOCPATH", folder_.path().c_str());
    return true;
  }

  ScopedEnv env_;
  test::ScratchFolder folder_;
  std::string saved_;
};

TEST_F(DecimalSeparatorTest, TakesTheUsersCommaAndLeavesThePointInForce) {
  if (!MakeGermanLocale()) GTEST_SKIP() << "localedef cannot build de_DE";
  env_.Set("LC_ALL", "de_DE.UTF-8");
  // As a toolkit does at start-up: the whole process in the user's locale.
  ASSERT_NE(setlocale(LC_ALL, ""), nullptr);
  ASSERT_EQ(PrintedHalf(), "0,5");

  EXPECT_EQ(TakeUserDecimalSeparator(), ',');
  EXPECT_EQ(PrintedHalf(), "0.5");
  EXPECT_STREQ(localeconv()->decimal_point, ".");
}

TEST_F(DecimalSeparatorTest, PointWhenTheUsersLocaleIsMissingOrC) {
  for (const char* lang : {"C", "xx_NOWHERE.UTF-8", ""}) {
    env_.Set("LC_ALL", lang);
    env_.Set("LC_NUMERIC", nullptr);
    env_.Set("LANG", nullptr);
    EXPECT_EQ(TakeUserDecimalSeparator(), '.') << lang;
    EXPECT_EQ(PrintedHalf(), "0.5");
  }
}

}  // namespace
}  // namespace trelio
