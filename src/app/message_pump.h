#pragma once

// Dispatches every message already waiting in the calling thread's queue and returns without
// waiting. A WM_QUIT is put back for the thread's message loop, which must end the program.
void PumpPendingMessages();
