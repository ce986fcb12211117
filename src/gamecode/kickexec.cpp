// The shot, pass, cross and clearance executors and the flight predictors.
#include "gamecode/kickexec.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/basicacts.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/passfind.h"
#include "gamecode/teamops.h"

int16_t LandingPointX = 0, LandingPointY = 0;
int16_t RestartSpotDistance = 0;

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kCommentPriority = 1;
constexpr int kKeeperStand = 122;
constexpr int kKeeperComesOut = 145;
constexpr int kReceive = 17;
constexpr int kMaxFlightFrames = 2000;

bool AttacksHigh(int side) { return side == LowGoalSide; }
int Sheet(int object, int k) { return SheetSkill(MatchObjects[object], k); }
void Say(int event, int object) { MatchSeams.sayComment(event, kCommentPriority, SideOf(object), object, -1, 0); }

int Across(int direction, int length) {
  return static_cast<int>(std::trunc(std::sin((direction & 255) * kTwoPi / 256.0) * length));
}
int Along(int direction, int length) {
  return -static_cast<int>(std::trunc(std::cos((direction & 255) * kTwoPi / 256.0) * length));
}

// The distance weighted by the direction between the two points.
int WeightedDistance(int x1, int y1, int x2, int y2) {
  const double e = GetDirection256(x1, y1, x2, y2) * kTwoPi / 256.0;
  return std::abs(static_cast<int>(std::trunc(std::sin(e) * std::abs(x1 - x2)))) +
         std::abs(static_cast<int>(std::trunc(std::cos(e) * std::abs(y1 - y2))));
}

int OpposingKeeper(int side) { return SideSlots[1 - side][0]; }

void SetAction(int object, int code) { SetPlayerAction(object, code); }

// The receiver runs to the point: his reception point and action 17.
void SendReceiver(int receiver, int x, int y) {
  if (!IsPlayer(receiver)) return;
  MatchObjects[receiver].passX = static_cast<int16_t>(x);
  MatchObjects[receiver].passY = static_cast<int16_t>(y);
  SetAction(receiver, kReceive);
}

// The pass point ahead of the receiver along his run.
void LeadReceiver(int receiver, int lead) {
  const int run = GetAttackDirection(receiver, 2, CurrentSide);
  const MatchObject& r = MatchObjects[receiver];
  PassPointX = static_cast<int16_t>(r.x + Across(run, lead));
  PassPointY = static_cast<int16_t>(r.y + Along(run, lead));
}

void ToCell() {
  PassPointX = InstructionTargetX;
  PassPointY = InstructionTargetY;
}

void PassAction(int object, int step) {
  SetAction(object, PassActionForSpeed(MatchObjects[object].speed));
  MatchObjects[object].actionArg2 = static_cast<int16_t>(step);
}

void LeadingPass(int object, int receiver, int step) {
  if (!IsPlayer(object)) return;
  PassReceiver = static_cast<int16_t>(receiver);
  if (!IsPlayer(receiver)) {
    ToCell();
  } else {
    LeadReceiver(receiver, 140);
    SendReceiver(receiver, PassPointX, PassPointY);
  }
  PassAction(object, step);
}

bool OutsidePitch(int x, int y) { return x < 156 || x > 1436 || y < 122 || y > 2042; }

void ShotTargetPart(int object, int mode) {
  const int side = SideOf(object);
  const int keeper = OpposingKeeper(side);
  const MatchObject& k = MatchObjects[IsPlayer(keeper) ? keeper : object];
  const int goalY = AttacksHigh(side) ? 2047 : 117;
  const int dLow = GetDirection256(ActorX, ActorY, 735, goalY);
  const int dHigh = GetDirection256(ActorX, ActorY, 857, goalY);
  const int dK = GetDirection256(ActorX, ActorY, k.x, k.y);
  int diffLow = DirectionDifference(dK, dLow), diffHigh = DirectionDifference(dK, dHigh);
  if (ActorX < 796) diffLow /= 2;
  else diffHigh /= 2;
  const bool lowSide = diffHigh < diffLow;
  const int shooting = Sheet(object, 11);
  int x = 796;
  if (mode != 2) {
    if (GameRandom() % 250 < Sheet(object, 19) + shooting) {
      x = lowSide ? 710 + (100 - shooting) : 882 - (100 - shooting);
    } else {
      x = 796 - GameRandom() % 100;
      x += GameRandom() % 100;
    }
  } else if (GameRandom() % 100 < GetEffectiveSkill(object, Sheet(object, 6))) {
    const int v = TeamShootingValue[side];
    x = lowSide ? 730 - (10 - shooting / 12) + (120 - v) / 2 : 862 + (10 - shooting / 12) - (120 - v) / 2;
  } else {
    x = GameRandom() % 2 == 0 ? 796 - GameRandom() % 100 : 796 + GameRandom() % 100;
  }
  ShotTargetX = static_cast<int16_t>(x);
  ShotTargetY = static_cast<int16_t>(goalY);
}

