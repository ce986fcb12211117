// The decisions of the active player on the ball.
#include "gamecode/decide.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/basicacts.h"
#include "gamecode/football.h"
#include "gamecode/freelane.h"
#include "gamecode/kickexec.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/passfind.h"
#include "gamecode/teamops.h"
#include "gamecode/teamshape.h"

int16_t BallRuns[32], SkilfulRuns[32];

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kCommentPriority = 1;
constexpr int kRunMotion = 15;
constexpr int kFar = 32767;

bool AttacksHigh(int side) { return side == LowGoalSide; }
int Sheet(int object, int k) { return SheetSkill(MatchObjects[object], k); }
void Say(int event, int object) { MatchSeams.sayComment(event, kCommentPriority, SideOf(object), object, -1, 0); }
// 100 - a roll of 0 to the skill is below the skill (never for a skill of 0).
bool RollOn(int skill) { return 100 - GameRandom() % (skill + 1) < skill; }

int Across(int direction, int length) {
  return static_cast<int>(std::trunc(std::sin((direction & 255) * kTwoPi / 256.0) * length));
}
int Along(int direction, int length) {
  return -static_cast<int>(std::trunc(std::cos((direction & 255) * kTwoPi / 256.0) * length));
}
bool OutsidePitch(int x, int y) { return x < 156 || x > 1436 || y < 122 || y > 2042; }

int NearestOpponentDistance(int side) {
  const int o = ChaseOrder[1 - side][0];
  return IsPlayer(o) ? MatchObjects[o].ballDistance : kFar;
}

// The distance to a point measured along the lane's direction.
int LaneDistance(int lane, int x, int y) {
  const double l = (lane & 255) * kTwoPi / 256.0;
  return std::abs(static_cast<int>(std::trunc(std::sin(l) * (x - ActorX)))) +
         std::abs(static_cast<int>(std::trunc(std::cos(l) * (y - ActorY))));
}

void Stop(int object) {
  ballVelX = ballVelY = 0;
  SetPlayerAction(object, MatchObjects[object].speed < 30 ? 5 : 6);
}

// The ball out over the near touch line, so that the side can change.
void PutBallOut(int object, int event) {
  const MatchObject& p = MatchObjects[object];
  const int x = ActorX < 796 ? 156 : 1436;
  const int y = p.facing < 64 || p.facing > 192 ? ActorY - GameRandom() % 250 : ActorY + GameRandom() % 250;
  KickInDirection(object, GetDirection256(ActorX, ActorY, x, y));
  Say(event, object);
}

void Clear(int object, int direction, int event) {
  KickInDirection(object, direction);
  Say(event, object);
}

// The pass-to test against a point: passed when close enough along the
// lane; else cleared forward when no opponent is near. True when he kicked.
bool PlayToPoint(int object, int receiver, int x, int y, int lane, int forward) {
  if (LaneDistance(lane, x, y) < 960) {
    if (GameRandom() % 100 < 50) PassToPlayerB(object, receiver);
    else PassToPlayer(object, receiver);
    return true;
  }
  if (NearestOpponentDistance(SideOf(object)) > 54) {
    Clear(object, forward, 0);
    return true;
  }
  return false;
}

// The long-ball instruction far from goal. True when he kicked.
bool FollowInstructions(int object, int lane) {
  MatchObject& p = MatchObjects[object];
  const int side = SideOf(object);
  if (SubstitutionRequest[side] != 0) {
    PutBallOut(object, 1);
    return true;
  }
  const int forward = GetAttackDirection(object, 1, side);
  int mate = PassToObject(object);
  if (mate >= 0) {
    const MatchObject& t = MatchObjects[mate];
    if (t.offPitch != 0 || DirectionDifference(GetDirection256(p.x, p.y, t.x, t.y), forward) > 64) mate = -1;
  }
  if (mate >= 0) {
    if (PlayToPoint(object, mate, MatchObjects[mate].x, MatchObjects[mate].y, lane, forward)) return true;
  } else if (NearestOpponentDistance(side) < 27) {
    Clear(object, p.facing, 0);
    return true;
  }
  // Only when the named team-mate gave nothing: the cell.
  if (ComputeInstructionTarget(object))
    return PlayToPoint(object, PASS_TO_CELL, InstructionTargetX, InstructionTargetY, lane, forward);
  Clear(object, forward, 0);
  return true;
}

int PointX(int t) { return IsPlayer(t) ? MatchObjects[t].x : 0; }
int PointY(int t) { return IsPlayer(t) ? MatchObjects[t].y : 0; }

