// The restarts' own actions: free kicks from the organiser at the foul spot
// to the delivery, the wall, and the throw's release terms.
#include "gamecode/restarts.h"

#include <algorithm>
#include <cstdlib>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/playerstandin.h"
#include "gamecode/setplays.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"

int16_t ThrowPower = 0, ThrowLift = 0;
float ThrowFactor = 1.0f;
int16_t RestartCountdown = 0, RestartWait = 0;
int16_t RestartKind = 12;
int16_t ThrowReceiver = -1;

namespace {

constexpr int kYard = 16;
constexpr int kWallSteps = kYard * 100 / 13;     // 123 steps of 100,000 / 65,536 units
constexpr int32_t kWallStep = 100000;
constexpr int kWallRangeUnits = 40 * kYard;      // an indirect kick nearer than this gets a wall
constexpr int kTooClose = 10 * kYard;            // nobody but the wall nearer the ball than this
constexpr int kPushBack = 4;
constexpr int kMaxWait = 400;                    // frames the taker waits for the others at most
constexpr int kHandOverReach = 20 * kYard;       // the side's free-kick taker nearer than this takes it
constexpr int kOrdinaryAction = 16;              // standing, running, open play and on the ball
constexpr int kRunUpDistance = 52;
constexpr int kShootingRangeCount = 20;
constexpr int kLinedUpCount = 30;
constexpr int kStrikeFrame = 38;
constexpr int kQuickStrikeFrame = 19;
constexpr int kDeliveryWalkSpeed = 140;
constexpr int kShortDelivery = 10 * kYard;
constexpr int kSfxKick = 4;
constexpr int kRejoin = 3;                      // the code a player goes back to once play is on
constexpr int kCommentPriority = 1;
constexpr int kShootingRange = 30 * kYard;
constexpr int kShortThrowReach = 20 * kYard;   // a receiver nearer than this gets the short throw
constexpr int kShortRelease = 71;
constexpr int kLongRelease = 114;
constexpr int kWindUpDistance = 66;
constexpr int kThrowHeight = 16;
constexpr int kThrowTouchLock = 16;
constexpr int kLongestWait = 1000;             // no restart waits longer than this      // a direct free kick nearer the goal than this is lined up as a shot

constexpr WallOffsets kWallOffsetTable[16] = {
    {-16, 0, 16, 0},   {-14, -6, 14, 6}, {-12, -12, 12, 12}, {-6, -14, 6, 14},
    {0, -16, 0, 16},   {6, -14, -6, 14}, {12, -12, -12, 12}, {14, -6, -14, 6},
    {16, 0, -16, 0},   {14, 6, -14, -6}, {12, 12, -12, -12}, {6, 14, -6, -14},
    {0, 16, 0, -16},   {6, -14, -6, 14}, {12, -12, -12, 12}, {14, -6, -14, 6},
};

// The packed fields are copied out, clamped and written back.
void ClampTarget(MatchObject& o) {
  int16_t x = o.targetX, y = o.targetY;
  ClampRestartTarget(&x, &y);
  o.targetX = x;
  o.targetY = y;
}

bool OnPitch(int object) {
  if (!IsPlayer(object)) return false;
  const MatchObject& o = MatchObjects[object];
  return o.offPitch == 0 && o.sentOff == 0;
}
int GoalY(int side) { return side == LowGoalSide ? Pitch.maxY : Pitch.minY; }

void PlaceActor(int x, int y) {
  ActorX = static_cast<int16_t>(x);
  ActorY = static_cast<int16_t>(y);
  ActorFixedX = x * 65536;
  ActorFixedY = y * 65536;
}

void StandStill(int object) {
  MatchObjects[object].speed = 0;
  LoopMotion(object, MOTION_ANF001, 1, 0);
}

}  // namespace

int DistanceAlongFacing(int object, int x, int y) {
  const int facing = MatchObjects[object].facing;
  PolarToOffset(facing, std::abs(ActorX - x), 256);
  const int across = std::abs(OffsetX);
  PolarToOffset(facing, std::abs(ActorY - y), 256);
  return across + std::abs(OffsetY);
}

int BallDistanceAlongFacing(int object) { return DistanceAlongFacing(object, ballX, ballY); }

