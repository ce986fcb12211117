// The clock and the periodic 10 ms timer.
//
// Real clock: ticks are derived from the monotonic clock. The timer thread
// sleeps until the next 10 ms boundary and calls back once for every boundary
// crossed, so the count of callbacks follows wall time exactly and never
// drifts the way a chain of plain 10 ms sleeps does.
//
// Virtual clock: time moves only when PlatSleep or PlatVirtualAdvance says
// so, and the timer callback then runs on the caller's thread. Tests and
// scripted runs use it to go through seconds of game time at once.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/platform.h"

namespace {

using Clock = std::chrono::steady_clock;

struct ClockState {
  std::atomic<bool> virtualMode{false};
  std::atomic<bool> autoAdvance{false};
  std::atomic<uint64_t> virtualMs{0};
  Clock::time_point start = Clock::now();

  std::mutex timerLock;
  std::condition_variable timerWake;
  std::thread* timerThread = nullptr;
  std::atomic<bool> timerRunning{false};
  bool timerStop = false;
  uint32_t periodMs = 10;
  PlatTimerCallback callback = nullptr;
};

ClockState& S() {
  static ClockState* s = new ClockState;  // lives to the very end of the process
  return *s;
}

void TimerThreadMain(uint32_t periodMs, PlatTimerCallback cb) {
  ClockState& s = S();
  auto next = Clock::now() + std::chrono::milliseconds(periodMs);
  std::unique_lock<std::mutex> lock(s.timerLock);
  for (;;) {
    if (s.timerWake.wait_until(lock, next, [&] { return s.timerStop; })) break;
    auto now = Clock::now();
    while (next <= now && !s.timerStop) {
      lock.unlock();
      PlatSoundClockTick();  // the memory output mixes this tick's frames
      cb();
      lock.lock();
      next += std::chrono::milliseconds(periodMs);
    }
  }
}

}  // namespace

void PlatUseVirtualClock(bool on) {
  S().virtualMode = on;
  S().virtualMs = 0;
  S().start = Clock::now();
}

bool PlatClockIsVirtual() { return S().virtualMode; }

uint64_t PlatMilliseconds() {
  if (S().virtualMode) return S().virtualMs;
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - S().start).count());
}

uint32_t PlatRawTicks() { return static_cast<uint32_t>(PlatMilliseconds() / 10); }

namespace {

// Moves the virtual clock to target, firing the timer once for every 10 ms
// boundary crossed on the way.
void VirtualMoveTo(uint64_t target) {
  ClockState& s = S();
  for (uint64_t next = (s.virtualMs / 10 + 1) * 10; next <= target; next += 10) {
    s.virtualMs = next;
    PlatSoundClockTick();  // the memory output mixes this tick's frames
    if (s.timerRunning && s.callback) s.callback();
  }
  s.virtualMs = target;
}

}  // namespace

void PlatVirtualAdvance(uint32_t ticks) {
  if (S().virtualMode) VirtualMoveTo(S().virtualMs + 10ull * ticks);
}

void PlatSetVirtualAutoAdvance(bool on) { S().autoAdvance = on; }
bool PlatVirtualAutoAdvance() { return S().virtualMode && S().autoAdvance; }

void PlatSleep(uint32_t milliseconds) {
  ClockState& s = S();
  if (s.virtualMode) {
    VirtualMoveTo(s.virtualMs + milliseconds);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

uint32_t PlatTimerMinPeriod() { return 1; }

bool PlatTimerStart(uint32_t periodMs, PlatTimerCallback cb) {
  ClockState& s = S();
  if (s.timerRunning || !cb || periodMs == 0) return false;
  s.callback = cb;
  s.periodMs = periodMs;
  s.timerStop = false;
  s.timerRunning = true;
  if (!s.virtualMode) s.timerThread = new std::thread(TimerThreadMain, periodMs, cb);
  return true;
}

bool PlatTimerStop() {
  ClockState& s = S();
  if (!s.timerRunning) return false;
  if (s.timerThread) {
    {
      std::lock_guard<std::mutex> lock(s.timerLock);
      s.timerStop = true;
    }
    s.timerWake.notify_all();
    if (s.timerThread->get_id() != std::this_thread::get_id()) s.timerThread->join();
    else s.timerThread->detach();
    delete s.timerThread;
    s.timerThread = nullptr;
  }
  s.timerRunning = false;
  s.callback = nullptr;
  return true;
}

bool PlatTimerRunning() { return S().timerRunning; }
