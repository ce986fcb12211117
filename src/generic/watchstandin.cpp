#include "generic/watchstandin.h"

#include <cstdio>

#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/sound.h"
#include "engine/timerint.h"
#include "gamecode/matchstate.h"
#include "gamecode/replay.h"
#include "generic/hud.h"
#include "generic/matchctrl.h"
#include "generic/pccamera.h"
#include "generic/sfx.h"

void (*WatchStandIn_CrowdUpdate)() = SFX_UpdateCrowd;

namespace {

uint32_t TickNow() { return TimerTicks.load(); }
constexpr FrameClock kEngineClock = {TickNow, WaitUntilTick};

struct WatchState {
  FrameClock clock = kEngineClock;
  FramePace pace{};
  uint32_t hudStamp = 0;  // the tick of the last half-rate update
  int frames = 0;
  int hudUpdates = 0;
};
WatchState gWatch;

// The bar's hot spots while a replay it serves runs; out of reach otherwise.
void SetReplayBarHotSpots() {
  const bool bar = ReplayPlaying != 0 && replayMode != REPLAY_MODE_AUTOMATIC;
  for (int i = 0; i < REPLAY_BAR_TYPES; ++i) {
    if (bar)
      HotSpot_Set(WATCH_BAR_LEFT + i * WATCH_BUTTON_WIDTH, WATCH_BAR_TOP, WATCH_BUTTON_WIDTH, WATCH_BUTTON_HEIGHT,
                  REPLAY_BAR_FIRST_HOTSPOT + i);
    else
      HotSpot_Set(0, 0, 0, 0, REPLAY_BAR_FIRST_HOTSPOT + i);
  }
}

}  // namespace

void WatchStandIn_Reset() {
  gWatch = WatchState{};
  WatchStandIn_CrowdUpdate = SFX_UpdateCrowd;
}
REGISTER_RESET(RESET_RENDER, WatchStandIn_Reset);

void WatchStandIn_SetClock(const FrameClock& clock) { gWatch.clock = clock; }
const FramePace& WatchStandIn_Pace() { return gWatch.pace; }
int WatchStandIn_FramesRun() { return gWatch.frames; }
int WatchStandIn_HudUpdates() { return gWatch.hudUpdates; }

void WatchStandIn_Create() {
  EffectQueue_Clear();
  InfoBar_Reset();
  SndSetActiveChannels(8);
  SFX_Init();
  const uint32_t now = gWatch.clock.now();
  gWatch.pace = FramePace{static_cast<int32_t>(now), 0, 0};
  gWatch.hudStamp = now;
  std::printf("watch: paced stand-in made (tick %u)\n", now);
}

void WatchStandIn_Update() {
  UpdateCamera();
  const uint32_t now = gWatch.clock.now();
  if (now / 2 == gWatch.hudStamp / 2) return;
  gWatch.hudStamp = now;
  ++gWatch.hudUpdates;
  InfoBar_Update();
  EventTicker_Update();
}

int WatchStandIn_RenderFrame() {
  if (!PaceMatchFrame(gWatch.pace, gWatch.clock, QuickWatch != 0)) return 0;
  ++gWatch.frames;
  WatchStandIn_CrowdUpdate();
  SetReplayBarHotSpots();
  Poll();
  ReadMatchInput();
  return 1;
}

void WatchStandIn_Release() {
  SFX_Uninit();
  SndClearActiveChannels();
  const uint32_t now = gWatch.clock.now();
  gWatch.pace = FramePace{static_cast<int32_t>(now), 0, 0};
  std::printf("watch: paced stand-in freed (tick %u)\n", now);
}
