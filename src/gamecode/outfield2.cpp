// The last outfield actions: backheel passes, the slide at the ball, taking
// a pass on the turn and following a lay-off.
#include "gamecode/outfield2.h"

#include <algorithm>
#include <cstdlib>

#include "engine/debug.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/passes.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"
#include "generic/matchctrl.h"

int16_t SlidesWon[MATCH_PLAYERS] = {};

namespace {

constexpr int kGiveUp = 3;
constexpr int kOpenPlay = 4;
constexpr int kReceiver = 17;
constexpr int kPassTimer = 300;
constexpr int kSfxPass = 4;
constexpr int kSpinHoldFrames = 16;
constexpr int kCommentPriority = 1;
constexpr int kNear = 6;
constexpr int kWaitLimit = 1000;  // a wait nothing else ends gives up here

struct BackheelMember {
  int code, motion, start, end, speed, comment;
};
constexpr BackheelMember kBackheels[] = {
    {66, MOTION_ANF043, 36, 44, 600, 321},
    {110, MOTION_ANF042, 24, 32, 500, 320},
};

const BackheelMember* BackheelOf(int code) {
  for (const BackheelMember& m : kBackheels)
    if (m.code == code) return &m;
  return nullptr;
}

void ReleaseBackheel(int object, const BackheelMember& m) {
  MatchObject& o = MatchObjects[object];
  const int tx = PassPointX, ty = PassPointY;
  const int receiver = IsPlayer(PassReceiver) && PassReceiver != object ? PassReceiver : -1;
  LastKicker = static_cast<int16_t>(object);
  LaunchBackheel(m.code, MeasurePassLength(ActorX, ActorY, tx, ty), tx, ty);
  if (receiver >= 0) {
    MatchObject& r = MatchObjects[receiver];
    SetPlayerAction(receiver, kReceiver);
    r.passX = static_cast<int16_t>(tx);
    r.passY = static_cast<int16_t>(ty);
    const int shirt = r.attr[SKILL_SHIRT];
    if (shirt >= 1 && shirt <= 16) ++PassesByShirt[object][shirt - 1];
    ThroughPass = 0;
    MatchSeams.sayComment(m.comment, kCommentPriority, SideOf(object), object, receiver, 0);
  }
  LeaveBall(object, kSfxPass);
  PassTimer = kPassTimer;
  LastReceiver = static_cast<int16_t>(receiver);
  LastPasser = static_cast<int16_t>(object);
  o.passes = static_cast<int16_t>(o.passes + 1);
  spinHold = kSpinHoldFrames;
  MarkOffsideCandidates(object);
}

bool Around(int a, int b, int limit) {
  const int diff = (a - b) & 255;
  return diff <= limit || diff >= 256 - limit;
}

// A wait nobody else ends: given up after the limit.
bool WaitedTooLong(int object) {
  MatchObject& o = MatchObjects[object];
  if (o.actionCounter < kWaitLimit) {
    ++o.actionCounter;
    return false;
  }
  DPRINT(DEBUG_GENERAL, 1, "player %d gave up waiting in code %d\n", object, +o.action);
  SetPlayerAction(object, kOpenPlay);
  return true;
}

}  // namespace

int LaunchBackheel(int code, int length, int toX, int toY) {
  const BackheelMember* m = BackheelOf(code);
  if (m == nullptr) m = &kBackheels[0];
  if (2 * length > 2000) length = 1000;
  ballSpinX = ballSpinY = ballSpinHeight = 0;
  ballSpinFrames = 0;
  SetBallVelocityTowards(toX, toY, 2000 - 2 * length + m->speed, length * 200 + 0x4000);
  PassLength = static_cast<int16_t>(length);
  return length;
}

void BackheelPassFrameStep(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const BackheelMember* m = BackheelOf(o.action);
  if (m == nullptr) return;
  const bool atFeet = AtHisFeet(object);
  if (atFeet && o.motionFrame < m->start) BallAtFeet(object);
  const bool inWindow = o.motionFrame >= m->start && o.motionFrame <= m->end;
  if (inWindow && !BallInHands() && o.actionArg == 0 && atFeet) ReleaseBackheel(object, *m);
  else if (!inWindow && BallInHands()) SetPlayerAction(object, kGiveUp);
}

void Action_BackheelPass(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const BackheelMember* m = BackheelOf(o.action);
  if (m == nullptr) return;
  // His back to the man he plays it to.
  TurnTowards(object, (GetDirection256(ActorX, ActorY, PassPointX, PassPointY) + 128) & 255);
  if (!PlayMotion(object, m->motion, o.actionArg + 2, kGiveUp)) return;
  BackheelPassFrameStep(object);
}

