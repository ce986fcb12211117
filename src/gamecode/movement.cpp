// How players move.
#include "gamecode/movement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"

int16_t ActorX = 0, ActorY = 0;
int32_t ActorFixedX = 0, ActorFixedY = 0;
uint8_t MoversCount = 0;
int32_t OffsetX = 0, OffsetY = 0;

namespace {

constexpr double kTwoPi = 6.283185307179586;

// The actions in which a player lies or stands committed and does not block a run.
constexpr int kNotInTheWay[] = {33, 50, 51, 56, 57, 72, 73, 89, 90, 105, 116};

double Angle(int direction, int steps) { return direction * kTwoPi / steps; }


// The top-speed skill's scale of a step: 1000 x (Pace + 500) / 600, after the part.
int32_t Scaled(int32_t part, int pace) {
  return static_cast<int32_t>(int64_t{part} * 1000 * (pace + 500) / 600);
}

void Accelerate(MatchObject& o, int top, int acceleration) {
  if (o.speed < top) {
    int speed = std::max<int>(o.speed, 64);
    speed = std::min(speed + acceleration, top);
    o.speed = static_cast<int16_t>(speed);
  } else if (o.speed > top) {
    o.speed = static_cast<int16_t>(std::max(o.speed - acceleration, top));
  }
}

void MoveAlong(MatchObject& o, int top, int acceleration, int direction) {
  const int pace = o.attr[SKILL_PACE];
  if (MatchState == STATE_OPEN_PLAY) top += pace / 8 + 12;
  Accelerate(o, top, acceleration);
  PolarToOffset(direction, o.speed, 256);
  ActorFixedX += Scaled(OffsetX, pace);
  ActorFixedY -= Scaled(OffsetY, pace);
}

void RefreshRender(MatchObject& o) {
  o.motionFrame = o.frame;
  o.drawFacing = static_cast<int16_t>((o.facing + 64) & 255);
}

// The weighted distance along the direction towards the point.
int HeadingDistance(int fromX, int fromY, int x, int y) {
  const double e = Angle(GetDirection256(fromX, fromY, x, y), 256);
  return std::abs(static_cast<int>(std::trunc(std::sin(e) * (x - fromX)))) +
         std::abs(static_cast<int>(std::trunc(std::cos(e) * (y - fromY))));
}

void TurnHead(MatchObject& o, int direction, int limit) {
  int delta = static_cast<int8_t>(static_cast<uint8_t>(direction - (o.drawFacing - 64) - o.headTurn));
  delta = std::clamp(delta, -limit, limit);
  o.headTurn = static_cast<int16_t>(std::clamp(o.headTurn + delta, -40, 40));
}

void Movement_Reset() {
  ActorX = ActorY = 0;
  ActorFixedX = ActorFixedY = 0;
  MoversCount = 0;
  OffsetX = OffsetY = 0;
}

}  // namespace

int GetDirection(int x1, int y1, int x2, int y2, int steps) {
  // Floor after the half step: truncation would turn the directions of the
  // left half one step on (due left would read 193).
  const double value = std::atan2(static_cast<double>(x2) - x1, static_cast<double>(y1) - y2) / kTwoPi * steps + 0.5;
  return static_cast<int>(std::floor(value)) & (steps - 1);
}

int GetDirection256(int x1, int y1, int x2, int y2) { return GetDirection(x1, y1, x2, y2, 256); }

void PolarToOffset(int direction, int length, int steps) {
  const double a = Angle(direction, steps);
  OffsetX = static_cast<int32_t>(std::trunc(std::sin(a) * length));
  OffsetY = static_cast<int32_t>(std::trunc(std::cos(a) * length));
}

int ReachDistance(int x1, int y1, int x2, int y2, int heightLimit) {
  const int sum = std::abs(x1 - x2) + std::abs(y1 - y2);
  if (sum <= 5 && BallHeight < heightLimit) return 0;
  return sum + 1;
}

void TurnTowards(int object, int direction) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  const int d = direction & 255;
  o.turning = 0;
  if (o.facing == d) return;
  const int f = o.facing;
  const int step = ((d > f && d - f < 128) || (d < f && f - d > 128)) ? 1 : -1;
  const int steps = o.attr[SKILL_AGILITY] / 30 + 3;
  for (int i = 0; i < steps && o.facing != d; ++i) o.facing = static_cast<uint8_t>((o.facing + step) & 255);
}

void TurnTowardsFast(int object, int direction) {
  TurnTowards(object, direction);
  if (ballSpeed <= 2) TurnTowards(object, direction);
}

void MovePlayer(int object, int topSpeed, int acceleration) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  if (object < MATCH_PLAYERS) topSpeed += std::min<int>(SideMomentum[SideOf(object)], 20);
  MoveAlong(o, topSpeed, acceleration, o.facing);
}

