#include "gamecode/passes.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/rand.h"
#include "gamecode/actions.h"
#include "gamecode/ball.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/teamops.h"
#include "support/engine_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

struct Said {
  int event, first, second;
};
std::vector<Said> g_said;

// Side 0 attacks the goal line at 2042; everyone off but the players put on.
class PassesTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    g_said.clear();
    // The passing calls (the touch and possession lines are the ball's).
    MatchSeams.sayComment = [](int event, int, int, int first, int second, int) {
      if (event >= 200) g_said.push_back({event, first, second});
    };
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    LowGoalSide = 0;
    MatchState = STATE_OPEN_PLAY;
    PassReceiver = -1;
  }
  static MatchObject& Put(int object, int x, int y, int code) {
    MatchObject& p = MatchObjects[object];
    p = MatchObject{};
    p.x = static_cast<int16_t>(x);
    p.y = static_cast<int16_t>(y);
    p.fixedX = x * U;
    p.fixedY = y * U;
    p.action = static_cast<int16_t>(code);
    for (int k = 0; k < 22; ++k) p.attr[k] = 60;
    p.attr[SKILL_SHIRT] = static_cast<uint8_t>(object % SIDE_OBJECTS + 1);
    return p;
  }
  // The passer with the ball at his feet, the working copy on him.
  static MatchObject& Passer(int object, int x, int y, int code, int kind, int motionFrame) {
    MatchObject& p = Put(object, x, y, code);
    p.actionArg2 = static_cast<int16_t>(kind);
    p.motionFrame = static_cast<int16_t>(motionFrame);
    p.hasBall = 1;
    ActorX = p.x;
    ActorY = p.y;
    ActorFixedX = p.fixedX;
    ActorFixedY = p.fixedY;
    StopBall();
    ballX = static_cast<int16_t>(x);
    ballY = static_cast<int16_t>(y);
    ballFixedX = ballX * U;
    ballFixedY = ballY * U;
    BallHeight = 0;
    UpdateBallSpeed();
    return p;
  }
  static void Target(int x, int y, int receiver) {
    PassPointX = static_cast<int16_t>(x);
    PassPointY = static_cast<int16_t>(y);
    PassReceiver = static_cast<int16_t>(receiver);
  }
};

// Speed and lift by kind; the caps of the short, the through and the long
// balls.
TEST_F(PassesTest, TheLaunchByKindAndLength) {
  struct Row {
    int kind, length, cappedTo, speed;
    int32_t lift;  // 0: not checked (the long ball's two kinds)
  };
  const std::vector<Row> rows = {
      {0, 300, 300, 1800, 16384 + 120 * 300}, {0, 1000, 1000, 400, 16384 + 120 * 1000},
      {0, 1500, 1000, 400, 16384 + 120 * 1000}, {1, 400, 400, 1500, 16384 + 200 * 400},
      {1, 1000, 950, 400, 16384 + 200 * 950},   {3, 1000, 950, 500, 16384 + 140 * 950},
      {2, 1500, 1200, 0, 0},
  };
  for (const Row& r : rows) {
    SetUp();
    Passer(5, 796, 500, 29, r.kind, 0);
    const int tx = 796 + 10, ty = 500 + 100;
    EXPECT_EQ(LaunchPass(5, r.kind, r.length, tx, ty), r.cappedTo) << r.kind << " " << r.length;
    EXPECT_EQ(PassLength, r.cappedTo) << r.kind << " " << r.length;
    if (r.speed == 0) {
      // Two in three: length / 2 + 560, else 1200 - length + 400.
      EXPECT_TRUE(ballVelY == (1200 / 2 + 560) * 100 || ballVelY == 400 * 100) << ballVelY;
      continue;
    }
    EXPECT_EQ(ballVelX, r.speed * 10) << r.kind << " " << r.length;
    EXPECT_EQ(ballVelY, r.speed * 100) << r.kind << " " << r.length;
    EXPECT_EQ(ballVelHeight, r.lift) << r.kind << " " << r.length;
    EXPECT_EQ(ballSpinFrames, 0);
  }
}

