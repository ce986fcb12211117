// The restarts' own actions: the free-kick organiser at the foul spot, the
// wall, the push-back of players standing too close, the lined-up taker's
// run-up and count, the delivery to a team-mate, the throw's release, and
// the taker's wait once the ball is played.
#pragma once

#include <cstdint>

// The terms of the next throw-in (set by the thrower's decision) and the
// match's factor on a throw's speed.
extern int16_t ThrowPower, ThrowLift;
extern float ThrowFactor;
// Frames counted by the lined-up taker, and frames waited for the others.
extern int16_t RestartCountdown, RestartWait;
// 12 before a free kick is lined up, 13 once it is.
extern int16_t RestartKind;

// The ball still on the restart spot (restartX, restartY), its marker too.
void PutBallOnRestartSpot();
// A restart target moved at least 1 unit inside every touch line and goal line.
void ClampRestartTarget(int16_t* x, int16_t* y);
// The wall's offsets from its centre for the direction (0-255) from the
// centre to the goal: sector direction / 16, offsets A and B as (x, y).
struct WallOffsets {
  int8_t ax, ay, bx, by;
};
WallOffsets WallOffsetsFor(int direction);
// The wall's centre: from the foul spot about 10 yards along the line to the
// centre of the goal the side attacks, re-aimed at every step.
void WallCentre(int footX, int footY, int side, int* x, int* y);
// The throw's terms from the thrower's power and the distance to the target.
void ChooseThrowTerms(int power, int distance);
// The velocity of a thrown ball towards (tx, ty) from the ball (16.16).
struct ThrowVelocity {
  int32_t vx, vy, vz;
};
ThrowVelocity ThrowVelocityTo(int tx, int ty, bool shortThrow);
// The delivery's speed factor and lift for a distance (units).
struct DeliveryTerms {
  int speed;
  int32_t lift;
};
DeliveryTerms DeliveryTermsFor(int distance);
// Every player on the pitch but the taker and the wall within 10 yards of the
// ball stepped 4 units back along his facing; the number still too close.
int PushBackFromBall(int taker);

// The lined-up taker's distance from the ball measured along his facing.
int BallDistanceAlongFacing(int object);
// The same from a point (a thrower's mark).
int DistanceAlongFacing(int object, int x, int y);
// The taker's target for a delivery: the team-mate furthest upfield within
// reach of the ball; none, a point upfield.
void ChooseDeliveryTarget(int object);

// The team-mate the thrower throws to (-1 none), chosen when he picks the
// ball up.
extern int16_t ThrowReceiver;

void Action_ThrowInWalk(int object);       // 21
void Action_ThrowInPickUp(int object);     // 19
void Action_ThrowWindUp(int object);       // 41
void Action_ShortThrow(int object);        // 42
void Action_LongThrow(int object);         // 35
void Action_RestartOrganiser(int object);  // 53
void Action_FreeKickLineUp(int object);    // 43, 44, 68
void Action_DeadBallDelivery(int object);  // 36
void Action_CornerWalk(int object);        // 22
void Action_WalkToCornerFlag(int object);  // 67
void Action_FreeKickDelivery(int object);  // 94
void Action_FreeKickSetUp(int object);     // 59
void Action_RestartTaker(int object);      // 55
void Action_Wall(int object);              // 58
void Action_AfterRestart(int object);      // 57

void Restarts_Reset();
