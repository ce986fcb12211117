// Grounds and stands: the stands a new ground gets, the human manager's
// plans carried out, and the year end's reputations, enlargements and
// rebuildings.
#include "clubsim/grounds.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "clubsim/clubsvc.h"
#include "clubsim/market_world.h"
#include "clubsim/money.h"
#include "clubsim/simcounts.h"
#include "world/funcs_finance.h"
#include "world/source_records.h"

namespace {

using market::MarketTest;
using market::ShownNews;
using market::WorldMoney;

using Four = std::array<int, 4>;

constexpr int16_t kHuman = tw::kHumanClub;
constexpr int16_t kClub = tw::kLeagueClub;
// The human club's listed players earn 1,500 (stored): 125 weeks of it are kept back.
constexpr int32_t kHumanWagesKept = 125 * 1500;

void SetGround(int16_t club, Four styles, Four capacities) {
  Club_SetStand1Style(club, styles[0]);
  Club_SetStand2Style(club, styles[1]);
  Club_SetStand3Style(club, styles[2]);
  Club_SetStand4Style(club, styles[3]);
  Club_SetStand1Capacity(club, capacities[0]);
  Club_SetStand2Capacity(club, capacities[1]);
  Club_SetStand3Capacity(club, capacities[2]);
  Club_SetStand4Capacity(club, capacities[3]);
}

Four Styles(int16_t club) {
  return {Club_GetStand1Style(club), Club_GetStand2Style(club), Club_GetStand3Style(club), Club_GetStand4Style(club)};
}
Four Capacities(int16_t club) {
  return {Club_GetStand1Capacity(club), Club_GetStand2Capacity(club), Club_GetStand3Capacity(club),
          Club_GetStand4Capacity(club)};
}

// The balance that gives the human club a ground budget of b.
int32_t BalanceForBudget(int32_t b) { return 2 * b + kHumanWagesKept; }

using GroundsTest = MarketTest;

// ---- a new ground ----

TEST_F(GroundsTest, AFortyThousandSeatGroundGetsStyleFourEndsAndStyleFiveSides) {
  SourceClub source{};
  std::strcpy(source.name, "Kestlemore Swifts");
  source.dbNumber = 12;
  source.capacity = 40000;
  uint8_t record[SOURCE_CLUB_RECORD_SIZE];
  EncodeSourceClub(source, record);
  SetSourceClubRecords(record, 1);
  InitClubStands(kClub, 0);
  // Ends 6,800 rounded to 6,000; sides 14,000 each, past style 4's 12,000.
  EXPECT_EQ(Styles(kClub), (Four{4, 4, 5, 5}));
  EXPECT_EQ(Capacities(kClub), (Four{6, 6, 14, 14}));
  SetSourceClubRecords(nullptr, 0);
}

// ---- the human manager's plans ----

TEST_F(GroundsTest, FiveThousandMoreSeatsOnAStyleFiveStandCostAMillion) {
  Club_SetBalance(kHuman, 3000000);
  SetGround(kHuman, {2, 2, 5, 2}, {3, 3, 10, 3});
  GNW_GetStandProjectEntry(1, 2)->progress = 5;
  const int64_t before = WorldMoney();
  const int32_t pool = MoneyPool;
  HumanGroundRedevelopment(kHuman);
  EXPECT_EQ(Capacities(kHuman), (Four{3, 3, 15, 3}));
  EXPECT_EQ(Club_GetBalance(kHuman), 2000000);
  EXPECT_EQ(Club_GetMiscOut(kHuman), 1000000);
  EXPECT_EQ(MoneyPool, pool + 1000000);
  EXPECT_EQ(GNW_GetStandProjectEntry(1, 2)->progress, 0);
  EXPECT_EQ(WorldMoney(), before);
}

TEST_F(GroundsTest, AProjectClosesTheStandUntilTheNextRunReopensItWithThePlannedSeats) {
  Club_SetBalance(kHuman, 5000000);
  SetGround(kHuman, {2, 2, 2, 2}, {3, 3, 3, 3});
  *GNW_GetStandProjectEntry(1, 0) = StandPlan{4, 6, 0};
  HumanGroundRedevelopment(kHuman);
  EXPECT_EQ(Styles(kHuman), (Four{4, 2, 2, 2}));
  EXPECT_EQ(Capacities(kHuman), (Four{0, 3, 3, 3}));
  // 2,500,000 and six thousand seats at 160,000.
  EXPECT_EQ(Club_GetBalance(kHuman), 5000000 - 3460000);
  const StandPlan plan = *GNW_GetStandProjectEntry(1, 0);
  EXPECT_EQ(plan.project, NO_STAND_PROJECT);
  EXPECT_EQ(plan.progress, 0);
  EXPECT_EQ(plan.previous, 6);

  HumanGroundRedevelopment(kHuman);
  EXPECT_EQ(Capacities(kHuman), (Four{6, 3, 3, 3}));
  EXPECT_EQ(GNW_GetStandProjectEntry(1, 0)->previous, 0);
  EXPECT_EQ(Club_GetBalance(kHuman), 5000000 - 3460000);
}

TEST_F(GroundsTest, ADamagedPlanBuildsNothingAndCostsNothing) {
  SetGround(kHuman, {2, 2, 2, 2}, {3, 3, 3, 3});
  *GNW_GetStandProjectEntry(1, 1) = StandPlan{9, -5, 0};
  *GNW_GetStandProjectEntry(1, 3) = StandPlan{-7, 0, 0};
  HumanGroundRedevelopment(kHuman);
  EXPECT_EQ(Styles(kHuman), (Four{2, 2, 2, 2}));
  EXPECT_EQ(Capacities(kHuman), (Four{3, 3, 3, 3}));
  EXPECT_EQ(Club_GetBalance(kHuman), 1000000);
}

TEST_F(GroundsTest, AComputerRunClubsGroundIsNotTheHumanManagersToRebuild) {
  EXPECT_FATAL_EXIT(HumanGroundRedevelopment(kClub),
                    "Cannot do HumanGroundRedevelopment on a stadium belonging to a computer managed team");
}

// ---- the year end ----

class YearEndGroundTest : public MarketTest {
 protected:
  void SetUp() override {
    MarketTest::SetUp();
    Club_SetAvgAtt(kClub, 0);
    Club_SetRep(kClub, 3);
    HumanOutgoingsTotal = 0;
  }
  // The human club: its ground, crowd and ground budget.
  static void Ground(Four styles, Four capacities, int32_t crowd, int32_t budget) {
    SetGround(kHuman, styles, capacities);
    Club_SetAvgAtt(kHuman, crowd);
    Club_SetBalance(kHuman, BalanceForBudget(budget));
    Club_SetMiscIn(kHuman, 0);
    Club_SetMiscOut(kHuman, 0);
  }
};

TEST_F(YearEndGroundTest, TheReputationMovesAPointTowardsTheCrowdInThousands) {
  const struct {
    int rep;
    int32_t crowd;
    int after;
  } cases[] = {{40, 41000, 41}, {40, 40999, 40}, {40, 40000, 40}, {40, 39999, 39}, {3, 0, 3}, {63, 100000, 63}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rep << " with " << c.crowd);
    Club_SetRep(kHuman, c.rep);
    Ground({7, 7, 7, 7}, {20, 20, 29, 29}, c.crowd, 0);
    ClubsYearEndGroundUpdate();
    EXPECT_EQ(Club_GetRep(kHuman), c.after);
  }
}

