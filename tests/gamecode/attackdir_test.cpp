#include "gamecode/attackdir.h"
#include "gamecode/basicacts.h"

#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/teamshape.h"
#include "support/engine_fixture.h"

namespace {

class AttackDirTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    LowGoalSide = 0;  // side 0 attacks y 2042
    offsideLine[0] = 300;
    offsideLine[1] = 1800;
  }
};

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
