#include "clubsim/compbids.h"

#include <cstdint>

#include "clubsim/bids.h"
#include "clubsim/market_world.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/squadplan.h"
#include "season/seam.h"
#include "world/funcs_deals.h"
#include "world/lists.h"

namespace {

using market::AddPlayer;
using market::MarketTest;
using market::SetStats;
using market::WorldMoney;

constexpr int kTarget = 20;  // stat code of the players sought
constexpr int16_t kBidder = tw::kLeagueClub;

class CompBidsTest : public MarketTest {
 protected:
  void SetUp() override {
    MarketTest::SetUp();
    SetStats(kTarget, 14, 4);  // 1,640 in midfield (position 5)
    market::WriteBalance(kBidder, 10000000);
    CurrentManager = GetClubManager(kBidder);
  }
  // A player without a club but with a wage, and one more after him (the
  // scan never looks at the last player).
  int16_t FreePlayer(int stats = kTarget) {
    const int16_t p = AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 100, 40, stats);
    AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 0, 40);
    return p;
  }
  // Gives the club 17 available players of no rating.
  void FillClub(int16_t club) {
    for (int i = 0; i < 17; ++i) AddPlayer(club, 5, 100, 40);
    BuildClubSquadList(club);
  }
  // The working set of a club short of players: any midfielder will do.
  void ShortOfPlayers(int available, int wanted) {
    TransferWork.available = static_cast<int16_t>(available);
    TransferWork.wanted = static_cast<int16_t>(wanted);
  }
};

TEST_F(CompBidsTest, AnOldPlayerCountsForLessInTheSearch) {
  // A 32-year-old (stored age 16) rated 1,640 counts (1,640 / 164) x 100 = 1,000.
  const struct {
    int age;
    int32_t wanted;
    bool found;
  } cases[] = {{16, 1000, true}, {16, 1001, false}, {8, 1640, true}, {8, 1641, false}};
  for (const auto& c : cases) {
    const int16_t p = FreePlayer();
    Player_SetAge(p, c.age);
    TransferWork.searchAll = 1;  // every player looked at
    TransferWork.bidPosition = 5;
    EXPECT_EQ(PickBidTarget(c.wanted, kBidder, 0, 0, 1000000, 1000000), c.found ? p : -1)
        << "age " << c.age << " wanted " << c.wanted;
    Player_SetWage(p, 0);  // out of the next search
  }
}

TEST_F(CompBidsTest, OpenBidsCountAgainstTheWantedSize) {
  // 14 available, wanted 15: the club bids while bids out + 14 < 17.
  const struct {
    int bidsOut;
    bool bids;
  } cases[] = {{0, true}, {2, true}, {3, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bidsOut);
    ClubBid_ClearAll(kBidder);
    BidInfo_ClearAll();
    const int16_t others[3] = {tw::kKeeper, tw::kDefender, tw::kForward};
    const int slots[3] = {0, 1, 3};
    for (int i = 0; i < c.bidsOut; ++i) Club_SetBid(kBidder, slots[i], others[i], 1000, 0);
    const int16_t p = FreePlayer();
    ShortOfPlayers(14, 15);
    const int64_t money = WorldMoney();
    ComputerClubBids(kBidder);
    EXPECT_EQ(Club_GetBidPlayer(kBidder, 2), c.bids ? p : -1);
    EXPECT_EQ(BidInfo_FindPlayer(p) >= 0, c.bids);
    EXPECT_EQ(TransferWork.bidPosition, 5);
    EXPECT_EQ(WorldMoney(), money);  // a bid moves no money
    Player_SetWage(p, 0);
  }
}

TEST_F(CompBidsTest, ALoanListedPlayerGetsALoanBid) {
  FillClub(tw::kOutsideClub);
  const int16_t p = AddPlayer(tw::kOutsideClub, 5, 100, 40, kTarget);
  AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 0, 40);
  Player_SetLoanList(p, 1);
  BuildClubSquadList(tw::kOutsideClub);
  ShortOfPlayers(14, 18);
  ComputerClubBids(kBidder);
  EXPECT_EQ(Club_GetBidPlayer(kBidder, 2), p);
  EXPECT_EQ(Club_GetBidPrice(kBidder, 2), LOAN_BID_PRICE / 100);  // the slot keeps hundreds
}

TEST_F(CompBidsTest, AHumanClubsPlayerGoesOnItsManagersSaleTable) {
  FillClub(tw::kHumanClub);
  const int16_t p = AddPlayer(tw::kHumanClub, 5, 100, 40, kTarget);
  AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 0, 40);
  BuildClubSquadList(tw::kHumanClub);
  ShortOfPlayers(14, 18);
  ComputerClubBids(kBidder);
  EXPECT_EQ(Club_GetBidPlayer(kBidder, 2), -1);
  bool onTable = false;
  for (int s = 0; s < HUMAN_SALE_SLOTS; ++s)
    if (HumanDealTables.salePlayers[s] == p && HumanDealTables.saleClubs[s] == kBidder) onTable = true;
  EXPECT_TRUE(onTable);
}

TEST_F(CompBidsTest, APlayerOfNoClubCostsNothing) {
  const int16_t p = FreePlayer();
  EXPECT_EQ(CalcComputerOfferPrice(p, kBidder), 0);
  EXPECT_EQ(Player_GetBidCount(p), 0);
}

TEST_F(CompBidsTest, AClubShortOfPlayersWillNotSell) {
  const int16_t p = AddPlayer(tw::kOutsideClub, 5, 100, 40, kTarget);
  BuildClubSquadList(tw::kOutsideClub);
  EXPECT_EQ(CalcComputerOfferPrice(p, kBidder), -1);
}

