#include "gamecode/playerstandin.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/keeper.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "support/engine_fixture.h"
#include "support/match_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

// Everyone off the pitch but the players a test puts on; the stand-ins in.
class PlayerStandInTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    PlayerStandIns_Install(MatchSeams);
    // The keeper has his own release and goal kick now; the plain taker
    // still takes whatever restart it is handed, these two among them.
    for (int code : {123, 157}) PlayerActionTable[code] = PlayerStandIn_TakeRestart;
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    SideSlots[0][0] = 0;
    SideSlots[1][0] = 16;
    LowGoalSide = 0;
    MatchState = STATE_THROW_IN_TAKEN;
    MatchObjects[OBJECT_RESTART_SPOT].x = Pitch.offPitch;
    MatchObjects[OBJECT_RESTART_SPOT].y = Pitch.offPitch;
  }
  static MatchObject& Put(int object, int x, int y, int action) {
    MatchObject& p = MatchObjects[object];
    p = MatchObject{};
    p.x = static_cast<int16_t>(x);
    p.y = static_cast<int16_t>(y);
    p.fixedX = x * U;
    p.fixedY = y * U;
    p.action = static_cast<int16_t>(action);
    p.attr[SKILL_PACE] = 50;
    p.attr[SKILL_AGILITY] = 30;
    return p;
  }
  // The ball at (x, y), which is also the restart spot.
  static void Ball(int x, int y) { PutRestartBall(x, y); }
  static void Marker(int x, int y) {
    MatchObjects[OBJECT_RESTART_SPOT].x = static_cast<int16_t>(x);
    MatchObjects[OBJECT_RESTART_SPOT].y = static_cast<int16_t>(y);
  }
};

TEST_F(PlayerStandInTest, ATakerAtTheBallPlaysItTowardsTheMarkerAndPlayGoesOn) {
  struct Row {
    int code, state, object, afterAction;
  };
  const std::vector<Row> rows = {{53, STATE_GOAL_KICK_TAKEN, 7, 3},
                                 {123, STATE_KEEPER_RELEASE, 16, 122}, {157, STATE_GOAL_KICK_TAKEN, 0, 122}};
  for (const Row& r : rows) {
    SetUp();
    MatchState = r.state;
    MatchStateTimer = 7;
    Ball(600, 900);
    Marker(700, 1300);
    Put(r.object, 600, 902, r.code);
    player_action();
    EXPECT_EQ(MatchState, STATE_OPEN_PLAY) << r.code;
    EXPECT_EQ(MatchStateTimer, 0) << r.code;
    EXPECT_EQ(+MatchObjects[r.object].action, r.afterAction) << r.code;
    EXPECT_GT(ballVelX, 0) << r.code;  // towards the marker: across and along
    EXPECT_GT(ballVelY, 3 * ballVelX) << r.code;
    EXPECT_EQ(PossessionSide, r.object < SIDE_OBJECTS ? 0 : 1) << r.code;
    EXPECT_EQ(LastKicker, r.object) << r.code;
    EXPECT_EQ(ballOutState, 0) << r.code;
    EXPECT_EQ(PlayerStandInCountsOf(0).restartKicks, 1) << r.code;
    EXPECT_EQ(ClockRunning, 0) << r.code;  // only the kick-off (its own handler) starts the clock
  }
}

TEST_F(PlayerStandInTest, ATakerAwayFromTheBallWalksThereFirst) {
  Ball(600, 900);
  Marker(700, 1300);
  MatchState = STATE_GOAL_KICK_TAKEN;
  Put(5, 600, 1000, 53);
  player_action();
  EXPECT_EQ(MatchState, STATE_GOAL_KICK_TAKEN);
  EXPECT_EQ(+MatchObjects[5].action, 53);
  EXPECT_EQ(MoversCount, 1);
  EXPECT_LT(+MatchObjects[5].y, 1000);  // on his way
  EXPECT_EQ(ballVelY, 0);
  for (int frame = 0; frame < 400 && MatchState != STATE_OPEN_PLAY; ++frame) player_action();
  EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
  EXPECT_EQ(+MatchObjects[5].action, 3);
}

TEST_F(PlayerStandInTest, ATakerPutsTheBallOnTheRestartSpot) {
  MatchState = STATE_GOAL_KICK_TAKEN;
  Ball(1480, 112);  // where the ball went out
  restartX = 956;
  restartY = 218;
  Marker(956, 1338);
  Put(0, 956, 216, 157);
  player_action();
  EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
  EXPECT_EQ(ballX, 956);
  EXPECT_EQ(ballY, 218);
  EXPECT_EQ(ballVelX, 0);
  EXPECT_GT(ballVelY, 0);
  EXPECT_EQ(+MatchObjects[0].action, 122);
}

