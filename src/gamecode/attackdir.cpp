#include "gamecode/attackdir.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/basicacts.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/officials.h"
#include "gamecode/teamshape.h"

int16_t GoalDistance = 0;

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kCentreX = 796;
constexpr int kHighGoal = 2042;
constexpr int kLowGoal = 122;
constexpr int kNearTouch = 156;
constexpr int kFarTouch = 1436;
constexpr int kHighAreaFront = 1754;
constexpr int kLowAreaFront = 410;
constexpr int kHalfway = 1082;

int GoalOf(int side) { return (side & 1) == LowGoalSide ? kHighGoal : kLowGoal; }
int Sheet(MatchObject& o, int value) { return SheetSkill(o, value); }

// Within the player's touchline lane: his control and agility keep him wide.
bool NearTouchLine(int object) {
  MatchObject& o = MatchObjects[object];
  const int a = Sheet(o, 12), b = Sheet(o, 18);
  return o.x < kNearTouch + a + b + 100 || o.x > kFarTouch - (a + 100 + GetEffectiveSkill(object, b / 2));
}

}  // namespace

void UpdateGoalDistance(int object, int side) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  const MatchObject& o = MatchObjects[object];
  const int goal = GoalOf(side);
  const double d = GetDirection256(o.x, o.y, kCentreX, goal) * kTwoPi / 256.0;
  GoalDistance = static_cast<int16_t>(std::abs(static_cast<int>(std::trunc(std::sin(d) * std::abs(o.x - kCentreX)))) +
                                      std::abs(static_cast<int>(std::trunc(std::cos(d) * std::abs(o.y - goal)))));
}

int GetAttackDirection(int object, int mode, int side) {
  if (object < 0 || object >= MATCH_OBJECTS) return 0;
  MatchObject& o = MatchObjects[object];
  side &= 1;
  const int goal = GoalOf(side);
  if (!IsPlayer(object)) {
    // A marker (a restart spot) looks at the middle of the goal.
    const int direction = GetDirection256(o.x, o.y, kCentreX, goal);
    if (mode != 2) UpdateGoalDistance(object, side);
    return direction;
  }
  const bool high = goal == kHighGoal;
  const int line = offsideLine[1 - side];
  const bool pastLine = high ? o.y > line : o.y < line;
  // The urgency: the side's deficit and the player's goals this match (no
  // attack role is kept for the players yet).
  const int deficit = Score[1 - side] > Score[side] ? Score[1 - side] - Score[side] : 0;
  const int urgency = deficit + o.goals;
  const bool winger = false;  // no winger flag is kept for the players yet
  int tx = o.x, ty = goal;
  if (pastLine || mode != 0) {
    tx = kCentreX;
  } else if ((urgency == 0 || !winger) && NearTouchLine(object)) {
    tx = o.x;  // straight down the line
  } else if (winger) {
    // A winger between the two lanes keeps his line.
    if (o.x < kCentreX - 240) tx = 206;
    else if (o.x > kCentreX + 240) tx = 1386;
  } else {
    const int s = Sheet(o, 19) + Sheet(o, 11) + Sheet(o, 12);
    const bool before = high ? o.y < kHighAreaFront - s : o.y > kLowAreaFront + s;
    tx = before ? o.x : kCentreX;
  }
  const int direction = GetDirection256(o.x, o.y, tx, ty);
  if (mode != 2) UpdateGoalDistance(object, side);
  return direction;
}

void ClearOffsideFlags() {
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    MatchObjects[i].ruleFlag = 0;
    if (MatchState != STATE_OPEN_PLAY) MatchObjects[i].ruleWord = 0;
  }
}

