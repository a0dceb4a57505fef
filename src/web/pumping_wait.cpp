#include "web/pumping_wait.h"

#include <windows.h>

#include "app/message_pump.h"
#include "app/scoped_handle.h"
#include "web/wait_time.h"

namespace {

// Wakes for keyboard, mouse moves and buttons, posted, timer, paint, sent messages and hot keys.
constexpr DWORD kWakeMask = 0xFF;

// Used only when no waitable timer can be had: the same pumping wait against a tick deadline.
void PumpUntil(ULONGLONG deadline) {
  for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
    const ULONGLONG left = deadline - now;
    const DWORD timeout = left < INFINITE ? static_cast<DWORD>(left) : INFINITE - 1;
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout, kWakeMask) == WAIT_FAILED) {
      Sleep(timeout < 10 ? timeout : 10);
    }
    PumpPendingMessages();
  }
}

}  // namespace

bool PumpingWait(int interval, int unit) {
  const LONGLONG dueSteps = WaitDueTime(interval, unit);
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(-dueSteps / 10000);
  LARGE_INTEGER due;
  due.QuadPart = dueSteps;

  ScopedHandle timer(CreateWaitableTimerW(nullptr, FALSE, nullptr));
  if (!timer || !SetWaitableTimer(timer.Get(), &due, 0, nullptr, nullptr, FALSE)) {
    PumpUntil(deadline);
    return true;
  }
  HANDLE handles[] = {timer.Get()};
  for (;;) {
    const DWORD result = MsgWaitForMultipleObjects(1, handles, FALSE, INFINITE, kWakeMask);
    if (result == WAIT_OBJECT_0) return true;
    if (result == WAIT_FAILED) {
      PumpUntil(deadline);
      return true;
    }
    PumpPendingMessages();
  }
}
