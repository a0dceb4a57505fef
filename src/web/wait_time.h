#pragma once
#include <cstdint>

// Milliseconds in one unit of PumpingWait: 0 ms, 1 s, 2 min, 3 h; any other unit is that many
// milliseconds.
std::int64_t MillisecondsPerUnit(int unit);

// Due time for SetWaitableTimer in 100-ns steps, negative so that it is relative. A wait of zero
// or less gives 0, a moment long past, so the timer fires at once. Held at the largest relative
// time instead of overflowing.
std::int64_t WaitDueTime(int interval, int unit);
