#include "gamecode/meet.h"

#include <vector>

#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "support/engine_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

// Side 0 attacks the goal line at 2042; the ball flies along y towards
// larger values, a player of side 0 faces it (facing 0, towards smaller y).
class MeetTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    LowGoalSide = 0;
    CurrentSide = 0;
    MatchState = STATE_OPEN_PLAY;
    FrameBallFriction = 0.5f;
    FrameBallBounce = 0.5f;
    keeperHolder = throwHolder = 0;
  }
  static MatchObject& Player(int object, int x, int y, int heading) {
    MatchObject& p = MatchObjects[object];
    p = MatchObject{};
    p.x = static_cast<int16_t>(x);
    p.y = static_cast<int16_t>(y);
    p.fixedX = x * U;
    p.fixedY = y * U;
    p.facing = 0;
    p.action = 4;
    p.attr[SKILL_HEADING] = static_cast<uint8_t>(heading);
    p.attr[SKILL_LEFT_SIDE] = p.attr[SKILL_RIGHT_SIDE] = 1;
    ActorX = p.x;
    ActorY = p.y;
    return p;
  }
  // The ball at (x, y, height), flying along y at `along` units a frame with
  // the upward speed `up` (16.16), no curve.
  static void Ball(int x, int y, int height, int along, int32_t up) {
    ballX = BallFramePos[0] = static_cast<int16_t>(x);
    ballY = BallFramePos[1] = static_cast<int16_t>(y);
    BallHeight = static_cast<int16_t>(height);
    ballFixedX = x * U;
    ballFixedY = y * U;
    ballFixedHeight = height * U;
    ballVelX = 0;
    ballVelY = along * U;
    ballVelHeight = up;
    ballSpinFrames = 0;
    ballDirection = along > 0 ? 128 : along < 0 ? 0 : 256;
    ballSpeed = static_cast<uint8_t>(along < 0 ? -along : along);
  }
  // Where that ball is after `frames` frames of flight (no bounce).
  static void Flown(int y, int height, int along, int32_t up, int frames, int* outY, int* outH) {
    int64_t by = static_cast<int64_t>(y) << 16, bh = static_cast<int64_t>(height) << 16;
    int64_t vy = static_cast<int64_t>(along) * U, vh = up;
    for (int f = 0; f < frames; ++f) {
      vy = vy * 992 / 1000;
      vh -= 4000;
      bh += vh;
      by += vy;
    }
    *outY = static_cast<int>(by >> 16);
    *outH = static_cast<int>(bh / 65536);
  }
};

TEST_F(MeetTest, PredictionFindsTheClosestFrameOrNone) {
  struct Case {
    const char* what;
    int heading, height, along;
    int32_t up;
    int frameOfPlayer;  // the player stands where the ball is at this frame (-1: 64 ahead)
    bool met;
  };
  const Case cases[] = {
      {"a ball at head height is met where he stands", 100, 14, 8, 60000, 30, true},
      {"no heading: no frames looked at", 0, 14, 8, 60000, 30, false},
      {"a ball that bounces before it comes closest", 100, 1, 8, -3 * U, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int y = 1064, h = 0;
    if (c.frameOfPlayer >= 0) Flown(1000, c.height, c.along, c.up, c.frameOfPlayer + 1, &y, &h);
    Player(3, 796, y, c.heading);
    Ball(796, 1000, c.height, c.along, c.up);
    PredictBallMeeting(c.heading, 796, y, 3, 0);
    if (c.met) {
      EXPECT_EQ(+MeetFrame, c.frameOfPlayer);
      EXPECT_LE(+MeetDistance, 1);
      EXPECT_EQ(+MeetHeight, h);
      EXPECT_EQ(+MeetPointX, 796);
    } else {
      EXPECT_EQ(+MeetDistance, 10000);
      EXPECT_EQ(+MeetFrame, 0);
    }
  }
}

TEST_F(MeetTest, KeeperModeTakesBallsCrossingHisLineAndIgnoresBounces) {
  // The keeper at y 1900; a ball dropping from height 20 that bounces at
  // the 26th frame, 20 short of him, and comes on.
  FrameBallFriction = 0.9f;
  Player(0, 796, 1900, 0);
  Ball(796, 1600, 20, 12, 0);
  PredictBallMeeting(60, 796, 1900, 0, 1);
  EXPECT_LT(+MeetDistance, 10);
  EXPECT_GT(+MeetFrame, 26);
  EXPECT_NEAR(+MeetPointY, 1900, 10);
  EXPECT_LT(+MeetHeight, 16);
  // The same ball is lost to an outfield player by its bounce.
  Player(3, 796, 1900, 100);
  PredictBallMeeting(100, 796, 1900, 3, 0);
  EXPECT_LT(+MeetFrame, 26);
}

TEST_F(MeetTest, ChaseBallWindows) {
  struct Case {
    const char* what;
    int playerY;      // where he stands, y; the goal he attacks is at 2042
    int height;       // the ball's start height
    int32_t up;
    int frame;        // he stands where the ball is at this frame
    int wantAction;   // 4: no action chosen
    bool receptionSet;
  };
  const Case cases[] = {
      // Near goal (within 256) a ball at 12-16 only sets where he meets it.
      {"window 1 near goal", 1900, 14, 60000, 30, 4, true},
      // A ball coming in at ankle height (below 6) is left alone.
      {"met below height 6", 1300, 4, 0, 8, 4, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int y = 0, h = 0;
    Flown(1000, c.height, 8, c.up, c.frame + 1, &y, &h);
    const int startY = c.playerY - (y - 1000);
    MatchObject& p = Player(3, 796, c.playerY, 100);
    p.passX = p.passY = 0;
    Ball(796, startY, c.height, 8, c.up);
    ChaseBall(3);
    EXPECT_EQ(+MatchObjects[3].action, c.wantAction);
    if (c.receptionSet) {
      EXPECT_EQ(+MatchObjects[3].passX, 796);
      EXPECT_NEAR(+MatchObjects[3].passY, c.playerY, 2);
    } else {
      EXPECT_EQ(+MatchObjects[3].passX, 0);
    }
  }
}

TEST_F(MeetTest, ChaseBallLeavesBallsGoingAwayOrOnTheGround) {
  Player(3, 796, 1300, 100);
  Ball(796, 1200, 14, -8, 60000);  // flying away from him
  ChaseBall(3);
  EXPECT_EQ(+MatchObjects[3].action, 4);
  Ball(796, 1200, 2, 8, 0);  // too low to be in the air
  ChaseBall(3);
  EXPECT_EQ(+MatchObjects[3].action, 4);
}

TEST_F(MeetTest, ChooseHeaderByTheAngleToTheAttack) {
  struct Case {
    int kind, direction, heading, want;
  };
  // Facing 0; no agility, so the overhead kick is never rolled.
  const Case cases[] = {
      {1, 128, 50, 87}, {1, 96, 50, 82}, {1, 32, 50, 82}, {1, 31, 50, 46}, {1, 0, 50, 46},
      {0, 128, 50, 87}, {0, 97, 50, 87}, {0, 19, 0, 46},  {0, 0, 0, 46},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " direction " << c.direction);
    Player(3, 796, 1300, c.heading);
    MeetFrame = 27;
    ChooseHeader(3, c.direction, c.kind);
    EXPECT_EQ(+MatchObjects[3].action, c.want);
    EXPECT_EQ(+MatchObjects[3].actionArg2, 27);
  }
}

}  // namespace
