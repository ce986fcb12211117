// The goalkeeper's actions once chosen.
#include "gamecode/keeper.h"

#include <cstdlib>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/goalcomment.h"
#include "gamecode/highlight.h"
#include "gamecode/kickexec.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"

int16_t KeeperDiveDirection, KeeperDiveClass, KeeperSaveFlag, KeeperPenaltyFlag;
int16_t KeeperDivePointX, KeeperDivePointY;

namespace {

constexpr int kOpenPlayKeeper = 122;
constexpr int kGatherHeight = 16;  // he gathers only a ball below this
constexpr int kHoldDecision = 120;
constexpr int kDiveSpeed = 200;
constexpr int kDiveMoveFrames = 60;
constexpr int kNearPostMargin = 3;
constexpr int kWeakShot = 7;
constexpr int kSaveHighlightFrames = 200;
constexpr int kKickTouchLock = 16;
constexpr int kDefaultKickFrames = 40;
constexpr int kKeeperKickFollowLimit = 120;
constexpr int kLegSaveHeight = 12;    // the legs reach no higher
constexpr int kReachSaveHeight = 30;  // nor do the arms of a keeper on his feet
constexpr int32_t kPunchLift = 3 * 65536;
constexpr int32_t kTipLift = 4 * 65536;

// Sounds.
constexpr int kSfxKick = 6, kSfxPunch = 5, kSfxCatch = 22, kSfxTake = 23, kSfxParry = 25;

struct DiveEntry {
  int code;
  int motion;
  bool outcome;
};
constexpr DiveEntry kDives[] = {
    {152, 118, true},  {141, 119, true},  {167, 120, true},  {170, 121, true},  {126, 122, true},
    {130, 123, true},  {166, 124, true},  {169, 125, true},  {136, 126, true},  {127, 127, true},
    {165, 128, true},  {168, 129, true},  {153, 118, false}, {173, 119, false}, {129, 122, false},
    {172, 123, false}, {137, 126, false}, {171, 127, false},
};

// The velocity a kick from the hands, goal kick or bowl leaves with, set by
// whoever chose the kick; zero when nobody did.
struct KeeperKick {
  int32_t vx, vy, vz;
};

struct KeeperState {
  KeeperKick next[MATCH_PLAYERS];
};
KeeperState gState;


void Say(int event, int object) { MatchSeams.sayComment(event, 0, SideOf(object), object, -1, 0); }


// The ball leaves the keeper with his stored kick, or upfield when none.
void KickFromKeeper(int object) {
  KeeperKick& k = gState.next[object];
  if (k.vx == 0 && k.vy == 0 && k.vz == 0) {
    const int forward = SideOf(object) == LowGoalSide ? 1 : -1;
    k.vy = forward * 700 * 65536 / kDefaultKickFrames;
    k.vz = 4 * 65536;
  }
  // From his hands where he stands; a goal kick from where the ball lies.
  const bool inHands = keeperHolder == object + 1 || throwHolder == object + 1;
  if (keeperHolder == object + 1) keeperHolder = 0;
  if (throwHolder == object + 1) throwHolder = 0;
  PutBallInPlay(inHands ? ActorX : ballX, inHands ? ActorY : ballY, 0, k.vx, k.vy, k.vz);
  BallKicked(object);
  MatchObject& p = MatchObjects[object];
  p.hasBall = 0;
  p.touchLock = kKickTouchLock;
  PossessionSide = static_cast<uint8_t>(SideOf(object));
  LastKicker = static_cast<int16_t>(object);
  BallCarrier = static_cast<int16_t>(object);
  if (MatchState == STATE_KEEPER_HOLDS || MatchState == STATE_KEEPER_RELEASE || MatchState == STATE_GOAL_KICK_TAKEN) {
    MatchState = STATE_OPEN_PLAY;
    MatchStateTimer = 0;
  }
  k = {};
  // Team-mates near where the kick comes down go to meet it.
  if (CurrentSide == SideOf(object)) PredictLanding(kKeeperKickFollowLimit);
}

// The velocity changes of a parry (spill = false) or a spill.
void Deflect(bool spill, bool nearPost, bool handled) {
  if (!spill) {
    ballVelY = -ballVelY;
  } else if (handled) {
    ballVelY = -ballVelY / 2;
  }
  const int spread = spill ? 45 : 30;
  ballVelX = static_cast<int32_t>(static_cast<int64_t>(ballVelX) * (10 + GameRandom() % spread) / 100);
  ballVelY = static_cast<int32_t>(static_cast<int64_t>(ballVelY) * (10 + GameRandom() % spread) / 100);
  ballVelHeight = static_cast<int32_t>(static_cast<int64_t>(ballVelHeight) * 100 / (50 + GameRandom() % 50));
  if (nearPost) ballVelX = static_cast<int32_t>(static_cast<int64_t>(ballVelX) * (GameRandom() % 50) / 100);
}

// A saved shot counts on target for the shooter and his side; the shot record ends.
void ShotSaved() {
  MatchObject& s = MatchObjects[KeeperShotShooter];
  ++s.shotsOnTarget;
  // A shot too far out to be counted still counts once it is saved.
  if (s.shots < s.shotsOnTarget) {
    s.shots = s.shotsOnTarget;
    ++SideShots[SideOf(KeeperShotShooter)];
  }
  KeeperShotShooter = -1;
}

void AfterTouch(int keeper) {
  BallTouch(keeper);
  PossessionSide = static_cast<uint8_t>(SideOf(keeper));
  ClearOffsideFlags();
}

}  // namespace

