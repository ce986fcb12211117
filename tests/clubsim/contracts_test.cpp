#include "clubsim/contracts.h"

#include <cstdint>
#include <string>

#include "clubsim/clubsvc.h"
#include "clubsim/market_world.h"
#include "clubsim/squadlist.h"

namespace {

using market::AddPlayer;
using market::MarketTest;
using market::SetPersonality;

// Club 1 (division 1, rank 2 of the two league clubs) with 20 available
// players, every one shirted and paid 400 units (10,000 a week), and a
// manager of personality stat 16 = 100.
class TermsTest : public MarketTest {
 protected:
  static constexpr int kManagerTraits = 1;
  int16_t manager = -1;
  int16_t player = -1;  // 24 years old, shirt 5, contract 24
  void SetUp() override {
    MarketTest::SetUp();
    SetPersonality(kManagerTraits, 100, 0, 0, 0);
    manager = AddPlayer(tw::kLeagueClub, POSITION_MANAGER, 0, 60, 0, kManagerTraits);
    Player_SetWage(tw::kMidfielder, 400);
    Player_SetShirt(tw::kMidfielder, 1);
    for (int i = 0; i < 19; ++i) Player_SetShirt(AddPlayer(tw::kLeagueClub, 7, 400, 40), 1 + i % 16);
    player = static_cast<int16_t>(PlayerCount - 1);
    Player_SetShirt(player, 5);
    BuildClubSquadList(tw::kLeagueClub);
    BuildClubSquadList(tw::kHumanClub);  // three players: short
  }
};

TEST_F(TermsTest, ContractLengthsRewardStartersAndShrinkWithTheMonthsLeft) {
  ASSERT_EQ(getsquadsize(tw::kLeagueClub), 20);
  const struct {
    const char* what;
    int16_t club;
    int storedAge, shirt, contract;
    int16_t months;
  } cases[] = {
      {"a 30-year-old starter out of contract", tw::kLeagueClub, 14, 5, 0, 36},
      {"8 months left: nothing missing", tw::kLeagueClub, 14, 5, 8, 36},
      {"2 months left: 36 - 4 = 32, cut to 24", tw::kLeagueClub, 14, 5, 2, 24},
      {"a substitute with 24 months", tw::kLeagueClub, 14, 14, 24, 24},
      {"a substitute with 1 month left: 24 - 5 = 19, cut to 12", tw::kLeagueClub, 14, 14, 1, 12},
      {"a substitute out of contract", tw::kLeagueClub, 14, 14, 0, 24},
      {"no shirt", tw::kLeagueClub, 14, 0, 0, 12},
      {"32 still counts", tw::kLeagueClub, 16, 5, 24, 36},
      {"33 gets a year", tw::kLeagueClub, 17, 5, 24, 12},
      {"a club short of players gives a year", tw::kHumanClub, 14, 5, 24, 12},
      {"no club", PLAYER_CLUB_FREE_AGENT, 14, 5, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Player_SetAge(player, c.storedAge);
    Player_SetShirt(player, c.shirt);
    Player_SetContract(player, c.contract);
    EXPECT_EQ(ContractLength(player, c.club), c.months);
  }
  // A starter of another club at a club of 20: nothing missing.
  Player_SetClub(tw::kItalian, tw::kForeignClub);
  Player_SetAge(tw::kItalian, 14);
  Player_SetShirt(tw::kItalian, 3);
  Player_SetContract(tw::kItalian, 0);
  EXPECT_EQ(ContractLength(tw::kItalian, tw::kLeagueClub), 36);
}

TEST_F(TermsTest, AClubThatIsNotKeenCapsTheWageItOffers) {
  // Curve 249, reputation 63: he asks 37,872 a week. The club's average is
  // 10,000: with a manager of stat 16 = 100 a share of 50 % at 0 months run.
  Player_SetAbilityCurve(player, 249);
  Player_SetReputation(player, 63);
  ASSERT_EQ(GetPlayerWageDemand(player, tw::kLeagueClub), 37872);
  const struct {
    const char* what;
    int16_t club;
    int contract, shirt, notForSale;
    int32_t wage;
  } cases[] = {
      {"2 x 5,000 + 10,000", tw::kLeagueClub, 24, 5, 0, 20000},
      {"12 months run: share 122 %, 2 x 12,200 + 10,000", tw::kLeagueClub, 12, 5, 0, 34400},
      {"a starter with 5 months left: keen", tw::kLeagueClub, 5, 5, 0, 37872},
      {"not for sale: keen", tw::kLeagueClub, 24, 5, 1, 37872},
      {"a club short of players: keen", tw::kHumanClub, 24, 5, 0, 37872},
      {"a foreign club averages his own demand", tw::kForeignClub, 24, 5, 0, 37872},
      {"no club offers 1", PLAYER_CLUB_RESERVE_POOL, 24, 5, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Player_SetContract(player, c.contract);
    Player_SetShirt(player, c.shirt);
    Player_SetSaleStatus(player, c.notForSale);
    EXPECT_EQ(OfferedWage(player, c.club), c.wage);
  }
  // A modest demand is met in full.
  Player_SetAbilityCurve(player, 0);
  Player_SetReputation(player, 0);
  Player_SetSaleStatus(player, 0);
  EXPECT_EQ(OfferedWage(player, tw::kLeagueClub), 50);
}

// ---- the player's answer ----

// Offers judged with two league clubs: club 0 ranks first (rank score 50),
// club 1 second (rank score 0). Curve 0: he asks 50 a week and rates 0.
class OfferTest : public MarketTest {
 protected:
  static constexpr int kManagerTraits = 5;
  static constexpr int kPlayerTraits = 6;
  int16_t player = -1;
  void SetUp() override {
    MarketTest::SetUp();
    Player_SetPersonalityStats(tw::kHumanManager, kManagerTraits);
    Manager(50);
    player = AddPlayer(tw::kHumanClub, 11, 2, 60, 0, kPlayerTraits);
    Traits(50, 100);
  }
  static void Manager(int stat17) { SetPersonality(kManagerTraits, 0, stat17, 0, 0); }
  static void Traits(int stat17, int stat18) { SetPersonality(kPlayerTraits, 0, stat17, stat18, 0); }
};

TEST_F(OfferTest, ARenewalWeighsMoraleWagesAmbitionAndRank) {
  const struct {
    const char* what;
    int morale, presentWage, curve, contract, managerStat17, stat18, months, br, rr;
    int32_t wage;
    int16_t result, patience;
  } cases[] = {
      {"content and paid as he asks", 60, 2, 0, 24, 50, 100, 12, 0, 0, 50, 36, 0},
      {"unhappy (83 against 50)", 12, 2, 0, 24, 50, 100, 12, 0, 0, 50, 0, 33},
      {"unhappy but tolerant", 12, 2, 0, 24, 50, 200, 12, 0, 0, 50, 36, 0},
      {"a pay cut of 125 against 100", 60, 6, 0, 24, 50, 100, 12, 0, 0, 25, 0, 25},
      // Curve 63 rates 50, the club's rank score: the rank test is even.
      {"an ambitious manager, four years in all", 36, 2, 63, 36, 100, 100, 12, 1, 1, 50, 0, 75},
      {"an ambitious manager, under four years", 36, 2, 63, 30, 100, 100, 12, 1, 1, 50, 42, 0},
      {"a long contract without the release clause", 36, 2, 63, 12, 100, 100, 24, 1, 0, 50, 0, 25},
      {"with the release clause", 36, 2, 63, 12, 100, 100, 24, 1, 1, 50, 36, 0},
      {"too good for the club without the buy-out clause", 36, 2, 249, 24, 50, 100, 12, 0, 0, 17712, 0, 298},
      {"with the buy-out clause", 36, 2, 249, 24, 50, 100, 12, 1, 0, 17712, 36, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Player_SetMorale(player, c.morale);
    Player_SetWage(player, c.presentWage);
    Player_SetAbilityCurve(player, c.curve);
    Player_SetContract(player, c.contract);
    Manager(c.managerStat17);
    Traits(50, c.stat18);
    int16_t patience = -1;
    EXPECT_EQ(EvaluateContractOffer(player, tw::kHumanClub, c.months, c.br, c.rr, c.wage, &patience), c.result);
    EXPECT_EQ(patience, c.patience);
    EXPECT_EQ(Player_GetContract(player), c.contract);  // judging changes nothing
  }
}

TEST_F(OfferTest, AMoveWeighsTheClubsStandingsAndTheFreePlayerIsEasyToSign) {
  const struct {
    const char* what;
    int16_t from;
    int rep1, morale, presentWage, curve, stat18, under;  // under: the offer's shortfall on his demand
    int16_t result, patience;
  } cases[] = {
      // A free player starts at -250: the rank test's 2 x (ab - 0) decides.
      {"a free player, 250 against", PLAYER_CLUB_FREE_AGENT, 30, 60, 0, 157, 0, 0, 12, 0},
      {"a free player, 252 against", PLAYER_CLUB_FREE_AGENT, 30, 60, 0, 158, 0, 0, 0, 2},
      // From club 0 (standing 1 + 20 - 40 = -19) to club 1 (2 - rep): 398 against.
      {"to a club 30 stronger: tolerance 100 - 120", tw::kHumanClub, 51, 60, 4, 249, 0, 0, 0, 378},
      {"to a weaker club: tolerance 100 - 50", tw::kHumanClub, 10, 60, 4, 249, 0, 0, 0, 448},
      {"and unhappy: 10 less", tw::kHumanClub, 10, 20, 4, 249, 0, 0, 0, 438},
      // Club 1 is 9 stronger: tolerance 100 - 36.
      {"49 a week instead of 1,000", tw::kHumanClub, 30, 60, 40, 0, 0, 1, 0, 1015},
      {"a pay cut he asks for is no cut", tw::kHumanClub, 30, 60, 40, 0, 0, 0, 12, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Player_SetClub(player, c.from);
    Club_SetRep(tw::kLeagueClub, c.rep1);
    Player_SetMorale(player, c.morale);
    Player_SetWage(player, c.presentWage);
    Player_SetAbilityCurve(player, c.curve);
    Traits(50, c.stat18);
    const int32_t wage = GetPlayerWageDemand(player, tw::kLeagueClub) - c.under;
    int16_t patience = -1;
    EXPECT_EQ(EvaluateContractOffer(player, tw::kLeagueClub, 12, 0, 0, wage, &patience), c.result);
    EXPECT_EQ(patience, c.patience);
  }
}

TEST_F(OfferTest, ADealBeingClosedFollowsItsOwnRules) {
  const struct {
    const char* what;
    int16_t from;
    int rep1, morale, presentWage, curve, storedAge, careerApps, listed;
    int16_t result, patience;
  } cases[] = {
      // Offers of his demand; the free player starts at -250.
      {"the free player: the rank counts a quarter (63 against)", PLAYER_CLUB_FREE_AGENT, 30, 60, 0, 158, 8,
       100, 0, 12, 0},
      // Offers of 49 a week, one short of his demand; club 1 is 9 stronger:
      // tolerance 100 - 36.
      {"a pay cut of 951", tw::kHumanClub, 30, 60, 40, 0, 8, 100, 0, 0, 1015},
      {"a pay cut of 1,951", tw::kHumanClub, 30, 60, 80, 0, 8, 100, 0, 0, 2015},
      {"a pay cut of 1,951, transfer-listed: 1,000 for", tw::kHumanClub, 30, 60, 80, 0, 8, 100, 1, 0, 1015},
      {"a pay cut of 951, transfer-listed: he goes", tw::kHumanClub, 30, 60, 40, 0, 8, 100, 1, 12, 0},
      {"a pay cut at morale 10: he goes anyway", tw::kHumanClub, 30, 10, 40, 0, 8, 100, 0, 12, 0},
      // To a weaker club: tolerance 100 - 50.
      {"to a weaker club at 32: 200 less tolerance", tw::kHumanClub, 10, 60, 40, 0, 16, 100, 0, 0, 801},
      {"to a weaker club without appearances", tw::kHumanClub, 10, 60, 40, 0, 8, 0, 0, 0, 801},
      {"to a weaker club with appearances", tw::kHumanClub, 10, 60, 40, 0, 8, 100, 0, 0, 1001},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Player_SetClub(player, c.from);
    Club_SetRep(tw::kLeagueClub, c.rep1);
    Player_SetMorale(player, c.morale);
    Player_SetWage(player, c.presentWage);
    Player_SetAbilityCurve(player, c.curve);
    Player_SetAge(player, c.storedAge);
    Player_SetCareerApps(player, c.careerApps);
    Player_SetTxList(player, c.listed);
    Player_SetContract(player, 7);
    Traits(50, 0);
    const int32_t wage = GetPlayerWageDemand(player, tw::kLeagueClub) - (c.from == tw::kHumanClub ? 1 : 0);
    int16_t patience = -1;
    EXPECT_EQ(ConcludeContractOffer(player, tw::kLeagueClub, 12, 0, 1, wage, &patience), c.result);
    EXPECT_EQ(patience, c.patience);
    // Accepted: a contract of 12 months at the wage offered, with the clauses.
    EXPECT_EQ(Player_GetContract(player), c.result != 0 ? 12 : 7);
    if (c.result != 0) {
      EXPECT_EQ(Player_GetWage(player), wage / 25);
      EXPECT_EQ(Player_GetBRClause(player), 0);
      EXPECT_EQ(Player_GetRRClause(player), 1);
    }
  }
}

TEST_F(OfferTest, AConcludedRenewalAddsTheMonthsAndMakesTheNews) {
  const struct {
    const char* what;
    int contract, clause, months;
    int kind;  // -1 no news
  } cases[] = {
      {"an extension of 2 years", 6, 0, 24, 141},
      {"a new contract of 1 year", 0, 0, 12, 142},
      {"a 30-month deal is told as 2 years", 6, 0, 30, 141},
      {"a club with the contract clause keeps quiet", 6, 1, 24, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MenuPrims_ClearCalls();
    Player_SetContract(player, c.contract);
    Club_SetContractClause(tw::kHumanClub, c.clause);
    int16_t patience = -1;
    ASSERT_EQ(ConcludeContractOffer(player, tw::kHumanClub, c.months, 1, 1, 75, &patience), c.contract + c.months);
    EXPECT_EQ(Player_GetContract(player), c.contract + c.months);
    EXPECT_EQ(Player_GetWage(player), 3);
    const auto shown = market::ShownNews();
    if (c.kind < 0) {
      EXPECT_TRUE(shown.empty());
      continue;
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(market::IsNewsOfKind(shown[0], c.kind)) << shown[0];
    EXPECT_EQ(NewsArgs.numbers[0], c.months / 12);
    EXPECT_NE(shown[0].find(std::to_string(c.months / 12) + " year"), std::string::npos) << shown[0];
  }
}

// ---- renewals of a squad ----

// Club 0's three players, paid 2 units (50 a week, what they ask), once the
// market is open: the club is short of players, so every renewal carries
// both clauses and lasts a year.
class RenewalTest : public MarketTest {
 protected:
  void SetUp() override {
    MarketTest::SetUp();
    DayOfSeason = MarketStartDay();
    for (int16_t p : {tw::kKeeper, tw::kDefender, tw::kForward}) {
      Player_SetWage(p, 2);
      Player_SetContract(p, 6);
      Player_SetMorale(p, 60);
    }
    BuildClubSquadList(tw::kHumanClub);
  }
};

TEST_F(RenewalTest, PlayersRunningOutOfContractAreOfferedAYearWithBothClauses) {
  Player_SetContract(tw::kForward, 12);
  RenewSquadContracts(tw::kHumanClub);
  for (int16_t p : {tw::kKeeper, tw::kDefender}) {
    EXPECT_EQ(Player_GetContract(p), 18) << p;
    EXPECT_EQ(Player_GetBRClause(p), 1) << p;
    EXPECT_EQ(Player_GetRRClause(p), 1) << p;
    EXPECT_EQ(Player_GetWage(p), 2) << p;
  }
  EXPECT_EQ(Player_GetContract(tw::kForward), 12);  // a year left: not yet
  EXPECT_EQ(Player_GetBRClause(tw::kForward), 0);
  EXPECT_EQ(market::ShownNews().size(), 2u);  // the human club's extensions
}

TEST_F(RenewalTest, ListedAndOlderPlayersAreTreatedApart) {
  const struct {
    const char* what;
    int storedAge, shirt, listed, month, wage;
    int contract;  // afterwards
  } cases[] = {
      {"transfer-listed: no offer", 8, 0, 1, 6, 2, 6},
      {"unpaid: no offer", 8, 0, 0, 6, 0, 6},
      {"35 without a shirt or value: no offer", 19, 0, 0, 6, 2, 6},
      {"35 with a shirt: an offer", 19, 5, 0, 6, 2, 18},
      {"37 with a shirt: no offer", 21, 5, 0, 6, 2, 6},
      {"35 in August: three years, no offer needed", 19, 5, 0, 7, 2, 36},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int16_t p = tw::kKeeper;
    Player_SetAge(p, c.storedAge);
    Player_SetShirt(p, c.shirt);
    Player_SetTxList(p, c.listed);
    Player_SetWage(p, c.wage);
    Player_SetContract(p, 6);
    Month = static_cast<int16_t>(c.month);
    RenewSquadContracts(tw::kHumanClub);
    EXPECT_EQ(Player_GetContract(p), c.contract);
  }
  // A foreign club's veterans always get three years.
  Player_SetAge(tw::kItalian, 20);
  Player_SetContract(tw::kItalian, 3);
  Month = 2;
  RenewSquadContracts(tw::kForeignClub);
  EXPECT_EQ(Player_GetContract(tw::kItalian), 36);
}

}  // namespace
