#include "gamecode/playmatch.h"

#include <string>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/rand.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstandin.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/passes.h"
#include "gamecode/replay.h"
#include "support/engine_fixture.h"

namespace {

// What the match flow did, in order: "P<period>k<kick-off side>e<ends>" for
// a period, "S<side>" for a half-time screen, "M" for the shoot-out menus.
std::string gFlow;
int gGoals[5][2];  // goals each period scores for each side

void ScriptedPeriod() {
  gFlow += "P" + std::to_string(period) + "k" + std::to_string(kickOffSide) + "e" + std::to_string(EndsFlag) + " ";
  if (period >= 0 && period < 5) {
    Score[0] = static_cast<int16_t>(Score[0] + gGoals[period][0]);
    Score[1] = static_cast<int16_t>(Score[1] + gGoals[period][1]);
  }
}

class PlayMatchTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(9500);  // the replay ring of the headless match
    gFlow.clear();
    for (auto& p : gGoals) p[0] = p[1] = 0;
    uint8_t* setup = ClearMatchSetupRecord();
    for (int b : {SETUP_EXTRA_TIME, SETUP_PENALTIES, SETUP_SILVER_GOAL, SETUP_SECOND_LEG}) setup[b] = 0;
    for (int side = 0; side < 2; ++side) {
      setup[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = 0;
      StoreI16(setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_FIRST_LEG_GOALS, 0);
    }
    MatchSeams.prepareMatch = [] {
      gFlow += "prepare ";
      return 1;
    };
    MatchSeams.finishMatch = [] { gFlow += "finish"; };
    MatchSeams.playPeriod = ScriptedPeriod;
    MatchSeams.inGameMenuOpenSubsTactics = [](int side) { gFlow += "S" + std::to_string(side) + " "; };
    MatchSeams.penaltyShootOutMenus = [] { gFlow += "M "; };
  }
};

struct RuleCase {
  const char* name;
  uint8_t extraTime, shootout, silverGoal, awayGoals;
  int human0, human1;
  int firstLeg0, firstLeg1;
  int goals[5][2];
  const char* flow;
};

const RuleCase kRuleCases[] = {
    {"league draw", 0, 0, 0, 0, 0, 0, 0, 0, {{1, 0}, {0, 1}}, "prepare P0k1e0 P1k0e1 finish"},
    {"league, home side human", 0, 0, 0, 0, 1, 0, 0, 0, {{1, 1}}, "prepare P0k1e0 S0 P1k0e1 finish"},
    {"extra time not needed", 1, 0, 0, 0, 1, 1, 0, 0, {{2, 1}}, "prepare P0k1e0 S0 S1 P1k0e1 finish"},
    {"extra time needed", 1, 0, 0, 0, 1, 1, 0, 0, {{1, 1}},
     "prepare P0k1e0 S0 S1 P1k0e1 S0 S1 P2k1e0 S0 S1 P3k0e1 finish"},
    {"silver goal decides", 0, 0, 1, 0, 0, 1, 0, 0, {{0, 0}, {0, 0}, {0, 1}},
     "prepare P0k1e0 S1 P1k0e1 S1 P2k1e0 finish"},
    {"silver goal, still level", 0, 0, 1, 0, 0, 1, 0, 0, {{0, 0}},
     "prepare P0k1e0 S1 P1k0e1 S1 P2k1e0 S1 P3k0e1 finish"},
    // Extra time under the golden goal: a goal in the first period of it
    // has decided the tie.
    {"golden goal in extra time", 1, 1, 1, 0, 0, 0, 0, 0, {{0, 0}, {0, 0}, {1, 0}},
     "prepare P0k1e0 P1k0e1 P2k1e0 finish"},
    // Second leg: 0-1 here after 1-0 away is level on aggregate; a goal in
    // extra time that leaves this match level decides it on aggregate.
    {"golden goal on aggregate", 1, 0, 1, 0, 0, 0, 1, 0, {{0, 1}, {0, 0}, {1, 0}},
     "prepare P0k1e0 P1k0e1 P2k1e0 finish"},
    {"golden goal rule, still level on aggregate", 1, 0, 1, 0, 0, 0, 1, 0, {{0, 1}},
     "prepare P0k1e0 P1k0e1 P2k1e0 P3k0e1 finish"},
    {"shoot-out without extra time", 0, 1, 0, 0, 1, 0, 0, 0, {{2, 2}}, "prepare P0k1e0 S0 P1k0e1 M P4k0e0 finish"},
    {"shoot-out after extra time", 1, 1, 0, 0, 1, 0, 0, 0, {{0, 0}},
     "prepare P0k1e0 S0 P1k0e1 S0 P2k1e0 S0 P3k0e1 M P4k0e0 finish"},
    {"shoot-out not needed after extra time", 1, 1, 0, 0, 0, 0, 0, 0, {{0, 0}, {0, 0}, {0, 0}, {1, 0}},
     "prepare P0k1e0 P1k0e1 P2k1e0 P3k0e1 finish"},
    // First leg lost 1-2 away; this leg 2-1: 3-3 on aggregate and side 1's
    // one goal here equals side 0's one away goal: level on away goals too.
    {"away goals level", 1, 1, 0, 1, 0, 0, 1, 2, {{2, 1}}, "prepare P0k1e0 P1k0e1 P2k1e0 P3k0e1 M P4k0e0 finish"},
    // First leg lost 2-3 away; this leg 1-0: 3-3, but side 0's two away
    // goals beat side 1's none here: no shoot-out.
    {"away goals not level", 1, 1, 0, 1, 0, 0, 2, 3, {{1, 0}}, "prepare P0k1e0 P1k0e1 P2k1e0 P3k0e1 finish"},
    {"aggregate not level", 0, 1, 0, 1, 0, 0, 0, 2, {{1, 0}}, "prepare P0k1e0 P1k0e1 finish"},
};