bool TryCross(int object) {
  const int c = FindCrossTarget(object);
  if (c == NO_PASS_TARGET) return false;
  CrossBall(object, c, PointX(c), PointY(c));
  return true;
}
bool TryShort(int object) {
  if (!RollOn(Sheet(object, 10))) return false;
  const int m = FindPassTargetShort(object, 0);
  if (m == NO_PASS_TARGET) return false;
  PlayBallToTarget(object, m, PointX(m), PointY(m));
  return true;
}
bool TryIntoSpace(int object) {
  const int a = FindPassTargetAnyRange(object);
  if (a == NO_PASS_TARGET) return false;
  PassIntoSpace(object, a);
  return true;
}
bool TryMediumOrVeryLong(int object) {
  const int m = FindPassTargetMedium(object, 0);
  if (m != NO_PASS_TARGET) {
    PassToPlayerB(object, m);
    return true;
  }
  const int v = FindPassTargetVeryLong(object);
  if (v == NO_PASS_TARGET) return false;
  PassToPlayer(object, v);
  return true;
}
bool TryFacing(int object, int mode) {
  const int w = FindPassTargetWithMode(object, mode);
  if (w == NO_PASS_TARGET) return false;
  PlayBallToTarget(object, w, PointX(w), PointY(w));
  return true;
}
bool TryLong(int object) {
  const int l = FindPassTargetLong(object);
  if (l == NO_PASS_TARGET) return false;
  PassToPlayerLong(object, l);
  return true;
}

// The choice among the passes and crosses; false when he keeps the ball.
bool ChooseOption(int object, int lane, int score) {
  const MatchObject& p = MatchObjects[object];
  const int side = SideOf(object);
  const int control = Sheet(object, 12);
  const int r = GameRandom() % (control + 1);
  const int line = offsideLine[1 - side];
  const bool level = AttacksHigh(side) ? ActorY >= line : ActorY <= line;
  const bool across = (lane > 40 && lane < 88) || (lane > 168 && lane < 216);
  if (level && !across) return false;  // through on goal: he runs on
  const int dribbling = Sheet(object, 5);
  if (r > score) {
    if (TryCross(object)) return true;
    if (WingerFlag(p) != 0 && GameRandom() % (control + 1) <= score) return false;
    if (TryShort(object)) return true;
    if (RollOn(dribbling) && TryIntoSpace(object)) return true;
    if (GameRandom() % 200 < dribbling && TryMediumOrVeryLong(object)) return true;
    if (TryFacing(object, 0)) return true;
    return TryLong(object);
  }
  if (GameRandom() % 50 + score <= 100 - Sheet(object, 10)) return false;
  if (TryShort(object)) return true;
  if (TryCross(object)) return true;
  if (GameRandom() % 200 < dribbling && TryIntoSpace(object)) return true;
  if (GameRandom() % 100 < dribbling && TryMediumOrVeryLong(object)) return true;
  if (TryFacing(object, 0)) return true;
  return TryLong(object);
}

// The run commentary of a push: once a possession, by where he is.
void RunComment(int object) {
  if (DribbleCommentCounter != 0) return;
  const bool high = AttacksHigh(SideOf(object));
  int event = 0;
  const bool leftWing = high ? ActorX < 256 : ActorX > 1336;
  const bool rightWing = high ? ActorX > 1336 : ActorX < 256;
  const bool areaEdge = ActorX > 476 && ActorX < 1116 &&
                        (high ? ActorY > 1722 && ActorY < 1754 : ActorY > 410 && ActorY < 442);
  const bool halfway = (ActorY > 1050 && ActorY < 1082) || (ActorY > 1082 && ActorY < 1114);
  if (leftWing) event = 3;
  else if (rightWing) event = 4;
  else if (areaEdge) event = 5;
  else if (halfway) event = 6;
  if (event == 0) return;
  Say(event, object);
  ++DribbleCommentCounter;
}

void Push(int object, int length, int contact) {
  MatchObject& p = MatchObjects[object];
  PolarToOffset(p.facing, length, 256);
  ballVelX = OffsetX * 4096;
  ballVelY = -OffsetY * 4096;
  ballVelHeight = 20480;
  ballSpinX = ballSpinY = ballSpinHeight = 0;  // a plain push: no swerve left over
  ballSpinFrames = 0;
  p.touchLock = static_cast<int16_t>(contact);
}

