// Turning a choice on the ball into a kick: where the ball is to go
// (ShotTargetX/Y or PassPointX/Y, teamops.h), who is to receive it
// (PassReceiver, the receiver sent running to his reception point
// passX/passY), which kick action the player takes (by his running speed and
// the geometry) and the kind value in his action step (actionArg2) that the
// kick handler reads. They never strike the ball themselves, except the
// dribble past the goalkeeper inside Shoot. The player is the acting player
// (ActorX, ActorY) of CurrentSide.
#pragma once

#include <cstdint>

// Where PredictLanding found the ball comes down; 0, 0 before the first one.
extern int16_t LandingPointX, LandingPointY;
// The acting player's distance to the restart-spot marker.
extern int16_t RestartSpotDistance;

// The pass action by running speed (29, 109, 77) and the shot action (52, 81, 78).
int PassActionForSpeed(int speed);
int ShotActionForSpeed(int speed);

// Mode 0: the whole shot decision (square ball, pull back, curler, ball in the
// air, past the keeper, finish); modes 1 and 2 only set ShotTarget.
void Shoot(int object, int mode);
// Passes leading the receiver by 140 along his run (action steps 2 and 1);
// a negative receiver plays to the instruction cell.
void PassToPlayer(int object, int receiver);
void PassToPlayerB(int object, int receiver);
// To the receiver where he stands; he keeps his action.
void PassToPlayerLong(int object, int receiver);
// Leading him by 280 (140 within 720 of the goal line he attacks).
void PassIntoSpace(int object, int receiver);
// To the point (receiver -2: the cell); a short ball behind the player is a back-heel.
void PlayBallToTarget(int object, int receiver, int x, int y);
// A cross to the point; receiver -1 crosses to a point before the goal taken
// from Shoot, -2 to the cell.
void CrossBall(int object, int receiver, int x, int y);
// A clearance along the direction, never straight into the attacked goal.
void KickInDirection(int object, int direction);
// Flies the ball on by the ball's own rules until it comes down, then sends
// the free team-mates of CurrentSide nearer than the limit there (action 14).
void PredictLanding(int limit);

// The ball's flight as the predictions step it (16.16 positions and
// velocities; drag, gravity, the spin's frames and the bounce, no lines).
struct PredictedFlight {
  int64_t x, y, h, vx, vy, vh;
  int spinFrames;
};
// The flight from where the ball is now.
PredictedFlight FlightFromBall();
// One frame of it; true when the ball bounced in that frame.
bool StepFlight(PredictedFlight& f);
void DistanceToRestartSpot();

void KickExec_Reset();
