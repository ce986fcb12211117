#include "gamecode/setplays.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/rand.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/fouls.h"
#include "gamecode/keeper.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstandin.h"
#include "gamecode/playmatch.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/playerstandin.h"
#include "gamecode/restarts.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"
#include "support/engine_fixture.h"
#include "support/match_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

std::vector<int> g_said;

// Everyone off the pitch but the players a test puts on.
class SetPlaysTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    PlayerStandIns_Install(MatchSeams);
    g_said.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_said.push_back(event); };
    for (void (**f)() : {&MatchSeams.updateActivePlayers, &MatchSeams.updateMatchCounters,
                         &MatchSeams.teamShapeInterpolateZones, &MatchSeams.teamShapeSetTargets,
                         &MatchSeams.computerManagerFirstStep, &MatchSeams.computerManagerSecondStep,
                         &MatchSeams.updateManMarking, &MatchSeams.replanTeams})
      *f = [] {};
    uint8_t* setup = ClearMatchSetupRecord();
    for (int side = 0; side < 2; ++side) setup[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = 0;
    // Commentary: a match without a screen, whose sound makes no rolls.
    StoreI16(setup + SETUP_DISPLAY_MODE, 0);
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i] = MatchObject{}, MatchObjects[i].offPitch = 1;
    for (int side = 0; side < 2; ++side) {
      for (int k = 0; k < SIDE_OBJECTS; ++k) {
        SideSlots[side][k] = static_cast<int16_t>(side * SIDE_OBJECTS + k);
        ChaseOrder[side][k] = static_cast<int16_t>(k < 10 ? side * SIDE_OBJECTS + 1 + k : 32);
      }
      FreeKickTakerObject[side] = PenaltyTakerObject[side] = CornerTakerObject[side] = -1;
    }
    BallKickOffReset(0);  // the ball's drag and gravity of a dry pitch
    LowGoalSide = 0;  // side 0 attacks the goal at y 2042
    period = 0;
    MatchState = STATE_FREE_KICK_PLACED;
    MatchObjects[OBJECT_RESTART_SPOT].x = Pitch.offPitch;
    MatchObjects[OBJECT_RESTART_SPOT].y = Pitch.offPitch;
  }
  static MatchObject& Put(int object, int x, int y, int action) { return PutPlayerAt(object, x, y, action); }
  // The ball at (x, y), which is also the restart spot.
  static void Ball(int x, int y) { PutRestartBall(x, y); }
  static void Marker(int x, int y) {
    MatchObjects[OBJECT_RESTART_SPOT].x = static_cast<int16_t>(x);
    MatchObjects[OBJECT_RESTART_SPOT].y = static_cast<int16_t>(y);
  }
  // One frame of the match as the players see it: the ball, the players
  // (keepers included) and the states.
  static void Frame() {
    UpdateMatchCounters();
    BallUpdate();
    player_action();
    RunMatchState();
    ++MatchFrameCounter;
  }
  static bool Said(int event) {
    for (int e : g_said)
      if (e == event) return true;
    return false;
  }
  // Two sides of a keeper and four outfield players each.
  static void TwoSides() {
    for (int side = 0; side < 2; ++side) {
      const int goalY = side == LowGoalSide ? 136 : 2028;
      Put(side * SIDE_OBJECTS, 796, goalY, 122);
      for (int k = 1; k <= 4; ++k)
        Put(side * SIDE_OBJECTS + k, 500 + 100 * k, side == 0 ? 1100 + 60 * k : 1000 - 60 * k, 3);
    }
  }
};

}  // namespace