void ChooseDeliveryTarget(int object) {
  MatchObject& o = MatchObjects[object];
  const int side = SideOf(object);
  const int forward = side == LowGoalSide ? 1 : -1;
  int best = -1, bestGain = -(1 << 30);
  for (int i = side * SIDE_OBJECTS; i < (side + 1) * SIDE_OBJECTS; ++i) {
    if (i == object || !OnPitch(i) || i == SideSlots[side][0]) continue;
    const MatchObject& m = MatchObjects[i];
    const int distance = std::abs(m.x - ballX) + std::abs(m.y - ballY);
    if (distance < kShortDelivery / 2 || distance > 900) continue;
    const int gain = forward * (m.y - ballY);
    if (gain > bestGain) {
      bestGain = gain;
      best = i;
    }
  }
  if (best >= 0) {
    o.targetX = MatchObjects[best].x;
    o.targetY = MatchObjects[best].y;
  } else {
    o.targetX = static_cast<int16_t>(Pitch.centreX);
    o.targetY = static_cast<int16_t>(ballY + forward * 400);
  }
  ClampTarget(o);
}

namespace {

// An indirect free kick without a wall and with nobody within 10 yards of
// the ball may be taken quickly: always by a side behind, else one time in
// three.
bool QuickFreeKickChosen(int taker, bool direct) {
  if (direct || GoalDistance < kWallRangeUnits) return false;
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    if (i == taker || !OnPitch(i)) continue;
    const MatchObject& m = MatchObjects[i];
    if (std::abs(m.x - ballX) + std::abs(m.y - ballY) <= kTooClose) return false;
  }
  const int side = SideOf(taker);
  return Score[side] < Score[1 - side] || GameRandom() % 3 == 0;
}

// The wall: the first three opponents in an ordinary action, from the back
// of the other side's order list.
void BuildWall(int taker, int cx, int cy, bool full) {
  const int other = 1 - SideOf(taker);
  const WallOffsets off = WallOffsetsFor(GetDirection256(cx, cy, Pitch.centreX, GoalY(SideOf(taker))));
  const int places[3][2] = {{0, 0}, {off.ax, off.ay}, {off.bx, off.by}};
  const int count = full ? 3 : 2;
  int made = 0;
  for (int entry = 14; entry >= 0 && made < count; --entry) {
    const int object = SideSlots[other][entry];
    if (!OnPitch(object) || MatchObjects[object].action >= 15) continue;
    SetPlayerAction(object, 58);
    MatchObject& w = MatchObjects[object];
    w.targetX = static_cast<int16_t>(cx + places[made][0]);
    w.targetY = static_cast<int16_t>(cy + places[made][1]);
    ++made;
  }
}

// The delivery leaves his foot towards his target: open play.
void StrikeDelivery(int object) {
  MatchObject& o = MatchObjects[object];
  o.actionCounter = 1;
  ClampTarget(o);
  const int distance = std::abs(o.targetX - ballX) + std::abs(o.targetY - ballY);
  const DeliveryTerms t = DeliveryTermsFor(distance);
  if (keeperHolder == object + 1) keeperHolder = 0;
  if (throwHolder == object + 1) throwHolder = 0;
  LastKicker = static_cast<int16_t>(object);
  BallCarrier = static_cast<int16_t>(object);
  SetBallVelocityTowards(o.targetX, o.targetY, t.speed, t.lift);
  LeaveBall(object, kSfxKick);
  PlayerStandIn_NoteRestartKick();
  MatchState = STATE_OPEN_PLAY;
  MatchStateTimer = 0;
}

// The ball in the thrower's hands, where he stands.
void HoldForThrow(int object) {
  throwHolder = static_cast<int16_t>(object + 1);
  StopBall();
  ballX = ActorX;
  ballY = ActorY;
  ballFixedX = ActorFixedX;
  ballFixedY = ActorFixedY;
}

// The throw leaves his hands towards the point: open play.
void ReleaseThrow(int object, int tx, int ty, bool shortThrow) {
  MatchObject& o = MatchObjects[object];
  HoldForThrow(object);
  const ThrowVelocity v = ThrowVelocityTo(tx, ty, shortThrow);
  throwHolder = 0;
  if (keeperHolder == object + 1) keeperHolder = 0;
  PutBallInPlay(ballX, ballY, kThrowHeight, v.vx, v.vy, v.vz);
  LastKicker = static_cast<int16_t>(object);
  BallCarrier = static_cast<int16_t>(object);
  LeaveBall(object, kSfxKick);
  PlayerStandIn_NoteRestartKick();
  o.touchLock = kThrowTouchLock;
  o.actionCounter = 1;
  MatchState = STATE_OPEN_PLAY;
  MatchStateTimer = 0;
}

