#include "season/calendar.h"

#include "engine/rand.h"
#include "menus/exm_text.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/calendar_step.h"
#include "season/fixgen.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/calendar.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/static_country.h"
#include "world/textmess.h"
#include "world/weeklyaccounts.h"
#include "world/worldgen.h"

namespace {

constexpr int16_t kAwardsDay = 15;    // 15 June: the season's awards
constexpr int16_t kAwardsMonth = 5;
constexpr int16_t kPlayOffFinalsAfter = 17;  // days after Postdate
constexpr int16_t kLeapOnlyDay = 365;        // played only when the season holds 29 February
constexpr int16_t kNewYearDay = 366;
constexpr int16_t kMonthAwardsAfter = 21;    // days after FirstMatchDay before a manager of the month
constexpr int kUnrestChance = 7;             // one day in seven
constexpr int16_t kWeeklyStepsDay = 2;
constexpr int8_t kCountryWithWeekdayOneStart = 2;  // its week's money and bans fall on weekday 1

bool IsLeapYear(int16_t year) { return year % 4 == 0; }

// The news of a transfer deadline, the first that holds of: a deadline a week
// away, a deadline tomorrow, a deadline today; else, on a day the market opens
// again, the message box (not during the soak run).
void TransferDeadlineNews() {
  const int16_t deadlines[3] = {DeadlineDay1, DeadlineDay2, DeadlineDay3};
  const int16_t reopenings[3] = {WindowOpenDay1, WindowOpenDay2, WindowOpenDay3};
  struct Test {
    int16_t before;
    int kind;
  };
  constexpr Test kTests[] = {{8, NEWS_DEADLINE_WEEK_AWAY}, {1, NEWS_DEADLINE_TODAY}, {0, NEWS_DEADLINE_PASSED}};
  for (const Test& test : kTests)
    for (int16_t deadline : deadlines)
      if (DayOfSeason == deadline - test.before) {
        SetNewsArgs(-1, -1, -1, -1, -1, -1, -1, -1, -1);
        ShowNewsMessage(GetRandomNewsText(test.kind), 0, NEWS_SHOW_ALWAYS, -1, -1);
        return;
      }
  for (int16_t reopening : reopenings)
    if (DayOfSeason == reopening) {
      if (SoakRunActive == 0) DoMessageBox(GetTextNoAddr(TEXT_TRANSFER_MARKET_OPEN), 0);
      return;
    }
}

// The league place of every club with a full record, under the month slot.
void StoreMonthLeaguePlaces() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (GetClubRecordSlot(club) >= 0) Club_SetMonthLeaguePos(club, 0, Club_GetOverallRank(club), MonthCounter);
}

void ClearWeeklyMoneyTotals() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    Club_SetTotalWages(club, 0);
    Club_SetGateReceipts(club, 0);
    Club_SetTotalSignings(club, 0);
    Club_SetTotalSales(club, 0);
    Club_SetMiscIn(club, 0);
    Club_SetMiscOut(club, 0);
  }
}

// The club simulation's part of a full day, after the date has moved on.
void SimulateDay(bool monthEnded) {
  if (GameRandom() % kUnrestChance == 0) ClubSim.squadUnrestEvent();
  TransferDeadlineNews();

  ClubSim.clubsDailyTeamDecay();
  ClubSim.dailyClubAI();
  ClubSim.computerClubsBuyPlayers();
  ClubSim.dailyInjuryStep();
  ClubSim.reserveClearAllPicked();
  ClubSim.updateTransferWindows(1, 1);

  if (monthEnded) {
    ClubSim.monthlyContractStep();
    ClubSim.rerollStaffCandidates();
    ClubSim.computerClubsHireStaff(0, 0);
    if (FirstMatchDay < DayOfSeason && DayOfSeason < Postdate) ClubSim.postBoardConfidenceNews();
  }

  if (Weekday == kWeeklyStepsDay) {
    ClubSim.boardResignationEvent();
    ClubSim.newChairmanWindfallEvent();
    ClubSim.buildReputationTable();
    ClearWeeklyMoneyTotals();
    ClubSim.weeklyWagePayments();
    ClubSim.weeklyLoanStep();
    ClubSim.weeklyYouthStep();
  }

  EmptyDayStep();

  const int16_t weekStart = GameCountry == kCountryWithWeekdayOneStart ? 1 : 0;
  if (Weekday == weekStart) {
    ClubSim.applyClubInterestAndDebt();
    ClubSim.weeklySuspensionCountdown();
  }
}

