// The passes and crosses of an outfield player.
#include "gamecode/passes.h"

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
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"

int16_t PassLength = 0;
int16_t LastPasser = -1, LastReceiver = -1;
int16_t PassTimer = 0;
int16_t ThroughPass = 0;
int16_t CrossHeightClass = 0;
int16_t LastCrosser = -1, LastCrossReceiver = -1;
int16_t SideCrosses[2] = {};
int16_t ThroughPasses[32] = {};
int16_t PassesByShirt[32][16] = {};

namespace {

constexpr int kGiveUp = 3;
constexpr int kReceiver = 17;
constexpr int kOpenPlay = 4;
constexpr int kPassTimer = 300;
constexpr int kSfxPass = 4;
constexpr int kSfxKick = 6;
constexpr int kCommentPriority = 1;
constexpr int kMinLaunchSpeed = 400;   // no launch is slower (a long low cross would otherwise go backwards)
constexpr int kCrossSpin = 6000;
constexpr int kCrossSpinFrames = 40;   // the bend lasts the flight
constexpr int kKickOffMinWait = 10;
constexpr int kKickOffMaxWait = 500;
constexpr int kLayOffAside = 48;       // a kick-off without a partner is laid this far across

bool AttacksUp(int side) { return side == LowGoalSide; }

void Say(int event, int object, int second) {
  MatchSeams.sayComment(event, kCommentPriority, SideOf(object), object, second, 0);
}

void ClearSpin() {
  ballSpinX = ballSpinY = ballSpinHeight = 0;
  ballSpinFrames = 0;
}

struct PassMember {
  int code;
  int motionLong, motionShort;
  bool hold;
  int window[2][2];  // kinds 0, 1, 3; kind 2
  int firstEvent;    // kind 0 back; then kinds 1, 3, 2: square, back, forward, into space
};
constexpr PassMember kPasses[] = {
    {77, MOTION_ANF040, MOTION_ANF039, true, {{14, 22}, {30, 38}}, 281},
    {29, MOTION_ANF035, MOTION_ANF036, false, {{19, 27}, {55, 63}}, 218},
    {109, MOTION_ANF038, MOTION_ANF037, true, {{18, 26}, {41, 49}}, 307},
};

const PassMember& PassOf(int code) { return code == 29 ? kPasses[1] : code == 109 ? kPasses[2] : kPasses[0]; }

struct CrossMember {
  int motion[3];
};
constexpr CrossMember kCross = {{MOTION_ANF044, MOTION_ANF045, MOTION_ANF046}};
constexpr CrossMember kCrossMirrored = {{MOTION_ANF044R, MOTION_ANF045R, MOTION_ANF046R}};
constexpr int kCrossWindows[3][2] = {{54, 62}, {49, 57}, {36, 44}};

// The pass's direction against the side's attack: 0 square, 1 back, 2 forward.
int PassHeading(int d, int side) {
  if ((d > 48 && d < 80) || (d > 176 && d < 208)) return 0;
  const bool back = AttacksUp(side) ? (d < 16 || d > 240) : (d > 112 && d < 144);
  return back ? 1 : 2;
}

// The event of a pass of the kind in the member's run of events; 0 none.
int PassEvent(int firstEvent, int kind, int heading, bool receiver) {
  if (kind == 0) return receiver && heading == 1 ? firstEvent : 0;
  const int block = kind == 1 ? 0 : kind == 3 ? 1 : 2;
  const int column = !receiver ? 3 : heading == 0 ? 0 : heading == 1 ? 1 : 2;
  return firstEvent + 1 + block * 4 + column;
}

// The receiver is sent on his run to the point.
void SendReceiver(int receiver, int x, int y) {
  if (!IsPlayer(receiver)) return;
  SetPlayerAction(receiver, kReceiver);
  MatchObjects[receiver].passX = static_cast<int16_t>(x);
  MatchObjects[receiver].passY = static_cast<int16_t>(y);
}

void CountPassKind(int passer, int kind, int receiver) {
  if (kind == 1 || kind == 3) {
    ThroughPass = 1;
    ++ThroughPasses[passer];
  } else {
    ThroughPass = 0;
    const int shirt = MatchObjects[receiver].attr[SKILL_SHIRT];
    if (shirt >= 1 && shirt <= 16) ++PassesByShirt[passer][shirt - 1];
  }
}

void ReleasePass(int object) {
  MatchObject& o = MatchObjects[object];
  const PassMember& m = PassOf(o.action);
  const int kind = std::clamp<int>(o.actionArg2, 0, 3);
  const int tx = PassPointX, ty = PassPointY;
  const int receiver = IsPlayer(PassReceiver) && PassReceiver != object ? PassReceiver : -1;
  LastKicker = static_cast<int16_t>(object);
  const int d = GetDirection256(ActorX, ActorY, tx, ty);
  const int length = MeasurePassLength(ActorX, ActorY, tx, ty);
  if (o.action != 109) {
    const int lift = std::min(length / 100, 10);
    if (o.frame < lift) o.frame = static_cast<int16_t>(lift);
  }
  LaunchPass(object, kind, length, tx, ty);
  const int event = PassEvent(m.firstEvent, kind, PassHeading(d, SideOf(object)), receiver >= 0);
  if (event != 0) Say(event, object, receiver);
  LeaveBall(object, kSfxPass);
  if (receiver >= 0) {
    SendReceiver(receiver, tx, ty);
    CountPassKind(object, kind, receiver);
  }
  if (o.action == 109) spinHold = 16;
  PassTimer = kPassTimer;
  LastPasser = static_cast<int16_t>(object);
  LastReceiver = static_cast<int16_t>(receiver);
  o.passes = static_cast<int16_t>(o.passes + 1);
  MarkOffsideCandidates(object);
}

// Whether the crosser sends it in from the right as his side looks up the pitch.
bool FromTheRight(int side) { return AttacksUp(side) ? ActorX < Pitch.centreX : ActorX > Pitch.centreX; }

void ReleaseCross(int object) {
  MatchObject& o = MatchObjects[object];
  const int variant = std::clamp<int>(o.actionArg2, 0, 2);
  const int side = SideOf(object);
  int tx = PassPointX, ty = PassPointY;
  const int receiver = IsPlayer(PassReceiver) && PassReceiver != object ? PassReceiver : -1;
  LastKicker = static_cast<int16_t>(object);
  int length = MeasurePassLength(ActorX, ActorY, tx, ty);
  if (2 * length > 2100) length = 1050;
  PassLength = static_cast<int16_t>(length);
  // The bend: away from the way he faces.
  ballSpinX = o.facing >= 64 && o.facing <= 192 ? -kCrossSpin : kCrossSpin;
  ballSpinY = ballSpinHeight = 0;
  ballSpinFrames = kCrossSpinFrames;
  spinHold = 2;
  CrossHeightClass = static_cast<int16_t>(10 * (variant + 1));
  const int depth = ActorY > Pitch.centreY ? Pitch.maxY - ActorY : ActorY - Pitch.minY;
  if (2 * CrossHeightClass > depth) CrossHeightClass = static_cast<int16_t>(std::max(depth, 0) / 2);
  bool low = false;
  if (receiver >= 0) {
    SendReceiver(receiver, tx, ty);
    const int intelligence = o.attr[SKILL_INTELLIGENCE];
    low = GameRandom() % 100 > MatchObjects[receiver].attr[SKILL_HEADING] ||
          (ty > 410 && ty < 1754 && SkillRoll(intelligence, 100) < GetEffectiveSkill(object, intelligence));
    if (o.action == 18) Say(231, object, receiver);
  }
  const bool right = FromTheRight(side);
  int speed, lift;
  if (!low) {
    Say(right ? 232 : 233, object, -1);
    ty -= ballSpinX / 2000 * CrossHeightClass;
    speed = 2100 - 2 * length + 400;
    const int passing = o.attr[SKILL_PASSING];
    if (SkillRoll(passing, 100) < passing) lift = 81920 + 90 * length;
    else lift = 106496 + (GameRandom() % 70 + 20) * length;
    SetBallVelocityTowards(tx, ty, std::max(speed, kMinLaunchSpeed), lift);
    if (GameRandom() % 5 == 0) ballVelHeight -= (GameRandom() % 50) * 512;
  } else {
    Say(right ? 234 : 235, object, -1);
    CrossHeightClass = 0;
    ClearSpin();
    if (ty > 410 && ty < 1754) {
      const int on = 150 + GameRandom() % 75;
      ty += ty < Pitch.centreY ? -on : on;
      speed = 2700 - length * 350 / 100 + 400;
      lift = 16384 + 90 * length + (GameRandom() % 4) * 4096;
    } else {
      speed = 2700 - 3 * length + 400;
      lift = 53248 + (GameRandom() % 70 + 20) * length + (GameRandom() % 4) * 4096;
    }
    SetBallVelocityTowards(tx, ty, std::max(speed, kMinLaunchSpeed), lift);
  }
  LeaveBall(object, kSfxKick);
  PassTimer = kPassTimer;
  LastCrossReceiver = static_cast<int16_t>(receiver);
  LastCrosser = static_cast<int16_t>(object);
  LastPasser = static_cast<int16_t>(object);
  MarkOffsideCandidates(object);
  SideCrosses[side] = static_cast<int16_t>(SideCrosses[side] + 1);
}

void ReleaseBackheel(int object) {
  MatchObject& o = MatchObjects[object];
  const int tx = PassPointX, ty = PassPointY;
  const int receiver = IsPlayer(PassReceiver) && PassReceiver != object ? PassReceiver : -1;
  LastKicker = static_cast<int16_t>(object);
  LaunchPass(object, 0, MeasurePassLength(ActorX, ActorY, tx, ty), tx, ty);
  LeaveBall(object, kSfxPass);
  if (receiver >= 0) {
    SendReceiver(receiver, tx, ty);
    Say(239, object, receiver);
  }
  LastPasser = static_cast<int16_t>(object);
  LastReceiver = static_cast<int16_t>(receiver);
  o.passes = static_cast<int16_t>(o.passes + 1);
  MarkOffsideCandidates(object);
}

// The release conditions every pass shares.
bool MayRelease(int object, int start, int end) {
  const MatchObject& o = MatchObjects[object];
  return o.motionFrame >= start && o.motionFrame <= end && !BallInHands() && o.actionArg == 0 && AtHisFeet(object);
}

void HoldBall(int object, int start) {
  MatchObject& o = MatchObjects[object];
  if (AtHisFeet(object) && o.motionFrame < start) {
    MovePlayer(object, 0, 1);
    KeepBallAtActor();
  }
}

// Turns up to `steps` units towards the direction.
void Turn(int object, int direction, int steps) {
  for (int i = 0; i < steps; ++i) TurnOneStep(object, direction);
}

bool Within(int a, int b, int limit) {
  const int diff = (a - b) & 255;
  return diff <= limit || diff >= 256 - limit;
}

}  // namespace

