// The restarts' remaining actions: the quick free kick, the walks and
// waits of the players round a restart, the hand-over to the keeper after a
// goal, the direct free kick at goal and the penalty.
#include "gamecode/setplays.h"

#include <algorithm>
#include <cstdlib>

#include "engine/debug.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/keeper.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/goalcomment.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/outfield.h"
#include "gamecode/outfield2.h"
#include "gamecode/playerstandin.h"
#include "gamecode/restarts.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"

int16_t PenaltyTaker = -1;
uint32_t PenaltyStrikeFrame = 0;

namespace {

constexpr int kKeeperStand = 122;
constexpr int kWalkSpeed = 64;
constexpr int kPartnerOffset = 24;     // the kick-off partner stands this far beside the ball
constexpr int kLineGap = 8;            // the line held this far back from the ball
constexpr int kAtSpot = 5;             // a taker nearer the spot than this is on it
constexpr int kAtFlag = 16;            // a corner taker this near the flag lines up at once
constexpr int kMaxDelay = 200;         // the longest random delay before walking back
constexpr int kAfterGoalWait = 100;    // frames before the kick-off is set up after a goal
constexpr int kPenaltyRunUp = 52;
constexpr int kPenaltyWalkUp = 24;    // a taker further from the spot walks to it first
constexpr int kPenaltyCount = 30;
constexpr int kStrikeFrame = 38;       // the kick's motion frame
constexpr int kRunInSpeed = 140;
constexpr int kSfxKick = 6;
constexpr int kSpinHoldFrames = 16;
constexpr int kStrikeLock = 16;
constexpr int kPenaltyStateTimer = 50;
constexpr int kPenaltySaveFrames = 40; // the keeper may save the penalty this long
constexpr int kPostInset = 16;         // a shot aimed this far inside a post
constexpr int kPenaltyAimSpread = 24;
constexpr int kPenaltyErrorMin = 20;   // a poorly struck penalty is off its aim by 20-59
constexpr int kPenaltyErrorSpread = 40;
constexpr int kLongDive = 40;          // a penalty keeper further from his post than this dives long
constexpr int32_t kHighPenaltyLift = 0x8000 + 60 * 384;  // above this a penalty rises past his knees
constexpr int kCommentPriority = 1;
constexpr int kNobody = 0;             // actionArg of a walker without a partner

bool OnPitch(int object) {
  if (!IsPlayer(object)) return false;
  const MatchObject& o = MatchObjects[object];
  return o.offPitch == 0 && o.sentOff == 0;
}

int GoalLineAttacked(int side) { return side == LowGoalSide ? Pitch.maxY : Pitch.minY; }

void Stand(int object) {
  MatchObjects[object].speed = 0;
  LoopMotion(object, MOTION_ANF001, 1, 0);
}

void FaceBall(int object) { TurnTowards(object, GetDirection256(ActorX, ActorY, ballX, ballY)); }

void PlaceActor(int x, int y) {
  ActorX = static_cast<int16_t>(x);
  ActorY = static_cast<int16_t>(y);
  ActorFixedX = x * 65536;
  ActorFixedY = y * 65536;
}

// A wait that may not end on its own: counted in actionCounter; true (and
// logged once) when it has lasted the longest wait.
bool WaitedLongest(int object) {
  MatchObject& o = MatchObjects[object];
  if (o.actionCounter >= kRestartLongestWait) return true;
  if (++o.actionCounter == kRestartLongestWait) {
    DPRINT(DEBUG_GENERAL, 1, "player %d stopped waiting in code %d after %d frames\n", object, +o.action,
           kRestartLongestWait);
    return true;
  }
  return false;
}

// Walks the acting player towards (x, y), counted among the movers: true
// once he stands there, or once the walk has lasted the longest wait.
bool WalkTo(int object, int x, int y) {
  if (ReachDistance(ActorX, ActorY, x, y, 1000) == 0 || WaitedLongest(object)) {
    Stand(object);
    return true;
  }
  ++MoversCount;
  TurnTowards(object, GetDirection256(ActorX, ActorY, x, y));
  LoopMotion(object, MOTION_ANF019, 1, 31);
  MovePlayer(object, kWalkSpeed, 1);
  return false;
}

// A walker whose work is over once the ball is in play goes back to it.
bool ReleasedByPlay(int object, int code) {
  if (MatchState != STATE_OPEN_PLAY) return false;
  SetPlayerAction(object, code);
  return true;
}

// The delivery aimed at the restart-spot marker when it stands on the
// pitch: true when it does.
bool AimAtMarker(int object) {
  const MatchObject& marker = MatchObjects[OBJECT_RESTART_SPOT];
  if (marker.x < Pitch.minX || marker.x > Pitch.maxX || marker.y < Pitch.minY || marker.y > Pitch.maxY) return false;
  MatchObject& t = MatchObjects[object];
  t.targetX = marker.x;
  t.targetY = marker.y;
  return true;
}

// The shot's bookkeeping shared by the direct free kick and the penalty.
void CountShot(int object, int comment) {
  MatchObject& o = MatchObjects[object];
  const int side = SideOf(object);
  LastKicker = static_cast<int16_t>(object);
  BallCarrier = static_cast<int16_t>(object);
  SideLastToucher[side] = static_cast<int16_t>(object);
  LeaveBall(object, kSfxKick);
  o.touchLock = kStrikeLock;
  spinHold = kSpinHoldFrames;
  RecordShotForKeeper(object, side);
  ++o.shots;
  ShotOriginX = ballX;
  ShotOriginY = ballY;
  ShotFrame = static_cast<int16_t>(MatchFrameCounter);
  SideShots[side] = static_cast<int16_t>(SideShots[side] + 1);
  LastShooter = static_cast<int16_t>(object);
  if (comment != 0) MatchSeams.sayComment(comment, kCommentPriority, side, object, -1, 0);
  MarkOffsideCandidates(object);
  PlayerStandIn_NoteRestartKick();
}

void StrikeDirectFreeKick(int object) {
  MatchObject& o = MatchObjects[object];
  const int side = SideOf(object);
  DirectFreeKickAim(object);
  UpdateGoalDistance(object, side);
  const int d = GetDirection256(ballX, ballY, ShotTargetX, ShotTargetY);
  PolarToOffset(d, o.attr[SKILL_POWER] / 2 + kRunInSpeed, 256);
  ballVelX = OffsetX * 4096;
  ballVelY = -OffsetY * 4096;
  ballVelHeight = CurledShotLift(GoalDistance);
  DirectFreeKickError(object, ShotTargetX);
  MatchState = STATE_OPEN_PLAY;
  MatchStateTimer = 0;
  CountShot(object, 0);
}

// Where across the struck penalty will pass the keeper's line (y): the
// ball's flight with its curl and drag, without gravity.
int PenaltyCrossingX(int lineY) {
  int64_t x = ballFixedX, y = ballFixedY, vx = ballVelX, vy = ballVelY;
  const int64_t line = static_cast<int64_t>(lineY) * 65536;
  for (int f = 0; f < kPenaltySaveFrames && vy != 0; ++f) {
    if (f < ballSpinFrames) vx += ballSpinX;
    vx = vx * 992 / 1000;
    vy = vy * 992 / 1000;
    x += vx;
    y += vy;
    if ((vy < 0 && y <= line) || (vy > 0 && y >= line)) break;
  }
  return static_cast<int>(x / 65536);
}

// The keeper facing a penalty commits himself as it is struck: he reads
// the kick (his composure) and dives where it comes, or guesses a side and
// dives there (where it comes, when he guessed right); one time in three a
// guessing keeper stands his ground.
void PenaltyKeeperDive(int taker) {
  const int keeper = SideSlots[1 - SideOf(taker)][0];
  if (!OnPitch(keeper) || MatchObjects[keeper].action != kKeeperStand) return;
  MatchObject& k = MatchObjects[keeper];
  const int crossing = PenaltyCrossingX(k.y);
  const bool reads = GameRandom() % 100 < k.attr[SKILL_COMPOSURE] / 2;
  int towardsX = crossing;
  if (!reads) {
    const int guess = GameRandom() % 3;
    if (guess == 0) return;
    // A guess on the right side of him still meets the ball where it comes.
    const bool leftGuess = guess == 1;
    if (leftGuess != (crossing < k.x))
      towardsX = leftGuess ? Pitch.goalPostMinX + kPostInset : Pitch.goalPostMaxX - kPostInset;
  }
  const int across = towardsX - k.x;
  if (std::abs(across) < kPostInset) return;  // down the middle: he stays
  const bool low = k.y < Pitch.centreY;
  KeeperDiveDirection = static_cast<int16_t>(GetDirection256(k.x, k.y, towardsX, k.y));
  KeeperDiveClass = ballVelHeight > kHighPenaltyLift ? 0 : 1;
  KeeperDivePointX = static_cast<int16_t>(towardsX);
  KeeperDivePointY = k.y;
  const int16_t ky = k.y;
  SetPlayerAction(keeper, std::abs(across) > kLongDive ? 152 : 126);
  MatchObject& d = MatchObjects[keeper];
  d.targetX = static_cast<int16_t>(towardsX);
  d.targetY = ky;
  d.actionArg = static_cast<uint8_t>(low ? (towardsX < d.x ? 0 : 1) : (towardsX > d.x ? 0 : 1));
  d.facing = static_cast<uint8_t>(GetDirection256(d.x, d.y, ballX, ballY));
}

void StrikePenalty(int object) {
  MatchObject& o = MatchObjects[object];
  const int side = SideOf(object);
  const int s = o.attr[SKILL_SHOOTING] + o.attr[SKILL_DEADBALL] + o.attr[SKILL_COMPOSURE];
  const PenaltyCurl curl = PenaltyCurlFor(s, GameRandom() % (s + 1), o.passX);
  ballSpinX = curl.spinX;
  ballSpinY = 0;
  ballSpinHeight = 0;
  ballSpinFrames = curl.frames;
  ShotTargetX = static_cast<int16_t>(curl.aimX);
  ShotTargetY = o.passY;
  const int lowRoll = GameRandom() % 200;
  ballVelHeight = PenaltyLift(s, lowRoll, GameRandom());
  const int d = GetDirection256(ballX, ballY, ShotTargetX, ShotTargetY);
  const int rating = std::clamp<int>(TeamShootingValue[side], 0, 200);
  PolarToOffset(d, rating + 100, 256);
  ballVelX = OffsetX * 6144;
  ballVelY = -OffsetY * 5632;
  MatchState = STATE_OPEN_PLAY;
  MatchStateTimer = kPenaltyStateTimer;
  if (period == 4) ShootoutKickFlag = 1;
  ++o.stat24;  // penalties taken
  CountShot(object, 306);
  PenaltyTaker = static_cast<int16_t>(object);
  PenaltyStrikeFrame = MatchFrameCounter;
  PenaltyKeeperDive(object);
}

// The strike of a kick at its key frame of the motion, or at the motion's
// end when the frame was never reached; true once struck.
template <typename Strike>
void KickOnce(int object, int motion, int nextAction, Strike strike) {
  MatchObject& o = MatchObjects[object];
  const int code = o.action;
  if (o.actionArg == 0 && o.motionFrame >= kStrikeFrame && !BallInHands()) strike(object);
  const bool struck = MatchObjects[object].actionArg != 0;
  if (PlayMotion(object, motion, MatchObjects[object].actionArg + 1, nextAction) != 0) return;
  // The motion ended before its strike frame: the kick still goes.
  if (!struck && MatchState != STATE_OPEN_PLAY && !BallInHands()) {
    MatchObjects[object].action = static_cast<int16_t>(code);
    strike(object);
    SetPlayerAction(object, nextAction);
  }
}

}  // namespace

