#include "season/worldcheck.h"

#include <cstring>

#include "clubsim/squadlist.h"
#include "clubsim/yearend.h"
#include "clubsim/youth.h"
#include "engine/bytes.h"
#include "season/matchday.h"
#include "season/postmatch.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/lists.h"
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
      {"loans", [] { Player_SetOnLoan(3, 1); }},                       // on loan without a loan entry
      {"loans", [] { Loan_SetPlayerNo(0, 3), Loan_SetLoanClub(0, 1), Loan_SetLoanWeeks(0, 14); }},
      {"injuries", [] { Player_SetInFlag(3, 1); }},                    // injured without an injury slot
      {"injuries", [] { Patient_SetPlayerNo(0, 3), Patient_SetInjuryTime(0, 0), Player_SetInFlag(3, 1); }},
      {"bids", [] { Club_SetBid(1, 0, 3, 50, 0); }},                   // a bid nobody answers
      {"bids", [] { BidInfo_SetPlayer(0, 3), BidInfo_SetDays(0, 4); }},  // an answer to no bid
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

// A season whose one match gives player 3 a card: his discipline figures
// must be what the card makes of them, thresholds, bans and European points.
TEST_F(WorldCheckTest, TheSeasonsCardsMakeTheDisciplineFigures) {
  struct Case {
    const char* what;
    int16_t code;
    uint8_t flags;
    int pointsBefore, suspensionBefore;
    int points, euro, suspension;
  };
  const Case cases[] = {
      {"league booking", COMP_LEAGUE, FIXTURE_ENTRY_BOOKED, 0, 0, 2, 0, 0},
      {"booking crossing 7", COMP_LEAGUE, FIXTURE_ENTRY_BOOKED, 5, 0, 7, 0, 1},
      {"second booking", COMP_CUP_FIRST, FIXTURE_ENTRY_BOOKED | FIXTURE_ENTRY_SENT_OFF, 0, 0, 4, 0, 1},
      {"straight red crossing 12 and 17", COMP_LEAGUE, FIXTURE_ENTRY_SENT_OFF, 11, 1, 17, 0, 1 + 3 + 2},
      {"points and ban at their tops", COMP_LEAGUE, FIXTURE_ENTRY_SENT_OFF, 29, 6, 31, 0, 7},
      {"European booking", 69, FIXTURE_ENTRY_BOOKED, 5, 0, 5, 1, 0},
      {"European red", 100, FIXTURE_ENTRY_SENT_OFF, 5, 0, 5, 2, 0},
  };
  constexpr int16_t kPlayer = 3;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetWorld();
    LeagueWorldTest::SetUp();
    DayOfSeason = 2;
    Postdate = 300;
    Player_SetDispoints(kPlayer, c.pointsBefore);
    Player_SetSuspension(kPlayer, c.suspensionBefore);
    const int16_t f = Fixture_Add(3, c.code, Player_GetClub(kPlayer), 40, 0);
    WorldCheck_Begin();

    DayOfSeason = 3;
    Fixture_SetResult(f, 1, 0);
    uint8_t* entry = Fixture_GetRecord(f)->bytes + FIXTURE_SIDE_OFFSET[0];
    StoreI16(entry, kPlayer);
    entry[2] = 50;  // he played
    entry[3] = c.flags;
    Player_SetApps(kPlayer, Player_GetApps(kPlayer) + 1);
    ASSERT_EQ(Breach(), "discipline");  // the card not yet booked

    Player_SetDispoints(kPlayer, c.points);
    Player_SetEuroDispoints(kPlayer, c.euro);
    Player_SetSuspension(kPlayer, c.suspension);
    EXPECT_EQ(Breach(), "");
    if (c.points < 31) Player_SetDispoints(kPlayer, c.points + 1);
    else Player_SetEuroDispoints(kPlayer, c.euro + 1);
    EXPECT_EQ(Breach(), "discipline");
    // Only a match served lowers a suspension.
    Player_SetDispoints(kPlayer, c.points);
    Player_SetEuroDispoints(kPlayer, c.euro);
    if (c.suspension > 0) {
      Player_SetSuspension(kPlayer, c.suspension - 1);
      EXPECT_EQ(Breach(), "discipline");
    }
    if (c.suspension < 7) {
      Player_SetSuspension(kPlayer, c.suspension + 1);
      EXPECT_EQ(Breach(), "discipline");
    }
  }
}

