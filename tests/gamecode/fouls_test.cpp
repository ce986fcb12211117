#include "gamecode/fouls.h"
#include "gamecode/goalcomment.h"

#include <string>
#include <vector>

#include "engine/rand.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/balltouch.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchres.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/teamops.h"
#include "gamecode/teamshape.h"
#include "support/engine_fixture.h"

namespace {

std::vector<std::string> gEvents;  // "I<type>", "C<event>:<first>", "S<effect>", "K<side>" (keeper replaced)

class FoulsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gEvents.clear();
    SetPitchGeometry();
    uint8_t* setup = ClearMatchSetupRecord();
    for (int side = 0; side < 2; ++side) setup[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = 0;
    MatchSeams.infoBar = [](int type, int, int) { gEvents.push_back("I" + std::to_string(type)); };
    MatchSeams.sayComment = [](int event, int, int, int first, int, int) {
      gEvents.push_back("C" + std::to_string(event) + ":" + std::to_string(first));
    };
    MatchSeams.sfxPlay = [](int effect) { gEvents.push_back("S" + std::to_string(effect)); };
    MatchSeams.replaceGoalkeeper = [](int side) { gEvents.push_back("K" + std::to_string(side)); };
    for (void (**f)() : {&MatchSeams.updateActivePlayers, &MatchSeams.updateMatchCounters,
                         &MatchSeams.teamShapeInterpolateZones, &MatchSeams.teamShapeSetTargets,
                         &MatchSeams.computerManagerFirstStep, &MatchSeams.computerManagerSecondStep,
                         &MatchSeams.updateManMarking, &MatchSeams.replanTeams})
      *f = [] {};
    SubstitutesAllowed = 3;
    LowGoalSide = 0;  // side 0 attacks y 2042
    period = 0;
    for (int side = 0; side < 2; ++side) {
      for (int place = 0; place < SIDE_OBJECTS; ++place) {
        const int object = side * SIDE_OBJECTS + place;
        SideSlots[side][place] = static_cast<int16_t>(object);
        MatchObject& o = MatchObjects[object];
        o.offPitch = place > 10 ? 1 : 0;
        o.onBench = place > 10 ? 1 : 0;
        o.action = place == 0 ? 122 : 3;
        o.x = static_cast<int16_t>(300 + 80 * place);
        o.y = static_cast<int16_t>(side == 0 ? 700 - 20 * place : 1464 + 20 * place);
        o.targetX = o.x;
        o.targetY = o.y;
      }
      for (int k = 0; k < SIDE_OBJECTS; ++k)
        ChaseOrder[side][k] = static_cast<int16_t>(k < 10 ? side * SIDE_OBJECTS + 1 + k : 32);
      FreeKickTakerObject[side] = PenaltyTakerObject[side] = -1;
    }
    offsideLine[0] = 300;
    offsideLine[1] = 1800;
  }
  static bool Saw(const std::string& e) {
    for (const auto& x : gEvents)
      if (x == e) return true;
    return false;
  }
  // A foul by side 1 at (x, y); runs the state until it leaves state 1 (or the frame limit).
  static void Settle() {
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].action = static_cast<int16_t>(i % 16 == 0 ? 122 : 3);
  }
  static void Foul(int x, int y, int fouled = 2) {
    Settle();
    FoulingSide = 1;
    FouledPlayer = static_cast<int16_t>(fouled);
    restartX = static_cast<int16_t>(x);
    restartY = static_cast<int16_t>(y);
    MatchState = STATE_FOUL;
    MatchStateTimer = 0;
    for (int n = 0; n < 200 && MatchState == STATE_FOUL; ++n) RunMatchState();
  }
  static int TakerOf(int side) { return ActivePlayer[side]; }
};

