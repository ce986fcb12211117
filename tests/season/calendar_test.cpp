// The day's tick (ProcessDay) and the end of a day (AdvanceDay): the date,
// the steps of the club simulation in their order, the transfer deadlines,
// the monthly league places, the weekly account, the season's awards and
// turning points, day 365 and the new year.
#include "season/calendar.h"

#include <map>
#include <string>
#include <vector>

#include "engine/rand.h"
#include "menus/exm_text.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/fixgen.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/calendar.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/weeklyaccounts.h"
#include "world/worldgen.h"

namespace {

using Names = std::vector<std::string>;

Names CallNames() {
  Names names;
  for (const SeamCall& call : Seam_Calls()) names.push_back(call.name);
  return names;
}

void SetDate(int16_t day, int16_t weekday, int16_t dayOfMonth, int16_t month, int16_t year) {
  DayOfSeason = day;
  Weekday = weekday;
  DayOfMonth = dayOfMonth;
  Month = month;
  Year = year;
}

// Seeds the generator so that the day's first roll does (or does not) bring
// the unrest event.
void SeedUnrest(bool unrest) {
  for (uint32_t seed = 1;; ++seed) {
    GameSeedRandom(seed);
    if ((GameRandom() % 7 == 0) == unrest) {
      GameSeedRandom(seed);
      return;
    }
  }
}

// The message boxes shown, as the text numbers of their texts.
std::vector<int> BoxTexts() {
  std::vector<int> texts;
  for (const MenuPrimCall& call : MenuPrims_Calls()) {
    if (call.name != "DoMessageBox") continue;
    int found = -1;
    for (int n : {1030, 2100, 2101, 2102, 2103, 2104})
      if (call.text == GetTextNoAddr(n)) found = n;
    texts.push_back(found);
  }
  return texts;
}

// The news kind of a deadline text (0 for the market-open message).
int KindOfText(int text) {
  switch (text) {
    case 2100: case 2101: return NEWS_DEADLINE_WEEK_AWAY;
    case 2102: case 2103: return NEWS_DEADLINE_TODAY;
    case 2104: return NEWS_DEADLINE_PASSED;
    case TEXT_TRANSFER_MARKET_OPEN: return 0;
    default: return -1;
  }
}

// The six weekly money totals the test world's clubs were given.
int32_t WeeklyTotals() {
  return Club_GetTotalWages(tw::kHumanClub) + Club_GetGateReceipts(tw::kLeagueClub) +
         Club_GetTotalSignings(tw::kHumanClub) + Club_GetTotalSales(tw::kForeignClub) +
         Club_GetMiscIn(tw::kHumanClub) + Club_GetMiscOut(tw::kLeagueClub);
}

class DayTickTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    FirstMatchDay = 28;
    Postdate = 300;
    DeadlineDay1 = DeadlineDay2 = DeadlineDay3 = 1000;  // out of the way
    WindowOpenDay1 = WindowOpenDay2 = WindowOpenDay3 = 1000;
  }
};

// ------------------------------------------------------------ the date

TEST_F(DayTickTest, ACalendarOnlyDayMovesTheDateAndNothingElse) {
  struct Case {
    const char* what;
    int16_t weekday, dayOfMonth, month, year;
    int16_t toWeekday, toDayOfMonth, toMonth, toYear;
  };
  const Case cases[] = {
      {"within a month", 0, 10, 6, 1999, 1, 11, 6, 1999},
      {"a new week", 6, 16, 6, 1999, 0, 17, 6, 1999},
      {"a month end", 3, 31, 6, 1999, 4, 1, 7, 1999},
      {"the year end", 5, 31, 11, 1999, 6, 1, 0, 2000},
      {"28 February of a leap year", 1, 28, 1, 2000, 2, 29, 1, 2000},
      {"29 February", 2, 29, 1, 2000, 3, 1, 2, 2000},
      {"28 February of another year", 2, 28, 1, 2001, 3, 1, 2, 2001},
  };
  for (const Case& c : cases) {
    SetDate(200, c.weekday, c.dayOfMonth, c.month, c.year);
    MonthCounter = 4;
    Seam_ClearCalls();
    const uint32_t state = GameRandomState();
    ProcessDay(0);
    EXPECT_EQ(Weekday, c.toWeekday) << c.what;
    EXPECT_EQ(DayOfMonth, c.toDayOfMonth) << c.what;
    EXPECT_EQ(Month, c.toMonth) << c.what;
    EXPECT_EQ(Year, c.toYear) << c.what;
    EXPECT_EQ(DayOfSeason, 200) << c.what;
    EXPECT_EQ(MonthCounter, 4) << c.what;
    EXPECT_TRUE(Seam_Calls().empty()) << c.what;
    EXPECT_EQ(GameRandomState(), state) << c.what;
  }
  EXPECT_TRUE(MenuPrims_Calls().empty());
}

