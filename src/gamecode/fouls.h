// The three heaviest stoppages of the match: a foul becomes a free kick, a
// direct free kick or a penalty (after a hurt player and a pending card are
// dealt with); a goal is scored, credited and celebrated; and after the
// celebration the kick-off is prepared. One handler each for the state table.
#pragma once

#include <cstdint>

// State 1: the foul at the restart spot (restartX, restartY) by FoulingSide
// on FouledPlayer.
void FoulState();
// State 9: the ball crossed a goal line between the posts.
void GoalState();
// State 28: waits for the celebration, then the kick-off of the side that conceded.
void AfterGoalState();

// Frames the celebration may last at most after a goal.
constexpr int CELEBRATION_MAX_FRAMES = 500;
// The frames counted so far after the goal.
extern int16_t AfterGoalFrames;
// Whether a foul at (x, y) for the side is a penalty: inside the penalty
// area that side attacks.
bool IsPenaltySpot(int side, int x, int y);
// Whether a free kick with the goal at distance and direction (256 steps) is direct.
bool IsDirectFreeKick(int distance, int direction);
// The scorer's celebration style from his agility: agility / 18 + 1, at most 6.
int CelebrationStyle(int agility);

void Fouls_Reset();