void Keeper_HoldBall(int object) {
  StopBall();
  BallHeight = 0;
  ballFixedHeight = 0;
  BallTouch(object);
  GiveBallTo(object);
  keeperHolder = static_cast<int16_t>(object + 1);
  PossessionSide = static_cast<uint8_t>(SideOf(object));
  BallCarrier = static_cast<int16_t>(object);
  LastKicker = static_cast<int16_t>(object);
  KeeperShotFlag = 0;
  if (MatchState == STATE_OPEN_PLAY) {
    restartX = ballX;
    restartY = ballY;
    MatchState = STATE_KEEPER_HOLDS;
    MatchStateTimer = 0;
  }
}

int KeeperReach(int keeping) { return keeping / 8 + 20; }

bool Keeper_GathersBall(int object) {
  if (!IsPlayer(object) || MatchState != STATE_OPEN_PLAY || ballOutState != 0) return false;
  if (keeperHolder != 0 || throwHolder != 0 || BallHeight >= kGatherHeight) return false;
  const int reach = KeeperReach(MatchObjects[object].attr[SKILL_KEEPING]);
  if (std::abs(ballX - ActorX) > reach || std::abs(ballY - ActorY) > reach) return false;
  Keeper_HoldBall(object);
  return true;
}

bool BallInSaveBox(int kx, int ky, int reach, int direction, int bx, int by) {
  PolarToOffset(direction & 255, reach / 2, 256);
  const int cx = kx + OffsetX;
  const int cy = ky - OffsetY;
  return std::abs(bx - cx) <= reach / 2 && std::abs(by - cy) <= reach / 4;
}

bool HeightSuitsDive(int heightClass, int h) {
  switch (heightClass) {
    case 0: return h >= 4 && h <= 16;
    case 1: return h <= 12;
    case 2: return h >= 8;
    default: return false;
  }
}

SaveResult SaveDecision(int spillRoll, int catchRoll, int reachSkill, int handling, int strength, bool parryOnly) {
  if (spillRoll > reachSkill && strength > kWeakShot) return SAVE_SPILL;
  if ((catchRoll <= handling || strength <= kWeakShot) && !parryOnly) return SAVE_CATCH;
  return SAVE_PARRY;
}

