// The "Watch" view on the 3D device until its renderer exists: a paced frame
// that draws nothing but keeps everything around the drawing going: the
// match sound, the information strip and the event ticker, the input and the
// replay bar's hot spots. Its four calls take the places of the 3D device's
// match frame (made, updated, rendered, freed).
#pragma once

#include <cstdint>

#include "render256/framepace.h"

// The replay bar's ten buttons, centred at the bottom of the 640 x 480 layout.
constexpr int WATCH_SCREEN_WIDTH = 640, WATCH_SCREEN_HEIGHT = 480;
constexpr int WATCH_BUTTON_WIDTH = 42, WATCH_BUTTON_HEIGHT = 52;
constexpr int WATCH_BAR_LEFT = WATCH_SCREEN_WIDTH / 2 - 10 * WATCH_BUTTON_WIDTH / 2;
constexpr int WATCH_BAR_TOP = WATCH_SCREEN_HEIGHT - WATCH_BUTTON_HEIGHT;

// The sound and HUD steps of making the view: an empty ground-effect queue,
// the strip out, eight sound channels and the match sound; the deadline
// starts now.
void WatchStandIn_Create();
// Per frame (it may be called twice a frame): the camera, and once per two
// ticks the strip and the ticker.
void WatchStandIn_Update();
// Per frame: waits for the deadline (or skips a late frame), the crowd,
// the replay bar's hot spots, Poll, the pointer, the controls and the replay
// buttons. Answers 1 when the frame was run, 0 when it was skipped.
int WatchStandIn_RenderFrame();
// The match sound stopped and the channels given back; the deadline starts now.
void WatchStandIn_Release();

// The crowd's per-frame update (the match sound's; tests put in their own).
extern void (*WatchStandIn_CrowdUpdate)();

// The clock of the pacing; tests put a fake one in.
void WatchStandIn_SetClock(const FrameClock& clock);
const FramePace& WatchStandIn_Pace();
// Frames run and half-rate updates since the reset.
int WatchStandIn_FramesRun();
int WatchStandIn_HudUpdates();

// The module as at program start (a registered reset).
void WatchStandIn_Reset();
