// The club money events: sponsorship, a board member's stake, a new
// chairman's windfall and the levy on rich clubs, interest, the bail-out and
// the levy on very rich clubs. Every event keeps the world's money.
#include "clubsim/money.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clubsim/grounds.h"
#include "clubsim/market_world.h"
#include "clubsim/simcounts.h"
#include "clubsim/squadlist.h"
#include "clubsim/valuation.h"
#include "engine/rand.h"
#include "season/seam.h"

namespace {

using market::IsNewsOfKind;
using market::BuildMarketWorld;
using market::MarketTest;
using market::ShownNews;
using market::WorldMoney;
using market::WriteBalance;

constexpr int16_t kClub = tw::kLeagueClub;  // computer-run, division 1
constexpr int16_t kHuman = tw::kHumanClub;  // division 0
constexpr int16_t kManager = tw::kFreeAgent;  // made the league club's manager

class MoneyTest : public MarketTest {
 protected:
  void SetUp() override {
    MarketTest::SetUp();
    Player_SetClub(kManager, kClub);
    Player_SetPosition(kManager, POSITION_MANAGER);
    Player_SetWage(kManager, 300);
    MoneyRate2 = POOL_TAX_BASE;
    InterestRate = 0;
  }
};

bool InRow(int division, int32_t amount) {
  for (int32_t w : WindfallTable[division])
    if (w == amount) return true;
  return false;
}

// ---- a board member's stake ----

TEST_F(MoneyTest, OnlyAComputerClubAboveSixtyTwoMillionLosesABoardMembersStake) {
  const struct {
    int32_t balance;
    bool loses;
  } cases[] = {{62000000, false}, {62000001, true}, {134000000, true}};
  for (uint32_t seed = 1; seed <= 10; ++seed) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.balance << " seed " << seed);
      GameSeedRandom(seed);
      Club_SetBalance(kClub, c.balance);
      Club_SetBalance(kHuman, 70000000);  // human-run: never
      const int64_t before = WorldMoney();
      BoardResignationEvent();
      const int64_t stake = int64_t{c.balance} - Club_GetBalance(kClub);
      if (c.loses) {
        EXPECT_GE(stake, int64_t{c.balance} * 10 / 100);
        EXPECT_LE(stake, int64_t{c.balance} * 24 / 100);
      } else {
        EXPECT_EQ(stake, 0);
      }
      EXPECT_EQ(Club_GetBalance(kHuman), 70000000);
      EXPECT_EQ(WorldMoney(), before);
    }
  }
}

// ---- a new chairman ----

TEST_F(MoneyTest, ANewChairmanBringsALeagueClubItsDivisionsWindfall) {
  int humanWindfalls = 0;
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    BuildMarketWorld();
    GameSeedRandom(seed);
    const int64_t before = WorldMoney();
    NewChairmanWindfallEvent();
    EXPECT_EQ(ClubSimCount.windfalls, 1);
    const int32_t humanGain = Club_GetBalance(kHuman) - 1000000;
    const int32_t clubGain = Club_GetBalance(kClub) - 500000;
    ASSERT_TRUE((humanGain == 0) != (clubGain == 0));
    if (humanGain != 0) {
      ++humanWindfalls;
      EXPECT_TRUE(InRow(0, humanGain));
      EXPECT_EQ(Club_GetMiscIn(kHuman), humanGain);
      EXPECT_EQ(HumanWindfallTotal, humanGain);
      const std::vector<std::string> shown = ShownNews();
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_TRUE(IsNewsOfKind(shown[0], 9)) << shown[0];
    } else {
      EXPECT_TRUE(InRow(1, clubGain));
      EXPECT_EQ(Club_GetMiscIn(kClub), clubGain);
      EXPECT_EQ(HumanWindfallTotal, 0);
      EXPECT_TRUE(ShownNews().empty());
    }
    EXPECT_EQ(WorldMoney(), before);
  }
  EXPECT_GT(humanWindfalls, 0);
  EXPECT_LT(humanWindfalls, 20);
}

