// The clubs' staff: who a vacant post takes from the market, what each budget
// hires, the human club's head coach, the weekly staff wages and the monthly
// contract countdown.
#include "clubsim/staffhire.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clubsim/market_world.h"
#include "clubsim/money.h"
#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/staffpool.h"
#include "clubsim/upkeep.h"
#include "clubsim/valuation.h"
#include "season/seam.h"
#include "world/funcs_finance.h"

namespace {

using market::BuildMarketWorld;
using market::MarketTest;
using market::WorldMoney;

constexpr int16_t kClub = tw::kLeagueClub;
constexpr int16_t kManager = tw::kFreeAgent;  // made the league club's manager
constexpr int kManagerPersonality = 9;

class StaffTest : public MarketTest {
 protected:
  void SetUp() override {
    MarketTest::SetUp();
    std::fill(std::begin(StaffCandidateAvailable), std::end(StaffCandidateAvailable), 1);
    Player_SetClub(kManager, kClub);
    Player_SetPosition(kManager, POSITION_MANAGER);
    Player_SetPersonalityStats(kManager, kManagerPersonality);
    SetYouthMinded(100);
  }

  static void SetYouthMinded(int stat21) {
    PlayerStatTables.personalityTemplate[kManagerPersonality][6] = static_cast<uint8_t>(stat21);
  }

  // The league club's only shirted player earns the stored wage given.
  static void SetSquadWage(int16_t storedWage) {
    Player_SetShirt(tw::kMidfielder, 1);
    Player_SetWage(tw::kMidfielder, storedWage);
  }

