// The outfield player's placed and curled shots and the small movement codes
// around them.
#include "gamecode/outfield.h"

#include <algorithm>
#include <cstdlib>

#include "engine/debug.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/basicacts.h"
#include "gamecode/challenge.h"
#include "gamecode/comments.h"
#include "gamecode/goalcomment.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/officials.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/balltouch.h"
#include "gamecode/shots.h"
#include "gamecode/tackle.h"
#include "gamecode/teamops.h"

namespace {

constexpr int kGiveUp = 3;
constexpr int kYard = 16;
constexpr int kNear = 6;         // "at the point"
constexpr int kSfxKick = 6;
constexpr int kSpinHoldFrames = 16;
constexpr int kCommentPriority = 1;


struct PlacedMember {
  int code;
  int motion[2];
  int step;        // added to actionArg
  int window[2][2];
  int base;        // added to half the power
  bool curled;
  int comment;
};
constexpr PlacedMember kPlaced[] = {
    {106, {MOTION_ANF035, MOTION_ANF036}, 2, {{19, 27}, {55, 63}}, 120, false, 338},
    {107, {MOTION_ANF037, MOTION_ANF038}, 2, {{18, 26}, {41, 49}}, 140, false, 338},
    {97, {MOTION_ANF036, MOTION_ANF036}, 2, {{55, 63}, {55, 63}}, 140, true, 171},
    {98, {MOTION_ANF038, MOTION_ANF038}, 2, {{41, 49}, {41, 49}}, 140, true, 171},
};

const PlacedMember* PlacedOf(int code) {
  for (const PlacedMember& m : kPlaced)
    if (m.code == code) return &m;
  return nullptr;
}

// A wait nobody else ends: given up after the limit, back to open play.
bool WaitedTooLong(int object) {
  MatchObject& o = MatchObjects[object];
  if (o.actionCounter < OUTFIELD_WAIT_LIMIT) {
    ++o.actionCounter;
    return false;
  }
  DPRINT(DEBUG_GENERAL, 1, "player %d gave up waiting in code %d\n", object, +o.action);
  SetPlayerAction(object, MatchState == STATE_OPEN_PLAY ? 4 : 0);
  return true;
}

void StrikePlaced(int object, const PlacedMember& m) {
  MatchObject& o = MatchObjects[object];
  const int side = SideOf(object);
  const int variant = o.actionArg2 & 1;
  LastKicker = static_cast<int16_t>(object);
  if (m.code == 107 && variant == 1) UpdateGoalDistance(object, side);
  const int d = GetDirection256(ActorX, ActorY, ShotTargetX, ShotTargetY);
  PolarToOffset(d, o.attr[SKILL_POWER] / 2 + m.base, 256);
  ballVelX = OffsetX * 4096;
  ballVelY = -OffsetY * 4096;
  if (m.curled) {
    ballVelHeight = CurledShotLift(GoalDistance);
    ballSpinY = 0;
    ballSpinHeight = 0;
    ballSpinX = ActorX < Pitch.centreX ? -8000 : 8000;
    ballSpinFrames = 30;
  } else {
    const int skill = GetEffectiveSkill(object, o.attr[SKILL_INTELLIGENCE]);
    const int shooting = o.attr[SKILL_SHOOTING];
    const bool failed = variant == 1 && SkillRoll(shooting, 100) >= shooting;
    ballVelHeight = PlacedShotLift(variant, skill, GoalDistance, failed);
  }
  LeaveBall(object, kSfxKick);
  spinHold = kSpinHoldFrames;
  RecordShotForKeeper(object, side);
  o.shots = static_cast<int16_t>(o.shots + 1);
  ShotOriginX = ballX;
  ShotOriginY = ballY;
  ShotFrame = static_cast<int16_t>(MatchFrameCounter);
  SideShots[side] = static_cast<int16_t>(SideShots[side] + 1);
  LastShooter = static_cast<int16_t>(object);
  MatchSeams.sayComment(m.comment, kCommentPriority, side, object, -1, 0);
  MarkOffsideCandidates(object);
  if (!m.curled) SetStrikeError(object, ShotTargetX);
}

}  // namespace

int32_t PlacedShotLift(int variant, int skill, int goalDistance, bool shootingRollFailed) {
  if (variant == 0) return skill * 256 + 0xB000;
  int32_t d = 0x1C000;
  if (!shootingRollFailed) d -= 50 * std::max(25 * kYard - goalDistance, 0);
  return skill * -1280 + d;
}