void ClosingStep(int object) {
  MatchObject& p = MatchObjects[object];
  p.actionArg2 = 0;
  if (GameRandom() % 200 < Sheet(object, 11) || GoalDistance >= 480) p.actionArg2 = 1;
}

}  // namespace

int PassActionForSpeed(int speed) { return speed < 100 ? 29 : speed < 140 ? 109 : 77; }
int ShotActionForSpeed(int speed) { return speed < 100 ? 52 : speed < 140 ? 81 : 78; }

void Shoot(int object, int mode) {
  if (!IsPlayer(object)) return;
  ShotTargetPart(object, mode);
  if (mode != 0) return;
  MatchObject& p = MatchObjects[object];
  const int side = SideOf(object);
  const int keeper = OpposingKeeper(side);
  const MatchObject& k = MatchObjects[IsPlayer(keeper) ? keeper : object];
  const int distK = WeightedDistance(ActorX, ActorY, k.x, k.y);
  const int dA = GetAttackDirection(object, 1, side);
  const int a = DirectionDifference(dA, ActorY <= 1082 ? 0 : 128);
  const bool behind = AttacksHigh(side) ? p.y > k.y : p.y < k.y;
  // A square ball across the keeper.
  if (distK < GoalDistance && a >= 20 && distK < 240 && GameRandom() % 100 < Sheet(object, 10) && !behind) {
    const int m = FindPassTargetMedium(object, 1);
    if (m != NO_PASS_TARGET) {
      PassToPlayerB(object, m);
      Say(7, object);
      return;
    }
  }
  // From a narrow angle: pulled back.
  if (a > 40 && distK < GoalDistance && GameRandom() % 2 == 0) {
    const int m = FindPassTargetMedium(object, 1);
    if (m != NO_PASS_TARGET) {
      PassToPlayerB(object, m);
    } else {
      InstructionTargetX = 796;
      InstructionTargetY = ActorY;
      PlayBallToTarget(object, PASS_TO_CELL, 796, ActorY);
    }
    Say(7, object);
    return;
  }
  // Curled round the keeper.
  if (a >= 15 && a <= 45 && GoalDistance > 240 && GameRandom() % 100 < Sheet(object, 6) && GameRandom() % 2 == 0) {
    SetAction(object, p.speed < 100 ? 97 : 98);
    ShotTargetX = static_cast<int16_t>(ActorX < 796 ? 898 : 694);
    return;
  }
  // A ball in the air near goal.
  if (GoalDistance < 560 && BallHeight >= 5 && keeperHolder == 0) {
    p.passX = ActorX;
    p.passY = ActorY;
    SetAction(object, p.speed < 100 ? 80 : p.speed < 140 ? 83 : 84);
    p.actionArg2 = 35;
    if (GoalDistance < 240 && GameRandom() % 100 < Sheet(object, 3)) {
      SetAction(object, 51);
      p.actionArg2 = 10;
    }
    return;
  }
  const int control = Sheet(object, 12);
  if (distK < 16 * ((100 - control) / 8 + 5) && GoalDistance > 160 && !behind &&
      GameRandom() % 100 < Sheet(object, 6) && GameRandom() % 3 == 0) {
    // Round the keeper.
    const int swerve = GameRandom() % 2 == 0 ? 1 : -1;
    p.facing = static_cast<uint8_t>((dA + swerve * (GameRandom() % 16 + 20)) & 255);
    PolarToOffset(p.facing, 130 - control / 2, 256);
    ballVelX = OffsetX * 4096;
    ballVelY = -OffsetY * 4096;
    ballVelHeight = 20480;
    ballSpinX = ballSpinY = ballSpinHeight = 0;
    ballSpinFrames = 0;
    p.touchLock = 32;
    SetAction(object, 16);
    BallKicked(object);
    MarkOffsideCandidates(object);
    Say(8, object);
    if (distK <= 80 && IsPlayer(keeper) && MatchObjects[keeper].action == kKeeperStand) {
      SetAction(keeper, kKeeperComesOut);
      Say(123, keeper);
    }
    ClosingStep(object);
    return;
  }
  const int r = GameRandom() % 75;
  int code = ShotActionForSpeed(p.speed);
  if (r < GetEffectiveSkill(object, Sheet(object, 6)) || behind || distK < 80) {
    if (distK < 80) code = !behind && p.speed >= 100 ? 105 : p.speed < 100 ? 106 : 107;
    else if (distK < 240) code = p.speed < 100 ? 106 : 107;
  }
  SetAction(object, code);
  ClosingStep(object);
}