TEST_F(YearEndGroundTest, ACrowdOfExactlyEightyPercentLeavesTheGroundAndOneMoreFillsTheBudgetsBlocks) {
  // Four style-2 stands of 2,000: 8,000 seats, 80 % of them 6,400.
  Ground({2, 2, 2, 2}, {2, 2, 2, 2}, 6400, 350000);
  ClubsYearEndGroundUpdate();
  EXPECT_EQ(Capacities(kHuman), (Four{2, 2, 2, 2}));
  EXPECT_EQ(Club_GetBalance(kHuman), BalanceForBudget(350000));
  EXPECT_EQ(ClubSimCount.groundWorks, 0);

  Ground({2, 2, 2, 2}, {2, 2, 2, 2}, 6401, 350000);
  const int64_t before = WorldMoney();
  ClubsYearEndGroundUpdate();
  // 3 x 100,000 < 350,000, 4 x 100,000 is not: the third stand gains 3,000.
  EXPECT_EQ(Capacities(kHuman), (Four{2, 2, 5, 2}));
  EXPECT_EQ(Club_GetBalance(kHuman), BalanceForBudget(350000) - 300000);
  EXPECT_EQ(Club_GetMiscOut(kHuman), 300000);
  EXPECT_EQ(HumanOutgoingsTotal, 300000);
  EXPECT_EQ(ClubSimCount.groundWorks, 1);
  EXPECT_EQ(WorldMoney(), before);
  const std::vector<std::string> shown = ShownNews();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "Seating capacity of our stadium will be expanded by 3000 seats during the the closed season");
}