// The long throw goes; the receiver runs to meet it.
void ReleaseLongThrow(int object) {
  const MatchObject& o = MatchObjects[object];
  const int tx = o.targetX, ty = o.targetY;
  ReleaseThrow(object, tx, ty, false);
  if (!OnPitch(ThrowReceiver) || ThrowReceiver == object) return;
  SetPlayerAction(ThrowReceiver, 17);
  MatchObjects[ThrowReceiver].passX = static_cast<int16_t>(tx);
  MatchObjects[ThrowReceiver].passY = static_cast<int16_t>(ty);
}

// The nearest team-mate on the pitch (not the keeper): -1 none.
int NearestThrowReceiver(int object) {
  const int side = SideOf(object);
  int best = -1, bestDistance = 1 << 30;
  for (int i = side * SIDE_OBJECTS; i < (side + 1) * SIDE_OBJECTS; ++i) {
    if (i == object || !OnPitch(i) || i == SideSlots[side][0]) continue;
    const MatchObject& m = MatchObjects[i];
    const int distance = std::abs(m.x - ActorX) + std::abs(m.y - ActorY);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

}  // namespace

void ClampRestartTarget(int16_t* x, int16_t* y) {
  *x = static_cast<int16_t>(std::clamp<int>(*x, Pitch.minX + 1, Pitch.maxX - 1));
  *y = static_cast<int16_t>(std::clamp<int>(*y, Pitch.minY + 1, Pitch.maxY - 1));
}

WallOffsets WallOffsetsFor(int direction) { return kWallOffsetTable[(direction & 255) / 16]; }

void WallCentre(int footX, int footY, int side, int* x, int* y) {
  const int gx = Pitch.centreX, gy = GoalY(side);
  int32_t fx = footX * 65536, fy = footY * 65536;
  for (int step = 0; step < kWallSteps; ++step) {
    const int cx = fx >> 16, cy = fy >> 16;
    // Never past the goal itself: a foul on the goal line has its wall on the line.
    if (std::abs(cx - gx) + std::abs(cy - gy) < 2) break;
    PolarToOffset(GetDirection256(cx, cy, gx, gy), kWallStep, 256);
    fx += OffsetX;
    fy -= OffsetY;
  }
  *x = fx >> 16;
  *y = fy >> 16;
}

void ChooseThrowTerms(int power, int distance) {
  // The harder he can throw the less of his strength a short throw needs.
  const int need = std::clamp(distance / 4, 0, 100);
  ThrowPower = static_cast<int16_t>(std::min(need, std::clamp(power, 1, 99)));
  ThrowLift = static_cast<int16_t>(std::clamp(distance / 24, 0, 16));
}

ThrowVelocity ThrowVelocityTo(int tx, int ty, bool shortThrow) {
  const int direction = GetDirection256(ballX, ballY, tx, ty);
  const int magnitude = static_cast<int>((ThrowPower * 2867 + 229376) * ThrowFactor);
  PolarToOffset(direction, magnitude, 256);
  ThrowVelocity v;
  v.vx = OffsetX;
  v.vy = -OffsetY;
  v.vz = 32768 + ThrowLift * (shortThrow ? 1536 : 1024);
  return v;
}

DeliveryTerms DeliveryTermsFor(int distance) {
  DeliveryTerms t;
  if (distance > kShortDelivery) {
    const int l = std::min(distance, 1200);
    t.speed = 1600 - l;
    t.lift = 147456 + 100 * l;
  } else {
    const int l = std::min(distance, 1000);
    t.speed = 2400 - 2 * l;
    t.lift = 16384 + 120 * l;
  }
  return t;
}

int PushBackFromBall(int taker) {
  int close = 0;
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    if (i == taker || !OnPitch(i)) continue;
    MatchObject& m = MatchObjects[i];
    if (m.action == 58) continue;
    const int distance = std::abs(m.x - ballX) + std::abs(m.y - ballY);
    if (distance > kTooClose) continue;
    ++close;
    PolarToOffset((m.facing + 128) & 255, kPushBack, 256);
    int dx = OffsetX, dy = -OffsetY;
    // A player facing straight at the ball still goes back: away from it.
    if (dx == 0 && dy == 0) dy = m.y >= ballY ? kPushBack : -kPushBack;
    const int nx = std::clamp<int>(m.x + dx, Pitch.minX, Pitch.maxX);
    const int ny = std::clamp<int>(m.y + dy, Pitch.minY, Pitch.maxY);
    m.x = static_cast<int16_t>(nx);
    m.y = static_cast<int16_t>(ny);
    m.fixedX = nx * 65536;
    m.fixedY = ny * 65536;
  }
  return close;
}