// The call of a pass: by kind, by its direction against the attack and by
// whether it has a receiver; a square or forward short pass says nothing.
TEST_F(PassesTest, ThePassIsCalledByKindAndDirection) {
  struct Row {
    int code, kind, side, dx, dy;
    bool receiver;
    int event;
  };
  const std::vector<Row> rows = {
      {77, 0, 0, 0, -300, true, 281},  {77, 0, 0, 0, 300, true, 0},     {77, 0, 0, 300, 0, true, 0},
      {77, 1, 0, 300, 0, true, 282},   {77, 1, 0, 0, -300, true, 283},  {77, 1, 0, 100, 300, true, 284},
      {77, 1, 0, 100, 300, false, 285}, {77, 3, 0, -300, 0, true, 286}, {77, 2, 0, 0, 600, true, 292},
      {77, 2, 0, 0, 600, false, 293},  {77, 1, 1, 0, 300, true, 283},   {77, 1, 1, 0, -300, true, 284},
      {29, 0, 0, 0, -300, true, 218},  {29, 1, 0, 300, 0, true, 219},   {29, 3, 0, 0, -300, true, 224},
      {29, 2, 0, 0, 600, false, 230},  {29, 0, 0, 0, -300, false, 0},
  };
  for (const Row& r : rows) {
    SetUp();
    const int passer = r.side * SIDE_OBJECTS + 6;
    const int receiver = r.side * SIDE_OBJECTS + 9;
    const int window = r.code == 77 ? (r.kind == 2 ? 30 : 14) : (r.kind == 2 ? 55 : 19);
    MatchObject& p = Passer(passer, 796, 1000, r.code, r.kind, window);
    Put(receiver, 796 + r.dx, 1000 + r.dy, 3);
    Target(796 + r.dx, 1000 + r.dy, r.receiver ? receiver : -1);
    PassFrameStep(passer);
    const std::string what = std::to_string(r.code) + " kind " + std::to_string(r.kind) + " side " +
                             std::to_string(r.side) + " to " + std::to_string(r.dx) + "," + std::to_string(r.dy);
    EXPECT_EQ(+p.actionArg, 1) << what;
    EXPECT_EQ(p.passes, 1) << what;
    EXPECT_EQ(PassTimer, 300) << what;
    EXPECT_EQ(LastPasser, passer) << what;
    EXPECT_TRUE(ballVelX != 0 || ballVelY != 0) << what;  // launched with or without a receiver
    // The receiver runs to the point; nobody runs for a pass into space.
    EXPECT_EQ(+MatchObjects[receiver].action, r.receiver ? 17 : 3) << what;
    if (r.receiver) {
      EXPECT_EQ(MatchObjects[receiver].passX, 796 + r.dx) << what;
      EXPECT_EQ(MatchObjects[receiver].passY, 1000 + r.dy) << what;
      EXPECT_EQ(ThroughPass, r.kind == 1 || r.kind == 3 ? 1 : 0) << what;
    }
    ASSERT_EQ(g_said.size(), r.event ? 1u : 0u) << what;
    if (r.event) {
      EXPECT_EQ(g_said[0].event, r.event) << what;
      EXPECT_EQ(g_said[0].second, r.receiver ? receiver : -1) << what;
    }
  }
}

// No release outside the window or without the ball; a keeper's ball
// outside the window ends the pass.
TEST_F(PassesTest, TheReleaseWindow) {
  struct Row {
    int code, kind, frame;
    int16_t holder;
    bool releases;
    int afterCode;
  };
  const std::vector<Row> rows = {
      {77, 0, 13, 0, false, 77}, {77, 0, 22, 0, true, 77}, {77, 0, 23, 0, false, 77}, {77, 2, 29, 0, false, 77},
      {77, 2, 38, 0, true, 77},  {29, 1, 27, 0, true, 29}, {29, 2, 54, 0, false, 29}, {29, 0, 20, 1, false, 29},
      {29, 0, 10, 1, false, 3},
  };
  for (const Row& r : rows) {
    SetUp();
    MatchObject& p = Passer(6, 796, 1000, r.code, r.kind, r.frame);
    Target(796, 1200, -1);
    keeperHolder = r.holder;
    PassFrameStep(6);
    const std::string what = std::to_string(r.code) + " kind " + std::to_string(r.kind) + " frame " +
                             std::to_string(r.frame);
    EXPECT_EQ(p.actionArg == 1, r.releases) << what;
    EXPECT_EQ(+p.action, r.afterCode) << what;
  }
}

