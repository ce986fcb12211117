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

}  // namespace