void MoveInDirection(int object, int topSpeed, int acceleration, int direction) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MoveAlong(MatchObjects[object], topSpeed, acceleration, direction & 255);
}

void StepTowardsPoint(int object, int x, int y) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  if (o.x < x) o.fixedX += 65536;
  else if (o.x > x) o.fixedX -= 65536;
  if (o.y < y) o.fixedY += 65536;
  else if (o.y > y) o.fixedY -= 65536;
  o.x = static_cast<int16_t>(o.fixedX / 65536);
  o.y = static_cast<int16_t>(o.fixedY / 65536);
}

int PathBlocked(int object) {
  if (MatchState != STATE_OPEN_PLAY || object < 0 || object >= MATCH_OBJECTS) return 0;
  const double a = Angle(MatchObjects[object].facing, 256);
  const int px = ActorX + static_cast<int>(std::trunc(std::sin(a) * 7));
  const int py = ActorY - static_cast<int>(std::trunc(std::cos(a) * 7));
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    if (i == object) continue;
    const MatchObject& p = MatchObjects[i];
    const int action = p.action;
    if (std::find(std::begin(kNotInTheWay), std::end(kNotInTheWay), action) != std::end(kNotInTheWay)) continue;
    if (std::abs(p.x - px) <= 7 && std::abs(p.y - py) <= 7) return i + 1;
  }
  return 0;
}

void RunToPoint(int object, int x, int y) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  const int d = GetDirection256(ActorX, ActorY, x, y);
  const int diff = std::abs(o.facing - d);
  if (diff < 8 || diff > 248 || o.frame == -1) o.facing = static_cast<uint8_t>(d);
  TurnTowardsFast(object, d);

  int top = 140;
  int motion = MOTION_ANF021;
  int startFrame = 0;
  const int side = SideOf(object);
  const int other = 1 - side;
  if (MatchState >= 6) {
    if (o.action != 58) {
      top = 64;
      motion = MOTION_ANF019;
      startFrame = 31;
    }
  } else if (object < MATCH_PLAYERS && PossessionSide != side && ActivePlayer[other] >= 0 &&
             ActivePlayer[other] < MATCH_PLAYERS) {
    const MatchObject& rival = MatchObjects[ActivePlayer[other]];
    const int own = HeadingDistance(ActorX, ActorY, x, y);
    const int theirs = HeadingDistance(rival.x, rival.y, x, y);
    if (own < 8) {
      if (SideSlots[side][0] != object) SetPlayerAction(object, 108);
      return;
    }
    if (theirs < own && own > 50) {
      top = 190;
      motion = MOTION_ANF023;
    }
  }

  if (PathBlocked(object) != 0 && side != PossessionSide && MatchState == STATE_OPEN_PLAY) {
    if (o.blockedFrames < 20) ++o.blockedFrames;
  } else {
    MovePlayer(object, top, 1);
    o.blockedFrames = 0;
  }
  if (o.blockedFrames < 20) LoopMotion(object, motion, 1, startFrame);
  else RunTowards(object, o.facing);
}

void LookAtObject(int object, int other, int limit) {
  if (object < 0 || object >= MATCH_OBJECTS || other < 0 || other >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  TurnHead(o, GetDirection256(o.x, o.y, MatchObjects[other].x, MatchObjects[other].y), limit);
}

void LookAtPoint(int object, int x, int y, int limit) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  TurnHead(o, GetDirection256(o.x, o.y, x, y), limit);
}

int PlayMotion(int object, int motion, int step, int nextAction) {
  if (object < 0 || object >= MATCH_OBJECTS) return 0;
  MatchObject& o = MatchObjects[object];
  o.motion = static_cast<int16_t>(motion);
  const int next = o.frame + step;
  if (next > 0 && next < GetMotionFrames(motion)) {
    o.frame = static_cast<int16_t>(next);
    RefreshRender(o);
    return 1;
  }
  SetPlayerAction(object, nextAction);
  return 0;
}

void LoopMotion(int object, int motion, int step, int wrapFrame) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  o.motion = static_cast<int16_t>(motion);
  o.frame = static_cast<int16_t>(o.frame + step);
  if (o.frame >= GetMotionFrames(motion)) o.frame = static_cast<int16_t>(wrapFrame);
  RefreshRender(o);
}

void RunTowards(int object, int direction) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  o.motion = MOTION_ANF001;
  o.frame = static_cast<int16_t>(o.frame + 1);
  if (o.frame >= GetMotionFrames(MOTION_ANF001)) o.frame = 0;
  const int d = direction & 255;
  if (o.facing != d) {
    const int diff = d - o.facing;
    int step;
    if (diff > 0) step = diff < 128 ? 1 : -1;
    else step = -diff < 128 ? -1 : 1;
    o.facing = static_cast<uint8_t>((o.facing + step) & 255);
    o.turning = 0;
  }
  RefreshRender(o);
}

REGISTER_RESET(RESET_MATCH_PLAY, Movement_Reset);
