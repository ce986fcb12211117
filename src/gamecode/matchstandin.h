// The headless match with the ball alone: its own clock (nobody kicks off,
// so the match clock would never start) and its own state table. No
// display, no pacing: a period runs as fast as the machine allows. The
// ball-only match installs everything with MatchStandIns_Install.
#pragma once

#include <cstdint>

struct MatchSeamTable;

// What the ball did in one period of a headless match.
struct StandInPeriodCounts {
  int32_t frames;
  int32_t goals, corners, goalKicks, throwIns, handballs;
  int32_t kicks;  // every launch of the ball: kick-offs, restarts, a still ball kicked on
};

// The ball-only clock: counts the period's frames (and possession by flank)
// and, when a timed period's time is up, puts the match into the
// end-of-period state, which ends the period; a match taken out of that
// state after time ends at once, and one the state has not ended 1000
// frames after time ends then.
// The shoot-out has no time: its own state ends it.
void MatchStandIn_Clock();
// The ball-only match: the clock, the ball-only states, and no team shape or
// computer manager (there are no players to move).
void MatchStandIns_Install(MatchSeamTable& table);
// The match with the ball alone: the stand-ins above, and no players act
// and no motions are read.
void MatchStandIns_InstallBallOnly(MatchSeamTable& table);
// The counts of period p (0-4) of the last headless match.
const StandInPeriodCounts& StandInCounts(int p);
// A ball launch from (x, y, height) with a 16.16 velocity, PossessionSide and
// the carrier kept as they are; the ball marker follows.
void StandInLaunchBall(int x, int y, int height, int32_t vx, int32_t vy, int32_t vz);

// Fills a team block of the MatchSetup with an invented computer side for a
// headless match: a 4-4-2 as the first custom formation, 16 players with
// spread values, none of them human-managed.
void StandInFillTeam(uint8_t* team, int side);

void MatchStandIns_Reset();
