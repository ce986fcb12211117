#include "gamecode/basicacts.h"

#include <cstdlib>
#include <vector>

#include "gamecode/actions.h"
#include "gamecode/football.h"
#include "gamecode/matchrec.h"
#include "gamecode/activeplayers.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "generic/matchctrl.h"
#include "support/engine_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

std::vector<int> g_calls;  // 1 on-ball decisions, 2 off-ball movement, 3 challenge, 4 dribble, 5 clearance
std::vector<int> g_comments;

class BasicActsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    g_calls.clear();
    g_comments.clear();
    MatchSeams.onBallDecisions = [](int) { g_calls.push_back(1); };
    MatchSeams.offBallMovement = [](int) { g_calls.push_back(2); };
    MatchSeams.challengeDecision = [](int) { g_calls.push_back(3); };
    MatchSeams.dribbleDecision = [](int) { g_calls.push_back(4); };
    MatchSeams.clearBall = [](int, int) { g_calls.push_back(5); };
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_comments.push_back(event); };
    MatchState = STATE_PERIOD_START;
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    SideSlots[0][0] = 0;
    SideSlots[1][0] = 16;
  }

  static MatchObject& Put(int object, int x, int y, int facing, int action, int targetX, int targetY) {
    MatchObject& p = MatchObjects[object];
    p = MatchObject{};
    p.x = static_cast<int16_t>(x);
    p.y = static_cast<int16_t>(y);
    p.fixedX = x * U;
    p.fixedY = y * U;
    p.facing = static_cast<uint8_t>(facing);
    p.action = static_cast<int16_t>(action);
    p.targetX = static_cast<int16_t>(targetX);
    p.targetY = static_cast<int16_t>(targetY);
    p.attr[SKILL_PACE] = 50;
    p.attr[SKILL_AGILITY] = 30;
    return p;
  }
};

TEST_F(BasicActsTest, AStandingPlayerRunsOnlyFromSixUnitsAway) {
  struct Row {
    int dx, dy, expected;
  } rows[] = {{5, 0, 0}, {0, -5, 0}, {3, 2, 0}, {6, 0, 3}, {3, 3, 3}, {0, 0, 0}};
  for (const Row& r : rows) {
    Put(5, 500 + r.dx, 500 + r.dy, 0, 0, 500, 500).speed = 40;
    player_action();
    EXPECT_EQ(+MatchObjects[5].action, r.expected) << r.dx << "," << r.dy;
    EXPECT_EQ(+MatchObjects[5].speed, 0);
  }
}

TEST_F(BasicActsTest, AStandingPlayerFacesHisWantedWayOneUnitAFrame) {
  struct Row {
    int facing, wanted, expected;
  } rows[] = {{0, 100, 1}, {0, 41, 1}, {0, 40, 0}, {0, 200, 255}, {0, 250, 0}, {10, 150, 9}, {10, 240, 10}};
  for (const Row& r : rows) {
    MatchObject& p = Put(5, 500, 500, r.facing, 0, 500, 500);
    p.wantedFacing = static_cast<int16_t>(r.wanted);
    player_action();
    EXPECT_EQ(+p.facing, r.expected) << r.facing << "->" << r.wanted;
    EXPECT_EQ(+p.motion, MOTION_ANF001);
  }
}

TEST_F(BasicActsTest, TheGoalkeeperStandsInHisOwnCode) {
  Put(16, 500, 150, 0, 0, 900, 900);
  player_action();
  EXPECT_EQ(+MatchObjects[16].action, 122);
  MatchState = 22;
  Put(16, 500, 150, 0, 0, 900, 900);
  player_action();
  EXPECT_EQ(+MatchObjects[16].action, 3);
}

TEST_F(BasicActsTest, ARunnerArrivesWithinFiveAndCountsAsAMoverUntilThen) {
  MatchObject& p = Put(5, 500, 520, 0, 3, 500, 500);
  int frames = 0;
  while (p.action == 3 && frames < 200) {
    player_action();
    if (p.action == 3) {
      EXPECT_EQ(MoversCount, 1);
    }
    ++frames;
  }
  EXPECT_EQ(+p.action, 0);
  EXPECT_EQ(MoversCount, 0);
  EXPECT_LE(std::abs(p.y - 500), 5);
}

