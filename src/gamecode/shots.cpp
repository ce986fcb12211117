// The shots and volleys of an outfield player.
#include "gamecode/shots.h"

#include <algorithm>
#include <cstdlib>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/basicacts.h"
#include "gamecode/goalcomment.h"
#include "gamecode/kickexec.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/teamops.h"

int16_t KeeperShotShooter = -1;
int16_t KeeperShotFlag = 0;
int16_t KeeperShotStrength = 0;
int16_t LastShooter = -1;

namespace {

constexpr int kGiveUp = 3;            // the code a shooter goes to when a keeper has the ball
constexpr int kVolleyEnd = 0;         // the code after a volley
constexpr int kPlayingFrames = 16;    // ball contact after a strike
constexpr int kSfxKick = 6;
constexpr int kYard = 16;
constexpr int kCountedYards = 35;     // farther out a shot is neither counted nor called
constexpr int kLoftedFrom = 40 * kYard;
constexpr int kLoftedFollowLimit = 100;
constexpr int kVolleyReach = 20;
constexpr int kAtFeetReach = 9;       // the ball's own contact reach
constexpr int kAtFeetHeight = 7;
constexpr int kCommentPriority = 1;
constexpr int32_t kOne = 65536;       // 1.0 in 16.16


struct ShotMember {
  int code;
  int motion[2];
  int step;
  bool hold;
  int window[2][2];
  int base;
  int32_t loftBase;  // 16.16; 0 for the try from anywhere, which has its own lifts
};
constexpr ShotMember kShots[] = {
    {78, {MOTION_ANF051, MOTION_ANF052}, 1, true, {{27, 35}, {34, 42}}, 220, 110592},  // 1.6875
    {81, {MOTION_ANF049, MOTION_ANF050}, 1, true, {{31, 39}, {38, 46}}, 200, 114688},  // 1.75
    {52, {MOTION_ANF047, MOTION_ANF048}, 2, false, {{51, 59}, {52, 60}}, 170, 0},
};

struct VolleyMember {
  int code;
  int motion;
  int waitUntil;
  int window[2];
  int heightLimit;
  int32_t power;     // 16.16
  int32_t liftBase;  // 16.16
  int runSpeed;
  int comment;
};
constexpr VolleyMember kVolleys[] = {
    {80, MOTION_ANF053, 71, {72, 79}, 12, 12 * kOne, 40960, 140, 294},  // lift 0.625
    {83, MOTION_ANF054, 90, {91, 98}, 16, 11 * kOne, 65536, 140, 295},  // 1.0
    {84, MOTION_ANF055, 17, {18, 25}, 16, 13 * kOne + kOne / 2, 49152, 190, 296},  // 0.75
};

const ShotMember& ShotOf(int code) {
  for (const ShotMember& m : kShots)
    if (m.code == code) return m;
  return kShots[0];
}

const VolleyMember& VolleyOf(int code) {
  for (const VolleyMember& m : kVolleys)
    if (m.code == code) return m;
  return kVolleys[0];
}

void Say(int event, int object, int number) {
  MatchSeams.sayComment(event, kCommentPriority, SideOf(object), object, -1, number);
}

// The call of a counted shot by its distance in yards.
int ShotComment(int code, int yards) {
  if (code == 52) return 217;
  const int first = code == 81 ? 271 : 276;
  const int band = yards < 5 ? 0 : yards < 10 ? 1 : yards < 15 ? 2 : yards < 20 ? 3 : 4;
  return first + band;
}

// The shot's share of the records: counted only from 35 yards or nearer.
void CountShot(int object, int code, int yards) {
  MatchObject& o = MatchObjects[object];
  o.shots = static_cast<int16_t>(o.shots + 1);
  ShotOriginX = ballX;
  ShotOriginY = ballY;
  ShotFrame = static_cast<int16_t>(MatchFrameCounter);
  SideShots[SideOf(object)] = static_cast<int16_t>(SideShots[SideOf(object)] + 1);
  LastShooter = static_cast<int16_t>(object);
  Say(ShotComment(code, yards), object, yards);
}

void StrikeShot(int object) {
  MatchObject& o = MatchObjects[object];
  const ShotMember& m = ShotOf(o.action);
  const int side = SideOf(object);
  const int variant = o.actionArg2 & 1;
  const int intelligence = o.attr[SKILL_INTELLIGENCE];
  LastKicker = static_cast<int16_t>(object);
  UpdateGoalDistance(object, side);
  const int d = GetDirection256(ActorX, ActorY, ShotTargetX, ShotTargetY);
  PolarToOffset(d, o.attr[SKILL_POWER] / 2 + m.base, 256);
  ballVelX = OffsetX * 4096;
  ballVelY = -OffsetY * 4096;
  bool lofted = false;
  if (m.code != 52) {
    if (variant == 0) {
      ballVelHeight = 45056 + 2 * (intelligence / 2) * 256;  // 0.6875: a low drive
    } else {
      const int s = intelligence / 2 + GameRandom() % 100 + intelligence / 2;
      lofted = GoalDistance > kLoftedFrom;
      ballVelHeight = lofted ? m.loftBase + s * 256 : m.loftBase - s * 256;
    }
  } else {
    const int placed = GetEffectiveSkill(object, intelligence);
    if (variant == 0) {
      ballVelHeight = kOne / 2 + placed * 256;
    } else {
      MatchSeams.targetPoint(object, 1, side);
      const int shooting = o.attr[SKILL_SHOOTING];
      constexpr int32_t kBase = 118784;  // 1.8125
      if (SkillRoll(shooting, 100) < shooting) {
        ballVelHeight = kBase - std::max(0, 25 * kYard - GoalDistance) * 50 - placed * 512;
      } else {
        const int s = GameRandom() % 100 + placed;
        lofted = GoalDistance > kLoftedFrom;
        ballVelHeight = lofted ? kBase + s * 256 : kBase - s * 256;
      }
    }
  }
  if (lofted) {
    ballVelX = ballVelX * 60 / 100;
    ballVelY = ballVelY * 60 / 100;
  }
  LeaveBall(object, kSfxKick);
  if (m.code != 52) RecordShotForKeeper(object, side);
  const int yards = GoalDistance / kYard;
  if (yards <= kCountedYards) CountShot(object, m.code, yards);
  MarkOffsideCandidates(object);
  SetStrikeError(object, ShotTargetX);
  // A ball lofted upfield: the team-mates near where it comes down follow it.
  if (lofted) PredictLanding(kLoftedFollowLimit);
}

void StrikeVolley(int object) {
  MatchObject& o = MatchObjects[object];
  const VolleyMember& m = VolleyOf(o.action);
  o.actionArg = 1;
  CheckOffside(object);
  LastKicker = 0;
  PolarToOffset(o.facing, m.power, 256);
  ballVelX = OffsetX;
  ballVelY = -OffsetY;
  const int spread = 101 - std::clamp<int>(o.attr[SKILL_AGILITY], 0, 100);
  const int up = GameRandom() % spread;
  const int down = GameRandom() % spread;
  ballVelHeight = m.liftBase + up * 1024 - down * 1024;
  LeaveBall(object, kSfxKick);
  MarkOffsideCandidates(object);
  LastShooter = static_cast<int16_t>(object);
  o.shots = static_cast<int16_t>(o.shots + 1);
  Say(m.comment, object, 0);
  SideShots[SideOf(object)] = static_cast<int16_t>(SideShots[SideOf(object)] + 1);
  ShotOriginX = ballX;
  ShotOriginY = ballY;
  ShotFrame = static_cast<int16_t>(MatchFrameCounter);
  SetStrikeError(object, -1);
}

}  // namespace

