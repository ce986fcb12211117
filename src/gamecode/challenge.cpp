#include "gamecode/challenge.h"

#include <cmath>
#include <cstdlib>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/basicacts.h"
#include "gamecode/comments.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/officials.h"
#include "gamecode/tackle.h"
#include "gamecode/teamops.h"

int16_t Fouler = -1;
int16_t CardRoll = 0;
int16_t ChallengeEffectShown[2] = {};

namespace {

constexpr int kActionClearing = 5;
constexpr int kActionOpenPlay = 4;
constexpr int kActionStumbleForward = 93;
constexpr int kActionWonChallenge = 90;
constexpr int kKeeperActions = 120;
constexpr int kDismissedLimit = 4;
constexpr int kRedCardSound = 12;
constexpr int32_t kHalfLift = 32768;  // 0.5 in 16.16

bool OpenPlay() { return MatchState == STATE_OPEN_PLAY; }

// The man the challenger goes for: the last to touch the ball, as long as he
// plays for the other side (once a team-mate has it there is nobody to
// challenge, and no foul to give).
int Carrier(int challenger) {
  return IsPlayer(BallCarrier) && SideOf(BallCarrier) != SideOf(challenger) ? BallCarrier : -1;
}

// Knocks the ball along the direction: the velocity across gains the sine
// part, along loses the cosine part; the lift is set.
void KnockBall(int direction, int magnitude, int32_t lift) {
  PolarToOffset(direction & 255, magnitude, 256);
  ballVelX += OffsetX;
  ballVelY -= OffsetY;
  ballVelHeight = lift;
}

bool BallInHands() { return keeperHolder != 0 || throwHolder != 0; }

// The ball can be played: nobody holds it, it is close and low, and the
// challenger has not played it in this challenge yet.
bool BallWithinReach(const MatchObject& o, int flag) {
  return !BallInHands() && o.ballDistance < 16 && flag == 0 && BallHeight < 8;
}

// The man on the ball can be challenged: the shared conditions of the
// foul tests.
bool Challengeable(int challenger, int carrier, int flag) {
  const MatchObject& o = MatchObjects[challenger];
  const MatchObject& c = MatchObjects[carrier];
  return ChallengeContact(challenger, carrier) && PossessionSide != CurrentSide && o.hasBall == 0 && OpenPlay() &&
         o.touchLock == 0 && c.action < kKeeperActions && SideOf(carrier) != SideOf(challenger) &&
         c.actionArg == 0 && flag == 0;
}

// The ball taken off the carrier: possession passes to the challenger.
void TakePossession(int challenger, int carrier) {
  MatchObjects[carrier].hasBall = 0;
  BallKicked(challenger);
  PossessionSide = CurrentSide;
  SideLastToucher[CurrentSide & 1] = static_cast<int16_t>(challenger);
}

void CountWon(int challenger, int carrier) {
  ++MatchObjects[challenger].tacklesWon;
  CountBoxTouchA(challenger, SideOf(challenger));
  ++DuelTallies[carrier].dispossessed;
}

// The foul test of the standing challenge and the tackle.
void FoulTest(int challenger, int carrier, int family, FoulKind kind) {
  MatchObject& o = MatchObjects[challenger];
  if (!Challengeable(challenger, carrier, 0)) return;
  // The ground mark of the challenge is made once per challenge.
  if (ChallengeEffectShown[family] == 0) ChallengeEffectShown[family] = 1;
  // A man clearing the ball is not fouled: the challenger goes for the ball.
  if (MatchObjects[carrier].action == kActionClearing) return;
  const int duel = ResolveTackle(carrier, challenger);
  const MatchObject& c = MatchObjects[carrier];
  if (GameRandom() % 100 >= RefereeRule1) return;
  if (o.attr[SKILL_TACKLING] / 12 >= c.ballDistance || o.actionArg2 != 0 || duel != 0) return;
  if (c.action == kActionClearing || !OpenPlay() || RefereeFavourRoll(CurrentSide) != 0) return;
  GiveFoul(challenger, carrier, kind);
}


void Decide(int decision, int comment, int side, int challenger) {
  RefereeDecision = static_cast<int16_t>(decision);
  MatchSeams.sayComment(comment, 0, side, challenger, -1, 0);
}

}  // namespace