TEST_F(PlayerStandInTest, AThrowerHoldingTheBallThrowsAtOnce) {
  Ball(600, 900);
  Marker(500, 900);
  MatchState = STATE_GOAL_KICK_TAKEN;
  Put(5, 640, 960, 53);
  throwHolder = 6;
  player_action();
  EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
  EXPECT_EQ(throwHolder, 0);
  EXPECT_LT(ballVelX, 0);
}

TEST_F(PlayerStandInTest, WithTheMarkerHiddenTheBallGoesUpfield) {
  for (int side = 0; side < 2; ++side) {
    SetUp();
    LowGoalSide = 0;  // side 0 attacks larger y
    Ball(796, 1082);
    const int object = side * SIDE_OBJECTS + 9;
    Put(object, 796, 1084, 123);  // the keeper's release, taken where the ball is
    player_action();
    EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
    if (side == 0) EXPECT_GT(ballVelY, 0);
    else EXPECT_LT(ballVelY, 0);
  }
}

TEST_F(PlayerStandInTest, AShootOutKickIsMarkedForTheBall) {
  period = 4;
  MatchState = STATE_PENALTY_PLACED;
  Ball(796, 1850);
  Marker(760, 2042);
  Put(7, 796, 1848, 22);  // a restart no handler of its own takes here
  player_action();
  EXPECT_EQ(ShootoutKickFlag, 1);
  EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
  EXPECT_GT(ballVelY, 0);
}

TEST_F(PlayerStandInTest, TheActivePlayerTakesAStillBallAndDecides) {
  static int decided;
  decided = -1;
  MatchSeams.onBallDecisions = [](int object) { decided = object; };
  MatchState = STATE_OPEN_PLAY;
  Ball(800, 1000);
  Put(21, 803, 1004, 4);
  Put(22, 802, 1002, 4);
  ActivePlayer[1] = 21;
  LowGoalSide = 0;  // side 1 attacks smaller y
  player_action();
  EXPECT_EQ(PlayerStandInCountsOf(0).takes[1], 1);
  EXPECT_EQ(decided, 21);
  EXPECT_EQ(BallCarrier, 21);
  EXPECT_EQ(+MatchObjects[21].hasBall, 1);
  EXPECT_EQ(+MatchObjects[22].hasBall, 0);
}

TEST_F(PlayerStandInTest, AMovingBallOrABallOutOfPlayIsNotTaken) {
  MatchState = STATE_OPEN_PLAY;
  Ball(800, 1000);
  ballOutState = 2;
  Put(21, 803, 1004, 4);
  ActivePlayer[1] = 21;
  player_action();
  EXPECT_EQ(PlayerStandInCountsOf(0).takes[1], 0);
}

}  // namespace

namespace {

// The keeper holds a ball below height 16 within an eighth of his
// keeping + 20 on both axes, in open play only.
TEST_F(PlayerStandInTest, TheKeeperHoldsABallWithinHisReach) {
  struct Row {
    int keeping, dx, dy, height;
    int16_t state;
    bool holds;
  };
  const std::vector<Row> rows = {
      {80, 30, 0, 0, STATE_OPEN_PLAY, true},    {80, 31, 0, 0, STATE_OPEN_PLAY, false},
      {80, 0, -30, 15, STATE_OPEN_PLAY, true},  {80, 0, 0, 16, STATE_OPEN_PLAY, false},
      {0, 20, 20, 0, STATE_OPEN_PLAY, true},    {0, 21, 0, 0, STATE_OPEN_PLAY, false},
      {99, 32, 32, 0, STATE_OPEN_PLAY, true},   {80, 0, 0, 0, STATE_THROW_IN_TAKEN, false},
  };
  for (const Row& r : rows) {
    SetUp();
    MatchState = r.state;
    MatchObject& k = Put(16, 796, 2010, 122);
    k.attr[SKILL_KEEPING] = static_cast<uint8_t>(r.keeping);
    Ball(796 + r.dx, 2010 + r.dy);
    BallHeight = static_cast<int16_t>(r.height);
    ballVelY = 5 * U;
    ActorX = k.x;
    ActorY = k.y;
    Keeper_GathersBall(16);
    const std::string what = "keeping " + std::to_string(r.keeping) + " at " + std::to_string(r.dx) + "," +
                             std::to_string(r.dy) + " height " + std::to_string(r.height);
    EXPECT_EQ(keeperHolder == 17, r.holds) << what;
    EXPECT_EQ(MatchState == STATE_KEEPER_HOLDS, r.holds) << what;
    if (r.holds) {
      EXPECT_EQ(ballVelY, 0) << what;
      EXPECT_EQ(PossessionSide, 1) << what;
      EXPECT_EQ(+MatchObjects[16].hasBall, 1) << what;
    }
  }
}

}  // namespace