SaveResult KeeperSaveOutcome(int keeper, bool parryOnly) {
  if (!IsPlayer(keeper)) return SAVE_NONE;
  MatchObject& k = MatchObjects[keeper];
  const int reach = KeeperReach(k.attr[SKILL_KEEPING]);
  if (!BallInSaveBox(ActorX, ActorY, reach, KeeperDiveDirection, ballX, ballY)) return SAVE_NONE;
  if (ballOutState != 0 || keeperHolder != 0 || throwHolder != 0 || k.actionArg2 != 0) return SAVE_NONE;
  if (!HeightSuitsDive(KeeperDiveClass, BallHeight)) return SAVE_NONE;
  PolarToOffset(KeeperDiveDirection & 255, reach / 2, 256);
  const int lowEdge = ActorX + OffsetX - reach / 2, highEdge = ActorX + OffsetX + reach / 2;
  const bool nearPost = (ballVelX < 0 && std::abs(ballX - lowEdge) <= kNearPostMargin) ||
                        (ballVelX > 0 && std::abs(ballX - highEdge) <= kNearPostMargin);
  k.actionArg2 = 1;
  const int strength = KeeperShotStrength;
  const int spillRoll = GameRandom() % 100;
  const int catchRoll = spillRoll > k.attr[SKILL_KEEPING] && strength > kWeakShot ? 0 : GameRandom() % 100;
  const SaveResult result =
      SaveDecision(spillRoll, catchRoll, k.attr[SKILL_KEEPING], k.attr[SKILL_CONTROL], strength, parryOnly);
  const bool shooter = IsPlayer(KeeperShotShooter);
  const bool penalty = KeeperPenaltyFlag != 0;
  if (result == SAVE_CATCH) {
    if (MatchState != STATE_OPEN_PLAY) return SAVE_NONE;
    ++k.counter43;
    MatchSeams.sfxPlay(kSfxCatch);
    static constexpr int kHold[3] = {129, 137, 153};
    const int cls = KeeperDiveClass >= 0 && KeeperDiveClass <= 2 ? KeeperDiveClass : 0;
    const uint8_t side = k.actionArg;
    SetPlayerAction(keeper, kHold[cls]);
    k.actionArg = side;
    k.actionArg2 = 1;
    Keeper_HoldBall(keeper);
    ActivateHighLight(1, kSaveHighlightFrames);
    if (!shooter) Say(138, keeper);
    else if (penalty) ++k.penaltiesSaved, Say(136, keeper);
    else Say(137, keeper);
  } else if (result == SAVE_PARRY) {
    MatchSeams.sfxPlay(kSfxParry);
    Deflect(false, nearPost, false);
    AfterTouch(keeper);
    ++k.stat44;
    ActivateHighLight(1, kSaveHighlightFrames);
    if (!shooter) Say(135, keeper);
    else if (penalty) ++k.penaltiesSaved, Say(133, keeper);
    else Say(134, keeper);
  } else {
    const bool handled = GameRandom() % 100 < k.attr[SKILL_CONTROL];
    Deflect(true, nearPost, handled);
    AfterTouch(keeper);
    ++k.stat46;
    ActivateHighLight(1, kSaveHighlightFrames);
    if (penalty) ++k.penaltiesSaved, Say(131, keeper);
    else Say(132, keeper);
  }
  if (shooter) ShotSaved();
  return result;
}

namespace {
// What a keeper on his feet does with a ball in his reach.
enum class ReachSave { Catch, Legs, Punch, Tip };

// The save of a keeper on his feet (tip over, punch, catch, legs): once per
// action, in open play, with the ball live, low enough and within his reach
// across and a quarter of it along (or the ball's step this frame, so that a
// fast shot cannot jump past him). True when he touched it.
bool ReachSaveOf(int keeper, ReachSave kind) {
  MatchObject& k = MatchObjects[keeper];
  if (k.actionArg2 != 0 || MatchState != STATE_OPEN_PLAY || ballOutState != 0) return false;
  if (keeperHolder != 0 || throwHolder != 0) return false;
  if (BallHeight > (kind == ReachSave::Legs ? kLegSaveHeight : kReachSaveHeight)) return false;
  const int reach = KeeperReach(k.attr[SKILL_KEEPING]);
  const int step = std::abs(ballVelY) >> 16;
  const int along = reach / 4 > step ? reach / 4 : step;
  if (std::abs(ballX - ActorX) > reach || std::abs(ballY - ActorY) > along) return false;
  k.actionArg2 = 1;
  const bool shooter = IsPlayer(KeeperShotShooter);
  switch (kind) {
    case ReachSave::Catch:
      ++k.counter43;
      MatchSeams.sfxPlay(kSfxCatch);
      Keeper_HoldBall(keeper);
      break;
    case ReachSave::Legs:
      Deflect(false, false, false);
      AfterTouch(keeper);
      ++k.stat44;
      break;
    case ReachSave::Punch: {
      // Back out the way it came, to one side, and up.
      ballVelY = -ballVelY / 2;
      ballVelX = (ballX < ActorX ? -1 : 1) * (2 + GameRandom() % 4) * 65536;
      ballVelHeight = kPunchLift;
      AfterTouch(keeper);
      ++k.stat44;
      break;
    }
    case ReachSave::Tip:
      // Over the bar (or round the post): on the way it was going, slower,
      // lifted and pushed away from him.
      ballVelY = ballVelY * 7 / 10;
      ballVelX = (ballX < ActorX ? -1 : 1) * (1 + GameRandom() % 3) * 65536;
      ballVelHeight = kTipLift;
      AfterTouch(keeper);
      ++k.stat44;
      break;
  }
  UpdateBallSpeed();
  if (shooter) ShotSaved();
  return true;
}
}  // namespace

