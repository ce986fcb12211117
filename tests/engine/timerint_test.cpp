#include "engine/timerint.h"

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

TEST(RealClock, TicksFollowWallTime) {
  ResetEngine();
  PlatUseVirtualClock(false);
  WinInit(nullptr, "Gafferon test", 1);
  InitTimerInterrupt();
  auto start = std::chrono::steady_clock::now();
  uint32_t t0 = TimerTicks;
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  uint32_t passed = TimerTicks - t0;
  auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  ClearTimerInterrupt();
  // One tick per 10 ms of wall time, give or take the tick in progress at
  // each end and a callback still on its way.
  int64_t expected = elapsed.count() / 10;
  EXPECT_GE(static_cast<int64_t>(passed), expected - 3);
  EXPECT_LE(static_cast<int64_t>(passed), expected + 1);
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