TEST_F(DayTickTest, ANewWeekRestartsTheHumanClubsWeeklyAccount) {
  for (int16_t full : {0, 1}) {
    SetDate(100, 6, 10, 9, 1999);
    WeeklyAccounts.weekStartBalance = 5;
    for (int32_t& figure : WeeklyAccounts.figures) figure = 77;
    ProcessDay(full);
    EXPECT_EQ(WeeklyAccounts.weekStartBalance, 1000000) << full;  // the human club's balance
    for (int32_t figure : WeeklyAccounts.figures) EXPECT_EQ(figure, 0) << full;

    // Another day of the week leaves it alone.
    WeeklyAccounts.figures[3] = 12;
    ProcessDay(full);
    EXPECT_EQ(WeeklyAccounts.figures[3], 12) << full;
  }
  // Without a human club the week opens at 0.
  Club_SetControl(tw::kHumanClub, 0);
  SetDate(100, 6, 10, 9, 1999);
  ProcessDay(0);
  EXPECT_EQ(WeeklyAccounts.weekStartBalance, 0);
}

// ------------------------------------------------------------ the steps in order

TEST_F(DayTickTest, AMonthEndThatStartsAWeekRunsEveryStepInOrder) {
  SetDate(113, 6, 31, 9, 1999);  // Sunday 31 October 1999, well inside the season
  SeedUnrest(true);
  ProcessDay(1);
  EXPECT_EQ(Weekday, 0);
  EXPECT_EQ(DayOfMonth, 1);
  EXPECT_EQ(Month, 10);
  const Names expected = {
      // England's five divisions: the manager of the month of October
      "Honours_SelectManagerOfMonth", "Honours_SelectManagerOfMonth", "Honours_SelectManagerOfMonth",
      "Honours_SelectManagerOfMonth", "Honours_SelectManagerOfMonth",
      "SquadUnrestEvent",
      "ClubsDailyTeamDecay", "DailyClubAI", "ComputerClubsBuyPlayers", "DailyInjuryStep", "Reserve_ClearAllPicked",
      "UpdateTransferWindows",
      "MonthlyContractStep", "RerollStaffCandidates", "ComputerClubsHireStaff", "PostBoardConfidenceNews",
      "ApplyClubInterestAndDebt", "WeeklySuspensionCountdown",
  };
  EXPECT_EQ(CallNames(), expected);
  for (int d = 0; d < 5; ++d) EXPECT_EQ(Seam_Calls()[d].args, std::vector<int32_t>{d});
  EXPECT_EQ(Seam_Calls()[11].args, (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(Seam_Calls()[14].args, (std::vector<int32_t>{0, 0}));
}

TEST_F(DayTickTest, WeekdayTwoRunsTheWeeksMoneyStepsWithTheTotalsClearedBetween) {
  Club_SetTotalWages(tw::kHumanClub, 500);
  Club_SetGateReceipts(tw::kLeagueClub, 600);
  Club_SetTotalSignings(tw::kHumanClub, 700);
  Club_SetTotalSales(tw::kForeignClub, 800);
  Club_SetMiscIn(tw::kHumanClub, 900);
  Club_SetMiscOut(tw::kLeagueClub, 1000);
  static int32_t totalsSeen[2];
  ClubSim.buildReputationTable = [] { totalsSeen[0] = WeeklyTotals(); };
  ClubSim.weeklyWagePayments = [] { totalsSeen[1] = WeeklyTotals(); };

  SetDate(60, 1, 8, 8, 1999);  // the day before weekday 2, mid-month
  SeedUnrest(false);
  ProcessDay(1);
  const Names expected = {
      "ClubsDailyTeamDecay", "DailyClubAI", "ComputerClubsBuyPlayers", "DailyInjuryStep", "Reserve_ClearAllPicked",
      "UpdateTransferWindows",
      "BoardResignationEvent", "NewChairmanWindfallEvent",
      "WeeklyLoanStep", "WeeklyYouthStep",
  };
  EXPECT_EQ(CallNames(), expected);  // the two replaced steps note nothing
  EXPECT_EQ(totalsSeen[0], 4500);
  EXPECT_EQ(totalsSeen[1], 0);
}

TEST_F(DayTickTest, TheWeeksInterestAndBansFallOnWeekdayOneInCountryTwo) {
  struct Case {
    int8_t country;
    int16_t weekdayBefore;
    bool runs;
  };
  const Case cases[] = {{0, 6, true}, {0, 0, false}, {2, 6, false}, {2, 0, true}, {3, 6, true}, {3, 0, false}};
  for (const Case& c : cases) {
    GameCountry = c.country;
    SetDate(60, c.weekdayBefore, 8, 8, 1999);
    Seam_ClearCalls();
    ProcessDay(1);
    EXPECT_EQ(Seam_CountCalls("ApplyClubInterestAndDebt"), c.runs ? 1 : 0) << int(c.country) << " " << c.weekdayBefore;
    EXPECT_EQ(Seam_CountCalls("WeeklySuspensionCountdown"), c.runs ? 1 : 0);
    if (c.runs) {
      EXPECT_EQ(CallNames().back(), "WeeklySuspensionCountdown");
    }
  }
}

TEST_F(DayTickTest, UnrestComesOnOneDayInSeven) {
  GameSeedRandom(4242);
  int days = 0;
  for (int n = 0; n < 7000; ++n) {
    SetDate(60, 3, 8, 8, 1999);
    ProcessDay(1);
    ++days;
  }
  const int unrest = Seam_CountCalls("SquadUnrestEvent");
  EXPECT_GT(unrest, days / 7 - 100);
  EXPECT_LT(unrest, days / 7 + 100);
}

// ------------------------------------------------------------ month ends

TEST_F(DayTickTest, TheManagerOfTheMonthOnlyWellInsideTheSeason) {
  struct Case {
    int16_t day;
    int8_t country;
    int awards;  // one per division with clubs
  };
  const Case cases[] = {
      {49, 0, 0},   // FirstMatchDay + 21
      {50, 0, 5},
      {299, 0, 5},  // the day before Postdate
      {300, 0, 0},  // Postdate
      {150, 1, 4},
      {150, 3, 6},
      {150, 5, 2},
      {150, 12, 0},  // no league of its own
  };
  for (const Case& c : cases) {
    GameCountry = c.country;
    SetDate(c.day, 2, 30, 8, 1999);  // 30 September
    Seam_ClearCalls();
    ProcessDay(1);
    EXPECT_EQ(Seam_CountCalls("Honours_SelectManagerOfMonth"), c.awards) << c.day << " " << int(c.country);
    EXPECT_EQ(Seam_CountCalls("MonthlyContractStep"), 1);
  }
  // Not on the calendar-only step.
  GameCountry = 0;
  SetDate(150, 2, 30, 8, 1999);
  Seam_ClearCalls();
  ProcessDay(0);
  EXPECT_TRUE(Seam_Calls().empty());
}

class MonthPlacesTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ResetWorld();
    BuildCountryLeagueWorld(0);
    // A table: every club's points from its number, the highest first.
    for (int16_t c = 0; c < NUM_CLUBS; ++c) LeagueTable[c].points = static_cast<int16_t>(c % 17);
    SortLeagueTables();
    FirstMatchDay = 28;
    Postdate = 300;
  }
};