TEST_F(BasicActsTest, BackingOffUnder125FacingAway) {
  struct Row {
    int dy;
    bool backs;
  } rows[] = {{50, true}, {123, true}, {124, false}, {200, false}};
  for (const Row& r : rows) {
    // Facing larger y (128) with the target behind him at smaller y.
    MatchObject& p = Put(5, 500, 500 + r.dy, 128, 3, 500, 500);
    player_action();
    if (r.backs) {
      EXPECT_EQ(+p.facing, 128) << r.dy;
      EXPECT_EQ(+p.motion, MOTION_ANF025);
      EXPECT_LT(+p.fixedY, (500 + r.dy) * U);  // still moving towards the target
    } else {
      EXPECT_NE(+p.motion, MOTION_ANF025) << r.dy;
      EXPECT_EQ(+p.facing, 127);  // a first unit of the turn
    }
  }
}

TEST_F(BasicActsTest, SlowingOverTheLastThirtyUnits) {
  // From rest outside open play the speed takes the top speed at once when
  // that is below 65: (d x 100 / 30) x 64 / 100, d the distance + 1.
  struct Row {
    int dy, speed;
  } rows[] = {{29, 64}, {20, 44}, {14, 32}, {6, 14}, {60, 64}, {200, 65}};
  for (const Row& r : rows) {
    MatchObject& p = Put(5, 500, 500 + r.dy, 0, 3, 500, 500);
    player_action();
    EXPECT_EQ(+p.speed, r.speed) << r.dy;
    EXPECT_EQ(+p.motion, r.dy + 1 > 100 ? MOTION_ANF021 : MOTION_ANF019);
  }
  // Coming in fast it loses a unit of speed a frame.
  MatchObject& p = Put(5, 500, 510, 0, 3, 500, 500);
  p.speed = 90;
  player_action();
  EXPECT_EQ(+p.speed, 89);
}

TEST_F(BasicActsTest, OpenPlayRunsAsCode3WhileTheBallIsHeldOrPlayIsStopped) {
  struct Row {
    int16_t keeper, thrower, state;
    bool asCode3;
  } rows[] = {
      {17, 0, STATE_OPEN_PLAY, true}, {0, 18, STATE_OPEN_PLAY, true}, {0, 0, STATE_FOUL, true},
      {0, 0, STATE_THROW_IN, true},  {0, 0, STATE_OFFSIDE, false},  {0, 0, STATE_OPEN_PLAY, false},
  };
  for (const Row& r : rows) {
    g_calls.clear();
    keeperHolder = r.keeper;
    throwHolder = r.thrower;
    MatchState = r.state;
    MatchObject& p = Put(5, 500, 800, 0, 4, 500, 500);
    player_action();
    EXPECT_EQ(g_calls.empty(), r.asCode3) << r.keeper << r.thrower << r.state;
    if (r.asCode3) {
      EXPECT_EQ(MoversCount, 1);
      EXPECT_LT(+p.fixedY, 800 * U);
      EXPECT_EQ(+p.openPlayFrames, 0);
    } else {
      EXPECT_EQ(+p.openPlayFrames, 1);
    }
  }
}