void NewYear() {
  ++SeasonCounter;
  SortCupSeedingByDivision();
  ClubSim.payClubSponsorship();
  ClubSim.clubsYearEndGroundUpdate();
  ClubSim.yearEndPlayerTurnover();
  MoneyRate2 = NEW_YEAR_MONEY_RATE;
  MoneyRate1 = NEW_YEAR_MONEY_RATE;
  InterestRate = NEW_YEAR_INTEREST_RATE;
  MoneyPool_Set(MONEY_POOL_START);
  SeasonEngine.startNewSeason();
  EmptyYearStep();
  Clubs_CarryBalancesForward();
}

}  // namespace

int16_t Calendar_DivisionsWithClubs() {
  if (!IsGameCountry(GameCountry)) return 0;
  int16_t count = 0;
  for (const DivisionEntry& division : CountryDivisionInfo.sizes[GameCountry])
    if (division.value != 0) ++count;
  return count;
}

void ProcessDay(int16_t full) {
  const int16_t monthOnEntry = Month;

  // The month's last day: the manager of the month is named for the month
  // that ends (well inside the season only).
  const bool monthEnds = DayOfMonth >= Calendar_MonthLength(Month, Year);
  if (monthEnds && full && FirstMatchDay + kMonthAwardsAfter < DayOfSeason && DayOfSeason < Postdate) {
    const int16_t divisions = Calendar_DivisionsWithClubs();
    for (int16_t division = 0; division < divisions; ++division) SeasonEngine.selectManagerOfMonth(division);
  }

  const int crossed = AdvanceDayCounters();
  if ((crossed & CALENDAR_NEW_MONTH) && full) {
    if (++MonthCounter >= 12 || MonthCounter < 0) MonthCounter = 0;
    StoreMonthLeaguePlaces();
  }
  if (crossed & CALENDAR_NEW_WEEK) WeeklyAccounts_Reset();

  if (full) SimulateDay(Month != monthOnEntry);
}

void AdvanceDay() {
  if (DayOfSeason <= Postdate) SortLeagueTables();

  if (DayOfMonth == kAwardsDay && Month == kAwardsMonth && IsGameCountry(GameCountry))
    for (int16_t division = 0; division < NUM_DIVISIONS; ++division) {
      if (CountryDivisionInfo.sizes[GameCountry][division].value == 0) continue;
      SeasonEngine.selectManagerOfYear(division);
      SeasonEngine.selectPlayerOfYear(division);
      SeasonEngine.selectYoungPlayer(division);
      SeasonEngine.selectTopScorer(division);
    }

  if (DayOfSeason == Postdate) {
    SortCupSeedingByLeaguePlace();
    SeasonEngine.endOfSeason();
  } else if (DayOfSeason == Postdate + kPlayOffFinalsAfter) {
    SeasonEngine.addPlayOffFinals();
  }

  ProcessDay(1);
  ++DayOfSeason;
  DailySlot_ClearAll();
  Fixture_PostponeWinterMatches();
  if (DayOfSeason > FirstMatchDay) ++DaysSinceFirstMatch;
  SeasonEngine.drawCupRound();

  if (!IsLeapYear(Year) && DayOfSeason == kLeapOnlyDay) DayOfSeason = kNewYearDay;
  if (DayOfSeason >= kNewYearDay) NewYear();
}

void Clubs_CarryBalancesForward() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) Club_SetBalanceCarriedForward(club, Club_GetBalance(club));
}

void EmptyDayStep() {}
void EmptyYearStep() {}