// The cross: its bend by the crosser's facing, its height class by the
// variant and the depth left to the goal line, the call by the flank; a low
// cross has neither bend nor class.
TEST_F(PassesTest, TheCrossSpinHeightClassAndCall) {
  struct Row {
    int code, variant, x, y, facing;
    int32_t spin;
    int heightClass, event;
  };
  const std::vector<Row> rows = {
      {18, 0, 300, 1700, 64, -6000, 10, 232},  {18, 1, 300, 1700, 192, -6000, 20, 232},
      {18, 2, 300, 1700, 63, 6000, 30, 232},   {18, 2, 1300, 1700, 193, 6000, 30, 233},
      {18, 2, 300, 2042 - 30, 0, 6000, 15, 232}, {18, 0, 300, 2042 - 30, 0, 6000, 10, 232},
      {75, 1, 1300, 1700, 128, -6000, 20, 233}, {18, 1, 300, 122 + 16, 128, -6000, 8, 232},
  };
  const int windows[3] = {54, 49, 36};
  for (const Row& r : rows) {
    SetUp();
    MatchObject& p = Passer(7, r.x, r.y, r.code, r.variant, windows[r.variant]);
    p.facing = static_cast<uint8_t>(r.facing);
    Target(796, 1950, -1);  // into the box, no receiver: lofted
    CrossFrameStep(7);
    const std::string what = std::to_string(r.code) + " variant " + std::to_string(r.variant) + " at " +
                             std::to_string(r.x) + "," + std::to_string(r.y);
    EXPECT_EQ(+p.actionArg, 1) << what;
    EXPECT_EQ(ballSpinX, r.spin) << what;
    EXPECT_EQ(ballSpinY, 0) << what;
    EXPECT_EQ(ballSpinHeight, 0) << what;
    EXPECT_EQ(CrossHeightClass, r.heightClass) << what;
    EXPECT_EQ(SideCrosses[0], 1) << what;
    EXPECT_EQ(LastCrosser, 7) << what;
    EXPECT_GT(ballVelHeight, 0) << what;
    ASSERT_EQ(g_said.size(), 1u) << what;
    EXPECT_EQ(g_said[0].event, r.event) << what;
  }
}

// With a receiver who cannot head it the cross is drilled in low: no bend,
// no height class, the whip called first (not on the mirrored run); a long
// low cross still goes forward.
TEST_F(PassesTest, ALowCrossToAReceiver) {
  for (int code : {18, 75}) {
    for (int length : {400, 1400}) {
      for (uint32_t seed = 1; seed <= 20; ++seed) {
        SetUp();
        GameSeedRandom(seed);
        MatchObject& p = Passer(7, 300, 1900 - length, code, 1, 49);
        p.facing = 100;
        MatchObjects[10] = MatchObject{};
        MatchObjects[10].attr[SKILL_HEADING] = 0;
        Target(800, 1900, 10);
        CrossFrameStep(7);
        const std::string what = std::to_string(code) + " length " + std::to_string(length) + " seed " +
                                 std::to_string(seed);
        EXPECT_EQ(+MatchObjects[10].action, 17) << what;
        ASSERT_FALSE(g_said.empty()) << what;
        if (code == 18) {
          EXPECT_EQ(g_said[0].event, 231) << what;
          EXPECT_EQ(g_said[0].second, 10) << what;
        }
        const int call = g_said.back().event;
        if (call == 234 || call == 235) {
          EXPECT_EQ(ballSpinX, 0) << what;
          EXPECT_EQ(CrossHeightClass, 0) << what;
        } else {
          EXPECT_EQ(ballSpinX, -6000) << what;
          EXPECT_EQ(CrossHeightClass, 20) << what;
        }
        EXPECT_GT(ballVelY, 0) << what;  // towards the target, however long
      }
    }
  }
}

