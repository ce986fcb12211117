// The 100 Hz tick.
#include "engine/timerint.h"

#include "engine/debug.h"
#include "engine/onexit.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/winlib.h"
#include "platform/platform.h"

#define ABORT_FILE "timerint"

std::atomic<uint32_t> TimerTicks{0};

namespace {

struct TimerState {
  uint32_t eventId;  // 0 = not running
  std::atomic<TimerHook> hook{nullptr};
  std::atomic<uint32_t> rawCallbacks{0};
} gTimer;

void TickCallback() {
  gTimer.rawCallbacks.fetch_add(1, std::memory_order_relaxed);
  if (!WinIsAppReady()) return;  // game time stands still in the background
  uint32_t before = TimerTicks.fetch_add(1);
  if (TimerHook hook = gTimer.hook.load()) hook(before);
}

}  // namespace

void InitTimerInterrupt() {
  DPRINT(DEBUG_GENERAL, 1, "InitTimerInterrupt(): initialising timer...\n");
  if (TimerRunning()) FatalError("Error: InitTimerInterrupt(): Cannot set timer interrupt if already running\n");
  if (PlatTimerMinPeriod() > 10) ABORT("InitTimerInterrupt(): timer period is too large for this program");
  if (!PlatTimerStart(10, TickCallback)) ABORT("InitTimerInterrupt(): timeSetEvent() failed");
  gTimer.eventId = 1;

  // Half a second must bring more than ten callbacks. They are counted
  // whether or not the window is in front, so a start behind another window
  // is not taken for a broken timer.
  uint32_t expect = gTimer.rawCallbacks + 10;
  PlatSleep(500);
  if (!(gTimer.rawCallbacks > expect))
    ABORT("InitTimerInterrupt(): Timer failed to initialise - please restart your machine");

  OnExitAddEx(ClearTimerInterrupt, "ClearTimerInterrupt()");
  DPRINT(DEBUG_GENERAL, 1, "InitTimerInterrupt(): initialised\n");
}

void ClearTimerInterrupt() {
  if (!TimerRunning()) FatalError("Error: ClearTimerInterrupt(): Cannot stop timer interrupt if not running\n");
  OnExitRemove(ClearTimerInterrupt);
  if (!PlatTimerStop()) ABORT("ClearTimerInterrupt(): timeKillEvent() failed");
  gTimer.eventId = 0;
  DPRINT(DEBUG_GENERAL, 1, "ClearTimerInterrupt(): cleared\n");
}

int TimerRunning() { return gTimer.eventId != 0 ? 1 : 0; }

void SetTimerHook(TimerHook hook) { gTimer.hook = hook; }

void WaitUntilTick(uint32_t tick) {
  while (TimerTicks < tick) {
    Poll();
    PlatYield();
  }
}

void WaitTicks(uint32_t count) { WaitUntilTick(TimerTicks + count); }

uint32_t TimerRawCallbacks() { return gTimer.rawCallbacks; }

void TimerReset() {
  if (gTimer.eventId) PlatTimerStop();
  gTimer.eventId = 0;
  gTimer.hook = nullptr;
  gTimer.rawCallbacks = 0;
  TimerTicks = 0;
}
REGISTER_RESET(RESET_ENGINE, TimerReset);
