// The headless match's stand-ins: the clock (it ends the period the kick-off
// set up through the end-of-period state) and a ball-only state table that
// launches the ball from the centre spot at the period start and relaunches
// it with a seeded velocity whenever a rule stops play.
#include "gamecode/matchstandin.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/ball.h"
#include "gamecode/matchframe.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchres.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/replay.h"

namespace {

struct StandInState {
  StandInPeriodCounts counts[5];
  int32_t overtime;  // frames since the period's time was up
};

// The end-of-period state waits at most 180 frames; should nothing end the
// period in this many, the clock does.
constexpr int32_t kOvertimeLimit = 1000;
StandInState gStandIn;

// A kicker of the side: one of its ten outfield players.
int16_t KickerOf(int side) { return static_cast<int16_t>(side * SIDE_OBJECTS + 1 + GameRandom() % 10); }

// Kicks the ball from (x, y) for the side with a seeded velocity, aimed back
// into the pitch when the spot is near a line.
void Kick(int x, int y, int side) {
  int32_t vx = (GameRandom() % 1025 - 512) * 1536;  // up to 12 units a frame
  int32_t vy = (GameRandom() % 1025 - 512) * 1536;
  int32_t vz = GameRandom() % 4 == 0 ? 0 : GameRandom() % 6 * 65536;  // a roll or up to 5 units a frame up
  if (std::abs(x - Pitch.centreX) > Pitch.width / 3) vx = (x < Pitch.centreX ? 1 : -1) * std::abs(vx);
  if (std::abs(y - Pitch.centreY) > Pitch.length / 3) vy = (y < Pitch.centreY ? 1 : -1) * std::abs(vy);
  PossessionSide = static_cast<uint8_t>(side);
  BallCarrier = KickerOf(side);
  LastKicker = BallCarrier;
  StandInLaunchBall(x, y, 0, vx, vy, vz);
  if (period >= 0 && period < 5) ++gStandIn.counts[period].kicks;
}

// Counts one frame of possession on the flank third the ball is in, named
// from the side's own direction of play (its first flank on its left).
void CountFlanks() {
  if (PossessionSide < 2 && Pitch.width > 0) {
    int third = (ballX - Pitch.minX) * 3 / Pitch.width;
    third = third < 0 ? 0 : third > 2 ? 2 : third;
    const bool attacksUp = PossessionSide == LowGoalSide;  // towards larger y
    ++FlankFrames[PossessionSide][attacksUp ? 2 - third : third];
  }
}

// A timed period whose time is up (the shoot-out has no time: its state ends it).
bool TimeIsUp() { return PeriodLengthFrames > 0 && PeriodFrames >= PeriodLengthFrames; }

void Nothing() {}
void NothingInt(int) {}

// At rest: no pace along the ground and no more than a frame's gravity upwards.
bool BallStill() {
  return ballVelX == 0 && ballVelY == 0 && BallHeight == 0 && std::abs(ballVelHeight) <= ballGravity;
}

void BallOnlyStates() {
  if (period < 0 || period > 4) return;
  StandInPeriodCounts& c = gStandIn.counts[period];
  if (MatchState == STATE_PERIOD_END || TimeIsUp() || period == 4) {
    // Time is up (a shoot-out the ball alone cannot take ends at once): the
    // end-of-period state ends the period; a goal after time does not count.
    if (MatchState != STATE_PERIOD_END) {
      if (MatchState == STATE_GOAL) ++c.goals;
      MatchState = STATE_PERIOD_END;
      MatchStateTimer = 0;
    }
    MatchStateTable[STATE_PERIOD_END]();
    return;
  }
  switch (MatchState) {
    case STATE_GOAL: {
      // The goal at the low goal line is the low-goal side's.
      const int scorer = ballY < Pitch.centreY ? 1 - LowGoalSide : LowGoalSide;
      // A shoot-out goal the ball's own rule has counted already.
      if (period != 4) ++Score[scorer];
      ++c.goals;
      Kick(Pitch.centreX, Pitch.centreY, 1 - scorer);
      return;
    }
    case STATE_THROW_IN:
      ++c.throwIns;
      Kick(restartX, restartY, PossessionSide);
      return;
    case STATE_GOAL_KICK:
      ++c.goalKicks;
      Kick(restartX, restartY, PossessionSide);
      return;
    case STATE_CORNER:
      ++c.corners;
      Kick(restartX, restartY, PossessionSide);
      return;
    case STATE_KEEPER_HOLDS:
      ++c.handballs;
      Kick(ballX, ballY, PossessionSide);
      return;
    case STATE_OPEN_PLAY:
      if (ballOutState == 2)
        Kick(restartX, restartY, PossessionSide);
      else if (ballOutState == 0 && BallStill())
        Kick(ballX, ballY, PossessionSide);
      return;
    default:
      // Any other state: play on from the ball.
      Kick(ballX, ballY, PossessionSide);
      return;
  }
}

}  // namespace

void MatchStandIn_Clock() {
  if (PeriodFrames < PeriodLengthFrames) {
    gStandIn.overtime = 0;
    CountFlanks();
    ++PeriodFrames;
    if (PeriodFrames == PeriodLengthFrames) {
      MatchState = STATE_PERIOD_END;
      MatchStateTimer = 0;
    }
  } else if (PeriodLengthFrames > 0 && MatchState != STATE_PERIOD_END) {
    // Something took the match out of the end of the period: it ends now.
    PeriodOver = 1;
  } else if (PeriodLengthFrames > 0 && ++gStandIn.overtime >= kOvertimeLimit) {
    PeriodOver = 1;
  }
  if (period >= 0 && period < 5) gStandIn.counts[period].frames = PeriodFrames;
}

void MatchStandIns_Install(MatchSeamTable& t) {
  t.matchClockTick = MatchStandIn_Clock;
  t.matchStateHandler = BallOnlyStates;
  // No players to shape or manage.
  for (void (**f)() : {&t.replanTeams, &t.teamShapeInterpolateZones, &t.teamShapeSetTargets, &t.teamShapeUpdate,
                       &t.computerManagerFirstStep, &t.computerManagerSecondStep, &t.updateManMarking})
    *f = Nothing;
  t.initTeamShape = NothingInt;
}

const StandInPeriodCounts& StandInCounts(int p) { return gStandIn.counts[p < 0 ? 0 : p > 4 ? 4 : p]; }

void StandInLaunchBall(int x, int y, int height, int32_t vx, int32_t vy, int32_t vz) {
  StopBall();
  ballX = static_cast<int16_t>(x);
  ballY = static_cast<int16_t>(y);
  BallHeight = static_cast<int16_t>(height);
  ballFixedX = x * 65536;
  ballFixedY = y * 65536;
  ballFixedHeight = height * 65536;
  ballVelX = vx;
  ballVelY = vy;
  ballVelHeight = vz;
  ballOutState = 0;
  keeperHolder = throwHolder = 0;
  MatchState = STATE_OPEN_PLAY;
  UpdateBallSpeed();
  MatchObject& marker = MatchObjects[OBJECT_BALL];
  marker.x = ballX;
  marker.y = ballY;
  marker.height = BallHeight;
  marker.fixedX = ballFixedX;
  marker.fixedY = ballFixedY;
}

void MatchStandIns_Reset() { gStandIn = {}; }
REGISTER_RESET(RESET_MATCH, MatchStandIns_Reset);