PenaltyCurl PenaltyCurlFor(int s, int roll, int aimX) {
  PenaltyCurl c;
  c.frames = static_cast<int16_t>(10 + roll / 8);
  const int32_t spin = (s / 2) * 12000 / 100;
  c.spinX = aimX < Pitch.centreX ? spin : -spin;
  // Aimed off by what the curl will take back (whole product first: the
  // spin is below one unit a frame for most takers).
  c.aimX = aimX - static_cast<int>(static_cast<int64_t>(c.spinX) * c.frames / 12000);
  return c;
}

int32_t PenaltyLift(int s, int lowRoll, int secondRoll) {
  const int a = lowRoll < s ? secondRoll % 100 : secondRoll % 200;
  return a * 384 + 0x8000;
}

void PenaltySetUp(int taker) {
  if (!IsPlayer(taker)) return;
  MatchObject& o = MatchObjects[taker];
  const int roll = GameRandom() % 5;
  const int spread = GameRandom() % kPenaltyAimSpread;
  int x = Pitch.centreX;
  if (roll < 2) x = Pitch.goalPostMinX + kPostInset + spread;
  else if (roll < 4) x = Pitch.goalPostMaxX - kPostInset - spread;
  // A poorly struck kick (the shot's accuracy roll: shooting, intelligence
  // and composure out of 300) is pulled away from the middle, maybe wide.
  const int sure = o.attr[SKILL_SHOOTING] + o.attr[SKILL_INTELLIGENCE] + o.attr[SKILL_COMPOSURE];
  if (GameRandom() % 300 >= sure) {
    const int error = kPenaltyErrorMin + GameRandom() % kPenaltyErrorSpread;
    const bool left = x < Pitch.centreX || (x == Pitch.centreX && GameRandom() % 2 == 0);
    x += left ? -error : error;
  }
  ShotTargetX = static_cast<int16_t>(x);
  ShotTargetY = static_cast<int16_t>(GoalLineAttacked(SideOf(taker)));
  o.passX = ShotTargetX;
  o.passY = ShotTargetY;
  KeeperPenaltyFlag = 1;
}

