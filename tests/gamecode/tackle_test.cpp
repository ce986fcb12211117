#include "gamecode/tackle.h"

#include <vector>

#include "engine/rand.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

constexpr int CARRIER = 5;
constexpr int TACKLER = 20;

std::vector<int> g_comments;

class TackleTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    g_comments.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_comments.push_back(event); };
  }

  // The carrier's control a, the tackler's bargaining b and the carrier's
  // agility r (team-sheet values 12, 9 and 3).
  static void Set(int a, int b, int r, int tacklerAction, int carrierAction = 16) {
    MatchObject& c = MatchObjects[CARRIER];
    MatchObject& t = MatchObjects[TACKLER];
    c = MatchObject{};
    t = MatchObject{};
    SheetSkill(c, 12) = static_cast<uint8_t>(a);
    SheetSkill(t, 9) = static_cast<uint8_t>(b);
    SheetSkill(c, 3) = static_cast<uint8_t>(r);
    SheetSkill(c, 4) = 100;
    c.action = static_cast<int16_t>(carrierAction);
    c.hasBall = 1;
    c.facing = 128;
    t.facing = 0;
    t.action = static_cast<int16_t>(tacklerAction);
  }
};

TEST_F(TackleTest, ACarrierWithoutAgilityNeverGetsPast) {
  for (int tackler : {56, 89, 32}) {
    for (int seed = 1; seed <= 40; ++seed) {
      GameSeedRandom(seed);
      Set(100, 0, 0, tackler);
      EXPECT_EQ(ResolveTackle(CARRIER, TACKLER), 0) << tackler;
      EXPECT_EQ(+MatchObjects[CARRIER].hasBall, 0);
      EXPECT_EQ(MatchObjects[CARRIER].touchLock, 16);
      EXPECT_EQ(+MatchObjects[CARRIER].actionArg, 1);
      EXPECT_EQ(+MatchObjects[TACKLER].actionArg, 1);
    }
  }
}

// With a = b the roll is 0-100 against r: r 101 always gets past.
TEST_F(TackleTest, EqualSkillsRollAHundredAndOne) {
  int past = 0;
  for (int seed = 1; seed <= 400; ++seed) {
    GameSeedRandom(seed);
    Set(50, 50, 50, 89);
    past += ResolveTackle(CARRIER, TACKLER);
  }
  EXPECT_NEAR(past, 400 * 50 / 101, 40);
  Set(50, 50, 101, 89);
  EXPECT_EQ(ResolveTackle(CARRIER, TACKLER), 1);
}

// A sure roll: the carrier rides a tackle but never a slide.
TEST_F(TackleTest, ASlideIsNeverRiddenEvenWhenTheRollSucceeds) {
  struct Case {
    int tackler, result, action;
  } cases[] = {{56, 1, 37}, {89, 1, 37}, {116, 0, -1}};
  for (const Case& c : cases) {
    Set(60, 40, 200, c.tackler);
    g_comments.clear();
    EXPECT_EQ(ResolveTackle(CARRIER, TACKLER), c.result) << c.tackler;
    const MatchObject& carrier = MatchObjects[CARRIER];
    if (c.result == 1) {
      EXPECT_EQ(+carrier.action, +c.action);
      EXPECT_EQ(DuelTallies[CARRIER].dribblesPast, 1);
      EXPECT_EQ(carrier.touchLock, 32);  // he knocks it on
      EXPECT_EQ(ballVelY, (130 - 30) * 4096);  // along facing 128
      EXPECT_EQ(g_comments.front(), 13);
    } else {
      EXPECT_TRUE(carrier.action == 33 || carrier.action == 73);
    }
    DuelTallies[CARRIER] = DuelCounts{};
  }
}

TEST_F(TackleTest, ASettledDuelChangesNothing) {
  Set(0, 100, 0, 56);
  MatchObjects[TACKLER].actionArg = 1;
  EXPECT_EQ(ResolveTackle(CARRIER, TACKLER), 1);
  EXPECT_EQ(+MatchObjects[CARRIER].hasBall, 1);
  EXPECT_EQ(+MatchObjects[CARRIER].action, 16);
}

// From behind (facings within a quarter turn) he stumbles on, else he falls.
TEST_F(TackleTest, TheLoserStumblesOrFallsByTheAngleOfTheTackle) {
  struct Case {
    int tacklerFacing, action;
  } cases[] = {{128, 33}, {180, 33}, {70, 33}, {200, 73}, {0, 73}, {250, 73}};
  for (const Case& c : cases) {
    Set(100, 0, 0, 89);
    MatchObjects[TACKLER].facing = static_cast<uint8_t>(c.tacklerFacing);
    ResolveTackle(CARRIER, TACKLER);
    EXPECT_EQ(+MatchObjects[CARRIER].action, +c.action) << c.tacklerFacing;
  }
}

// A knock divides pace and shooting by m / 100, m 100-109 (110-119 after a
// slide), never below 10; a side with four injured takes no more.
TEST_F(TackleTest, AKnockTakesPaceAndShootingButNeverBelowTen) {
  struct Case {
    int tackler, skill, low, high;
  } cases[] = {{56, 100, 100 * 100 / 109, 100}, {116, 100, 100 * 100 / 119, 100 * 100 / 110}, {116, 10, 10, 10}};
  for (const Case& c : cases) {
    for (int seed = 1; seed <= 30; ++seed) {
      GameSeedRandom(seed);
      Set(100, 0, 0, c.tackler);
      SheetSkill(MatchObjects[CARRIER], 4) = 0;  // every tackle knocks him
      SheetSkill(MatchObjects[CARRIER], 0) = static_cast<uint8_t>(c.skill);
      SheetSkill(MatchObjects[CARRIER], 1) = static_cast<uint8_t>(c.skill);
      EXPECT_EQ(ResolveTackle(CARRIER, TACKLER), 0);
      for (int k : {0, 1}) {
        EXPECT_GE(SheetSkill(MatchObjects[CARRIER], k), c.low) << c.tackler;
        EXPECT_LE(SheetSkill(MatchObjects[CARRIER], k), c.high) << c.tackler;
      }
    }
  }
  // Injuries: some slides hurt him, never beyond four for the side.
  SideInjuryCount[0] = 0;
  int injured = 0;
  for (int seed = 1; seed <= 100; ++seed) {
    GameSeedRandom(seed);
    Set(100, 0, 0, 116);
    SheetSkill(MatchObjects[CARRIER], 4) = 0;
    ResolveTackle(CARRIER, TACKLER);
    injured += MatchObjects[CARRIER].injury != 0;
  }
  EXPECT_EQ(injured, 4);
  EXPECT_EQ(+SideInjuryCount[0], 4);
}

}  // namespace
