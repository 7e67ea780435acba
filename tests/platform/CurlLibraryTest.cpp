#include "app/platform/CurlLibrary.h"

#include <gtest/gtest.h>

#include <string>

namespace trelio {
namespace {

// A library that is missing, and one that is there but is not libcurl: both
// are an error that says what is wrong, with no function left to call.
TEST(CurlLibraryTest, ALibraryThatCannotServeIsAClearError) {
  const struct {
    const char* soname;
    const char* named;
  } cases[] = {
      {"libkt-no-such-curl.so.4", "libkt-no-such-curl.so.4"},
      {"libc.so.6", "curl_global_init"},
  };
  for (const auto& c : cases) {
    const CurlLibrary lib = LoadCurlLibrary(c.soname);
    EXPECT_FALSE(lib.ok()) << c.soname;
    EXPECT_TRUE(lib.error.starts_with("Cannot load the HTTP library: ")) << lib.error;
    EXPECT_NE(lib.error.find(c.named), std::string::npos) << lib.error;
    EXPECT_EQ(lib.fn.easy_init, nullptr) << c.soname;
  }
}

TEST(CurlLibraryTest, TheProcessWideLibraryIsLoadedOnceWithEveryFunction) {
  const CurlLibrary& lib = Curl();
  ASSERT_TRUE(lib.ok()) << lib.error;
  EXPECT_EQ(&Curl(), &lib);
  EXPECT_NE(lib.fn.multi_info_read, nullptr);
  EXPECT_NE(lib.fn.easy_setopt, nullptr);
}

}  // namespace
}  // namespace trelio
