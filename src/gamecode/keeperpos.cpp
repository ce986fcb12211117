// The goalkeeper in open play and coming out.
#include "gamecode/keeperpos.h"

#include <cstdlib>
#include <initializer_list>

#include "engine/debug.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/challenge.h"
#include "gamecode/comments.h"
#include "gamecode/football.h"
#include "gamecode/keeper.h"
#include "gamecode/kickexec.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/meet.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/officials.h"
#include "gamecode/playerstandin.h"
#include "gamecode/shots.h"
#include "gamecode/tackle.h"
#include "gamecode/teamops.h"

namespace {

constexpr int kOpenPlayKeeper = 122;
constexpr int kComeOut = 145;
constexpr int kHoldReach = 16;  // the ball in his hands lies this close
constexpr int kNever = 10000;
constexpr int kAreaNearLow = 410, kAreaNearHigh = 1754;  // the penalty areas' depth along
constexpr int kAreaMinX = 476, kAreaMaxX = 1116;          // and their width across
constexpr int kReachLimit = 1000;
constexpr int kStepInDistance = 24;  // the walk back ends in single steps this close
constexpr int kAttackerOnBall = 16;  // an attacker this close to the ball he last touched is on it

constexpr int kDistribute = 123, kGoalKickRunUp = 156, kGoalKickApproach = 157, kGoalKickLoop = 158;
constexpr int kBowlOut = 159, kKickFromHands = 131;
constexpr int16_t kMarkerChosen = 13;  // the marker's frame word once a release has begun
constexpr int16_t kMarkerSet = 12;     // as the restart states leave it
constexpr int kWaitCap = 100;
constexpr int kBowlFlight = 120;        // frames a bowled ball may take at most
constexpr int kBowlLead = 200;          // the bowl is aimed this far beyond the receiver
constexpr int kTouchlineBandLow = 556, kTouchlineBandHigh = 1036;

// The release of a held ball or a goal kick under way.
struct ReleaseState {
  int16_t wait = -1;       // counts up to the expected flight frames
  int16_t candidate = -1;  // the chase place tried last
  int16_t countdown = 0;   // frames (at full wait) until the ball goes
  int16_t expected = 0;    // the expected flight frames E
};
ReleaseState gRelease;

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
  // The dive's height class follows the ball's real height where he meets
  // it, not the height his misjudgement gives the rules.
  const int trueHeight = MeetHeight;
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
    KeeperDiveClass = static_cast<int16_t>(DiveClassFor(trueHeight));
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

int DiveClassFor(int h) { return h <= 8 ? 1 : h > 16 ? 2 : 0; }

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

bool ReleaseBowled(int E, bool receiver, int pressure) { return E < kBowlFlight && receiver && pressure > 256; }

bool GoalKickCandidate(int D, int x, int y) {
  if (D < 40 * 16 || D > 75 * 16) return false;
  if (y < 122 || y > 2042) return false;
  return x >= 456 && x <= 1136;
}

void ChooseReleaseReceiver(int keeper, int tries, bool goalKick, bool behind) {
  const int side = SideOf(keeper);
  for (int t = 0; t < tries; ++t) {
    gRelease.candidate = static_cast<int16_t>((gRelease.candidate + 1) % 10);
    const int p = ChaseOrder[side][gRelease.candidate];
    bool passed = false;
    if (IsPlayer(p) && p != keeper && SideOf(p) == side && MatchObjects[p].offPitch == 0) {
      const MatchObject& o = MatchObjects[p];
      passed = goalKick ? GoalKickCandidate(o.ballDistance, o.x, o.y) : ReleaseCandidate(o.ballDistance, o.x, o.y, behind);
      if (passed) {
        KeeperDecision = static_cast<int16_t>(p);
        if (o.x > kTouchlineBandHigh || o.x < kTouchlineBandLow) tries = t + 1 + (tries - t - 1) / 2;
      }
    }
    if (t == tries - 1 && !passed) gRelease.candidate = -1;
  }
}

int ReleaseCandidateIndex() { return gRelease.candidate; }

int ReleasePressure(int side, int x, int y) {
  const uint8_t saved = CurrentSide;
  CurrentSide = static_cast<uint8_t>((side & 1) ^ 1);
  const int nearest = NearestFreeTeamMate(x, y, -1);
  CurrentSide = saved;
  if (!IsPlayer(nearest)) return kNoPressure;
  const MatchObject& o = MatchObjects[nearest];
  return KeeperBallDistance(GetDirection256(o.x, o.y, x, y), x - o.x, y - o.y);
}

KeeperKickVelocity KeeperKickAlong(int d, int length) {
  PolarToOffset(d & 255, length, 256);
  return {OffsetX, -OffsetY};
}

int KeeperKickLength(int kicking) { return (kicking * 2048 + 589824) * 6 / 5; }

namespace {

// The receiver chosen for a release (KeeperDecision), -1 none.
int ChosenReceiver(int keeper) {
  const int r = KeeperDecision;
  return IsPlayer(r) && r != keeper && SideOf(r) == SideOf(keeper) && MatchObjects[r].offPitch == 0 ? r : -1;
}

// The first frame of a release: the marker marks it begun.
void StartRelease() {
  MatchObject& marker = MatchObjects[OBJECT_RESTART_SPOT];
  if (marker.frame == kMarkerChosen) return;
  marker.frame = kMarkerChosen;
  gRelease.wait = 0;
  gRelease.candidate = -1;
  gRelease.countdown = 0;
  gRelease.expected = 0;
}

// The choice: receiver, countdown, the marker on the receiver's place and
// the expected flight frames.
void ChooseRelease(int keeper, int tries, bool goalKick, bool behind) {
  ChooseReleaseReceiver(keeper, tries, goalKick, behind);
  gRelease.countdown = static_cast<int16_t>(ReleaseCountdown(GameRandom() % 50, behind));
  const int receiver = ChosenReceiver(keeper);
  if (receiver >= 0) {
    const MatchObject& r = MatchObjects[receiver];
    PlaceObjectAt(OBJECT_RESTART_SPOT, r.targetX, r.targetY);
    AimPointX = r.targetX;
    AimPointY = r.targetY;
  }
  DistanceToRestartSpot();
  gRelease.expected = static_cast<int16_t>(RestartSpotDistance / 8);
}

// One frame of waiting: the shape looks at the centre; true at the release.
bool WaitForRelease(bool behind) {
  ballPredict[1][0] = 796;
  ballPredict[1][1] = 1082;
  gRelease.wait = static_cast<int16_t>(ReleaseWaitStep(gRelease.wait, gRelease.expected, behind));
  if (gRelease.wait == gRelease.expected && gRelease.countdown > 0) --gRelease.countdown;
  return gRelease.countdown <= 1;
}

// He has touched it last; the ball lies still with him.
void TouchedLast(int keeper) {
  MatchObject& k = MatchObjects[keeper];
  k.touchLock = 0;
  k.speed = 0;
  LastKicker = static_cast<int16_t>(keeper);
  BallCarrier = static_cast<int16_t>(keeper);
  SideLastToucher[SideOf(keeper)] = static_cast<int16_t>(keeper);
  MatchStateTimer = 0;
  KeeperDecision = -1;
  gRelease.wait = -1;
}

void ReleaseHeldBall(int keeper) {
  MatchObject& k = MatchObjects[keeper];
  const int side = SideOf(keeper);
  const MatchObject& marker = MatchObjects[OBJECT_RESTART_SPOT];
  const int mx = marker.x, my = marker.y;
  int d = GetDirection256(ballX, ballY, mx, my);
  if (gRelease.wait > kWaitCap) gRelease.wait = kWaitCap;
  const int receiver = ChosenReceiver(keeper);
  const int kicking = k.attr[SKILL_POWER];
  if (ReleaseBowled(gRelease.expected, receiver >= 0, ReleasePressure(side, mx, my))) {
    const int lead = ballY < 1082 ? kBowlLead : -kBowlLead;
    PassReceiver = static_cast<int16_t>(receiver);
    PassPointX = MatchObjects[receiver].x;
    PassPointY = static_cast<int16_t>(MatchObjects[receiver].y + lead);
    d = GetDirection256(ballX, ballY, mx, my + lead);
    SetPlayerAction(keeper, kBowlOut);
    const KeeperKickVelocity v = KeeperKickAlong(d, kBowlLength);
    k.actionArg = static_cast<uint8_t>(d);
    Keeper_SetNextKick(keeper, v.vx, v.vy, (kicking + gRelease.wait) * 640 + 53248);
  } else {
    SetPlayerAction(keeper, kKickFromHands);
    const KeeperKickVelocity v = KeeperKickAlong(d, KeeperKickLength(kicking));
    Keeper_SetNextKick(keeper, v.vx, v.vy, gRelease.wait * 2048 + 65536);
  }
  StopBall();
  TouchedLast(keeper);
  keeperHolder = static_cast<int16_t>(keeper + 1);
  ballX = ActorX;
  ballY = ActorY;
  ballFixedX = ActorFixedX;
  ballFixedY = ActorFixedY;
  BallHeight = 0;
  ballFixedHeight = 0;
  PlaceBallMarker(0);
  focusObject = OBJECT_BALL;
  if (receiver >= 0) {
    SetPlayerAction(receiver, 4);
    ActivePlayer[side] = static_cast<int16_t>(receiver);
  }
}

// The goal-kick spot: the ball set down there, still.
void BallOnGoalKickSpot() {
  StopBall();
  BallHeight = 0;
  ballFixedHeight = 0;
  ballX = restartX;
  ballY = restartY;
  ballFixedX = restartX * 65536;
  ballFixedY = restartY * 65536;
  PlaceBallMarker(0);
}

}  // namespace

void Keeper_Distribute(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& k = MatchObjects[object];
  // The release belongs to the keeper's hold; any other state (a period
  // ending) sends him back in goal.
  if (MatchState != STATE_KEEPER_RELEASE && MatchState != STATE_KEEPER_HOLDS) {
    SetPlayerAction(object, kOpenPlayKeeper);
    gRelease.wait = -1;
    return;
  }
  const int side = SideOf(object);
  const bool behind = KeeperSideBehind(side);
  PossessionSide = static_cast<uint8_t>(side);
  StartRelease();
  StopBall();
  if (gRelease.countdown == 0) ChooseRelease(object, 5 + GameRandom() % 5, false, behind);
  const MatchObject& marker = MatchObjects[OBJECT_RESTART_SPOT];
  k.speed = 0;
  RunTowards(object, GetDirection256(ActorX, ActorY, marker.x, marker.y));
  if (WaitForRelease(behind)) ReleaseHeldBall(object);
}

void Keeper_GoalKickRunUp(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& k = MatchObjects[object];
  if (MatchState != STATE_GOAL_KICK_TAKEN) {
    SetPlayerAction(object, kOpenPlayKeeper);
    gRelease.wait = -1;
    return;
  }
  const int side = SideOf(object);
  const bool behind = KeeperSideBehind(side);
  BallHeight = 0;
  ballFixedHeight = 0;
  StopBall();
  PossessionSide = static_cast<uint8_t>(side);
  StartRelease();
  if (gRelease.countdown == 0) ChooseRelease(object, 2 + GameRandom() % 5, true, behind);
  const MatchObject& marker = MatchObjects[OBJECT_RESTART_SPOT];
  k.speed = 0;
  RunTowards(object, GetDirection256(ActorX, ActorY, marker.x, marker.y));
  if (!WaitForRelease(behind)) return;
  const int d = GetDirection256(ballX, ballY, marker.x, marker.y);
  const KeeperKickVelocity v = KeeperKickAlong(d, KeeperKickLength(k.attr[SKILL_POWER]));
  StopBall();
  if (gRelease.wait > kWaitCap) gRelease.wait = kWaitCap;
  const int up = gRelease.wait * 1792 + 65536;
  SetPlayerAction(object, kGoalKickLoop);
  Keeper_SetNextKick(object, v.vx, v.vy, up);
  TouchedLast(object);
}

void Keeper_GoalKickApproach(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& k = MatchObjects[object];
  if (MatchState != STATE_GOAL_KICK_TAKEN) {
    SetPlayerAction(object, kOpenPlayKeeper);
    return;
  }
  BallOnGoalKickSpot();
  PossessionSide = static_cast<uint8_t>(SideOf(object));
  k.targetX = restartX;
  k.targetY = restartY;
  bool there = ReachDistance(ActorX, ActorY, restartX, restartY, kReachLimit) == 0;
  if (!there && ++k.actionCounter >= kGoalKickWalkLimit) {
    // A walk that never arrives (blocked for good) ends at the ball.
    DPRINT(DEBUG_GENERAL, 1, "Keeper_GoalKickApproach(): keeper %d put at the goal kick after %d frames\n", object,
           kGoalKickWalkLimit);
    ActorFixedX = restartX * 65536;
    ActorFixedY = restartY * 65536;
    ActorX = restartX;
    ActorY = restartY;
    there = true;
  }
  if (there) {
    MatchObjects[OBJECT_RESTART_SPOT].frame = kMarkerSet;
    SetPlayerAction(object, kGoalKickRunUp);
    k.speed = 0;
    return;
  }
  TurnTowards(object, GetDirection256(ActorX, ActorY, restartX, restartY));
  LoopMotion(object, 10, 1, 31);
  MovePlayer(object, 100, 1);
}

void KeeperPos_Reset() { gRelease = {}; }
REGISTER_RESET(RESET_MATCH_PLAY, KeeperPos_Reset);

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
  // A release or a goal kick waits for him alone: one that has lost its
  // taker picks up again rather than wait for ever.
  if (keeper == object && k.action == kOpenPlayKeeper) {
    if (MatchState == STATE_KEEPER_RELEASE && keeperHolder == object + 1) {
      SetPlayerAction(object, kDistribute);
      return;
    }
    if (MatchState == STATE_GOAL_KICK_TAKEN && RestartSide == side) {
      SetPlayerAction(object, kGoalKickApproach);
      return;
    }
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
  // A ball he has just kicked or thrown is not one to save or come for.
  const bool justPlayed = k.touchLock > 0 && LastKicker == object;
  if (k.action == kOpenPlayKeeper && live && keeper == object && justPlayed) {
    TurnTowardsFast(object, d);
    PositionStep(object, d, tx, ty);
    return;
  }
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
    if (BallInDepth(low) && ballX > kAreaMinX && ballX < kAreaMaxX && Keeper_GathersBall(object)) {
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
    LoopMotion(object, 10, 1, 31);
    if (std::abs(ActorX - tx) + std::abs(ActorY - ty) <= kStepInDistance) {
      // The last steps straight onto his spot: at walking pace with his
      // turning he would circle it.
      ActorFixedX += ((tx > ActorX) - (tx < ActorX)) * 65536;
      ActorFixedY += ((ty > ActorY) - (ty < ActorY)) * 65536;
      ActorX = static_cast<int16_t>(ActorFixedX / 65536);
      ActorY = static_cast<int16_t>(ActorFixedY / 65536);
      return;
    }
    TurnTowards(object, GetDirection256(ActorX, ActorY, tx, ty));
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
  const int attacker = ActivePlayer[SideOf(object) ^ 1];
  const bool attackerOnBall = IsPlayer(attacker) && (MatchObjects[attacker].hasBall != 0 ||
                                                     (BallCarrier == attacker && std::abs(MatchObjects[attacker].x - ballX) +
                                                                                     std::abs(MatchObjects[attacker].y - ballY) <=
                                                                                 kAttackerOnBall));
  if (!Keeper_GathersBall(object)) return;
  const uint8_t step = k.actionArg;
  SetPlayerAction(object, 151);
  k.actionArg = step;
  KeeperMeetsAttacker(object, attacker, attackerOnBall);
}

namespace {

constexpr int kSendingsOffLimit = 4;  // a side down to seven is not cautioned or hurt any more
constexpr int kKnockedSkills = 9;

// The keeper's gather gives a free kick at his position.
void GiveFoul(int keeper, int fouled, int foulingSide, int offender) {
  MatchSeams.infoBar(15, offender, fouled);
  keeperHolder = 0;  // the ball is dead for the free kick
  restartX = MatchObjects[keeper].x;
  restartY = MatchObjects[keeper].y;
  FouledPlayer = static_cast<int16_t>(fouled);
  FoulingSide = static_cast<uint8_t>(foulingSide);
  RefereeOffender = static_cast<int16_t>(offender);
  Fouler = static_cast<int16_t>(offender);
  MatchState = STATE_FOUL;
  MatchStateTimer = 0;
}

// The referee's word with the offender: a booking when the roll of 300 is
// below the card value, a talking-to on a multiple of 4.
void CardOrLecture(int offender, int cardComment, int lectureComment, int lectureNamed) {
  const int r = GameRandom() % 300;
  if (r < RefereeRule2) {
    RefereeDecision = 8;
    Say(cardComment, offender);
  } else if (r % 4 == 0) {
    RefereeDecision = 7;
    ++MatchObjects[offender].warnings;
    Say(lectureComment, lectureNamed);
  }
}

void HurtKeeper(int keeper) {
  MatchObjects[keeper].injury = 1;
  Say(153, keeper);
}

}  // namespace

void KeeperMeetsAttacker(int keeper, int attacker, bool attackerOnBall) {
  if (!IsPlayer(keeper)) return;
  MatchObject& k = MatchObjects[keeper];
  const int side = SideOf(keeper);
  const int toughness = k.attr[SKILL_RESILIENCE];
  if (!IsPlayer(attacker) || SideOf(attacker) == side) {
    Say(149, keeper);
    ++k.stat46;
    return;
  }
  MatchObject& p = MatchObjects[attacker];
  const int other = SideOf(attacker);
  if (p.action == 105 || p.action == 56) {
    // He came in with a tackle.
    if (GameRandom() % 200 < RefereeRule1) {
      if (RefereeFavourRoll(other) != 1) {
        ++p.stat50;
        GiveFoul(keeper, keeper, other, attacker);
        Say(148, keeper, attacker);
        if (SideSendingsOff[other] < kSendingsOffLimit) {
          Say(150, keeper);
          CardOrLecture(attacker, 151, 152, attacker);
        }
      }
      if (GameRandom() % 100 > toughness && GameRandom() % 20 < 10 && SideSendingsOff[other] < kSendingsOffLimit)
        HurtKeeper(keeper);
    }
    ++k.stat46;
    return;
  }
  if (!attackerOnBall) {
    Say(149, keeper);
    ++k.stat46;
    return;
  }
  // He had the ball: he goes down over the keeper.
  EnsureActivePlayer(other);
  SetPlayerAction(attacker, 102);
  if (GameRandom() % 100 > k.attr[SKILL_CONTROL] && GameRandom() % 3 == 0) {
    ++k.stat50;
    GiveFoul(keeper, attacker, side, keeper);
    Say(144, keeper, attacker);
    if (SideSendingsOff[side] < kSendingsOffLimit) {
      Say(145, keeper);
      CardOrLecture(keeper, 146, 147, keeper);
    }
  } else if (GameRandom() % 100 > toughness && GameRandom() % 20 < 10 && SideSendingsOff[other] < kSendingsOffLimit) {
    MatchSeams.infoBar(15, attacker, keeper);
    k.injury = 1;
    ++p.stat50;  // a foul of his (the record's +48 is the keepers' penalties saved)
    GiveFoul(keeper, keeper, other, attacker);
    Say(148, keeper, attacker);
    ++k.stat46;
  } else {
    Say(149, keeper);
    ++k.stat46;
  }
  // His own knock.
  if (GameRandom() % 100 > p.attr[SKILL_RESILIENCE]) {
    const int q = 100 + GameRandom() % 10;
    for (int value = 0; value < kKnockedSkills; ++value) {
      uint8_t& skill = SheetSkill(p, value);
      skill = static_cast<uint8_t>(skill * 100 / q);
    }
    p.fatigue = static_cast<int8_t>(p.fatigue * q / 100 > 127 ? 127 : p.fatigue * q / 100);
    DuelTallies[attacker].knocks = static_cast<int16_t>(DuelTallies[attacker].knocks + q - 100);
  }
  MatchSeams.sfxPlay(11);
}

