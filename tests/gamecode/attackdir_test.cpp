#include "gamecode/attackdir.h"
#include "gamecode/basicacts.h"

#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/teamshape.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstates.h"
#include "gamecode/officials.h"
#include "engine/rand.h"
#include "support/engine_fixture.h"

#include <cstdlib>
#include <vector>

namespace {

std::vector<int> g_comments;

class AttackDirTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    LowGoalSide = 0;  // side 0 attacks y 2042
    offsideLine[0] = 300;
    offsideLine[1] = 1800;
    MatchState = STATE_OPEN_PLAY;
    g_comments.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_comments.push_back(event); };
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < SIDE_OBJECTS; ++place) SideSlots[side][place] = static_cast<int16_t>(side * 16 + place);
  }
};

// Side 0 attacks y 2042 past side 1's line at 1800; side 1 attacks y 122
// past side 0's line at 300.
TEST_F(AttackDirTest, OnlyAForwardBallArmsTheMenStrictlyPastTheLine) {
  struct Case {
    int mate, y, velY, offPitch, armed;
  } cases[] = {
      {9, 1850, 1 << 16, 0, 1},   // past the line, ball forward
      {9, 1800, 1 << 16, 0, 0},   // on the line
      {9, 1850, 0, 0, 0},         // square ball
      {9, 1850, -1 << 16, 0, 0},  // backward ball
      {9, 1850, 1 << 16, 1, 0},   // off the pitch
      {0, 1850, 1 << 16, 0, 1},   // the keeper's place is skipped: his flag stays
      {5, 1850, 1 << 16, 0, 0},   // the passer himself is cleared
      {25, 250, -1 << 16, 0, 1},  // the other side, the other way
      {25, 300, -1 << 16, 0, 0},
      {25, 250, 1 << 16, 0, 0},
  };
  for (const Case& c : cases) {
    const int passer = c.mate < 16 ? 5 : 21;
    PlaceObjectAt(passer, 700, 1000);
    PlaceObjectAt(c.mate, 700, c.y);
    MatchObjects[c.mate].offPitch = static_cast<uint8_t>(c.offPitch);
    MatchObjects[c.mate].ruleFlag = 1;
    MatchObjects[c.mate].ruleWord = 0;
    SheetSkill(MatchObjects[c.mate], 19) = 40;
    ballVelY = c.velY;
    MarkOffsideCandidates(passer);
    EXPECT_EQ(+MatchObjects[c.mate].ruleFlag, c.armed) << c.mate << " " << c.y << " " << c.velY;
    if (c.armed && c.mate != 0) {
      EXPECT_EQ(+MatchObjects[c.mate].ruleWord, (100 - GetEffectiveSkill(c.mate, 40)) / 2 + 1);
    }
    MatchObjects[c.mate].offPitch = 0;
  }
  // Outside open play nobody is armed.
  MatchState = STATE_FOUL;
  PlaceObjectAt(9, 700, 1850);
  MatchObjects[9].ruleFlag = 0;
  ballVelY = 1 << 16;
  MarkOffsideCandidates(5);
  EXPECT_EQ(+MatchObjects[9].ruleFlag, 0);
}

TEST_F(AttackDirTest, AFlaggedReceiverPastTheLineIsCaughtOffside) {
  struct Case {
    int receiver, y, roll, comment, given, linesman, flag;
  } cases[] = {
      {9, 1900, 99, 121, 1, OBJECT_LINESMAN_NEAR, OFFICIALS_FLAG_OFFSIDE_HIGH},  // clear
      {9, 1810, 99, 120, 1, OBJECT_LINESMAN_NEAR, OFFICIALS_FLAG_OFFSIDE_HIGH},  // close, given
      {9, 1810, -1, 119, 0, 0, 0},                                               // close, played on
      {25, 200, 99, 121, 1, OBJECT_LINESMAN_FAR, OFFICIALS_FLAG_OFFSIDE_LOW},
      {25, 290, -1, 119, 0, 0, 0},
  };
  for (const Case& c : cases) {
    MatchState = STATE_OPEN_PLAY;
    g_comments.clear();
    PlaceObjectAt(c.receiver, 700, c.y);
    MatchObject& r = MatchObjects[c.receiver];
    r.ruleFlag = 1;
    r.offsides = 0;
    MatchObjects[OBJECT_LINESMAN_NEAR].action = 0;
    MatchObjects[OBJECT_LINESMAN_FAR].action = 0;
    ballX = 700;
    ballY = static_cast<int16_t>(c.y);
    BallFramePos[0] = 690;
    BallFramePos[1] = static_cast<int16_t>(c.y - 5);
    offsideRoll = static_cast<int16_t>(c.roll);
    CheckOffside(c.receiver);
    ASSERT_EQ(g_comments, std::vector<int>{c.comment}) << c.receiver << " " << c.y;
    EXPECT_EQ(MatchState, c.given ? STATE_OFFSIDE : STATE_OPEN_PLAY);
    EXPECT_EQ(+r.offsides, +c.given);
    if (!c.given) continue;
    EXPECT_EQ(restartX, 690);
    EXPECT_EQ(restartY, c.y - 5);
    EXPECT_EQ(+OffendingSide, c.receiver / 16);
    EXPECT_EQ(+MatchObjects[c.linesman].action, +c.flag);
  }
}