TEST_F(PlayMatchTest, RuleCombinationsGiveThePeriodsAndScreens) {
  for (const RuleCase& c : kRuleCases) {
    SCOPED_TRACE(c.name);
    SetUp();
    uint8_t* setup = GetMatchSetupRecord();
    setup[SETUP_EXTRA_TIME] = c.extraTime;
    setup[SETUP_PENALTIES] = c.shootout;
    setup[SETUP_SILVER_GOAL] = c.silverGoal;
    setup[SETUP_SECOND_LEG] = c.awayGoals;
    setup[MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_HUMAN] = static_cast<uint8_t>(c.human0);
    setup[MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_HUMAN] = static_cast<uint8_t>(c.human1);
    StoreI16(setup + MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_FIRST_LEG_GOALS, c.firstLeg0);
    StoreI16(setup + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_FIRST_LEG_GOALS, c.firstLeg1);
    for (int p = 0; p < 5; ++p)
      for (int s = 0; s < 2; ++s) gGoals[p][s] = c.goals[p][s];
    EXPECT_EQ(PlayMatchGetResult(), GetMatchResultRecord());
    EXPECT_EQ(gFlow, c.flow);
    EXPECT_EQ(RatingFlag, 1);
  }
}

TEST_F(PlayMatchTest, StartsFromAFreshMatchState) {
  uint8_t* setup = GetMatchSetupRecord();
  setup[9] = 30;
  setup[10] = 0xF6;  // -10
  setup[11] = 2;
  Score[0] = 4;
  ShootoutScore[1] = 3;
  MatchLogCount = 9;
  RatingFlag = 1;
  // The side counters an earlier match of the same program left behind.
  SideCorners[0] = 7;
  SideFouls[1] = 12;
  SideOffsides[0] = 3;
  SideCrosses[1] = 5;
  MatchSeams.playPeriod = [] {
    // What the periods see: a clean match, the rating flag down, no side
    // counted anything yet.
    EXPECT_EQ(RatingFlag, 0);
    EXPECT_EQ(MatchLogCount, 0);
    EXPECT_EQ(Score[0] + ShootoutScore[1], 0);
    for (int side = 0; side < 2; ++side) {
      EXPECT_EQ(SideCorners[side], 0) << side;
      EXPECT_EQ(SideFouls[side], 0) << side;
      EXPECT_EQ(SideOffsides[side], 0) << side;
      EXPECT_EQ(SideCrosses[side], 0) << side;
    }
  };
  PlayMatch();
  EXPECT_EQ(RefereeRule1, 30);
  EXPECT_EQ(RefereeRule2, -10);
  EXPECT_EQ(RefereeFavouredSide, 2);
  const uint8_t* result = GetMatchResultRecord();
  EXPECT_EQ(result[MATCH_LOG], 0xFF);
  for (int m = 0; m < 121; ++m) EXPECT_EQ(result[MATCH_BALANCE + m], 0xFF) << m;
}

