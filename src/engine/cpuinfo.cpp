// A rough measure of the processor's speed, to tell slow machines apart.
#include <cmath>

#include "engine/debug.h"
#include "engine/timerint.h"
#include "platform/platform.h"

#define ABORT_FILE "cpuinfo"

int CPUSpeedTest() {
  if (!TimerRunning()) ABORT("CPUSpeedTest(): timer interrupt not initialised");

  volatile double x = 3.1415926535927;
  const double y = 0.98723523524623;

  uint32_t start = TimerTicks;
  while (TimerTicks < start + 25) PlatSpinHint();

  uint32_t t = TimerTicks;
  int count = 0;
  while (TimerTicks < t + 100) {
    x = std::sin(x * y) + 1.2e-20;
    ++count;
    PlatSpinHint();
  }
  int mhz = count / 11500;
  DPRINT(DEBUG_GENERAL, 40, "CPUSpeedTest(): CPU speed approx %dMHz Pentium\n", mhz);
  return mhz;
}
