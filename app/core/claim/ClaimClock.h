// "Now" of the claim schedule: the local wall-clock time read as if it were
// UTC, in whole seconds since 1970, as an unsigned 32-bit number.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace trelio {

using LocalWallTime = std::chrono::local_time<std::chrono::microseconds>;

// Where the time comes from; tests put a fixed time here.
using LocalClock = std::function<LocalWallTime()>;

// The machine's local wall-clock time.
LocalWallTime SystemLocalWallTime();

// Rounded to the nearest second, an exact half to the even one; times before
// 1970 give 0 and times after the unsigned 32-bit range its largest value.
uint32_t ClaimSeconds(LocalWallTime t);

// ClaimSeconds of the clock's time; an empty clock reads the system clock.
uint32_t NowSeconds(const LocalClock& clock = {});

}  // namespace trelio