TEST_F(MonthPlacesTest, AMonthEndStoresEveryLeagueClubsPlaceUnderTheNextSlot) {
  struct Case {
    int16_t counterBefore, counterAfter;
  };
  for (const Case c : {Case{0, 1}, Case{5, 6}, Case{11, 0}}) {
    MonthCounter = c.counterBefore;
    SetDate(150, 2, 30, 8, 1999);
    ProcessDay(1);
    ASSERT_EQ(MonthCounter, c.counterAfter);
    int stored = 0;
    for (int16_t club = 0; club < NUM_CLUBS; ++club) {
      if (GetClubRecordSlot(club) < 0) continue;
      ++stored;
      EXPECT_EQ(Club_GetMonthLeaguePos(club, 0, c.counterAfter), Club_GetOverallRank(club)) << club;
      EXPECT_GE(Club_GetOverallRank(club), 1);
    }
    EXPECT_EQ(stored, tw::kLeagueClubs);
  }
  // The club on top of division 0 is first, the first of division 1 the 21st.
  EXPECT_EQ(Club_GetMonthLeaguePos(DivisionTable[0][0], 0, 0), 1);
  EXPECT_EQ(Club_GetMonthLeaguePos(DivisionTable[1][0], 0, 0), 21);

  // Not at an ordinary day, nor on the calendar-only step.
  Club_SetMonthLeaguePos(0, 0, 99, 1);
  MonthCounter = 0;
  SetDate(150, 2, 29, 8, 1999);
  ProcessDay(1);
  SetDate(150, 2, 30, 8, 1999);
  ProcessDay(0);
  EXPECT_EQ(MonthCounter, 0);
  EXPECT_EQ(Club_GetMonthLeaguePos(0, 0, 1), 99);
}

