#include "engine/timerint.h"

#include <chrono>
#include <cstdint>
#include <thread>

#include "support/engine_fixture.h"

namespace {

std::atomic<uint32_t> gHookSaw{0};
void Hook(uint32_t before) { gHookSaw = before + 1000; }

TEST_F(EngineTest, TicksCountOnlyWhileTheApplicationIsReady) {
  StartWindowAndTimer();
  uint32_t start = TimerTicks;
  EXPECT_GE(start, 49u);  // the start check slept half a second
  PlatVirtualAdvance(10);
  EXPECT_EQ(TimerTicks, start + 10);

  PlatSendMessage(WM_KILLFOCUS, 0, 0);
  PlatVirtualAdvance(10);
  EXPECT_EQ(TimerTicks, start + 10);  // game time stands still
  PlatSendMessage(WM_SETFOCUS, 0, 0);

  SetTimerHook(Hook);
  PlatVirtualAdvance(1);
  EXPECT_EQ(gHookSaw, start + 10 + 1000);  // the hook gets the tick from before
  SetTimerHook(nullptr);
  ClearTimerInterrupt();
  EXPECT_EQ(OnExitCount(), 0);
}

TEST_F(EngineTest, TimerStartCheckDoesNotNeedTheForeground) {
  WinInit(nullptr, "Gafferon test", 1);
  PlatSendMessage(WM_ACTIVATEAPP, 0, 0);
  InitTimerInterrupt();  // counts raw callbacks, so this passes
  EXPECT_EQ(TimerRunning(), 1);
  EXPECT_STREQ(OnExitName(0), "ClearTimerInterrupt()");
  ClearTimerInterrupt();
}

TEST_F(EngineTest, TimerMisuseIsFatal) {
  EXPECT_FATAL(ClearTimerInterrupt(), "ClearTimerInterrupt\\(\\): Cannot stop timer interrupt if not running");
  EXPECT_FATAL(
      {
        StartWindowAndTimer();
        InitTimerInterrupt();
      },
      "InitTimerInterrupt\\(\\): Cannot set timer interrupt if already running");
}

// The real clock on a machine that may be busy: ticks can come late, never
// early. They only move forward, they never count more 10 ms boundaries than
// have passed since the timer started (plus the one in progress), and they
// keep coming; only the wait for them has a (generous) limit.
TEST(RealClock, TicksFollowWallTime) {
  using std::chrono::milliseconds;
  using std::chrono::steady_clock;
  ResetEngine();
  PlatUseVirtualClock(false);
  WinInit(nullptr, "Gafferon test", 1);
  const auto started = steady_clock::now();
  InitTimerInterrupt();
  const uint32_t first = TimerTicks;
  uint32_t last = first;
  const auto deadline = steady_clock::now() + std::chrono::seconds(60);
  while (last - first < 20 && steady_clock::now() < deadline) {
    std::this_thread::sleep_for(milliseconds(5));
    const uint32_t now = TimerTicks;
    const int64_t boundaries =
        std::chrono::duration_cast<milliseconds>(steady_clock::now() - started).count() / 10 + 1;
    EXPECT_GE(now, last) << "the tick count went back";
    EXPECT_LE(static_cast<int64_t>(now), boundaries) << "ticks ran ahead of the wall clock";
    if (now < last || static_cast<int64_t>(now) > boundaries) break;
    last = now;
  }
  ClearTimerInterrupt();
  EXPECT_GE(last - first, 20u) << "the timer stopped ticking";
  ResetEngine();
}

TEST_F(EngineTest, WaitTicksPollsUntilTheTickArrives) {
  StartWindowAndTimer();
  InitPoll();
  PlatSetVirtualAutoAdvance(true);
  uint32_t start = TimerTicks;
  WaitTicks(20);
  EXPECT_GE(TimerTicks, start + 20);
  UninitPoll();
}

}  // namespace