int MeasurePassLength(int x, int y, int toX, int toY) {
  const int d = GetDirection256(x, y, toX, toY);
  PolarToOffset(d, std::abs(toX - x), 256);
  const int across = std::abs(OffsetX);
  PolarToOffset(d, std::abs(toY - y), 256);
  return across + std::abs(OffsetY);
}

int LaunchPass(int passer, int kind, int length, int toX, int toY) {
  int speed = 0, lift = 0;
  ClearSpin();
  switch (kind) {
    case 0:
      if (2 * length > 2000) length = 1000;
      speed = 2000 - 2 * length + 400;
      lift = 16384 + 120 * length;
      break;
    case 1:
      if (2 * length > 1900) length = 950;
      speed = 1900 - 2 * length + 400;
      lift = 16384 + 200 * length;
      break;
    case 3:
      if (2 * length > 1900) length = 950;
      speed = 2000 - 2 * length + 400;
      lift = 16384 + 140 * length;
      break;
    default:
      length = std::min(length, 1200);
      if (GameRandom() % 3 != 0) {
        speed = length / 2 + 560;
        lift = 57344 + 100 * length;
      } else {
        speed = 1200 - length + 400;
        lift = 147456 + 100 * length;
      }
      if (IsPlayer(passer) && GameRandom() % 100 < MatchObjects[passer].attr[SKILL_PASSING])
        SetStrikeError(passer, toX);
      break;
  }
  SetBallVelocityTowards(toX, toY, speed, lift);
  PassLength = static_cast<int16_t>(length);
  return length;
}