void TurnOneStep(int object, int direction) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  const int d = direction & 255;
  const int f = o.facing;
  if (f == d) return;
  o.facing = static_cast<uint8_t>((f + (((d - f) & 255) < 128 ? 1 : -1)) & 255);
}

void KeepBallAtActor() {
  ballX = static_cast<int16_t>(ActorFixedX / kOne);
  ballY = static_cast<int16_t>(ActorFixedY / kOne);
  ballFixedX = ballX * kOne;
  ballFixedY = ballY * kOne;
  PlaceBallMarker(BallHeight);
}

void RefreshBallPrediction() {
  const int divisors[3] = {10000, 3000, 750};
  for (int i = 0; i < 3; ++i) {
    ballPredict[i][0] = static_cast<int16_t>(ballX + ballVelX / divisors[i]);
    ballPredict[i][1] = static_cast<int16_t>(ballY + ballVelY / divisors[i]);
  }
}

void LeaveBall(int object, int sfx) {
  MatchObject& o = MatchObjects[object];
  o.hasBall = 0;
  o.touchLock = kPlayingFrames;
  o.secondLock = kPlayingFrames;
  o.actionArg = 1;
  ballOutState = 0;
  UpdateBallSpeed();
  BallKicked(object);
  PossessionSide = static_cast<uint8_t>(SideOf(object));
  RefreshBallPrediction();
  MatchSeams.sfxPlay(sfx);
}