TEST_F(SetPlaysTest, TheKickOffTakerAndPartnerWalkToTheBallAndWaitForTheWhistle) {
  MatchState = STATE_KICK_OFF_WAIT;
  Ball(796, 1082);
  Marker(796, 1300);
  Put(9, 796, 1050, 24);
  Put(10, 860, 1050, 26);
  player_action();
  EXPECT_EQ(MatchState, STATE_KICK_OFF_WAIT);  // still walking
  for (int frame = 0; frame < 300; ++frame) player_action();
  // At the ball the taker calls for the whistle; nobody plays it yet.
  EXPECT_EQ(MatchState, STATE_KICK_OFF);
  EXPECT_EQ(+MatchObjects[9].action, 24);
  EXPECT_EQ(+MatchObjects[10].action, 26);
  EXPECT_LE(std::abs(MatchObjects[9].x - 796) + std::abs(MatchObjects[9].y - 1082), 5);
  EXPECT_LE(std::abs(MatchObjects[10].x - 820) + std::abs(MatchObjects[10].y - 1082), 5);
  EXPECT_EQ(MoversCount, 0);
  EXPECT_EQ(ballVelX, 0);
  EXPECT_EQ(ballVelY, 0);
  // Once the ball is in play the partner stands down.
  MatchState = STATE_OPEN_PLAY;
  player_action();
  EXPECT_NE(+MatchObjects[10].action, 26);
}

TEST_F(SetPlaysTest, AWalkToASpotIsCountedUntilHeStandsThere) {
  MatchState = STATE_THROW_IN_TAKEN;
  Ball(160, 900);
  MatchObject& walker = Put(6, 400, 900, 63);
  walker.targetX = 300;
  player_action();
  EXPECT_EQ(MoversCount, 1);
  EXPECT_LT(+MatchObjects[6].x, 400);
  int frames = 0;
  while (MoversCount != 0 && frames < 400) {
    player_action();
    ++frames;
  }
  EXPECT_EQ(MoversCount, 0);
  EXPECT_LE(std::abs(MatchObjects[6].x - 300) + std::abs(MatchObjects[6].y - 900), 5);
  EXPECT_EQ(+MatchObjects[6].action, 63);  // he stays until the restart is taken
  MatchState = STATE_OPEN_PLAY;
  player_action();
  EXPECT_NE(+MatchObjects[6].action, 63);
}

// A throw-in's receiver and his marker walk to their spots as any restart
// walker does; once the throw is in the air they turn to meet it.
TEST_F(SetPlaysTest, AThrowInPairWalksThenMeetsTheThrow) {
  MatchState = STATE_THROW_IN_TAKEN;
  Ball(160, 900);
  MatchObject& receiver = Put(6, 500, 900, 76);
  receiver.targetX = 300;
  MatchObject& marker = Put(20, 600, 1000, 76);
  marker.targetX = 330;
  marker.actionArg = 6 + 1;
  player_action();
  EXPECT_EQ(MoversCount, 2);
  EXPECT_LT(+MatchObjects[6].x, 500);
  EXPECT_EQ(+MatchObjects[20].x, 600);  // waits for his man
  int frames = 0;
  while (MoversCount != 0 && frames < 1000) {
    player_action();
    ++frames;
  }
  EXPECT_EQ(MoversCount, 0);
  EXPECT_EQ(+MatchObjects[6].action, 76);  // both stand by until the throw
  EXPECT_EQ(+MatchObjects[20].action, 76);
  // The throw: the ball on its way, play running again.
  MatchState = STATE_OPEN_PLAY;
  BallHeight = 16;
  ballVelY = 6 * U;  // along the line, away from both of them
  UpdateBallSpeed();
  ASSERT_GE(ballSpeed, 2);
  player_action();
  EXPECT_EQ(+MatchObjects[6].action, 4);
  EXPECT_EQ(+MatchObjects[20].action, 4);
}

