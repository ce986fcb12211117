// The passes and crosses of an outfield player: the standing pass (29), the
// pass on the run (77), the pass at a trot (109), the crosses (18 standing,
// 75 on the run), the backheel (34), the kick-off lay-off (27) and the receiver's run (17).
// The decisions choose the kind (actionArg2: 0 laid back, 1 into his path,
// 2 a long ball, 3 played on to him; for a cross the variant 0-2), the point
// (PassPointX/Y) and the receiver (PassReceiver, -1 into space); these play
// the kick, release the ball once inside the motion's window, send the
// receiver on his run, count the pass and call it.
#pragma once

#include <cstdint>

void Action_StandingPass(int object);  // 29
void Action_RunningPass(int object);   // 77
void Action_PassOnTheMove(int object); // 109: as 77 at a trot, turning to the point
void Action_Cross(int object);         // 18, 75
void Action_Backheel(int object);      // 34
void Action_KickOffTaker(int object);  // 27
void Action_PassReceiver(int object);  // 17

// The frame's work once the motion goes on (the handlers call them after
// the motion step; tests call them on a placed motion frame).
void PassFrameStep(int object);
void CrossFrameStep(int object);
void BackheelFrameStep(int object);

// The length of a pass from (x, y) to the point: the two axis distances
// taken along the direction to it.
int MeasurePassLength(int x, int y, int toX, int toY);
// The ball launched for a pass of the kind over the length towards the
// point (speed and lift by the kind; a long ball may carry the passer's
// aiming error). Returns the length after its cap.
int LaunchPass(int passer, int kind, int length, int toX, int toY);

extern int16_t PassLength;                     // of the pass or cross being struck, after its cap
extern int16_t LastPasser, LastReceiver;       // -1 none
extern int16_t PassTimer;                      // 300 when a pass is struck
extern int16_t ThroughPass;                    // 1 after a pass into the path or played on
extern int16_t CrossHeightClass;               // of the last cross: 0 low, else how high it comes in
extern int16_t LastCrosser, LastCrossReceiver; // -1 none
extern int16_t SideCrosses[2];
extern int16_t ThroughPasses[32];              // per player
extern int16_t PassesByShirt[32][16];          // per player, by the receiver's shirt number - 1

void Passes_Reset();