int DiveMotion(int code) {
  for (const DiveEntry& d : kDives)
    if (d.code == code) return d.motion;
  return -1;
}

bool IsOutcomeDive(int code) {
  for (const DiveEntry& d : kDives)
    if (d.code == code) return d.outcome;
  return false;
}

int DiveRule(int L, int N, int h, int acrossOffset, int agility, bool crossing, bool fast) {
  const int quick = agility / 20 + 8;
  auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
  if (crossing) {
    if (in(L, 16, agility / 40 + 16) && std::abs(acrossOffset) < 80 && in(h, 5, 38)) return 125;
    if (in(L, 16, agility / 20 + 16) && N < 150 && in(h, 12, 46)) return 134;
    if (in(L, 9, 12) && N <= quick && in(h, 4, 24)) return 143;
    if (L <= 8 && N <= quick && in(h, 6, 44)) return 140;
    return kOpenPlayKeeper;
  }
  if (L > 16 && N < 20 && in(h, 7, 50)) return 135;
  if (in(L, 13, 16)) {
    if (N <= quick && in(h, 5, 38)) return 125;
    if (in(N, 15, 39) && in(h, 7, 52)) return fast ? 170 : 141;
    if (in(N, 15, 69) && in(h, 7, 52)) return fast ? 167 : 152;
  }
  if (in(L, 9, 12)) {
    if (N <= quick && in(h, 4, 24)) return 143;
    if (in(N, 15, 39) && in(h, 7, 50)) return fast ? 169 : 130;
    if (in(N, 15, 69) && in(h, 7, 50)) return fast ? 166 : 126;
  }
  if (L <= 8) {
    if (N <= quick && in(h, 6, 44)) return 140;
    if (N > quick && N < 40 && in(h, 6, 40)) return fast ? 168 : 127;
    if (N > quick && N < 70 && in(h, 6, 40)) return fast ? 165 : 136;
  }
  return kOpenPlayKeeper;
}

void KeeperDecide(int keeper) {
  if (!IsPlayer(keeper)) return;
  if (period == 4 && MatchState < STATE_PENALTY_PLACED) {
    MatchState = STATE_SHOOTOUT_KICK;
    MatchStateTimer = 0;
    return;
  }
  // His own hold is no restart: a keeper who caught the ball gets up with
  // it (124) while the hold runs. He is not sent out for a ball he already
  // has in his hands, nor in any other stoppage: back in goal.
  const bool getsUp = MatchState == STATE_KEEPER_HOLDS && KeeperDecision > 4;
  if (MatchState != STATE_OPEN_PLAY && !getsUp) {
    SetPlayerAction(keeper, kOpenPlayKeeper);
    return;
  }
  if (KeeperDecision > 4) {
    SetPlayerAction(keeper, 124);
    BallTouch(keeper);
  } else {
    SetPlayerAction(keeper, 145);
    Say(124, keeper);
    MatchObjects[keeper].actionArg = static_cast<uint8_t>((EndsFlag ^ (ballX < Pitch.centreX ? 1 : 0)) & 1);
  }
  PossessionSide = static_cast<uint8_t>(SideOf(keeper));
}