TEST_F(PlayMatchTest, StoredReplayPlaysOnePeriod) {
  replayMode = 3;
  gGoals[0][0] = 1;
  PlayMatch();
  EXPECT_EQ(gFlow, "prepare P0k1e0 finish");
  EXPECT_EQ(RatingFlag, 1);
}

// The headless preparation: a stored replay that does not load ends the
// match at once, records untouched and nothing torn down.
TEST_F(PlayMatchTest, StoredReplayThatCannotLoadLeavesTheRecordsAlone) {
  MatchSeams_Reset();
  MatchSeams.playPeriod = ScriptedPeriod;
  MatchSeams.replayBufferAlloc = [] { gFlow += "alloc "; };
  MatchSeams.replayBufferFree = [] { gFlow += "free "; };
  MatchSeams.analysisDestroy = [] { gFlow += "destroy "; };
  MatchSeams.loadReplaySlot = [] { return 0; };
  replayMode = 3;
  Score[0] = 7;
  GetMatchResultRecord()[MATCH_LOG] = 0x12;
  PlayMatch();
  EXPECT_EQ(gFlow, "alloc free ");
  EXPECT_EQ(Score[0], 7);
  EXPECT_EQ(GetMatchResultRecord()[MATCH_LOG], 0x12);
  EXPECT_EQ(RatingFlag, 0);
}

TEST_F(PlayMatchTest, FlankTotalsAreSeenInSideZerosDirection) {
  MatchSeams.playPeriod = [] {
    // side 0: first flank 10, centre 20, second 30; side 1: 1, 2, 3
    const int32_t frames[2][3] = {{10, 20, 30}, {1, 2, 3}};
    for (int s = 0; s < 2; ++s)
      for (int t = 0; t < 3; ++t) FlankFrames[s][t] = frames[s][t];
  };
  PlayMatch();
  const uint8_t* totals = GetMatchResultRecord() + MATCH_FLANK_TOTALS;
  EXPECT_EQ(LoadI32(totals), 10 + 3);
  EXPECT_EQ(LoadI32(totals + 4), 20 + 2);
  EXPECT_EQ(LoadI32(totals + 8), 1 + 30);
}

struct ClockCase {
  int period;
  int32_t frames, length;
  int32_t seconds;
};

TEST_F(PlayMatchTest, GameClockInSeconds) {
  const ClockCase cases[] = {
      {0, 0, 15000, 0},        {0, 7500, 15000, 1350},  {0, 15000, 15000, 2700}, {1, 0, 15000, 2700},
      {1, 15000, 15000, 5400}, {2, 2500, 5000, 5850},   {3, 5000, 5000, 7200},   {4, 0, 0, 7200},
      {4, 99, 1, 7200},        {1, 100, 0, 2700},  // no period length: the start of the period
  };
  for (const ClockCase& c : cases) {
    period = static_cast<int8_t>(c.period);
    PeriodFrames = c.frames;
    PeriodLengthFrames = c.length;
    EXPECT_EQ(GetMatchTimeSeconds(), c.seconds) << c.period << " " << c.frames;
  }
}