TEST_F(CompBidsTest, TheSearchStopsAtTheHumanManagersTargetsAndMovesOn) {
  // A hundred players no search takes, the one sought, and a hundred more.
  for (int i = 0; i < 100; ++i) AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 0, 40);
  const int16_t sought = AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 100, 40, kTarget);
  for (int i = 0; i < 100; ++i) AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 0, 40);
  TransferWork.searchAll = 0;  // strides of one to ten players
  TransferWork.bidPosition = 5;
  TransferWork.wantedSide = 0;
  auto search = [] { return PickBidTarget(1600, kBidder, 0, 0, 1000000, 1000000); };
  // Alone he is stridden over now and then.
  int found = 0;
  for (int i = 0; i < 30; ++i) found += search() == sought ? 1 : 0;
  EXPECT_GT(found, 0);
  EXPECT_LT(found, 30);
  // Once the human club bids for him every stride stops at him, and the
  // search still moves on past him to its end.
  Club_SetBid(tw::kHumanClub, 2, sought, 1000, 0);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(search(), sought) << i;
  // No longer worth a look (no wage), but still the human's target: the
  // search passes him and finds the next one.
  Player_SetWage(sought, 0);
  const int16_t next = AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 100, 40, kTarget);
  AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 0, 40);
  for (int i = 0; i < 30; ++i) EXPECT_NE(search(), sought) << i;
  TransferWork.searchAll = 1;  // one player at a time
  EXPECT_EQ(search(), next);
}

TEST_F(CompBidsTest, APlayerWithoutAClubFindsTheClubThatWantsHisRating) {
  // Club 1 (division 1) has one keeper and every other line covered: it
  // asks for 25,000 / 10 = 2,500, 2,575 with the margin, and takes a player
  // rated 2,575 to 2,652 whatever his position. Midfield ratings: 100 x
  // ability + 60 x physical.
  Player_SetClub(tw::kMidfielder, tw::kOutsideClub);
  for (int position : {0, 1, 1, 2, 2, 6, 5, 6, 5, 10, 11}) AddPlayer(kBidder, position, 100, 40);
  market::WriteBalance(kBidder, 500000);
  BuildClubSquadList(kBidder);
  const int32_t maxWage = CalcClubMaxWage(kBidder);
  ASSERT_EQ(maxWage, 25000);  // ten times the squad's average wage of 2,500
  const struct {
    int ability, physical;
    int32_t wage;
    int control;
    int16_t club;
  } cases[] = {
      {20, 10, 100, 0, kBidder},                 // 2,600
      {20, 9, 100, 0, -1},                       // 2,540: too weak
      {20, 11, 100, 0, -1},                      // 2,660: more than it looks for
      {20, 10, maxWage / 25 + 1, 0, -1},         // a wage above the club's top wage
      {20, 10, maxWage / 25, 0, kBidder},        // at the top wage
      {20, 10, 100, 2, -1},                      // a human-run club is not offered him
  };
  int code = 30;
  for (const auto& c : cases) {
    SetStats(code, c.ability, c.physical);
    const int16_t p = AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 0, 40, code++);
    Player_SetWage(p, c.wage);
    Club_SetControl(kBidder, c.control);
    EXPECT_EQ(FindClubForPlayer(p), c.club) << RatePlayer(p, 5) << " wage " << c.wage << " control " << c.control;
    Player_SetClub(p, PLAYER_CLUB_NONE);
  }
}

TEST_F(CompBidsTest, FeesOfManyMillionsArePricedWithoutOverflow) {
  // His asking price is 20,000,000 and his reputation 63 (100 %): 158 % more,
  // 51,600,000; a starter's owner whose manager's stat 16 is 100 asks half
  // again. The bidder (budget about 7,500,000) haggles when the price is too
  // far above the asking price for its manager's stat 16.
  constexpr int kBidderBoss = 10, kOwnerBoss = 11;
  AddPlayer(kBidder, 13, 100, 40, 0, kBidderBoss);
  AddPlayer(tw::kOutsideClub, 13, 100, 40, 0, kOwnerBoss);
  FillClub(tw::kOutsideClub);
  const int16_t p = AddPlayer(tw::kOutsideClub, 5, 100, 40);
  Player_SetManPrice(p, 20000000);
  Player_SetReputation(p, 63);
  BuildClubSquadList(tw::kOutsideClub);
  const struct {
    int bidderStat16, ownerStat16;
    int16_t shirt;
    int32_t price;
  } cases[] = {
      {200, 0, 0, 51000000},    // 51,600,000 rounded to millions
      {200, 100, 5, 77000000},  // 51,600,000 x 1.5 = 77,400,000
      {50, 0, 0, 25500000},     // haggled: x 127 -> 100, z 50, 510,000 x 50
      {49, 0, 0, -1},           // z 50 is too much for him
  };
  for (const auto& c : cases) {
    market::SetPersonality(kBidderBoss, c.bidderStat16, 0, 0, 0);
    market::SetPersonality(kOwnerBoss, c.ownerStat16, 0, 0, 0);
    Player_SetShirt(p, c.shirt);
    Player_SetBidCount(p, 0);
    EXPECT_EQ(CalcComputerOfferPrice(p, kBidder), c.price) << c.bidderStat16 << "/" << c.ownerStat16;
    EXPECT_EQ(Player_GetBidCount(p), c.price > 0 ? 1 : 0);
  }
}

}  // namespace