void Keeper_Dive(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& k = MatchObjects[object];
  const int code = k.action;
  const int motion = DiveMotion(code);
  if (motion < 0) return;
  const bool outcome = IsOutcomeDive(code);
  if (outcome) KeeperSaveFlag = 0;
  const int step = k.actionArg2 + 2;
  if (PlayMotion(object, motion + (k.actionArg != 0 ? 20 : 0), step, outcome ? kOpenPlayKeeper : kHoldDecision) == 0)
    return;
  if (ReachDistance(ActorX, ActorY, k.targetX, k.targetY, 1000) != 0 && k.frame < kDiveMoveFrames)
    MoveInDirection(object, kDiveSpeed, kDiveSpeed, KeeperDiveDirection);
  if (outcome) {
    KeeperSaveOutcome(object, false);
  } else if (keeperHolder == 0 || keeperHolder == object + 1) {
    Keeper_HoldBall(object);
  }
}

void Keeper_DecisionAction(int object) {
  KeeperDecision = 8;
  KeeperDecide(object);
}

void Keeper_TakeAtFeet(int object) {
  if (!IsPlayer(object)) return;
  if (keeperHolder == object + 1) {
    // The ball in his hands: he stands with it until the hold hands him the
    // release (a hold not yet begun begins); should the hold end otherwise,
    // he is back in goal.
    MatchObject& k = MatchObjects[object];
    k.speed = 0;
    if (MatchState == STATE_KEEPER_HOLDS) {
      RunTowards(object, k.facing);
      return;
    }
    if (MatchState == STATE_OPEN_PLAY) Keeper_HoldBall(object);
    else SetPlayerAction(object, kOpenPlayKeeper);
    return;
  }
  TurnTowards(object, GetDirection256(ActorX, ActorY, ballX, ballY));
  if (std::abs(ballX - ActorX) <= 9 && std::abs(ballY - ActorY) <= 9 && BallHeight <= 8) {
    BallAtFeet(object);
    MatchObjects[object].hasBall = 1;
    BallCarrier = static_cast<int16_t>(object);
    SetPlayerAction(object, 4);
    return;
  }
  RunToPoint(object, ballX, ballY);
}

void Keeper_EasyTake(int object) {
  MatchObject& k = MatchObjects[object];
  if (k.frame == 0 && k.actionCounter == 0) {
    k.actionCounter = 1;
    ballVelX = static_cast<int32_t>(static_cast<int64_t>(ballVelX) * (GameRandom() % 100) / 100);
    ballVelY = static_cast<int32_t>(static_cast<int64_t>(ballVelY) * (GameRandom() % 100) / 100);
    MatchSeams.sfxPlay(GameRandom() % 2 ? kSfxParry : kSfxTake);
    ActivateHighLight(1, kSaveHighlightFrames);
    Say(127, object);
  }
  PlayMotion(object, 133, 1, kOpenPlayKeeper);
}

namespace {
// Plays the motion, saying the comment on its first frame; then `after`
// (a code, or -1 for the keeper decision).
void PlayWithComment(int object, int motion, int comment, int sfx, int after) {
  MatchObject& k = MatchObjects[object];
  if (k.actionCounter == 0) {
    k.actionCounter = 1;
    if (sfx >= 0) MatchSeams.sfxPlay(sfx);
    if (comment >= 0) Say(comment, object);
  }
  if (PlayMotion(object, motion, 1, after < 0 ? kHoldDecision : after) == 0 && after < 0) KeeperDecide(object);
}

// A kick of the held ball at the end of the motion.
void KickAfterMotion(int object, int motion, int comment) {
  MatchObject& k = MatchObjects[object];
  if (k.actionCounter == 0) {
    k.actionCounter = 1;
    MatchSeams.sfxPlay(kSfxKick);
    if (comment >= 0) Say(comment, object);
  }
  if (PlayMotion(object, motion, 1, kOpenPlayKeeper) == 0) KickFromKeeper(object);
}
}  // namespace

void Keeper_BallBack(int object) { PlayWithComment(object, 133, 139, -1, -1); }
void Keeper_HandKick(int object) { KickAfterMotion(object, 98, 125); }
void Keeper_GoalKick(int object) { KickAfterMotion(object, 97, 122); }