// ------------------------------------------------------------ transfer deadlines

TEST_F(DayTickTest, TheFirstDeadlineTestThatHoldsGivesTheNews) {
  DeadlineDay1 = 100;
  DeadlineDay2 = 107;  // a week after the first
  DeadlineDay3 = 250;
  WindowOpenDay1 = 110;
  WindowOpenDay2 = 92;  // also a week before the first deadline
  WindowOpenDay3 = 260;
  struct Case {
    int16_t day;
    int kind;  // -1 nothing shown, 0 the market-open message
  };
  const Case cases[] = {
      {50, -1},
      {92, NEWS_DEADLINE_WEEK_AWAY},  // before the market-open message
      {99, NEWS_DEADLINE_WEEK_AWAY},  // a week before the second beats the day before the first
      {100, NEWS_DEADLINE_PASSED},
      {106, NEWS_DEADLINE_TODAY},
      {107, NEWS_DEADLINE_PASSED},
      {110, 0},
      {242, NEWS_DEADLINE_WEEK_AWAY},
      {249, NEWS_DEADLINE_TODAY},
      {250, NEWS_DEADLINE_PASSED},
      {251, -1},
      {260, 0},
  };
  for (const Case& c : cases) {
    SetDate(c.day, 3, 10, 9, 1999);
    MenuPrims_ClearCalls();
    ProcessDay(1);
    const std::vector<int> texts = BoxTexts();
    if (c.kind < 0) {
      EXPECT_TRUE(texts.empty()) << c.day;
      continue;
    }
    ASSERT_EQ(texts.size(), 1u) << c.day;
    EXPECT_EQ(KindOfText(texts[0]), c.kind) << c.day;
  }

  // The soak run sees neither the news nor the message; the calendar-only
  // step never.
  for (int16_t day : {100, 110}) {
    SoakRunActive = 1;
    SetDate(day, 3, 10, 9, 1999);
    MenuPrims_ClearCalls();
    ProcessDay(1);
    EXPECT_TRUE(BoxTexts().empty()) << day;
    SoakRunActive = 0;
    SetDate(day, 3, 10, 9, 1999);
    ProcessDay(0);
    EXPECT_TRUE(BoxTexts().empty()) << day;
  }
}

// ------------------------------------------------------------ the end of a day

class DayAdvanceTest : public DayTickTest {};

TEST_F(DayAdvanceTest, AnOrdinaryDay) {
  SetDate(40, 2, 19, 7, 1999);
  DaysSinceFirstMatch = 11;
  DailySlot_TakeRandom();
  DailySlot_TakeRandom();
  SeedUnrest(false);
  AdvanceDay();
  EXPECT_EQ(DayOfSeason, 41);
  EXPECT_EQ(DayOfMonth, 20);
  EXPECT_EQ(Weekday, 3);
  EXPECT_EQ(DaysSinceFirstMatch, 12);
  for (const DailySlotRecord& slot : DailySlots) EXPECT_EQ(slot.taken, 0);
  const Names expected = {
      "ClubsDailyTeamDecay", "DailyClubAI", "ComputerClubsBuyPlayers", "DailyInjuryStep", "Reserve_ClearAllPicked",
      "UpdateTransferWindows", "DrawCupRound",
  };
  EXPECT_EQ(CallNames(), expected);

  // The count of days since the first matchday starts with the day after it.
  for (const auto& [day, count] : std::map<int16_t, int16_t>{{26, 0}, {27, 0}, {28, 1}, {29, 2}}) {
    SetDate(day, 2, 19, 7, 1999);
    DaysSinceFirstMatch = static_cast<int16_t>(day >= 28 ? day - 28 : 0);
    AdvanceDay();
    EXPECT_EQ(DaysSinceFirstMatch, count) << day;
  }
}