int32_t CurledShotLift(int goalDistance) { return 0x1C000 - 50 * std::max(25 * kYard - goalDistance, 1); }

void PlacedShotFrameStep(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const PlacedMember* m = PlacedOf(o.action);
  if (m == nullptr) return;
  const int variant = o.actionArg2 & 1;
  const int start = m->window[variant][0], end = m->window[variant][1];
  const bool atFeet = AtHisFeet(object);
  // The second style and the curled shots set themselves before the strike.
  if (m->code != 106 && atFeet && o.motionFrame < start) {
    MovePlayer(object, 0, 1);
    BallAtFeet(object);
  }
  const bool inWindow = o.motionFrame >= start && o.motionFrame <= end;
  if (inWindow && o.actionArg == 0 && !BallInHands() && atFeet) {
    StrikePlaced(object, *m);
  } else if (!inWindow && BallInHands()) {
    SetPlayerAction(object, kGiveUp);
  }
}

void Action_PlacedShot(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const PlacedMember* m = PlacedOf(o.action);
  if (m == nullptr) return;
  TurnTowards(object, GetDirection256(ActorX, ActorY, ShotTargetX, ShotTargetY));
  if (!PlayMotion(object, m->motion[o.actionArg2 & 1], o.actionArg + m->step, kGiveUp)) return;
  PlacedShotFrameStep(object);
}

void Action_CurledShot(int object) { Action_PlacedShot(object); }

void Action_FollowBall(int object) {
  if (!IsPlayer(object)) return;
  if (BallHeight < 16 && ballVelY < 0) {
    SetPlayerAction(object, 3);
    return;
  }
  // On the way he may meet the ball in the air.
  MatchSeams.offBallMovement(object);
  if (MatchObjects[object].action != 14) return;
  if (WaitedTooLong(object)) return;
  RunToPoint(object, ballX, ballY);
}

void Action_RunToPoint(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (ReachDistance(ActorX, ActorY, o.targetX, o.targetY, 1000) <= kNear) {
    if (MatchState == STATE_OPEN_PLAY) {
      SetPlayerAction(object, 0);
      return;
    }
    if (!WaitedTooLong(object)) TurnTowards(object, o.wantedFacing);
    return;
  }
  RunToPoint(object, o.targetX, o.targetY);
  o.action = 96;
}

void Action_WalkToPoint(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (MatchState == STATE_OPEN_PLAY) {
    SetPlayerAction(object, 3);
    return;
  }
  LoopMotion(object, MOTION_ANF021, 1, 0);
  if (WaitedTooLong(object)) return;
  if (ReachDistance(ActorX, ActorY, o.targetX, o.targetY, 1000) <= kNear) {
    TurnTowards(object, o.wantedFacing);
    return;
  }
  TurnTowards(object, GetDirection256(ActorX, ActorY, o.targetX, o.targetY));
  MovePlayer(object, 140, 1);
}

void Action_PlayOnce(int object) {
  if (!IsPlayer(object)) return;
  SetPlayerAction(object, 0);
  MatchObject& o = MatchObjects[object];
  o.motion = MOTION_ANF004;
}

void Action_StumbleOn(int object) {
  if (!IsPlayer(object)) return;
  PlayMotion(object, MOTION_ANF101, 2, 4);
}

DiveOutcome JudgeDive(int object) {
  if (!IsPlayer(object) || MatchState != STATE_OPEN_PLAY) return DIVE_PLAY_ON;
  const MatchObject& o = MatchObjects[object];
  const int side = SideOf(object), other = 1 - side;
  const bool fooled =
      GameRandom() % 100 < o.attr[SKILL_DRIBBLING] || RefereeFavourRoll(side) == 1;
  DiveOutcome outcome = DIVE_PLAY_ON;
  if (fooled) {
    FouledPlayer = static_cast<int16_t>(object);
    FoulingSide = static_cast<uint8_t>(other);
    Fouler = SideSlots[other][0];
    outcome = DIVE_FREE_KICK;
  } else if (GameRandom() % 100 < RefereeRule1 && SideSendingsOff[side] < 4) {
    Fouler = static_cast<int16_t>(object);
    RefereeOffender = static_cast<int16_t>(object);
    RefereeDecision = 8;
    FoulingSide = static_cast<uint8_t>(side);
    FouledPlayer = SideSlots[other][0];
    outcome = DIVE_BOOKED;
  } else {
    return DIVE_PLAY_ON;
  }
  restartX = ActorX;
  restartY = ActorY;
  MatchState = STATE_FOUL;
  MatchStateTimer = 0;
  MatchSeams.sayComment(outcome == DIVE_FREE_KICK ? 336 : 337, kCommentPriority, side, object, -1, 0);
  return outcome;
}

