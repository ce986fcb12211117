#include "gamecode/closedown.h"

#include <algorithm>
#include <cstdlib>

#include "engine/rand.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/basicacts.h"
#include "gamecode/football.h"
#include "gamecode/matchclock.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/tackle.h"

namespace {

constexpr int kCentreX = 796;

int Sheet(int object, int value) { return SheetSkill(MatchObjects[object], value); }

// Facing 0 or 128 (within 32): the carrier runs along the pitch.
bool RunsAlong(int facing) { return facing < 32 || facing > 224 || (facing > 96 && facing < 160); }

void Start(int defender, int carrier, int code, int comment) {
  SetPlayerAction(defender, code);
  if (comment >= 0) MatchSeams.sayComment(comment, 0, defender / SIDE_OBJECTS, defender, carrier, 0);
}

void FaceBall(MatchObject& d) { d.facing = static_cast<uint8_t>(GetDirection256(ActorX, ActorY, ballX, ballY)); }

}  // namespace

int DirectionGap(int a, int b) {
  const int d = (a - b) & 255;
  return d > 128 ? 256 - d : d;
}

void CloseDownCarrier(int defender) {
  if (!IsPlayer(defender)) return;
  const int side = PossessionSide & 1;
  if (ActivePlayer[side] == 255) ActivePlayer[side] = ChaseOrder[side][0];
  const int e = ActivePlayer[side];
  if (!IsPlayer(e) || e / SIDE_OBJECTS == defender / SIDE_OBJECTS) {
    RunToPoint(defender, ballPredict[0][0], ballPredict[0][1]);
    return;
  }
  MatchObject& c = MatchObjects[e];
  const int run = GetAttackDirection(e, 1, e / SIDE_OBJECTS);
  // Where the carrier will be by the time the defender gets there.
  const int lead = (GoalDistance / 30 + 16 + c.ballDistance / 4) * 100 / std::max(1, Sheet(e, 9));
  PolarToOffset(run, lead, 256);
  int px = c.x + OffsetX, py = c.y - OffsetY;
  const bool gotAway = (c.hasBall != 0 || c.touchLock != 0) &&
                       c.ballDistance > GetEffectiveSkill(e, Sheet(e, 18) / 2) + 48 && ballSpeed > 1;
  bool correct = true;
  if (!gotAway && c.ballDistance <= 3 * Sheet(e, 9)) {
    px = ballPredict[0][0];
    py = ballPredict[0][1];
    correct = false;
  }
  // A carrier running along the pitch straight at or away from the defender:
  // cut him off on the inside.
  if (correct && RunsAlong(c.facing) && DirectionGap(c.facing, GetDirection256(ActorX, ActorY, px, py)) < 48) {
    if (ActorX < kCentreX) px += 64;
    else if (ActorX > kCentreX) px -= 64;
  }
  RunToPoint(defender, px, py);
  ChallengeCarrier(defender, e);
}

void ChallengeCarrier(int defender, int carrier) {
  if (!IsPlayer(defender) || !IsPlayer(carrier) || BallHeight > 6) return;
  MatchObject& d = MatchObjects[defender];
  const MatchObject& c = MatchObjects[carrier];
  const int bD = d.ballDistance, bE = c.ballDistance;
  const int a = DirectionGap(d.facing, c.facing);
  // The code keeps one facing per player: the defender's second angle is
  // between his facing and the way to the ball.
  const int b = DirectionGap(d.facing, GetDirection256(ActorX, ActorY, ballX, ballY));
  const int skill = Sheet(defender, 9);
  GetAttackDirection(carrier, 1, carrier / SIDE_OBJECTS);
  int n = (GoalDistance + 16) / std::max(1, skill + Sheet(defender, 19)) / 2 + 1;
  if (d.cardState != 0) n *= 3;
  if (ballDirection == 256) n /= 8;
  n = std::max(1, n);
  // Near his own goal a defender waits longer before going in.
  const int side = defender / SIDE_OBJECTS;
  const bool inWidth = c.x > 476 && c.x < 1116;
  if (side == LowGoalSide) {
    if (c.y < 410 && inWidth) n += 3 * skill;
    n += 3 * skill;
    if (bD > bE && a > 96 && b < 32) n = 1;
  } else if (c.y > 1754 && inWidth) {
    n += 3 * skill;
  }
  const int k = std::max(1, (100 - skill) / 4);
  if (bD > bE && a < 48 && b < 48 && bD < 50 && ClockFrame % n == 0) {
    if (PeriodFrames % k != 0) return;
    if (GameRandom() % 100 > skill && bD < 32) {
      Start(defender, carrier, 91, -1);
    } else {
      ++DuelTallies[defender].tackles;
      Start(defender, carrier, 89, 9);
    }
    FaceBall(d);
    return;
  }
  if (GameRandom() % k != 0 && GameRandom() % n != 0) return;
  if (bD > bE && a >= 48 && a <= 96 && b < 96 && bD < 70) {
    ++DuelTallies[defender].tackles;
    const int pace = Sheet(defender, 15);
    if (GameRandom() % ((200 - pace) + pace) == 0) Start(defender, carrier, 116, 10);
    else Start(defender, carrier, 56, 11);
    d.facing = static_cast<uint8_t>(GetDirection256(ActorX, ActorY, ballX + ballVelX / 3000, ballY + ballVelY / 3000));
  } else if (bD > bE && a > 96 && b < 32 && bD < 32) {
    ++DuelTallies[defender].tackles;
    Start(defender, carrier, 32, 12);
    FaceBall(d);
  }
}