TEST_F(DayAdvanceTest, TablesAreSortedUpToPostdateOnly) {
  // Division 0 is the human club and the league club (England, division 0
  // after the first sort).
  Club_SetDivision(tw::kLeagueClub, 0);
  LeagueTable[tw::kLeagueClub].points = 3;
  for (int16_t day : {int16_t(299), int16_t(300)}) {
    std::swap(LeagueTable[tw::kHumanClub].points, LeagueTable[tw::kLeagueClub].points);
    const int16_t leader = LeagueTable[tw::kHumanClub].points > 0 ? tw::kHumanClub : tw::kLeagueClub;
    bool sortedFirst = false;
    static int16_t expectedLeader;
    static bool* seen;
    expectedLeader = leader;
    seen = &sortedFirst;
    SeasonEngine.endOfSeason = [] { *seen = DivisionTable[0][0] == expectedLeader; };
    SetDate(day, 3, 10, 4, 2000);
    AdvanceDay();
    EXPECT_EQ(DivisionTable[0][0], leader) << day;
    EXPECT_EQ(sortedFirst, day == 300) << day;
  }
  // From the day after Postdate the table is left as it stands.
  std::swap(LeagueTable[tw::kHumanClub].points, LeagueTable[tw::kLeagueClub].points);
  const uint8_t leader = DivisionTable[0][0];
  SetDate(301, 3, 10, 4, 2000);
  AdvanceDay();
  EXPECT_EQ(DivisionTable[0][0], leader);
}

TEST_F(DayAdvanceTest, TheSeasonsAwardsOnFifteenthJune) {
  struct Case {
    int8_t country;
    std::vector<int32_t> divisions;
  };
  const Case cases[] = {{0, {0, 1, 2, 3, 4}}, {1, {0, 1, 2, 3}}, {3, {0, 1, 2, 3, 4, 5}}, {7, {0, 1}}, {20, {}}};
  const Names awards = {"Honours_SelectManagerOfYear", "Honours_SelectPlayerOfYear", "Honours_SelectYoungPlayer",
                        "Honours_SelectTopScorer"};
  for (const Case& c : cases) {
    GameCountry = c.country;
    SetDate(340, 3, 15, 5, 2000);
    Seam_ClearCalls();
    AdvanceDay();
    Names expected;
    std::vector<std::vector<int32_t>> args;
    for (int32_t d : c.divisions)
      for (const std::string& award : awards) {
        expected.push_back(award);
        args.push_back({d});
      }
    Names names = CallNames();
    names.resize(expected.size());
    EXPECT_EQ(names, expected) << int(c.country);
    EXPECT_EQ(Seam_CountCalls("Honours_SelectTopScorer"), static_cast<int>(c.divisions.size())) << int(c.country);
    for (size_t i = 0; i < args.size(); ++i) EXPECT_EQ(Seam_Calls()[i].args, args[i]);
  }
  // 15 June only.
  GameCountry = 0;
  for (const auto& [day, month] : std::vector<std::pair<int16_t, int16_t>>{{14, 5}, {16, 5}, {15, 4}, {15, 6}}) {
    SetDate(340, 3, day, month, 2000);
    Seam_ClearCalls();
    AdvanceDay();
    EXPECT_EQ(Seam_CountCalls("Honours_SelectManagerOfYear"), 0) << day << "/" << month;
  }
}

TEST_F(DayAdvanceTest, PostdateEndsTheSeasonAfterSeedingTheCupsByLeaguePlace) {
  // Seeding: the league club first, though the human club stands above it.
  SortLeagueTables();
  CupSeedingList[0] = tw::kLeagueClub;
  CupSeedingList[1] = tw::kHumanClub;
  static bool seededByPlace;
  SeasonEngine.endOfSeason = [] {
    seededByPlace = CupSeedingList[Club_GetOverallRank(tw::kHumanClub) - 1] == tw::kHumanClub &&
                    CupSeedingList[Club_GetOverallRank(tw::kLeagueClub) - 1] == tw::kLeagueClub;
  };
  for (int16_t day = 298; day <= 320; ++day) {
    SetDate(day, 3, 10, 4, 2000);
    Seam_ClearCalls();
    AdvanceDay();
    EXPECT_EQ(Seam_CountCalls("Season_AddPlayOffFinals"), day == 317 ? 1 : 0) << day;
  }
  EXPECT_TRUE(seededByPlace);
  ASSERT_LT(Club_GetOverallRank(tw::kHumanClub), Club_GetOverallRank(tw::kLeagueClub));
}

