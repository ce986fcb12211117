#include "gamecode/activeplayers.h"

#include <vector>

#include "gamecode/actions.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

std::vector<int> g_comments;

class ActivePlayersTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    g_comments.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_comments.push_back(event); };
    SetPitchGeometry();
    ActivePlayers_KickOffReset();
    MatchState = STATE_OPEN_PLAY;
    PossessionSide = 0;
    LowGoalSide = 0;
    PlaceBall(796, 1082);
    ballSpeed = 0;
    // Every player faces along the pitch (his distance is the along gap)
    // and stands further off the higher his number.
    for (int i = 0; i < MATCH_PLAYERS; ++i) {
      MatchObject& o = MatchObjects[i];
      o.facing = 0;
      o.x = 796;
      o.y = static_cast<int16_t>(1082 + 200 + 10 * (i % SIDE_OBJECTS));
      o.action = 3;
      o.offPitch = 0;
    }
  }
  static void PlaceBall(int x, int y) {
    ballX = static_cast<int16_t>(x);
    ballY = static_cast<int16_t>(y);
    ballPredict[0][0] = ballX;
    ballPredict[0][1] = ballY;
  }
  static void Serve(int side) {
    ProcessedSide = static_cast<int16_t>(side);
    UpdateActivePlayers();
  }
  static void Distance(int object, int d) { MatchObjects[object].y = static_cast<int16_t>(ballY + d); }
};

TEST_F(ActivePlayersTest, TheMetricWeighsTheGapsByTheFacing) {
  struct Case {
    uint8_t facing;
    int dx, dy;
    int expected;
  } cases[] = {
      {0, 300, 40, 40},    // facing along: only the along gap
      {64, 300, 40, 300},  // facing across: only the across gap
      {128, -30, -50, 50},
      {32, 100, 100, 140},  // 70.7 + 70.7, each truncated
  };
  for (const Case& c : cases) {
    MatchObject& p = MatchObjects[1];
    p.facing = c.facing;
    p.x = static_cast<int16_t>(ballX + c.dx);
    p.y = static_cast<int16_t>(ballY + c.dy);
    Serve(0);
    EXPECT_EQ(p.ballDistance, c.expected) << int(c.facing);
    EXPECT_EQ(p.chaseMetric, c.expected) << int(c.facing);
  }
}

TEST_F(ActivePlayersTest, OneBubblePassAFrame) {
  // Side 0 in reverse order of distance: one pass carries the farthest, the
  // keeper, to the end while every other entry climbs a single place.
  for (int i = 0; i < SIDE_OBJECTS; ++i) Distance(i, 400 - 20 * i);
  Serve(0);
  for (int i = 0; i < SIDE_OBJECTS - 1; ++i) EXPECT_EQ(ChaseOrder[0][i], i + 1);
  EXPECT_EQ(ChaseOrder[0][15], 0);
  // The keeper, now nearest, is never moved forward.
  for (int i = 1; i < SIDE_OBJECTS; ++i) Distance(i, 100 + i);
  Distance(0, 1);
  for (int frame = 0; frame < 4; ++frame) Serve(0);
  EXPECT_EQ(ChaseOrder[0][15], 0);
  // Another entry does climb, one place a frame.
  Distance(9, 2);
  Serve(0);
  EXPECT_EQ(ChaseOrder[0][7], 9);
  Serve(0);
  EXPECT_EQ(ChaseOrder[0][6], 9);
}

TEST_F(ActivePlayersTest, TheFirstObjectOfTheSecondSideIsNeverMovedForward) {
  for (int i = 16; i < 32; ++i) Distance(i, 500);
  Distance(16, 10);
  Distance(17, 20);
  ChaseOrder[1][0] = 17;
  ChaseOrder[1][1] = 16;
  Serve(1);
  EXPECT_EQ(ChaseOrder[1][0], 17);
  EXPECT_EQ(ChaseOrder[1][1], 16);
}

TEST_F(ActivePlayersTest, ASentOffPlayerSinksToTheEnd) {
  for (int i = 0; i < SIDE_OBJECTS; ++i) Distance(i, 100 + i);
  MatchObjects[3].offPitch = 1;
  Distance(3, 1);
  for (int frame = 0; frame < 16; ++frame) Serve(0);
  EXPECT_EQ(MatchObjects[3].chaseMetric, CHASE_METRIC_OFF_PITCH);
  EXPECT_EQ(ChaseOrder[0][15], 3);
}