// A headless match from the stand-ins: the periods run to their length and
// the same seed plays the same match.
TEST_F(PlayMatchTest, HeadlessMatchPlaysThePeriodsItNeeds) {
  MatchSeams_Reset();
  MatchStandIns_Install(MatchSeams);
  MatchSeams.loadMotions = [] {};  // no clips are drawn
  StoreI16(GetMatchSetupRecord() + SETUP_MATCH_LENGTH, 1);
  GetMatchSetupRecord()[13] = 0;
  StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 0);
  PlayMatch();
  EXPECT_EQ(StandInCounts(0).frames, 3000);
  EXPECT_EQ(StandInCounts(1).frames, 3000);
  EXPECT_EQ(StandInCounts(2).frames, 0);
  EXPECT_GE(StandInCounts(0).kicks, 1);
  int restarts = 0;
  for (int p = 0; p < 2; ++p)
    restarts += StandInCounts(p).throwIns + StandInCounts(p).goalKicks + StandInCounts(p).corners;
  EXPECT_GT(restarts, 0);  // the ball alone goes out of play now and then
  EXPECT_EQ(LoadI16(GetMatchResultRecord() + TEAM_GOALS), Score[0]);
  EXPECT_EQ(LoadI16(GetMatchResultRecord() + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_GOALS), Score[1]);
}

}  // namespace

namespace {

class MatchStandInTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    MatchStandIns_Install(MatchSeams);
  }
};

struct RestartCase {
  int8_t period;
  uint8_t lowGoalSide;
  int16_t state;
  int16_t ballY;
  uint8_t possession;
  int goals0, goals1, shootout0, shootout1;  // shoot-out: the end the goal went into
  int throwIns, goalKicks, corners;
  int fromX, fromY;  // where the ball is relaunched from (-1: the restart spot)
};

// A rule stops play: the ball-only states count it and relaunch the ball
// from the restart spot (the centre after a goal, for the side that conceded).
TEST_F(MatchStandInTest, BallOnlyStatesRelaunchFromTheRestartSpot) {
  const RestartCase cases[] = {
      {0, 0, STATE_THROW_IN, 900, 1, 0, 0, 0, 0, 1, 0, 0, -1, -1},
      {0, 0, STATE_GOAL_KICK, 130, 0, 0, 0, 0, 0, 0, 1, 0, -1, -1},
      {1, 1, STATE_CORNER, 2030, 1, 0, 0, 0, 0, 0, 0, 1, -1, -1},
      {0, 0, STATE_GOAL, 100, 1, 0, 1, 0, 0, 0, 0, 0, 796, 1082},   // in the low goal: side 0 defends it
      {1, 1, STATE_GOAL, 100, 0, 1, 0, 0, 0, 0, 0, 0, 796, 1082},   // ends changed: side 1 defends it
      {0, 0, STATE_GOAL, 2060, 0, 1, 0, 0, 0, 0, 0, 0, 796, 1082},  // the high goal
  };
  for (const RestartCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.state << " period " << int(c.period));
    SetUp();
    period = c.period;
    LowGoalSide = c.lowGoalSide;
    MatchState = c.state;
    ballX = 800;
    ballY = c.ballY;
    ballOutState = c.state == STATE_GOAL ? 1 : 2;
    restartX = 156;
    restartY = 1500;
    PossessionSide = c.possession;
    MatchSeams.matchStateHandler();
    EXPECT_EQ(Score[0], c.goals0);
    EXPECT_EQ(Score[1], c.goals1);
    // The ball's goal rule counts a shoot-out goal; the states count it once more only in their lines.
    EXPECT_EQ(ShootoutScore[0], 0);
    EXPECT_EQ(ShootoutScore[1], 0);
    const StandInPeriodCounts& n = StandInCounts(c.period);
    EXPECT_EQ(n.throwIns, c.throwIns);
    EXPECT_EQ(n.goalKicks, c.goalKicks);
    EXPECT_EQ(n.corners, c.corners);
    EXPECT_EQ(n.goals, c.goals0 + c.goals1 + c.shootout0 + c.shootout1);
    EXPECT_EQ(n.kicks, 1);
    EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
    EXPECT_EQ(ballOutState, 0);
    EXPECT_EQ(ballX, c.fromX < 0 ? restartX : c.fromX);
    EXPECT_EQ(ballY, c.fromY < 0 ? restartY : c.fromY);
    EXPECT_EQ(int{MatchObjects[OBJECT_BALL].x}, ballX);
    EXPECT_EQ(BallCarrier / 16, PossessionSide);
    if (c.state == STATE_GOAL) {
      EXPECT_EQ(PossessionSide, (c.goals0 || c.shootout0) ? 1 : 0);
    }
  }
}

