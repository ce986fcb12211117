#include "clubsim/bids.h"

#include <cstdint>

#include "clubsim/market_world.h"

namespace {

using market::AddPlayer;
using market::IsNewsOfKind;
using market::MarketTest;
using market::SetPersonality;
using market::ShownNews;

// Deadline periods: days 100-120, 200-210 and 300 to 20 over the new year.
class AnswerDaysTest : public MarketTest {
 protected:
  void SetUp() override {
    MarketTest::SetUp();
    DeadlineDay1 = 100;
    WindowOpenDay1 = 120;
    DeadlineDay2 = 200;
    WindowOpenDay2 = 210;
    DeadlineDay3 = 300;
    WindowOpenDay3 = 20;
  }
};

TEST_F(AnswerDaysTest, DeadlinePeriodsHoldFromTheirFirstToTheirLastDay) {
  const struct {
    int period;
    int32_t day;
    bool inForce;
  } cases[] = {
      {0, 99, false}, {0, 100, true}, {0, 120, true}, {0, 121, false}, {1, 205, true},
      {2, 299, false}, {2, 300, true}, {2, 365, true}, {2, 10, true}, {2, 20, true}, {2, 21, false},
      {2, 100, false}, {-1, 110, false}, {3, 110, false},
  };
  for (const auto& c : cases) EXPECT_EQ(DeadlinePeriodInForce(c.period, c.day), c.inForce) << c.period << " " << c.day;
  // A period of one day holds that day only.
  DeadlineDay2 = WindowOpenDay2 = 250;
  EXPECT_TRUE(DeadlinePeriodInForce(1, 250));
  EXPECT_FALSE(DeadlinePeriodInForce(1, 251));
}

TEST_F(AnswerDaysTest, AnAnswerNeverFallsDueInsideADeadlinePeriod) {
  constexpr int kTraits = 3;
  const int16_t player = AddPlayer(tw::kLeagueClub, 5, 100, 60, 0, kTraits);
  const struct {
    const char* what;
    int morale, stat19, today;
    int days;
  } cases[] = {
      {"morale 60, stat 19 of 240: 14 days", 60, 240, 30, 14},
      {"stat 19 of 255 still 14", 60, 255, 30, 14},
      {"morale 30, stat 19 of 0: 1 day", 30, 0, 30, 1},
      {"morale 0 still gets a day", 0, 240, 30, 1},
      {"a period starting in 5 days", 60, 240, 95, 5},
      {"a period starting tomorrow", 60, 240, 99, 1},
      {"answered the day before a period", 60, 240, 85, 14},
      {"inside a period: tomorrow, not never", 60, 240, 105, 1},
      {"the period over the new year", 60, 240, 290, 10},
      {"due after the period over the new year ends", 60, 240, 15, 14},
  };
  int16_t slot = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Player_SetMorale(player, c.morale);
    SetPersonality(kTraits, 0, 0, 0, c.stat19);
    DayOfSeason = static_cast<int16_t>(c.today);
    BidInfo_Start(player, slot);
    EXPECT_EQ(BidInfo_GetPlayer(slot), player);
    EXPECT_EQ(BidInfo_GetDays(slot), c.days);
    ++slot;
  }
  BidInfo_Start(player, -1);
  BidInfo_Start(player, NUM_BID_INFOS);
  EXPECT_EQ(BidInfo_FindFreeSlot(), slot);
}

// ---- bid slots ----

using BidSlotTest = MarketTest;

TEST_F(BidSlotTest, AClubHoldsOneBidPerPositionGroup) {
  const struct {
    int16_t position;
    int slot;
  } cases[] = {{0, 0}, {1, 1}, {4, 1}, {5, 2}, {9, 2}, {10, 3}, {12, 3}, {13, -1}, {-1, -1}, {99, -1}};
  for (const auto& c : cases) EXPECT_EQ(BidSlotOfPosition(c.position), c.slot) << c.position;

  const int16_t keeper2 = AddPlayer(tw::kForeignClub, 0, 100, 40);
  EXPECT_EQ(MakeTransferOffer(tw::kLeagueClub, tw::kKeeper, 250000, 0, 1), tw::kKeeper);
  EXPECT_EQ(Club_GetBidPlayer(tw::kLeagueClub, 0), tw::kKeeper);
  EXPECT_EQ(Club_GetBidPrice(tw::kLeagueClub, 0), 2500);  // in hundreds
  EXPECT_EQ(Club_GetBidClause(tw::kLeagueClub, 0), 1);
  // A second keeper while the keeper slot is taken: refused, nothing changes.
  MenuPrims_ClearCalls();
  EXPECT_EQ(MakeTransferOffer(tw::kLeagueClub, keeper2, 900000, 0, 0), -1);
  EXPECT_EQ(Club_GetBidPlayer(tw::kLeagueClub, 0), tw::kKeeper);
  EXPECT_EQ(Club_GetBidPrice(tw::kLeagueClub, 0), 2500);
  EXPECT_TRUE(ShownNews().empty());
  // The same keeper bid for as a forward takes the forwards' slot.
  EXPECT_EQ(MakeTransferOffer(tw::kLeagueClub, tw::kKeeper, 300000, 11, 0), tw::kKeeper);
  EXPECT_EQ(Club_GetBidPlayer(tw::kLeagueClub, 3), tw::kKeeper);
}

