#include "gamecode/passfind.h"

#include "gamecode/attackdir.h"
#include "onball_fixture.h"

namespace {

class PassFindTest : public OnBallTest {
 protected:
  // Passer 2 in his own half facing up the field, two team-mates ahead of him.
  void Scene() {
    Act(2, 796, 1200, 128);
    for (int k : {5, 10, 16}) SetSkill(2, k, k == 16 ? 0 : 100);
    SetSkill(2, 6, 0);
    SetSkill(2, 19, 0);
    MatchObjects[2].attr[SKILL_LEFT_SIDE] = 1;
    Mate(5, 796, 1900, 700);
    Mate(6, 900, 1900, 710);
    Chase(0, {2, 5, 6});
  }
  void Mate(int object, int x, int y, int ballDistance) {
    MatchObject& o = Place(object, x, y, 0, 3);
    o.ballDistance = static_cast<int16_t>(ballDistance);
  }
};

// A named team-mate who passes every filter is taken over a better one; one
// who fails a filter (busy in action 17) is not.
TEST_F(PassFindTest, ANamedTeamMateIsTakenWhenHeQualifies) {
  struct Case {
    int partner, action, expected;
  } cases[] = {{NO_PARTNER, 3, 5}, {6, 3, 6}, {6, 17, 5}, {NO_PARTNER, 17, 5}};
  for (const Case& c : cases) {
    Scene();
    MatchObjects[2].instructions[3] = static_cast<uint8_t>(c.partner);
    MatchObjects[6].action = static_cast<int16_t>(c.action);
    EXPECT_EQ(FindPassTargetLong(2), c.expected) << c.partner << " " << c.action;
  }
}

// The cell (column 7, row 15: 751, 1712, 557 ahead) holds against a better
// team-mate; only the named one replaces it.
TEST_F(PassFindTest, TheCellGivesWayOnlyToTheNamedTeamMate) {
  Scene();
  MatchObjects[2].instructions[4] = 7;
  MatchObjects[2].instructions[5] = 15;
  EXPECT_EQ(FindPassTargetLong(2), PASS_TO_CELL);
  EXPECT_EQ(InstructionTargetX, 751);
  EXPECT_EQ(InstructionTargetY, 1712);
  MatchObjects[2].instructions[3] = 5;
  EXPECT_EQ(FindPassTargetLong(2), 5);
  // Seen from the other end by the side attacking y 122.
  Act(18, 796, 1200, 0);
  MatchObjects[18].instructions[4] = 7;
  MatchObjects[18].instructions[5] = 15;
  ASSERT_TRUE(ComputeInstructionTarget(18));
  EXPECT_EQ(InstructionTargetX, 156 + 1280 - 7 * 85);
  EXPECT_EQ(InstructionTargetY, 122 + 1920 - 15 * 106);
}

// Winger flag 1 and attack role 2 make every difference 64 times larger:
// only the straight ball is left.
TEST_F(PassFindTest, AWingerHoldingItUpPassesOnlyStraightAhead) {
  struct Case {
    int winger, role, mateX, expected;
  } cases[] = {
      {0, 0, 860, 5}, {1, 2, 860, -3}, {1, 2, 796, 5}, {1, 0, 860, 5}, {0, 2, 860, 5},
  };
  for (const Case& c : cases) {
    Scene();
    MatchObjects[6].offPitch = 1;
    PlaceObjectAt(5, c.mateX, 1900);
    MatchObjects[2].instructions[0] = static_cast<uint8_t>(c.role);
    MatchObjects[2].instructions[2] = static_cast<uint8_t>(c.winger);
    EXPECT_EQ(FindPassTargetLong(2), c.expected) << c.winger << c.role << " " << c.mateX;
  }
}

// Busy team-mates: above 16 for the long finders, above 4 for the short.
TEST_F(PassFindTest, BusyTeamMatesAreNeverChosen) {
  struct Case {
    int action;
    bool longFinds, shortFinds;
  } cases[] = {{3, true, true}, {5, true, false}, {16, true, false}, {17, false, false}};
  for (const Case& c : cases) {
    Scene();
    MatchObjects[6].offPitch = 1;
    MatchObjects[5].action = static_cast<int16_t>(c.action);
    EXPECT_EQ(FindPassTargetLong(2) == 5, c.longFinds) << c.action;
    // A short ball: the team-mate 200 away.
    PlaceObjectAt(5, 796, 1400);
    MatchObjects[5].ballDistance = 200;
    EXPECT_EQ(FindPassTargetShort(2, 0) == 5, c.shortFinds) << c.action;
  }
}

// The offside flag: a passer who reads it (a sure roll) finds no lane, one
// who does not may still play it.
TEST_F(PassFindTest, OnlyAnAwarePasserSeesTheFlag) {
  for (int skill : {0, 255}) {
    Scene();
    MatchObjects[6].offPitch = 1;
    MatchObjects[5].ruleFlag = 1;
    SetSkill(2, 6, skill);
    EXPECT_EQ(PassLaneLong(2, 5) >= 0, skill == 0) << skill;
    EXPECT_EQ(FindPassTargetLong(2) == 5, skill == 0) << skill;
  }
}

// The through ball: up to 159 from the line attacking y 2042, only 79 the
// other way; never within 480 of the goal line.
TEST_F(PassFindTest, TheThroughBallTreatsTheEndsDifferently) {
  struct Case {
    int passer, mate, lineSide, line, mateY;
    bool lane;
  } cases[] = {
      {2, 5, 1, 1400, 1559, true},  {2, 5, 1, 1400, 1560, false}, {2, 5, 1, 1600, 1563, false},
      {18, 21, 0, 700, 621, true},  {18, 21, 0, 700, 620, false},
  };
  for (const Case& c : cases) {
    SetUp();
    Act(c.passer, 796, 1000, 128);
    SetSkill(c.passer, 6, 0);
    Place(c.mate, 700, c.mateY, 0);
    offsideLine[c.lineSide] = static_cast<int16_t>(c.line);
    EXPECT_EQ(PassLaneAny(c.passer, c.mate) >= 0, c.lane) << c.mateY;
  }
}

// No cross from the central corridor or from his own half; from the wing
// deep in the other half, the team-mate running towards the ball.
TEST_F(PassFindTest, CrossesComeOnlyFromTheWingInTheOtherHalf) {
  struct Case {
    int x, y, expected;
  } cases[] = {{796, 1900, -3}, {509, 1900, -3}, {1083, 1900, -3}, {300, 1000, -3}, {300, 1900, 5}, {1300, 1900, 5}};
  for (const Case& c : cases) {
    SetUp();
    Act(2, c.x, c.y, 0);
    SetSkill(2, 5, 100);
    SetSkill(2, 10, 100);
    SetSkill(2, 19, 0);
    const int dA = GetAttackDirection(2, 1, 0);
    MatchObjects[2].facing = static_cast<uint8_t>(dA);
    MatchObject& mate = Place(5, 796, 1800, (dA + 128) & 255, 3);
    mate.ballDistance = 400;
    Chase(0, {2, 5});
    EXPECT_EQ(FindCrossTarget(2), c.expected) << c.x << "," << c.y;
  }
  // The last cross was weighed and chosen (each case starts afresh).
  EXPECT_EQ(CrossChances[2], 1);
  EXPECT_EQ(CrossesChosen[2], 1);
  EXPECT_EQ(BlindCrosses[2], 0);
}

// With nobody to cross to: blind into the area from the byline (depth below
// 100) or on a failed roll; a sure passer further out holds it.
TEST_F(PassFindTest, ABlindCrossFromTheByline) {
  struct Case {
    int y, passing, expected, blind;
  } cases[] = {{1960, 100, BLIND_CROSS, 1}, {1900, 100, NO_PASS_TARGET, 0}, {1900, 0, NO_PASS_TARGET, 0}};
  for (const Case& c : cases) {
    SetUp();
    Act(2, 300, c.y, 0);
    SetSkill(2, 10, c.passing);
    SetSkill(2, 19, 0);
    MatchObjects[2].facing = static_cast<uint8_t>(GetAttackDirection(2, 1, 0));
    Chase(0, {2});
    EXPECT_EQ(FindCrossTarget(2), c.expected) << c.y << " " << c.passing;
    EXPECT_EQ(BlindCrosses[2], c.blind);
    EXPECT_EQ(CrossChances[2], 1);
  }
}

// The short lane of an aware passer (a sure roll on Skill[19]) is shut to
// a team-mate beyond the defenders' line even without his flag.
TEST_F(PassFindTest, AnAwarePasserPlaysNoShortBallBeyondTheLine) {
  struct Case {
    int awareness, mateY;
    bool lane;
  } cases[] = {{255, 1450, true}, {255, 1550, false}, {0, 1550, true}};
  for (const Case& c : cases) {
    SetUp();
    offsideLine[1] = 1500;
    Act(2, 796, 1300, 128);
    SetSkill(2, 19, c.awareness);
    MatchObjects[2].attr[SKILL_LEFT_SIDE] = 1;
    Place(5, 796, c.mateY, 0, 3).ballDistance = 200;
    EXPECT_EQ(PassLaneShort(2, 5) >= 0, c.lane) << c.awareness << " " << c.mateY;
  }
}

}  // namespace
