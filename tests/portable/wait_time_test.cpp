#include "web/wait_time.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

TEST(WaitDueTime, IsARelativeCountOfHundredNanosecondSteps) {
  constexpr std::int64_t kLongest = -(std::numeric_limits<std::int64_t>::max() / 10000) * 10000;
  const struct {
    int interval, unit;
    std::int64_t expected;
  } cases[] = {
      {0, 0, 0},
      {2000, 0, -20000000},
      {2, 1, -20000000},
      {1, 2, -600000000},
      {1, 3, -36000000000},
      {3, 7, -210000},  // any other unit is that many milliseconds
      {-5, 0, 0},       // zero or less: due at once
      {5, -2, 0},
      {INT_MAX, 3, kLongest},  // held instead of overflowing
      {INT_MIN, 3, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WaitDueTime(c.interval, c.unit), c.expected) << c.interval << " x unit " << c.unit;
  }
}

}  // namespace