TEST_F(SetPlaysTest, AMarkerWaitsForHisPartner) {
  MatchState = STATE_THROW_IN_TAKEN;
  Ball(160, 900);
  MatchObject& receiver = Put(6, 500, 900, 63);
  receiver.targetX = 300;
  MatchObject& marker = Put(20, 600, 1000, 63);
  marker.targetX = 320;
  marker.targetY = 930;
  marker.actionArg = 6 + 1;
  player_action();
  EXPECT_EQ(MoversCount, 2);
  EXPECT_EQ(+MatchObjects[20].x, 600);  // waits
  EXPECT_EQ(+MatchObjects[20].y, 1000);
  int frames = 0;
  while (std::abs(MatchObjects[6].x - 300) > 5 && frames < 400) {
    player_action();
    ++frames;
  }
  for (int frame = 0; frame < 2; ++frame) player_action();
  EXPECT_LT(+MatchObjects[20].x, 600);  // the partner stands: now he goes
  while (MoversCount != 0 && frames < 1000) {
    player_action();
    ++frames;
  }
  EXPECT_LE(std::abs(MatchObjects[20].x - 320) + std::abs(MatchObjects[20].y - 930), 5);
}

// Waits that nobody else ends stop after the longest wait, each by its own count.
TEST_F(SetPlaysTest, NoRestartWaitOutlastsTheLongestWait) {
  struct Row {
    const char* name;
    int code;
    int partnerCode;  // the partner's code (-1 none): a partner who never arrives
  };
  const std::vector<Row> rows = {{"a walk to an unreachable spot", 63, -1},
                                 {"a marker whose man never arrives", 63, 63},
                                 {"a throw-in marker whose man never arrives", 76, 76},
                                 {"a walk to a restart place", 30, -1}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SetUp();
    MatchState = STATE_THROW_IN_TAKEN;
    Ball(160, 900);
    MatchObject& w = Put(6, 600, 900, r.code);
    w.targetX = 300;
    if (r.partnerCode >= 0) {
      MatchObject& p = Put(7, 800, 900, r.partnerCode);
      p.targetX = 300;
      p.attr[SKILL_PACE] = 0;
      w.actionArg = 7 + 1;
    }
    // Held fast: whatever he tries he stays where he is.
    int frames = 0, counted = 0;
    for (; frames < 3 * kRestartLongestWait; ++frames) {
      PlaceObjectAt(6, 600, 900);
      PlaceObjectAt(7, 800, 900);
      player_action();
      if (MoversCount == 0) break;
      ++counted;
    }
    EXPECT_LE(counted, 2 * kRestartLongestWait);
    EXPECT_GE(counted, kRestartLongestWait - 1);
    EXPECT_EQ(MoversCount, 0);
  }
}

// The penalty's curl and rise: the aim moves against the curl; a composed
// taker keeps it lower.
TEST_F(SetPlaysTest, PenaltyCurlAndLift) {
  struct Row {
    int s, roll, aimX;
    int32_t spinX;
    int frames, movedAimX;
  };
  const std::vector<Row> rows = {
      {180, 0, 750, 10800, 10, 741},    // left of centre: curls back in, aimed further out
      {180, 180, 842, -10800, 32, 870},  // right of centre
      {297, 297, 760, 17760, 47, 691},  // the best taker: more curl, longer
      {3, 0, 796, -120, 10, 796},        // down the middle counts as the right
  };
  for (const Row& r : rows) {
    const PenaltyCurl c = PenaltyCurlFor(r.s, r.roll, r.aimX);
    EXPECT_EQ(c.spinX, r.spinX) << r.s;
    EXPECT_EQ(c.frames, r.frames) << r.s;
    EXPECT_EQ(c.aimX, r.movedAimX) << r.s;
  }
  struct LiftRow {
    int s, lowRoll, second;
    int32_t lift;
  };
  const std::vector<LiftRow> lifts = {{180, 179, 199, 99 * 384 + 0x8000},  // below S: at most 99
                                      {180, 180, 199, 199 * 384 + 0x8000},  // not below: up to 199
                                      {0, 0, 0, 0x8000}};
  for (const LiftRow& l : lifts) EXPECT_EQ(PenaltyLift(l.s, l.lowRoll, l.second), l.lift) << l.lowRoll;
}