// Where the foul was decides the restart: a direct free kick within 608 of
// the goal's centre and within 40 steps of straight along the pitch, a
// penalty inside the attacked area, otherwise a free kick.
TEST_F(FoulsTest, TheSpotDecidesFreeKickDirectFreeKickOrPenalty) {
  struct Case {
    const char* name;
    int fouling, x, y;
    int16_t state;
  } cases[] = {
      {"600 straight in front", 1, 796, 2042 - 600, STATE_DIRECT_FREE_KICK_PLACED},
      {"609 straight in front", 1, 796, 2042 - 609, STATE_FREE_KICK_PLACED},
      {"across the pitch (direction 64)", 1, 796 - 500, 2042, STATE_FREE_KICK_PLACED},
      {"on the area's line", 1, 800, 1754, STATE_PENALTY_PLACED},
      {"on the area's far corner", 1, 1116, 2000, STATE_PENALTY_PLACED},
      {"just wide of the area", 1, 475, 1754, STATE_DIRECT_FREE_KICK_PLACED},
      {"the other side's area", 0, 796, 410, STATE_PENALTY_PLACED},
      {"just outside it", 0, 796, 411, STATE_DIRECT_FREE_KICK_PLACED},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Settle();
    FoulingSide = static_cast<uint8_t>(c.fouling);
    FouledPlayer = static_cast<int16_t>((1 - c.fouling) * SIDE_OBJECTS + 2);
    restartX = static_cast<int16_t>(c.x);
    restartY = static_cast<int16_t>(c.y);
    MatchState = STATE_FOUL;
    MatchStateTimer = 0;
    for (int n = 0; n < 200 && MatchState == STATE_FOUL; ++n) RunMatchState();
    EXPECT_EQ(MatchState, c.state);
    const int side = 1 - c.fouling;
    EXPECT_EQ(CurrentSide, side);
    EXPECT_EQ(PossessionSide, side);
    const int taker = TakerOf(side);
    ASSERT_GE(taker, side * SIDE_OBJECTS);
    ASSERT_LT(taker, side * SIDE_OBJECTS + SIDE_OBJECTS);
    // The penalty taker sets the ball and lines up at once; the free-kick
    // organiser stays at the spot.
    EXPECT_EQ(+MatchObjects[taker].action, c.state == STATE_PENALTY_PLACED ? 60 : 53);
    EXPECT_EQ(focusObject, OBJECT_BALL);
    EXPECT_EQ(+MatchObjects[OBJECT_RESTART_SPOT].frame, 12);
  }
}

// A foul or a goal that finds the timer left below 0 by the kick-off still
// runs its course.
TEST_F(FoulsTest, ATimerLeftBelowZeroCountsAsUnarmed) {
  Settle();
  FoulingSide = 1;
  FouledPlayer = 2;
  restartX = 300;
  restartY = 1400;
  MatchState = STATE_FOUL;
  MatchStateTimer = -1;
  for (int n = 0; n < 200 && MatchState == STATE_FOUL; ++n) RunMatchState();
  EXPECT_EQ(MatchState, STATE_FREE_KICK_PLACED);
  BallFramePos[1] = 2050;
  MatchState = STATE_GOAL;
  MatchStateTimer = -1;
  RunMatchState();
  EXPECT_EQ(Score[0], 1);
  EXPECT_EQ(MatchStateTimer, 50);
}

TEST_F(FoulsTest, APenaltyIsTakenFromTheSpotWithBothKeepersInGoal) {
  PenaltyTakerObject[0] = 9;
  Foul(800, 1900);
  ASSERT_EQ(MatchState, STATE_PENALTY_PLACED);
  EXPECT_TRUE(Saw("C104:-1"));
  EXPECT_EQ(restartX, 796);
  EXPECT_EQ(restartY, 1850);
  EXPECT_EQ(TakerOf(0), 9);
  EXPECT_EQ(+MatchObjects[9].x, 796);
  EXPECT_EQ(+MatchObjects[9].y, 1840);  // ten further from the goal line
  EXPECT_EQ(+MatchObjects[0].action, 122);
  EXPECT_EQ(+MatchObjects[16].action, 122);
  EXPECT_EQ(SideFouls[1], 1);
  EXPECT_GE(AddedTimeFrames, 30);
}

