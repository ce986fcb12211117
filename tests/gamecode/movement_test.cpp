#include "gamecode/movement.h"

#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "support/engine_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

class MovementTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    MatchState = STATE_PERIOD_START;  // no open-play bonus unless a test asks
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
  }

  // A player on the pitch at (x, y), and the working copy on him.
  static MatchObject& Put(int object, int x, int y, int facing) {
    MatchObject& p = MatchObjects[object];
    p.offPitch = 0;
    p.x = static_cast<int16_t>(x);
    p.y = static_cast<int16_t>(y);
    p.fixedX = x * U;
    p.fixedY = y * U;
    p.facing = static_cast<uint8_t>(facing);
    p.attr[SKILL_PACE] = 50;
    p.attr[SKILL_AGILITY] = 30;
    ActorX = p.x;
    ActorY = p.y;
    ActorFixedX = p.fixedX;
    ActorFixedY = p.fixedY;
    return p;
  }
};

TEST_F(MovementTest, DirectionsAcrossThePitch) {
  struct Row {
    int x2, y2, steps, expected;
  } rows[] = {
      {796, 122, 256, 0},     // towards the low goal line
      {796, 2042, 256, 128},  // towards the high one
      {1436, 1082, 256, 64},  // towards the far touch line
      {156, 1082, 256, 192},  // due left reads 192, not 193
      {1436, 1082, 16, 4},
      {156, 1082, 16, 12},
      {1436, 442, 256, 32},
      {796, 1082, 256, 0},    // the same point
  };
  for (const Row& r : rows) {
    EXPECT_EQ(GetDirection(796, 1082, r.x2, r.y2, r.steps), r.expected) << r.x2 << "," << r.y2 << "/" << r.steps;
  }
  EXPECT_EQ(GetDirection256(796, 1082, 1436, 1082), 64);
}

TEST_F(MovementTest, PolarOffsetsAcrossAndAlong) {
  struct Row {
    int direction, length, x, y;
  } rows[] = {{0, 100, 0, 100}, {64, 100, 100, 0}, {128, 100, 0, -100}, {192, 100, -100, 0}, {32, 100, 70, 70}};
  for (const Row& r : rows) {
    PolarToOffset(r.direction, r.length, 256);
    EXPECT_EQ(OffsetX, r.x) << r.direction;
    EXPECT_EQ(OffsetY, r.y) << r.direction;
  }
}

TEST_F(MovementTest, ReachDistanceArrivesWithinFiveWhileTheBallIsLow) {
  struct Row {
    int dx, dy, ballHeight, limit, expected;
  } rows[] = {
      {5, 0, 0, 1000, 0},  {3, 2, 0, 1000, 0}, {6, 0, 0, 1000, 7}, {3, 3, 0, 1000, 7},
      {5, 0, 12, 12, 6},   // the ball at the limit: no arrival
      {5, 0, 11, 12, 0},   {-4, -1, 0, 1000, 0}, {0, 0, 0, 1000, 0},
  };
  for (const Row& r : rows) {
    BallHeight = static_cast<int16_t>(r.ballHeight);
    EXPECT_EQ(ReachDistance(500, 500, 500 + r.dx, 500 + r.dy, r.limit), r.expected) << r.dx << "," << r.dy;
  }
}

TEST_F(MovementTest, TurningTakesTheShorterArcAtMostAgilityOverThirtyPlusThree) {
  struct Row {
    int agility, facing, direction, expected;
  } rows[] = {
      {90, 0, 100, 6},     // 90 / 30 + 3 = 6 steps
      {0, 0, 100, 3},
      {90, 0, 4, 4},       // stops on the direction
      {90, 0, 250, 250},   // the short way down through 255
      {90, 250, 5, 0},     // up through 0
      {30, 0, 128, 252},   // exactly a half turn goes down
      {30, 10, 10, 10},
  };
  for (const Row& r : rows) {
    MatchObject& p = Put(5, 500, 500, r.facing);
    p.attr[SKILL_AGILITY] = static_cast<uint8_t>(r.agility);
    p.turning = 1;
    TurnTowards(5, r.direction);
    EXPECT_EQ(+p.facing, r.expected) << r.agility << " " << r.facing << "->" << r.direction;
  }
}

TEST_F(MovementTest, FastTurnTurnsTwiceWhileTheBallIsSlow) {
  struct Row {
    int ballSpeed, expected;
  } rows[] = {{0, 8}, {2, 8}, {3, 4}, {40, 4}};
  for (const Row& r : rows) {
    Put(5, 500, 500, 0).attr[SKILL_AGILITY] = 30;
    ballSpeed = static_cast<uint8_t>(r.ballSpeed);
    TurnTowardsFast(5, 100);
    EXPECT_EQ(+MatchObjects[5].facing, r.expected) << r.ballSpeed;
  }
}

