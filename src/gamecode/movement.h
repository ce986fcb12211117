// How players move: directions and distances, turning, running along the
// facing or a direction, stepping and running to a point, what stands in the
// way, the head's turn; and the motion steppers every action handler uses.
// Positions are pitch units in the match's axes (x across, y along); the
// acting player works on the copy below, which player_action writes back.
#pragma once

#include <cstdint>

// The acting player's working copy.
extern int16_t ActorX, ActorY;
extern int32_t ActorFixedX, ActorFixedY;  // 16.16
extern uint8_t MoversCount;               // players still walking to a position this frame
// The result of the last polar conversion: the cosine and the sine part.
extern int32_t OffsetX, OffsetY;

// Direction 0-255 from the first point to the second (0 towards smaller y,
// 64 towards larger x), in `steps` steps (a power of two).
int GetDirection(int x1, int y1, int x2, int y2, int steps);
int GetDirection256(int x1, int y1, int x2, int y2);
void PolarToOffset(int direction, int length, int steps);
// |dx| + |dy| + 1, or 0 (arrived) within 5 while the ball is below the height limit.
int ReachDistance(int x1, int y1, int x2, int y2, int heightLimit);
void TurnTowards(int object, int direction);
void TurnTowardsFast(int object, int direction);
void MovePlayer(int object, int topSpeed, int acceleration);
void MoveInDirection(int object, int topSpeed, int acceleration, int direction);
void StepTowardsPoint(int object, int x, int y);
// 0, or 1 + the first player standing in the way.
int PathBlocked(int object);
void RunToPoint(int object, int x, int y);
void LookAtObject(int object, int other, int limit);
void LookAtPoint(int object, int x, int y, int limit);

// The motion steppers: 1 while the motion goes on, 0 when it has ended and
// the object has been switched to the next action.
int PlayMotion(int object, int motion, int step, int nextAction);
void LoopMotion(int object, int motion, int step, int wrapFrame);
// Turns on the spot one unit towards the direction, playing the standing loop.
void RunTowards(int object, int direction);
