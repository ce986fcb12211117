// The 100 Hz tick.
#pragma once

#include <atomic>
#include <cstdint>

// Ticks of 10 ms while the application is ready; written only by the timer
// thread, read anywhere.
extern std::atomic<uint32_t> TimerTicks;

typedef void (*TimerHook)(uint32_t tick);

void InitTimerInterrupt();
void ClearTimerInterrupt();
int TimerRunning();
void SetTimerHook(TimerHook hook);
void WaitUntilTick(uint32_t tick);
void WaitTicks(uint32_t count);

// Timer callbacks seen since start, whether or not the application was ready.
uint32_t TimerRawCallbacks();
// Stops the timer if it runs and puts the counters back to 0 (tests).
void TimerReset();