TEST_F(AttackDirTest, CloseCallsFollowTheOffsideRoll) {
  offsideRoll = 60;
  int given = 0;
  for (int i = 0; i < 1000; ++i) {
    MatchState = STATE_OPEN_PLAY;
    PlaceObjectAt(9, 700, 1805);
    MatchObjects[9].ruleFlag = 1;
    ballY = 1805;
    CheckOffside(9);
    given += MatchState == STATE_OFFSIDE;
  }
  EXPECT_NEAR(given, 610, 60);  // roll 0-60 of 0-99
}

TEST_F(AttackDirTest, NoOffsideWithoutTheFlagOrWithTheBallInTheOwnHalf) {
  PlaceObjectAt(9, 700, 1900);
  MatchObjects[9].ruleFlag = 0;
  ballY = 1900;
  CheckOffside(9);
  EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
  MatchObjects[9].ruleFlag = 1;
  ballY = 1000;
  CheckOffside(9);
  EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
  EXPECT_TRUE(g_comments.empty());
}

// The bend of a clean strike grows near goal; from 800 and more it stays at
// 7125; without an aim even a clean strike takes the random errors.
TEST_F(AttackDirTest, TheStrikeErrorByDistanceAndAim) {
  struct Case {
    int y, aimX, curve;
  } cases[] = {{1242, 500, 7125}, {1042, 1000, -7125}, {1882, 500, 12000}, {1882, 1000, -12000}};
  MatchObject& o = MatchObjects[5];
  for (int k : {6, 11, 19}) SheetSkill(o, k) = 100;
  for (const Case& c : cases) {
    PlaceObjectAt(5, 796, c.y);
    SetStrikeError(5, c.aimX);
    EXPECT_EQ(ballSpinX, c.curve) << c.y;
    EXPECT_EQ(ballSpinY, 0);
    EXPECT_EQ(ballSpinHeight, 0);
    EXPECT_GE(ballSpinFrames, 10);
    EXPECT_LE(ballSpinFrames, 34);
  }
  PlaceObjectAt(5, 796, 1242);
  bool errors = false;
  for (int i = 0; i < 50; ++i) {
    SetStrikeError(5, -1);
    EXPECT_NE(std::abs(ballSpinX), 7125);
    EXPECT_LE(std::abs(ballSpinX), 7125);
    EXPECT_GE(ballSpinY, -4000);
    EXPECT_LT(ballSpinY, 4000);
    EXPECT_GE(ballSpinHeight, -2000);
    EXPECT_LT(ballSpinHeight, 2000);
    errors = errors || ballSpinY != 0 || ballSpinHeight != 0;
  }
  EXPECT_TRUE(errors);
}

TEST_F(AttackDirTest, GoalDistanceIsTheStraightLineDistanceToTheAttackedGoal) {
  struct Case {
    int object, x, y, side, distance;
  } cases[] = {{5, 796, 1442, 0, 600}, {5, 796, 1433, 0, 609}, {20, 796, 722, 1, 600}, {5, 496, 1642, 0, 500}};
  for (const Case& c : cases) {
    PlaceObjectAt(c.object, c.x, c.y);
    UpdateGoalDistance(c.object, c.side);
    EXPECT_NEAR(GoalDistance, c.distance, 1) << c.x << "," << c.y;
  }
}

// Past the other side's line, or in modes 1 and 2, the run is at the goal's middle.
TEST_F(AttackDirTest, PastTheLineOrOutOfModeZeroTheRunIsAtTheGoal) {
  PlaceObjectAt(5, 496, 1900);  // past side 1's line at 1800
  EXPECT_EQ(GetAttackDirection(5, 0, 0), GetDirection256(496, 1900, 796, 2042));
  PlaceObjectAt(5, 496, 1000);
  EXPECT_EQ(GetAttackDirection(5, 1, 0), GetDirection256(496, 1000, 796, 2042));
  GoalDistance = 0;
  GetAttackDirection(5, 2, 0);
  EXPECT_EQ(GoalDistance, 0);  // mode 2 leaves it
  // Before the line, near the touch line: straight down it.
  PlaceObjectAt(5, 170, 1000);
  EXPECT_EQ(GetAttackDirection(5, 0, 0), 128);
}

// 30 for a player not at home on the left, in a slot two columns in from
// the left, counts 11.
TEST_F(AttackDirTest, ASkillOffThePlayersFlankCountsAThird) {
  uint8_t* slot = Football_GetTeamFormation(0) + 3 * TACTICS_SLOT_SIZE;
  SideSlots[0][3] = 5;
  slot[TACTICS_SLOT_X] = 2;
  slot[TACTICS_SLOT_X + 1] = 0;
  MatchObjects[5].attr[SKILL_LEFT_SIDE] = 0;
  EXPECT_EQ(GetEffectiveSkill(5, 30), 11);
  MatchObjects[5].attr[SKILL_LEFT_SIDE] = 1;
  EXPECT_EQ(GetEffectiveSkill(5, 30), 30);
}

TEST_F(AttackDirTest, TheOffsideFlagsClearAndTheDelaysOutsideOpenPlay) {
  for (int16_t state : {STATE_OPEN_PLAY, STATE_FOUL}) {
    MatchState = state;
    MatchObjects[7].ruleFlag = 1;
    MatchObjects[7].ruleWord = 12;
    ClearOffsideFlags();
    EXPECT_EQ(+MatchObjects[7].ruleFlag, 0);
    EXPECT_EQ(+MatchObjects[7].ruleWord, state == STATE_OPEN_PLAY ? 12 : 0);
  }
}

}  // namespace
