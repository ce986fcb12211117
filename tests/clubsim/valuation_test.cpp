#include "clubsim/valuation.h"

#include <cstdint>

#include "clubsim/clubsvc.h"
#include "clubsim/market_world.h"
#include "clubsim/squadlist.h"
#include "world/fixtures.h"

namespace {

using market::AddPlayer;
using market::MarketTest;
using market::SetPersonality;
using market::SetStats;

TEST(MoneyRoundingTest, OffersKeepTwoFiguresAndSmallSumsAreNothing) {
  const struct {
    int32_t x, down;
  } cases[] = {
      {-5000, 0},         {0, 0},           {999, 0},           {1000, 1000},           {1099, 1000},
      {9999, 9900},       {12345, 12000},   {99999, 99000},     {123456, 120000},       {999999, 990000},
      {1234567, 1200000}, {9999999, 9900000}, {10000000, 10000000}, {25500000, 25000000}, {INT32_MAX, 2147000000},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundMoneyDown(c.x), c.down) << c.x;
}

TEST(MoneyRoundingTest, WagesAndPricesRoundTowardsZero) {
  const struct {
    int32_t x, to25, to100, thousands;
  } cases[] = {
      {0, 0, 0, 1000},         {24, 0, 0, 1000},        {26, 25, 0, 1000},        {1999, 1975, 1900, 1000},
      {2500, 2500, 2500, 2000}, {-30, -25, 0, 1000},    {-130, -125, -100, 1000}, {123456, 123450, 123400, 123000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundDownTo25(c.x), c.to25) << c.x;
    EXPECT_EQ(RoundDownTo100(c.x), c.to100) << c.x;
    EXPECT_EQ(RoundToThousandsMin1000(c.x), c.thousands) << c.x;
  }
}

// A forward (position 11) of stats 100 at a first-division club of the game
// country is worth 16,000,000 before anything else counts: (120 x 100^2 x
// 0.005)^2 / 9000, squared.
class ValueTest : public MarketTest {
 protected:
  static constexpr int kStar = 1;  // stat code: every ability and physical stat 100
  static constexpr int kFair = 2;  // stat code: every ability and physical stat 50
  int16_t player = -1;
  void SetUp() override {
    MarketTest::SetUp();
    SetStats(kStar, 100, 100);
    SetStats(kFair, 50, 50);
    player = AddPlayer(tw::kHumanClub, 11, 40, 60, kStar);
  }
};

TEST_F(ValueTest, TheValueFollowsSkillsAgeDivisionBidsMoraleAndExperience) {
  const struct {
    const char* what;
    int16_t club;
    int stats, storedAge, morale, bids, careerApps;
    int32_t value;  // ValuePlayer
  } cases[] = {
      {"the star", tw::kHumanClub, kStar, 8, 60, 0, 100, 16000000},
      {"a second-division club: 85 %", tw::kLeagueClub, kStar, 8, 60, 0, 100, 13000000},
      {"outside the league: division 5's 5 %", tw::kOutsideClub, kStar, 8, 60, 0, 100, 800000},
      {"morale 0 halves him", tw::kHumanClub, kStar, 8, 0, 0, 100, 8000000},
      {"100 bids: a quarter more", tw::kHumanClub, kStar, 8, 60, 100, 100, 20000000},
      {"50 appearances count in full", tw::kHumanClub, kStar, 8, 60, 0, 50, 16000000},
      {"30 appearances: 60 % of him", tw::kHumanClub, kStar, 8, 60, 0, 30, 9600000},
      {"no appearances: nothing", tw::kHumanClub, kStar, 8, 60, 0, 0, 0},
      {"a foreign club ignores appearances", tw::kForeignClub, kStar, 8, 60, 0, 0, 16000000},
      {"28: the age factor of 90 % counts three times", tw::kHumanClub, kStar, 12, 60, 0, 100, 11000000},
      {"the reserve pool: no division, 33 at 30 %", PLAYER_CLUB_RESERVE_POOL, kStar, 17, 60, 0, 100, 430000},
      {"the reserve pool: 34 at 10 %", PLAYER_CLUB_RESERVE_POOL, kStar, 18, 60, 0, 100, 16000},
      {"39: nothing left", PLAYER_CLUB_RESERVE_POOL, kStar, 23, 60, 0, 100, 0},
      {"40: valued as 39", PLAYER_CLUB_RESERVE_POOL, kStar, 24, 60, 0, 100, 0},
      {"79: valued as 39", PLAYER_CLUB_RESERVE_POOL, kStar, 63, 60, 0, 100, 0},
      {"62,500: above the first division's least value", tw::kHumanClub, kFair, 8, 60, 0, 100, 62000},
      {"31,250: below it, worth nothing", tw::kHumanClub, kFair, 8, 0, 0, 100, 0},
      {"26,562 at 85 %: above the second division's", tw::kLeagueClub, kFair, 8, 0, 0, 100, 26000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Player_SetClub(player, c.club);
    Player_SetAbilityStats(player, c.stats);
    Player_SetPhysicalStats(player, c.stats);
    Player_SetAge(player, c.storedAge);
    Player_SetMorale(player, c.morale);
    Player_SetBidCount(player, c.bids);
    Player_SetCareerApps(player, c.careerApps);
    EXPECT_EQ(ValuePlayer(player), c.value);
    EXPECT_EQ(GetPlayerValue(player), c.value);
  }
}

TEST_F(ValueTest, PlayersWithoutAClubAreWorthNothingToTheMarket) {
  const struct {
    int16_t club;
    int32_t value;
  } cases[] = {{PLAYER_CLUB_RESERVE_POOL, 16000000}, {PLAYER_CLUB_FREE_AGENT, 0}, {PLAYER_CLUB_NONE, 0}};
  for (const auto& c : cases) {
    Player_SetClub(player, c.club);
    EXPECT_EQ(ValuePlayer(player), 16000000) << c.club;
    EXPECT_EQ(GetPlayerValue(player), c.value) << c.club;
  }
}

TEST_F(ValueTest, AValueBeyondAMoneyWordIsTheLargestItHolds) {
  // A keeper of physical stats 255 with 511 bids: 2,242,773,884 before rounding.
  SetStats(3, 100, 255);
  Player_SetPosition(player, 0);
  Player_SetAbilityStats(player, 3);
  Player_SetPhysicalStats(player, 3);
  Player_SetBidCount(player, 511);
  EXPECT_EQ(ValuePlayer(player), 2147000000);
}

// The asking price of the star: 16,000,000 before contract, status and shirt.
// The club's manager (player 0) has personality stat 16 of 100, so 24 months
// of contract count as 18: x 1.5.
class AskingPriceTest : public ValueTest {
 protected:
  void SetUp() override {
    ValueTest::SetUp();
    SetPersonality(1, 100, 0, 0, 0);
    Player_SetPersonalityStats(tw::kHumanManager, 1);
    Player_SetShirt(player, 5);
  }
};

TEST_F(AskingPriceTest, ThePriceFollowsContractStatusShirtAndClub) {
  DbClub_Set(Club_GetDbId(tw::kForeignClub), 40, 2);
  const struct {
    const char* what;
    int16_t club;
    int contract, shirt, listed, notForSale;
    int32_t marketPrice, price;
  } cases[] = {
      {"24 months at a stat-16 manager: 18 months' worth", tw::kHumanClub, 24, 5, 0, 0, -1, 24000000},
      {"60 months: at most 24", tw::kHumanClub, 60, 5, 0, 0, -1, 32000000},
      {"6 months: half", tw::kHumanClub, 6, 5, 0, 0, -1, 8000000},
      {"no contract left: nothing", tw::kHumanClub, 0, 5, 0, 0, -1, 0},
      {"not for sale: double", tw::kHumanClub, 24, 5, 0, 1, -1, 48000000},
      {"a reserve (no shirt): 60 %", tw::kHumanClub, 24, 0, 0, 0, -1, 14000000},
      {"shirt 12 is a reserve too", tw::kHumanClub, 24, 12, 0, 0, -1, 14000000},
      {"transfer-listed: contract ignored", tw::kHumanClub, 6, 5, 1, 0, -1, 16000000},
      {"transfer-listed: not-for-sale ignored", tw::kHumanClub, 6, 5, 1, 1, -1, 16000000},
      {"a foreign club: no manager (12 months), reputation 40 x 5 %", tw::kForeignClub, 24, 0, 0, 0, -1, 32000000},
      {"the reserve pool: 24 months", PLAYER_CLUB_RESERVE_POOL, 0, 0, 0, 0, -1, 32000000},
      {"a free agent has no contract to buy", PLAYER_CLUB_FREE_AGENT, 24, 0, 0, 0, -1, 0},
      {"a listed free agent", PLAYER_CLUB_FREE_AGENT, 24, 0, 1, 0, -1, 16000000},
      {"a market price wins over everything but the rounding", tw::kHumanClub, 0, 0, 1, 1, 123456, 120000},
      {"a market price of 999 is nothing", tw::kHumanClub, 24, 5, 0, 0, 999, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Player_SetClub(player, c.club);
    Player_SetContract(player, c.contract);
    Player_SetShirt(player, c.shirt);
    Player_SetTxList(player, c.listed);
    Player_SetSaleStatus(player, c.notForSale);
    Player_SetManPrice(player, c.marketPrice);
    EXPECT_EQ(GetPlayerAskingPrice(player), c.price);
  }
}

TEST_F(AskingPriceTest, AYoungPlayerIsPricedByTheStatsHeWillHave) {
  // Ability 50 now; the ability curve (row 6 of the selection, never a
  // physical row) grows it by sqrt(11 x x x 2 / 5) at development point x.
  SetStats(4, 50, 100);
  StatCurve_Set(1, 11, 0);
  for (int column = 0; column < 8; ++column) CurveSelection_Set(6, column, 11, 1);
  Player_SetAbilityCurve(player, 6);
  Player_SetAbilityStats(player, 4);
  Player_SetPhysicalStats(player, 4);
  Player_SetCareerApps(player, 0);
  Player_SetTraining(player, 0);
  Player_SetShirt(player, 0);

  // 23 (stored 7): priced as he is, ability 50: 1,000,000 x 1.5; a reserve of
  // stored age 7 is not yet cut to 60 %.
  Player_SetAge(player, 7);
  EXPECT_EQ(Player_GetAbilityStat(player, 4), 50);
  EXPECT_EQ(GetPlayerAskingPrice(player), 1500000);
  // 19 (stored 3): four years on (x = 624) he has 50 + 52, at most 100: the
  // star's price, and a reserve's cut waits as for a 23-year-old.
  Player_SetAge(player, 3);
  EXPECT_EQ(GetPlayerAskingPrice(player), 24000000);
}

// ---- budgets and wages ----

// Club 0: balance 1,000,000; keeper (wage 400 units), defender (300) and
// forward (800) listed; its manager (wage 1,000) is not.
using BudgetTest = MarketTest;

TEST_F(BudgetTest, AClubMaySpendThreeQuartersOfWhatItsWagesLeave) {
  const struct {
    const char* what;
    void (*change)();
    int16_t club;
    int32_t budget;
  } cases[] = {
      {"1,000,000 less 125 weeks of 1,500 units", [] {}, tw::kHumanClub, 609375},
      {"the list held another club's players", [] { BuildClubSquadList(tw::kLeagueClub); }, tw::kHumanClub, 609375},
      {"a player lent out is not paid", [] {
         Loan_SetPlayerNo(0, tw::kKeeper);
         Loan_SetLoanClub(0, tw::kHumanClub);
         Player_SetOnLoan(tw::kKeeper, 1);
         Player_SetClub(tw::kKeeper, tw::kLeagueClub);
       }, tw::kHumanClub, 646875},
      {"wages above the balance: nothing", [] { Club_SetBalance(tw::kHumanClub, 100000); }, tw::kHumanClub, 0},
      {"in debt: nothing", [] { market::WriteBalance(tw::kHumanClub, -500000); }, tw::kHumanClub, 0},
      {"a foreign club: reputation 50 x 750,000 + 100,000", [] {}, tw::kForeignClub, 37600000},
      {"a minor foreign club: reputation 33", [] {}, tw::kMinorClub, 24850000},
      {"no club", [] {}, PLAYER_CLUB_RESERVE_POOL, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ResetWorld();
    BuildTestWorld();
    c.change();
    EXPECT_EQ(GetClubSpendingBudget(c.club), c.budget);
  }
}

TEST_F(BudgetTest, TheTopWageIsTenAveragesOrWhatTheBalanceAllows) {
  const struct {
    const char* what;
    int16_t club;
    int32_t balance;  // written into the record
    int wage;         // units of each of club 0's three players
    int32_t top;
  } cases[] = {
      // 300 a week in all, 100 on average: (1,000,000 / 3 - 300) / 10.
      {"a rich club", tw::kHumanClub, 1000000, 4, 33303},
      {"nothing in the bank: ten averages", tw::kHumanClub, 0, 4, 1000},
      {"in debt: ten averages", tw::kHumanClub, -300000, 4, 1000},
      {"ten averages above the balance's share", tw::kHumanClub, 30000, 40, 10000},
      {"at most 50,000", tw::kHumanClub, 100000000, 4, 50000},
      {"a club of nobody: a tenth of a third", tw::kOutsideClub, 300000, 4, 10000},
      {"a club of nobody, no money", tw::kOutsideClub, 0, 4, 0},
      {"a foreign club: reputation 50 x 1,000", tw::kForeignClub, 0, 4, 50000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    market::WriteBalance(c.club, c.balance);
    for (int16_t p : {tw::kKeeper, tw::kDefender, tw::kForward}) Player_SetWage(p, c.wage);
    EXPECT_EQ(CalcClubMaxWage(c.club), c.top);
  }
  Club_SetRep(tw::kForeignClub, 30);
  EXPECT_EQ(CalcClubMaxWage(tw::kForeignClub), 30000);
}

TEST_F(BudgetTest, DivisionsOutsideTheLeagueReadTheLastDivisionsEntries) {
  const struct {
    int division, row;
  } cases[] = {{0, 0}, {5, 5}, {6, 5}, {7, 5}, {31, 5}};
  for (const auto& c : cases) {
    Club_SetDivision(tw::kLeagueClub, c.division);
    EXPECT_EQ(MoneyDivision(tw::kLeagueClub), c.row) << c.division;
  }
  EXPECT_EQ(MoneyDivision(tw::kMinorClub), 5);  // a minor club of division 7
}

}  // namespace