TEST_F(MovementTest, SpeedRisesFromSixtyFourAndFallsByTheAcceleration) {
  struct Row {
    int16_t state, momentum;
    int speed, top, acc, expected;
  } rows[] = {
      {STATE_PERIOD_START, 0, 0, 140, 1, 65},    // from rest: at least 64 at once, then the step
      {STATE_PERIOD_START, 0, 100, 140, 4, 104},
      {STATE_PERIOD_START, 0, 138, 140, 4, 140}, // not past the top
      {STATE_PERIOD_START, 0, 100, 64, 2, 98},   // above the top: falls by the acceleration
      {STATE_PERIOD_START, 0, 65, 64, 4, 64},    // not below the top
      {STATE_PERIOD_START, 0, 0, 30, 1, 30},     // a top below 64
      {STATE_PERIOD_START, 15, 150, 140, 10, 155},  // the side's momentum raises the top
      {STATE_PERIOD_START, 40, 150, 140, 30, 160},  // by 20 at most
      {STATE_OPEN_PLAY, 0, 150, 140, 30, 158},   // open play: + pace / 8 + 12
  };
  for (const Row& r : rows) {
    MatchObject& p = Put(5, 500, 500, 64);
    p.speed = static_cast<int16_t>(r.speed);
    MatchState = r.state;
    SideMomentum[0] = r.momentum;
    MovePlayer(5, r.top, r.acc);
    EXPECT_EQ(+p.speed, r.expected) << r.speed << " top " << r.top;
  }
}

TEST_F(MovementTest, MovingAlongTheFacingScalesByPace) {
  MatchObject& p = Put(5, 500, 500, 64);
  p.speed = 100;
  MovePlayer(5, 100, 1);
  // 100 across x 1000 x (50 + 500) / 600.
  EXPECT_EQ(ActorFixedX, 500 * U + 91666);
  EXPECT_EQ(ActorFixedY, 500 * U);
  EXPECT_EQ(+p.x, 500);  // the object waits for player_action's write-back

  Put(5, 500, 500, 0).speed = 100;
  MovePlayer(5, 100, 1);
  EXPECT_EQ(ActorFixedY, 500 * U - 91666);  // facing 0: towards smaller y
}

TEST_F(MovementTest, MovingInADirectionLeavesTheSidesMomentumOut) {
  MatchObject& p = Put(5, 500, 500, 0);
  p.speed = 150;
  SideMomentum[0] = 20;
  MoveInDirection(5, 140, 30, 128);
  EXPECT_EQ(+p.speed, 140);
  EXPECT_EQ(+p.facing, 0);
  EXPECT_EQ(ActorFixedY, 500 * U + 140 * 1000 * 550 / 600);
}

TEST_F(MovementTest, StepTowardsPointMovesOneUnitOnEachAxis) {
  MatchObject& b = MatchObjects[OBJECT_BALL];
  b.fixedX = 100 * U + 0x8000;
  b.fixedY = 200 * U;
  b.x = 100;
  b.y = 200;
  StepTowardsPoint(OBJECT_BALL, 90, 200);
  EXPECT_EQ(+b.x, 99);
  EXPECT_EQ(+b.y, 200);
  EXPECT_EQ(+b.fixedX, 99 * U + 0x8000);  // the fraction stays
  StepTowardsPoint(OBJECT_BALL, 120, 250);
  EXPECT_EQ(+b.x, 100);
  EXPECT_EQ(+b.y, 201);
  StepTowardsPoint(-1, 0, 0);  // no such object
  StepTowardsPoint(MATCH_OBJECTS, 0, 0);
}

TEST_F(MovementTest, PathBlockedFindsTheFirstPlayerSevenAhead) {
  MatchState = STATE_OPEN_PLAY;
  Put(5, 500, 500, 0);  // facing smaller y: the probe point is (500, 493)
  MatchObject& other = MatchObjects[20];
  other.offPitch = 0;
  other.x = 507;
  other.y = 486;
  EXPECT_EQ(PathBlocked(5), 21);
  other.x = 508;
  EXPECT_EQ(PathBlocked(5), 0);
  other.x = 493;
  other.y = 500;
  EXPECT_EQ(PathBlocked(5), 21);
  for (int action : {33, 50, 51, 56, 57, 72, 73, 89, 90, 105, 116}) {
    other.action = static_cast<int16_t>(action);
    EXPECT_EQ(PathBlocked(5), 0) << action;
  }
  other.action = 4;
  MatchState = STATE_THROW_IN;
  EXPECT_EQ(PathBlocked(5), 0);  // only in open play
}

TEST_F(MovementTest, BlockedRunnerWaitsAndStandsAfterTwentyFrames) {
  MatchState = STATE_OPEN_PLAY;
  PossessionSide = 1;
  MatchObject& p = Put(5, 500, 500, 0);
  MatchObject& other = MatchObjects[20];
  other.offPitch = 0;
  other.x = 500;
  other.y = 493;
  for (int frame = 1; frame <= 25; ++frame) {
    RunToPoint(5, 500, 100);
    EXPECT_EQ(ActorFixedY, 500 * U);
    EXPECT_EQ(+p.blockedFrames, frame < 20 ? frame : 20);
  }
  EXPECT_EQ(+p.motion, MOTION_ANF001);  // standing
  other.x = 900;
  RunToPoint(5, 500, 100);
  EXPECT_EQ(+p.blockedFrames, 0);
  EXPECT_LT(ActorFixedY, 500 * U);
  EXPECT_EQ(+p.motion, MOTION_ANF021);
}