// The backheel: released inside 26-34 as a short pass, the receiver sent
// on his run and the flick called; into space it says nothing.
TEST_F(PassesTest, TheBackheel) {
  struct Row {
    int frame;
    bool receiver, releases;
  };
  const std::vector<Row> rows = {{25, true, false}, {26, true, true}, {34, true, true}, {35, true, false},
                                 {30, false, true}};
  for (const Row& r : rows) {
    SetUp();
    MatchObject& p = Passer(6, 796, 1000, 34, 0, r.frame);
    Put(9, 796, 800, 3);
    Target(796, 800, r.receiver ? 9 : -1);
    BackheelFrameStep(6);
    const std::string what = "frame " + std::to_string(r.frame) + (r.receiver ? " to 9" : " into space");
    EXPECT_EQ(p.actionArg == 1, r.releases) << what;
    if (!r.releases) continue;
    EXPECT_EQ(ballVelY, -(2000 - 2 * 200 + 400) * 200) << what;  // a short pass of 200
    EXPECT_EQ(+MatchObjects[9].action, r.receiver ? 17 : 3) << what;
    ASSERT_EQ(g_said.size(), r.receiver ? 1u : 0u) << what;
    if (r.receiver) {
      EXPECT_EQ(g_said[0].event, 239) << what;
      EXPECT_EQ(g_said[0].second, 9) << what;
    }
  }
}

// The kick-off taker waits ten frames at the spot, then lays the ball to
// his partner, who runs on to it, and the clock starts.
TEST_F(PassesTest, TheKickOffIsLaidToThePartner) {
  MatchState = STATE_KICK_OFF;
  ClockRunning = 0;
  Put(9, 796, 1082, 27);
  Put(10, 830, 1082, 26).offPitch = 0;
  KickOffPartner = 10;
  StopBall();
  ballX = 796;
  ballY = 1082;
  ballFixedX = ballX * U;
  ballFixedY = ballY * U;
  UpdateBallSpeed();
  for (int frame = 1; frame < 10; ++frame) {
    ActorX = 796;
    ActorY = 1082;
    ActorFixedX = 796 * U;
    ActorFixedY = 1082 * U;
    Action_KickOffTaker(9);
    ASSERT_EQ(ballVelX, 0) << frame;
  }
  Action_KickOffTaker(9);
  EXPECT_GT(ballVelX, 0);
  EXPECT_EQ(ballVelY, 0);
  EXPECT_EQ(ClockRunning, 1);
  EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
  EXPECT_EQ(+MatchObjects[9].action, 3);
  EXPECT_EQ(+MatchObjects[10].action, 17);
  EXPECT_EQ(+MatchObjects[10].passX, 830);
  ASSERT_EQ(g_said.size(), 1u);
  EXPECT_EQ(g_said[0].event, 237);
  EXPECT_EQ(g_said[0].first, 10);
}

// The receiver: back to open play with the ball or when his side loses it;
// else he runs to his point.
TEST_F(PassesTest, TheReceiverRunsToHisPoint) {
  MatchObject& r = Put(9, 796, 1000, 17);
  r.offPitch = 0;
  r.passX = 796;
  r.passY = 1300;
  r.facing = 128;
  PossessionSide = 0;
  ActorX = 796;
  ActorY = 1000;
  ActorFixedX = 796 * U;
  ActorFixedY = 1000 * U;
  MoversCount = 0;
  for (int frame = 0; frame < 10; ++frame) Action_PassReceiver(9);
  EXPECT_EQ(+r.action, 17);
  EXPECT_EQ(MoversCount, 10);
  EXPECT_GT(ActorFixedY, 1000 * U);  // on his way
  PossessionSide = 1;
  Action_PassReceiver(9);
  EXPECT_EQ(+r.action, 4);
  SetPlayerAction(9, 17);
  PossessionSide = 0;
  r.hasBall = 1;
  Action_PassReceiver(9);
  EXPECT_EQ(+r.action, 4);
}

}  // namespace