// A penalty taker waits for the others, but never longer than the longest wait.
TEST_F(SetPlaysTest, APenaltyIsTakenAfterTheLongestWaitEvenIfSomeoneNeverArrives) {
  MatchState = STATE_PENALTY_PLACED;
  Ball(796, 1850);
  Put(7, 796, 1840, 53);
  // A player who is always still walking.
  PlayerActionTable[1] = [](int) { ++MoversCount; };
  Put(5, 400, 1500, 1);
  int frames = 0;
  while (MatchState == STATE_PENALTY_PLACED && frames < 3000) {
    player_action();
    ++frames;
  }
  PlayerActionTable[1] = PlayerActionTable[2];
  EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
  EXPECT_GE(frames, kRestartLongestWait - 10);
  EXPECT_LE(frames, kRestartLongestWait + 10);
  EXPECT_EQ(LastShooter, 7);
  EXPECT_GT(ballVelY, 0);  // at the goal at y 2042
  EXPECT_TRUE(Said(266));
  EXPECT_TRUE(Said(306));
  EXPECT_EQ(+MatchObjects[7].stat24, 1);
  EXPECT_EQ(+MatchObjects[7].shots, 1);
}

// A penalty given in open play: the side's penalty taker takes it, it ends
// in a goal, a save or a miss, and play goes on.
TEST_F(SetPlaysTest, APenaltyInOpenPlayIsTakenAndPlayGoesOn) {
  int goals = 0, others = 0;
  for (uint32_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    SetUp();
    GameSeedRandom(seed);
    TwoSides();
    PenaltyTakerObject[0] = 3;
    TeamShootingValue[0] = 70;
    FoulingSide = 1;
    FouledPlayer = 2;
    RefereeDecision = 0;
    restartX = 796;
    restartY = 1850;
    MatchState = STATE_FOUL;
    MatchStateTimer = 0;
    int frames = 0;
    while (MatchObjects[3].stat24 == 0 && frames < 3000) {
      Frame();
      ++frames;
    }
    ASSERT_EQ(+MatchObjects[3].stat24, 1);
    EXPECT_TRUE(Said(104));  // the referee points to the spot
    EXPECT_EQ(LastShooter, 3);
    EXPECT_EQ(KeeperPenaltyFlag, 1);
    // The kick is over once the ball is dead, in the keeper's hands or in the net.
    const int16_t scoreBefore = Score[0];
    int after = 0;
    while (MatchState == STATE_OPEN_PLAY && keeperHolder == 0 && after < 400) {
      Frame();
      ++after;
    }
    if (Score[0] > scoreBefore || MatchState == STATE_GOAL) ++goals;
    else ++others;
    EXPECT_LT(after, 400) << "the kick never ended";
    // Play goes on: nobody is left in the penalty's codes.
    for (int f = 0; f < 200; ++f) Frame();
    EXPECT_NE(MatchState, STATE_PENALTY_PLACED);
    EXPECT_NE(+MatchObjects[3].action, 60);
    EXPECT_NE(+MatchObjects[3].action, 95);
  }
  EXPECT_GT(goals, 0);
  EXPECT_GT(goals + others, 0);
}

// A shoot-out under cup rules: every kick is taken by its taker and the
// shoot-out ends with a winner.
TEST_F(SetPlaysTest, AShootOutIsTakenKickByKickToTheEnd) {
  GameSeedRandom(7);
  uint8_t* setup = GetMatchSetupRecord();
  setup[SETUP_EXTRA_TIME] = 1;
  setup[SETUP_PENALTIES] = 1;
  for (int side = 0; side < 2; ++side) {
    Put(side * SIDE_OBJECTS, 796, 136, 122);
    for (int k = 1; k <= 10; ++k) Put(side * SIDE_OBJECTS + k, 500, 700, 0);
    for (int k = 0; k < 10; ++k) ShootOutOrder[side][k] = static_cast<int16_t>(side * SIDE_OBJECTS + 1 + k);
  }
  TeamShootingValue[0] = TeamShootingValue[1] = 70;
  period = 4;
  ShootOutKicks = 0;
  ShootoutScore[0] = ShootoutScore[1] = 0;
  MatchState = STATE_SHOOTOUT_KICK;
  MatchStateTimer = 0;
  int frames = 0;
  while (MatchState != STATE_PERIOD_END && frames < 60000) {
    Frame();
    ++frames;
  }
  ASSERT_EQ(MatchState, STATE_PERIOD_END);
  EXPECT_NE(ShootoutScore[0], ShootoutScore[1]);
  EXPECT_GE(ShootOutKicks, 6);
  int taken = 0;
  for (int i = 0; i < MATCH_PLAYERS; ++i) taken += MatchObjects[i].stat24;
  EXPECT_EQ(taken, ShootOutKicks);  // each kick struck by its taker
  EXPECT_EQ(ShootOutDryKicks, 0);
}