void PassToPlayer(int object, int receiver) { LeadingPass(object, receiver, 2); }
void PassToPlayerB(int object, int receiver) { LeadingPass(object, receiver, 1); }

void PassToPlayerLong(int object, int receiver) {
  if (!IsPlayer(object)) return;
  PassReceiver = static_cast<int16_t>(receiver);
  if (!IsPlayer(receiver)) {
    ToCell();
  } else {
    PassPointX = MatchObjects[receiver].x;
    PassPointY = MatchObjects[receiver].y;
  }
  PassAction(object, 2);
}

void PassIntoSpace(int object, int receiver) {
  if (!IsPlayer(object)) return;
  PassReceiver = static_cast<int16_t>(receiver);
  if (!IsPlayer(receiver)) {
    ToCell();
  } else {
    const int goalLine = AttacksHigh(CurrentSide) ? 2042 : 122;
    LeadReceiver(receiver, std::abs(goalLine - MatchObjects[receiver].y) < 720 ? 140 : 280);
    SendReceiver(receiver, PassPointX, PassPointY);
  }
  PassAction(object, 3);
}

void PlayBallToTarget(int object, int receiver, int x, int y) {
  if (!IsPlayer(object)) return;
  MatchObject& p = MatchObjects[object];
  PassReceiver = static_cast<int16_t>(receiver);
  if (receiver == PASS_TO_CELL) {
    ToCell();
  } else {
    PassPointX = static_cast<int16_t>(x);
    PassPointY = static_cast<int16_t>(y);
    if (IsPlayer(receiver)) {
      MatchObjects[receiver].passX = static_cast<int16_t>(x);
      MatchObjects[receiver].passY = static_cast<int16_t>(y);
    }
  }
  const int d = GetDirection256(ActorX, ActorY, PassPointX, PassPointY);
  const int distance = WeightedDistance(ActorX, ActorY, PassPointX, PassPointY);
  const int apart = std::abs(d - p.facing);
  if (apart > 112 && apart < 144 && distance < 160)
    SetAction(object, p.speed < 100 ? 34 : p.speed < 140 ? 110 : 66);
  else
    SetAction(object, PassActionForSpeed(p.speed));
  p.actionArg2 = 0;
}

void CrossBall(int object, int receiver, int x, int y) {
  if (!IsPlayer(object)) return;
  MatchObject& p = MatchObjects[object];
  PassReceiver = static_cast<int16_t>(receiver);
  // The depth to the goal line at the end the ball goes to.
  auto depthTo = [](int pointY) { return pointY < 1082 ? ActorY - 122 : 2042 - ActorY; };
  int depth = 0;
  if (receiver == BLIND_CROSS) {
    Shoot(object, 0);
    int r = GameRandom() % 140;
    if (r < 5) r = 0;
    PassPointX = ShotTargetX;
    PassPointY = static_cast<int16_t>(ShotTargetY < 1082 ? ShotTargetY + r : ShotTargetY - r);
    depth = depthTo(ShotTargetY);
  } else if (receiver == PASS_TO_CELL) {
    ToCell();
    depth = depthTo(PassPointY);
  } else {
    depth = depthTo(y);
    PassPointX = static_cast<int16_t>(x);
    PassPointY = static_cast<int16_t>(y);
    SendReceiver(receiver, x, y);
  }
  const int d = GetDirection256(ActorX, ActorY, PassPointX, PassPointY);
  PolarToOffset(p.facing, 2, 256);
  if (OutsidePitch(ActorX + 54 * OffsetX, ActorY - 54 * OffsetY)) depth = 0;
  const int f = p.facing;
  const bool ahead = (d > f && d - f < 128) || (d < f && f - d > 128);
  SetAction(object, ahead ? 75 : 18);
  p.actionArg2 = static_cast<int16_t>(p.speed > 140 && depth > 145 ? 2 : p.speed > 100 && depth > 120 ? 1 : 0);
}