TEST_F(BasicActsTest, OpenPlayDecidesOnAndOffTheBall) {
  MatchState = STATE_OPEN_PLAY;
  ballDirection = 100;
  ballPredict[0][0] = 800;
  ballPredict[0][1] = 600;
  ActivePlayer[1] = 20;
  struct Row {
    int hasBall, touchLock, possession, rivalDistance;
    std::vector<int> calls;
    int pressing;
  } rows[] = {
      {1, 0, 1, 100, {1}, 0},
      {0, 5, 0, 100, {1}, 0},     // just played it, his side keeps it
      {0, 5, 1, 100, {2}, 0},
      {0, 0, 0, 100, {2}, 0},     // his side has it: runs to the ball's look-ahead
      {0, 0, 1, 33, {2}, 0},      // the rival is far from the ball
      {0, 0, 1, 32, {2, 3}, 1},   // close: the challenge decision, pressing
  };
  for (const Row& r : rows) {
    g_calls.clear();
    PossessionSide = static_cast<uint8_t>(r.possession);
    MatchObjects[20].ballDistance = static_cast<int16_t>(r.rivalDistance);
    MatchObject& p = Put(5, 500, 500, 0, 4, 500, 500);
    p.hasBall = static_cast<uint8_t>(r.hasBall);
    p.touchLock = static_cast<int16_t>(r.touchLock);
    player_action();
    EXPECT_EQ(g_calls, r.calls) << r.hasBall << r.touchLock << r.possession << r.rivalDistance;
    EXPECT_EQ(+p.pressingFrames, r.pressing);
    if (r.calls == std::vector<int>{2}) {
      EXPECT_GT(+p.fixedX, 500 * U);  // towards (800, 600)
    }
  }
}

TEST_F(BasicActsTest, AStillBallIsClosedDownOnlyWithinNine) {
  MatchState = STATE_OPEN_PLAY;
  ballDirection = 256;
  PossessionSide = 1;
  ActivePlayer[1] = 20;
  for (int distance : {10, 9}) {
    g_calls.clear();
    MatchObjects[20].ballDistance = static_cast<int16_t>(distance);
    Put(5, 500, 500, 0, 4, 500, 500);
    player_action();
    const std::vector<int> expected = distance > 9 ? std::vector<int>{2} : std::vector<int>{2, 3};
    EXPECT_EQ(g_calls, expected) << distance;
  }
}

TEST_F(BasicActsTest, WithoutTheBallTheOnBallStatesRunToTheTarget) {
  for (int code : {5, 6}) {
    MatchObject& p = Put(5, 500, 500, 0, code, 700, 700);
    p.hasBall = 0;
    player_action();
    EXPECT_EQ(+p.action, 3) << code;
  }
}

TEST_F(BasicActsTest, TheShortStatesEndInTheirNextCode) {
  // No clips are loaded in the tests, so each motion ends at once.
  struct Row {
    int code, next;
  } rows[] = {{33, 4}, {93, 4}, {73, 4}, {37, 4}, {15, 4}, {16, 15}, {111, 4}, {7, 4}, {112, 5}};
  for (const Row& r : rows) {
    MatchObject& p = Put(5, 500, 500, 0, r.code, 500, 500);
    p.turnFacing = 0;
    player_action();
    EXPECT_EQ(+p.action, r.next) << r.code;
  }
  MatchObject& p = Put(5, 500, 500, 0, 8, 500, 500);
  p.turnFacing = 77;
  player_action();
  EXPECT_EQ(+p.frame, 22);  // the member's resume frame
  EXPECT_EQ(+p.facing, 77);
}

TEST_F(BasicActsTest, AFallLeavesOneMarkWhereHeLands) {
  MatchObject& p = Put(5, 640, 910, 64, 73, 640, 910);
  player_action();
  const EffectQueueEntry* mark = EffectQueue_Get(0);
  ASSERT_TRUE(mark->active);
  EXPECT_EQ(mark->kind, GROUND_EFFECT_BODY);
  EXPECT_EQ(mark->x, 640);
  EXPECT_EQ(mark->y, 910);
  EXPECT_FLOAT_EQ(mark->scale, 1.0f);
  EXPECT_NEAR(mark->angle, 3.14159265 / 2, 1e-6);
  // Still down a frame later: no second mark.
  p = Put(5, 650, 900, 0, 73, 650, 900);
  p.actionArg = 1;
  player_action();
  EXPECT_FALSE(EffectQueue_Get(1)->active);
}

