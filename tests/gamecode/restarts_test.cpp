#include "gamecode/restarts.h"

#include <cstdlib>
#include <vector>

#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/playerstandin.h"
#include "gamecode/shots.h"
#include "support/engine_fixture.h"
#include "support/match_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

std::vector<int> g_said;

class RestartsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    PlayerStandIns_Install(MatchSeams);
    g_said.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_said.push_back(event); };
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    for (int side = 0; side < 2; ++side)
      for (int k = 0; k < SIDE_OBJECTS; ++k) SideSlots[side][k] = static_cast<int16_t>(side * SIDE_OBJECTS + k);
    LowGoalSide = 0;  // side 0 attacks the goal at y 2042
    MatchState = STATE_FREE_KICK_PLACED;
  }
  static MatchObject& Put(int object, int x, int y, int action) { return PutPlayerAt(object, x, y, action); }
  static void Spot(int x, int y) { PutRestartBall(x, y); }
};

TEST_F(RestartsTest, ATargetOutsideThePitchIsMovedOneUnitInsideTheNearestLine) {
  struct Row {
    int x, y, wantX, wantY;
  };
  const std::vector<Row> rows = {
      {100, 900, 157, 900},   {1500, 900, 1435, 900}, {600, 50, 600, 123},  {600, 2100, 600, 2041},
      {156, 122, 157, 123},   {1436, 2042, 1435, 2041}, {700, 1000, 700, 1000},
  };
  for (const Row& r : rows) {
    int16_t x = static_cast<int16_t>(r.x), y = static_cast<int16_t>(r.y);
    ClampRestartTarget(&x, &y);
    EXPECT_EQ(x, r.wantX) << r.x << "," << r.y;
    EXPECT_EQ(y, r.wantY) << r.x << "," << r.y;
  }
}

TEST_F(RestartsTest, TheWallStandsAcrossTheLineToGoalAYardApart) {
  struct Row {
    int direction, ax, ay, bx, by;
  };
  // Rows 13-15 repeat rows 5-7.
  const std::vector<Row> rows = {{0, -16, 0, 16, 0},    {64, 0, -16, 0, 16},  {128, 16, 0, -16, 0},
                                 {192, 0, 16, 0, -16},  {95, 6, -14, -6, 14}, {208, 6, -14, -6, 14},
                                 {255, 14, -6, -14, 6}, {15, -16, 0, 16, 0}};
  for (const Row& r : rows) {
    const WallOffsets w = WallOffsetsFor(r.direction);
    EXPECT_EQ(w.ax, r.ax) << r.direction;
    EXPECT_EQ(w.ay, r.ay) << r.direction;
    EXPECT_EQ(w.bx, r.bx) << r.direction;
    EXPECT_EQ(w.by, r.by) << r.direction;
  }
}

TEST_F(RestartsTest, TheWallCentreIsAboutTenYardsTowardsTheGoalAttacked) {
  struct Row {
    int x, y, side, lowGoalSide;
    int wantX, wantY;  // within 3 units
  };
  const std::vector<Row> rows = {
      {796, 1600, 0, 0, 796, 1787},  // straight on, at the high goal
      {796, 600, 1, 0, 796, 413},    // the other side attacks the low goal
      {796, 1600, 1, 1, 796, 1787},  // ends swapped
      {796, 2000, 0, 0, 796, 2041},  // nearer the goal than the wall's distance: never past the goal
  };
  for (const Row& r : rows) {
    LowGoalSide = static_cast<uint8_t>(r.lowGoalSide);
    int x = 0, y = 0;
    WallCentre(r.x, r.y, r.side, &x, &y);
    EXPECT_LE(std::abs(x - r.wantX), 3) << r.y;
    EXPECT_LE(std::abs(y - r.wantY), 3) << r.y;
  }
  // From an angle the centre lies on the line to the goal's centre.
  LowGoalSide = 0;
  int x = 0, y = 0;
  WallCentre(400, 1700, 0, &x, &y);
  const int steps = std::abs(x - 400) + std::abs(y - 1700);
  EXPECT_GT(x, 400);
  EXPECT_GT(y, 1700);
  EXPECT_GT(steps, 187);  // 123 steps of about 1.53 units, measured on both axes
  EXPECT_LE(std::abs(GetDirection256(400, 1700, x, y) - GetDirection256(400, 1700, 796, 2042)), 2);
}

