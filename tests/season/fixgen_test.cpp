#include "season/fixgen.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/reset.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/static_country.h"

namespace {

LeagueTableRow Row(int points, int goalsFor, int goalsAgainst) {
  LeagueTableRow r{};
  r.points = static_cast<int16_t>(points);
  r.homeFor = static_cast<int16_t>(goalsFor / 2);  // home and away goals count together
  r.awayFor = static_cast<int16_t>(goalsFor - goalsFor / 2);
  r.awayAgainst = static_cast<int16_t>(goalsAgainst);
  return r;
}

std::vector<int> TableRow(int division) {
  return std::vector<int>(DivisionTable[division], DivisionTable[division] + DIVISION_PLACES);
}

TEST(LeagueOrderTest, RowsCompareByPointsThenByTheTieBreak) {
  struct Case {
    const char* what;
    LeagueTableRow a, b;
    int tieBreak;
    bool below;
  };
  const Case cases[] = {
      {"fewer points", Row(10, 30, 0), Row(11, 0, 30), 0, true},
      {"more points", Row(12, 0, 30), Row(11, 30, 0), 0, false},
      {"goal difference first", Row(10, 10, 4), Row(10, 20, 15), 0, false},
      {"goal difference worse", Row(10, 20, 16), Row(10, 10, 5), 0, true},
      {"then goals scored", Row(10, 10, 5), Row(10, 11, 6), 0, true},
      {"all level", Row(10, 10, 5), Row(10, 10, 5), 0, false},
      {"goals scored first", Row(10, 10, 4), Row(10, 20, 15), 1, true},
      {"goals scored more", Row(10, 21, 20), Row(10, 20, 0), 1, false},
      {"then goal difference", Row(10, 20, 16), Row(10, 20, 15), 1, true},
      {"no tie-break", Row(10, 0, 30), Row(10, 30, 0), 2, false},
      {"no tie-break, points still count", Row(9, 30, 0), Row(10, 0, 30), 7, true},
  };
  for (const Case& c : cases) EXPECT_EQ(LeagueRowBelow(c.a, c.b, c.tieBreak), c.below) << c.what;
}

TEST(LeagueOrderTest, EveryCountryBreaksTiesOnGoalDifferenceFirst) {
  for (int country = 0; country < NUM_GAME_COUNTRIES; ++country)
    for (int division = 0; division < NUM_DIVISIONS; ++division) {
      const DivisionRule& rule = DivisionRules[country][division];
      EXPECT_EQ(rule.tieBreak, 0);
      EXPECT_EQ(rule.winPoints, CountryDivisionInfo.sizes[country][division].value ? 3 : 0);
      EXPECT_TRUE(rule.substitutes == 3 || rule.substitutes == 5);
    }
  EXPECT_EQ(DivisionRules[0][4].substitutes, 3);
  EXPECT_EQ(DivisionRules[1][2].substitutes, 3);
  EXPECT_EQ(DivisionRules[1][0].substitutes, 5);
}

class SortLeagueTablesTest : public LeagueWorldTest {};

TEST_F(SortLeagueTablesTest, ClubOrderListsEachDivisionInClubNumberOrder) {
  DivisionClubOrder_Build();
  EXPECT_EQ(DivisionClubOrder[0][0], 0);
  EXPECT_EQ(DivisionClubOrder[0][19], 19);
  EXPECT_EQ(DivisionClubOrder[0][20], NO_TABLE_CLUB);
  EXPECT_EQ(DivisionClubOrder[4][21], 113);
  EXPECT_EQ(DivisionClubOrder[5][0], NO_TABLE_CLUB);
  EXPECT_EQ(DivisionClubOrder[6][0], 114);  // the clubs outside the league
  EXPECT_EQ(DivisionClubOrder[6][9], 123);
  EXPECT_EQ(DivisionClubOrder[6][10], NO_TABLE_CLUB);
  DivisionClubOrder[0][0] = 77;
  ResetAllModules();
  EXPECT_EQ(DivisionClubOrder[0][0], NO_TABLE_CLUB);
}

TEST_F(SortLeagueTablesTest, TablesGoByPointsGoalDifferenceGoalsAndThenClubOrder) {
  LeagueTable[12] = Row(9, 10, 4);   // top on points
  LeagueTable[3] = Row(7, 8, 4);     // +4
  LeagueTable[15] = Row(7, 12, 8);   // +4 with more goals: above club 3
  LeagueTable[9] = Row(7, 8, 4);     // level with club 3 on everything: stays below it
  LeagueTable[0] = Row(7, 8, 5);     // +3
  LeagueTable[19] = Row(-1, 0, 0);   // below the clubs without a point
  LeagueTable[40] = Row(3, 1, 0);    // division 1

  SortLeagueTables();
  std::vector<int> expected = {12, 15, 3, 9, 0, 1, 2, 4, 5, 6, 7, 8, 10, 11, 13, 14, 16, 17, 18, 19};
  expected.resize(DIVISION_PLACES, NO_TABLE_CLUB);
  EXPECT_EQ(TableRow(0), expected);
  for (int k = 0; k < 20; ++k) EXPECT_EQ(LeagueTable[expected[k]].position, k);
  EXPECT_EQ(DivisionTable[1][0], 40);
  EXPECT_EQ(DivisionTable[1][1], 20);
  EXPECT_EQ(LeagueTable[20].position, 1);
  EXPECT_EQ(DivisionTable[4][21], 113);
  EXPECT_EQ(DivisionTable[4][22], NO_TABLE_CLUB);
  EXPECT_EQ(TableRow(5), std::vector<int>(DIVISION_PLACES, NO_TABLE_CLUB));
  EXPECT_EQ(LeagueTable[114].position, 0);  // outside the league: not placed
}

TEST_F(SortLeagueTablesTest, AClubThatChangedDivisionIsSortedInItsNewOne) {
  Club_SetDivision(25, 0);  // promoted
  LeagueTable[25] = Row(1, 1, 1);
  SortLeagueTables();
  EXPECT_EQ(DivisionTable[0][0], 25);
  EXPECT_EQ(DivisionTable[0][20], 19);
  EXPECT_EQ(std::count(DivisionTable[1], DivisionTable[1] + DIVISION_PLACES, 25), 0);
  EXPECT_EQ(DivisionTable[1][22], 43);
  EXPECT_EQ(DivisionTable[1][23], NO_TABLE_CLUB);
}

TEST_F(SortLeagueTablesTest, AnotherCountrysLeagueIsSortedByItsOwnDivisions) {
  GameCountry = 1;  // its clubs are those of country 1 in the league world, all in division 0
  const int start = CountryBlockStart(0, 1);
  LeagueTable[start + 2] = Row(3, 2, 0);
  SortLeagueTables();
  EXPECT_EQ(DivisionTable[0][0], start + 2);
  EXPECT_EQ(DivisionTable[0][1], start);
  EXPECT_EQ(DivisionTable[1][0], NO_TABLE_CLUB);
}

}  // namespace
