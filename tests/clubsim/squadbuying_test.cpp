// A foreign club's shopping on its transfer day: the squad size it shops
// below, the deadline periods, the two searches and their prices, approaches
// to the human manager, loan bids, and the pool that must be rich enough.
#include <gtest/gtest.h>

#include <cstdint>

#include "clubsim/bids.h"
#include "clubsim/compbids.h"
#include "clubsim/market_world.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/squadplan.h"
#include "clubsim/upkeep.h"
#include "clubsim/valuation.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/funcs_deals.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

using market::AddPlayer;
using market::MarketTest;
using market::SetPersonality;
using market::SetStats;

// The foreign club: reputation 50, so it shops below 50 / 5 + 16 = 26
// players, can spend 50 x 750,000 + 100,000 = 37,600,000 and pays wages up
// to 50,000 a week.
constexpr int16_t kBuyer = tw::kForeignClub;
constexpr int kTargetSize = 26;
constexpr int32_t kBudget = 37600000;

constexpr int kKeeperStats = 20;  // ability 90, physical 40: 70 x 90 + 100 x 40 = 10,300 in goal
constexpr int kShrewd = 9;        // personality: stat 16 of 100

class SquadBuyingTest : public MarketTest {
 protected:
  void SetUp() override {
    MarketTest::SetUp();
    SetStats(kKeeperStats, 90, 40);
    SetPersonality(kShrewd, 100, 0, 0, 0);
    for (int d = 0; d < 3; ++d) SetPeriod(d, 500, 501);  // periods that never come
    AddPlayer(kBuyer, 13, 100, 40, 0, kShrewd);  // the buyer's manager
    // One keeper, every outfield line covered (the Italian forward besides):
    // the buyer is short of keepers and asks for one of its division's least
    // worth / 10 = 5,000, 5,150 with the margin, searched for everywhere.
    for (int position : {0, 1, 1, 2, 2, 6, 5, 6, 5, 11}) AddPlayer(kBuyer, position, 100, 40);
    // The seller: an English club outside the league with 17 players to spare.
    for (int i = 0; i < 17; ++i) AddPlayer(tw::kOutsideClub, 5, 100, 40);
    target_ = AddPlayer(tw::kOutsideClub, 0, 100, 40, kKeeperStats);
    AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 0, 40);  // the search never looks at the last player
    BuildClubSquadList(tw::kOutsideClub);
    ASSERT_EQ(RatePlayer(target_, 0), 10300);
    DayOfSeason = 100;  // after the players: a new world's first day writes more of their stats
  }

  static void SetPeriod(int period, int16_t start, int16_t end) {
    int16_t* starts[3] = {&DeadlineDay1, &DeadlineDay2, &DeadlineDay3};
    int16_t* ends[3] = {&WindowOpenDay1, &WindowOpenDay2, &WindowOpenDay3};
    *starts[period] = start;
    *ends[period] = end;
  }

  // The buyer's transfer day up to its shopping, as its upkeep runs it.
  static void Shop() {
    ClubBid_ClearAll(kBuyer);
    BidInfo_ClearAll();
    CurrentManager = GetClubManager(kBuyer);
    BuildClubSquadList(kBuyer);
    ComputerSquadBuying(kBuyer);
  }

  // The player and price (whole money) of the buyer's keeper bid; -1, 0 none.
  static int16_t BidPlayer() { return Club_GetBidPlayer(kBuyer, 0); }
  static int32_t BidPrice() { return Club_GetBidPrice(kBuyer, 0) * 100; }

  static bool OnSaleTable(int16_t player) {
    for (int s = 0; s < HUMAN_SALE_SLOTS; ++s)
      if (HumanDealTables.salePlayers[s] == player && HumanDealTables.saleClubs[s] == kBuyer) return true;
    return false;
  }

  int16_t target_ = -1;
};

TEST_F(SquadBuyingTest, OnlyASquadBelowItsTargetSizeShops) {
  Player_SetTxList(target_, 1);
  const struct {
    int squad;
    bool bids;
  } cases[] = {{kTargetSize - 1, true}, {kTargetSize, false}, {kTargetSize + 1, false}};
  for (const auto& c : cases) {
    BuildClubSquadList(kBuyer);
    while (SquadListLength < c.squad) {
      AddPlayer(kBuyer, 5, 100, 40);
      BuildClubSquadList(kBuyer);
    }
    Shop();
    EXPECT_EQ(SquadListLength, c.squad);
    EXPECT_EQ(BidPlayer(), c.bids ? target_ : -1) << "squad " << c.squad;
    EXPECT_EQ(BidInfo_FindPlayer(target_) >= 0, c.bids) << "squad " << c.squad;
  }
}