TEST_F(MoneyTest, WithoutALeagueClubNoChairmanIsSought) {
  Club_SetDivision(kHuman, 6);
  Club_SetDivision(kClub, 6);
  const int32_t pool = MoneyPool;
  NewChairmanWindfallEvent();  // returns
  EXPECT_EQ(MoneyPool, pool);
  EXPECT_EQ(ClubSimCount.windfalls, 0);
}

TEST_F(MoneyTest, TheWindfallLevyThresholdFallsWithThePoolTax) {
  const struct {
    int poolTax;
    int32_t balance;
  } cases[] = {{15, 62000000}, {15, 62000001}, {20, 59500000}, {20, 59500001}, {16, 61500000}, {16, 61500001}};
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << "pool tax " << c.poolTax << ", " << c.balance << ", seed " << seed);
      BuildMarketWorld();
      MoneyRate2 = static_cast<uint8_t>(c.poolTax);
      Club_SetBalance(kClub, c.balance);
      Club_SetBalance(kHuman, 100000000);  // human-run: never levied
      GameSeedRandom(seed);
      const int64_t before = WorldMoney();
      NewChairmanWindfallEvent();
      // The club may have had the windfall first.
      const int64_t threshold = 62000000 - (c.poolTax - 15) * int64_t{500000};
      const bool levied = c.balance + int64_t{Club_GetMiscIn(kClub)} > threshold;
      if (levied) {
        EXPECT_TRUE(InRow(1, Club_GetMiscOut(kClub))) << Club_GetMiscOut(kClub);
      } else {
        EXPECT_EQ(Club_GetMiscOut(kClub), 0);
      }
      EXPECT_EQ(Club_GetBalance(kClub), c.balance + Club_GetMiscIn(kClub) - Club_GetMiscOut(kClub));
      EXPECT_EQ(Club_GetMiscOut(kHuman), 0);
      EXPECT_EQ(WorldMoney(), before);
    }
  }
}

// ---- interest, debt and the very rich ----

TEST_F(MoneyTest, AnOverdrawnClubPaysInterest) {
  InterestRate = 10;
  WriteBalance(kClub, -3000000);
  const int32_t pool = MoneyPool;
  const int64_t before = WorldMoney();
  ApplyClubInterestAndDebt();
  EXPECT_EQ(MoneyPool, pool + 300000);
  // The balance floor leaves the club at nothing, the rest booked as come into the world.
  EXPECT_EQ(Club_GetBalance(kClub), 0);
  EXPECT_EQ(WorldMoney(), before);
  EXPECT_EQ(ClubSimCount.bailouts, 0);
}

TEST_F(MoneyTest, AHumanClubStillOverdrawnHearsOfItsFinances) {
  WriteBalance(kHuman, -1000);  // no interest at a rate of 0: the club stays overdrawn
  ApplyClubInterestAndDebt();
  EXPECT_EQ(Club_GetBalance(kHuman), -1000);
  const std::vector<std::string> shown = ShownNews();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(IsNewsOfKind(shown[0], 137)) << shown[0];
}

class BailOutTest : public MoneyTest {
 protected:
  void SetUp() override {
    MoneyTest::SetUp();
    Club_SetDivision(kClub, 4);  // debt limit 50,000
    market::SetStats(3, 90, 90);
    for (int i = 0; i < 4; ++i) market::AddPlayer(kClub, 5 + i, 100, 60, 3);
    market::AddPlayer(kClub, 9, 0, 60, 3);  // unpaid: his value does not count
  }

  // Half the value of the club's listed paid players.
  static int64_t HalfValue() {
    BuildClubSquadList(kClub);
    int64_t total = 0;
    for (int i = 0; i < SquadListLength; ++i)
      if (Player_GetWage(SquadList[i]) != 0) total += GetPlayerValue(SquadList[i]);
    return total / 2;
  }
};

