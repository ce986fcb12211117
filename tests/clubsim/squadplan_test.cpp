#include "clubsim/squadplan.h"

#include <cstdint>
#include <vector>

#include "clubsim/market_world.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "season/seam.h"

namespace {

using market::AddPlayer;
using market::MarketTest;
using market::SetStats;

constexpr int kStrong = 20;  // stat code: ability 50, physical 50
constexpr int kWeak = 21;    // ability 10, physical 10
constexpr int kMiddling = 22;  // ability 30, physical 30

// Club 1 (computer-run, no manager: tactic 0, band 0, whose formation asks
// for defenders 1, 1, 2, 2, midfielders 6, 5, 6, 5 and forwards 10, 11).
class SquadPlanTest : public MarketTest {
 protected:
  void SetUp() override {
    MarketTest::SetUp();
    SetStats(kStrong, 50, 50);
    SetStats(kWeak, 10, 10);
    SetStats(kMiddling, 30, 30);
    Player_SetClub(tw::kMidfielder, tw::kOutsideClub);  // club 1 starts empty
    CurrentManager = GetClubManager(tw::kLeagueClub);
  }
  // Adds players of the club at these positions, all of one stat code.
  std::vector<int16_t> Add(std::vector<int> positions, int stats, int16_t club = tw::kLeagueClub) {
    std::vector<int16_t> added;
    for (int position : positions) added.push_back(AddPlayer(club, position, 100, 40, stats));
    return added;
  }
  void Build() { BuildClubSquadList(tw::kLeagueClub); }
};

TEST_F(SquadPlanTest, FindSquadNeedAsksForTheShortestGroupOrTheWeakestStarter) {
  Club_SetDivision(tw::kLeagueClub, 0);
  // One keeper (cover 50) and every other group at 100: a keeper of the
  // division's least worth / 10 = 5,000, searched for everywhere.
  Add({0, 1, 1, 2, 2, 6, 5, 6, 5, 10, 11}, kStrong);
  Build();
  EXPECT_EQ(FindSquadNeed(tw::kLeagueClub), 5000);
  EXPECT_EQ(TransferWork.bidPosition, 0);
  EXPECT_EQ(TransferWork.wantedSide, 0);
  EXPECT_EQ(TransferWork.searchAll, 1);
}

TEST_F(SquadPlanTest, AShortGroupAsksForItsDivisionsLeastWorth) {
  // Half the cover the formation asks for in one group, the rest covered:
  // the group's position, searched for everywhere, at the least worth of a
  // player of the club's division (the game country's table) / 10.
  const struct {
    std::vector<int> squad;
    int country, division;
    int32_t need;
    int16_t position;
  } cases[] = {
      {{0, 1, 1, 2, 2, 6, 5, 6, 5, 10, 11}, 0, 0, 5000, 0},
      {{0, 0, 1, 1, 6, 5, 6, 5, 10, 11}, 0, 1, 2500, 4},
      {{0, 0, 1, 1, 2, 2, 6, 5, 10, 11}, 0, 3, 500, 5},
      {{0, 0, 1, 1, 2, 2, 6, 5, 6, 5, 10}, 0, 4, 100, 11},
      {{0, 1, 1, 2, 2, 6, 5, 6, 5, 10, 11}, 0, 6, 10, 0},    // outside the league: the lowest division's
      {{0, 1, 1, 2, 2, 6, 5, 6, 5, 10, 11}, 3, 4, 1000, 0},  // another game country's table
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "country " << c.country << " division " << c.division);
    for (int16_t p = tw::kPlayerCount; p < PlayerCount; ++p) Player_SetClub(p, PLAYER_CLUB_NONE);
    GameCountry = static_cast<int8_t>(c.country);
    Club_SetDivision(tw::kLeagueClub, c.division);
    Add(c.squad, kStrong);
    Build();
    TransferWork.searchAll = 0;
    TransferWork.wantedSide = 2;
    EXPECT_EQ(FindSquadNeed(tw::kLeagueClub), c.need);
    EXPECT_EQ(TransferWork.bidPosition, c.position);
    EXPECT_EQ(TransferWork.wantedSide, 0);
    EXPECT_EQ(TransferWork.searchAll, 1);
  }
}

TEST_F(SquadPlanTest, TiedShortGroupsFallToTheBestEleven) {
  // Keepers and defenders both at 50: neither is strictly the shortest, so
  // the weakest of the eleven picked decides; the weak midfielder fills the
  // last midfield slot (position 5).
  Add({0, 1, 1, 6, 5, 6, 10, 11}, kStrong);
  const int16_t weak = Add({5}, kWeak)[0];
  Build();
  const int32_t need = FindSquadNeed(tw::kLeagueClub);
  EXPECT_EQ(need, RatePlayer(weak, 5));
  EXPECT_EQ(TransferWork.bidPosition, 5);
  EXPECT_EQ(TransferWork.searchAll, 0);
}

