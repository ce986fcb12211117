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
// The result of the last polar conversion: OffsetX the part across (the sine
// part), OffsetY the part along (the cosine part).
extern int32_t OffsetX, OffsetY;

// Direction 0-255 from the first point to the second (0 towards smaller y,
// 64 towards larger x), in `steps` steps (a power of two). Rounded to the
// nearest step on both sides of 0.
int GetDirection(int x1, int y1, int x2, int y2, int steps);
int GetDirection256(int x1, int y1, int x2, int y2);
// OffsetX = trunc(sin a x length), OffsetY = trunc(cos a x length), a = direction x 2pi / steps.
void PolarToOffset(int direction, int length, int steps);
// |dx| + |dy| + 1, or 0 (arrived) within 5 while the ball is below the height limit.
int ReachDistance(int x1, int y1, int x2, int y2, int heightLimit);
// Turns the facing along the shorter arc, at most Agility / 30 + 3 units.
void TurnTowards(int object, int direction);
// TurnTowards, twice while the ball is slow (ballSpeed 2 or less).
void TurnTowardsFast(int object, int direction);
// Accelerates towards the top speed (plus the side's momentum and, in open
// play, his pace) and moves the acting player along his facing.
void MovePlayer(int object, int topSpeed, int acceleration);
// As MovePlayer along the given direction, without the side's momentum.
void MoveInDirection(int object, int topSpeed, int acceleration, int direction);
// One whole unit on each axis towards the point, on the object itself.
void StepTowardsPoint(int object, int x, int y);
// 0, or 1 + the first player standing in the way.
int PathBlocked(int object);
// The common run of every action that runs somewhere: turn, choose speed and
// motion, move (or wait while blocked).
void RunToPoint(int object, int x, int y);
void LookAtObject(int object, int other, int limit);
void LookAtPoint(int object, int x, int y, int limit);

// The motion steppers: 1 while the motion goes on, 0 when it has ended and
// the object has been switched to the next action.
int PlayMotion(int object, int motion, int step, int nextAction);
void LoopMotion(int object, int motion, int step, int wrapFrame);
// Turns on the spot one unit towards the direction, playing the standing loop.
void RunTowards(int object, int direction);
