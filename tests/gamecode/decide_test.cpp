#include "gamecode/decide.h"

#include <algorithm>

#include "gamecode/balltouch.h"
#include "gamecode/kickexec.h"
#include "gamecode/matchstates.h"
#include "gamecode/passfind.h"
#include "gamecode/teamops.h"
#include "onball_fixture.h"

namespace {

class DecideTest : public OnBallTest {
 protected:
  bool Said(int event) const {
    return std::find(g_onballComments.begin(), g_onballComments.end(), event) != g_onballComments.end();
  }
  // Twelve opponents in a ring 60 about the player, all coming at him.
  void HemIn(int x, int y) {
    for (int i = 0; i < 12; ++i) {
      const int d = i * 256 / 12;
      PolarToOffset(d, 60, 256);
      Place(17 + i, x + OffsetX, y - OffsetY, (d + 128) & 255);
    }
  }
};

bool IsShot(int action) {
  for (int code : {52, 81, 78, 105, 106, 107}) if (action == code) return true;
  return false;
}

// Within 160 of goal the shot comes first, whatever he is told to do.
TEST_F(DecideTest, CloseToGoalTheShotComesBeforeAnyInstruction) {
  struct Case {
    int partner, longBall;
  } cases[] = {{NO_PARTNER, 0}, {5, 0}, {5, 1}};
  for (const Case& c : cases) {
    SetUp();
    MatchObject& p = Act(2, 796, 1900, 128);
    p.instructions[3] = static_cast<uint8_t>(c.partner);
    p.instructions[1] = static_cast<uint8_t>(c.longBall);
    Place(5, 900, 1950, 0, 3).ballDistance = 150;
    Place(16, 796, 2030, 0, 122);
    Chase(0, {2, 5});
    DecideWithBall(2);
    EXPECT_TRUE(IsShot(p.action)) << p.action;
    EXPECT_EQ(ShotTargetY, 2047);
  }
}

// The trick past a close opponent: sometimes within 400 of goal, never from
// 400 or more, whatever the roll.
TEST_F(DecideTest, TheTrickHappensOnlyWithin400OfGoal) {
  struct Case {
    int y;
    bool tricks;
  } cases[] = {{1742, true}, {1642, false}, {1300, false}};
  for (const Case& c : cases) {
    int tricks = 0;
    for (int seed = 1; seed <= 400; ++seed) {
      SetUp();
      GameSeedRandom(seed);
      MatchObject& p = Act(2, 796, c.y, 128);
      SetSkill(2, 21, 0);
      Place(20, 796, c.y + 20, 0).ballDistance = 20;
      ActivePlayer[1] = 20;
      DecideWithBall(2);
      if (p.action == 72) ++tricks;
    }
    EXPECT_EQ(tricks > 0, c.tricks) << c.y << ": " << tricks;
  }
}

// A long ball is played only more than 1400 from goal; with a change
// wanted the ball goes out over the near touch line (with a free lane even
// without the instruction).
TEST_F(DecideTest, WantingAChangeFarFromGoalHeKicksItOut) {
  struct Case {
    int y, longBall, request;
    bool out;
    int event;
  } cases[] = {
      {600, 1, 1, true, 1}, {700, 1, 1, false, -1}, {600, 0, 1, true, 0}, {600, 0, 0, false, -1},
  };
  for (const Case& c : cases) {
    SetUp();
    MatchObject& p = Act(2, 700, c.y, 128);
    p.instructions[1] = static_cast<uint8_t>(c.longBall);
    SetSkill(2, 11, 0);
    SubstitutionRequest[0] = static_cast<int16_t>(c.request);
    DecideWithBall(2);
    EXPECT_EQ(p.clearances == 1 && ShotTargetX < 156, c.out) << c.y << " " << c.longBall << c.request;
    if (c.out) {
      EXPECT_TRUE(Said(c.event));
    }
  }
}

// Only in contact with the ball (not at his feet): no decision, he runs on.
TEST_F(DecideTest, InContactOnlyHeRunsOn) {
  MatchObject& p = Act(2, 796, 1000, 128);
  p.hasBall = 0;
  p.touchLock = 5;
  Place(5, 796, 1300, 0, 3).ballDistance = 300;
  Chase(0, {2, 5});
  PassReceiver = -1;
  ballVelY = 123;
  DecideWithBall(2);
  EXPECT_EQ(p.action, 4);
  EXPECT_EQ(+MatchObjects[5].action, 3);
  EXPECT_EQ(PassReceiver, -1);
  EXPECT_EQ(ballVelY, 123);
  EXPECT_TRUE(g_onballComments.empty());
}

// Past the last defender and running along the pitch he never passes.
TEST_F(DecideTest, ThroughOnGoalHeKeepsTheBall) {
  for (int seed = 1; seed <= 40; ++seed) {
    SetUp();
    GameSeedRandom(seed);
    offsideLine[1] = 1600;
    MatchObject& p = Act(2, 796, 1650, 128);
    for (int k : {5, 10, 12}) SetSkill(2, k, 100);
    SetSkill(2, 11, 0);
    Place(5, 900, 1600, 0, 3).ballDistance = 200;
    Chase(0, {2, 5});
    PassReceiver = -1;
    DecideWithBall(2);
    EXPECT_EQ(PassReceiver, -1) << seed;
    EXPECT_EQ(+MatchObjects[5].action, 3) << seed;
    EXPECT_TRUE(p.action == 4 || p.action == 15 || p.action == 16) << seed << ": " << p.action;
  }
}

// Hemmed in with nothing on and the ball about to go out: he stops it and
// turns on the spot.
TEST_F(DecideTest, HemmedInAtTheLineHeStopsTheBall) {
  struct Case {
    int speed, action;
  } cases[] = {{0, 5}, {29, 5}, {30, 6}, {80, 6}};
  for (const Case& c : cases) {
    SetUp();
    MatchObject& p = Act(2, 170, 1000, 192);
    p.speed = static_cast<int16_t>(c.speed);
    for (int k : {3, 11, 12}) SetSkill(2, k, 0);
    HemIn(170, 1000);
    ballVelX = ballVelY = 5 << 16;
    DecideWithBall(2);
    EXPECT_EQ(p.action, c.action) << c.speed;
    EXPECT_EQ(ballVelX, 0);
    EXPECT_EQ(ballVelY, 0);
  }
}

// The run down the left wing is commented on once a possession: the next
// needs a touch by somebody else.
TEST_F(DecideTest, OnlyTheFirstRunOfAPossessionIsCommentedOn) {
  MatchState = STATE_OPEN_PLAY;
  BallCarrier = 2;
  for (int run = 0; run < 3; ++run) {
    MatchObject& p = Act(2, 200, 1300, 128);
    p.touchLock = 0;
    for (int k : {10, 11, 12}) SetSkill(2, k, 0);
    if (run == 2) {
      BallTouch(5);  // a team-mate had it in between
      BallTouch(2);
    }
    g_onballComments.clear();
    ballSpinFrames = 9;
    ballSpinX = 100;
    DecideWithBall(2);
    EXPECT_EQ(p.action, 16) << run;
    EXPECT_EQ(ballSpinFrames, 0);  // the push leaves no swerve
    EXPECT_EQ(ballSpinX, 0);
    EXPECT_GT(ballVelY, 0);
    EXPECT_EQ(Said(3), run != 1) << run;
  }
  EXPECT_EQ(BallRuns[2], 3);
}

// Turning with the ball towards a free lane straight up the field (128):
// the action by how far and which way; slow players turn on the spot; no
// room for the turn: played back.
TEST_F(DecideTest, TheTurnWithTheBallGoesByTheAngle) {
  struct Case {
    int facing, speed, action;
  } cases[] = {
      {88, 50, 7},  {68, 50, 8},  {28, 50, 9},  {8, 50, 10},   {168, 50, 11},
      {188, 50, 12}, {228, 50, 13}, {248, 50, 10}, {88, 10, 5},
  };
  for (const Case& c : cases) {
    SetUp();
    MatchObject& p = Act(2, 796, 1000, c.facing);
    p.speed = static_cast<int16_t>(c.speed);
    for (int k : {10, 11, 12, 19}) SetSkill(2, k, 0);
    DecideWithBall(2);
    EXPECT_EQ(p.action, c.action) << c.facing;
    EXPECT_EQ(+p.turnFacing, 128) << c.facing;
  }
  MatchObject& p = Act(2, 160, 1000, 192);
  p.speed = 50;
  for (int k : {10, 11, 12, 19}) SetSkill(2, k, 0);
  PassReceiver = 5;
  DecideWithBall(2);
  EXPECT_EQ(p.action, 34);
  EXPECT_EQ(PassReceiver, -1);
  EXPECT_EQ(PassPointX, 210);
  EXPECT_EQ(PassPointY, 1000);
  EXPECT_TRUE(Said(2));
}

// When a shot is on: facing away only counts beyond 160; close to the
// keeper always; never from beyond 575 (GoalDistance / 16 above 35); else
// the finishing skill against the distance.
TEST_F(DecideTest, WhenAShotIsOn) {
  struct Case {
    int y, facing, shooting, expected;
  } cases[] = {
      {2000, 0, 0, 1}, {1800, 0, 0, 0}, {1800, 128, 0, 1}, {1300, 128, 255, 0}, {1500, 128, 255, 1}, {1500, 128, 0, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    Act(2, 796, c.y, c.facing);
    SetSkill(2, 3, 0);
    SetSkill(2, 11, c.shooting);
    Place(16, 796, 2030, 0, 122);
    EXPECT_EQ(CanShoot(2), c.expected) << c.y << " " << c.facing;
  }
}

// Standing on the ball he weighs the passes by kind: 0 to feet, 1 medium,
// 2 long, 3 very long; 1 only when one was played.
TEST_F(DecideTest, ThePassOptionsOfAPlayerStandingOnTheBall) {
  struct Case {
    int kind, mateY, distance, played, action;
  } cases[] = {
      {0, 1150, 150, 1, 29}, {1, 1150, 150, 0, 4}, {1, 1400, 400, 1, 29}, {2, 1700, 700, 1, 29},
      {3, 2000, 1100, 1, 29}, {3, 1400, 400, 0, 4}, {4, 1400, 400, 0, 4},
  };
  for (const Case& c : cases) {
    SetUp();
    MatchObject& p = Act(2, 796, 1000, 128);
    for (int k : {5, 10}) SetSkill(2, k, 100);
    MatchObject& mate = Place(5, 796, c.mateY, 128, 3);
    mate.ballDistance = static_cast<int16_t>(c.distance);
    Chase(0, {2, 5});
    EXPECT_EQ(PlayPassOption(2, c.kind), c.played) << c.kind << " " << c.mateY;
    EXPECT_EQ(p.action, c.action) << c.kind;
    if (c.played == 1) {
      EXPECT_EQ(PassReceiver, 5);
    }
  }
}

}  // namespace
