#include "season/worldcheck.h"

#include <cstring>

#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/players.h"

namespace {

class WorldCheckTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    // England's league as the rules give it: 20, 24, 24, 24, 22 clubs.
    DayOfSeason = 10;
    Postdate = 300;  // the league season runs
    Fixture_SetResult(Fixture_Add(3, COMP_LEAGUE, 0, 1, 0), 2, 1);
    Fixture_SetResult(Fixture_Add(3, COMP_LEAGUE, 2, 3, 0), 0, 0);
    Fixture_Add(12, COMP_LEAGUE, 1, 0, 0);
    WorldCheck_Begin();
  }
  std::string Breach() {
    std::string rule, detail;
    return WorldCheck_Run(&rule, &detail) ? "" : rule;
  }
};

TEST_F(WorldCheckTest, AWorldInOrderPasses) {
  std::string rule, detail;
  EXPECT_TRUE(WorldCheck_Run(&rule, &detail)) << rule << " " << detail;
  // Payments in pairs and booked money keep it in order.
  Club_AddToBalance(5, -70000);
  Club_AddToBalance(CLUB_MONEY_POOL, 70000);
  Club_AddToBalance(6, -900000);  // more than it has
  Club_AddToBalance(7, 900000);
  MoneyPool_Set(MONEY_POOL_START);
  EXPECT_EQ(Breach(), "");
}

TEST_F(WorldCheckTest, EachRuleNamesItsBreach) {
  struct Case {
    const char* rule;
    void (*breakIt)();
  };
  const Case cases[] = {
      {"money", [] { Club_SetBalance(4, Club_GetBalance(4) + 1); }},
      {"money", [] { Club_AddToBalance(4, 500); }},  // half a payment
      {"divisions", [] { Club_SetDivision(0, 1); }},
      {"shirts", [] { Player_SetShirt(0, 7), Player_SetShirt(1, 7); }},
      {"fixtures", [] { Fixture_Add(3, COMP_LEAGUE, 0, 5, 0); }},  // club 0 twice on day 3
      {"records", [] { Player_SetApps(3, Player_GetApps(3) + 1); }},  // an appearance no fixture holds
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    ResetWorld();
    SetUp();
    ASSERT_EQ(Breach(), "");
    c.breakIt();
    EXPECT_EQ(Breach(), c.rule);
  }
}

TEST_F(WorldCheckTest, CheckingChangesNothing) {
  LeagueTable_Rebuild(3);
  LeagueTable[0].position = 7;
  const LeagueTableRow before = LeagueTable[0];
  EXPECT_EQ(Breach(), "");
  EXPECT_EQ(std::memcmp(&before, &LeagueTable[0], sizeof before), 0);
}

}  // namespace