void Keeper_DesperateClear(int object) {
  MatchObject& k = MatchObjects[object];
  if (k.actionCounter == 0) {
    k.actionCounter = 1;
    Say(141, object);
    const int forward = SideOf(object) == LowGoalSide ? 1 : -1;
    if (keeperHolder == 0 && std::abs(ballX - ActorX) <= 16 && std::abs(ballY - ActorY) <= 16) {
      gState.next[object] = {(GameRandom() % 400 - 200) * 65536 / kDefaultKickFrames,
                             forward * 600 * 65536 / kDefaultKickFrames, 3 * 65536};
      KickFromKeeper(object);
    }
  }
  PlayMotion(object, 44, 1, kOpenPlayKeeper);
}

void Keeper_Punch(int object) {
  MatchObject& k = MatchObjects[object];
  ReachSaveOf(object, ReachSave::Punch);
  if (k.actionCounter == 0) {
    k.actionCounter = 1;
    MatchSeams.sfxPlay(kSfxPunch);
    Say(128, object);
  }
  PlayMotion(object, 134, 1, kOpenPlayKeeper);
}

void Keeper_TipOver(int object) {
  MatchObject& k = MatchObjects[object];
  ReachSaveOf(object, ReachSave::Tip);
  if (k.actionCounter == 0) {
    k.actionCounter = 1;
    Say(GameRandom() % 2 ? 129 : 130, object);
    ActivateHighLight(1, kSaveHighlightFrames);
  }
  PlayMotion(object, 132, 1, kOpenPlayKeeper);
}

void Keeper_EasyCatch(int object) {
  ReachSaveOf(object, ReachSave::Catch);
  PlayWithComment(object, 113, 140, kSfxTake, kOpenPlayKeeper);
}

void Keeper_NoProblems(int object) {
  MatchObject& k = MatchObjects[object];
  ReachSaveOf(object, ReachSave::Catch);
  if (k.actionCounter == 0) ActivateHighLight(1, kSaveHighlightFrames);
  PlayWithComment(object, 114, 143, GameRandom() % 2 ? kSfxParry : kSfxTake, kOpenPlayKeeper);
}

void Keeper_LowCatch(int object) { PlayWithComment(object, 114, 154, -1, -1); }
void Keeper_LowTake(int object) { PlayWithComment(object, 113, 155, -1, -1); }

void Keeper_GatherUp(int object) {
  if (PlayMotion(object, 150, 2, kHoldDecision) == 0) KeeperDecide(object);
}

void Keeper_LegSave(int object) {
  MatchObject& k = MatchObjects[object];
  ReachSaveOf(object, ReachSave::Legs);
  if (k.actionCounter == 0) {
    k.actionCounter = 1;
    MatchSeams.sfxPlay(kSfxParry);
    Say(157, object);
  }
  PlayMotion(object, k.action == 154 ? 137 : 117, 1, kOpenPlayKeeper);
}

void Keeper_GoalKickLoop(int object) {
  MatchObject& k = MatchObjects[object];
  LoopMotion(object, 7, 1, 0);
  if (++k.actionCounter >= 16) {
    const KeeperKick kick = gState.next[object];
    SetPlayerAction(object, 132);
    gState.next[object] = kick;
  }
}

void Keeper_Bowl(int object) {
  MatchObject& k = MatchObjects[object];
  if (k.actionCounter == 0) {
    k.actionCounter = 1;
    Say(156, object);
    if (IsPlayer(PassReceiver) && SideOf(PassReceiver) == SideOf(object) && PassReceiver != object)
      SetPlayerAction(PassReceiver, 17);
  }
  if (PlayMotion(object, 99, 1, kOpenPlayKeeper) == 0) KickFromKeeper(object);
}

void Keeper_Motion101(int object) { PlayMotion(object, 101, 1, kOpenPlayKeeper); }
void Keeper_Motion102(int object) { PlayMotion(object, 102, 1, kOpenPlayKeeper); }

void Keeper_SetNextKick(int object, int32_t vx, int32_t vy, int32_t vz) {
  if (IsPlayer(object)) gState.next[object] = {vx, vy, vz};
}

void Keeper_Reset() {
  gState = {};
  KeeperDiveDirection = 0;
  KeeperDiveClass = 0;
  KeeperSaveFlag = 0;
  KeeperPenaltyFlag = 0;
  KeeperDivePointX = KeeperDivePointY = 0;
}
REGISTER_RESET(RESET_MATCH_PLAY, Keeper_Reset);