TEST_F(RestartsTest, DeliveryTermsByDistance) {
  struct Row {
    int distance, speed;
    int32_t lift;
  };
  const std::vector<Row> rows = {{0, 2400, 16384},          {100, 2200, 16384 + 12000}, {160, 2080, 16384 + 19200},
                                 {161, 1439, 147456 + 16100}, {1200, 400, 147456 + 120000}, {3000, 400, 147456 + 120000}};
  for (const Row& r : rows) {
    const DeliveryTerms t = DeliveryTermsFor(r.distance);
    EXPECT_EQ(t.speed, r.speed) << r.distance;
    EXPECT_EQ(t.lift, r.lift) << r.distance;
  }
}

TEST_F(RestartsTest, AThrowFliesAtTheTargetWithItsPowerAndLift) {
  Spot(600, 900);
  struct Row {
    int power, lift;
    float factor;
    bool shortThrow;
    int32_t speed, vz;
  };
  const std::vector<Row> rows = {{0, 0, 1.0f, true, 229376, 32768},
                                 {10, 4, 1.0f, true, 229376 + 28670, 32768 + 4 * 1536},
                                 {10, 4, 1.0f, false, 229376 + 28670, 32768 + 4 * 1024},
                                 {0, 0, 1.5f, false, 344064, 32768}};
  for (const Row& r : rows) {
    ThrowPower = static_cast<int16_t>(r.power);
    ThrowLift = static_cast<int16_t>(r.lift);
    ThrowFactor = r.factor;
    const ThrowVelocity v = ThrowVelocityTo(600, 1300, r.shortThrow);  // straight along
    EXPECT_LE(std::abs(v.vx), 1) << r.power;
    EXPECT_LE(std::abs(v.vy - r.speed), 1) << r.power;
    EXPECT_EQ(v.vz, r.vz) << r.power;
  }
  ThrowFactor = 1.0f;
  ThrowPower = 0;
  const ThrowVelocity across = ThrowVelocityTo(200, 900, true);
  EXPECT_LT(across.vx, -229000);
  EXPECT_LE(std::abs(across.vy), 1);
  // A longer throw takes more of the thrower's power and more lift, never more than he has.
  ChooseThrowTerms(80, 100);
  const int shortPower = ThrowPower, shortLift = ThrowLift;
  ChooseThrowTerms(80, 400);
  EXPECT_GT(ThrowPower, shortPower);
  EXPECT_GT(ThrowLift, shortLift);
  ChooseThrowTerms(30, 400);
  EXPECT_EQ(ThrowPower, 30);
}

TEST_F(RestartsTest, PlayersTooCloseStepBackExceptTheWall) {
  Spot(796, 1500);
  Put(3, 796, 1400, 3).facing = 0;     // facing to smaller y: steps to larger y
  Put(4, 796, 1600, 3).facing = 0;
  Put(20, 850, 1560, 58).facing = 0;   // in the wall
  Put(21, 796, 1800, 3).facing = 0;    // far enough
  EXPECT_EQ(PushBackFromBall(2), 2);
  EXPECT_EQ(+MatchObjects[3].y, 1404);
  EXPECT_EQ(+MatchObjects[4].y, 1604);
  EXPECT_EQ(+MatchObjects[20].y, 1560);
  EXPECT_EQ(+MatchObjects[21].y, 1800);
}

