// Highlights: a notable moment arms a countdown after which the "Watch" view
// shows an automatic instant replay; and the ball's steering step of the
// ball update.
#pragma once

#include <cstdint>

extern int32_t HighlightType;       // 0-4; 4 a moment that never replays
extern int32_t HighlightCountdown;  // frames to the automatic replay
// The two automatic-replay options of the match view: goals and goal attempts.
extern int16_t ShowGoalHighlights, ShowAttemptHighlights;

// Types 0 (a goal) and 1 (a near miss) arm the countdown and count one more
// highlight; 2-4 store type 4 and no countdown; any other type is fatal.
void ActivateHighLight(int type, int countdown);
// Once a frame from the display: counts down; at 0, with either replay option
// on and the display in mode 2, asks for the replay.
void UpdateHighLight();
// The highlights of the match so far; cleared at the first kick-off.
int16_t GetHighlightCount();
void ClearHighlightCount();

// The in-match input's two steering accumulators (raised by the input code)
// and the totals they are gathered into each frame.
extern int32_t SteeringInput[2];
extern float SteeringTotal[2];
// Each frame of the ball update: a still ball takes the facing of the player
// dribbling it (the last toucher on the pitch in action 15); then the
// steering input since the last frame is added to the totals.
void UpdateBallSteering();

void Highlight_Reset();