void DirectFreeKickAim(int taker) {
  if (!IsPlayer(taker)) return;
  const int side = SideOf(taker);
  const int keeper = SideSlots[1 - side][0];
  const bool keeperLeft = OnPitch(keeper) && MatchObjects[keeper].x < Pitch.centreX;
  ShotTargetX = static_cast<int16_t>(keeperLeft ? Pitch.goalPostMaxX - kPostInset : Pitch.goalPostMinX + kPostInset);
  ShotTargetY = static_cast<int16_t>(GoalLineAttacked(side));
}

void DirectFreeKickError(int taker, int aimX) {
  ballSpinX = ballSpinY = ballSpinHeight = 0;
  ballSpinFrames = 0;
  if (!IsPlayer(taker)) return;
  const MatchObject& o = MatchObjects[taker];
  const int clean = o.attr[SKILL_PASSING] + o.attr[SKILL_DEADBALL];
  if (GameRandom() % 200 < clean) {
    // Struck cleanly: bent in towards the aim from outside it.
    ballSpinX = aimX < Pitch.centreX ? 4000 : -4000;
    ballSpinFrames = 20;
    return;
  }
  ballSpinX = GameRandom() % 16000 - 8000;
  ballSpinY = GameRandom() % 8000 - 4000;
  ballSpinHeight = GameRandom() % 4000 - 2000;
  ballSpinFrames = static_cast<int16_t>(GameRandom() % 25 + 10);
}