TEST_F(DayAdvanceTest, DayThreeSixtyFiveIsPlayedOnlyInALeapSeason) {
  struct Case {
    const char* what;
    int16_t day, dayOfMonth, year;
    int16_t dayAfter;
    bool newYear;
  };
  const Case cases[] = {
      {"2000/01: day 364 is the last", 364, 9, 2001, 366, true},
      {"1999/2000 holds 29 February: day 365 is played", 364, 8, 2000, 365, false},
      {"and is the last", 365, 9, 2000, 366, true},
      {"2003/04 too", 364, 8, 2004, 365, false},
      {"an ordinary day before", 363, 8, 2001, 364, false},
  };
  for (const Case& c : cases) {
    SetDate(c.day, 3, c.dayOfMonth, 6, c.year);
    SeasonCounter = 4;
    Seam_ClearCalls();
    AdvanceDay();
    EXPECT_EQ(DayOfSeason, c.dayAfter) << c.what;  // the new season's set-up is not here to set 0
    EXPECT_EQ(SeasonCounter, c.newYear ? 5 : 4) << c.what;
    EXPECT_EQ(Seam_CountCalls("StartNewSeason"), c.newYear ? 1 : 0) << c.what;
  }
}

TEST_F(DayAdvanceTest, TheNewYear) {
  SeasonCounter = 2;
  MoneyPool = 12345;
  MoneyRate1 = 3;
  MoneyRate2 = 4;
  InterestRate = 5;
  CupSeedingList[0] = tw::kLeagueClub;  // division 1
  CupSeedingList[1] = tw::kHumanClub;   // division 0
  CupSeedingList[2] = -1;
  Club_SetBalanceCarriedForward(tw::kHumanClub, 1);
  static bool readyForTheNewSeason;
  SeasonEngine.startNewSeason = [] {
    readyForTheNewSeason = SeasonCounter == 3 && MoneyPool == 400000000 && MoneyRate1 == 17 && MoneyRate2 == 17 &&
                           InterestRate == 1 && CupSeedingList[0] == tw::kHumanClub;
    Club_SetBalance(tw::kHumanClub, 777000);  // the set-up's own money moves
    DayOfSeason = 0;
  };
  SetDate(364, 3, 9, 6, 2001);
  SeedUnrest(false);
  AdvanceDay();
  EXPECT_TRUE(readyForTheNewSeason);
  EXPECT_EQ(DayOfSeason, 0);
  const Names expected = {
      "ClubsDailyTeamDecay", "DailyClubAI", "ComputerClubsBuyPlayers", "DailyInjuryStep", "Reserve_ClearAllPicked",
      "UpdateTransferWindows", "DrawCupRound", "PayClubSponsorship", "ClubsYearEndGroundUpdate",
      "YearEndPlayerTurnover",
  };
  EXPECT_EQ(CallNames(), expected);
  // Every balance carried forward, after the new season's set-up.
  EXPECT_EQ(Club_GetBalanceCarriedForward(tw::kHumanClub), 777000);
  EXPECT_EQ(Club_GetBalanceCarriedForward(tw::kLeagueClub), 500000);
  EXPECT_EQ(Club_GetBalanceCarriedForward(tw::kForeignClub), 2000000);
}

TEST_F(DayAdvanceTest, AResetPutsTheCalendarBackAtTheFirstDay) {
  SetDate(200, 4, 3, 1, 2003);
  MonthCounter = 7;
  WeeklyAccounts.weekStartBalance = 3;
  ResetAllModules();
  EXPECT_EQ(DayOfSeason, 0);
  EXPECT_EQ(Weekday, 0);
  EXPECT_EQ(DayOfMonth, 10);
  EXPECT_EQ(Month, 6);
  EXPECT_EQ(Year, 1999);
  EXPECT_EQ(MonthCounter, 0);
  EXPECT_EQ(WeeklyAccounts.weekStartBalance, 0);
}

}  // namespace