void PassFrameStep(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const PassMember& m = PassOf(o.action);
  const int* window = m.window[o.actionArg2 == 2 ? 1 : 0];
  if (m.hold) HoldBall(object, window[0]);
  if (MayRelease(object, window[0], window[1])) ReleasePass(object);
  else if ((o.motionFrame < window[0] || o.motionFrame > window[1]) && BallInHands()) SetPlayerAction(object, kGiveUp);
}

void Action_RunningPass(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const PassMember& m = PassOf(o.action);
  TurnOneStep(object, GetDirection256(ActorX, ActorY, PassPointX, PassPointY));
  if (!PlayMotion(object, o.actionArg2 == 2 ? m.motionLong : m.motionShort, o.actionArg + 1, kGiveUp)) return;
  PassFrameStep(object);
}

void Action_StandingPass(int object) { Action_RunningPass(object); }

void Action_PassOnTheMove(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const PassMember& m = PassOf(o.action);
  TurnTowards(object, GetDirection256(ActorX, ActorY, PassPointX, PassPointY));
  if (!PlayMotion(object, o.actionArg2 == 2 ? m.motionLong : m.motionShort, o.actionArg + 1, kGiveUp)) return;
  PassFrameStep(object);
}

void CrossFrameStep(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const int* window = kCrossWindows[std::clamp<int>(o.actionArg2, 0, 2)];
  HoldBall(object, window[0]);
  if (MayRelease(object, window[0], window[1])) ReleaseCross(object);
  else if ((o.motionFrame < window[0] || o.motionFrame > window[1]) && BallInHands()) SetPlayerAction(object, kGiveUp);
}