TEST_F(BidSlotTest, APositionOutsideTheGroupsPlacesNothingAndSaysSo) {
  for (int16_t position : {int16_t{13}, int16_t{-1}, int16_t{200}}) {
    MenuPrims_ClearCalls();
    EXPECT_EQ(MakeTransferOffer(tw::kLeagueClub, tw::kForward, 500000, position, 0), -1) << position;
    for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot) EXPECT_EQ(Club_GetBidPlayer(tw::kLeagueClub, slot), -1);
    EXPECT_TRUE(ShownNews().empty());
  }
  EXPECT_EQ(MakeTransferOffer(PLAYER_CLUB_NONE, tw::kForward, 500000, 11, 0), -1);
}

TEST_F(BidSlotTest, EachKindOfBidMakesItsOwnNews) {
  const int16_t loanee = AddPlayer(tw::kHumanClub, 7, 100, 40);
  Player_SetLoanList(loanee, 1);
  const int16_t free = AddPlayer(PLAYER_CLUB_FREE_AGENT, 10, 0, 40);
  const struct {
    const char* what;
    int16_t bidder, player;
    int32_t price;
    int16_t position;
    int kind;
  } cases[] = {
      {"a fee", tw::kLeagueClub, tw::kKeeper, 250000, 0, 1},
      {"a loan bid", tw::kLeagueClub, loanee, LOAN_BID_PRICE, 7, 3},
      {"100 for a player not on the loan list is a fee", tw::kLeagueClub, tw::kForward, LOAN_BID_PRICE, 11, 1},
      {"a free transfer", tw::kLeagueClub, tw::kDefender, 0, 2, 2},
      {"a free player", tw::kHumanClub, free, 0, 10, 150},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MenuPrims_ClearCalls();
    ASSERT_EQ(MakeTransferOffer(c.bidder, c.player, c.price, c.position, 0), c.player);
    const auto shown = ShownNews();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(IsNewsOfKind(shown[0], c.kind)) << shown[0];
    EXPECT_EQ(NewsArgs.teams[0], c.bidder);
    EXPECT_EQ(NewsArgs.players[0], c.player);
  }
  // Bids between computer clubs concern nobody.
  MenuPrims_ClearCalls();
  EXPECT_EQ(MakeTransferOffer(tw::kForeignClub, tw::kMidfielder, 90000, 7, 0), tw::kMidfielder);
  EXPECT_TRUE(ShownNews().empty());
}

TEST_F(BidSlotTest, TheHumanClubHearsOfRivalsForItsTargets) {
  // A keeper in the human club's bid slots (who also plays for it, so that
  // the bid's own news concerns the human manager too).
  const int16_t target = AddPlayer(tw::kHumanClub, 0, 100, 40);
  Club_SetBid(tw::kHumanClub, 0, target, 1000, 0);
  MenuPrims_ClearCalls();
  ASSERT_EQ(MakeTransferOffer(tw::kLeagueClub, target, 150000, 0, 0), target);
  const auto shown = ShownNews();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_TRUE(IsNewsOfKind(shown[0], 156)) << shown[0];
  EXPECT_TRUE(IsNewsOfKind(shown[1], 1)) << shown[1];
  // A bid that finds its slot taken tells of no race.
  MenuPrims_ClearCalls();
  EXPECT_EQ(MakeTransferOffer(tw::kLeagueClub, target, 150000, 0, 0), -1);
  EXPECT_TRUE(ShownNews().empty());
}

TEST_F(BidSlotTest, BidsAreCountedAndWithdrawnPerClub) {
  Club_SetBid(tw::kLeagueClub, 0, tw::kKeeper, 10, 0);
  Club_SetBid(tw::kLeagueClub, 3, tw::kKeeper, 20, 1);
  Club_SetBid(tw::kLeagueClub, 2, tw::kMidfielder, 30, 0);
  Club_SetBid(tw::kForeignClub, 0, tw::kKeeper, 40, 0);
  Club_SetBid(249, 1, tw::kKeeper, 50, 0);

  EXPECT_EQ(ClubBid_CountForPlayer(tw::kHumanClub, tw::kKeeper), 4);
  EXPECT_EQ(ClubBid_CountForPlayer(tw::kLeagueClub, tw::kKeeper), 2);
  EXPECT_EQ(ClubBid_CountForPlayer(-1, tw::kMidfielder), 1);
  EXPECT_EQ(ClubBid_HasPlayer(tw::kLeagueClub, tw::kKeeper), -1);
  EXPECT_EQ(ClubBid_HasPlayer(tw::kHumanClub, tw::kKeeper), tw::kKeeper);

  ClubBid_WithdrawPlayer(tw::kLeagueClub, tw::kKeeper);
  EXPECT_EQ(Club_GetBidPlayer(tw::kLeagueClub, 0), -1);
  EXPECT_EQ(Club_GetBidPlayer(tw::kLeagueClub, 3), -1);
  EXPECT_EQ(Club_GetBidPrice(tw::kLeagueClub, 3), 0);
  EXPECT_EQ(Club_GetBidClause(tw::kLeagueClub, 3), 0);
  EXPECT_EQ(Club_GetBidPlayer(tw::kLeagueClub, 2), tw::kMidfielder);
  EXPECT_EQ(ClubBid_CountForPlayer(tw::kHumanClub, tw::kKeeper), 2);

  ClubBid_ClearAll(tw::kLeagueClub);
  EXPECT_EQ(Club_GetBidPlayer(tw::kLeagueClub, 2), -1);
  EXPECT_EQ(Club_GetBidPrice(tw::kLeagueClub, 2), 0);
  // Clubs outside the world hold no bids.
  ClubBid_WithdrawPlayer(250, tw::kKeeper);
  ClubBid_ClearAll(-1);
  EXPECT_EQ(ClubBid_HasPlayer(250, tw::kKeeper), tw::kKeeper);
  EXPECT_EQ(Club_GetBidPlayer(249, 1), tw::kKeeper);
}

}  // namespace
