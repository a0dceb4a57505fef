#include "web/wait_time.h"

#include <limits>

std::int64_t MillisecondsPerUnit(int unit) {
  switch (unit) {
    case 0:
      return 1;
    case 1:
      return 1000;
    case 2:
      return 60000;
    case 3:
      return 3600000;
    default:
      return unit;
  }
}

std::int64_t WaitDueTime(int interval, int unit) {
  constexpr std::int64_t kStepsPerMs = 10000;
  constexpr std::int64_t kMaxMs = std::numeric_limits<std::int64_t>::max() / kStepsPerMs;
  // |interval| and |unit| are below 2^31, so their product fits; only the step count can overflow.
  const std::int64_t ms = static_cast<std::int64_t>(interval) * MillisecondsPerUnit(unit);
  if (ms <= 0) return 0;
  return -(ms < kMaxMs ? ms : kMaxMs) * kStepsPerMs;
}
