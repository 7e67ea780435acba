#include "app/core/claim/ClaimClock.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "tests/support/ScopedEnv.h"

namespace trelio {
namespace {

using test::ScopedEnv;

using namespace std::chrono;

LocalWallTime At(local_days day, int64_t us) { return day + microseconds{us}; }

TEST(ClaimClock, RoundsToNearestSecondHalfToEven) {
  const local_days d = local_days{2024y / 1 / 1};  // 1704067200 seconds after 1970
  struct Case {
    int64_t us;
    uint32_t want;
  } cases[] = {
      {0, 1704067200},        {499999, 1704067200},
      {500000, 1704067200},   {500001, 1704067201},
      {1500000, 1704067202},  {2500000, 1704067202},
      {2499999, 1704067202},  {-500000, 1704067200},
      {-1500000, 1704067198}, {86399'600000, 1704153600},
  };
  for (const Case& c : cases) EXPECT_EQ(ClaimSeconds(At(d, c.us)), c.want) << c.us;
}

TEST(ClaimClock, KeepsToTheUnsigned32BitRange) {
  EXPECT_EQ(ClaimSeconds(At(local_days{1970y / 1 / 1}, 0)), 0u);
  EXPECT_EQ(ClaimSeconds(At(local_days{1969y / 12 / 31}, 0)), 0u);
  EXPECT_EQ(ClaimSeconds(At(local_days{1970y / 1 / 1}, -400000)), 0u);
  // 2106-02-07 06:28:15 is the last second that fits.
  EXPECT_EQ(ClaimSeconds(local_days{2106y / 2 / 7} + 6h + 28min + 15s), UINT32_MAX);
  EXPECT_EQ(ClaimSeconds(local_days{2106y / 2 / 7} + 6h + 28min + 14s), UINT32_MAX - 1);
  EXPECT_EQ(ClaimSeconds(local_days{2200y / 1 / 1}), UINT32_MAX);
}

TEST(ClaimClock, UsesTheInjectedClock) {
  const LocalClock clock = [] { return local_days{2000y / 2 / 29} + 13h + 5min + 7s; };
  EXPECT_EQ(NowSeconds(clock), 951829507u);
}

// The wall clock is local: a zone three hours east of UTC reads three hours
// ahead of the UTC seconds.
TEST(ClaimClock, SystemClockReadsLocalTimeAsUtc) {
  int64_t utc = 0, now = 0;
  {
    ScopedEnv env;
    env.Set("TZ", "XYZ-3");
    tzset();
    utc = int64_t(std::time(nullptr));
    now = NowSeconds();
  }
  tzset();
  EXPECT_GE(now - utc, 3 * 3600 - 1);
  EXPECT_LE(now - utc, 3 * 3600 + 2);
}

}  // namespace
}  // namespace trelio
