// The goalkeeper in open play and coming out.
#include "gamecode/keeperpos.h"

#include <cstdlib>
#include <initializer_list>

#include "engine/rand.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/keeper.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/meet.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/playerstandin.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"

namespace {

constexpr int kOpenPlayKeeper = 122;
constexpr int kComeOut = 145;
constexpr int kHoldReach = 16;  // the ball in his hands lies this close
constexpr int kNever = 10000;
constexpr int kAreaNearLow = 410, kAreaNearHigh = 1754;  // the penalty areas' depth along
constexpr int kAreaMinX = 476, kAreaMaxX = 1116;          // and their width across
constexpr int kReachLimit = 1000;

bool LowEnd(int side) { return side == LowGoalSide; }
void Say(int event, int object, int second = -1) {
  MatchSeams.sayComment(event, 0, SideOf(object), object, second, 0);
}
int Angle(int a, int b) {
  int d = (a - b) & 255;
  return d > 128 ? 256 - d : d;
}
bool BallInDepth(bool low) { return low ? ballY < kAreaNearLow : ballY > kAreaNearHigh; }

// The dive choice for keeper K standing at the acting position; 122 when
// he stays on his feet.
int ChooseDive(int object) {
  MatchObject& k = MatchObjects[object];
  PredictBallMeeting(k.attr[SKILL_VISION] / 2, ActorX, ActorY, object, 1);
  if (MeetFrame == kNever || MeetDistance == kNever) return kOpenPlayKeeper;
  int L = MeetDistance, N = MeetFrame, h = MeetHeight, px = MeetPointX;
  const int py = MeetPointY;
  const int side = SideOf(object);
  if (KeeperShotFlag != 0 && ballDirection != 256 && SideSlots[side][0] == object && k.action == kOpenPlayKeeper) {
    px -= GameRandom() % 120;
    px += GameRandom() % 120;
    L += GameRandom() % 7;
    h = 22;
  }
  const int R = k.attr[SKILL_COMPOSURE];
  for (int* v : {&L, &N, &h, &px}) {
    if (GameRandom() % 100 > R) {
      *v += GameRandom() % 12;
      *v -= GameRandom() % 12;
    }
  }
  KeeperDiveDirection = static_cast<int16_t>(GetDirection256(ActorX, ActorY, px, py));
  const bool crossing = (ballDirection > 40 && ballDirection < 88) || (ballDirection > 168 && ballDirection < 216);
  const bool fast = ballSpeed > 17 && GameRandom() % 100 > k.attr[SKILL_KEEPING];
  const int code = DiveRule(L, N, h, py - ActorY, k.attr[SKILL_AGILITY], crossing, fast);
  if (code != kOpenPlayKeeper) {
    k.targetX = static_cast<int16_t>(px);
    k.targetY = static_cast<int16_t>(py);
    KeeperDivePointX = static_cast<int16_t>(px);
    KeeperDivePointY = static_cast<int16_t>(py);
    KeeperDiveClass = static_cast<int16_t>(h <= 8 ? 1 : h > 16 ? 2 : 0);
  }
  return code;
}

// Runs at the ball.
void RunAtBall(int object, int d) {
  MatchObject& k = MatchObjects[object];
  if (k.speed < 64) k.speed = 64;
  k.facing = static_cast<uint8_t>(d);
  MovePlayer(object, 140, 1);
  LoopMotion(object, 12, 1, 0);
}

// Goes for the ball (D at most 16, or a loose ball he runs at): true when
// he took an action or ran.
bool GoForBall(int object, int d, int D, bool low) {
  MatchObject& k = MatchObjects[object];
  const int side = SideOf(object), other = side ^ 1;
  if (D <= 16) {
    const int opp = ActivePlayer[other];
    const bool oppFar = !IsPlayer(opp) || std::abs(MatchObjects[opp].x - ballX) + std::abs(MatchObjects[opp].y - ballY) > 32;
    if (BallHeight <= 8 && ballSpeed < 4 && oppFar) {
      const bool inArea = (low ? ballY < kAreaNearLow - 20 : ballY > kAreaNearHigh + 20) && ballX > kAreaMinX &&
                          ballX < kAreaMaxX;
      if (!inArea) {
        SetPlayerAction(object, 133);
        return true;
      }
      KeeperDiveDirection = static_cast<int16_t>(d);
      ++k.stat45;
      SetPlayerAction(object, kComeOut);
      const int first = ChaseOrder[other][0];
      const bool close = IsPlayer(first) && std::abs(MatchObjects[first].x - ballX) + std::abs(MatchObjects[first].y - ballY) <= 32;
      Say(close ? 123 : 124, object);
      k.actionArg = static_cast<uint8_t>(low ? (ballX < ActorX ? 0 : 1) : (ballX > ActorX ? 0 : 1));
      k.speed = 80;
      return true;
    }
    if (ballSpeed >= 4 && BallHeight <= 12) {
      const int height = BallHeight;
      SetPlayerAction(object, ballY > ActorY ? 154 : 155);
      k.actionArg = static_cast<uint8_t>(height);
      return true;
    }
    RunAtBall(object, d);
    return true;
  }
  const int first = ChaseOrder[side][0];
  const int line = DefensiveLineY[side];
  const bool behindFirst = !IsPlayer(first) || (low ? ballY < MatchObjects[first].y : ballY > MatchObjects[first].y);
  const bool loose = behindFirst && (low ? ballY < line + 32 : ballY > line - 32);
  if (!loose || BallHeight >= 8) return false;
  const bool straight = d < 32 || d > 224 || (d > 96 && d < 160);
  if ((D < 480 && straight) || D < 240) {
    RunAtBall(object, d);
    return true;
  }
  return false;
}

// Steps towards the target point, facing the ball.
void PositionStep(int object, int heading, int tx, int ty) {
  MatchObject& k = MatchObjects[object];
  if (ReachDistance(ActorX, ActorY, tx, ty, kReachLimit) == 0) {
    k.speed = 0;
    RunTowards(object, heading);
    return;
  }
  k.facing = static_cast<uint8_t>(heading);
  const int m = GetDirection256(ActorX, ActorY, tx, ty);
  const int a = Angle(m, k.facing);
  if (a > 96) {
    k.facing = static_cast<uint8_t>(m + 128);
    LoopMotion(object, 14, 1, 0);
    MoveInDirection(object, 100, 2, m);
  } else if (a > 32) {
    LoopMotion(object, 96, 1, 0);
    MoveInDirection(object, 64, 2, m);
  } else {
    LoopMotion(object, 10, 1, 0);
    MoveInDirection(object, 64, 2, m);
  }
  TurnTowards(object, heading);
}

}  // namespace