TEST_F(YearEndGroundTest, AGroundOfOneStyleFillsTheThirdStandThenTheFourthTheFirstAndTheSecond) {
  const struct {
    const char* what;
    Four capacities;
    int32_t budget;
    Four after;
  } cases[] = {
      {"the third stand nearly full", {2, 2, 7, 2}, 350000, {2, 2, 8, 4}},
      {"the sides full", {2, 2, 8, 8}, 350000, {4, 3, 8, 8}},
      {"room for all", {2, 2, 2, 2}, 50000000, {4, 4, 8, 8}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MenuPrims_ClearCalls();
    Ground({2, 2, 2, 2}, c.capacities, 60000, c.budget);
    const int32_t balance = Club_GetBalance(kHuman);
    ClubsYearEndGroundUpdate();
    EXPECT_EQ(Capacities(kHuman), c.after);
    int blocks = 0;
    for (int s = 0; s < 4; ++s) blocks += c.after[s] - c.capacities[s];
    EXPECT_EQ(Club_GetBalance(kHuman), balance - blocks * 100000);  // one payment
    EXPECT_EQ(ShownNews().size(), 1u);                               // and one news item
  }
}

TEST_F(YearEndGroundTest, ARichClubsBudgetIsWorkedOutIn64Bits) {
  // 134,000,000 x 50 is past what 32 bits hold.
  SetGround(kHuman, {2, 2, 2, 2}, {2, 2, 2, 2});
  Club_SetAvgAtt(kHuman, 60000);
  Club_SetBalance(kHuman, 134000000);
  ClubsYearEndGroundUpdate();
  EXPECT_EQ(Capacities(kHuman), (Four{4, 4, 8, 8}));
  EXPECT_EQ(Club_GetBalance(kHuman), 134000000 - 1600000);
}

TEST_F(YearEndGroundTest, StandsOfDifferentStylesEnlargeASideAndAnEndEachWithTheWholeBudget) {
  const struct {
    const char* what;
    Four styles, capacities;
    int32_t budget;
    Four after;
  } cases[] = {
      {"the third stand highest: it and the first", {2, 2, 3, 2}, {1, 1, 1, 1}, 50000000, {4, 1, 10, 1}},
      {"each with the whole budget", {2, 2, 3, 2}, {1, 1, 1, 1}, 350000, {4, 1, 3, 1}},
      {"the fourth stand highest: it and the second", {2, 3, 2, 3}, {1, 1, 1, 1}, 50000000, {1, 6, 1, 10}},
      {"no side above the first end: the first end only", {3, 2, 2, 2}, {1, 1, 1, 1}, 50000000, {6, 1, 1, 1}},
      {"the second end above the first", {2, 3, 3, 1}, {1, 1, 1, 1}, 50000000, {1, 6, 10, 1}},
      {"a full third stand passes to the fourth", {1, 2, 2, 2}, {1, 1, 8, 1}, 50000000, {1, 4, 8, 8}},
      {"the fourth below an end: no side", {2, 2, 3, 0}, {1, 1, 10, 1}, 50000000, {4, 1, 10, 1}},
      {"ends of style 1 cost nothing: none", {1, 1, 2, 2}, {1, 1, 1, 1}, 50000000, {1, 1, 8, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Ground(c.styles, c.capacities, 100000, c.budget);
    const int64_t before = WorldMoney();
    ClubsYearEndGroundUpdate();
    EXPECT_EQ(Styles(kHuman), c.styles);
    EXPECT_EQ(Capacities(kHuman), c.after);
    EXPECT_EQ(WorldMoney(), before);
  }
}

TEST_F(YearEndGroundTest, StandsOfStylesZeroAndOneAreNeverEnlarged) {
  const Four grounds[][2] = {{{1, 1, 1, 1}, {1, 1, 1, 1}}, {{0, 1, 1, 0}, {0, 0, 0, 0}}, {{0, 0, 0, 0}, {0, 0, 1, 1}}};
  for (const auto& g : grounds) {
    Ground(g[0], g[1], 100000, 50000000);
    const int32_t balance = Club_GetBalance(kHuman);
    ClubsYearEndGroundUpdate();
    EXPECT_EQ(Styles(kHuman), g[0]);
    EXPECT_EQ(Capacities(kHuman), g[1]);
    EXPECT_EQ(Club_GetBalance(kHuman), balance);
  }
  EXPECT_EQ(ClubSimCount.groundWorks, 0);
  EXPECT_TRUE(ShownNews().empty());
}

TEST_F(YearEndGroundTest, AFullGroundRebuildsAStandWhenTheBudgetAndTheSalvageCoverTheNextStyle) {
  // A full style-1 ground: the third stand's salvage is 500,000 x 20 % =
  // 100,000 (its seats cost nothing); style 2 costs 1,000,000.
  Ground({1, 1, 1, 1}, {2, 2, 4, 4}, 100000, 900000);
  ClubsYearEndGroundUpdate();
  EXPECT_EQ(Styles(kHuman), (Four{1, 1, 1, 1}));
  EXPECT_EQ(Club_GetBalance(kHuman), BalanceForBudget(900000));

  Ground({1, 1, 1, 1}, {2, 2, 4, 4}, 100000, 900001);
  const int64_t before = WorldMoney();
  ClubsYearEndGroundUpdate();
  EXPECT_EQ(Styles(kHuman), (Four{1, 1, 2, 1}));
  EXPECT_EQ(Capacities(kHuman), (Four{2, 2, 0, 4}));
  EXPECT_EQ(Club_GetBalance(kHuman), BalanceForBudget(900001) + 100000 - 1000000);
  EXPECT_EQ(Club_GetMiscIn(kHuman), 100000);
  EXPECT_EQ(Club_GetMiscOut(kHuman), 1000000);
  EXPECT_EQ(HumanOutgoingsTotal, 0);
  EXPECT_EQ(ClubSimCount.groundWorks, 1);
  EXPECT_EQ(WorldMoney(), before);
  const std::vector<std::string> shown = ShownNews();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "Our East stand will be closed next season due to ground re-development");
}

TEST_F(YearEndGroundTest, TheStandRebuiltIsTheFirstBelowItsNeighbourInTheOrderFourOneTwo) {
  const struct {
    Four styles, capacities;
    Four after;
  } cases[] = {
      {{2, 2, 3, 2}, {4, 4, 10, 8}, {2, 2, 3, 3}},
      {{2, 2, 2, 3}, {4, 4, 8, 10}, {3, 2, 2, 3}},
      {{3, 2, 3, 3}, {6, 4, 10, 10}, {3, 3, 3, 3}},
      {{7, 7, 7, 6}, {20, 20, 29, 20}, {7, 7, 7, 7}},
      {{7, 6, 7, 7}, {20, 14, 29, 29}, {7, 7, 7, 7}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.styles[0] << c.styles[1] << c.styles[2] << c.styles[3]);
    Ground(c.styles, c.capacities, 120000, 50000000);
    ClubsYearEndGroundUpdate();
    EXPECT_EQ(Styles(kHuman), c.after);
  }
}

TEST_F(YearEndGroundTest, AFullGroundOfFourStyleSevenStandsIsNeverTouched) {
  SetGround(kHuman, {7, 7, 7, 7}, {20, 20, 29, 29});
  Club_SetAvgAtt(kHuman, 98000);
  Club_SetBalance(kHuman, 134000000);
  ClubsYearEndGroundUpdate();
  EXPECT_EQ(Styles(kHuman), (Four{7, 7, 7, 7}));
  EXPECT_EQ(Capacities(kHuman), (Four{20, 20, 29, 29}));
  EXPECT_EQ(Club_GetBalance(kHuman), 134000000);
  EXPECT_TRUE(ShownNews().empty());
}

TEST_F(YearEndGroundTest, OnlyLeagueClubsOfTheGameCountryWorkOnTheirGrounds) {
  for (int16_t club : {tw::kOutsideClub, tw::kForeignClub}) {
    SetGround(club, {2, 2, 2, 2}, {1, 1, 1, 1});
    Club_SetAvgAtt(club, 60000);
    Club_SetBalance(club, 50000000);
    Club_SetRep(club, 10);
  }
  ClubsYearEndGroundUpdate();
  for (int16_t club : {tw::kOutsideClub, tw::kForeignClub}) {
    EXPECT_EQ(Capacities(club), (Four{1, 1, 1, 1}));
    EXPECT_EQ(Club_GetRep(club), 10);
  }
}

}  // namespace