void Action_Cross(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const CrossMember& m = o.action == 75 ? kCrossMirrored : kCross;
  if (!PlayMotion(object, m.motion[std::clamp<int>(o.actionArg2, 0, 2)], o.actionArg + 1, kGiveUp)) return;
  CrossFrameStep(object);
}

void BackheelFrameStep(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (MayRelease(object, 26, 34)) ReleaseBackheel(object);
  else if ((o.motionFrame < 26 || o.motionFrame > 34) && BallInHands()) SetPlayerAction(object, kGiveUp);
}

void Action_Backheel(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  TurnOneStep(object, GetDirection256(ActorX, ActorY, PassPointX, PassPointY));
  if (!PlayMotion(object, MOTION_ANF041, o.actionArg + 1, kOpenPlay)) return;
  BackheelFrameStep(object);
}

void Action_KickOffTaker(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  o.targetX = Pitch.centreX;
  o.targetY = Pitch.centreY;
  if (ReachDistance(ActorX, ActorY, Pitch.centreX, Pitch.centreY, 1000) != 0) {
    ++MoversCount;
    RunToPoint(object, Pitch.centreX, Pitch.centreY);
  } else {
    o.speed = 0;
    LoopMotion(object, MOTION_ANF001, 1, 0);
  }
  ++o.actionCounter;
  const bool whistled = MatchState == STATE_KICK_OFF;
  if (o.actionCounter < kKickOffMinWait || (!whistled && o.actionCounter < kKickOffMaxWait)) return;
  // The lay-off: a short pass to the partner standing beside the ball.
  const int partner = KickOffPartner;
  const bool hasPartner = IsPlayer(partner) && partner != object && MatchObjects[partner].offPitch == 0;
  const int tx = hasPartner ? MatchObjects[partner].x : ballX + (ballX < Pitch.centreX ? kLayOffAside : -kLayOffAside);
  const int ty = hasPartner ? MatchObjects[partner].y : ballY;
  if (keeperHolder == object + 1) keeperHolder = 0;
  if (throwHolder == object + 1) throwHolder = 0;
  PassReceiver = static_cast<int16_t>(hasPartner ? partner : -1);
  PassPointX = static_cast<int16_t>(tx);
  PassPointY = static_cast<int16_t>(ty);
  MatchState = STATE_OPEN_PLAY;
  MatchStateTimer = 0;
  ClockRunning = 1;
  LastKicker = static_cast<int16_t>(object);
  LaunchPass(object, 0, MeasurePassLength(ballX, ballY, tx, ty), tx, ty);
  LeaveBall(object, kSfxPass);
  LastKickKind = KICK_PASS;
  if (hasPartner) {
    PassRecords[0] = {static_cast<int8_t>(object), static_cast<int8_t>(partner)};
    SendReceiver(partner, tx, ty);
    MatchSeams.sayComment(237, kCommentPriority, SideOf(object), partner, -1, 0);
  }
  PassTimer = kPassTimer;
  LastPasser = static_cast<int16_t>(object);
  LastReceiver = static_cast<int16_t>(hasPartner ? partner : -1);
  o.passes = static_cast<int16_t>(o.passes + 1);
  SetPlayerAction(object, kGiveUp);
}