TEST_F(BailOutTest, AClubWhoseSquadCannotCoverItsDebtIsBailedOutAndItsManagerSacked) {
  const int64_t half = HalfValue();
  ASSERT_GT(half, 50000);
  const struct {
    int poolTax;
    int64_t debt;
    bool bailed;
  } cases[] = {{15, half, false}, {15, half + 1, true}, {20, half + 1, true}, {15, 50000, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "debt " << c.debt << ", pool tax " << c.poolTax);
    Player_SetClub(kManager, kClub);
    Player_SetWage(kManager, 300);
    Club_SetControl(kClub, 1);  // even a human-run club
    Club_SetMiscIn(kClub, 0);
    ClubSimCounts_Clear();
    MoneyRate2 = static_cast<uint8_t>(c.poolTax);
    WriteBalance(kClub, static_cast<int32_t>(-c.debt));
    const int64_t before = WorldMoney();
    ApplyClubInterestAndDebt();
    const int64_t rescue = c.bailed ? c.debt * 2 * (100 - 5 * (c.poolTax - 15)) / 100 : 0;
    EXPECT_EQ(Club_GetBalance(kClub), -c.debt + rescue);
    EXPECT_EQ(Club_GetMiscIn(kClub), rescue);
    EXPECT_EQ(ClubSimCount.bailouts, c.bailed ? 1 : 0);
    EXPECT_EQ(Player_GetClub(kManager), c.bailed ? PLAYER_CLUB_NONE : kClub);
    // The sacked manager's wage field names the club he left.
    EXPECT_EQ(Player_GetWage(kManager), c.bailed ? kClub : 300);
    EXPECT_EQ(Club_GetControl(kClub), c.bailed ? 0 : 1);
    EXPECT_EQ(WorldMoney(), before);
  }
}

TEST_F(BailOutTest, TheBailOutOfAClubOfOneHundredAndThirtyFourMillionsDebtIsWorkedOutIn64Bits) {
  Club_SetDivision(kClub, 0);
  WriteBalance(kClub, -134000000);
  const int64_t before = WorldMoney();
  ApplyClubInterestAndDebt();
  // 134,000,000 x 2 x 100 is past what 32 bits hold: the club is rescued
  // to 134,000,000, and so rich it pays the levy of 10-24 % at once.
  EXPECT_EQ(ClubSimCount.bailouts, 1);
  EXPECT_LE(Club_GetBalance(kClub), 134000000 - 13400000);
  EXPECT_GE(Club_GetBalance(kClub), 134000000 - 32160000);
  EXPECT_EQ(WorldMoney(), before);
}

TEST_F(BailOutTest, APlayingManagerLeavesWithHisWageAndHisFlags) {
  Player_SetManager(kManager, 0);
  Player_SetPosition(kManager, 7);
  Player_SetBossvane(kManager, 1);
  Player_SetCaretaker(kManager, 1);
  WriteBalance(kClub, static_cast<int32_t>(-HalfValue() - 1));
  ApplyClubInterestAndDebt();
  EXPECT_EQ(Player_GetClub(kManager), PLAYER_CLUB_NONE);
  EXPECT_EQ(Player_GetWage(kManager), 300);
  EXPECT_EQ(Player_GetBossvane(kManager), 0);
  EXPECT_EQ(Player_GetCaretaker(kManager), 0);
}