bool SlideTouch(int object) {
  if (!IsPlayer(object)) return false;
  MatchObject& o = MatchObjects[object];
  if (BallInHands() || o.ballDistance >= 16 || o.actionArg != 0 || BallHeight >= 8) return false;
  const int side = SideOf(object);
  const int direction = MatchSeams.targetPoint(object, 0, side) & 255;
  PolarToOffset(direction, o.attr[SKILL_POWER] * 3072, 256);
  ballVelX += OffsetX;
  ballVelY -= OffsetY;
  ballVelHeight = static_cast<int32_t>(GameRandom() % 512) * 256;
  o.actionArg = 1;
  MatchSeams.sayComment(170, kCommentPriority, side, object, -1, 0);
  spinHold = kSpinHoldFrames;
  MarkOffsideCandidates(object);
  const int previous = BallCarrier;
  if (IsPlayer(previous)) MatchObjects[previous].hasBall = 0;
  // A ball won off an opponent is a tackle won; his own ball is not.
  if (IsPlayer(previous) && SideOf(previous) != side && MatchState == STATE_OPEN_PLAY) {
    ++o.tacklesWon;
    ++SlidesWon[object];
  }
  o.touchLock = 16;
  BallKicked(object);
  PossessionSide = static_cast<uint8_t>(side);
  SideLastToucher[side] = static_cast<int16_t>(object);
  return true;
}

void Action_SlidingTackle(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  TurnTowards(object, MatchSeams.targetPoint(object, 0, SideOf(object)) & 255);
  if (o.motionFrame < 50) {
    MovePlayer(object, 160, 8);
    KeepInsidePitch();
  }
  if (o.actionCounter == 0) {
    o.actionCounter = 1;
    EffectQueue_Add(o.x, o.y, 1.0f, o.facing, GROUND_EFFECT_TACKLE);
  }
  if (!PlayMotion(object, MOTION_ANF105B, o.actionArg + 2, kOpenPlay)) return;
  SlideTouch(object);
}

void Action_ReceiveTurn(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  MatchSeams.offBallMovement(object);
  if (o.action != 76) return;
  if (o.hasBall != 0 || (BallHeight == 0 && MatchState == STATE_OPEN_PLAY) || ballSpeed >= 2) {
    SetPlayerAction(object, kOpenPlay);
    return;
  }
  if (WaitedTooLong(object)) return;
  const int toBall = GetDirection256(ActorX, ActorY, ballX, ballY);
  if (ReachDistance(ActorX, ActorY, PassPointX, PassPointY, 1000) <= kNear) {
    RunTowards(object, toBall);
    return;
  }
  if (ReachDistance(ActorX, ActorY, ballPredict[0][0], ballPredict[0][1], 1000) <= kNear) {
    TurnTowards(object, toBall);
    if (!PlayMotion(object, MOTION_ANF002, 1, kOpenPlay)) return;
    if (o.frame > 30) o.frame = 30;
    o.speed = 100;
    return;
  }
  const int distance = MeasurePassLength(ActorX, ActorY, ballX, ballY);
  const int turn = (toBall - o.facing) & 255;
  if ((turn >= 8 && turn < 249) || distance >= 125) {
    TurnTowards(object, toBall);
    const int need = DirectionDifference(o.facing, toBall);
    if (need < 32 && distance > 100) {
      LoopMotion(object, MOTION_ANF023, 1, 0);
      MovePlayer(object, 190, 8);
    } else if (distance < 31 || need >= 48) {
      LoopMotion(object, MOTION_ANF019, 1, 31);
      MovePlayer(object, (distance * 100 / 30) * 64 / 100, 1);
    } else {
      LoopMotion(object, MOTION_ANF021, 1, 0);
      MovePlayer(object, 140, 4);
    }
    return;
  }
  LoopMotion(object, MOTION_ANF025, 1, 0);
  MoveInDirection(object, 100, 1, toBall);
}

void Action_FollowLayOff(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  TurnTowards(object, GetDirection256(ActorX, ActorY, ballX, ballY));
  if (!PlayMotion(object, MOTION_ANF002, 1, kOpenPlay)) return;
  if (o.frame > 30) o.frame = 30;
  // The capped clip never ends by itself: at a restart he watches until the
  // restart moves him, or gives up.
  if (MatchState >= 6) {
    WaitedTooLong(object);
    return;
  }
  const int side = SideOf(object), other = 1 - side;
  const int rival = ActivePlayer[other];
  if (!IsPlayer(rival) || side == kickOffSide) {
    SetPlayerAction(object, kGiveUp);
    return;
  }
  // Watching the man who goes for the ball: once he is well away from his
  // point, or has all but got there, this player takes part again; else he
  // goes back to his place.
  const MatchObject& r = MatchObjects[rival];
  const int direction = GetDirection256(ActorX, ActorY, r.targetX, r.targetY);
  TurnTowards(object, direction);
  const int distance = MeasurePassLength(r.x, r.y, r.targetX, r.targetY);
  constexpr int kThreshold = 17;
  if ((distance > kThreshold && !Around(o.facing, direction, 16)) || distance < kThreshold * 3 / 4) {
    o.speed = 100;
    SetPlayerAction(object, kOpenPlay);
  } else {
    SetPlayerAction(object, kGiveUp);
  }
}

void Outfield2_Reset() {
  for (int16_t& n : SlidesWon) n = 0;
}
REGISTER_RESET(RESET_MATCH_PLAY, Outfield2_Reset);