void WhistleFoul(int offender, int fouled) {
  const MatchObject& f = MatchObjects[fouled];
  FouledPlayer = static_cast<int16_t>(fouled);
  restartX = f.x;
  restartY = f.y;
  MatchState = STATE_FOUL;
  FoulingSide = static_cast<uint8_t>(SideOf(offender));
  MatchStateTimer = 0;
  Fouler = static_cast<int16_t>(offender);
  RefereeOffender = static_cast<int16_t>(offender);
}

int LastMan(int side) {
  const bool lowGoal = side == LowGoalSide;
  int best = -1, bestY = lowGoal ? 10000 : 0;
  for (int place = 1; place <= 10; ++place) {
    const int object = SideSlots[side][place];
    if (!IsPlayer(object) || MatchObjects[object].offPitch != 0) continue;
    const int y = MatchObjects[object].y;
    if (lowGoal ? y < bestY : y > bestY) {
      bestY = y;
      best = object;
    }
  }
  return best;
}

bool ChallengeContact(int challenger, int carrier) {
  if (!IsPlayer(challenger) || !IsPlayer(carrier)) return false;
  const MatchObject& c = MatchObjects[carrier];
  const int dx = std::abs(ActorX - c.x), dy = std::abs(ActorY - c.y);
  const double a = GetDirection256(ActorX, ActorY, c.x, c.y) * 6.283185307179586 / 256.0;
  const int across = std::abs(static_cast<int>(std::trunc(std::sin(a) * dx)));
  const int along = std::abs(static_cast<int>(std::trunc(std::cos(a) * dy)));
  return across + along < 16;
}

void GiveFoul(int challenger, int carrier, FoulKind kind) {
  if (!IsPlayer(challenger) || !IsPlayer(carrier)) return;
  MatchObject& o = MatchObjects[challenger];
  const int side = SideOf(challenger);
  static constexpr int kComment[] = {300, 262, 303};
  if (kind == FOUL_HOLDING) MatchSeams.sayComment(kComment[kind], 0, side, carrier, challenger, 0);
  else MatchSeams.sayComment(kComment[kind], 0, side, challenger, carrier, 0);
  DuelCounts& t = DuelTallies[challenger];
  ++(kind == FOUL_CHALLENGE ? t.challengeFouls : kind == FOUL_TACKLE ? t.tackleFouls : t.holdingFouls);
  MatchSeams.infoBar(kind == FOUL_HOLDING ? 14 : 15, challenger, carrier);
  WhistleFoul(challenger, carrier);
  // A side down to seven men, or a keeper, is not cautioned any more.
  if (SideSendingsOff[side] >= kDismissedLimit || SideSlots[side][0] == challenger) return;
  const int threshold = RefereeRule2;
  if (kind == FOUL_HOLDING) {
    CardRoll = static_cast<int16_t>(GameRandom() % 100);
    if (o.warnings <= 10) return;
    if (GameRandom() % 200 < threshold) {
      Decide(8, 151, side, challenger);
    } else {
      Decide(7, 152, side, challenger);
      ++o.warnings;
    }
    return;
  }
  const int r = GameRandom() % 300;
  CardRoll = static_cast<int16_t>(r);
  if (r < threshold || o.warnings > 1) {
    Decide(8, 151, side, challenger);
  } else if (r % 4 == 0) {
    Decide(7, 152, side, challenger);
    ++o.warnings;
  } else {
    return;
  }
  // The last man brought down a player through the middle: sent off.
  if (LastMan(side) == challenger && ballX > 412 && ballX < 1180) {
    MatchSeams.sfxPlay(kRedCardSound);
    Decide(9, 263, side, challenger);
  }
}

void Action_StandingChallenge(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (o.frame < 40) {
    MovePlayer(object, 128, 8);
    KeepInsidePitch();
  }
  if (PlayMotion(object, MOTION_ANF105, o.actionArg + 1, kActionOpenPlay) == 0) {
    ChallengeEffectShown[0] = 0;
    o.facing = static_cast<uint8_t>(o.facing + 128);
    return;
  }
  const int carrier = Carrier(object);
  if (carrier < 0) return;
  FoulTest(object, carrier, 0, FOUL_CHALLENGE);
  if (!BallWithinReach(o, o.actionArg2)) return;
  o.actionArg2 = 1;
  MatchObject& c = MatchObjects[carrier];
  if (c.action != kActionClearing) {
    KnockBall(o.facing - GameRandom() % 100, o.attr[SKILL_POWER] * 2560, kHalfLift);
    o.touchLock = 16;
    if (OpenPlay()) {
      CountWon(object, carrier);
      MatchSeams.sayComment(301, 0, CurrentSide, object, carrier, 0);
    }
  } else {
    // The man was clearing it: the challenger takes the ball off his foot.
    if (OpenPlay()) CountWon(object, carrier);
    ChallengeEffectShown[0] = 0;
    o.hasBall = 1;
    o.action = kActionWonChallenge;
    BallAtFeet(object);
    MatchSeams.sayComment(302, 0, CurrentSide, object, carrier, 0);
  }
  TakePossession(object, carrier);
}