void Action_ThrowInWalk(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  o.targetX = restartX;
  o.targetY = restartY;
  if (ReachDistance(ActorX, ActorY, restartX, restartY, 1000) != 0 && ++o.actionArg2 < kLongestWait) {
    ++MoversCount;
    RunToPoint(object, restartX, restartY);
    return;
  }
  PlaceActor(restartX, restartY);
  SetPlayerAction(object, 19);
}

void Action_ThrowInPickUp(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  o.speed = 0;
  HoldForThrow(object);
  if (PlayMotion(object, MOTION_ANF056, 1, 41) != 0) return;
  // Picked up: a team-mate within 20 yards gets it short, else the long throw.
  ThrowReceiver = static_cast<int16_t>(NearestThrowReceiver(object));
  int tx = ActorX < Pitch.centreX ? ActorX + 200 : ActorX - 200, ty = ActorY;
  if (ThrowReceiver >= 0) {
    tx = MatchObjects[ThrowReceiver].x;
    ty = MatchObjects[ThrowReceiver].y;
  }
  int16_t cx = static_cast<int16_t>(tx), cy = static_cast<int16_t>(ty);
  ClampRestartTarget(&cx, &cy);
  MatchObject& t = MatchObjects[object];
  t.targetX = cx;
  t.targetY = cy;
  const int distance = std::abs(cx - ActorX) + std::abs(cy - ActorY);
  ChooseThrowTerms(t.attr[SKILL_POWER], distance);
  const bool shortThrow = ThrowReceiver >= 0 && distance < kShortThrowReach;
  SetPlayerAction(object, shortThrow ? 42 : 41);
  MatchObjects[object].frame = 0;
  if (shortThrow) MatchSeams.sayComment(241, kCommentPriority, SideOf(object), object, -1, 0);
}

void Action_ShortThrow(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  o.speed = 0;
  if (o.actionCounter == 0) {
    HoldForThrow(object);
    TurnTowards(object, GetDirection256(ActorX, ActorY, o.targetX, o.targetY));
    if (o.motionFrame >= kShortRelease) ReleaseThrow(object, o.targetX, o.targetY, true);
  }
  if (PlayMotion(object, MOTION_ANF056, 1, kRejoin) != 0) return;
  if (MatchObjects[object].actionCounter == 0 && MatchState != STATE_OPEN_PLAY) ReleaseThrow(object, o.targetX, o.targetY, true);
}

void Action_ThrowWindUp(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (o.actionArg == 0) {
    o.actionArg = 1;
    ClampTarget(o);
    if (IsPlayer(ThrowReceiver) && OnPitch(ThrowReceiver)) SetPlayerAction(ThrowReceiver, 4);
    MatchSeams.sayComment(240, kCommentPriority, SideOf(object), object, -1, 0);
  }
  HoldForThrow(object);
  TurnTowards(object, GetDirection256(ActorX, ActorY, o.targetX, o.targetY));
  // He carries the ball back: the distance is from his mark on the line.
  if (DistanceAlongFacing(object, restartX, restartY) < kWindUpDistance && ++o.actionArg2 < kLongestWait) {
    MoveInDirection(object, 32, 1, (o.facing + 128) & 255);
    LoopMotion(object, MOTION_ANF016, 1, 57);
    HoldForThrow(object);
    return;
  }
  SetPlayerAction(object, 35);
}

void Action_LongThrow(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (o.actionCounter == 0) {
    MoveInDirection(object, 40, 1, o.facing);
    HoldForThrow(object);
    if (o.motionFrame >= kLongRelease) ReleaseLongThrow(object);
  }
  if (PlayMotion(object, MOTION_ANF016, 1, kRejoin) != 0) return;
  if (MatchObjects[object].actionCounter == 0 && MatchState != STATE_OPEN_PLAY) ReleaseLongThrow(object);
}

void PutBallOnRestartSpot() {
  StopBall();
  BallHeight = 0;
  ballX = restartX;
  ballY = restartY;
  ballFixedX = restartX * 65536;
  ballFixedY = restartY * 65536;
  PlaceBallMarker(0);
}

