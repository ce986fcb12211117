// The pace of the "Watch" frames: a frame is due every 2 ticks (50 a
// second), every half tick in quick watch; a late frame is skipped, though
// never more than a few in a row.
#pragma once

#include <cstdint>

// Frames of the normal pace are due every FRAME_TICKS ticks (50 a second).
constexpr int32_t FRAME_TICKS = 2;
// Late frames skipped in a row before one is drawn anyway.
constexpr int16_t MAX_SKIPPED_FRAMES = 2;
constexpr int16_t MAX_SKIPPED_FRAMES_QUICK = 8;

// The clock the pacing reads and waits on; tests put a fake one in.
struct FrameClock {
  uint32_t (*now)();
  void (*waitUntil)(uint32_t tick);
};

// One view's pacing state.
struct FramePace {
  int32_t deadline;  // tick by which the next frame is due
  int16_t skipped;   // frames skipped in a row
  int16_t halfTick;  // quick watch: 1 when the deadline stands half a tick on
};

// Advances the deadline and answers whether this frame is drawn (waiting for
// its tick when it is early) or skipped.
bool PaceMatchFrame(FramePace& pace, const FrameClock& clock, bool quick);
