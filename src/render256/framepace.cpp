#include "render256/framepace.h"

bool PaceMatchFrame(FramePace& pace, const FrameClock& clock, bool quick) {
  const int32_t now = static_cast<int32_t>(clock.now());
  int16_t limit = MAX_SKIPPED_FRAMES;
  if (quick) {
    // Two frames a tick: the deadline moves on every other frame.
    limit = MAX_SKIPPED_FRAMES_QUICK;
    if (pace.halfTick) ++pace.deadline;
    pace.halfTick = static_cast<int16_t>(!pace.halfTick);
  } else {
    pace.deadline += FRAME_TICKS;
  }
  if (pace.deadline < now && pace.skipped < limit) {
    ++pace.skipped;
    return false;
  }
  if (now < pace.deadline) clock.waitUntil(static_cast<uint32_t>(pace.deadline));
  pace.deadline = static_cast<int32_t>(clock.now());
  pace.skipped = 0;
  return true;
}
