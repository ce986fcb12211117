#include "world/funcs_finance.h"

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "clubsim/squadlist.h"
#include "clubsim/staffpool.h"
#include "engine/bytes.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/worldcheck.h"
#include "support/career_world.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/savegame.h"
#include "world/weeklyaccounts.h"

namespace {

using Setter = void (*)(int16_t, int32_t);
using Getter32 = int32_t (*)(int16_t);
using Getter16 = int16_t (*)(int16_t);

// The season's win bonuses have no setter: the match day adds to the field.
void SetSeasonWinBonuses(int16_t club, int32_t value) {
  StoreI32(GNW_GetClubRecord(club)->bytes + 4470 + 4 * 15, value);
}

// ---- money rounding, digits and thousands ----

TEST(FacadeMoneyTest, PricesKeepTwoFiguresAndRoundingGoesTowardZero) {
  struct {
    int32_t amount, price, to25, to100;
  } cases[] = {
      {0, 0, 0, 0},
      {999, 0, 975, 900},
      {1000, 1000, 1000, 1000},
      {9999, 9900, 9975, 9900},
      {12345, 12000, 12325, 12300},
      {123456, 120000, 123450, 123400},
      {999999, 990000, 999975, 999900},
      {10000000, 10000000, 10000000, 10000000},
      {19999999, 19000000, 19999975, 19999900},
      {INT32_MAX, 2147000000, 2147483625, 2147483600},
      {-30, 0, -25, 0},
      {-150, 0, -150, -100},
      {-5000, 0, -5000, -5000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GNW_RoundPriceDown(c.amount), c.price) << c.amount;
    EXPECT_EQ(GNW_RoundDownTo25(c.amount), c.to25) << c.amount;
    EXPECT_EQ(GNW_RoundDownTo100(c.amount), c.to100) << c.amount;
  }
}

TEST(FacadeMoneyTest, ThousandsAreSeparatedByCommas) {
  struct {
    int32_t amount;
    const char* text;
  } cases[] = {
      {0, "0"},           {-1, "0"},          {INT32_MIN, "0"},           {7, "7"},
      {999, "999"},       {1000, "1,000"},    {1000001, "1,000,001"},     {1234567, "1,234,567"},
      {20050, "20,050"},  {INT32_MAX, "2,147,483,647"},
  };
  for (const auto& c : cases) EXPECT_STREQ(GNW_FormatThousands(c.amount), c.text) << c.amount;
  EXPECT_EQ(GNW_FormatThousands(1), GNW_FormatThousands(2));  // one static buffer
}

class FacadeDigitsTest : public EngineTest {};

TEST_F(FacadeDigitsTest, AmountsSplitIntoTheDigitRows) {
  using Row = std::vector<int16_t>;
  auto row = [](int r) { return Row(MoneyDigits[r], MoneyDigits[r] + MONEY_DIGITS); };
  const Row untouched = {9, 9, 9, 9, 9, 9, 9, 9};
  struct {
    bool rounded;
    int16_t flag;
    int32_t first, second;
    Row row0, row1;
  } cases[] = {
      {false, 1, 12345678, 905, {1, 2, 3, 4, 5, 6, 7, 8}, {0, 0, 0, 0, 0, 9, 0, 5}},
      {false, 1, INT32_MAX, 0, {214, 7, 4, 8, 3, 6, 4, 7}, {0, 0, 0, 0, 0, 0, 0, 0}},
      {false, 0, 5, 77, {0, 0, 0, 0, 0, 0, 0, 5}, untouched},  // only flag 1 fills the second row
      {false, 2, 5, 77, {0, 0, 0, 0, 0, 0, 0, 5}, untouched},
      {false, 1, -1234, 0, {0, 0, 0, 0, -1, -2, -3, -4}, {0, 0, 0, 0, 0, 0, 0, 0}},
      {true, 1, 12345678, 199, {1, 2, 3, 4, 5, 6, 0, 0}, {0, 0, 0, 0, 0, 1, 0, 0}},
      {true, 0, 99, 12345678, {0, 0, 0, 0, 0, 0, 0, 0}, untouched},
  };
  for (const auto& c : cases) {
    for (auto& r : MoneyDigits)
      for (int16_t& digit : r) digit = 9;
    if (c.rounded)
      GNW_SplitMoneyDigitsRounded(c.flag, c.first, c.second);
    else
      GNW_SplitMoneyDigits(c.flag, c.first, c.second);
    EXPECT_EQ(row(0), c.row0) << c.first;
    EXPECT_EQ(row(1), c.row1) << c.second;
  }
}

// ---- the club's accounts ----

class FacadeFinanceTest : public WorldTest {};

TEST_F(FacadeFinanceTest, EachAccountFigureIsTheSumOfItsFields) {
  struct {
    const char* name;
    Getter32 get;
    std::vector<Setter> fields;
  } cases[] = {
      {"balance", GNW_GetClubBalance, {Club_SetBalance}},
      {"carried forward", GNW_GetClubBalanceCarriedForward, {Club_SetBalanceCarriedForward}},
      {"gate", GNW_GetClubGateReceipts, {Club_SetGateReceipts, Club_SetSeasonGateReceipts}},
      {"sales", GNW_GetClubSales, {Club_SetTotalSales, Club_SetSeasonSales}},
      {"sponsorship", GNW_GetClubSponsorship, {Club_SetSeasonSponsorship, Club_SetWeeksSponsorship}},
      {"tv", GNW_GetClubTVIncome, {Club_SetSeasonTVIncome, Club_SetWeeksTVIncome}},
      {"merchandising", GNW_GetClubMerchandising, {Club_SetSeasonMerchandising, Club_SetWeeksMerchandising}},
      {"misc in", GNW_GetClubMiscIncome,
       {Club_SetMiscIn, Club_SetSeasonRealAndFakeMiscellaneousIncome, Club_SetWeeksFakeMiscellaneousIncome}},
      {"signings", GNW_GetClubSignings, {Club_SetTotalSignings, Club_SetSeasonSignings}},
      {"player wages", GNW_GetClubPlayerWages, {Club_SetTotalWages, Club_SetSeasonPlayerWages}},
      {"win bonuses", GNW_GetClubWinBonuses, {SetSeasonWinBonuses, Club_SetWeeksWinBonuses}},
      {"coaching", GNW_GetClubCoachingStaffWages, {Club_SetSeasonCoachingStaffWages, Club_SetWeeksCoachingStaffWages}},
      {"ground staff", GNW_GetClubGroundStaffWages, {Club_SetSeasonGroundStaffWages, Club_SetWeeksGroundStaffWages}},
      {"maintenance", GNW_GetClubStadiumMaintenance,
       {Club_SetSeasonStadiumMaintenance, Club_SetWeeksStadiumMaintenance}},
      {"misc out", GNW_GetClubMiscExpenditure,
       {Club_SetMiscOut, Club_SetSeasonRealAndFakeMiscellaneousExpenditure, Club_SetWeeksFakeMiscellaneousExpenditure}},
  };
  const int16_t club = tw::kLeagueClub;
  for (const auto& c : cases) {
    int32_t value = 1000, expected = 0;
    for (Setter set : c.fields) {
      set(club, value);
      expected += value;
      value *= 7;
    }
    EXPECT_EQ(c.get(club), expected) << c.name;
    EXPECT_EQ(c.get(tw::kMinorClub), 0) << c.name;
    EXPECT_EQ(c.get(250), 0) << c.name;
    // The season's figure near the top of its word: the sum is kept, not wrapped.
    if (c.fields.size() > 1) {
      c.fields.back()(club, INT32_MAX);
      EXPECT_EQ(c.get(club), INT32_MAX) << c.name;
    }
  }
  EXPECT_EQ(GNW_GetClubBalance(tw::kHumanClub), 1000000);
}

TEST_F(FacadeFinanceTest, APaymentPairMovesMoneyAndMakesNone) {
  struct {
    int16_t club;
    int32_t amount;
    int32_t balanceAfter;  // the club's own balance (0 for a club the pool stands for)
  } cases[] = {
      {tw::kHumanClub, -300000, 700000},   // a league club pays the pool
      {tw::kLeagueClub, 250000, 750000},   // and is paid
      {tw::kForeignClub, -100000, 2000000},  // a foreign club's money is the pool's: nothing moves
      {tw::kMinorClub, 50000, 0},
      {255, 1000, 0},
  };
  for (const auto& c : cases) {
    const int32_t pool = MoneyPool;
    GNW_AddToClubBalance(c.club, c.amount);
    GNW_AddToClubBalance(255, -c.amount);
    if (c.club != 255) {
      EXPECT_EQ(GNW_GetClubBalance(c.club), c.balanceAfter) << c.club;
    }
    const bool league = c.club == tw::kHumanClub || c.club == tw::kLeagueClub;
    EXPECT_EQ(MoneyPool, league ? pool - c.amount : pool) << c.club;
    EXPECT_EQ(MoneyFlow_Total(), 0) << c.club;
  }
}

TEST_F(FacadeFinanceTest, WageBillIsTheListedPlayersWeeklyWages) {
  // Club 0: keeper 400, defender 300, forward 800 (the manager is not listed).
  EXPECT_EQ(GNW_GetClubWageBill(tw::kHumanClub), (400 + 300 + 800) * 25);
  EXPECT_EQ(SquadList[0], tw::kKeeper);  // the club's list was built
  EXPECT_EQ(GNW_GetClubWageBill(tw::kLeagueClub), 200 * 25);
  EXPECT_EQ(GNW_GetClubWageBill(tw::kMinorClub), 0);
  for (int16_t bad : {-1, -300, 250, 252, 255}) EXPECT_EQ(GNW_GetClubWageBill(bad), 0) << bad;
  // Outside the nine game countries no club has a database club.
  GameCountry = 9;
  EXPECT_EQ(GNW_GetClubWageBill(tw::kHumanClub), 0);
}

TEST_F(FacadeFinanceTest, WageAndBudgetLimitsAskTheClubSimulationWithTheSquadBuilt) {
  static int16_t listedFirst;
  ClubSim.calcClubMaxWage = [](int16_t club) -> int32_t {
    listedFirst = SquadList[0];
    return 1000 + club;
  };
  ClubSim.getClubSpendingBudget = [](int16_t club) -> int32_t {
    listedFirst = SquadList[0];
    return 2000 + club;
  };
  listedFirst = -2;
  EXPECT_EQ(GNW_GetClubMaxWage(tw::kLeagueClub), 1001);
  EXPECT_EQ(listedFirst, tw::kMidfielder);
  listedFirst = -2;
  EXPECT_EQ(GNW_GetClubSpendingBudget(tw::kHumanClub), 2000);
  EXPECT_EQ(listedFirst, tw::kKeeper);
  for (int16_t bad : {-1, 250, 255}) {
    EXPECT_EQ(GNW_GetClubMaxWage(bad), 0) << bad;
    EXPECT_EQ(GNW_GetClubSpendingBudget(bad), 0) << bad;
  }
}

TEST_F(FacadeFinanceTest, TheWeeksAccountIsHandedOutInStoredOrder) {
  WeeklyAccounts.weekStartBalance = 123456;
  for (int i = 0; i < WEEKLY_FIGURES; ++i) WeeklyAccounts.figures[i] = (i + 1) * 100;
  int32_t in[5] = {-1, -1, -1, -1, -1}, out[4] = {-1, -1, -1, -1};
  EXPECT_EQ(GNW_GetWeekStartBalance(), 123456);
  EXPECT_EQ(GNW_GetWeeklyIncome(&in[0], &in[1], &in[2], &in[3], &in[4]), 1500);
  EXPECT_EQ(GNW_GetWeeklyExpenditure(&out[0], &out[1], &out[2], &out[3]), 3000);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(in[i], (i + 1) * 100);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(out[i], (i + 6) * 100);
  // Outs may be left out; large figures do not wrap.
  WeeklyAccounts.figures[0] = WeeklyAccounts.figures[1] = INT32_MAX;
  EXPECT_EQ(GNW_GetWeeklyIncome(nullptr, nullptr, nullptr, nullptr, nullptr), INT32_MAX);
  WeeklyAccounts.figures[5] = WeeklyAccounts.figures[6] = INT32_MIN;
  EXPECT_EQ(GNW_GetWeeklyExpenditure(nullptr, nullptr, nullptr, nullptr), INT32_MIN);
}

TEST_F(FacadeFinanceTest, CrowdsOfTheSeasonHistory) {
  Club_SetAvgAtt(tw::kLeagueClub, 23456);
  Club_SetSeasonAvgAtt(tw::kLeagueClub, 3, 34567);
  EXPECT_EQ(GNW_GetClubAvgAtt(tw::kLeagueClub), 23456);
  EXPECT_EQ(GNW_GetClubHistoryMoney(tw::kLeagueClub, 3), 34567);
  for (int16_t block : {-1, 10}) EXPECT_EQ(GNW_GetClubHistoryMoney(tw::kLeagueClub, block), 0) << block;
  EXPECT_EQ(GNW_GetClubHistoryMoney(tw::kMinorClub, 3), 0);
  EXPECT_EQ(GNW_GetClubHistoryMoney(-1, 3), 0);
}

TEST_F(FacadeFinanceTest, ANegativeClubEndsTheProgramWithTheFirstFieldsMessage) {
  struct {
    std::function<void()> call;
    const char* message;
  } cases[] = {
      {[] { GNW_GetClubBalance(-1); }, "Trying to get Balance of neg club : '-1'"},
      {[] { GNW_GetClubGateReceipts(-2); }, "Trying to get Gate Receipts of neg club : '-2'"},
      {[] { GNW_GetClubWinBonuses(-3); }, "Trying to get SeasonWinBonuses of neg club : '-3'"},
      {[] { GNW_GetClubStaffLevel(-4, STAFF_FAITH); }, "Trying to get Faith of neg Club : '-4'"},
      {[] { GNW_GetGroundRedevelopmentCost(-5); }, "Trying to get Stadium clause of neg club : '-5'"},
  };
  for (const auto& c : cases) EXPECT_FATAL_EXIT(c.call(), c.message);
}

// ---- staff ----

TEST_F(FacadeFinanceTest, StaffPostsByKindAreTheNamedPosts) {
  struct {
    int16_t kind;
    Getter16 level, contract;
  } posts[] = {
      {STAFF_COACH, GNW_GetClubCoach, GNW_GetClubCoachContract},
      {STAFF_COACH_GK, GNW_GetClubCoachGK, GNW_GetClubCoachGKContract},
      {STAFF_COACH_DF, GNW_GetClubCoachDF, GNW_GetClubCoachDFContract},
      {STAFF_COACH_MD, GNW_GetClubCoachMD, GNW_GetClubCoachMDContract},
      {STAFF_COACH_FW, GNW_GetClubCoachFW, GNW_GetClubCoachFWContract},
      {STAFF_PHYSIO, GNW_GetClubPhysio, GNW_GetClubPhysioContract},
      {STAFF_YDO, GNW_GetClubYDO, GNW_GetClubYDOContract},
      {STAFF_DIETITION, GNW_GetClubDietition, GNW_GetClubDietitionContract},
      {STAFF_COACH_YOUTH, GNW_GetClubCoachYouth, GNW_GetClubCoachYouthContract},
      {STAFF_PSYCHO, GNW_GetClubPsycho, GNW_GetClubPsychoContract},
      {STAFF_FAITH, GNW_GetClubFaith, GNW_GetClubFaithContract},
  };
  const int16_t club = tw::kHumanClub;
  for (const auto& p : posts) {
    GNW_SetClubStaffLevel(club, p.kind, static_cast<int16_t>(p.kind % 10 + 1));
    GNW_SetClubStaffContract(club, p.kind, static_cast<int16_t>(p.kind + 1));
  }
  for (const auto& p : posts) {
    EXPECT_EQ(p.level(club), p.kind % 10 + 1) << p.kind;
    EXPECT_EQ(p.contract(club), p.kind + 1) << p.kind;
    EXPECT_EQ(GNW_GetClubStaffLevel(club, p.kind), p.kind % 10 + 1) << p.kind;
    EXPECT_EQ(GNW_GetClubStaffContract(club, p.kind), p.kind + 1) << p.kind;
    // A minor club: levels from its reputation (33 / 6), contracts 1.
    EXPECT_EQ(p.level(tw::kMinorClub), 5) << p.kind;
    EXPECT_EQ(p.contract(tw::kMinorClub), 1) << p.kind;
  }
  // The named setters, and the limits of the record.
  GNW_SetClubFaith(club, 14);
  GNW_SetClubFaithContract(club, 30);
  GNW_SetClubCoachYouthContract(club, -3);
  EXPECT_EQ(GNW_GetClubFaith(club), 10);
  EXPECT_EQ(GNW_GetClubFaithContract(club), 12);
  EXPECT_EQ(GNW_GetClubCoachYouthContract(club), 0);
  // Kinds outside the eleven.
  for (int16_t kind : {-1, 11, 300}) {
    EXPECT_EQ(GNW_GetClubStaffLevel(club, kind), 0) << kind;
    EXPECT_EQ(GNW_GetClubStaffContract(club, kind), 0) << kind;
    GNW_SetClubStaffLevel(club, kind, 3);
    GNW_SetClubStaffContract(club, kind, 3);
  }
  for (const auto& p : posts) EXPECT_EQ(p.level(club), p.kind == STAFF_FAITH ? 10 : p.kind % 10 + 1) << p.kind;
}

TEST_F(FacadeFinanceTest, StaffWagesAndTheHiringPool) {
  const int16_t wages[] = {0, 100, 250, 500, 750, 1000, 1500, 2000, 2500, 3500, 5000};
  for (int16_t level = 0; level <= 10; ++level) EXPECT_EQ(GNW_GetStaffWage(level), wages[level]) << level;
  for (int16_t bad : {-1, 11, 32767}) EXPECT_EQ(GNW_GetStaffWage(bad), 0) << bad;

  StaffCandidateAvailable[37] = 1;
  struct {
    int16_t candidate, kind, level, available;
  } cases[] = {
      {0, 0, 1, 0}, {37, 3, 8, 1}, {89, 8, 10, 0}, {90, 9, 8, 0}, {91, 10, 8, 0},
      {92, -1, -1, 0}, {-1, -1, -1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GNW_GetStaffCandidateKind(c.candidate), c.kind) << c.candidate;
    EXPECT_EQ(GNW_GetStaffCandidateLevel(c.candidate), c.level) << c.candidate;
    EXPECT_EQ(GNW_IsStaffCandidateAvailable(c.candidate), c.available) << c.candidate;
  }
}

// ---- stadium ----

TEST_F(FacadeFinanceTest, StandsAndStandProjects) {
  struct {
    Getter16 capacity, style;
    void (*setCapacity)(int16_t, int16_t);
    void (*setStyle)(int16_t, int16_t);
    int16_t minorCapacity, minorStyle;
  } stands[] = {
      {GNW_GetClubStand1Capacity, GNW_GetClubStand1Style, GNW_SetClubStand1Capacity, GNW_SetClubStand1Style, 20, 3},
      {GNW_GetClubStand2Capacity, GNW_GetClubStand2Style, GNW_SetClubStand2Capacity, GNW_SetClubStand2Style, 0, 0},
      {GNW_GetClubStand3Capacity, GNW_GetClubStand3Style, GNW_SetClubStand3Capacity, GNW_SetClubStand3Style, 12, 5},
      {GNW_GetClubStand4Capacity, GNW_GetClubStand4Style, GNW_SetClubStand4Capacity, GNW_SetClubStand4Style, 0, 0},
  };
  for (int s = 0; s < NUM_STANDS; ++s) {
    const auto& st = stands[s];
    EXPECT_EQ(st.capacity(tw::kMinorClub), st.minorCapacity) << s;
    EXPECT_EQ(st.style(tw::kMinorClub), st.minorStyle) << s;
    st.setCapacity(tw::kLeagueClub, static_cast<int16_t>(10 + s));
    st.setStyle(tw::kLeagueClub, static_cast<int16_t>(s + 1));
  }
  for (int s = 0; s < NUM_STANDS; ++s) {
    EXPECT_EQ(stands[s].capacity(tw::kLeagueClub), 10 + s) << s;
    EXPECT_EQ(stands[s].style(tw::kLeagueClub), s + 1) << s;
  }
  stands[2].setCapacity(tw::kLeagueClub, 40);
  stands[2].setStyle(tw::kLeagueClub, 9);
  EXPECT_EQ(stands[2].capacity(tw::kLeagueClub), 31);
  EXPECT_EQ(stands[2].style(tw::kLeagueClub), 7);

  struct {
    int16_t project;
    int32_t cost;
    int16_t value1, value2, value3;
  } projects[] = {
      {0, 200000, 0, 2000, 1000},       {1, 500000, 0, 4000, 2000},     {2, 1000000, 100, 8000, 4000},
      {3, 1500000, 120, 10000, 6000},   {4, 2500000, 160, 12000, 8000}, {5, 5000000, 200, 16000, 10000},
      {6, 8000000, 240, 20000, 14000},  {7, 12000000, 300, 29000, 20000},
      {-1, 0, 0, 0, 0},                 {8, 0, 0, 0, 0},
  };
  for (const auto& p : projects) {
    EXPECT_EQ(GNW_GetStandProjectCost(p.project), p.cost) << p.project;
    EXPECT_EQ(GNW_GetStandProjectValue1(p.project), p.value1) << p.project;
    EXPECT_EQ(GNW_GetStandProjectValue2(p.project), p.value2) << p.project;
    EXPECT_EQ(GNW_GetStandProjectValue3(p.project), p.value3) << p.project;
  }
}

TEST_F(FacadeFinanceTest, TheHumanManagersStandPlans) {
  for (int16_t stand = 0; stand < NUM_STANDS; ++stand) {
    StandPlan* plan = GNW_GetStandProjectEntry(1, stand);
    ASSERT_EQ(plan, &GroundRedevelopment[0][stand]);
    EXPECT_EQ(plan->project, NO_STAND_PROJECT);  // no plans at start
    EXPECT_EQ(plan->progress, 0);
    EXPECT_EQ(GNW_GetStandProjectProgressAddr(1, stand), &plan->progress);
    plan->previous = static_cast<int16_t>(stand + 3);
    EXPECT_EQ(GNW_GetStandProjectPrevious(1, stand), stand + 3);
  }
  const int16_t outside[][2] = {{0, 0}, {2, 0}, {-1, 1}, {1, -1}, {1, 4}};
  for (const auto& o : outside) {
    EXPECT_EQ(GNW_GetStandProjectEntry(o[0], o[1]), nullptr) << o[0] << "," << o[1];
    EXPECT_EQ(GNW_GetStandProjectProgressAddr(o[0], o[1]), nullptr) << o[0] << "," << o[1];
    EXPECT_EQ(GNW_GetStandProjectPrevious(o[0], o[1]), 0) << o[0] << "," << o[1];
  }
}

TEST_F(FacadeFinanceTest, RedevelopmentCostOfThePlans) {
  const int16_t club = tw::kHumanClub;
  const int16_t styles[NUM_STANDS] = {2, 3, 0, 7};
  void (*setStyle[NUM_STANDS])(int16_t, int16_t) = {GNW_SetClubStand1Style, GNW_SetClubStand2Style,
                                                    GNW_SetClubStand3Style, GNW_SetClubStand4Style};
  for (int s = 0; s < NUM_STANDS; ++s) setStyle[s](club, styles[s]);
  struct Case {
    const char* name;
    StandPlan plans[NUM_STANDS];
    int32_t cost;
  } cases[] = {
      {"no plans", {{-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}}, 0},
      // A project: its price and its own cost per thousand seats.
      {"project", {{4, 2, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}}, 2500000 + 2 * 160 * 1000},
      // No project: the extra seats at the cost of the stand's style (3: 120; 0: nothing).
      {"extra seats", {{-1, 0, 0}, {-1, 3, 0}, {-1, 5, 0}, {-1, 0, 0}}, 3 * 120 * 1000},
      {"all four",
       {{0, 1, 0}, {-1, 2, 5}, {1, 0, 0}, {-1, 1, 0}},
       200000 + 0 + 2 * 120 * 1000 + 500000 + 1 * 300 * 1000},
      // A project the table does not have counts as none.
      {"damaged project", {{9, 2, 0}, {-7, 1, 0}, {-1, 0, 0}, {-1, 0, 0}}, 2 * 100 * 1000 + 1 * 120 * 1000},
      // Past 32 bits: worked out in 64 and kept at the top of the int32.
      {"huge", {{7, 32767, 0}, {-1, 32767, 0}, {-1, 0, 0}, {-1, 0, 0}}, INT32_MAX},
  };
  Club_SetStadiumClause(club, 1);
  for (const Case& c : cases) {
    for (int s = 0; s < NUM_STANDS; ++s) GroundRedevelopment[0][s] = c.plans[s];
    EXPECT_EQ(GNW_GetGroundRedevelopmentCost(club), c.cost) << c.name;
  }
  // No stadium clause, or no human manager: no plans to cost.
  Club_SetStadiumClause(club, 0);
  EXPECT_EQ(GNW_GetGroundRedevelopmentCost(club), -1);
  Club_SetStadiumClause(tw::kLeagueClub, 1);
  EXPECT_EQ(GNW_GetGroundRedevelopmentCost(tw::kLeagueClub), -1);  // computer-run: row -1
  EXPECT_EQ(GNW_GetGroundRedevelopmentCost(tw::kMinorClub), -1);
  EXPECT_EQ(GNW_GetGroundRedevelopmentCost(250), -1);
}

TEST_F(FacadeFinanceTest, RedevelopmentRunsForTheHumanManagersClub) {
  GNW_RunGroundRedevelopment(1);
  ASSERT_EQ(Seam_CountCalls("HumanGroundRedevelopment"), 1);
  EXPECT_EQ(Seam_Calls().back().args, std::vector<int32_t>{tw::kHumanClub});
  for (int16_t manager : {0, 2, -1}) GNW_RunGroundRedevelopment(manager);  // none runs a club
  EXPECT_EQ(Seam_CountCalls("HumanGroundRedevelopment"), 1);
}

TEST_F(FacadeFinanceTest, ThePlansAreSavedAsLittleEndianWords) {
  for (int s = 0; s < NUM_STANDS; ++s)
    GroundRedevelopment[0][s] = StandPlan{static_cast<int16_t>(s == 2 ? -1 : s + 4), static_cast<int16_t>(300 * s),
                                          static_cast<int16_t>(-s)};
  uint8_t bytes[GROUND_REDEVELOPMENT_SIZE];
  GroundRedevelopment_Pack(bytes);
  for (int s = 0; s < NUM_STANDS; ++s) {
    EXPECT_EQ(LoadI16(bytes + 6 * s), GroundRedevelopment[0][s].project) << s;
    EXPECT_EQ(LoadI16(bytes + 6 * s + 2), 300 * s) << s;
    EXPECT_EQ(LoadI16(bytes + 6 * s + 4), -s) << s;
  }
  EXPECT_EQ(bytes[12], 0xFF);  // stand 2: no project
  EXPECT_EQ(bytes[13], 0xFF);

  // The game file carries them as its block 58.
  constexpr int kPlansBlock = 58;
  ASSERT_EQ(SaveFile_BlockSize(SAVE_FILE_GAME, kPlansBlock), GROUND_REDEVELOPMENT_SIZE);
  size_t offset = 0;
  for (int b = 0; b < kPlansBlock; ++b) offset += static_cast<size_t>(SaveFile_BlockSize(SAVE_FILE_GAME, b));
  const std::vector<uint8_t> image = SaveFile_WorldImage(SAVE_FILE_GAME);
  EXPECT_EQ(std::vector<uint8_t>(image.begin() + offset, image.begin() + offset + GROUND_REDEVELOPMENT_SIZE),
            std::vector<uint8_t>(bytes, bytes + GROUND_REDEVELOPMENT_SIZE));

  GroundRedevelopment_Clear();
  EXPECT_EQ(GroundRedevelopment[0][1].project, NO_STAND_PROJECT);
  GroundRedevelopment_Unpack(bytes);
  for (int s = 0; s < NUM_STANDS; ++s) {
    EXPECT_EQ(GroundRedevelopment[0][s].project, s == 2 ? -1 : s + 4) << s;
    EXPECT_EQ(GroundRedevelopment[0][s].progress, 300 * s) << s;
    EXPECT_EQ(GroundRedevelopment[0][s].previous, -s) << s;
  }
}

TEST_F(FacadeFinanceTest, FinanceFactorsOfTheGameCountrysDivisions) {
  const int16_t factors[9][6] = {
      {20, 8, 5, 4, 3, 3},  {20, 8, 5, 4, 4, 4},  {20, 10, 8, 8, 4, 4},
      {20, 10, 4, 4, 4, 4}, {20, 10, 8, 6, 4, 4}, {20, 10, 4, 4, 4, 4},
      {20, 10, 8, 6, 6, 4}, {20, 10, 4, 4, 4, 4}, {20, 10, 4, 4, 4, 4},
  };
  for (int country = 0; country < 9; ++country) {
    GameCountry = static_cast<int8_t>(country);
    for (int16_t d = 0; d < 6; ++d) EXPECT_EQ(GNW_GetDivisionFinanceFactor(d), factors[country][d]) << country;
    EXPECT_EQ(GNW_GetDivisionFinanceFactor(-1), 0) << country;
    EXPECT_EQ(GNW_GetDivisionFinanceFactor(6), 0) << country;
  }
  GameCountry = 9;
  EXPECT_EQ(GNW_GetDivisionFinanceFactor(0), 0);
}

// ---- board clauses, control, team figures ----

TEST_F(FacadeFinanceTest, BoardClausesAndControlAreBits) {
  struct {
    const char* name;
    Getter16 get;
    void (*set)(int16_t, int16_t);
  } bits[] = {
      {"bossvane", GNW_GetClubBossvaneClause, GNW_SetClubBossvaneClause},
      {"stadium", GNW_GetClubStadiumClause, GNW_SetClubStadiumClause},
      {"hiring", GNW_GetClubHiringClause, GNW_SetClubHiringClause},
      {"financial", GNW_GetClubFinancialClause, GNW_SetClubFinancialClause},
      {"training", GNW_GetClubTrainingClause, GNW_SetClubTrainingClause},
      {"contract", GNW_GetClubContractClause, GNW_SetClubContractClause},
      {"control", GNW_GetClubControl, GNW_SetClubControl},
  };
  const int16_t club = tw::kLeagueClub;
  for (const auto& b : bits) {
    const struct {
      int16_t value, kept;
    } values[] = {{1, 1}, {0, 0}, {5, 1}, {-3, 0}};
    for (const auto& v : values) {
      b.set(club, v.value);
      EXPECT_EQ(b.get(club), v.kept) << b.name << " " << v.value;
    }
    b.set(club, 1);
    // Each is a bit of its own.
    for (const auto& other : bits) {
      if (&other != &b) {
        EXPECT_EQ(other.get(club), &other < &b ? 1 : 0) << b.name << " / " << other.name;
      }
    }
    b.set(tw::kMinorClub, 1);
    EXPECT_EQ(b.get(tw::kMinorClub), 0) << b.name;
  }
}

TEST_F(FacadeFinanceTest, SetPiecesAndTeamwork) {
  Club_SetSetPieces1(tw::kLeagueClub, 11);
  Club_SetSetPieces2(tw::kLeagueClub, 22);
  Club_SetSetPieces3(tw::kLeagueClub, 33);
  Club_SetTeamwork(tw::kLeagueClub, 44);
  struct {
    Getter16 get;
    int16_t full, minor;
  } cases[] = {
      {GNW_GetClubSetPieceProficiency1, 11, 33},  // a minor club: its reputation
      {GNW_GetClubSetPieceProficiency2, 22, 60},
      {GNW_GetClubSetPieceProficiency3, 33, 60},
      {GNW_GetClubTeamwork, 44, 33},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.get(tw::kLeagueClub), c.full);
    EXPECT_EQ(c.get(tw::kMinorClub), c.minor);
  }
}

