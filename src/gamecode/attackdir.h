// Which way a player on the ball should run and how far he is from the goal
// he attacks, how a skill counts on the wrong side of the formation, and the
// players' offside flags.
//
// Axes as everywhere in the match: x across (centre 796), y along (goal
// lines 122 and 2042). Skill numbers below are team-sheet values
// (SheetSkill, football.h).
#pragma once

#include <cstdint>

// Distance of the player last measured by UpdateGoalDistance to the centre
// of the goal he attacks.
extern int16_t GoalDistance;

// The offside flag and the offside delay of a player live in his rule
// fields: MatchObject::ruleFlag (flag) and MatchObject::ruleWord (delay).

// Sets GoalDistance for the object towards the goal the side attacks.
void UpdateGoalDistance(int object, int side);
// The 256-step direction from the object to his run target; modes 0 and 1
// also set GoalDistance.
int GetAttackDirection(int object, int mode, int side);
// Clears every player's offside flag and, outside open play, his offside delay.
void ClearOffsideFlags();

void AttackDir_Reset();