void SetStrikeError(int object, int aimX) {
  ballSpinX = 0;
  ballSpinY = 0;
  ballSpinHeight = 0;
  if (object < 0 || object >= MATCH_OBJECTS) return;
  UpdateGoalDistance(object, object / SIDE_OBJECTS);
  // The nearer the goal, the wider a miss can bend.
  const int k = std::max(1, 50 - GoalDistance / 16) * 125;
  const int curve = aimX < kCentreX ? k + 7000 : -(k + 7000);
  int clean = 0;
  if (IsPlayer(object)) {
    MatchObject& o = MatchObjects[object];
    clean = Sheet(o, 11) + Sheet(o, 19) + Sheet(o, 6);
  }
  if (GameRandom() % 300 < clean && aimX >= 0) {
    ballSpinX = curve;
  } else {
    const int r = GameRandom() % 3;
    if (r == 0 && aimX >= 0) ballSpinX = curve;
    else if (r == 1) ballSpinX = GameRandom() % (2 * k + 14000) - (k + 7000);
    ballSpinY = GameRandom() % 8000 - 4000;
    ballSpinHeight = GameRandom() % 4000 - 2000;
  }
  ballSpinFrames = static_cast<int16_t>(GameRandom() % 25 + 10);
}

namespace {

// Strictly beyond the other side's last line and strictly inside the
// opponents' half.
bool InOffsidePosition(int object) {
  const MatchObject& o = MatchObjects[object];
  const int side = object / SIDE_OBJECTS;
  const int line = offsideLine[1 - side];
  if (o.offPitch != 0) return false;
  if (GoalOf(side) == kHighGoal) return o.y > line && o.y > kHalfway;
  return o.y < line && o.y < kHalfway;
}

}  // namespace

void MarkOffsideCandidates(int passer) {
  if (MatchState != STATE_OPEN_PLAY || !IsPlayer(passer)) return;
  const int side = passer / SIDE_OBJECTS;
  const bool high = GoalOf(side) == kHighGoal;
  // Only a ball played towards the goal the side attacks arms anybody.
  const bool forward = high ? ballVelY > 0 : ballVelY < 0;
  for (int place = 1; place <= 10; ++place) {
    const int mate = SideSlots[side][place];
    if (!IsPlayer(mate)) continue;
    MatchObject& o = MatchObjects[mate];
    o.ruleFlag = 0;
    if (mate == passer || !forward || !InOffsidePosition(mate)) continue;
    o.ruleFlag = 1;
    if (o.ruleWord == 0) o.ruleWord = static_cast<int16_t>((100 - GetEffectiveSkill(mate, Sheet(o, 19))) / 2 + 1);
  }
}

void CheckOffside(int receiver) {
  if (MatchState != STATE_OPEN_PLAY || !IsPlayer(receiver)) return;
  MatchObject& o = MatchObjects[receiver];
  const int side = receiver / SIDE_OBJECTS;
  const bool ballInAttackingHalf = GoalOf(side) == kHighGoal ? ballY > kHalfway : ballY < kHalfway;
  if (o.ruleFlag == 0 || !ballInAttackingHalf || !InOffsidePosition(receiver)) return;
  o.ruleFlag = 1;
  const int line = offsideLine[1 - side];
  if (std::abs(o.y - line) < 16) {
    // A close call: the linesman may give the benefit of the doubt.
    if (GameRandom() % 100 > offsideRoll) {
      MatchSeams.sayComment(119, 0, side, receiver, -1, 0);
      return;
    }
    MatchSeams.sayComment(120, 0, side, receiver, -1, 0);
  } else {
    MatchSeams.sayComment(121, 0, side, receiver, -1, 0);
  }
  restartX = BallFramePos[0];
  restartY = BallFramePos[1];
  OffendingSide = static_cast<uint8_t>(side);
  ++o.offsides;
  MatchStateTimer = 0;
  MatchState = STATE_OFFSIDE;
  if (o.y > kHalfway) SetPlayerAction(OBJECT_LINESMAN_NEAR, OFFICIALS_FLAG_OFFSIDE_HIGH);
  else SetPlayerAction(OBJECT_LINESMAN_FAR, OFFICIALS_FLAG_OFFSIDE_LOW);
}

void AttackDir_Reset() { GoalDistance = 0; }
REGISTER_RESET(RESET_MATCH_PLAY, AttackDir_Reset);