TEST_F(RestartsTest, TheOrganiserWalksToTheSpotThenSetsTheKickAndTheWall) {
  struct Row {
    int state, spotY;
    int walls;     // opponents put in the wall
    int nextCode;  // the taker's code once at the spot
  };
  const std::vector<Row> rows = {{STATE_DIRECT_FREE_KICK_PLACED, 1600, 3, 59},
                                 {STATE_FREE_KICK_PLACED, 1600, 2, 55},
                                 {STATE_FREE_KICK_PLACED, 900, 0, 55}};  // far from goal: no wall
  for (const Row& r : rows) {
    SetUp();
    MatchState = r.state;
    Spot(796, r.spotY);
    Put(7, 796, r.spotY - 60, 53);
    for (int k = 1; k < 11; ++k) Put(SIDE_OBJECTS + k, 300 + 80 * k, 1950, 0);
    int frames = 0;
    while (MatchObjects[7].action == 53 && frames < 200) {
      player_action();
      ++frames;
    }
    EXPECT_GT(frames, 1) << r.state;  // he walked there first
    EXPECT_EQ(+MatchObjects[7].action, r.nextCode) << r.state;
    EXPECT_EQ(+MatchObjects[7].x, 796) << r.state;
    EXPECT_EQ(+MatchObjects[7].y, r.spotY) << r.state;
    std::vector<int> wall;
    for (int k = 1; k < 11; ++k)
      if (MatchObjects[SIDE_OBJECTS + k].action == 58) wall.push_back(SIDE_OBJECTS + k);
    ASSERT_EQ(static_cast<int>(wall.size()), r.walls) << r.state;
    if (r.walls > 0) {
      // Taken from the back of the order list, the first at the centre.
      EXPECT_EQ(wall[0], SIDE_OBJECTS + 10 - (r.walls - 1));
      EXPECT_EQ(+MatchObjects[SIDE_OBJECTS + 10].targetX, 796);
      EXPECT_NEAR(MatchObjects[SIDE_OBJECTS + 10].targetY, r.spotY + 187, 3);
      EXPECT_EQ(+MatchObjects[SIDE_OBJECTS + 9].targetX, 796 + WallOffsetsFor(128).ax);
    }
  }
}

TEST_F(RestartsTest, AFreeKickIsDeliveredToATeamMateAndPlayGoesOn) {
  struct Row {
    int state, spotY;
    int lineUpComment;  // 0: taken without lining up
    int scoreFor, scoreAgainst;
    bool atGoal;  // struck at goal (inside the post at x 746), not to the team-mate
  };
  const std::vector<Row> rows = {{STATE_FREE_KICK_PLACED, 900, 243, 0, 0, false},
                                 {STATE_FREE_KICK_PLACED, 900, 0, 0, 1, false},  // behind: taken at once
                                 {STATE_DIRECT_FREE_KICK_PLACED, 1200, 0, 0, 0, false},  // out of shooting range: delivered at once,
                                 {STATE_DIRECT_FREE_KICK_PLACED, 1650, 242, 0, 0, true}};
  for (const Row& r : rows) {
    SetUp();
    MatchState = r.state;
    Score[0] = static_cast<int16_t>(r.scoreFor);
    Score[1] = static_cast<int16_t>(r.scoreAgainst);
    Spot(796, r.spotY);
    Put(7, 796, r.spotY, 53);
    Put(9, 1000, r.spotY + 300, 0);                 // the team-mate furthest upfield
    Put(8, 600, r.spotY + 100, 0);
    Put(SIDE_OBJECTS + 5, 800, r.spotY + 60, 54);   // an opponent too close, waiting where he stands
    for (int k = 8; k < 11; ++k) Put(SIDE_OBJECTS + k, 500 + 60 * k, 1990, 0);
    int frames = 0;
    while (MatchState == r.state && frames < 2000) {
      player_action();
      ++frames;
    }
    ASSERT_EQ(MatchState, STATE_OPEN_PLAY) << r.spotY;
    EXPECT_EQ(LastKicker, 7) << r.spotY;
    EXPECT_EQ(PossessionSide, 0) << r.spotY;
    EXPECT_GT(ballVelY, 0) << r.spotY;  // towards the team-mate upfield, or the goal
    if (r.atGoal) {
      EXPECT_LT(ballVelX, 0) << r.spotY;
      EXPECT_EQ(LastShooter, 7) << r.spotY;
    } else {
      EXPECT_GT(ballVelX, 0) << r.spotY;
    }
    EXPECT_GE(std::abs(MatchObjects[SIDE_OBJECTS + 5].y - r.spotY) + std::abs(MatchObjects[SIDE_OBJECTS + 5].x - 796),
              150)
        << r.spotY;
    bool said = false;
    for (int e : g_said) said = said || e == r.lineUpComment;
    EXPECT_EQ(said, r.lineUpComment != 0) << r.spotY;
    // The taker and the wall go back to play.
    for (int f = 0; f < 60; ++f) player_action();
    EXPECT_NE(+MatchObjects[7].action, 94) << r.spotY;
    for (int k = 8; k < 11; ++k) EXPECT_NE(+MatchObjects[SIDE_OBJECTS + k].action, 58) << r.spotY;
  }
}

