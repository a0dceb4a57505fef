#pragma once

// Waits interval units (see wait_time.h) while it keeps dispatching the calling thread's window
// messages, so the window stays responsive when called on its thread. The thread sleeps between
// messages; nothing polls. Always returns true.
bool PumpingWait(int interval = 0, int unit = 0);