bool ShootOutOrderGiven(int side) {
  side &= 1;
  for (int16_t object : ShootOutOrder[side])
    if (IsPlayer(object) && SideOf(object) == side) return true;
  return false;
}

void DefaultShootOutOrder(int side) {
  side &= 1;
  int order[SIDE_OBJECTS];
  int count = 0;
  const int taker = PenaltyTakerObject[side];
  if (OnPitch(taker) && SideOf(taker) == side) order[count++] = taker;
  int rest[SIDE_OBJECTS];
  int others = 0;
  const int keeper = SideSlots[side][0];
  for (int i = side * SIDE_OBJECTS; i < (side + 1) * SIDE_OBJECTS; ++i)
    if (OnPitch(i) && i != taker && i != keeper) rest[others++] = i;
  std::stable_sort(rest, rest + others, [](int a, int b) {
    return MatchObjects[a].attr[SKILL_SHOOTING] > MatchObjects[b].attr[SKILL_SHOOTING];
  });
  for (int k = 0; k < others; ++k) order[count++] = rest[k];
  // The keeper takes one only when the others are too few.
  if (OnPitch(keeper) && keeper != taker) order[count++] = keeper;
  constexpr int kEntries = sizeof(ShootOutOrder[0]) / sizeof(ShootOutOrder[0][0]);
  for (int k = 0; k < kEntries; ++k) ShootOutOrder[side][k] = static_cast<int16_t>(k < count ? order[k] : -1);
}

bool PenaltyStillOn(int object) {
  if (PenaltyTaker != object) return false;
  if (MatchFrameCounter - PenaltyStrikeFrame < static_cast<uint32_t>(kPenaltySaveFrames)) return true;
  PenaltyTaker = -1;
  KeeperPenaltyFlag = 0;
  return false;
}

