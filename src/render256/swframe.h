// The frame of the 256-colour match: the environment built when a "Watch"
// match starts and torn down when it ends, and every frame the 3D scene and
// the 2D match display (info bar, replay buttons, clock, score, radar, the
// quick-watch note, the event box) drawn into the game screen, shown and
// paced against the 100 Hz tick.
#pragma once

#include <cstdint>

#include "render256/framepace.h"
#include "render256/objects.h"
// The quick-watch note shows while this bit of the tick count is set.
constexpr uint32_t QUICK_WATCH_BLINK_BIT = 1u << 6;

// Replay buttons and their hot spots.
constexpr int REPLAY_BUTTONS = 10;
constexpr int REPLAY_HOTSPOT_FIRST = 11;

// Radar boxes: a player is 12 x 7 of his side's colour, the ball 3 x 3.
constexpr int RADAR_X = 4, RADAR_Y = 44;
constexpr int RADAR_PLAYER_W = 12, RADAR_PLAYER_H = 7;
constexpr uint8_t RADAR_SIDE_COLOUR[2] = {48, 92};
constexpr uint8_t RADAR_BALL_COLOUR = 29;

// Text numbers of the frame's own captions.
constexpr int TEXT_QUICK_WATCH = 828;
constexpr int TEXT_REPLAY = 126;

struct FrameState {
  FramePace pace;         // the frames' deadline, skips in a row and quick watch's half tick
  int16_t created;        // CreateGameEnvironment ran and no tear-down yet
};
extern FrameState SwFrame;

// The clock the pacing reads and waits on; tests put a fake one in.
void SwFrame_SetClock(const FrameClock& clock);

// The match's object types of the display list: players and officials, the
// ball, the twelve world items.
extern const ObjectType MatchObjectTypes[];

void CreateGameEnvironment();
// Paces, then (unless the frame is skipped) draws, shows and reads the
// controls. Answers 1 when the frame was drawn, 0 when it was skipped.
int RenderGameEnvironment();
void UpdateGameEnvironment();
void UpdateGameHighlights();
void DrawGameEnvironment();
// Its two halves: the 3D scene with the name labels, then the 2D display.
void DrawGameScene();
void DrawGameDisplay2D();
// The overlays a menu over the match keeps showing: the score line and the
// event box on show (none during a replay).
void DrawMatchOverlays();
void DestroyGameEnvironment();
void FirstDestroyGameEnvironment();

// The whole software environment as the match dispatch makes and frees it:
// the palette and the environment; both halves of the tear-down.
void SwFrame_CreateWhole();
void SwFrame_DestroyWhole();

// The pacing decision alone: advances the deadline and answers whether this
// frame is drawn (waiting for its tick when it is early).
bool SwFrame_PaceFrame();

// The radar point of pitch position (x, y) on a radar graphic of w x h
// pixels, from its top-left corner. The pitch runs across the graphic's
// width (its length) when it is wider than high, else down its height.
void RadarPoint(float x, float y, int w, int h, int* rx, int* ry);

// The module as at program start (a registered reset).
void SwFrame_Reset();
