#include "gamecode/kickexec.h"

#include <cmath>

#include "gamecode/activeplayers.h"
#include "gamecode/passfind.h"
#include "gamecode/teamops.h"
#include "onball_fixture.h"

namespace {

class KickExecTest : public OnBallTest {};

// Modes 1 and 2 only aim: no action, no commentary, no receiver.
TEST_F(KickExecTest, AimingModesChangeOnlyTheShotTarget) {
  for (int mode : {1, 2}) {
    SetUp();
    MatchObject& p = Act(2, 796, 1800, 128);
    Place(16, 796, 2030, 0, 122);
    PassReceiver = 9;
    Shoot(2, mode);
    EXPECT_EQ(p.action, 4) << mode;
    EXPECT_EQ(PassReceiver, 9) << mode;
    EXPECT_TRUE(g_onballComments.empty()) << mode;
    EXPECT_EQ(ShotTargetY, 2047) << mode;
    EXPECT_GE(ShotTargetX, 600) << mode;
    EXPECT_LE(ShotTargetX, 1000) << mode;
  }
  // The side attacking y 122 aims 5 behind that line.
  Act(18, 796, 400, 0);
  Place(0, 796, 130, 128, 122);
  Shoot(18, 1);
  EXPECT_EQ(ShotTargetY, 117);
}

// A player past the keeper takes the close-range finish: never the square
// ball (which he plays when the keeper is still behind him) nor the dribble.
TEST_F(KickExecTest, PastTheKeeperHeFinishes) {
  struct Case {
    int keeperY, speed, action, comment;
  } cases[] = {
      {1930, 50, 106, -1},  // behind the keeper, slow
      {1930, 120, 107, -1}, // behind the keeper, running
      {1990, 50, 29, 7},    // keeper still ahead: the square ball
  };
  for (const Case& c : cases) {
    SetUp();
    MatchObject& p = Act(2, 700, 1950, 100);
    p.speed = static_cast<int16_t>(c.speed);
    for (int k : {6, 10, 5}) SetSkill(2, k, 255);
    SetSkill(2, 16, 0);
    MatchObjects[2].attr[SKILL_LEFT_SIDE] = 1;
    Place(16, 740, c.keeperY, 0, 122);
    MatchObject& mate = Place(5, 900, 1950, 0, 3);
    mate.ballDistance = 250;
    Chase(0, {2, 5});
    Shoot(2, 0);
    EXPECT_EQ(p.action, c.action) << c.keeperY << " " << c.speed;
    if (c.comment >= 0) {
      ASSERT_EQ(g_onballComments.size(), 1u);
      EXPECT_EQ(g_onballComments[0], c.comment);
    } else {
      EXPECT_TRUE(g_onballComments.empty());
    }
  }
  // In front of the keeper and close, at a run, square to the goal: 105.
  SetUp();
  MatchObject& p = Act(2, 796, 1860, 128);
  p.speed = 120;
  SetSkill(2, 6, 0);
  Place(16, 796, 1900, 0, 122);
  Shoot(2, 0);
  EXPECT_EQ(p.action, 105);
}

// A clearance aimed into the attacked goal goes 16 off the direction to the
// post at 730 and is always a plain shot (52); elsewhere by speed.
TEST_F(KickExecTest, ClearancesNeverGoStraightAtTheGoal) {
  struct Case {
    int object, x, y, direction, speed, goalY, action;
    bool turned;
  } cases[] = {
      {2, 796, 1500, 128, 150, 2042, 52, true}, {2, 796, 1500, 64, 150, 2042, 78, false},
      {2, 796, 1500, 128, 50, 2042, 52, true},  {18, 796, 600, 0, 150, 122, 52, true},
      {18, 796, 600, 3, 120, 122, 52, true},    {18, 796, 600, 128, 120, 122, 81, false},
  };
  for (const Case& c : cases) {
    SetUp();
    MatchObject& p = Act(c.object, c.x, c.y, 0);
    p.speed = static_cast<int16_t>(c.speed);
    KickInDirection(c.object, c.direction);
    EXPECT_EQ(p.action, c.action) << c.object << " " << c.direction;
    EXPECT_EQ(+p.actionArg2, 1);
    EXPECT_EQ(p.clearances, 1);
    const int dLow = GetDirection256(c.x, c.y, 730, c.goalY);
    const int sent = GetDirection256(c.x, c.y, ShotTargetX, ShotTargetY);
    EXPECT_NEAR(sent, c.turned ? (dLow - 16) & 255 : c.direction, 1) << c.direction;
  }
}

// Which executor sends the receiver running: all but the long pass; the
// point leads him by 140, 280 into space (140 near the goal line).
TEST_F(KickExecTest, ReceiversRunForEveryPassButTheLongOne) {
  struct Case {
    void (*pass)(int, int);
    int mateY, step, lead;
    bool runs;
  } cases[] = {
      {PassToPlayer, 1400, 2, 140, true},    {PassToPlayerB, 1400, 1, 140, true},
      {PassToPlayerLong, 1400, 2, 0, false}, {PassIntoSpace, 1200, 3, 280, true},
      {PassIntoSpace, 1400, 3, 140, true},
  };
  for (const Case& c : cases) {
    SetUp();
    MatchObject& p = Act(2, 796, 800, 128);
    p.speed = 120;
    MatchObject& r = Place(5, 796, c.mateY, 128, 12);
    c.pass(2, 5);
    EXPECT_EQ(PassReceiver, 5);
    EXPECT_EQ(p.action, 109);
    EXPECT_EQ(+p.actionArg2, +c.step);
    EXPECT_EQ(+r.action, c.runs ? 17 : 12);
    EXPECT_EQ(PassPointX, 796);
    EXPECT_NEAR(PassPointY, c.mateY + c.lead, 1) << c.mateY;
    if (c.runs) {
      EXPECT_EQ(r.passY, PassPointY);
    }
  }
}

// To the cell (-2) nobody is sent anywhere and the point is the cell.
TEST_F(KickExecTest, APassToTheCellMovesNobody) {
  struct Case {
    void (*pass)(int, int);
  } cases[] = {{PassToPlayer}, {PassToPlayerB}, {PassToPlayerLong}, {PassIntoSpace}};
  for (const Case& c : cases) {
    SetUp();
    Act(2, 796, 800, 128);
    for (int i = 3; i < 16; ++i) Place(i, 300 + 60 * i, 1000, 0, 3);
    InstructionTargetX = 500;
    InstructionTargetY = 1300;
    c.pass(2, PASS_TO_CELL);
    EXPECT_EQ(PassReceiver, PASS_TO_CELL);
    EXPECT_EQ(PassPointX, 500);
    EXPECT_EQ(PassPointY, 1300);
    for (int i = 3; i < 16; ++i) {
      EXPECT_EQ(+MatchObjects[i].action, 3);
      EXPECT_EQ(+MatchObjects[i].passX, 0);
    }
  }
  Act(2, 796, 800, 128);
  PlayBallToTarget(2, PASS_TO_CELL, 0, 0);
  EXPECT_EQ(PassPointX, 500);
  EXPECT_EQ(+MatchObjects[2].actionArg2, 0);
}

// The cross's kind: by speed and the depth to the goal line at the ball's
// end (for the cell too); a player about to run off the pitch gets no depth.
TEST_F(KickExecTest, TheCrossKindGoesBySpeedAndDepth) {
  struct Case {
    int x, y, facing, speed, step;
  } cases[] = {
      {300, 1880, 64, 150, 2}, {300, 1900, 64, 150, 1}, {300, 1900, 64, 100, 0},
      {300, 1940, 64, 150, 0}, {170, 1880, 192, 150, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    MatchObject& p = Act(2, c.x, c.y, c.facing);
    p.speed = static_cast<int16_t>(c.speed);
    InstructionTargetX = 796;
    InstructionTargetY = 1950;
    CrossBall(2, PASS_TO_CELL, 0, 0);
    EXPECT_EQ(+p.actionArg2, +c.step) << c.x << "," << c.y << " " << c.speed;
    EXPECT_TRUE(p.action == 18 || p.action == 75);
  }
  // Towards his right, facing up the field: the ball is ahead of his turn.
  MatchObject& p = Act(2, 300, 1900, 128);
  CrossBall(2, PASS_TO_CELL, 0, 0);
  EXPECT_EQ(p.action, 18);
  MatchObject& mate = Place(5, 800, 1950, 0, 3);
  CrossBall(2, 5, 800, 1950);
  EXPECT_EQ(+mate.action, 17);
  EXPECT_EQ(mate.passX, 800);
}

// A ball rolling on the ground comes down at once; team-mates free and near
// the point run there, the busy and the far do not.
TEST_F(KickExecTest, ARollingBallLandsWithinTwoFrames) {
  Act(2, 796, 1000, 128);
  BallFramePos[0] = 796;
  BallFramePos[1] = 1000;
  ballFixedX = 796 << 16;
  ballFixedY = 1000 << 16;
  BallHeight = 0;
  ballFixedHeight = 0;
  ballVelX = 0;
  ballVelY = 10 << 16;
  ballVelHeight = 0;
  ballSpinFrames = 0;
  MatchObject& near = Place(5, 796, 1040, 0, 3);
  MatchObject& busy = Place(6, 800, 1030, 0, 20);
  MatchObject& far = Place(7, 796, 1400, 0, 3);
  PredictLanding(100);
  EXPECT_EQ(LandingPointX, 796);
  EXPECT_GT(LandingPointY, 1000);
  EXPECT_LE(LandingPointY, 1020);
  EXPECT_EQ(+near.action, 14);
  EXPECT_EQ(near.speed, 140);
  EXPECT_EQ(busy.action, 20);
  EXPECT_EQ(+far.action, 3);
}

// A lofted ball comes down further on, where it falls to 16 or below.
TEST_F(KickExecTest, ALoftedBallIsFollowedToItsFall) {
  Act(2, 796, 1000, 128);
  BallFramePos[0] = 796;
  BallFramePos[1] = 1000;
  ballFixedX = 796 << 16;
  ballFixedY = 1000 << 16;
  ballVelY = 20 << 16;
  ballVelHeight = 8 << 16;
  PredictLanding(0);
  EXPECT_GT(LandingPointY, 1400);
  EXPECT_EQ(LandingPointX, 796);
  PlaceObjectAt(OBJECT_RESTART_SPOT, 796, 1300);
  DistanceToRestartSpot();
  EXPECT_EQ(RestartSpotDistance, 300);
}

}  // namespace