void Action_QuickFreeKick(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  // Somebody else has played it: he only finishes his step.
  if (ballSpeed != 0 || MatchState == STATE_OPEN_PLAY) {
    SetPlayerAction(object, 100);
    return;
  }
  const bool corner = MatchState == STATE_CORNER_TAKEN;
  const int side = SideOf(object);
  const bool atSpot = std::abs(ActorX - restartX) + std::abs(ActorY - restartY) <= kAtFlag;
  // A corner is taken quickly only by a side behind whose taker is already
  // at the flag; otherwise he goes to his mark there.
  if (corner && !(atSpot && Score[side] < Score[1 - side])) {
    SetPlayerAction(object, 45);
    return;
  }
  o.targetX = restartX;
  o.targetY = restartY;
  PutBallOnRestartSpot();
  if (std::abs(ActorX - restartX) + std::abs(ActorY - restartY) > kAtSpot && !WalkTo(object, restartX, restartY)) return;
  PlaceActor(restartX, restartY);
  if (!corner || !AimAtMarker(object)) ChooseDeliveryTarget(object);
  MatchSeams.sayComment(236, kCommentPriority, SideOf(object), object, -1, 0);
  const int16_t tx = o.targetX, ty = o.targetY;
  SetPlayerAction(object, 36);
  MatchObject& t = MatchObjects[object];
  t.targetX = tx;
  t.targetY = ty;
  t.actionArg2 = 1;  // taken quickly
}

void Action_HandToKeeper(int object) {
  if (!IsPlayer(object)) return;
  if (MatchState == STATE_AFTER_GOAL_WAIT) {
    MatchState = STATE_PERIOD_START_AFTER_GOAL;
    MatchStateTimer = kAfterGoalWait;
  }
  MatchObjects[object].action = kKeeperStand;
}

void Action_KickOffWalk(int object) {
  if (!IsPlayer(object)) return;
  if (ReleasedByPlay(object, 0)) return;
  MatchObject& o = MatchObjects[object];
  int x = ballX, y = ballY;
  if (o.action == 26) x += ballX < Pitch.centreX + kPartnerOffset ? kPartnerOffset : -kPartnerOffset;
  o.targetX = static_cast<int16_t>(x);
  o.targetY = static_cast<int16_t>(y);
  if (!WalkTo(object, x, y)) return;
  FaceBall(object);
  // The taker at the ball calls for the whistle once nobody walks.
  if (o.action == 24 && MatchState == STATE_KICK_OFF_WAIT && MoversCount == 0) {
    MatchState = STATE_KICK_OFF;
    MatchStateTimer = 0;
  }
}

void Action_HoldTheLine(int object) {
  if (!IsPlayer(object)) return;
  if (ReleasedByPlay(object, 0)) return;
  MatchObject& o = MatchObjects[object];
  // Back towards his own goal from the ball's line.
  const int back = SideOf(object) == LowGoalSide ? -kLineGap : kLineGap;
  o.targetY = static_cast<int16_t>(std::clamp<int>(ballY + back, Pitch.minY, Pitch.maxY));
  if (WalkTo(object, o.targetX, o.targetY)) FaceBall(object);
}

void Action_WalkToRestartPlace(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (WalkTo(object, o.targetX, o.targetY)) SetPlayerAction(object, 31);
}

void Action_StandBy(int object) {
  if (!IsPlayer(object)) return;
  if (ReleasedByPlay(object, 0)) return;
  Stand(object);
  FaceBall(object);
}

void Action_MarkedPosition(int object) {
  if (!IsPlayer(object)) return;
  // Not yet at his mark with the ball on it: he walks to the flag first.
  const bool ballOnSpot = ballX == restartX && ballY == restartY;
  if (std::abs(ActorX - restartX) + std::abs(ActorY - restartY) > kAtFlag || !ballOnSpot) {
    SetPlayerAction(object, 67);
    return;
  }
  PlaceActor(restartX, restartY);
  PutBallOnRestartSpot();
  SetPlayerAction(object, 68);
  if (!AimAtMarker(object)) ChooseDeliveryTarget(object);
}

void Action_WaitAtSpot(int object) {
  if (!IsPlayer(object)) return;
  if (ReleasedByPlay(object, 0)) return;
  Stand(object);
  FaceBall(object);
}

void Action_WalkBackDelayed(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (o.actionArg == 0) {
    o.actionArg = 1;
    o.actionCounter = static_cast<int16_t>(GameRandom() % kMaxDelay);
    // In the shoot-out his place is where he has been put.
    if (period == 4) {
      o.targetX = static_cast<int16_t>(ActorX);
      o.targetY = static_cast<int16_t>(ActorY);
    }
  }
  if (o.actionCounter > 0) {
    --o.actionCounter;
    Stand(object);
    FaceBall(object);
    return;
  }
  SetPlayerAction(object, MatchState == STATE_OPEN_PLAY ? 0 : 63);
}