void Action_RestartOrganiser(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  PutBallOnRestartSpot();
  // The penalty taker sets the ball on the spot and lines up.
  if (MatchState == STATE_PENALTY_PLACED) {
    SetPlayerAction(object, 60);
    return;
  }
  // Any other restart given to the organiser is taken by the plain taker.
  if (MatchState != STATE_FREE_KICK_PLACED && MatchState != STATE_DIRECT_FREE_KICK_PLACED) {
    PlayerStandIn_TakeRestart(object);
    return;
  }
  o.targetX = restartX;
  o.targetY = restartY;
  if (std::abs(ActorX - restartX) + std::abs(ActorY - restartY) > 5) {
    ++MoversCount;
    RunToPoint(object, restartX, restartY);
    return;
  }
  PlaceActor(restartX, restartY);
  StandStill(object);
  const int side = SideOf(object);
  int cx, cy;
  WallCentre(restartX, restartY, side, &cx, &cy);
  o.facing = static_cast<uint8_t>(GetDirection256(ActorX, ActorY, Pitch.centreX, GoalY(side)));
  UpdateGoalDistance(object, side);
  const bool direct = MatchState == STATE_DIRECT_FREE_KICK_PLACED;
  if (direct || GoalDistance < kWallRangeUnits) BuildWall(object, cx, cy, direct);
  RestartWait = 0;
  RestartKind = 12;
  SetPlayerAction(object, direct ? 59 : QuickFreeKickChosen(object, direct) ? 20 : 55);
}

void Action_RestartTaker(int object) {
  if (!IsPlayer(object)) return;
  // The side's own free-kick taker close by comes over to take it: the man
  // at the ball waves him on (and steps back with the others).
  const int named = FreeKickTakerObject[SideOf(object)];
  if (named != object && OnPitch(named) && SideOf(named) == SideOf(object) &&
      MatchObjects[named].action <= kOrdinaryAction &&
      std::abs(MatchObjects[named].x - ballX) + std::abs(MatchObjects[named].y - ballY) <= kHandOverReach) {
    SetPlayerAction(named, 53);
    ActivePlayer[SideOf(object)] = static_cast<int16_t>(named);
    SetPlayerAction(object, 100);
    return;
  }
  StandStill(object);
  const int close = PushBackFromBall(object);
  if (close != 0 && ++RestartWait < kMaxWait) return;
  // A side behind takes it at once; otherwise he lines it up.
  const int side = SideOf(object);
  ChooseDeliveryTarget(object);
  SetPlayerAction(object, Score[side] < Score[1 - side] ? 94 : 44);
}

void Action_FreeKickSetUp(int object) {
  if (!IsPlayer(object)) return;
  StandStill(object);
  const int close = PushBackFromBall(object);
  if (close != 0 && ++RestartWait < kMaxWait) return;
  ChooseDeliveryTarget(object);
  UpdateGoalDistance(object, SideOf(object));
  SetPlayerAction(object, GoalDistance < kShootingRange ? 43 : 94);
}

void Action_FreeKickLineUp(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  if (o.actionArg == 0) {
    o.actionArg = 1;
    RestartCountdown = 0;
    RestartKind = 13;
    ClampTarget(o);
  }
  TurnTowards(object, GetDirection256(ballX, ballY, o.targetX, o.targetY));
  if (o.actionArg == 1) {
    if (BallDistanceAlongFacing(object) <= kRunUpDistance) {
      MoveInDirection(object, 64, 1, (o.facing + 128) & 255);
      LoopMotion(object, MOTION_ANF011, 1, 42);
      return;
    }
    o.actionArg = 2;
  }
  StandStill(object);
  const int count = o.action == 43 ? kShootingRangeCount : kLinedUpCount;
  if (++RestartCountdown < count) return;
  const int comment = o.action == 43 ? 242 : o.action == 68 ? 244 : 243;
  MatchSeams.sayComment(comment, kCommentPriority, SideOf(object), object, -1, 0);
  // The corner is swung in, the kick in shooting range struck at goal.
  const int16_t tx = o.targetX, ty = o.targetY;
  SetPlayerAction(object, o.action == 68 ? 36 : o.action == 43 ? 71 : 94);
  MatchObjects[object].targetX = tx;
  MatchObjects[object].targetY = ty;
}