// The corner taker goes through the quick free kick's choice to the flag,
// and an indirect free kick far out with nobody near is taken quickly.
TEST_F(SetPlaysTest, QuickRestartsChooseTheirWay) {
  struct Row {
    const char* name;
    int state;
    int code;       // the taker's code
    int startX, startY;
    int scoreFor, scoreAgainst;
    int firstNext;  // his code after the first frame
    bool quick;     // taken quickly
  };
  const std::vector<Row> rows = {
      {"a corner: to the marked position", STATE_CORNER_TAKEN, 22, 300, 1900, 0, 0, 20, false},
      {"a corner, level, taker at the flag: lined up", STATE_CORNER_TAKEN, 22, 160, 2038, 1, 1, 20, false},
      {"a corner, behind, taker at the flag: quickly", STATE_CORNER_TAKEN, 22, 160, 2038, 0, 1, 20, true},
      {"a free kick far out, behind: quickly", STATE_FREE_KICK_PLACED, 53, 796, 900, 0, 1, 20, true},
      {"a free kick far out, level, opponent close: set up", STATE_FREE_KICK_PLACED, 53, 796, 900, 0, 0, 55, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SetUp();
    MatchState = r.state;
    Score[0] = static_cast<int16_t>(r.scoreFor);
    Score[1] = static_cast<int16_t>(r.scoreAgainst);
    const bool corner = r.state == STATE_CORNER_TAKEN;
    Ball(corner ? 160 : r.startX, corner ? 2038 : r.startY);
    Marker(796, 1946);
    Put(7, r.startX, r.startY, r.code);
    Put(9, 1000, 1500, 0);
    if (r.scoreFor == r.scoreAgainst) Put(SIDE_OBJECTS + 5, 820, 940, 54);  // too close
    player_action();
    EXPECT_EQ(+MatchObjects[7].action, r.firstNext);
    int frames = 0;
    while (MatchState == r.state && frames < 3000) {
      player_action();
      ++frames;
    }
    EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
    EXPECT_EQ(LastKicker, 7);
    EXPECT_EQ(Said(236), r.quick);
    if (corner) {
      EXPECT_EQ(Said(244), !r.quick);  // lined up at the flag
      EXPECT_GT(ballVelX, 0);  // from the flag into the box
    }
  }
}

TEST_F(SetPlaysTest, AfterAGoalTheKeeperHandsTheBallOnForTheKickOff) {
  MatchState = STATE_AFTER_GOAL_WAIT;
  Put(16, 796, 2028, 23);
  player_action();
  EXPECT_EQ(MatchState, STATE_PERIOD_START_AFTER_GOAL);
  EXPECT_GT(MatchStateTimer, 0);
  EXPECT_EQ(+MatchObjects[16].action, 122);
}

// The shoot-out's onlookers wait a random while, then stand at their places.
TEST_F(SetPlaysTest, OnlookersWaitThenStandBy) {
  period = 4;
  MatchState = STATE_PENALTY_PLACED;
  Ball(796, 314);
  for (int k = 1; k <= 5; ++k) {
    MatchObject& o = Put(k, 500 + 20 * k, 700, 61);
    o.targetX = 100;  // stale: his place is where he has been put
  }
  for (int f = 0; f < 250; ++f) player_action();
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(+MatchObjects[k].action, 63) << k;
    EXPECT_EQ(+MatchObjects[k].x, 500 + 20 * k) << k;
  }
  EXPECT_EQ(MoversCount, 0);
  MatchState = STATE_OPEN_PLAY;
  player_action();
  for (int k = 1; k <= 5; ++k) EXPECT_NE(+MatchObjects[k].action, 63) << k;
}