// The match day's picks as the world check watches them: a case changes the
// club's players between the look before the pick and the one after it.
TEST_F(WorldCheckTest, EverySidePickedIsOneThatMayPlayAndServesTheRunningBans) {
  constexpr int16_t kClub = 40;
  struct Case {
    const char* what;
    int16_t code;
    void (*before)(const int16_t* players);  // the state the pick finds
    void (*pick)(const int16_t* players);    // what the pick does beyond shirts 1-11
    const char* breach;  // "sides" or ""
  };
  const Case cases[] = {
      {"a sound pick", COMP_LEAGUE, [](const int16_t*) {}, [](const int16_t*) {}, ""},
      {"one player in two shirts' places", COMP_LEAGUE, [](const int16_t*) {},
       [](const int16_t* p) { Player_SetShirt(p[12], 7); }, "sides"},
      {"an injured starter", COMP_LEAGUE, [](const int16_t* p) { Player_SetInFlag(p[4], 1); },
       [](const int16_t*) {}, "sides"},
      {"a suspended starter", COMP_LEAGUE, [](const int16_t* p) { Player_SetSuspension(p[4], 2); },
       [](const int16_t* p) { Player_SetSuspension(p[4], 1); }, "sides"},
      {"a ban served by a player left out", COMP_LEAGUE, [](const int16_t* p) { Player_SetSuspension(p[13], 2); },
       [](const int16_t* p) { Player_SetSuspension(p[13], 1); }, ""},
      {"a ban left unserved", COMP_LEAGUE, [](const int16_t* p) { Player_SetSuspension(p[13], 2); },
       [](const int16_t*) {}, "sides"},
      {"a ban served twice", COMP_LEAGUE, [](const int16_t* p) { Player_SetSuspension(p[13], 2); },
       [](const int16_t* p) { Player_SetSuspension(p[13], 0); }, "sides"},
      {"a ban still waiting", COMP_LEAGUE,
       [](const int16_t* p) {
         Player_SetSuspension(p[13], 2);
         Player_SetBanwait(p[13], 1);
       },
       [](const int16_t*) {}, ""},
      {"a ban served in a friendly", COMP_FRIENDLY, [](const int16_t* p) { Player_SetSuspension(p[13], 2); },
       [](const int16_t* p) { Player_SetSuspension(p[13], 1); }, "sides"},
      {"a starter tied to another club in this cup", COMP_CUP_FIRST,
       [](const int16_t* p) { Player_SetCupTied(p[5], 41, 0); }, [](const int16_t*) {}, "sides"},
      {"a cup tie to the club itself", COMP_CUP_FIRST, [](const int16_t* p) { Player_SetCupTied(p[5], kClub, 0); },
       [](const int16_t*) {}, ""},
      {"a European ban served whatever the league ban's wait", 69,
       [](const int16_t* p) {
         Player_SetEuroBan(p[13], 1);
         Player_SetBanwait(p[13], 1);
       },
       [](const int16_t* p) { Player_SetEuroBan(p[13], 0); }, ""},
      {"a European ban kept out of the tie", 69, [](const int16_t* p) { Player_SetEuroBan(p[2], 1); },
       [](const int16_t* p) { Player_SetEuroBan(p[2], 0); }, "sides"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetWorld();
    SetUp();
    ASSERT_EQ(Breach(), "");
    BuildClubSquadList(kClub);
    ASSERT_GE(SquadListLength, 14);
    int16_t players[14];
    for (int i = 0; i < 14; ++i) players[i] = SquadList[i];
    c.before(players);
    MatchSideWatcher(kClub, c.code, false);
    for (int16_t shirt = 1; shirt <= 11; ++shirt) Player_SetShirt(players[shirt], shirt);
    c.pick(players);
    MatchSideWatcher(kClub, c.code, true);
    // The cases leave other rules broken (a shirt twice, a flag without its
    // list entry, a ban without its cards): only the picks' rule counts here.
    EXPECT_EQ(Breach() == "sides", std::string(c.breach) == "sides");
  }
}

}  // namespace

namespace {

// A player made again as a trainee after a season's match with a card: the
// new player starts with nothing, and the old one's figures are not his.
TEST_F(WorldCheckTest, APlayerMadeAgainStartsAfresh) {
  constexpr int16_t kPlayer = 3;
  ResetWorld();
  LeagueWorldTest::SetUp();
  DayOfSeason = 2;
  Postdate = 300;
  const int16_t f = Fixture_Add(3, COMP_LEAGUE, Player_GetClub(kPlayer), 40, 0);
  WorldCheck_Begin();
  DayOfSeason = 3;
  Fixture_SetResult(f, 1, 0);
  uint8_t* entry = Fixture_GetRecord(f)->bytes + FIXTURE_SIDE_OFFSET[0];
  StoreI16(entry, kPlayer);
  entry[2] = 50;
  entry[3] = FIXTURE_ENTRY_SENT_OFF | 1;  // a goal and a straight red
  Player_SetApps(kPlayer, Player_GetApps(kPlayer) + 1);
  Player_SetGoals(kPlayer, Player_GetGoals(kPlayer) + 1);
  Player_SetDispoints(kPlayer, 6);
  Player_SetSuspension(kPlayer, 3);
  ASSERT_EQ(Breach(), "");

  YouthPlayer(kPlayer, 40, 5);
  EXPECT_EQ(Player_GetApps(kPlayer), 0);
  EXPECT_EQ(Breach(), "");
  // His own matches count from now on.
  const int16_t g = Fixture_Add(5, COMP_LEAGUE, 40, 1, 0);
  DayOfSeason = 5;
  Fixture_SetResult(g, 0, 0);
  uint8_t* next = Fixture_GetRecord(g)->bytes + FIXTURE_SIDE_OFFSET[0];
  StoreI16(next, kPlayer);
  next[2] = 50;
  EXPECT_EQ(Breach(), "records");
  Player_SetApps(kPlayer, 1);
  EXPECT_EQ(Breach(), "");
}

// The player count is fixed, and a new year leaves enough free agents while
// young unattached players are there to make them up.
TEST_F(WorldCheckTest, TheNewYearKeepsThePlayersAndTheFreeAgents) {
  PlayerCount = static_cast<int16_t>(PlayerCount - 1);
  EXPECT_EQ(Breach(), "players");
  PlayerCount = static_cast<int16_t>(PlayerCount + 1);
  ASSERT_EQ(Breach(), "");

  // A young unattached player and no free agents: the new year must make him one.
  constexpr int16_t kYoung = 4;
  Player_SetClub(kYoung, PLAYER_CLUB_NONE);
  Player_SetAge(kYoung, 3);
  ASSERT_NE(YearEndWatcher, nullptr);
  YearEndWatcher();
  EXPECT_EQ(Breach(), "free_agents");
}

}  // namespace