// The ball played on along the new facing, by how clear the way is.
void CarryOn(int object, int clearness) {
  MatchObject& p = MatchObjects[object];
  const int control = Sheet(object, 12);
  if (clearness == 0) {
    Push(object, 90 - control / 2, 16);
    p.actionArg = 1;
  } else if (clearness == 1) {
    Push(object, 110 - control / 2, 32);
    SetPlayerAction(object, 15);
  } else {
    ++BallRuns[object];
    if (GameRandom() % 400 < control) ++SkilfulRuns[object];
    Push(object, 130 - control / 2, 32);
    SetPlayerAction(object, 16);
  }
  BallKicked(object);
  MarkOffsideCandidates(object);
  RunComment(object);
}

// Turning towards the lane; true when an action was given.
bool TurnTowardsLane(int object, int lane) {
  MatchObject& p = MatchObjects[object];
  const int f = p.facing;
  const int ahead = (lane - f) & 255;
  const bool larger = ahead > 0 && ahead < 128;
  const int diff = DirectionDifference(f, lane);
  if (diff < 32) {
    if (ahead != 0) p.facing = static_cast<uint8_t>((f + (larger ? 1 : -1)) & 255);
    return false;
  }
  int code = 10, reach = 64;
  if (diff < 48) code = larger ? 7 : 11, reach = 16;
  else if (diff < 80) code = larger ? 8 : 12, reach = 34;
  else if (diff < 112) code = larger ? 9 : 13, reach = 74;
  const double a = f * kTwoPi / 256.0;
  const int x = ActorX + reach / 2 * static_cast<int>(std::trunc(2 * std::sin(a)));
  const int y = ActorY - reach / 2 * static_cast<int>(std::trunc(2 * std::cos(a)));
  if (OutsidePitch(x, y)) {
    // No room to turn with it: played back.
    SetPlayerAction(object, 34);
    PassPointX = static_cast<int16_t>(ActorX + Across(f + 128, 50));
    PassPointY = static_cast<int16_t>(ActorY + Along(f + 128, 50));
    PassReceiver = -1;
    Say(2, object);
    return true;
  }
  p.turnFacing = static_cast<int16_t>(lane & 255);
  p.wantedFacing = static_cast<int16_t>(lane & 255);
  SetPlayerAction(object, p.speed < 30 ? 5 : code);
  return true;
}

void RunOn(int object, int lane, int clearness, bool turnedClose) {
  MatchObject& p = MatchObjects[object];
  MovePlayer(object, 100, 1);
  LoopMotion(object, kRunMotion, 1, 0);
  if (p.hasBall != 0 && p.touchLock == 0 && lane >= 0) {
    if (turnedClose) {
      p.facing = static_cast<uint8_t>(lane & 255);
      CarryOn(object, clearness);
    } else {
      BallAtFeet(object);
    }
  }
  if (p.touchLock == 1) p.frame = 31;
}

}  // namespace

int CanShoot(int object) {
  if (!IsPlayer(object)) return 0;
  MatchObject& p = MatchObjects[object];
  const int side = SideOf(object);
  const int dA = GetAttackDirection(object, 1, side);
  const int keeper = SideSlots[1 - side][0];
  const MatchObject& k = MatchObjects[IsPlayer(keeper) ? keeper : object];
  const double e = GetDirection256(ActorX, ActorY, k.x, k.y) * kTwoPi / 256.0;
  const int distK = std::abs(static_cast<int>(std::trunc(std::sin(e) * std::abs(ActorX - k.x)))) +
                    std::abs(static_cast<int>(std::trunc(std::cos(e) * std::abs(ActorY - k.y))));
  if (DirectionDifference(p.facing, dA) - 28 > Sheet(object, 3) && GoalDistance > 160) return 0;
  if (GoalDistance < 80) return 1;
  const int a = std::min(DirectionDifference(dA, 0), DirectionDifference(dA, 128));
  if (a > 44) {
    if (GameRandom() % std::max(distK, 1) == 0) return 1;
    if (distK < 240) return 1;
  } else if (distK < 320) {
    return 1;
  }
  const int deficit = Score[1 - side] > Score[side] ? Score[1 - side] - Score[side] : 0;
  const int role = AttackRole(p);
  const int u = deficit + (role == 1 ? 2 : role == 2 ? -2 : 0) + p.goals;
  if (GoalDistance / 16 > 35) return 0;
  const int t = Sheet(object, 11) + 5 * u - a - GoalDistance / 9;
  return GameRandom() % 50 > t ? 0 : 1;
}