TEST_F(SquadBuyingTest, NothingIsBoughtWhileADeadlinePeriodIsInForce) {
  Player_SetTxList(target_, 1);
  const struct {
    int16_t start, end, day;
    bool bids;
  } cases[] = {
      {100, 120, 110, false}, {100, 120, 100, false}, {100, 120, 120, false}, {100, 120, 121, true},
      {100, 120, 99, true},   {150, 20, 10, false},   {150, 20, 200, false},  {150, 20, 100, true},
  };
  for (const auto& c : cases) {
    SetPeriod(1, c.start, c.end);
    DayOfSeason = c.day;
    Shop();
    EXPECT_EQ(BidPlayer(), c.bids ? target_ : -1) << c.start << "-" << c.end << " day " << c.day;
  }
}

TEST_F(SquadBuyingTest, AListedPlayerIsFoundFirstAtHisValueAnUnlistedOneAfterAtTheBuyersPrice) {
  // His asking price (a market price of 2,000,000) leaves the buyer's
  // haggle content: it pays the asking price and counts one bid on him.
  Player_SetManPrice(target_, 2000000);
  const int32_t value = GetPlayerValue(target_);
  ASSERT_GT(value, 0);
  ASSERT_NE(value, 2000000);
  const struct {
    int listed;
    int32_t price;
    int bidCount;
  } cases[] = {{1, value, 0}, {0, 2000000, 1}};
  for (const auto& c : cases) {
    Player_SetTxList(target_, c.listed);
    Player_SetBidCount(target_, 0);
    Shop();
    EXPECT_EQ(BidPlayer(), target_) << "listed " << c.listed;
    EXPECT_EQ(BidPrice(), c.price) << "listed " << c.listed;
    EXPECT_EQ(Player_GetBidCount(target_), c.bidCount) << "listed " << c.listed;
    EXPECT_EQ(TransferWork.bidPosition, 0);
    EXPECT_EQ(TransferWork.searchAll, 1);
  }
}

TEST_F(SquadBuyingTest, AHumanClubsPlayerIsOfferedToItsManagerUnlessHisClauseFreesHim) {
  // The buyer's size score (50 - 2 x 50 = -50) is below the human club's
  // (its overall rank less its reputation 40), so a buy-out clause frees him.
  for (int i = 0; i < 17; ++i) AddPlayer(tw::kHumanClub, 5, 100, 40);
  Player_SetClub(target_, tw::kHumanClub);
  Player_SetTxList(target_, 1);
  BuildClubSquadList(tw::kHumanClub);
  ASSERT_LT(BidderStanding(kBuyer), BidderStanding(tw::kHumanClub));
  const struct {
    int clause;
    bool offered, bid;
  } cases[] = {{0, true, false}, {1, false, true}};
  for (const auto& c : cases) {
    GNW_RemoveHumanSale(target_);
    Player_SetBRClause(target_, c.clause);
    Shop();
    EXPECT_EQ(OnSaleTable(target_), c.offered) << "clause " << c.clause;
    EXPECT_EQ(BidPlayer(), c.bid ? target_ : -1) << "clause " << c.clause;
    EXPECT_EQ(BidInfo_FindPlayer(target_) >= 0, c.bid) << "clause " << c.clause;
  }
}

TEST_F(SquadBuyingTest, ALoanListedPlayerTheBuyerCannotAffordGetsALoanBid) {
  // Unlisted, so the second search finds him and the buyer's own price
  // (here his asking price) decides.
  const struct {
    int loanListed;
    int32_t asking;
    int16_t player;  // 0 the target, -1 nobody
    int32_t price;
  } cases[] = {
      {1, 37000000, 0, 37000000},        // below the budget: an ordinary bid
      {1, 38000000, 0, LOAN_BID_PRICE},  // not below it: a loan bid
      {0, 38000000, -1, 0},              // not on the loan list: too dear
  };
  for (const auto& c : cases) {
    Player_SetLoanList(target_, c.loanListed);
    Player_SetManPrice(target_, c.asking);
    Shop();
    EXPECT_EQ(BidPlayer(), c.player == 0 ? target_ : -1) << c.asking << " loan " << c.loanListed;
    EXPECT_EQ(BidPrice(), c.price) << c.asking << " loan " << c.loanListed;
  }
  EXPECT_EQ(GetClubSpendingBudget(kBuyer), kBudget);
}

TEST_F(SquadBuyingTest, TheUpkeepShopsOnlyWhenAllowedAndThePoolIsRich) {
  Player_SetTxList(target_, 1);
  const struct {
    int32_t pool;
    int16_t allowed;
    bool bids;
  } cases[] = {
      {SHOPPING_POOL_MINIMUM, 1, false},
      {SHOPPING_POOL_MINIMUM + 1, 0, false},
      {SHOPPING_POOL_MINIMUM + 1, 1, true},
  };
  for (const auto& c : cases) {
    ClubBid_ClearAll(kBuyer);
    BidInfo_ClearAll();
    MoneyPool = c.pool;
    // One day in twenty it shops: 200 days leave no doubt.
    for (int day = 0; day < 200 && BidPlayer() < 0; ++day) ComputerSquadUpkeep(kBuyer, c.allowed);
    EXPECT_EQ(BidPlayer(), c.bids ? target_ : -1) << c.pool << " allowed " << c.allowed;
  }
}

}  // namespace