void Action_PassReceiver(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  MatchSeams.offBallMovement(object);
  if (MatchState >= STATE_THROW_IN) SetPlayerAction(object, kGiveUp);
  if (o.action != kReceiver) return;
  if (o.hasBall || PossessionSide != SideOf(object)) {
    SetPlayerAction(object, kOpenPlay);
    return;
  }
  const int d = ReachDistance(ActorX, ActorY, o.passX, o.passY, 1000);
  if (d != 0) {
    ++MoversCount;
    o.actionCounter = 1;
    const int a = GetDirection256(ActorX, ActorY, o.passX, o.passY);
    if (Within(o.facing, a + 128, 8) && d < 125) {
      LoopMotion(object, MOTION_ANF025, 1, 0);
      MoveInDirection(object, 100, 1, a);
      return;
    }
    int heading = a;
    if (ballDirection != 256 && Within(ballDirection, a, 32)) heading = GetDirection256(ActorX, ActorY, SupportX, SupportY);
    Turn(object, heading, 6);
    if (d > 100 && Within(o.facing, heading, 32)) {
      LoopMotion(object, MOTION_ANF023, 1, 0);
      MovePlayer(object, 190, 8);
    } else if (d > 30 && Within(o.facing, heading, 48)) {
      LoopMotion(object, MOTION_ANF021, 1, 0);
      MovePlayer(object, 140, 4);
    } else {
      Turn(object, heading, 6);
      LoopMotion(object, MOTION_ANF019, 1, 31);
      MovePlayer(object, (d * 100 / 30) * 64 / 100, 1);
    }
    return;
  }
  Turn(object, o.wantedFacing, 6);
  if (o.actionCounter == 1) {
    o.frame = 0;
    o.actionCounter = 0;
  }
  if (!PlayMotion(object, MOTION_ANF002, 1, kOpenPlay)) return;
  if (o.frame > 30) o.frame = 30;
  o.speed = 100;
}

void Passes_Reset() {
  PassLength = 0;
  LastPasser = LastReceiver = -1;
  PassTimer = 0;
  ThroughPass = 0;
  CrossHeightClass = 0;
  LastCrosser = LastCrossReceiver = -1;
  SideCrosses[0] = SideCrosses[1] = 0;
  for (int16_t& t : ThroughPasses) t = 0;
  for (auto& row : PassesByShirt)
    for (int16_t& n : row) n = 0;
}
REGISTER_RESET(RESET_MATCH_PLAY, Passes_Reset);
