#include "gamecode/closedown.h"

#include <set>
#include <vector>

#include "gamecode/activeplayers.h"
#include "gamecode/football.h"
#include "gamecode/matchclock.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/tackle.h"
#include "support/engine_fixture.h"

namespace {

constexpr int CARRIER = 5;
constexpr int DEFENDER = 20;  // side 1, attacking y 122

std::vector<int> g_comments;

class CloseDownTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    LowGoalSide = 0;
    g_comments.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_comments.push_back(event); };
    ClockFrame = 0;
    PeriodFrames = 0;
    ballDirection = 0;
  }

  // The carrier at (796, 1000) running up the pitch with the ball at
  // (796, 1005); the defender at (x, y) facing his way.
  static void Place(int x, int y, int facing, int bD, int bargaining) {
    MatchObject& c = MatchObjects[CARRIER];
    MatchObject& d = MatchObjects[DEFENDER];
    c = MatchObject{};
    d = MatchObject{};
    PlaceObjectAt(CARRIER, 796, 1000);
    PlaceObjectAt(DEFENDER, x, y);
    c.facing = 128;
    c.hasBall = 1;
    c.ballDistance = 5;
    d.facing = static_cast<uint8_t>(facing);
    d.ballDistance = static_cast<int16_t>(bD);
    d.action = 4;
    SheetSkill(d, 9) = static_cast<uint8_t>(bargaining);
    SheetSkill(d, 19) = 100;
    ballX = 796;
    ballY = 1005;
    BallHeight = 0;
    ActorX = static_cast<int16_t>(x);
    ActorY = static_cast<int16_t>(y);
  }
};

// Which challenge the defender goes in with, by the angle to the carrier's
// run and the distance to the ball.
TEST_F(CloseDownTest, TheChallengeByAngleAndDistance) {
  struct Case {
    const char* what;
    int x, y, facing, bD, bargaining;
    std::set<int> actions;
  } cases[] = {
      {"from behind", 796, 970, 128, 35, 100, {89}},
      {"from behind, close, unskilled", 796, 985, 128, 20, 0, {91}},
      {"from behind, too far", 796, 900, 128, 60, 100, {4}},
      {"side-on", 776, 1005, 64, 20, 100, {56, 116}},
      {"side-on, too far", 700, 1005, 64, 80, 100, {4}},
      {"head-on", 796, 1025, 0, 20, 100, {32}},
      {"head-on, too far", 796, 1045, 0, 40, 100, {4}},
      {"nearer the ball than the carrier", 796, 1007, 0, 2, 100, {4}},
  };
  for (const Case& c : cases) {
    Place(c.x, c.y, c.facing, c.bD, c.bargaining);
    ChallengeCarrier(DEFENDER, CARRIER);
    EXPECT_TRUE(c.actions.count(MatchObjects[DEFENDER].action)) << c.what << ": " << MatchObjects[DEFENDER].action;
    const bool went = MatchObjects[DEFENDER].action != 4;
    const bool counted = went && MatchObjects[DEFENDER].action != 91;
    EXPECT_EQ(DuelTallies[DEFENDER].tackles, counted ? 1 : 0) << c.what;
    DuelTallies[DEFENDER] = DuelCounts{};
  }
}

TEST_F(CloseDownTest, NobodyGoesInForABallInTheAir) {
  Place(796, 1025, 0, 20, 100);
  BallHeight = 7;
  ChallengeCarrier(DEFENDER, CARRIER);
  EXPECT_EQ(MatchObjects[DEFENDER].action, 4);
  BallHeight = 6;
  ChallengeCarrier(DEFENDER, CARRIER);
  EXPECT_EQ(MatchObjects[DEFENDER].action, 32);
  EXPECT_EQ(g_comments, std::vector<int>{12});
}

// The carrier is the side in possession's active player, the first of its
// chase order when it has none; a team-mate in possession is not closed down.
TEST_F(CloseDownTest, TheCarrierIsThePossessionSidesActivePlayer) {
  Place(796, 1025, 0, 20, 100);
  SheetSkill(MatchObjects[CARRIER], 9) = 100;  // close to the ball: run at it
  ballPredict[0][0] = 796;
  ballPredict[0][1] = 1005;
  PossessionSide = 0;
  ActivePlayer[0] = 255;
  ChaseOrder[0][0] = CARRIER;
  CloseDownCarrier(DEFENDER);
  EXPECT_EQ(ActivePlayer[0], CARRIER);
  EXPECT_EQ(MatchObjects[DEFENDER].action, 32);
  Place(796, 1025, 0, 20, 100);
  PossessionSide = 1;
  ActivePlayer[1] = 21;
  CloseDownCarrier(DEFENDER);
  EXPECT_EQ(MatchObjects[DEFENDER].action, 4);
}

TEST_F(CloseDownTest, DirectionGapTakesTheShorterWay) {
  struct Case {
    int a, b, gap;
  } cases[] = {{0, 0, 0}, {10, 250, 16}, {0, 128, 128}, {64, 192, 128}, {200, 100, 100}};
  for (const Case& c : cases) EXPECT_EQ(DirectionGap(c.a, c.b), c.gap) << c.a << " " << c.b;
}

}  // namespace