// The taker: the designated one unless he was fouled himself (then the first
// free chase place); beyond 800 the nearest free team-mate.
TEST_F(FoulsTest, TheFreeKickTaker) {
  struct Case {
    const char* name;
    int designated, fouled, y;
    int taker;
  } cases[] = {
      {"designated, near goal", 7, 2, 1500, 7},
      {"designated was fouled", 7, 7, 1500, 2},  // chase place 1 is object 2
      {"far out: the nearest free team-mate", 7, 2, 600, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FreeKickTakerObject[0] = static_cast<int16_t>(c.designated);
    CurrentSide = 0;
    Settle();
    const int expected = c.taker >= 0 ? c.taker : NearestFreeTeamMate(300, c.y, c.fouled);
    Foul(300, c.y, c.fouled);
    EXPECT_EQ(MatchState, STATE_FREE_KICK_PLACED);
    EXPECT_EQ(TakerOf(0), expected);
    EXPECT_NE(TakerOf(0), c.fouled);
  }
}

// With a card pending the free kick waits in state 22, adding stoppage time,
// until the referee has dealt with it; the next frame sets the free kick up.
TEST_F(FoulsTest, APendingCardHoldsTheFreeKickInTheStoppageState) {
  RefereeDecision = 8;
  Foul(300, 1400);
  ASSERT_EQ(MatchState, STATE_STOPPAGE);
  EXPECT_EQ(SavedState, STATE_FOUL);
  EXPECT_EQ(+MatchObjects[OBJECT_REFEREE].actionArg2, 8);  // he books the offender after the whistle
  for (int i = 0; i < 5; ++i) RunMatchState();
  EXPECT_EQ(MatchState, STATE_STOPPAGE);
  EXPECT_GE(AddedTimeFrames, 5);
  RefereeDecision = 0;
  RunMatchState();
  EXPECT_EQ(MatchState, STATE_FOUL);
  RunMatchState();
  EXPECT_EQ(MatchState, STATE_FREE_KICK_PLACED);
}

// A hurt fouled player: a human side loses him at once and is asked for a
// change; a computer side replaces him; a side without changes left plays on
// with him, his injury gone.
TEST_F(FoulsTest, AHurtFouledPlayer) {
  struct Case {
    const char* name;
    uint8_t human;
    int16_t used;
    bool offPitch;
    bool replaced;
  } cases[] = {
      {"human side", 1, 0, true, false},
      {"computer side", 0, 0, true, true},
      {"no changes left", 0, 3, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    uint8_t* setup = GetMatchSetupRecord();
    setup[MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_HUMAN] = c.human;
    SubstitutionsUsed[0] = c.used;
    for (int place = 11; place < 16; ++place) {
      MatchObjects[place].rating = 0;
      MatchObjects[place].attr[SKILL_POSITION] = 6;
    }
    MatchObjects[5].attr[SKILL_POSITION] = 6;
    MatchObjects[5].injury = 1;
    Foul(300, 1400, 5);
    EXPECT_EQ(MatchObjects[5].offPitch != 0, c.offPitch);
    EXPECT_EQ(Saw("I11"), c.replaced);
    if (!c.offPitch) {
      EXPECT_EQ(+MatchObjects[5].injury, 0);
    }
    if (c.human) {
      EXPECT_EQ(RequestsServed[0], 1);
    }
    EXPECT_EQ(MatchState, STATE_FREE_KICK_PLACED);
  }
}

// A computer side whose keeper is off the pitch puts another in goal at the
// foul, at the centre across and the spot's y.
TEST_F(FoulsTest, ALostKeeperIsReplacedAtTheFoul) {
  MatchObjects[16].offPitch = 1;
  MatchSeams.replaceGoalkeeper = [](int side) {
    gEvents.push_back("K" + std::to_string(side));
    std::swap(SideSlots[1][0], SideSlots[1][4]);
  };
  Foul(300, 1400);
  EXPECT_TRUE(Saw("K1"));
  EXPECT_EQ(SideSlots[1][0], 20);
  EXPECT_EQ(+MatchObjects[20].action, 122);
  EXPECT_EQ(+MatchObjects[20].x, 796);
}

class GoalTest : public FoulsTest {
 protected:
  void SetUp() override {
    FoulsTest::SetUp();
    MatchResults_ClearTables();
    ScoreSeen = -1;
    MatchSeams.scoreSituationComment = [](int side, int) { ScoreSeen = side; };
  }
  // A goal at the high end (side 0 scores) with the last touch by `last`.
  static void Goal(int last, int sideLast) {
    BallCarrier = static_cast<int16_t>(last);
    SideLastToucher[0] = static_cast<int16_t>(sideLast);
    BallFramePos[1] = 2050;
    MatchState = STATE_GOAL;
    MatchStateTimer = 0;
    RunMatchState();
  }
  static inline int ScoreSeen = -1;
};

TEST_F(GoalTest, AGoalIsCreditedRecordedAndCelebrated) {
  MoveRecords[0] = {1, 9};
  MoveRecords[1] = {1, 7};
  AssistCandidate = 7;
  RecordedShooter = 9;
  MatchObjects[9].attr[SKILL_AGILITY] = 99;
  Goal(9, 9);
  EXPECT_EQ(Score[0], 1);
  EXPECT_EQ(+MatchObjects[9].goals, 1);
  EXPECT_EQ(+MatchObjects[16].goalsConceded, 1);
  EXPECT_EQ(GetGoalRecord(0, 0).scorer, 9);
  EXPECT_TRUE(Saw("S14"));
  EXPECT_TRUE(Saw("I8"));
  EXPECT_TRUE(Saw("C102:9"));
  EXPECT_TRUE(Saw("C103:7"));
  EXPECT_EQ(+MatchObjects[7].assists, 1);
  EXPECT_EQ(+MatchObjects[9].shotsOnTarget, 1);
  EXPECT_EQ(+MatchObjects[9].further[4], 1);  // the shooter's move record
  EXPECT_EQ(+MatchObjects[7].further[8], 1);  // the crosser's
  EXPECT_EQ(ScoreSeen, 0);
  EXPECT_EQ(MoveRecords[0].flag, 0);  // spent: no later goal is credited to this move
  EXPECT_EQ(AssistCandidate, -1);
  EXPECT_EQ(CelebrationFlag, 1);
  EXPECT_EQ(+MatchObjects[9].action, 69);
  EXPECT_EQ(+MatchObjects[9].actionArg, 6);  // 99 / 18 + 1, at most 6
  // One goal up: every team-mate on the pitch in an ordinary action joins in.
  for (int place = 1; place <= 10; ++place)
    if (place != 9) {
      EXPECT_EQ(+MatchObjects[place].action, 70) << place;
    }
  EXPECT_EQ(+MatchObjects[11].action, 3);  // not on the pitch
  // After 50 frames: state 28.
  for (int i = 0; i < 50; ++i) RunMatchState();
  EXPECT_EQ(MatchState, STATE_AFTER_GOAL);
}

// A shot from beyond 35 yards is not counted when struck; once it goes in,
// it counts as a shot too, so no one has more shots on target than shots.
TEST_F(GoalTest, AGoalFromAnUncountedShotCountsTheShot) {
  const struct {
    int shotsBefore, shotsAfter, sideShotsAfter;
  } cases[] = {{0, 1, 1}, {2, 2, 0}};
  for (const auto& c : cases) {
    MatchObjects[9].shots = static_cast<int16_t>(c.shotsBefore);
    MatchObjects[9].shotsOnTarget = 0;
    SideShots[0] = 0;
    Score[0] = Score[1] = 0;
    MatchState = STATE_OPEN_PLAY;
    RecordedShooter = 9;
    Goal(9, 9);
    EXPECT_EQ(+MatchObjects[9].shotsOnTarget, 1) << c.shotsBefore;
    EXPECT_EQ(+MatchObjects[9].shots, c.shotsAfter) << c.shotsBefore;
    EXPECT_EQ(SideShots[0], c.sideShotsAfter) << c.shotsBefore;
  }
}

TEST_F(GoalTest, AnOwnGoalCreditsNoAssistAndStartsNoCelebration) {
  AssistCandidate = 7;
  Goal(20, 7);  // side 1's defender put it in at the end side 1 defends
  EXPECT_EQ(Score[0], 1);
  EXPECT_EQ(+MatchObjects[20].ownGoals, 1);
  EXPECT_EQ(+MatchObjects[20].goals, 0);
  EXPECT_TRUE(Saw("I9"));
  EXPECT_TRUE(Saw("C101:20"));
  EXPECT_FALSE(Saw("C103:7"));
  EXPECT_EQ(+MatchObjects[7].assists, 0);
  EXPECT_EQ(CelebrationFlag, 0);
  EXPECT_EQ(+MatchObjects[7].action, 3);
}

TEST_F(GoalTest, TheConcedingKeepersLastTouchCreditsTheScoringSidesLastToucher) {
  Goal(16, 8);
  EXPECT_EQ(+MatchObjects[16].ownGoals, 0);
  EXPECT_EQ(+MatchObjects[8].goals, 1);
  EXPECT_EQ(GetGoalRecord(0, 0).scorer, 8);
}

// 3-1: each team-mate joins the celebration on a roll of 1 in 2.
TEST_F(GoalTest, TwoGoalsUpTeamMatesJoinOnARollOfOneInTwo) {
  Score[0] = 2;
  Score[1] = 1;
  GameSeedRandom(77);
  Goal(9, 9);
  GameSeedRandom(77);
  int joined = 0;
  for (int place = 1; place <= 10; ++place) {
    if (place == 9) continue;
    const bool joins = GameRandom() % 2 == 0;
    EXPECT_EQ(MatchObjects[place].action == 70, joins) << place;
    joined += joins;
  }
  EXPECT_GT(joined, 0);
  EXPECT_LT(joined, 9);
}

// After the goal: the celebration ends, the ball goes to the centre spot and
// the side that conceded kicks off (state 10, its keeper in action 23, then
// on to the kick-off).
TEST_F(GoalTest, AfterTheGoalTheConcedingSideKicksOff) {
  Goal(9, 9);
  for (int i = 0; i < 50; ++i) RunMatchState();
  ASSERT_EQ(MatchState, STATE_AFTER_GOAL);
  MatchObjects[0].action = 122;
  for (int i = 0; i < 500; ++i) RunMatchState();
  EXPECT_EQ(MatchState, STATE_AFTER_GOAL);  // still celebrating up to 500 frames
  RunMatchState();
  EXPECT_EQ(MatchState, STATE_AFTER_GOAL_WAIT);
  EXPECT_EQ(ballX, 796);
  EXPECT_EQ(ballY, 1082);
  EXPECT_EQ(kickOffSide, 1);
  EXPECT_EQ(+MatchObjects[16].action, 23);
}

TEST_F(GoalTest, AShootOutGoalOnlyWhistlesThenGoesBackToTheKicks) {
  period = 4;
  Goal(9, 9);
  EXPECT_EQ(Score[0], 0);
  EXPECT_EQ(FrameCountdowns[COUNTDOWN_POST_GOAL], 100);
  for (int i = 0; i < 50; ++i) RunMatchState();
  EXPECT_EQ(MatchState, STATE_SHOOTOUT_KICK);
}

TEST(CelebrationStyle, FromAgility) {
  for (auto [agility, style] : {std::pair{0, 1}, {17, 1}, {18, 2}, {89, 5}, {90, 6}, {99, 6}})
    EXPECT_EQ(CelebrationStyle(agility), style) << agility;
}

}  // namespace
