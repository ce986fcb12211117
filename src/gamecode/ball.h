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
// Sets the ball moving from (x, y) at the height with a 16.16 velocity and
// clears its out state; speed, direction and the ball marker follow. The
// holders, the match state and possession are the caller's.
void PutBallInPlay(int x, int y, int height, int32_t vx, int32_t vy, int32_t vz);
// The ball marker (object 35) put on the ball, drawn at the height.
void PlaceBallMarker(int height);
void NetTouch();
// The ball's share of every kick-off: velocity, spin, holders, cooldowns and
// out state cleared, the ball on the centre spot, drag, gravity and time
// scale set and the ground's friction and bounce taken from the ground byte.
void BallKickOffReset(int ground);

// Where the ball is put down for the restart the rules gave (match state 3,
// 4, 5, 9, 12...): a throw-in on the touch-line spot; a corner in the corner
// at the end and side where the ball went out; a goal kick at the front
// corner of that goal area on the side it went out; after a goal (or any
// other state) the centre spot. Reads restartX, restartY.
void BallRestartSpot(int state, int16_t* x, int16_t* y);

// The octant (0-7) of the body-deflection grid for a ball at (dx, dy) from a
// player, and the two factors (over 150) of each octant.
int BodyDeflectionOctant(int dx, int dy);
extern const int BODY_DEFLECT_FACTOR_X[8];
extern const int BODY_DEFLECT_FACTOR_Y[8];

// One ball launched on an empty pitch and followed frame by frame until a rule
// changes the match state, the ball comes to rest or the frame limit is reached (the
// matchsim tool's --launch and the ball tests use it). Positions in pitch
// units, velocities in 16.16 units per frame.
struct BallLaunch {
  int x = 0, y = 0, height = 0;
  int32_t vx = 0, vy = 0, vz = 0;
  int ground = 0;
  int maxFrames = 3000;
  int16_t state = 0;         // the match state during the launch (a restart state keeps the lines off)
  int16_t postCooldown = 0;  // frames left of an earlier post or bar hit
};
enum class BallOutcome { Goal, GoalKick, Corner, ThrowIn, Stopped, TimeOut, StateChanged };
struct BallLaunchOutcome {
  BallOutcome outcome = BallOutcome::TimeOut;
  int frame = 0;  // the frame (1 = the first update) that ended the launch
  int restartX = 0, restartY = 0;
  int possessionSide = 0;
  int ballX = 0, ballY = 0, height = 0;
  int woodworkHits = 0;  // post and bar deflections
  int boardHits = 0;     // boards and corner flags
};
// Sets the pitch, resets the ball for the ground (holders, cooldowns and spin
// cleared), places and launches it in the launch's match state, then runs
// BallUpdate until the launch ends. The players, BallCarrier, LastKicker,
// PassReceiver and LowGoalSide are what the caller left; the seams in force
// are used (and still called) during the run.
BallLaunchOutcome RunBallLaunch(const BallLaunch& launch);
const char* BallOutcomeName(BallOutcome outcome);