TEST_F(ActivePlayersTest, HolesAreFilledWithTheMissingObjects) {
  ChaseOrder[0][4] = 32;
  ChaseOrder[0][9] = 40;
  ChaseOrder[0][0] = 1;  // 1 twice: 0, 4 and 9 are missing
  Serve(0);
  std::vector<int> seen(SIDE_OBJECTS, 0);
  for (int i = 0; i < SIDE_OBJECTS; ++i) {
    ASSERT_LT(ChaseOrder[0][i], 16);
    ++seen[ChaseOrder[0][i]];
  }
  // A hole takes the highest-numbered object missing at that moment.
  EXPECT_EQ(seen[9], 1);
  EXPECT_EQ(seen[4], 1);
}

TEST_F(ActivePlayersTest, TheNearestFreePlayerBecomesActiveAndGoesForTheBall) {
  Distance(0, 600);  // the keeper is far away
  Distance(1, 5);
  for (int frame = 0; frame < 4; ++frame) Serve(0);
  EXPECT_EQ(ActivePlayer[0], 1);
  EXPECT_EQ(MatchObjects[1].action, 4);
  EXPECT_GE(MatchObjects[1].activeFrames, 1);
}

TEST_F(ActivePlayersTest, WithTheNearestThreeBusyTheRoleStays) {
  struct Case {
    int16_t busy;
    bool changes;
  } cases[] = {{17, false}, {40, false}, {37, false}, {16, true}};
  for (const Case& c : cases) {
    SetUp();
    ChaseOrder[0][0] = 5;
    ChaseOrder[0][1] = 6;
    ChaseOrder[0][2] = 7;
    ChaseOrder[0][3] = 0;
    ChaseOrder[0][5] = 1;
    ChaseOrder[0][6] = 2;
    ChaseOrder[0][7] = 3;
    Distance(5, 1);
    Distance(6, 2);
    Distance(7, 3);
    ActivePlayer[0] = 9;
    MatchObjects[9].action = 4;
    for (int i : {5, 6, 7}) MatchObjects[i].action = c.busy;
    Serve(0);
    EXPECT_EQ(ActivePlayer[0] != 9, c.changes) << c.busy;
    if (!c.changes) {
      EXPECT_EQ(MatchObjects[9].activeFrames, 1) << c.busy;
    }
  }
}

TEST_F(ActivePlayersTest, AHeldActivePlayerNearTheBallKeepsTheRole) {
  struct Case {
    int16_t hold;
    int distance;
    int16_t action;
    int expected;
  } cases[] = {
      {1, 128, 4, 8},   // held, near, free: keeps it
      {1, 129, 4, 1},   // too far
      {0, 100, 4, 1},   // not held
      {1, 100, 17, 1},  // busy
  };
  for (const Case& c : cases) {
    SetUp();
    Distance(1, 2);
    Distance(8, c.distance);
    ChaseOrder[0][0] = 1;
    ChaseOrder[0][1] = 0;
    ChaseOrder[0][8] = 8;
    ActivePlayer[0] = 8;
    HoldActiveFlag[0] = c.hold;
    MatchObjects[8].action = c.action;
    Serve(0);
    EXPECT_EQ(ActivePlayer[0], c.expected) << c.hold << " " << c.distance << " " << c.action;
    if (c.expected == 8) {
      EXPECT_EQ(MatchObjects[8].activeFrames, 0);
    }
  }
}

TEST_F(ActivePlayersTest, TheHandOver) {
  // Another chaser goes back to the shape; the old active player too while free.
  MatchObjects[2].action = 4;
  ActivePlayer[0] = 3;
  MatchObjects[3].action = 4;
  MakeActivePlayer(0, 5);
  EXPECT_EQ(MatchObjects[2].action, 3);
  EXPECT_EQ(MatchObjects[3].action, 3);
  EXPECT_EQ(MatchObjects[5].action, 4);
  EXPECT_EQ(ActivePlayer[0], 5);
  // A busy old active player keeps his action and the entry.
  MatchObjects[5].action = 15;
  MakeActivePlayer(0, 6);
  EXPECT_EQ(MatchObjects[5].action, 15);
  EXPECT_EQ(ActivePlayer[0], 5);
  EXPECT_EQ(MatchObjects[6].action, 4);
  // Out of open play the new one is not sent after the ball.
  MatchState = STATE_THROW_IN;
  MatchObjects[7].action = 0;
  MakeActivePlayer(0, 7);
  EXPECT_EQ(MatchObjects[7].action, 0);
  // The decision player is recorded even when the old one is busy.
  MatchState = STATE_OPEN_PLAY;
  MatchObjects[5].action = 20;
  ActivePlayer[0] = 5;
  SetDecisionPlayer(0, 9);
  EXPECT_EQ(ActivePlayer[0], 9);
  EXPECT_EQ(DecisionPlayer, 9);
  EXPECT_EQ(MatchObjects[5].action, 20);
}