TEST_F(MoneyTest, AClubAboveEightyMillionPaysALevy) {
  const struct {
    int16_t club;
    int32_t balance;
    bool levied;
  } cases[] = {{kClub, 80000000, false}, {kClub, 80000001, true}, {kHuman, 134000000, true}};
  for (uint32_t seed = 1; seed <= 10; ++seed) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.balance << " seed " << seed);
      GameSeedRandom(seed);
      HumanOutgoingsTotal = 0;
      Club_SetBalance(kClub, 1000000);
      Club_SetBalance(kHuman, 1000000);
      Club_SetBalance(c.club, c.balance);
      const int64_t before = WorldMoney();
      ApplyClubInterestAndDebt();
      const int64_t levy = int64_t{c.balance} - Club_GetBalance(c.club);
      if (c.levied) {
        EXPECT_GE(levy, int64_t{c.balance} * 10 / 100);
        EXPECT_LE(levy, int64_t{c.balance} * 24 / 100);
      } else {
        EXPECT_EQ(levy, 0);
      }
      EXPECT_EQ(HumanOutgoingsTotal, c.club == kHuman ? levy : 0);
      EXPECT_EQ(WorldMoney(), before);
    }
  }
}

// ---- sponsorship ----

class SponsorshipTest : public MoneyTest {
 protected:
  void SetUp() override {
    MoneyTest::SetUp();
    // The board's scores: rank 12, finance 16; a season without games has form 30.
    ClubSim.calcRepRankScore = [](int16_t) -> int16_t { return 12; };
    ClubSim.calcFinanceScore = [](int16_t) -> int16_t { return 16; };
    Player_SetReputation(tw::kHumanManager, 40);
  }
};

TEST_F(SponsorshipTest, ATopDivisionClubWithScoresTwelveThirtyAndSixteenGetsTwoMillionNineHundredThousand) {
  LeagueTable[kHuman].position = 0;  // first
  Club_SetRepPlace(kHuman, 1);
  const int64_t before = WorldMoney();
  const int32_t pool = MoneyPool;
  PayClubSponsorship();
  EXPECT_EQ(Club_GetWeeksSponsorship(kHuman), 2900000);
  EXPECT_EQ(Club_GetBalance(kHuman), 1000000 + 2900000);
  EXPECT_EQ(HumanSponsorshipTotal, 2900000);
  // Division 1: 4,000,000 / 200 a point.
  EXPECT_EQ(Club_GetWeeksSponsorship(kClub), 58 * 20000);
  EXPECT_EQ(Club_GetBalance(kClub), 500000 + 58 * 20000);
  EXPECT_EQ(MoneyPool, pool - 2900000 - 58 * 20000);
  EXPECT_EQ(WorldMoney(), before);
  const std::vector<std::string> shown = ShownNews();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(IsNewsOfKind(shown[0], 100)) << shown[0];
  EXPECT_EQ(Player_GetReputation(tw::kHumanManager), 40);
}

TEST_F(SponsorshipTest, AHumanClubBelowItsExpectedPlaceCostsItsManagerAPointAPlace) {
  LeagueTable[kHuman].position = 4;  // fifth
  Club_SetRepPlace(kHuman, 2);
  PayClubSponsorship();
  EXPECT_EQ(Club_GetBalance(kHuman), 1000000 + 2900000);  // paid all the same
  EXPECT_EQ(HumanSponsorshipTotal, 0);
  EXPECT_TRUE(ShownNews().empty());
  EXPECT_EQ(Player_GetReputation(tw::kHumanManager), 37);
}

}  // namespace

namespace {

TEST_F(MoneyTest, TheGameConnectsTheMoneyAndGroundSteps) {
  Seam_ConnectGame();
  EXPECT_EQ(ClubSim.boardResignationEvent, &BoardResignationEvent);
  EXPECT_EQ(ClubSim.newChairmanWindfallEvent, &NewChairmanWindfallEvent);
  EXPECT_EQ(ClubSim.applyClubInterestAndDebt, &ApplyClubInterestAndDebt);
  EXPECT_EQ(ClubSim.payClubSponsorship, &PayClubSponsorship);
  EXPECT_EQ(ClubSim.clubsYearEndGroundUpdate, &ClubsYearEndGroundUpdate);
  EXPECT_EQ(ClubSim.humanGroundRedevelopment, &HumanGroundRedevelopment);
}

}  // namespace