  // The posts the club holds, by kind, as level (0 vacant).
  static std::vector<int> Levels(int16_t club) {
    std::vector<int> levels;
    for (int16_t kind = 0; kind < NUM_STAFF_KINDS; ++kind) levels.push_back(GNW_GetClubStaffLevel(club, kind));
    return levels;
  }
};

TEST_F(StaffTest, TheAverageSquadWageCountsShirtedPaidPlayersOfTheClubOnly) {
  EXPECT_EQ(AverageSquadWage(kClub), NO_SQUAD_AVERAGE_WAGE);  // nobody wears a shirt
  SetSquadWage(36);
  EXPECT_EQ(AverageSquadWage(kClub), 900);
  const int16_t sub = market::AddPlayer(kClub, 4, 12, 40);
  Player_SetShirt(sub, 16);
  EXPECT_EQ(AverageSquadWage(kClub), (900 + 300) / 2);
  // Shirt 17 and up, a manager and a player on loan do not count.
  const int16_t loaned = market::AddPlayer(kClub, 4, 400, 40);
  Player_SetShirt(loaned, 2);
  Player_SetOnLoan(loaned, 1);
  Player_SetShirt(kManager, 3);
  EXPECT_EQ(AverageSquadWage(kClub), 600);
}

TEST_F(StaffTest, AVacantPostTakesTheBestPaidCandidateBelowTheAverageWageFromTheDivisionsLeastLevel) {
  const struct {
    const char* what;
    int division;
    int16_t storedWage;  // of the one shirted player; 0 none shirted
    int level;           // hired, 0 nobody
  } cases[] = {
      {"900 a week, division 3: level 4 (750)", 3, 36, 4},
      {"900 a week, division 1 (from level 4)", 1, 36, 4},
      {"900 a week, top division (from level 5, 1,000)", 0, 36, 0},
      {"1,000 a week: 1,000 is not below it", 3, 40, 4},
      {"1,025 a week", 3, 41, 5},
      {"300 a week, division 3 takes level 2", 3, 12, 2},
      {"200 a week, division 3: level 2 costs 250", 3, 8, 0},
      {"200 a week, division 4 takes level 1", 4, 8, 1},
      {"300 a week, division 5 from level 0", 5, 12, 2},
      {"nobody in a shirt: 50,000 buys the best", 0, 0, 10},
      {"paid nothing: no wage is below 0", 3, -1, 0},
      {"outside the league (division 6)", 6, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Club_SetDivision(kClub, c.division);
    Club_SetCoach(kClub, 0);
    Club_SetCoachContract(kClub, 0);
    Player_SetShirt(tw::kMidfielder, 0);
    if (c.storedWage > 0) SetSquadWage(c.storedWage);
    if (c.storedWage < 0) SetSquadWage(0);
    EXPECT_EQ(HireStaff_Coach(kClub), c.level != 0 ? 1 : 0);
    EXPECT_EQ(Club_GetCoach(kClub), c.level);
    EXPECT_EQ(Club_GetCoachContract(kClub), c.level != 0 ? STAFF_NEW_CONTRACT : 0);
  }
}

TEST_F(StaffTest, OnlyCandidatesOnTheMarketAreHiredAndTheMarketKeepsThem) {
  SetSquadWage(36);
  Club_SetDivision(kClub, 3);
  // Kind 5 (physio) level 4 is candidate 5 * 10 + 3.
  StaffCandidateAvailable[53] = 0;
  EXPECT_EQ(HireStaff_Physio(kClub), 1);
  EXPECT_EQ(Club_GetPhysio(kClub), 3);
  EXPECT_EQ(StaffCandidateAvailable[52], 1);
  EXPECT_EQ(HireStaff(tw::kHumanClub, STAFF_PHYSIO), 1);  // the same man, twice
  // A kind outside the market's hires nobody.
  EXPECT_EQ(HireStaff(kClub, 11), 0);
  EXPECT_EQ(HireStaff(kClub, -1), 0);
}

TEST_F(StaffTest, TheMarketsFirstCandidateIsHiredLikeAnyOther) {
  // Candidate 0 is the level-1 head coach.
  std::fill(std::begin(StaffCandidateAvailable), std::end(StaffCandidateAvailable), 0);
  StaffCandidateAvailable[0] = 1;
  Club_SetDivision(kClub, 4);
  SetSquadWage(8);  // 200 a week: a level-1 coach (100) fits
  EXPECT_EQ(HireStaff_Coach(kClub), 1);
  EXPECT_EQ(Club_GetCoach(kClub), 1);
}

TEST_F(StaffTest, AFilledPostIsKeptWhateverTheBudget) {
  Club_SetPhysio(kClub, 2);
  Club_SetPhysioContract(kClub, 5);
  Club_SetCoach(kClub, 0);  // a post whose contract has not run out is filled at any level
  Club_SetCoachContract(kClub, 1);
  for (int32_t budget : {100000, 50000000}) {
    SCOPED_TRACE(budget);
    HireStaffForBudget(kClub, budget, kManager);
    EXPECT_EQ(Club_GetPhysio(kClub), 2);
    EXPECT_EQ(Club_GetPhysioContract(kClub), 5);
    EXPECT_EQ(Club_GetCoach(kClub), 0);
    EXPECT_EQ(Club_GetCoachContract(kClub), 1);
  }
  EXPECT_EQ(Club_GetCoachDF(kClub), 10);  // a vacant post of the rich band was filled
}

TEST_F(StaffTest, EachBudgetBandHiresItsPosts) {
  enum : int { C = 1 << STAFF_COACH, GK = 1 << STAFF_COACH_GK, DF = 1 << STAFF_COACH_DF, MD = 1 << STAFF_COACH_MD,
               FW = 1 << STAFF_COACH_FW, PH = 1 << STAFF_PHYSIO, YC = 1 << STAFF_YDO, DI = 1 << STAFF_DIETITION,
               YS = 1 << STAFF_COACH_YOUTH, PS = 1 << STAFF_PSYCHO, FH = 1 << STAFF_FAITH };
  const struct {
    int32_t budget;
    int stat21;
    int posts;
  } cases[] = {
      {49999, 200, 0},
      {50000, 100, C},
      {50000, 160, C},
      {50000, 161, C | YS | YC},
      {99999, 161, C | YS | YC},
      {100000, 100, C | PH},
      {249999, 161, C | PH | YS | YC},
      {250000, 100, PH | DF | MD | FW},
      {250000, 161, PH | DF | MD | FW | YS | YC},
      {500000, 100, PH | GK | DF | MD | FW},
      {999999, 161, PH | GK | DF | MD | FW | YS | YC},
      {1000000, 39, PH | GK | DF | MD | FW},
      {1000000, 40, PH | GK | DF | MD | FW | YS},
      {4999999, 161, PH | GK | DF | MD | FW | YS | YC},
      {5000000, 39, PH | GK | DF | MD | FW},
      {5000000, 40, PH | GK | DF | MD | FW | YS | YC},
      {10000000, 39, PH | GK | DF | MD | FW | DI},
      {19999999, 40, PH | GK | DF | MD | FW | DI | YS | YC},
      {20000000, 39, PH | GK | DF | MD | FW | DI | PS | FH},
      {20000000, 255, PH | GK | DF | MD | FW | DI | PS | FH | YS | YC},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.budget << " with stat 21 at " << c.stat21);
    for (int16_t kind = 0; kind < NUM_STAFF_KINDS; ++kind) {
      GNW_SetClubStaffLevel(kClub, kind, 0);
      GNW_SetClubStaffContract(kClub, kind, 0);
    }
    SetYouthMinded(c.stat21);
    HireStaffForBudget(kClub, c.budget, kManager);
    int posts = 0;
    for (int16_t kind = 0; kind < NUM_STAFF_KINDS; ++kind)
      if (GNW_GetClubStaffContract(kClub, kind) != 0) posts |= 1 << kind;
    EXPECT_EQ(posts, c.posts);
  }
  // Without a manager nobody is hired.
  HireStaffForBudget(tw::kHumanClub, 50000000, NO_MANAGER_PLAYER);
  EXPECT_EQ(Levels(tw::kHumanClub), std::vector<int>(NUM_STAFF_KINDS, 0));
}

TEST_F(StaffTest, TheMonthlyHiringGoesByTheSpendingBudget) {
  // Budget = (balance - 125 x the squad's stored wages) / 100 x 75; the
  // midfielder earns 200 (stored): 25,000 kept back.
  SetSquadWage(200);
  const struct {
    int32_t balance;
    bool hires;
  } cases[] = {{25000 + 66700, true},   // 50,025
               {25000 + 66699, false},  // 49,950, the budget just below
               {25000 + 66600, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.balance);
    Club_SetCoach(kClub, 0);
    Club_SetCoachContract(kClub, 0);
    Club_SetBalance(kClub, c.balance);
    ComputerClubsHireStaff();
    EXPECT_EQ(GetClubSpendingBudget(kClub) >= STAFF_HIRING_MIN_BUDGET, c.hires);
    EXPECT_EQ(Club_GetCoachContract(kClub) != 0, c.hires);
    EXPECT_EQ(CurrentManager, kManager);
  }
}

TEST_F(StaffTest, TheMonthlyHiringPassesOverClubsWithTheClauseOrWithoutAManagerOrOutsideTheLeague) {
  const struct {
    const char* what;
    void (*set)();
  } cases[] = {
      {"the hiring clause", [] { Club_SetHiringClause(kClub, 1); }},
      {"no manager", [] { Player_SetClub(kManager, PLAYER_CLUB_NONE); }},
      {"division 6", [] { Club_SetDivision(kClub, 6); }},
      {"another country", [] { Club_SetCountry(kClub, 1); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BuildMarketWorld();
    std::fill(std::begin(StaffCandidateAvailable), std::end(StaffCandidateAvailable), 1);
    Player_SetClub(kManager, kClub);
    Player_SetPosition(kManager, POSITION_MANAGER);
    Club_SetBalance(kClub, 5000000);
    c.set();
    ComputerClubsHireStaff();
    EXPECT_EQ(Levels(kClub), std::vector<int>(NUM_STAFF_KINDS, 0));
  }
  // With none of them the club hires.
  BuildMarketWorld();
  std::fill(std::begin(StaffCandidateAvailable), std::end(StaffCandidateAvailable), 1);
  Player_SetClub(kManager, kClub);
  Player_SetPosition(kManager, POSITION_MANAGER);
  Club_SetBalance(kClub, 5000000);
  Club_SetHiringClause(tw::kHumanClub, 1);
  ClubSimCounts_Clear();
  ComputerClubsHireStaff();
  EXPECT_EQ(Club_GetPhysioContract(kClub), STAFF_NEW_CONTRACT);
  EXPECT_EQ(ClubSimCount.staffHired, 5);
}

TEST_F(StaffTest, AHumanRunClubGetsAHeadCoachOnAThreeMonthContract) {
  HumanClubsAppointCoach();
  EXPECT_EQ(Club_GetCoach(tw::kHumanClub), 10);  // nobody in a shirt: the best
  EXPECT_EQ(Club_GetCoachContract(tw::kHumanClub), HUMAN_COACH_CONTRACT);
  EXPECT_EQ(Club_GetCoachContract(kClub), 0);  // computer-run
  // A coach already there stays, his contract cut to three months.
  Club_SetCoach(tw::kHumanClub, 2);
  Club_SetCoachContract(tw::kHumanClub, 9);
  HumanClubsAppointCoach();
  EXPECT_EQ(Club_GetCoach(tw::kHumanClub), 2);
  EXPECT_EQ(Club_GetCoachContract(tw::kHumanClub), HUMAN_COACH_CONTRACT);
}

TEST_F(StaffTest, LeagueClubsPayTheirStaffToThePool) {
  Club_SetCoach(kClub, 4);  // 750
  Club_SetCoachContract(kClub, 3);
  Club_SetPhysio(kClub, 2);  // 250
  Club_SetPhysioContract(kClub, 1);
  Club_SetDietition(kClub, 7);  // vacant: its contract has run out
  Club_SetFaith(tw::kHumanClub, 8);  // 2,500
  Club_SetFaithContract(tw::kHumanClub, 12);
  Club_SetWeeksCoachingStaffWages(kClub, 100);
  Club_SetCoachContract(tw::kOutsideClub, 5);  // outside the league: nobody's wage bill here
  Club_SetCoach(tw::kOutsideClub, 10);
  const int64_t before = WorldMoney();
  const int32_t pool = MoneyPool;
  PayStaffWages();
  EXPECT_EQ(Club_GetBalance(kClub), 500000 - 1000);
  EXPECT_EQ(Club_GetWeeksCoachingStaffWages(kClub), 1100);
  EXPECT_EQ(Club_GetBalance(tw::kHumanClub), 1000000 - 2500);
  EXPECT_EQ(HumanWagesPaid, 2500);
  EXPECT_EQ(MoneyPool, pool + 3500);
  EXPECT_EQ(WorldMoney(), before);
  EXPECT_EQ(Club_GetPhysioContract(kClub), 1);  // the countdown is another step's
}

TEST_F(StaffTest, TheWeeklyWagesPayTheStaffToo) {
  Postdate = 300;
  Club_SetCoach(kClub, 4);
  Club_SetCoachContract(kClub, 3);
  DayOfSeason = Postdate + 36;  // long after the season: no wages at all
  PayWeeklyWages();
  EXPECT_EQ(Club_GetBalance(kClub), 500000);
  DayOfSeason = 100;
  PayWeeklyWages();
  EXPECT_EQ(Club_GetBalance(kClub), 500000 - 200 * 25 - 750);
}

TEST_F(StaffTest, AClubDeepInDebtPaysNoStaffWhoLeaveAtTheNextCountdown) {
  // Division 1's debt limit is 2,000,000.
  Club_SetCoach(kClub, 4);
  Club_SetCoachContract(kClub, 9);
  Club_SetYDO(kClub, 3);
  Club_SetYDOContract(kClub, 4);
  market::WriteBalance(kClub, -2000001);
  const int32_t pool = MoneyPool;
  PayStaffWages();
  EXPECT_EQ(MoneyPool, pool);
  EXPECT_EQ(Club_GetBalance(kClub), -2000001);
  EXPECT_EQ(Club_GetCoachContract(kClub), 1);
  EXPECT_EQ(Club_GetYDOContract(kClub), 1);
  EXPECT_EQ(Club_GetPhysioContract(kClub), 0);
  StaffContractCountdown();
  EXPECT_EQ(Club_GetCoach(kClub), 0);
  EXPECT_EQ(Club_GetYDO(kClub), 0);

  // At the limit itself the club still pays.
  Club_SetCoach(kClub, 4);
  Club_SetCoachContract(kClub, 9);
  market::WriteBalance(kClub, -2000000);
  PayStaffWages();
  EXPECT_EQ(Club_GetCoachContract(kClub), 9);
  EXPECT_EQ(MoneyPool, pool + 750);
}

TEST_F(StaffTest, ContractsRunDownAMonthAndAHumanClubWithTheClauseHearsWhoLeft) {
  Club_SetHiringClause(tw::kHumanClub, 1);
  Club_SetPhysio(tw::kHumanClub, 6);
  Club_SetPhysioContract(tw::kHumanClub, 1);
  Club_SetCoachYouth(tw::kHumanClub, 5);
  Club_SetCoachYouthContract(tw::kHumanClub, 2);
  Club_SetCoach(kClub, 3);
  Club_SetCoachContract(kClub, 1);
  StaffContractCountdown();
  EXPECT_EQ(Club_GetPhysio(tw::kHumanClub), 0);
  EXPECT_EQ(Club_GetPhysioContract(tw::kHumanClub), 0);
  EXPECT_EQ(Club_GetCoachYouth(tw::kHumanClub), 5);
  EXPECT_EQ(Club_GetCoachYouthContract(tw::kHumanClub), 1);
  EXPECT_EQ(Club_GetCoach(kClub), 0);
  const std::vector<std::string> shown = market::ShownNews();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "Our Physio has left the club after completing his contract.");

  // Without the clause the human manager is not told.
  Club_SetHiringClause(tw::kHumanClub, 0);
  MenuPrims_ClearCalls();
  StaffContractCountdown();
  EXPECT_EQ(Club_GetCoachYouth(tw::kHumanClub), 0);
  EXPECT_TRUE(market::ShownNews().empty());
}

}  // namespace

namespace {

TEST_F(StaffTest, TheGameConnectsTheStaffSteps) {
  Seam_ConnectGame();
  EXPECT_EQ(ClubSim.staffContractCountdown, &StaffContractCountdown);
  ClubSim.humanClubsAppointCoach(0);
  EXPECT_EQ(Club_GetCoachContract(tw::kHumanClub), HUMAN_COACH_CONTRACT);
  Club_SetBalance(kClub, 5000000);
  ClubSim.computerClubsHireStaff(0, 0);
  EXPECT_EQ(Club_GetPhysioContract(kClub), STAFF_NEW_CONTRACT);
  // The weekly wages pay the staff.
  EXPECT_EQ(ClubSim.weeklyWagePayments, &PayWeeklyWages);
}

}  // namespace