void Action_Dive(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (!PlayMotion(object, MOTION_ANF101, o.actionArg + 1, 4)) return;
  MovePlayer(object, 0, 2);
  if (o.actionArg != 0) return;
  o.actionArg = 1;
  JudgeDive(object);
}

int16_t RecklessFouls[MATCH_PLAYERS] = {};

namespace {

constexpr int kClearing = 5;
constexpr int kKeeperActions = 120;
constexpr int kRedCardSound = 12;

}  // namespace

bool RecklessFoul(int challenger, int carrier, bool carrierClearing, int duel) {
  if (!IsPlayer(challenger) || !IsPlayer(carrier)) return false;
  const MatchObject& o = MatchObjects[challenger];
  const MatchObject& c = MatchObjects[carrier];
  const int side = SideOf(challenger);
  if (GameRandom() % 50 >= RefereeRule1) return false;
  if (c.ballDistance <= o.attr[SKILL_TACKLING] / 12 || o.actionArg2 != 0 || duel != 0) return false;
  if (RefereeFavourRoll(side) != 0 || carrierClearing || MatchState != STATE_OPEN_PLAY) return false;
  ++DuelTallies[challenger].challengeFouls;
  ++RecklessFouls[challenger];
  MatchSeams.sayComment(331, 0, side, challenger, carrier, 0);
  MatchSeams.infoBar(15, challenger, carrier);
  WhistleFoul(challenger, carrier);
  if (SideSendingsOff[side] >= 4 || SideSlots[side][0] == challenger) return true;
  CardRoll = static_cast<int16_t>(GameRandom() % 100);
  const bool yellow = CardRoll > RefereeRule2;
  RefereeDecision = yellow ? 8 : 9;
  MatchSeams.sayComment(yellow ? 332 : 333, 0, side, challenger, carrier, 0);
  if (LastMan(side) == challenger && ballX > 412 && ballX < 1180) {
    MatchSeams.sfxPlay(kRedCardSound);
    RefereeDecision = 9;
    MatchSeams.sayComment(334, 0, side, challenger, carrier, 0);
  }
  return true;
}

void Action_RecklessChallenge(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const int carrier = IsPlayer(BallCarrier) && SideOf(BallCarrier) != SideOf(object) ? BallCarrier : -1;
  const bool clearing = carrier >= 0 && MatchObjects[carrier].action == kClearing;
  if (o.motionFrame < 50) {
    MovePlayer(object, 160, 8);
    KeepInsidePitch();
  }
  if (!PlayMotion(object, MOTION_ANF100, o.actionArg + 1, 4)) {
    ChallengeEffectShown[1] = 0;
    o.turning = 0;
    return;
  }
  if (carrier < 0) return;
  MatchObject& c = MatchObjects[carrier];
  if (ChallengeContact(object, carrier) && PossessionSide != CurrentSide && o.hasBall == 0 &&
      MatchState == STATE_OPEN_PLAY && o.touchLock == 0 && c.action < kKeeperActions && c.actionArg == 0) {
    const int duel = ResolveTackle(carrier, object);
    if (ChallengeEffectShown[1] == 0) ChallengeEffectShown[1] = 1;
    RecklessFoul(object, carrier, clearing, duel);
  }
  if (BallInHands() || o.ballDistance >= 16 || o.actionArg2 != 0 || BallHeight >= 8) return;
  PolarToOffset(o.facing, o.attr[SKILL_POWER] * 3072, 256);
  ballVelX += OffsetX;
  ballVelY -= OffsetY;
  ballVelHeight = 0x8000;
  o.actionArg2 = 1;
  o.touchLock = 16;
  if (MatchState == STATE_OPEN_PLAY) {
    ++o.tacklesWon;
    CountBoxTouchA(object, SideOf(object));
    ++DuelTallies[carrier].dispossessed;
    MatchSeams.sayComment(335, 0, CurrentSide, object, carrier, 0);
  }
  c.hasBall = 0;
  spinHold = kSpinHoldFrames;
  BallKicked(object);
  PossessionSide = static_cast<uint8_t>(CurrentSide);
  SideLastToucher[CurrentSide & 1] = static_cast<int16_t>(object);
}