void DecideWithBall(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& p = MatchObjects[object];
  const int side = SideOf(object);
  const int dA = GetAttackDirection(object, 0, side);
  const int k = std::max(GoalDistance / 5 - 200, 0);
  if (p.hasBall == 0) {
    RunOn(object, -1, 0, false);  // only in contact: no decision
    return;
  }
  int lane = FindFreeLane(object, dA, k + 260);
  int clearness = 0;
  if (lane != -1 && FindFreeLane(object, dA, k + 340) == lane) {
    clearness = 1;
    if (FindFreeLane(object, dA, k + 400) == lane) clearness = 2;
  }
  // A trick past the man closing him down.
  const int marker = ActivePlayer[1 - side];
  if (GameRandom() % (Sheet(object, 21) + 101) == 0 && IsPlayer(marker) && MatchObjects[marker].ballDistance < 32 &&
      GoalDistance < 400) {
    SetPlayerAction(object, 72);
    return;
  }
  if (GoalDistance < 160 && CanShoot(object) != 0) {
    Shoot(object, 0);
    return;
  }
  if (LongBallFlag(p) != 0 && GoalDistance > 1400 && FollowInstructions(object, lane)) return;
  int score = 0;
  if (lane == -1) {
    if (CanShoot(object) != 0) {
      Shoot(object, 0);
      return;
    }
    const int c = FindCrossTarget(object);
    if (c != NO_PASS_TARGET) {
      CrossBall(object, c, PointX(c), PointY(c));
      return;
    }
    const bool ahead = SideMomentum[side] > SideMomentum[1 - side];
    for (int i = 0; i < 2; ++i) {
      if ((i == 0) == ahead) {
        const int m = FindPassTargetMedium(object, 0);
        if (m != NO_PASS_TARGET) {
          PassToPlayerB(object, m);
          return;
        }
      } else if (TryFacing(object, 1)) {
        return;
      }
    }
    if (TryLong(object)) return;
    const int v = FindPassTargetVeryLong(object);
    if (v != NO_PASS_TARGET) {
      PassToPlayer(object, v);
      return;
    }
    if (GoalDistance > 1600 && Sheet(object, 23) < 5) {
      if (NearestOpponentDistance(side) < 27) Clear(object, p.facing, 1);
      else Clear(object, dA, 0);
      return;
    }
    // He keeps it.
    lane = p.facing;
    if (RollOn(Sheet(object, 12))) clearness = 2;
    if (OutsidePitch(ballX + Across(p.facing, 100), ballY + Along(p.facing, 100))) {
      Stop(object);
      return;
    }
  } else {
    if (SubstitutionRequest[side] != 0 && GoalDistance > 1400) {
      PutBallOut(object, 0);
      return;
    }
    score = (DirectionDifference(lane, dA) + k / 2) * (3 - clearness);
    if (CanShoot(object) != 0) {
      Shoot(object, 0);
      return;
    }
  }
  if (ChooseOption(object, lane, score)) return;
  // Keeping the ball.
  if (score > 128 && p.touchLock == 0 && NoOpponentNear(object) != 0) {
    Stop(object);
    return;
  }
  const bool turnedClose = DirectionDifference(p.facing, lane) < 10;
  if (TurnTowardsLane(object, lane)) return;
  RunOn(object, lane, clearness, turnedClose);
}

int PlayPassOption(int object, int kind) {
  if (!IsPlayer(object)) return 0;
  switch (kind) {
    case 0: {
      const int m = FindPassTargetShort(object, 0);
      if (m == NO_PASS_TARGET) return 0;
      PlayBallToTarget(object, m, PointX(m), PointY(m));
      return 1;
    }
    case 1: {
      const int m = FindPassTargetMedium(object, 0);
      if (m == NO_PASS_TARGET) return 0;
      PassToPlayerB(object, m);
      return 1;
    }
    case 2: return TryLong(object) ? 1 : 0;
    case 3: {
      const int v = FindPassTargetVeryLong(object);
      if (v == NO_PASS_TARGET) return 0;
      PassToPlayer(object, v);
      return 1;
    }
    default: return 0;
  }
}

void TakeBallOn(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& p = MatchObjects[object];
  const int side = SideOf(object);
  const int forward = GetAttackDirection(object, 0, side);
  const int lane = FindFreeLane(object, forward, 260);
  if (lane < 0) {
    Clear(object, GetAttackDirection(object, 1, side), 0);
    return;
  }
  p.facing = static_cast<uint8_t>(lane);
  CarryOn(object, 1);
}

void Decide_Reset() {
  std::memset(BallRuns, 0, sizeof BallRuns);
  std::memset(SkilfulRuns, 0, sizeof SkilfulRuns);
}
REGISTER_RESET(RESET_MATCH_PLAY, Decide_Reset);
