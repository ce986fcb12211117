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
// The errors of the next strike by the object (the ball's spin: ballSpinX
// across, ballSpinY along, ballSpinHeight up, for ballSpinFrames frames),
// aimed across at aimX (negative: no aim).
void SetStrikeError(int object, int aimX);
// At the moment the passer plays the ball in open play: arms the offside
// flag of his team-mates standing in an offside position.
void MarkOffsideCandidates(int passer);
// The receiver reaches the ball: a flagged player in an offside position
// stops play for offside.
void CheckOffside(int receiver);

void AttackDir_Reset();
