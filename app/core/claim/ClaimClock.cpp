#include "app/core/claim/ClaimClock.h"

#include <ctime>

namespace trelio {

LocalWallTime SystemLocalWallTime() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  std::tm tm{};
  localtime_r(&ts.tv_sec, &tm);
  using namespace std::chrono;
  const local_days day{year{tm.tm_year + 1900} / month(unsigned(tm.tm_mon + 1)) /
                       std::chrono::day(unsigned(tm.tm_mday))};
  return day + hours{tm.tm_hour} + minutes{tm.tm_min} + seconds{tm.tm_sec} +
         microseconds{ts.tv_nsec / 1000};
}

uint32_t ClaimSeconds(LocalWallTime t) {
  const int64_t us = t.time_since_epoch().count();
  int64_t secs = us / 1000000;
  int64_t rest = us % 1000000;
  if (rest < 0) {
    rest += 1000000;
    --secs;
  }
  if (rest > 500000 || (rest == 500000 && secs % 2 != 0)) ++secs;
  if (secs < 0) return 0;
  if (secs > int64_t(UINT32_MAX)) return UINT32_MAX;
  return uint32_t(secs);
}

uint32_t NowSeconds(const LocalClock& clock) {
  return ClaimSeconds(clock ? clock() : SystemLocalWallTime());
}

}  // namespace trelio