TEST_F(BasicActsTest, RollsAndTheTurnKick) {
  EXPECT_EQ(SkillRoll(0, 100), 0);
  EXPECT_EQ(SkillRoll(50, 0), 0);
  EXPECT_EQ(SkillRoll(-3, 10), 0);
  for (int i = 0; i < 50; ++i) {
    const int roll = SkillRoll(50, 100);
    EXPECT_LE(roll, 50);
    EXPECT_GE(roll, -50);
  }
  MatchObject& p = Put(5, 500, 500, 0, 7, 500, 500);
  TurnKick(64, 40, 5);
  EXPECT_EQ(ballVelX, 70 * 4096);
  EXPECT_EQ(ballVelY, 0);
  EXPECT_EQ(ballVelHeight, 20480);
  EXPECT_EQ(+p.touchLock, 16);
  EXPECT_EQ(+p.actionArg, 1);
}

TEST_F(BasicActsTest, TeamMatesJoinTheScorer) {
  GoalScorer = 9;
  Put(9, 800, 300, 0, 69, 800, 300).actionArg2 = 4;  // standing by: variant 4, the spot not reached
  struct Row {
    int object, x, y, action, motion, facing;
  } rows[] = {
      {5, 800, 310, 69, -1, -1},               // within 48 - 2 x 5: joins the celebration
      {6, 800, 600, 70, MOTION_ANF021, 0},     // far: runs to him
      {7, 800, 400, 70, MOTION_ANF141C, 0},    // near: the joining run
  };
  for (const Row& r : rows) {
    MatchObject& p = Put(r.object, r.x, r.y, 128, 70, 0, 0);
    p.motion = -1;
    player_action();
    EXPECT_EQ(+p.action, r.action) << r.object;
    if (r.action == 69) {
      EXPECT_TRUE(p.actionArg2 == 0 || p.actionArg2 == 1);
    } else {
      EXPECT_EQ(+p.motion, r.motion) << r.object;
      EXPECT_EQ(+p.facing, r.facing) << r.object;
    }
  }
  // Behind the goal line: who stands in the goal mouth steps out sideways first.
  MatchObjects[9].y = 100;
  MatchObject& p = Put(8, 800, 200, 0, 70, 0, 0);
  player_action();
  EXPECT_EQ(+p.facing, 64);  // towards the far post + 16
  EXPECT_EQ(+p.motion, MOTION_ANF023);
}

TEST_F(BasicActsTest, TheScorerRunsToHisSpotAndCelebrates) {
  GoalScorer = 5;
  MatchObject& p = Put(5, 600, 500, 0, 69, 0, 0);
  p.actionArg2 = 2;  // in front of the fans, 160 short of the centre on his side
  int frames = 0;
  while (p.actionArg == 0 && frames < 2000) {
    player_action();
    ++frames;
  }
  EXPECT_EQ(+p.actionArg, 1);
  EXPECT_LE(std::abs(p.x - 636) + std::abs(p.y - 142), 5);
  EXPECT_EQ(+p.speed, 0);
  EXPECT_EQ(g_comments, std::vector<int>{267});
  EXPECT_EQ(focusObject, 5);
}

TEST_F(BasicActsTest, APlayerOffHisFlankHasAThirdOfHisSkill) {
  struct Row {
    int across, left, right, expected;
  } rows[] = {{2, 0, 0, 21}, {2, 1, 0, 60}, {3, 0, 1, 21}, {4, 0, 0, 60}, {11, 0, 0, 60},
              {12, 0, 0, 21}, {12, 0, 1, 60}, {14, 1, 0, 21}};
  uint8_t* slot = Football_GetTeamFormation(0) + 3 * TACTICS_SLOT_SIZE;
  for (const Row& r : rows) {
    MatchObject& p = Put(5, 500, 500, 0, 4, 500, 500);
    p.attr[SKILL_LEFT_SIDE] = static_cast<uint8_t>(r.left);
    p.attr[SKILL_RIGHT_SIDE] = static_cast<uint8_t>(r.right);
    SideSlots[0][3] = 5;
    slot[TACTICS_SLOT_X] = static_cast<uint8_t>(r.across);
    slot[TACTICS_SLOT_X + 1] = 0;
    EXPECT_EQ(GetEffectiveSkill(5, 60), r.expected) << r.across << r.left << r.right;
  }
  SideSlots[0][3] = 6;  // in no formation slot
  EXPECT_EQ(GetEffectiveSkill(5, 60), 60);
}

}  // namespace