void Outfield_Reset() {
  for (int16_t* counts : {RecklessFouls, ControlledBlocks, Deflections, Handballs})
    for (int i = 0; i < MATCH_PLAYERS; ++i) counts[i] = 0;
}
REGISTER_RESET(RESET_MATCH_PLAY, Outfield_Reset);

void Action_WaitForPass(int object) {
  if (!IsPlayer(object)) return;
  if (WaitedTooLong(object)) return;
  LoopMotion(object, MOTION_ANF019, 1, 0);
  TurnTowards(object, GetDirection256(ActorX, ActorY, ballX, ballY));
}

int16_t ControlledBlocks[MATCH_PLAYERS] = {};
int16_t Deflections[MATCH_PLAYERS] = {};
int16_t Handballs[MATCH_PLAYERS] = {};

namespace {

// The lift of a ball blocked or handled, by its height at contact (16.16,
// in sixteenths); 29 and above use the last entry. The shared table of the
// headers and the ball control has the same row.
constexpr int16_t kBlockLift16[30] = {-24, -20, -16, -8, -4, 0, 1, 2, 3, 4, 6, 8, 10, 12, 12,
                                      12,  12,  12,  12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12};

void KnockAlongFacing(const MatchObject& o, int magnitude) {
  PolarToOffset(o.facing, magnitude, 256);
  ballVelX = OffsetX;
  ballVelY = -OffsetY;
  ballVelHeight = BlockLift(BallHeight);
}

}  // namespace

int32_t BlockLift(int height) { return kBlockLift16[std::clamp(height, 0, 29)] * 4096; }

void Action_Block(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const bool left = o.action == 114;
  TurnTowards(object, o.wantedFacing);
  if (!PlayMotion(object, left ? MOTION_ANF096R : MOTION_ANF096, o.actionArg + 1, 0)) return;
  if (o.actionArg != 0) return;
  if (ReachDistance(ActorX, ActorY, o.passX, o.passY, 1000) != 0)
    MoveInDirection(object, 140, 8, GetDirection256(ActorX, ActorY, o.passX, o.passY));
  BlockTouch(object, left);
}

bool BlockTouch(int object, bool left) {
  if (!IsPlayer(object)) return false;
  MatchObject& o = MatchObjects[object];
  if (o.actionArg != 0 || ReachTest(ActorX, ActorY, ballX, ballY, 20, 16) != 0) return false;
  o.actionArg = 1;
  if (GameRandom() % 100 < GetEffectiveSkill(object, o.attr[SKILL_CONTROL])) {
    KnockAlongFacing(o, 0xE000);
    ++ControlledBlocks[object];
  } else {
    KnockAlongFacing(o, 0x38000);
    ++Deflections[object];
  }
  MatchSeams.sayComment(left ? 326 : 327, kCommentPriority, SideOf(object), object, -1, 0);
  BallTouch(object);
  return true;
}

void Action_Handball(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  TurnTowards(object, o.wantedFacing);
  if (!PlayMotion(object, MOTION_ANF111, o.actionArg + 1, 0)) return;
  if (o.actionArg != 0 || ReachTest(ActorX, ActorY, ballX, ballY, 12, 16) != 0) return;
  o.actionArg = 1;
  KnockAlongFacing(o, 0x10000);
  BallTouch(object);
  JudgeHandball(object);
}

bool JudgeHandball(int object) {
  if (!IsPlayer(object)) return false;
  const int side = SideOf(object);
  MatchSeams.sayComment(322, kCommentPriority, side, object, -1, 0);
  if (MatchState != STATE_OPEN_PLAY) return false;
  if (RefereeFavourRoll(side) == 1) {
    MatchSeams.sayComment(325, kCommentPriority, side, object, -1, 0);
    return false;
  }
  MatchSeams.sayComment(323, kCommentPriority, side, object, -1, 0);
  ++Handballs[object];
  MatchSeams.infoBar(13, object, -1);
  if (GameRandom() % 200 < RefereeRule1 && SideSendingsOff[side] < 4) {
    MatchSeams.sayComment(324, kCommentPriority, side, object, -1, 0);
    RefereeDecision = 8;
    RefereeOffender = static_cast<int16_t>(object);
  }
  FouledPlayer = BallCarrier;
  restartX = ActorX;
  restartY = ActorY;
  MatchState = STATE_FOUL;
  MatchStateTimer = 0;
  FoulingSide = static_cast<uint8_t>(side);
  ++DuelTallies[object].holdingFouls;
  Fouler = static_cast<int16_t>(object);
  return true;
}