// ---- a world after a played season ----

class FacadeFinanceCareerTest : public CareerWorldTest {};

TEST_F(FacadeFinanceCareerTest, ASeasonLaterTheHumanClubsFiguresAgreeWithTheWorld) {
  const int16_t human = LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 1});
  ASSERT_GE(human, 0);

  // The wage bill: the weekly wages of the club's players and of those on
  // loan to it, counted here from the player records.
  int64_t wages = 0;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const bool listed = Player_GetClub(p) == human || (Player_GetOnLoan(p) && Player_GetLoanClub(p) == human);
    if (listed && Player_GetPosition(p) != POSITION_MANAGER) wages += 25 * Player_GetWage(p);
  }
  EXPECT_GT(wages, 0);
  EXPECT_EQ(GNW_GetClubWageBill(human), wages);

  // The balance and what was carried into the new season are the record's.
  const int32_t balance = GNW_GetClubBalance(human);
  EXPECT_GT(balance, 0);
  EXPECT_LE(balance, CLUB_BALANCE_MAX);
  EXPECT_EQ(GNW_GetClubBalanceCarriedForward(human), Club_GetBalanceCarriedForward(human));

  // Releasing the head coach as the staff screen does: the club pays the
  // pool, and the world's money stays what it was.
  GNW_SetClubCoach(human, 10);
  GNW_SetClubCoachContract(human, 6);
  const int32_t cost = GNW_GetClubCoachContract(human) * GNW_GetStaffWage(GNW_GetClubCoach(human)) * 4;
  ASSERT_EQ(cost, 120000);
  ASSERT_GE(balance, cost);
  const int64_t money = WorldCheck_TotalMoney();
  const int64_t flow = MoneyFlow_Total();
  const int32_t pool = MoneyPool;
  GNW_AddToClubBalance(human, -cost);
  GNW_AddToClubBalance(255, cost);
  EXPECT_EQ(GNW_GetClubBalance(human), balance - cost);
  EXPECT_EQ(MoneyPool, pool + cost);
  EXPECT_EQ(WorldCheck_TotalMoney(), money);
  EXPECT_EQ(MoneyFlow_Total(), flow);

  // The manager's stand plans came back from the saved game: none made, so
  // with a stadium clause the plans cost nothing; a new plan is costed.
  GNW_SetClubStadiumClause(human, 1);
  EXPECT_EQ(GNW_GetGroundRedevelopmentCost(human), 0);
  StandPlan* plan = GNW_GetStandProjectEntry(Club_GetControl(human), 2);
  ASSERT_NE(plan, nullptr);
  *plan = StandPlan{5, 3, 0};
  EXPECT_EQ(GNW_GetGroundRedevelopmentCost(human), 5000000 + 3 * 200 * 1000);
}

}  // namespace