TEST_F(ActivePlayersTest, PressureOfTheSideInPossession) {
  struct Case {
    int16_t own, other;  // goals of the side in possession and of the other
    int rise, fall;      // per fourth frame
  } cases[] = {{0, 0, 1, 1}, {0, 2, 3, 1}, {0, 4, 5, 1}, {0, 7, 5, 1}, {1, 0, 0, 4}, {5, 0, 0, 1}};
  for (const Case& c : cases) {
    SetUp();
    PossessionSide = 1;
    Score[1] = c.own;
    Score[0] = c.other;
    PossessionPressure[1] = 100;
    PossessionPressure[0] = 100;
    BoostCountdown = 9;
    for (int frame = 0; frame < 8; ++frame) UpdateMatchCounters();  // 8..1: 8 and 4 counted
    EXPECT_EQ(PossessionPressure[1], 100 + 2 * c.rise) << c.own << "-" << c.other;
    EXPECT_EQ(PossessionPressure[0], 100 - 2 * c.fall) << c.own << "-" << c.other;
  }
}

TEST_F(ActivePlayersTest, PressureStopsAtItsLimitsAndIsClearedAtTheKickOff) {
  PossessionSide = 0;
  Score[1] = 4;
  PossessionPressure[0] = 990;
  BoostCountdown = 100;
  for (int frame = 0; frame < 16; ++frame) UpdateMatchCounters();
  EXPECT_EQ(PossessionPressure[0], PRESSURE_MAX);
  EXPECT_EQ(PossessionPressure[1], 0);
  MatchState = STATE_KICK_OFF;
  UpdateMatchCounters();
  EXPECT_EQ(PossessionPressure[0], 0);
  // Outside open play nothing builds.
  MatchState = STATE_CORNER;
  for (int frame = 0; frame < 16; ++frame) UpdateMatchCounters();
  EXPECT_EQ(PossessionPressure[0], 0);
}

TEST_F(ActivePlayersTest, TheFrameCounters) {
  FrameCountdowns[0] = 2;
  FrameCountdowns[3] = 0;
  FrameCountdowns[4] = -3;
  groundFriction = 0.5f;
  groundBounce = 0.25f;
  UpdateMatchCounters();
  EXPECT_EQ(ProcessedSide, 1);
  EXPECT_EQ(FramePhase, 1);
  EXPECT_EQ(FrameCountdowns[0], 1);
  EXPECT_EQ(FrameCountdowns[3], 0);
  EXPECT_EQ(FrameCountdowns[4], -3);
  EXPECT_FLOAT_EQ(FrameBallFriction, 0.94f);
  EXPECT_FLOAT_EQ(FrameBallBounce, 0.52f);
  // The ground keeps its own.
  EXPECT_FLOAT_EQ(groundFriction, 0.5f);
  EXPECT_FLOAT_EQ(groundBounce, 0.25f);
  for (int frame = 0; frame < 3; ++frame) UpdateMatchCounters();
  EXPECT_EQ(FramePhase, 0);
  EXPECT_EQ(ProcessedSide, 0);
}

TEST_F(ActivePlayersTest, MomentumIsLoweredEveryReload) {
  SideMomentum[0] = 3;
  SideMomentum[1] = 0;
  BoostCountdown = 0;
  UpdateMatchCounters();
  EXPECT_EQ(BoostCountdown, BOOST_RELOAD);
  EXPECT_EQ(SideMomentum[0], 2);
  EXPECT_EQ(SideMomentum[1], 0);
  UpdateMatchCounters();
  EXPECT_EQ(BoostCountdown, BOOST_RELOAD - 1);
  EXPECT_EQ(SideMomentum[0], 2);
}