// A shoot-out the ball alone cannot take, and a timed period whose time is
// up, go to the end-of-period state, which ends the period after its wait;
// a goal after time counts in the lines only.
TEST_F(MatchStandInTest, BallOnlyStatesEndThePeriodThroughItsState) {
  struct Case {
    int8_t period;
    int16_t state;
    int32_t frames, length;
    int wait;
  } cases[] = {
      {4, STATE_SHOOTOUT_KICK, 0, 0, 60},
      {0, STATE_GOAL, 100, 100, 180},
      {1, STATE_PERIOD_END, 100, 100, 180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "period " << int(c.period));
    SetUp();
    period = c.period;
    MatchState = c.state;
    MatchStateTimer = 0;
    PeriodFrames = c.frames;
    PeriodLengthFrames = c.length;
    for (int i = 0; i <= c.wait; ++i) {
      EXPECT_EQ(PeriodOver, 0);
      MatchSeams.matchStateHandler();
    }
    EXPECT_EQ(PeriodOver, 1);
    EXPECT_EQ(MatchState, STATE_PERIOD_END);
    EXPECT_EQ(Score[0] + Score[1], 0);
    EXPECT_EQ(StandInCounts(c.period).kicks, 0);
  }
}

// The same seed gives the same relaunch.
TEST_F(MatchStandInTest, RelaunchVelocityIsSeeded) {
  int32_t first[3] = {};
  for (int run = 0; run < 2; ++run) {
    SetUp();
    GameSeedRandom(42);
    MatchState = STATE_THROW_IN;
    restartX = Pitch.minX;
    restartY = 1000;
    MatchSeams.matchStateHandler();
    if (run == 0) {
      first[0] = ballVelX;
      first[1] = ballVelY;
      first[2] = ballVelHeight;
      EXPECT_GE(ballVelX, 0);  // a throw from the low touch line goes into the pitch
    } else {
      EXPECT_EQ(ballVelX, first[0]);
      EXPECT_EQ(ballVelY, first[1]);
      EXPECT_EQ(ballVelHeight, first[2]);
    }
  }
}

// The clock ends the period at its length through the end-of-period state
// and counts possession by flank,
// named from the side's own direction of play.
TEST_F(MatchStandInTest, ClockEndsThePeriodAndCountsFlanks) {
  PeriodLengthFrames = 3;
  LowGoalSide = 0;
  PossessionSide = 0;  // attacks towards larger y
  ballX = Pitch.minX + 10;
  MatchSeams.matchClockTick();
  PossessionSide = 1;
  MatchSeams.matchClockTick();
  EXPECT_EQ(PeriodOver, 0);
  ballX = Pitch.centreX;
  EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
  MatchSeams.matchClockTick();
  // The end of the period is the end-of-period state's to carry out.
  EXPECT_EQ(PeriodOver, 0);
  EXPECT_EQ(MatchState, STATE_PERIOD_END);
  EXPECT_EQ(MatchStateTimer, 0);
  EXPECT_EQ(PeriodFrames, 3);
  // Time stands still; while the state waits the period goes on.
  MatchSeams.matchClockTick();
  EXPECT_EQ(PeriodFrames, 3);
  EXPECT_EQ(PeriodOver, 0);
  // Something that takes the match out of the state ends the period at once.
  MatchState = STATE_THROW_IN;
  MatchSeams.matchClockTick();
  EXPECT_EQ(PeriodOver, 1);
  EXPECT_EQ(FlankFrames[0][2], 1);
  EXPECT_EQ(FlankFrames[1][0], 1);
  EXPECT_EQ(FlankFrames[1][1], 1);
}

}  // namespace