TEST_F(SquadPlanTest, AClubWithNobodyNeedsNobody) {
  Build();
  EXPECT_EQ(FindSquadNeed(tw::kLeagueClub), NO_SQUAD_NEED);
}

TEST_F(SquadPlanTest, RatingsWeighTheStatsOfThePosition) {
  // Midfield (5): abilities weigh 100 in all, physical stats 40, and 20 x
  // physical stat 11 is always added: 100 x 14 + 60 x 4 = 1,640.
  SetStats(23, 14, 4);
  const int16_t p = AddPlayer(tw::kLeagueClub, 5, 100, 40, 23);
  EXPECT_EQ(RatePlayer(p, 5), 1640);
  // In goal an outfield player's handling counts a quarter: 60 x 14 / 4 +
  // physical 60 x 4 + 10 x 4 + 10 x 4 + 10 x 14 (ability 6) + 20 x 4.
  EXPECT_EQ(RatePlayer(p, 0), 60 * 14 / 4 + 60 * 4 + 10 * 4 + 10 * 4 + 10 * 14 + 20 * 4);
  EXPECT_EQ(RatePlayer(p, 13), 0);
}

TEST_F(SquadPlanTest, TheWantedSizeFollowsTheBudget) {
  const struct {
    int32_t balance;
    int wanted;
  } cases[] = {{500000, 16}, {100000000, 26}};
  Add({0, 0, 1, 1, 2, 2, 6, 5, 6, 5, 10, 11}, kStrong);
  for (const auto& c : cases) {
    market::WriteBalance(tw::kLeagueClub, c.balance);
    Build();
    AnalyseSquad(tw::kLeagueClub);
    EXPECT_EQ(TransferWork.wanted, c.wanted) << c.balance;
    EXPECT_EQ(TransferWork.available, 12);
  }
}

TEST_F(SquadPlanTest, TheOnlyKeeperCoverIsNeverSurplus) {
  // Every outfield group exactly covered (100 %), so only a keeper could be
  // surplus; two keepers are the club's cover, a third makes the weakest spare.
  Add({1, 1, 2, 2, 6, 5, 6, 5, 10, 11}, kStrong);
  Add({0}, kStrong);
  const int16_t weakKeeper = Add({0}, kWeak)[0];
  Build();
  AnalyseSquad(tw::kLeagueClub);
  EXPECT_EQ(TransferWork.surplus, -1);
  const int16_t third = Add({0}, kMiddling)[0];
  Build();
  AnalyseSquad(tw::kLeagueClub);
  EXPECT_EQ(TransferWork.surplus, weakKeeper);
  EXPECT_NE(TransferWork.surplus, third);
}

TEST_F(SquadPlanTest, OneSurplusPlayerIsListedPerDay) {
  // 20 available players against a wanted size of 16.
  Add({0, 0, 0, 1, 1, 2, 2, 3, 6, 5, 6, 5, 7, 8, 10, 11, 12, 10, 11}, kStrong);
  const int16_t weakest = Add({7}, kWeak)[0];
  auto listed = [] {
    int n = 0;
    for (int16_t p = 0; p < PlayerCount; ++p)
      if (Player_GetClub(p) == tw::kLeagueClub && Player_GetTxList(p) != 0) ++n;
    return n;
  };
  for (int day = 1; day <= 3; ++day) {
    Build();
    AnalyseSquad(tw::kLeagueClub);
    const int16_t available = TransferWork.available;
    DecideTransferListings(tw::kLeagueClub);
    EXPECT_EQ(listed(), day);
    EXPECT_EQ(TransferWork.available, available - 1);
    if (day == 1) {
      EXPECT_NE(Player_GetTxList(weakest), 0);
    }
  }
}

TEST_F(SquadPlanTest, AShortSquadTakesListedPlayersBack) {
  const auto squad = Add({0, 0, 1, 1, 2, 2, 6, 5, 6, 5, 10, 11}, kStrong);
  Player_SetTxList(squad[3], 1);
  Build();
  AnalyseSquad(tw::kLeagueClub);
  EXPECT_EQ(TransferWork.available, 11);
  DecideTransferListings(tw::kLeagueClub);
  EXPECT_EQ(Player_GetTxList(squad[3]), 0);
  EXPECT_EQ(TransferWork.available, 12);
}

}  // namespace