void KeeperTargetPoint(bool low, int state, bool shootout, int /*ballX*/, int by, int d, int* tx, int* ty) {
  const bool live = state >= 0 && state <= 5;
  if (low) {
    if (live && by > 122) {
      *ty = 122 + (by - 122) / 8;
      *tx = 796 + (128 - d) * 2 * 85 / 100;
    } else {
      *tx = 796;
      *ty = 136;
    }
    return;
  }
  if (live && by < 2042) {
    *ty = 2042 - (2042 - by) / 8;
    *tx = d < 128 ? 796 + d * 2 * 85 / 100 : 796 - (256 - d) * 2 * 85 / 100;
  } else {
    *tx = 796;
    *ty = shootout ? 1854 : 2028;
  }
}

KeeperReaction KeeperReactionTerms(int R, int D) {
  KeeperReaction r;
  r.t1 = R * D / 200 + D / 2;
  r.t2 = R * r.t1 / 200 + r.t1 / 2;
  r.t3 = r.t2 * 70 / (R + 300);
  return r;
}

int KeeperBallDistance(int d, int dx, int dy) {
  PolarToOffset(d & 255, std::abs(dx), 256);
  const int across = std::abs(static_cast<int>(OffsetX));
  PolarToOffset(d & 255, std::abs(dy), 256);
  return across + std::abs(static_cast<int>(OffsetY));
}

bool KeeperSideBehind(int side) {
  side &= 1;
  const int mine = Score[side] + MatchFirstLegGoals[side];
  const int theirs = Score[side ^ 1] + MatchFirstLegGoals[side ^ 1];
  return mine < theirs;
}

int ReleaseCountdown(int roll, bool behind) {
  const int c = 10 + roll;
  return behind ? c / 4 + 1 : c;
}

bool ReleaseCandidate(int D, int x, int y, bool behind) {
  const int nearest = (behind ? 20 - 5 : 20) * 16;
  if (D < nearest || D > 70 * 16) return false;
  if (y < 122 || y > 2042) return false;
  if (!behind && (x > 1136 || x < 456)) return false;
  return true;
}

int ReleaseWaitStep(int wait, int E, bool behind) {
  if (behind) return E;
  return wait < E ? wait + 1 : E;
}

bool ReleaseBowled(int E, bool receiver, int pressure) { return E < 120 && receiver && pressure > 256; }