TEST_F(ActivePlayersTest, MomentumSwingsToTheSideAwayFromTheBall) {
  struct Case {
    int ballY;
    uint8_t lowGoalSide;
    int weight;
    int16_t before0, before1, after0, after1;
  } cases[] = {
      {500, 0, 2, 10, 10, 6, 12},   // in side 0's half
      {500, 1, 2, 10, 10, 12, 6},   // the ends changed
      {1500, 0, 5, 0, 0, 5, 0},     // side 1 defends: 0 - 10 is raised to 0
      {1082, 0, 1, 4, 4, 5, 2},     // the centre line counts as the high half
  };
  for (const Case& c : cases) {
    SetUp();
    PlaceBall(796, c.ballY);
    LowGoalSide = c.lowGoalSide;
    SideMomentum[0] = c.before0;
    SideMomentum[1] = c.before1;
    AdjustMomentum(c.weight);
    EXPECT_EQ(SideMomentum[0], c.after0) << c.ballY << " " << int(c.lowGoalSide);
    EXPECT_EQ(SideMomentum[1], c.after1) << c.ballY << " " << int(c.lowGoalSide);
  }
}

TEST_F(ActivePlayersTest, MomentumCommentsOnlyForSomeWeightsAndScores) {
  // Many events: only weights 2 and 3 ever speak; a level score gives 25,
  // the side on top one goal down 26, two down nothing.
  struct Case {
    int weight;
    int16_t score0, score1;
    int event;  // -1 none
  } cases[] = {{2, 0, 0, 25}, {3, 0, 1, 26}, {2, 0, 2, -1}, {1, 0, 0, -1}, {4, 0, 0, -1}, {6, 0, 0, -1}};
  for (const Case& c : cases) {
    SetUp();
    PlaceBall(796, 1500);  // side 1's half: side 0 gains
    Score[0] = c.score0;
    Score[1] = c.score1;
    for (int i = 0; i < 64; ++i) AdjustMomentum(c.weight);
    if (c.event < 0) {
      EXPECT_TRUE(g_comments.empty()) << c.weight;
    } else {
      ASSERT_FALSE(g_comments.empty()) << c.weight;
      for (int e : g_comments) EXPECT_EQ(e, c.event);
    }
  }
}

TEST_F(ActivePlayersTest, ADefenderRunningTowardsHisGoalIsPenalisedByTheBallSpeed) {
  // Side 1 defends; the ball is carried towards the low goal (side 0 attacks it
  // when side 0 is not the low goal side).
  LowGoalSide = 1;  // side 0 attacks the low goal line
  PossessionSide = 0;
  ballSpeed = 3;
  MatchObject& p = MatchObjects[17];
  p.x = 796;
  p.y = 1182;
  // Facing towards the low goal (0): the reverse (128) points away from the
  // low goal line, 128 from goalDir (0): (128 x 3 + 150) / 150.
  p.facing = 0;
  Serve(1);
  EXPECT_EQ(p.ballDistance, 100);
  EXPECT_EQ(p.chaseMetric, 100 * (128 * 3 + 150) / 150);
  // Facing the ball from the goal side keeps the metric.
  p.facing = 128;
  p.y = 982;
  Serve(1);
  EXPECT_EQ(p.chaseMetric, 100);
  // A huge penalty stays in range and below the sent-off players.
  ballSpeed = 200;
  p.facing = 0;
  p.y = 1982;
  Serve(1);
  EXPECT_GT(p.chaseMetric, 0);
  EXPECT_LT(p.chaseMetric, CHASE_METRIC_OFF_PITCH);
}

TEST_F(ActivePlayersTest, TheKickOffReset) {
  ChaseOrder[0][0] = 5;
  ActivePlayer[1] = 20;
  HoldActiveFlag[0] = 1;
  PossessionPressure[1] = 9;
  SideMomentum[0] = 4;
  ProcessedSide = 1;
  ActivePlayers_KickOffReset();
  for (int i = 0; i < SIDE_OBJECTS; ++i) {
    EXPECT_EQ(ChaseOrder[0][i], i);
    EXPECT_EQ(ChaseOrder[1][i], 16 + i);
  }
  EXPECT_EQ(ActivePlayer[1], NO_ACTIVE_PLAYER);
  EXPECT_EQ(HoldActiveFlag[0], 0);
  EXPECT_EQ(PossessionPressure[1], 0);
  EXPECT_EQ(SideMomentum[0], 0);
  EXPECT_EQ(ProcessedSide, 0);
}

}  // namespace
