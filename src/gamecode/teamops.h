// Short operations on whole teams that the match states and the officials
// share: put everyone into an action, settle the players for a restart,
// pick the nearest free team-mate, set up a corner and choose the next
// penalty taker of a shoot-out.
#pragma once

#include <cstdint>

void SetAllPlayersAction(int code);
// Players in an ordinary action (15 or less) go to code 3 (keepers 122) and
// lose the ball; the number still busy; no active players.
int ReleaseTeamsForRestart();
void ResetTeamsForRestart();
int CountUnsettledPlayers();
// Among squad positions 1-10 of the acting side, the free player nearest
// (x, y) other than the excluded object; -1 none.
int NearestFreeTeamMate(int x, int y, int excluded);
void SendShortCornerOption(int taker);
void PlaceCornerDefenders(int side);
// The next penalty taker of the acting side; -1 none (the kick counts as missed).
int NextShootOutTaker();

// Reach tests of the acting object (ActorX, ActorY). InReachBox: 0 when it
// stands within halfSize of (x, y) on both axes and the ball is no higher
// than heightLimit, else -1. ReachRadius: 0 when (x1, y1) and (x2, y2) are
// within radius (the direction-weighted distance) and the ball is below the
// height limit, else that distance + 1.
int InReachBox(int x, int y, int heightLimit, int halfSize);
int ReachRadius(int x1, int y1, int x2, int y2, int radius, int heightLimit);

extern int16_t ShootOutKicks;          // penalties taken in the shoot-out
extern int16_t ShootOutOrder[2][10];   // per side, the takers in order (-1 an empty entry)

void TeamOps_Reset();
