#include "gamecode/control.h"

#include <vector>

#include "gamecode/actions.h"
#include "gamecode/attackdir.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "support/engine_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

std::vector<int> g_said;

class ControlTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    g_said.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_said.push_back(event); };
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    LowGoalSide = 0;
    CurrentSide = 0;
    MatchState = STATE_OPEN_PLAY;
    keeperHolder = throwHolder = 0;
  }
  // A player of side 0 at (796, y) facing along larger y, in the action at
  // the motion frame, the ball just above his head.
  static MatchObject& Player(int object, int code, int y, int heading, int control, int motionFrame,
                             int ballHeight) {
    MatchObject& p = MatchObjects[object];
    p = MatchObject{};
    p.x = 796;
    p.y = static_cast<int16_t>(y);
    p.fixedX = 796 * U;
    p.fixedY = y * U;
    p.facing = 128;
    p.action = static_cast<int16_t>(code);
    p.motionFrame = static_cast<int16_t>(motionFrame);
    p.frame = static_cast<int16_t>(motionFrame);
    p.passX = 796;
    p.passY = static_cast<int16_t>(y);
    p.attr[SKILL_HEADING] = static_cast<uint8_t>(heading);
    p.attr[SKILL_CONTROL] = static_cast<uint8_t>(control);
    p.attr[SKILL_LEFT_SIDE] = p.attr[SKILL_RIGHT_SIDE] = 1;
    ActorX = p.x;
    ActorY = p.y;
    ActorFixedX = p.fixedX;
    ActorFixedY = p.fixedY;
    ballX = 796;
    ballY = static_cast<int16_t>(y + 2);
    BallHeight = static_cast<int16_t>(ballHeight);
    ballVelX = ballVelY = ballVelHeight = 0;
    ballDirection = 256;
    return p;
  }
};

TEST_F(ControlTest, LiftByTheHeightAtContact) {
  struct Case {
    int table, height;
    int32_t want;
  };
  const Case cases[] = {
      {4, 0, -2 * U},       {4, 9, -U},         {4, 29, 3 * U},         {4, 200, 3 * U},
      {1, 28, U},           {1, 29, 0},         {1, 40, 0},             {0, 11, 40960},
      {2, 12, 40960},       {2, 13, 49152},     {3, 9, -3 * U},         {3, 23, U / 4},
      {5, 6, -61440},       {5, 21, 0},         {5, 29, 3 * U},         {5, -3, -U},
  };
  for (const Case& c : cases) EXPECT_EQ(BallLift(c.table, c.height), c.want) << c.table << " " << c.height;
}

TEST_F(ControlTest, TheJumpRisesToItsPeakAndComesDown) {
  struct Case {
    int heading, frame, want;
  };
  const Case cases[] = {{0, 38, 0}, {0, 90, 0}, {100, 0, 0}, {100, 38, 4}, {100, 76, 1}, {100, 120, 0}, {60, 38, 2}};
  for (const Case& c : cases) EXPECT_EQ(JumpHeight(c.heading, c.frame), c.want) << c.heading << " " << c.frame;
}

TEST_F(ControlTest, HeaderIsPlayedOnlyAboveEightAndBelowHisReach) {
  struct Case {
    const char* what;
    int heading, ballHeight, motionFrame;
    bool played;
  };
  const Case cases[] = {
      {"ball at 8", 100, 8, 40, false},
      {"ball at 9", 100, 9, 40, true},
      {"above the limit of heading 100 (21)", 100, 21, 40, false},
      {"just below it", 100, 20, 40, true},
      {"heading 0: limit 16", 0, 16, 40, false},
      {"heading 0: below the limit", 0, 15, 40, true},
      {"before the strike frame", 100, 12, 37, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Player(3, 46, 1200, c.heading, 50, c.motionFrame, c.ballHeight);
    AirBallFrameStep(3);
    EXPECT_EQ(+MatchObjects[3].actionArg, c.played ? 1 : 0);
    if (c.played) {
      EXPECT_EQ(ballVelHeight, BallLift(4, c.ballHeight));
      EXPECT_EQ(ballVelY, 4 * U + U / 2);  // along his facing
      EXPECT_EQ(g_said.front(), 247);
    }
    g_said.clear();
  }
  // No heading: he does not leave the ground.
  Player(3, 46, 1200, 0, 50, 38, 30);
  AirBallFrameStep(3);
  EXPECT_EQ(+MatchObjects[3].height, 0);
}

TEST_F(ControlTest, HeadersCountInTheHalfTheyAreWonIn) {
  struct Case {
    int object, y;
    bool attacking;
  };
  // Side 0 defends the low goal line.
  const Case cases[] = {{3, 1082, true}, {3, 1081, false}, {19, 1500, false}, {19, 600, true}};
  for (const Case& c : cases) {
    Control_Reset();
    CurrentSide = c.object < SIDE_OBJECTS ? 0 : 1;
    Player(c.object, 46, c.y, 100, 50, 40, 12);
    AirBallFrameStep(c.object);
    EXPECT_EQ(+AirBallCountsNow().headersAttacking[c.object], c.attacking ? 1 : 0) << c.y;
    EXPECT_EQ(+AirBallCountsNow().headersDefending[c.object], c.attacking ? 0 : 1) << c.y;
  }
}

TEST_F(ControlTest, BallTakenDownCleanlyOrAway) {
  struct Case {
    int code, control;
    int32_t along;
    bool clean;
  };
  const Case cases[] = {{49, 100, U, true}, {49, 0, 3 * U, false}, {79, 100, U, true}, {79, 0, 3 * U, false},
                        {88, 0, 3 * U + U / 2, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    Control_Reset();
    Player(3, c.code, 1200, 50, c.control, 0, 10);
    AirBallFrameStep(3);
    EXPECT_EQ(+MatchObjects[3].actionArg, 1);
    EXPECT_EQ(ballVelY, c.along);
    EXPECT_EQ(ballVelHeight, BallLift(2, 10));
    EXPECT_EQ(+AirBallCountsNow().cleanControls[3], c.clean ? 1 : 0);
    EXPECT_EQ(+AirBallCountsNow().failedControls[3], c.clean ? 0 : 1);
  }
}

TEST_F(ControlTest, EveryAirCodeHasItsHandler) {
  for (int code : {46, 47, 48, 50, 51, 82, 86, 87}) EXPECT_EQ(PlayerActionTable[code], &Action_Header) << code;
  for (int code : {49, 79, 88}) EXPECT_EQ(PlayerActionTable[code], &Action_BallControl) << code;
}

}  // namespace
