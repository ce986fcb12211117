// The ball-only match's stand-ins: a clock (it ends the period the kick-off
// set up through the end-of-period state) and a ball-only state table that
// launches the ball from the centre spot at the period start and relaunches
// it with a seeded velocity whenever a rule stops play.
#include "gamecode/matchstandin.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/ball.h"
#include "gamecode/football.h"
#include "gamecode/matchclock.h"
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
    CountFlankFrame(PossessionSide, ballX);
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
  // Headless, whatever the set-up's display mode: no 3D view is built.
  for (void (**f)() : {&t.createGameEnvironment, &t.updateGameEnvironment, &t.renderGameEnvironment,
                       &t.firstDestroyGameEnvironment})
    *f = Nothing;
}

void MatchStandIns_InstallBallOnly(MatchSeamTable& t) {
  MatchStandIns_Install(t);
  t.loadMotions = Nothing;
  t.playerAction = Nothing;
  t.updateActivePlayers = Nothing;
}

const StandInPeriodCounts& StandInCounts(int p) { return gStandIn.counts[p < 0 ? 0 : p > 4 ? 4 : p]; }

void StandInLaunchBall(int x, int y, int height, int32_t vx, int32_t vy, int32_t vz) {
  keeperHolder = throwHolder = 0;
  MatchState = STATE_OPEN_PLAY;
  PutBallInPlay(x, y, height, vx, vy, vz);
}

namespace {

// A 4-4-2, drawn from the side's own view (column 0-14 across, row 0-17 up
// from the own goal line).
constexpr int kFormation[11][2] = {{7, 0},  {2, 4},  {5, 3},  {9, 3},  {12, 4}, {2, 9},
                                   {5, 8},  {9, 8},  {12, 9}, {5, 14}, {9, 14}};

}  // namespace

void StandInFillTeam(uint8_t* team, int side) {
  std::snprintf(reinterpret_cast<char*>(team), 40, "%s", side == 0 ? "Home" : "Away");
  team[SETUP_TEAM_HUMAN] = 0;
  StoreI16(team + SETUP_TEAM_TACTIC, 40);
  uint8_t* formation = team + SETUP_TEAM_FORMATION;
  for (int slot = 0; slot < TACTICS_SLOTS; ++slot) {
    uint8_t* s = formation + slot * TACTICS_SLOT_SIZE;
    StoreI16(s + TACTICS_SLOT_X, kFormation[slot][0]);
    StoreI16(s + TACTICS_SLOT_Y, kFormation[slot][1]);
    StoreI16(s + TACTICS_SLOT_ATTACK_X, -1);
    StoreI16(s + TACTICS_SLOT_ATTACK_Y, -1);
    s[TACTICS_SLOT_PARTNER] = 31;
    for (int t = 0; t < TACTICS_SLOT_TARGET_COUNT; ++t) StoreI16(s + TACTICS_SLOT_TARGETS + 2 * t, -1);
  }
  for (int place = 0; place < 16; ++place) {
    uint8_t* player = team + SETUP_TEAM_PLAYERS + place * MATCH_SETUP_PLAYER_SIZE;
    std::snprintf(reinterpret_cast<char*>(player), SETUP_PLAYER_SURNAME_SIZE, "P%d-%d", side, place + 1);
    for (int value = 0; value < SHEET_VALUES; ++value)
      StoreI16(player + SHEET_VALUE_FIRST + 2 * value, static_cast<int16_t>(50 + (place * 7 + value * 3) % 40));
    const int position = place == 0 ? 0 : place <= 4 ? place : place <= 8 ? place + 1 : place <= 10 ? 10 : 6;
    StoreI16(player + 77, position);
    StoreI16(player + 79, place + 1);
    StoreI16(player + 81, 1);
    StoreI16(player + 83, 1);
    StoreI16(player + 85, 0);
    StoreI16(player + 87, side * 100 + place);
  }
}

void MatchStandIns_Reset() { gStandIn = {}; }
REGISTER_RESET(RESET_MATCH, MatchStandIns_Reset);
