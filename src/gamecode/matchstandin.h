// The headless match: what stands in for the clock and the match states
// until they exist. No display, no pacing: a period runs as fast as the
// machine allows. MatchSeams_Reset installs them.
#pragma once

#include <cstdint>

struct MatchSeamTable;

// What the ball did in one period of a headless match.
struct StandInPeriodCounts {
  int32_t frames;
  int32_t goals, corners, goalKicks, throwIns, handballs;
  int32_t kicks;  // every launch of the ball: kick-offs, restarts, a still ball kicked on
};

void MatchStandIns_Install(MatchSeamTable& table);
// The counts of period p (0-4) of the last headless match.
const StandInPeriodCounts& StandInCounts(int p);
// A ball launch from (x, y, height) with a 16.16 velocity, PossessionSide and
// the carrier kept as they are; the ball marker follows.
void StandInLaunchBall(int x, int y, int height, int32_t vx, int32_t vy, int32_t vz);

void MatchStandIns_Reset();