void KickInDirection(int object, int direction) {
  if (!IsPlayer(object)) return;
  MatchObject& p = MatchObjects[object];
  const int goalY = AttacksHigh(CurrentSide) ? 2042 : 122;
  const int dLow = GetDirection256(ActorX, ActorY, 730, goalY);
  const int dHigh = GetDirection256(ActorX, ActorY, 862, goalY);
  int d = direction & 255;
  bool atGoal;
  if (goalY == 2042) atGoal = dHigh < d && d < dLow;
  else if ((dLow < 128) == (dHigh < 128)) atGoal = dLow < d && d < dHigh;
  else atGoal = d > dLow || d < dHigh;
  if (atGoal) {
    d = (dLow - 16) & 255;
    SetAction(object, 52);
  } else {
    SetAction(object, ShotActionForSpeed(p.speed));
  }
  ++p.clearances;
  ShotTargetX = static_cast<int16_t>(ActorX + Across(d, 1000));
  ShotTargetY = static_cast<int16_t>(ActorY + Along(d, 1000));
  p.actionArg2 = 1;
}

PredictedFlight FlightFromBall() {
  PredictedFlight f;
  f.x = (static_cast<int64_t>(BallFramePos[0]) << 16) + (ballFixedX & 0xFFFF);
  f.y = (static_cast<int64_t>(BallFramePos[1]) << 16) + (ballFixedY & 0xFFFF);
  f.h = (static_cast<int64_t>(BallHeight) << 16) + (ballFixedHeight & 0xFFFF);
  f.vx = ballVelX;
  f.vy = ballVelY;
  f.vh = ballVelHeight;
  f.spinFrames = ballSpinFrames;
  return f;
}

bool StepFlight(PredictedFlight& f) {
  if (f.spinFrames > 0) {
    f.vx += ballSpinX;
    f.vy += ballSpinY;
    f.vh += ballSpinHeight;
    --f.spinFrames;
  }
  f.vx = f.vx * 992 / 1000;
  f.vy = f.vy * 992 / 1000;
  f.vh -= 4000;
  f.h += f.vh;
  // The whole height (truncated) below the ground: a bounce.
  bool bounced = false;
  if (f.h / 65536 < 0) {
    f.h += -f.vh;
    f.vx = static_cast<int64_t>(f.vx * FrameBallFriction);
    f.vy = static_cast<int64_t>(f.vy * FrameBallFriction);
    f.vh = static_cast<int64_t>(-f.vh * FrameBallBounce);
    bounced = true;
  }
  f.x += f.vx;
  f.y += f.vy;
  if (f.vx > -4096 && f.vx < 4096) f.vx = 0;
  if (f.vy > -4096 && f.vy < 4096) f.vy = 0;
  return bounced;
}

void PredictLanding(int limit) {
  LandingPointX = LandingPointY = 0;
  PredictedFlight f = FlightFromBall();
  for (int frame = 0; frame < kMaxFlightFrames; ++frame) {
    StepFlight(f);
    if (f.vh < 0 && f.h / 65536 <= 16) {
      LandingPointX = static_cast<int16_t>(f.x >> 16);
      LandingPointY = static_cast<int16_t>(f.y >> 16);
      break;
    }
  }
  if (LandingPointX + LandingPointY <= 0) return;
  const int side = CurrentSide & 1;
  for (int object = side * SIDE_OBJECTS; object < (side + 1) * SIDE_OBJECTS; ++object) {
    MatchObject& o = MatchObjects[object];
    if (o.offPitch != 0 || o.action > 16) continue;
    if (WeightedDistance(o.x, o.y, LandingPointX, LandingPointY) >= limit) continue;
    SetAction(object, 14);
    o.speed = 140;
  }
}

void DistanceToRestartSpot() {
  const MatchObject& spot = MatchObjects[OBJECT_RESTART_SPOT];
  RestartSpotDistance = static_cast<int16_t>(WeightedDistance(ActorX, ActorY, spot.x, spot.y));
}

void KickExec_Reset() {
  LandingPointX = LandingPointY = 0;
  RestartSpotDistance = 0;
}
REGISTER_RESET(RESET_MATCH_PLAY, KickExec_Reset);
