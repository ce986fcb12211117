// The ball: integrated once a frame in 16.16 fixed point, walked across the
// pitch one unit at a time and tested at every step against the lines, flags,
// posts, bar, nets and boards; then it meets the players. Its state is the
// ball block of matchstate.h.
#pragma once

#include <cstdint>

// The per-frame entry: cooldowns, move, rules at the final spot, speed and
// direction, player contacts, the prediction points and the ball marker.
void BallUpdate();
// Integration and the unit-step walk.
void MoveBall();
// The tests at the step cursor (stepX, stepY).
void BallStepRules();
void StopBall();
// Puts the ball at the player's feet (object 0-31).
void BallAtFeet(int player);
void GiveCorner();
void GiveGoalKick();
void GiveHandball();
// Speed and direction from the velocity (the kick actions call it after a strike).
void UpdateBallSpeed();
void NetTouch();
// The ball's share of every kick-off: velocity, spin, holders, cooldowns and
// out state cleared, the ball on the centre spot, drag, gravity and time
// scale set and the ground's friction and bounce taken from the ground byte.
void BallKickOffReset(int ground);