TEST_F(MovementTest, RunToPointSpeedsByWhoIsNearer) {
  struct Row {
    int16_t state;
    int possession, rivalX, rivalY, action, expectedMotion, expectedAction;
  } rows[] = {
      {STATE_OPEN_PLAY, 0, 500, 120, 4, MOTION_ANF021, 4},     // his side has the ball
      {STATE_OPEN_PLAY, 1, 500, 300, 4, MOTION_ANF023, 4},     // the rival is nearer: sprint
      {STATE_OPEN_PLAY, 1, 500, 1000, 4, MOTION_ANF021, 4},    // he is nearer
      {STATE_THROW_IN, 1, 500, 300, 4, MOTION_ANF023, 4},   // below 6 as in open play
      {STATE_GOAL, 1, 500, 300, 4, MOTION_ANF019, 4},          // restarts: a jog
      {STATE_GOAL, 1, 500, 300, 58, MOTION_ANF021, 58},        // but the wall runs
  };
  for (const Row& r : rows) {
    MatchState = r.state;
    PossessionSide = static_cast<uint8_t>(r.possession);
    MatchObject& p = Put(5, 500, 500, 0);
    p.action = static_cast<int16_t>(r.action);
    p.motion = -1;
    ActivePlayer[1] = 20;
    MatchObject& rival = MatchObjects[20];
    rival.x = static_cast<int16_t>(r.rivalX);
    rival.y = static_cast<int16_t>(r.rivalY);
    RunToPoint(5, 500, 200);
    EXPECT_EQ(+p.motion, r.expectedMotion) << r.state << " " << r.rivalY;
    EXPECT_EQ(+p.action, r.expectedAction);
  }
}

TEST_F(MovementTest, RunToPointAtThePointHandsOverButNotTheGoalkeeper) {
  MatchState = STATE_OPEN_PLAY;
  PossessionSide = 1;
  ActivePlayer[1] = 20;
  MatchObjects[20].x = 800;
  MatchObjects[20].y = 800;
  MatchObject& p = Put(5, 500, 500, 0);
  p.action = 4;
  RunToPoint(5, 503, 497);
  EXPECT_EQ(+p.action, 108);
  EXPECT_EQ(ActorFixedX, 500 * U);
  SideSlots[0][0] = 5;
  Put(5, 500, 500, 0).action = 4;
  RunToPoint(5, 503, 497);
  EXPECT_EQ(+p.action, 4);
}

TEST_F(MovementTest, HeadTurnsByTheLimitWithinForty) {
  MatchObject& p = Put(5, 500, 500, 0);
  p.drawFacing = 64;  // body facing 0
  MatchObjects[20].x = 600;  // due right: 64 away
  MatchObjects[20].y = 500;
  LookAtObject(5, 20, 10);
  EXPECT_EQ(+p.headTurn, 10);
  for (int i = 0; i < 10; ++i) LookAtObject(5, 20, 10);
  EXPECT_EQ(+p.headTurn, 40);
  LookAtPoint(5, 400, 500, 100);  // due left
  EXPECT_EQ(+p.headTurn, -40);
}

TEST_F(MovementTest, RunTowardsTurnsOneUnitTheShortWay) {
  struct Row {
    int facing, direction, expected;
  } rows[] = {{250, 5, 251}, {5, 250, 4}, {0, 128, 255}, {128, 0, 129}, {10, 10, 10}, {10, 11, 11}};
  for (const Row& r : rows) {
    MatchObject& p = Put(5, 500, 500, r.facing);
    p.turning = 1;
    RunTowards(5, r.direction);
    EXPECT_EQ(+p.facing, r.expected) << r.facing << "->" << r.direction;
    EXPECT_EQ(+p.motion, MOTION_ANF001);
    EXPECT_EQ(+p.drawFacing, (r.expected + 64) & 255);
    EXPECT_EQ(+p.turning, r.facing == r.direction ? 1 : 0);
  }
}

TEST_F(MovementTest, AMotionThatWouldRunPastItsEndSwitchesAction) {
  MatchObject& p = Put(5, 500, 500, 0);
  p.action = 33;
  p.frame = 7;
  p.actionArg = 3;
  // No clips loaded: every clip has no frames, so any step leaves it.
  EXPECT_EQ(PlayMotion(5, MOTION_ANF102, 1, 4), 0);
  EXPECT_EQ(+p.action, 4);
  EXPECT_EQ(+p.frame, 0);
  EXPECT_EQ(+p.actionArg, 0);
  EXPECT_EQ(+p.motion, MOTION_ANF102);
  p.frame = 5;
  LoopMotion(5, MOTION_ANF019, 1, 31);
  EXPECT_EQ(+p.frame, 31);  // wrapped
  EXPECT_EQ(+p.motionFrame, 31);
}

}  // namespace
