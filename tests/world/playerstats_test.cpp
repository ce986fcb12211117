#include "world/playerstats.h"

#include "support/test_world.h"
#include "world/players.h"

namespace {

class PlayerStatsTest : public WorldTest {
 protected:
  const int16_t p = tw::kForward;  // position 11, age 8
  void SetUp() override {
    WorldTest::SetUp();
    StatCurve_Set(5, 10, 20);
    StatCurve_Set(6, 3, 100);
    StatCurve_Set(7, 1, 0);
    Player_SetAbilityCurve(p, 7);
    Player_SetAbilityStats(p, 42);
    Player_SetPhysicalStats(p, 20);
    Player_SetInitial(p, 3);
    Player_SetPersonalityStats(p, 10);  // with surname 104: row (3 + 104 + 10) & 0xF9 = 113
  }
  static int Row(int16_t player) {
    return (Player_GetInitial(player) + Player_GetSurname(player) + Player_GetPersonalityStats(player)) & 0xF9;
  }
};

TEST_F(PlayerStatsTest, CurveTermsAreTruncatedSquareRoots) {
  struct {
    int curve;
    int x;
    int growth;
    int decline;
  } cases[] = {
      {5, 100, 19, 131},  // 2000 / 5 - 20 = 380 -> 19; 52000 / 3 - 20 = 17313 -> 131
      {5, 10, 4, 41},     // 200 / 5 - 20 = 20 -> 4; 5200 / 3 - 20 = 1713 -> 41
      {6, 0, 0, 0},       // negative values give 0
      {7, 25, 3, 20},     // 50 / 5 = 10 -> 3; 1300 / 3 = 433 -> 20
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StatCurve_Growth(c.curve, c.x), c.growth) << c.curve << " " << c.x;
    EXPECT_EQ(StatCurve_Decline(c.curve, c.x), c.decline) << c.curve << " " << c.x;
  }
  StatCurve_Set(8, 100, 0);
  EXPECT_EQ(StatCurve_Growth(8, 1000), 0);  // 40,000 taken as a signed 16-bit value is negative
}

// Every 16-bit value gives its floor square root, at the perfect squares and
// either side of them (slope 5 makes the growth term 2x - offset).
TEST_F(PlayerStatsTest, EveryCurveTermIsTheFloorSquareRoot) {
  StatCurve_Set(9, 5, 0);
  for (int32_t v = 0; v <= 32767; v += 2) {
    int32_t r = 0;
    while ((r + 1) * (r + 1) <= v) ++r;
    ASSERT_EQ(StatCurve_Growth(9, v / 2), r) << v;
  }
  StatCurve_Set(9, 5, 1);  // the odd values
  for (int32_t v = 1; v <= 32767; v += 2) {
    int32_t r = 0;
    while ((r + 1) * (r + 1) <= v) ++r;
    ASSERT_EQ(StatCurve_Growth(9, (v + 1) / 2), r) << v;
  }
}

TEST_F(PlayerStatsTest, AbilityStatsGrowTowardsTheirTemplate) {
  PlayerStatTables.abilityTemplate[42][7] = 60;  // stat 6 reads column 7
  PlayerStatTables.abilityTemplate[42][6] = 95;  // stat 7 reads column 6
  CurveSelection_Set(7, 7, 11, 5);
  CurveSelection_Set(7, 6, 11, 5);
  Player_SetTraining(p, 101);
  Player_SetCareerApps(p, 150);
  // x = (101 / 2 + 150) / 2 = 100: growth 19.
  EXPECT_EQ(Player_GetAbilityStat(p, 6), 79);
  EXPECT_EQ(Player_GetAbilityStat(p, 7), 100);  // 95 + 19, capped
  EXPECT_EQ(Player_GetAbilityStatEx(p, 6, 0, 0), 60);  // a negative growth value adds nothing
  // Potential at age 2: x = 2 x 312 / 2 = 312, v = 1228, growth 35.
  EXPECT_EQ(Player_GetAbilityPotential(p, 6, 2), 95);
}