// The man at the ball of an indirect free kick waves the side's own
// free-kick taker over when he is close by and free, who then takes it.
TEST_F(RestartsTest, TheSidesFreeKickTakerCloseByTakesItOver) {
  struct Row {
    const char* name;
    int namedX, namedY, namedAction;
    bool named;       // the taker is named at all (else the man at the ball)
    bool handedOver;
  };
  const std::vector<Row> rows = {{"close by and free", 900, 1000, 0, true, true},
                                 {"too far away", 900, 1300, 0, true, false},
                                 {"busy at a restart walk", 900, 1000, 63, true, false},
                                 {"the man at the ball himself", 0, 0, 0, false, false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SetUp();
    Spot(796, 900);
    Put(7, 796, 900, 55);
    Put(9, r.namedX, r.namedY, r.namedAction);
    FreeKickTakerObject[0] = static_cast<int16_t>(r.named ? 9 : 7);
    FreeKickTakerObject[1] = -1;
    Put(SIDE_OBJECTS + 5, 800, 960, 3);  // an opponent too close: the kick waits
    player_action();
    EXPECT_EQ(+MatchObjects[7].action, r.handedOver ? 100 : 55);
    EXPECT_EQ(+MatchObjects[9].action, r.handedOver ? 53 : r.namedAction);
    if (!r.handedOver) continue;
    EXPECT_EQ(ActivePlayer[0], 9);
    player_action();
    EXPECT_EQ(+MatchObjects[7].action, 0);  // the wave played, he stands
    int frames = 0;
    while (MatchState == STATE_FREE_KICK_PLACED && frames < 2000) {
      player_action();
      ++frames;
    }
    EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
    EXPECT_EQ(LastKicker, 9);
  }
}

TEST_F(RestartsTest, APenaltyIsStillTakenByTheOrganiser) {
  MatchState = STATE_PENALTY_PLACED;
  Spot(796, 1850);
  Put(7, 796, 1848, 53);
  for (int f = 0; f < 400 && MatchState == STATE_PENALTY_PLACED; ++f) player_action();
  EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
  EXPECT_EQ(LastKicker, 7);
}

TEST_F(RestartsTest, AThrowInIsShortToANearTeamMateElseLong) {
  struct Row {
    int mateX, mateY;
    int comment;  // 241 the short throw, 240 the long
    bool receiverRuns;
  };
  const std::vector<Row> rows = {{400, 900, 241, false}, {900, 900, 240, true}};
  for (const Row& r : rows) {
    SetUp();
    MatchState = STATE_THROW_IN_TAKEN;
    Spot(156, 900);
    Put(5, 170, 960, 21);
    Put(6, r.mateX, r.mateY, 54);
    int frames = 0;
    bool held = false;
    while (MatchState == STATE_THROW_IN_TAKEN && frames < 3000) {
      player_action();
      held = held || throwHolder == 6;
      ++frames;
    }
    ASSERT_EQ(MatchState, STATE_OPEN_PLAY) << r.mateX;
    // The long throw's run-up ends two yards back from the mark, not at
    // the longest wait (he carries the ball back with him).
    EXPECT_LT(frames, 400) << r.mateX;
    EXPECT_TRUE(held) << r.mateX;
    EXPECT_EQ(throwHolder, 0) << r.mateX;
    EXPECT_EQ(LastKicker, 5) << r.mateX;
    EXPECT_EQ(BallHeight, 16) << r.mateX;
    EXPECT_GT(ballVelX, 0) << r.mateX;  // infield, at the team-mate
    EXPECT_EQ(+MatchObjects[5].touchLock, 16) << r.mateX;
    bool said = false;
    for (int e : g_said) said = said || e == r.comment;
    EXPECT_TRUE(said) << r.mateX;
    EXPECT_EQ(MatchObjects[6].passX == r.mateX, r.receiverRuns) << r.mateX;  // sent to meet the long throw
  }
}

TEST_F(RestartsTest, AThrowerSentOffWithTheBallInHisHandsLetsItGo) {
  MatchState = STATE_THROW_IN_TAKEN;
  Spot(156, 900);
  Put(5, 156, 900, 19);
  Put(6, 400, 900, 54);
  player_action();
  EXPECT_EQ(throwHolder, 6);
  MatchObjects[5].sentOff = 1;
  player_action();
  EXPECT_EQ(throwHolder, 0);
}

TEST_F(RestartsTest, ACornerIsTakenFromTheFlagIntoTheBox) {
  struct Row {
    int flagX, flagY, startX, startY;
  };
  const std::vector<Row> rows = {{160, 2038, 300, 1900}, {1432, 2038, 1300, 1950}, {160, 126, 200, 300}};
  for (const Row& r : rows) {
    SetUp();
    MatchState = STATE_CORNER_TAKEN;
    LowGoalSide = r.flagY > 1082 ? 0 : 1;  // side 0 attacks the corner's end
    Spot(r.flagX, r.flagY);
    Spot(r.startX, r.startY);  // the ball where it went out; the flag is the restart spot
    restartX = static_cast<int16_t>(r.flagX);
    restartY = static_cast<int16_t>(r.flagY);
    const int boxY = r.flagY > 1082 ? 1946 : 218;
    MatchObjects[OBJECT_RESTART_SPOT].x = Pitch.centreX;
    MatchObjects[OBJECT_RESTART_SPOT].y = static_cast<int16_t>(boxY);
    Put(7, r.startX, r.startY, 22);
    int frames = 0;
    bool walked = false;
    while (MatchState == STATE_CORNER_TAKEN && frames < 3000) {
      player_action();
      walked = walked || MoversCount > 0;
      ++frames;
    }
    ASSERT_EQ(MatchState, STATE_OPEN_PLAY) << r.flagX;
    EXPECT_TRUE(walked) << r.flagX;
    EXPECT_EQ(LastKicker, 7) << r.flagX;
    EXPECT_EQ(ballX, r.flagX) << r.flagX;  // struck from the flag
    EXPECT_EQ(ballY, r.flagY) << r.flagX;
    EXPECT_EQ(ballVelX > 0, r.flagX < Pitch.centreX) << r.flagX;  // towards the box
    EXPECT_EQ(ballVelY > 0, boxY > r.flagY) << r.flagX;
    bool lined = false, swung = false;
    for (int e : g_said) {
      lined = lined || e == 244;
      swung = swung || e == 245;
    }
    EXPECT_TRUE(lined) << r.flagX;
    EXPECT_TRUE(swung) << r.flagX;
  }
}

}  // namespace