void Action_Tackle(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (o.frame < 50) {
    MovePlayer(object, 160, 8);
    KeepInsidePitch();
  }
  if (PlayMotion(object, MOTION_ANF105B, o.actionArg + 2, kActionOpenPlay) == 0) {
    ChallengeEffectShown[1] = 0;
    o.turning = 0;
    return;
  }
  const int carrier = Carrier(object);
  if (carrier < 0) return;
  FoulTest(object, carrier, 1, FOUL_TACKLE);
  if (!BallWithinReach(o, o.actionArg2)) return;
  KnockBall(o.facing, o.attr[SKILL_POWER] * 3072, kHalfLift);
  o.actionArg2 = 1;
  o.touchLock = 16;
  if (OpenPlay()) {
    CountWon(object, carrier);
    MatchSeams.sayComment(LastKickKind == KICK_LOST_CHALLENGE ? 264 : 265, 0, CurrentSide, object, carrier, 0);
  }
  TakePossession(object, carrier);
}

void Action_ShirtPull(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  MovePlayer(object, 140, 8);
  if (PlayMotion(object, MOTION_ANF093, o.actionArg + 1, kActionOpenPlay) == 0) return;
  const int carrier = Carrier(object);
  if (carrier < 0) return;
  MatchObject& c = MatchObjects[carrier];
  if (c.action <= 17 && Challengeable(object, carrier, o.actionArg) && GameRandom() % 1000 < RefereeRule1 &&
      o.attr[SKILL_TACKLING] / 12 < c.ballDistance && RefereeFavourRoll(CurrentSide) == 0)
    GiveFoul(object, carrier, FOUL_HOLDING);
  const int control = c.attr[SKILL_CONTROL];
  if (BallWithinReach(o, o.actionArg) && 100 - GameRandom() % (control + 1) > control) {
    o.actionArg = 1;
    if (c.speed > 0) {
      c.speed = static_cast<int16_t>(GameRandom() % c.speed);
      c.touchLock = 16;
    }
    if (OpenPlay() && carrier != object) SetPlayerAction(carrier, kActionStumbleForward);
    if (o.attr[SKILL_POWER] > c.attr[SKILL_POWER]) KnockBall(c.facing, o.attr[SKILL_POWER] * 2048, kHalfLift);
  }
  // He lets go once the pull has lasted.
  if (GameRandom() % 100 < GetEffectiveSkill(object, o.attr[SKILL_INTELLIGENCE]) && o.frame > 32)
    SetPlayerAction(object, kActionOpenPlay);
}

void Action_FirmBlock(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (o.frame < 24 && PathBlocked(object) == 0) MovePlayer(object, 96, 2);
  if (PlayMotion(object, MOTION_ANF095, o.actionArg + 2, kActionOpenPlay) == 0) return;
  const int carrier = Carrier(object);
  if (carrier < 0 || !BallWithinReach(o, o.actionArg)) return;
  KnockBall(o.facing, o.attr[SKILL_POWER] * 2048, 2 * kHalfLift);
  o.actionArg = 1;
  if (OpenPlay() && carrier != object) {
    CountWon(object, carrier);
    SetPlayerAction(carrier, kActionStumbleForward);
    MatchSeams.sayComment(238, 0, CurrentSide, object, carrier, 0);
  }
  o.touchLock = 16;
  TakePossession(object, carrier);
}

void Action_WonChallenge(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (o.frame < 40) {
    MovePlayer(object, 128, 8);
    KeepInsidePitch();
  }
  if (PlayMotion(object, MOTION_ANF105, 3, kActionOpenPlay) == 0) {
    o.facing = static_cast<uint8_t>(o.facing + 128);
    return;
  }
  if (o.ballDistance <= 9) BallAtFeet(object);
}

void Challenge_Reset() {
  Fouler = -1;
  CardRoll = 0;
  ChallengeEffectShown[0] = ChallengeEffectShown[1] = 0;
}
REGISTER_RESET(RESET_MATCH_PLAY, Challenge_Reset);