void Action_WalkToSpot(int object) {
  if (!IsPlayer(object)) return;
  if (ReleasedByPlay(object, 0)) return;
  WalkToSpotStep(object);
}

void Action_ThrowInPair(int object) {
  if (!IsPlayer(object)) return;
  // The throw is taken: he turns to meet it.
  if (MatchState == STATE_OPEN_PLAY) {
    Action_ReceiveTurn(object);
    return;
  }
  WalkToSpotStep(object);
}

void WalkToSpotStep(int object) {
  MatchObject& o = MatchObjects[object];
  const int partner = o.actionArg - 1;
  if (o.actionArg != kNobody && partner != object && OnPitch(partner)) {
    const MatchObject& p = MatchObjects[partner];
    const bool walker = p.action == 63 || p.action == 76;
    const bool partnerWalking = walker && std::abs(p.x - p.targetX) + std::abs(p.y - p.targetY) > kAtSpot;
    if (partnerWalking && !WaitedLongest(object)) {
      // A marker waits for the man he marks, watching him.
      ++MoversCount;
      Stand(object);
      TurnTowards(object, GetDirection256(ActorX, ActorY, p.x, p.y));
      return;
    }
  }
  if (WalkTo(object, o.targetX, o.targetY)) FaceBall(object);
}

void Action_PenaltyTaker(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const int side = SideOf(object);
  if (o.actionArg == 0) {
    o.actionArg = 1;
    RestartCountdown = 0;
    o.targetX = static_cast<int16_t>(Pitch.centreX);
    o.targetY = static_cast<int16_t>(GoalLineAttacked(side));
    int16_t x = o.targetX, y = o.targetY;
    ClampRestartTarget(&x, &y);
    o.targetX = x;
    o.targetY = y;
    KeeperPenaltyFlag = 1;
  }
  PutBallOnRestartSpot();
  // A taker put down away from the spot walks to it first.
  if (o.actionArg == 1 && o.actionArg2 == 0) {
    if (std::abs(ActorX - restartX) + std::abs(ActorY - restartY) > kPenaltyWalkUp && !WalkTo(object, restartX, restartY))
      return;
    o.actionArg2 = 1;
    o.actionCounter = 0;
  }
  const bool waitedLongest = WaitedLongest(object);
  TurnTowards(object, GetDirection256(ballX, ballY, o.targetX, o.targetY));
  if (o.actionArg == 1) {
    if (BallDistanceAlongFacing(object) <= kPenaltyRunUp && !waitedLongest) {
      MoveInDirection(object, kWalkSpeed, 1, (o.facing + 128) & 255);
      LoopMotion(object, MOTION_ANF011, 1, 42);
      return;
    }
    o.actionArg = 2;
  }
  Stand(object);
  if (RestartCountdown < kPenaltyCount && !waitedLongest) {
    ++RestartCountdown;
    return;
  }
  if (MoversCount != 0 && !waitedLongest) return;
  MatchSeams.sayComment(266, kCommentPriority, side, object, -1, 0);
  PenaltySetUp(object);
  const int16_t ax = MatchObjects[object].passX, ay = MatchObjects[object].passY;
  SetPlayerAction(object, 95);
  MatchObjects[object].passX = ax;
  MatchObjects[object].passY = ay;
}

void Action_DirectFreeKick(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (o.actionArg == 0) {
    DirectFreeKickAim(object);
    TurnTowards(object, GetDirection256(ActorX, ActorY, ShotTargetX, ShotTargetY));
    if (o.motionFrame < kStrikeFrame) MoveInDirection(object, kRunInSpeed, 1, o.facing);
  }
  KickOnce(object, MOTION_ANF050, 57, StrikeDirectFreeKick);
}

void Action_PenaltyKick(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (o.actionArg == 0) {
    const int d = GetDirection256(ActorX, ActorY, o.passX, o.passY);
    TurnTowards(object, d);
    o.wantedFacing = static_cast<int16_t>(d);
    MoveInDirection(object, kRunInSpeed, 1, d);
  }
  KickOnce(object, MOTION_ANF050, 57, StrikePenalty);
}

void SetPlays_Reset() {
  PenaltyTaker = -1;
  PenaltyStrikeFrame = 0;
}
REGISTER_RESET(RESET_MATCH, SetPlays_Reset);
