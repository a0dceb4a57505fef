#include "web/pumping_wait.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT kPosted = WM_APP + 1;
constexpr UINT kSent = WM_APP + 2;

// What the test window saw, in order; touched only on the thread that owns the window.
std::vector<std::string> g_events;
DWORD g_handlerThread = 0;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPosted || message == kSent) {
    g_events.push_back(message == kPosted ? "posted" : "sent");
    g_handlerThread = GetCurrentThreadId();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class PumpingWaitTest : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PumpingWaitTestWindow";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                              nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window_, nullptr);
    g_events.clear();
    g_handlerThread = 0;
  }
  void TearDown() override { DestroyWindow(window_); }

  // Runs the wait while another thread delivers one message to the window after a short delay.
  void WaitWhileOtherThreadDelivers(UINT message, int intervalMs) {
    HWND window = window_;
    std::thread other([window, message] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      if (message == kSent) {
        // Bounded, so a message that arrives after the wait fails the test instead of hanging it.
        DWORD_PTR result;
        SendMessageTimeoutW(window, message, 0, 0, SMTO_NORMAL, 10000, &result);
      } else {
        PostMessageW(window, message, 0, 0);
      }
    });
    EXPECT_TRUE(PumpingWait(intervalMs));
    g_events.push_back("returned");
    other.join();
  }

  HWND window_ = nullptr;
};

TEST_F(PumpingWaitTest, DispatchesAMessagePostedDuringTheWaitBeforeReturning) {
  WaitWhileOtherThreadDelivers(kPosted, 1000);
  EXPECT_EQ(g_events, (std::vector<std::string>{"posted", "returned"}));
  EXPECT_EQ(g_handlerThread, GetCurrentThreadId());
}

TEST_F(PumpingWaitTest, AnswersAMessageSentFromAnotherThreadDuringTheWait) {
  WaitWhileOtherThreadDelivers(kSent, 1000);
  EXPECT_EQ(g_events, (std::vector<std::string>{"sent", "returned"}));
  EXPECT_EQ(g_handlerThread, GetCurrentThreadId());
}

TEST_F(PumpingWaitTest, DispatchesAMessageThatWasWaitingBeforeTheWaitBegan) {
  PostMessageW(window_, kPosted, 0, 0);
  EXPECT_TRUE(PumpingWait(50));
  g_events.push_back("returned");
  EXPECT_EQ(g_events, (std::vector<std::string>{"posted", "returned"}));
}

TEST(PumpingWait, WaitsAtLeastTheRequestedTime) {
  using Clock = std::chrono::steady_clock;
  const struct {
    int interval, unit;
    long long atLeastMs;
  } cases[] = {
      {300, 0, 300},
      {1, 1, 1000},
      {3, 7, 21},
  };
  for (const auto& c : cases) {
    const auto begin = Clock::now();
    EXPECT_TRUE(PumpingWait(c.interval, c.unit));
    const auto waited =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin).count();
    // A little slack below: the timer and the clock tick at different granularities.
    EXPECT_GE(waited + 16, c.atLeastMs) << c.interval << " x unit " << c.unit;
  }
}

}  // namespace