namespace {

// The delivery (94 to a team-mate, 36 a corner or free kick into the box):
// the run-in along the kick motion, the strike at its frame, then 57. Taken
// quickly (actionArg2 1) the short kick motion, struck from its frame 19.
void Deliver(int object, int comment) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const bool quick = o.actionArg2 == 1;
  const int strikeFrame = quick ? kQuickStrikeFrame : kStrikeFrame;
  // Taken quickly its comment (236) was said as he stepped up (code 20).
  if (quick) comment = 0;
  if (o.actionCounter == 0 && ballSpeed != 0) {
    // The ball has gone before he struck it: nothing left to take.
    SetPlayerAction(object, 57);
    return;
  }
  if (o.actionCounter == 0) TurnTowards(object, GetDirection256(ActorX, ActorY, o.targetX, o.targetY));
  if (o.actionCounter == 0 && o.motionFrame < strikeFrame) MoveInDirection(object, kDeliveryWalkSpeed, 1, o.facing);
  bool struck = false;
  if (o.actionCounter == 0 && o.motionFrame >= strikeFrame) {
    StrikeDelivery(object);
    struck = true;
  }
  const int step = o.actionArg + (quick ? 2 : 1);
  if (PlayMotion(object, quick ? MOTION_ANF035 : MOTION_ANF050, step, 57) == 0 && MatchObjects[object].actionCounter == 0 &&
      MatchState != STATE_OPEN_PLAY) {
    // A motion over before the strike frame still ends in the strike.
    StrikeDelivery(object);
    struck = true;
  }
  if (struck && comment != 0) MatchSeams.sayComment(comment, kCommentPriority, SideOf(object), object, -1, 0);
}

}  // namespace

void Action_FreeKickDelivery(int object) { Deliver(object, 0); }

void Action_DeadBallDelivery(int object) { Deliver(object, 245); }

void Action_CornerWalk(int object) {
  if (!IsPlayer(object)) return;
  if (MatchState != STATE_CORNER_TAKEN) {
    PlayerStandIn_TakeRestart(object);
    return;
  }
  SetPlayerAction(object, 20);
}

void Action_WalkToCornerFlag(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  StopBall();
  ballX = restartX;
  ballY = restartY;
  ballFixedX = restartX * 65536;
  ballFixedY = restartY * 65536;
  PlaceBallMarker(0);
  if (ReachDistance(ActorX, ActorY, restartX, restartY, 1000) != 0 && ++o.actionArg2 < kLongestWait) {
    ++MoversCount;
    TurnTowards(object, GetDirection256(ActorX, ActorY, restartX, restartY));
    LoopMotion(object, MOTION_ANF009, 1, 0);
    MovePlayer(object, 64, 1);
    return;
  }
  PlaceActor(restartX, restartY);
  SetPlayerAction(object, 68);
  MatchObject& t = MatchObjects[object];
  const MatchObject& marker = MatchObjects[OBJECT_RESTART_SPOT];
  if (marker.x >= Pitch.minX && marker.x <= Pitch.maxX && marker.y >= Pitch.minY && marker.y <= Pitch.maxY) {
    t.targetX = marker.x;
    t.targetY = marker.y;
  } else {
    ChooseDeliveryTarget(object);
  }
}

void Action_Wall(int object) {
  if (!IsPlayer(object)) return;
  if (MatchState == STATE_OPEN_PLAY) {
    SetPlayerAction(object, kRejoin);
    return;
  }
  MatchObject& o = MatchObjects[object];
  if (ReachDistance(ActorX, ActorY, o.targetX, o.targetY, 1000) != 0) {
    ++MoversCount;
    RunToPoint(object, o.targetX, o.targetY);
    return;
  }
  StandStill(object);
  TurnTowards(object, GetDirection256(ActorX, ActorY, ballX, ballY));
}

void Action_AfterRestart(int object) {
  if (!IsPlayer(object)) return;
  // The penalty taker watches his kick while the keeper may still save it.
  if (PenaltyStillOn(object)) {
    StandStill(object);
    return;
  }
  if (MatchState == STATE_OPEN_PLAY) {
    SetPlayerAction(object, kRejoin);
    return;
  }
  StandStill(object);
}

void Restarts_Reset() {
  ThrowPower = ThrowLift = 0;
  ThrowFactor = 1.0f;
  RestartCountdown = RestartWait = 0;
  RestartKind = 12;
  ThrowReceiver = -1;
}
REGISTER_RESET(RESET_MATCH_PLAY, Restarts_Reset);
