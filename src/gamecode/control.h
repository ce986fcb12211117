// The outfield actions that play a ball in the air: the headers (46 the
// header on, 47 the power header at goal, 48 the header down, 86 the
// flick-on), the glancing header (82) and the header back over his head
// (87), the overhead kick (50), the diving header (51) and the ball
// control (49 the cushion, 79 the chest, 88 the lay-off). Each plays its
// motion (a jump for the headers), runs the player to his reception point
// (passX, passY) and plays the ball once when it comes within reach inside
// the motion's window, with a fixed power along the facing and an upward
// speed looked up by the ball's height at contact.
#pragma once

#include <cstdint>

// The upward speeds (16.16) after a header, a block, a lay-off or a ball
// taken down, six tables of 30 by the ball's height at contact (29 and more
// use the last entry).
extern const int32_t BallLiftTable[6][30];
int32_t BallLift(int table, int height);

// 46-48, 50, 51, 82, 86, 87.
void Action_Header(int object);
// 49, 79, 88.
void Action_BallControl(int object);

// The frame's work once the motion has gone on (the handlers call it after
// the motion step; tests call it on a placed motion frame): the jump, the
// run to the reception point and the strike inside the window.
void AirBallFrameStep(int object);

// How high the player is in the jump of the action at the motion frame.
int JumpHeight(int heading, int motionFrame);
// The same for a jump that peaks at motion frame `rise` (49 for the glancing
// header 82, 40 for the flick-on 87): it falls as fast as it rose, never
// below 0.
int JumpHeightOver(int heading, int motionFrame, int rise);

// Per player: headers won in the half he attacks and in his own, balls
// taken down cleanly and balls that got away.
struct AirBallCounts {
  int16_t headersAttacking[32];
  int16_t headersDefending[32];
  int16_t cleanControls[32];
  int16_t failedControls[32];
};
const AirBallCounts& AirBallCountsNow();

void Control_Reset();