bool BallInHands() { return keeperHolder != 0 || throwHolder != 0; }

bool AtHisFeet(int object) {
  if (!IsPlayer(object)) return false;
  if (MatchObjects[object].hasBall != 0) return true;
  // The ball's contact flag lasts the frame he met it; a ball he met last
  // and that lies still at his feet is still his.
  return BallCarrier == object && !BallInHands() && BallHeight < kAtFeetHeight &&
         std::abs(ballX - ActorX) <= kAtFeetReach && std::abs(ballY - ActorY) <= kAtFeetReach;
}

void RecordShotForKeeper(int object, int side) {
  if (!IsPlayer(object)) return;
  KeeperShotShooter = static_cast<int16_t>(object);
  LastScorerBySide[side & 1] = static_cast<uint8_t>(object);
  KeeperShotFlag = 1;
  UpdateBallSpeed();
  KeeperShotStrength = ballSpeed;
}

void ShotFrameStep(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const ShotMember& m = ShotOf(o.action);
  const int variant = o.actionArg2 & 1;
  const int start = m.window[variant][0], end = m.window[variant][1];
  const bool atFeet = AtHisFeet(object);
  if (m.hold && atFeet && o.motionFrame < start) {
    MovePlayer(object, 0, 1);
    KeepBallAtActor();
  }
  const bool inWindow = o.motionFrame >= start && o.motionFrame <= end;
  if (inWindow && o.actionArg == 0 && !BallInHands() && atFeet) {
    StrikeShot(object);
  } else if (!inWindow && BallInHands()) {
    SetPlayerAction(object, kGiveUp);
  }
}

void Action_Shot(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const ShotMember& m = ShotOf(o.action);
  TurnOneStep(object, GetDirection256(ActorX, ActorY, ShotTargetX, ShotTargetY));
  if (!PlayMotion(object, m.motion[o.actionArg2 & 1], o.actionArg + m.step, kGiveUp)) return;
  ShotFrameStep(object);
}

void VolleyFrameStep(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const VolleyMember& m = VolleyOf(o.action);
  if (o.actionArg == 0 && ReachDistance(ActorX, ActorY, o.passX, o.passY, 1000) != 0 && PathBlocked(object) == 0)
    MoveInDirection(object, m.runSpeed, 8, GetDirection256(ActorX, ActorY, o.passX, o.passY));
  if (AtHisFeet(object) && o.motionFrame < m.window[0]) KeepBallAtActor();
  const bool inWindow = o.motionFrame >= m.window[0] && o.motionFrame <= m.window[1];
  if (o.actionArg == 0 && BallHeight <= m.heightLimit &&
      ReachTest(ActorX, ActorY, ballX, ballY, kVolleyReach, m.heightLimit + 1) == 0 && inWindow && !BallInHands())
    StrikeVolley(object);
}

void Action_Volley(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const VolleyMember& m = VolleyOf(o.action);
  const int aim = MatchSeams.targetPoint(object, 1, SideOf(object));
  TurnOneStep(object, aim);
  for (int roll = 0; roll < 2; ++roll)
    if (GameRandom() % 100 < o.attr[SKILL_AGILITY]) TurnOneStep(object, aim);
  if (!PlayMotion(object, m.motion, o.actionArg + 1, kVolleyEnd)) return;
  if (o.actionArg == 0 && o.actionArg2 < m.waitUntil) {
    PlayMotion(object, m.motion, 1, kVolleyEnd);
    if (o.action != m.code) return;
    ++o.actionArg2;
  }
  VolleyFrameStep(object);
}

void Shots_Reset() {
  KeeperShotShooter = -1;
  KeeperShotFlag = 0;
  KeeperShotStrength = 0;
  LastShooter = -1;
}
REGISTER_RESET(RESET_MATCH_PLAY, Shots_Reset);