namespace {

// The periods before the shoot-out are lined up and pass without a goal;
// the shoot-out itself is played by the match's own frame loop.
void LevelUntilTheShootOut() {
  if (period == 4) PlayPeriod();
  else MatchSeams.kickOffSetup();
}

}  // namespace

// A whole match under cup rules that ends level goes to the shoot-out, and
// the shoot-out is played out by the players to a winner.
TEST_F(SetPlaysTest, ACupMatchLevelAfterExtraTimeIsDecidedByTheShootOut) {
  InitMemory(16000);
  uint8_t* setup = ClearMatchSetupRecord();
  setup[SETUP_EXTRA_TIME] = 1;
  setup[SETUP_PENALTIES] = 1;
  setup[SETUP_SILVER_GOAL] = 0;
  setup[SETUP_SECOND_LEG] = 0;
  setup[13] = 0;
  StoreI16(setup + SETUP_MATCH_LENGTH, 1);
  StoreI16(setup + SETUP_DISPLAY_MODE, 0);
  StoreI16(setup + SETUP_SUBSTITUTES, 3);
  for (int side = 0; side < 2; ++side) StandInFillTeam(setup + MATCH_SETUP_TEAM_OFFSET[side], side);
  MatchSeams_Reset();
  PlayerStandIns_Install(MatchSeams);
  MatchSeams.loadMotions = [] {};  // no clips are drawn
  MatchSeams.playPeriod = LevelUntilTheShootOut;
  GameSeedRandom(3);
  const uint8_t* result = PlayMatchGetResult();
  const int g0 = LoadI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_SHOOTOUT_GOALS);
  const int g1 = LoadI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_SHOOTOUT_GOALS);
  EXPECT_NE(g0, g1);
  EXPECT_GE(ShootOutKicks, 6);
  int taken = 0;
  for (int i = 0; i < MATCH_PLAYERS; ++i) taken += MatchObjects[i].stat24;
  EXPECT_EQ(taken, ShootOutKicks);
}

// Without an order from the menus: the penalty taker first, then the other
// outfield players by shooting, the keeper last, -1 for the rest.
TEST_F(SetPlaysTest, TheDefaultShootOutOrder) {
  struct Row {
    const char* name;
    int penaltyTaker;
    std::vector<int> onPitch;  // objects of side 1 on the pitch (16 the keeper)
    std::vector<int> order;
  };
  const std::vector<Row> rows = {
      {"taker first, then by shooting", 19, {16, 17, 18, 19, 20}, {19, 20, 18, 17, 16, -1, -1, -1, -1, -1}},
      {"no taker on the pitch", 25, {16, 17, 18}, {18, 17, 16, -1, -1, -1, -1, -1, -1, -1}},
      {"eleven players: the keeper left out",
       -1,
       {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26},
       {26, 25, 24, 23, 22, 21, 20, 19, 18, 17}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SetUp();
    for (int object : r.onPitch) {
      MatchObject& o = Put(object, 500, 700, 0);
      o.attr[SKILL_SHOOTING] = static_cast<uint8_t>(object);  // later objects shoot better
    }
    PenaltyTakerObject[1] = static_cast<int16_t>(r.penaltyTaker);
    for (auto& e : ShootOutOrder[1]) e = -1;
    EXPECT_FALSE(ShootOutOrderGiven(1));
    DefaultShootOutOrder(1);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(ShootOutOrder[1][k], r.order[k]) << k;
    EXPECT_TRUE(ShootOutOrderGiven(1));
  }
}