void Keeper_OpenPlay(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& k = MatchObjects[object];
  const int side = SideOf(object);
  const bool low = LowEnd(side);
  // A keeper no longer in the keeper's place hands the role over.
  const int keeper = SideSlots[side][0];
  if (keeper != object) {
    SetPlayerAction(object, 0);
    if (IsPlayer(keeper) && MatchObjects[keeper].action < 120) SetPlayerAction(keeper, kOpenPlayKeeper);
  }
  // The ball still his in open play (he caught it while a whistle was
  // pending): the hold starts again so that he releases it; a hold left
  // from before a restart elsewhere is forgotten.
  if (keeperHolder == object + 1 && MatchState == STATE_OPEN_PLAY) {
    if (std::abs(ballX - ActorX) <= kHoldReach && std::abs(ballY - ActorY) <= kHoldReach) {
      Keeper_HoldBall(object);
      return;
    }
    keeperHolder = 0;
  }
  const int d = GetDirection256(ActorX, ActorY, ballX, ballY);
  k.playedInGoal = 1;
  const int D = KeeperBallDistance(d, ballX - ActorX, ballY - ActorY);
  k.ballDistance = static_cast<int16_t>(D);
  int tx, ty;
  KeeperTargetPoint(low, MatchState, period == 4, ballX, ballY, d, &tx, &ty);
  const KeeperReaction r = KeeperReactionTerms(k.attr[SKILL_COMPOSURE], D);
  const bool live = MatchState >= 0 && MatchState <= 2 && ballY > Pitch.minY && ballY < Pitch.maxY &&
                    ballOutState == 0 && keeperHolder == 0 && throwHolder == 0 && D < 800;
  if (k.action == kOpenPlayKeeper && live && keeper == object) {
    TurnTowardsFast(object, d);
    // The dive.
    const int look = ballY + ballVelY / 750;
    const bool notPast = low ? look <= ActorY + 100 : look >= ActorY - 100;
    const bool inArea = (low ? ActorY <= kAreaNearLow : ActorY >= kAreaNearHigh) && ActorX >= kAreaMinX &&
                        ActorX <= kAreaMaxX;
    if (notPast && (ballSpeed >= 4 || BallHeight > 8) && inArea) {
      const int code = ChooseDive(object);
      if (code != kOpenPlayKeeper) {
        const int px = k.targetX, py = k.targetY;
        SetPlayerAction(object, code);
        k.targetX = static_cast<int16_t>(px);
        k.targetY = static_cast<int16_t>(py);
        k.actionArg = static_cast<uint8_t>(low ? (px < ActorX ? 0 : 1) : (px > ActorX ? 0 : 1));
        k.facing = static_cast<uint8_t>(d);
        return;
      }
    }
    // Coming for the ball.
    const int first = ChaseOrder[side][0];
    const int metric = IsPlayer(first) ? MatchObjects[first].chaseMetric : 1 << 14;
    if (((r.t3 < metric && D < 560) || (r.t2 < 192 && BallInDepth(low))) && GoForBall(object, d, D, low)) return;
    // A ball he has within reach in his own area he holds.
    if (BallInDepth(low) && ballX > kAreaMinX && ballX < kAreaMaxX && PlayerStandIn_KeeperTakesBall(object)) {
      k.speed = 0;
      LoopMotion(object, 0, 1, 0);
      return;
    }
    PositionStep(object, d, tx, ty);
    return;
  }
  if (k.action != kOpenPlayKeeper) return;
  k.targetX = static_cast<int16_t>(tx);
  k.targetY = static_cast<int16_t>(ty);
  if (ReachDistance(ActorX, ActorY, tx, ty, kReachLimit) != 0 && ty > Pitch.minY && ty < Pitch.maxY) {
    ++MoversCount;
    TurnTowards(object, GetDirection256(ActorX, ActorY, tx, ty));
    LoopMotion(object, 10, 1, 31);
    MovePlayer(object, 64, 1);
    return;
  }
  if (MatchState != STATE_OPEN_PLAY) {
    ActorFixedX = tx * 65536;
    ActorFixedY = ty * 65536;
    ActorX = static_cast<int16_t>(tx);
    ActorY = static_cast<int16_t>(ty);
  }
  // Back in his place he watches the ball (turning to it on the way would
  // walk him round it instead).
  TurnTowardsFast(object, d);
  k.speed = 0;
  RunTowards(object, d);
}

void Keeper_ComeOut(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& k = MatchObjects[object];
  const bool low = LowEnd(SideOf(object));
  const bool onBall = std::abs(ballX - ActorX) <= 2 && std::abs(ballY - ActorY) <= 2;
  if (!onBall) TurnTowards(object, GetDirection256(ActorX, ActorY, ballX, ballY));
  if (k.frame < 30 && BallInDepth(low)) MovePlayer(object, 120, 1);
  if (PlayMotion(object, k.actionArg != 0 ? 151 : 131, k.actionArg2 + 2, kOpenPlayKeeper) == 0) return;
  if (k.frame > 30) k.actionArg2 = 1;
  if (BallHeight > 4 || std::abs(ballX - ActorX) > 9 || std::abs(ballY - ActorY) > 9) return;
  if (ballOutState != 0 || throwHolder != 0 || (keeperHolder != 0 && keeperHolder != object + 1)) return;
  if (!PlayerStandIn_KeeperTakesBall(object)) return;
  const uint8_t step = k.actionArg;
  SetPlayerAction(object, 151);
  k.actionArg = step;
  Say(149, object);
  ++k.stat46;
}

