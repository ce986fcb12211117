#include "gamecode/attackdir.h"

#include <cmath>
#include <cstdlib>

#include "engine/reset.h"
#include "gamecode/basicacts.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
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

bool IsPlayer(int object) { return object >= 0 && object < MATCH_PLAYERS; }
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

void SetStrikeError(int, int) {}
void MarkOffsideCandidates(int) {}
void CheckOffside(int) {}

void AttackDir_Reset() { GoalDistance = 0; }
REGISTER_RESET(RESET_MATCH, AttackDir_Reset);