TEST_F(PlayerStatsTest, PhysicalStatsDeclineWithAge) {
  const int row = Row(p);
  ASSERT_EQ(row, 113);
  PlayerStatTables.physicalTemplate[20][0] = 80;  // stat 8
  PlayerStatTables.physicalTemplate[20][4] = 70;  // stat 12
  PlayerStatTables.physicalTemplate[20][2] = 50;  // stat 10 (curve column 3)
  PlayerStatTables.physicalTemplate[20][3] = 40;  // stat 11 (curve column 2)
  PlayerStatTables.physicalTemplate[20][1] = 10;  // stat 9
  CurveSelection_Set(row, 0, 11, 6);
  CurveSelection_Set(row, 4, 11, 6);
  CurveSelection_Set(row, 3, 11, 6);
  CurveSelection_Set(row, 2, 11, 7);
  CurveSelection_Set(row, 1, 11, 5);
  // Age 8: curve 6 gives (3 x 416) / 3 - 100 = 316, d = 17; curve 7 gives 138, d = 11; curve 5 gives 1366, d = 36.
  EXPECT_EQ(Player_GetPhysicalStat(p, 8), 63);
  EXPECT_EQ(Player_GetPhysicalStat(p, 12), 66);  // loses only d / 4
  EXPECT_EQ(Player_GetPhysicalStat(p, 10), 33);
  EXPECT_EQ(Player_GetPhysicalStat(p, 11), 29);
  EXPECT_EQ(Player_GetPhysicalStat(p, 9), 0);    // 10 - 36, not below 0
  // The potential of stat 11 weighs the loss by the ability curve: 40 - (11 x 2 x 243) / 250.
  EXPECT_EQ(Player_GetPhysicalPotential(p, 11, 8), 19);
  EXPECT_EQ(Player_GetPhysicalPotential(p, 8, 0), 80);  // young legs: nothing lost
}

TEST_F(PlayerStatsTest, GoalkeepersLoseAQuarterOfStatNine) {
  const int16_t k = tw::kKeeper;
  Player_SetPhysicalStats(k, 20);
  PlayerStatTables.physicalTemplate[20][1] = 50;
  CurveSelection_Set(Row(k), 1, 0, 6);
  CurveSelection_Set(Row(k), 1, 11, 6);
  EXPECT_EQ(Player_GetPhysicalStat(k, 9), 50 - 17 / 4);
  Player_SetPosition(k, 11);
  EXPECT_EQ(Player_GetPhysicalStat(k, 9), 50 - 17);
}

TEST_F(PlayerStatsTest, TheSurnameChoosesTheCurveRow) {
  const int16_t twin = tw::kDefender;
  Player_SetPosition(twin, 11);
  Player_SetPhysicalStats(twin, 20);
  Player_SetInitial(twin, 3);
  Player_SetPersonalityStats(twin, 10);
  Player_SetAge(twin, 8);
  ASSERT_NE(Row(twin), Row(p));
  PlayerStatTables.physicalTemplate[20][0] = 80;
  CurveSelection_Set(Row(p), 0, 11, 6);
  CurveSelection_Set(Row(twin), 0, 11, 5);
  EXPECT_EQ(Player_GetPhysicalStat(p, 8), 63);
  EXPECT_EQ(Player_GetPhysicalStat(twin, 8), 80 - 36);
}

TEST_F(PlayerStatsTest, PersonalityComesStraightFromItsTemplate) {
  for (int k = 0; k < 7; ++k) PlayerStatTables.personalityTemplate[10][k] = static_cast<uint8_t>(20 + k);
  for (int stat = 15; stat <= 21; ++stat) EXPECT_EQ(Player_GetPersonalityStat(p, stat), 20 + stat - 15);
}

TEST_F(PlayerStatsTest, BadPlayersAndStatNumbersEndTheProgram) {
  EXPECT_FATAL_EXIT(Player_GetAbilityStat(-1, 2), "Trying to get Ability stat of negative player : '-1,2'\n");
  EXPECT_FATAL_EXIT(Player_GetPhysicalPotential(-1, 9, 3),
                    "Trying to get Physical potential of negative player : '-1,9'\n");
  EXPECT_FATAL_EXIT(Player_GetAbilityPotential(tw::kPlayerCount, 2, 3),
                    "Trying to get Ability potential stat of non existent player : '8,2'\n");
  EXPECT_FATAL_EXIT(Player_GetPersonalityStat(tw::kPlayerCount, 15),
                    "Trying to get Personality stat of non existent player : '8,15'\n");
  EXPECT_FATAL_EXIT(Player_GetAbilityStat(p, 8), "Accessing as ability: '8'\n");
  EXPECT_FATAL_EXIT(Player_GetPhysicalStat(p, 7), "Accessing as physical: '7'\n");
  EXPECT_FATAL_EXIT(Player_GetPersonalityStat(p, 22), "Accessing as personality: '22'\n");
}

}  // namespace
