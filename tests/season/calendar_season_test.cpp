// Whole seasons day by day, for every game country, on a world made from the
// generated database as a new game makes it: the date of every day, the
// calendar's events on their days (the month ends, the weekly steps, the
// transfer deadlines, the awards, the end of the season and the play-off
// finals), day 365 only in a season that holds 29 February, and the new year
// at day 366 with the money pool, the money rates and the season counter.
//
// The match day is not here yet: a stand-in writes a score into each of the
// day's fixtures before the day ends. The next season's set-up is not here
// either: a stand-in clears the fixtures and makes the next season's.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/rand.h"
#include "menus/exm_text.h"
#include "menus/menuprims.h"
#include "season/calendar.h"
#include "season/fixgen.h"
#include "season/newgame.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/static_country.h"
#include "world/weeklyaccounts.h"
#include "world/worldgen.h"

namespace {

namespace chr = std::chrono;

constexpr int kDivisionsWithClubs[NUM_GAME_COUNTRIES] = {5, 4, 4, 6, 6, 2, 5, 2, 2};
constexpr int16_t kPreSeasonDays[NUM_GAME_COUNTRIES] = {21, 21, 35, 21, 21, 21, 21, 21, 21};
constexpr int32_t kPoolBefore = 1234567;

// The calendar date of a day counted from the new game's first day,
// 10 July 1999 (a Saturday, weekday 0).
struct Date {
  int weekday, dayOfMonth, month, year;
  bool operator==(const Date&) const = default;
};
Date DateAfter(int days) {
  const chr::sys_days day = chr::sys_days{chr::year{1999} / chr::July / 10} + chr::days{days};
  const chr::year_month_day ymd{day};
  const int weekday = static_cast<int>((chr::weekday{day}.c_encoding() + 1) % 7);  // Saturday 0
  return {weekday, static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(static_cast<unsigned>(ymd.month())) - 1, static_cast<int>(ymd.year())};
}
Date Today() { return {Weekday, DayOfMonth, Month, Year}; }
std::string Describe(const Date& d) {
  return std::to_string(d.dayOfMonth) + "/" + std::to_string(d.month + 1) + "/" + std::to_string(d.year) + " weekday " +
         std::to_string(d.weekday);
}
std::ostream& operator<<(std::ostream& out, const Date& d) { return out << Describe(d); }

// The deadline news and market-open messages shown: the news kind of each
// (0 the market-open message); other messages are left out.
std::vector<int> DeadlineEvents() {
  std::vector<int> events;
  const std::pair<int, int> texts[] = {{2100, NEWS_DEADLINE_WEEK_AWAY}, {2101, NEWS_DEADLINE_WEEK_AWAY},
                                       {2102, NEWS_DEADLINE_TODAY},     {2103, NEWS_DEADLINE_TODAY},
                                       {2104, NEWS_DEADLINE_PASSED},    {TEXT_TRANSFER_MARKET_OPEN, 0}};
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox")
      for (const auto& [text, event] : texts)
        if (call.text == GetTextNoAddr(text)) events.push_back(event);
  return events;
}

// What the season's deadlines say of a day: the first of a deadline a week
// away, tomorrow, today; else a day the market opens again (0); else -1.
int DeadlineEventOfDay(int day) {
  const int deadlines[3] = {DeadlineDay1, DeadlineDay2, DeadlineDay3};
  const int opens[3] = {WindowOpenDay1, WindowOpenDay2, WindowOpenDay3};
  const std::pair<int, int> tests[] = {
      {8, NEWS_DEADLINE_WEEK_AWAY}, {1, NEWS_DEADLINE_TODAY}, {0, NEWS_DEADLINE_PASSED}};
  for (const auto& [before, kind] : tests)
    for (int deadline : deadlines)
      if (day == deadline - before) return kind;
  for (int open : opens)
    if (day == open) return 0;
  return -1;
}

// The match day's stand-in: a score for each of today's unplayed fixtures,
// then the tables recounted.
void PlayToday() {
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    if (Fixture_GetDay(n) != DayOfSeason || Fixture_IsPlayed(n) || Fixture_GetCompetition(n) >= COMP_FRIENDLY)
      continue;
    Fixture_SetResult(n, (Fixture_GetHomeClub(n) + DayOfSeason) % 4, (Fixture_GetAwayClub(n) * 3 + DayOfSeason) % 3);
  }
  LeagueTable_Rebuild(DayOfSeason);
}

// The next season's stand-in: the season's fixtures made afresh from day 0.
void NextSeasonStandIn() {
  DayOfSeason = 0;
  DaysSinceFirstMatch = 0;
  Fixture_ClearAll();
  for (LeagueTableRow& row : LeagueTable) {
    const int16_t position = row.position;
    row = LeagueTableRow{};
    row.position = position;
  }
  ASSERT_EQ(GenerateFixtures(), 0);
  DivisionClubs_Build();
}

class SeasonRunTest : public EngineTest, public ::testing::WithParamInterface<int> {
 protected:
  std::optional<ScratchDir> scratch;
  int16_t humanClub = -1;
  int absoluteDay = 0;  // days since the new game's first day
  int deadlineNews = 0, marketOpenings = 0, monthEndsSeen = 0;  // seen in the seasons played

  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(srcdb::BuiltTotStat().size(), static_cast<size_t>(TOTSTAT_SIZE)) << "no generated database";
    scratch.emplace("gafferon_calendar_season");
    StartWindowAndTimer();  // the world's making polls the window
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }

  // A new game's world and calendar: the clubs, the fixtures and tables, the
  // players, then the pre-season days on the calendar alone.
  void NewGame(int country) {
    GameCountry = static_cast<int8_t>(country);
    GameSeedRandom(static_cast<uint32_t>(2000 + country));
    srcdb::MountTotStat(srcdb::BuiltTotStat());
    LoadWorldSourceData();
    Club_InitCountryClubs();
    BuildCupSeedingList();
    Fixture_ClearAll();
    ASSERT_EQ(GenerateFixtures(), 0);
    SortLeagueTables();
    DivisionClubs_Build();
    CreateWorldPlayers();
    SortCupSeedingByLeaguePlace();
    for (int16_t day = 0; day < kPreSeasonDays[country]; ++day) {
      ProcessDay(0);
      ++DayOfSeason;
      ++absoluteDay;
      if (DayOfSeason > FirstMatchDay) ++DaysSinceFirstMatch;
      SeasonEngine.drawCupRound();
    }
    MonthCounter = 0;
    Clubs_CarryBalancesForward();
    ASSERT_EQ(Today(), DateAfter(absoluteDay));

    humanClub = DivisionTable[0][0];
    Club_SetControl(humanClub, 1);
    MoneyPool = kPoolBefore;
    MoneyRate1 = MoneyRate2 = 5;
    InterestRate = 9;
  }

  // Plays and ends every day of the current season up to the new year, and
  // checks each day's events. Answers the last day played.
  int PlaySeason(int country, int season) {
    const int divisions = kDivisionsWithClubs[country];
    const int interestWeekday = country == 2 ? 1 : 0;
    int lastDay = -1;
    for (int guard = 0; SeasonCounter == season; ++guard) {
      if (guard > 366) {
        ADD_FAILURE() << "the season does not end";
        return lastDay;
      }
      PlayToday();
      const int day = DayOfSeason;
      const Date date = Today();
      const Date next = DateAfter(absoluteDay + 1);
      const bool monthEnds = next.dayOfMonth == 1;
      const std::string where = "day " + std::to_string(day) + ", " + Describe(date);
      EXPECT_EQ(date, DateAfter(absoluteDay)) << where;
      const int deadlineEvent = DeadlineEventOfDay(day);
      const int16_t monthCounter = MonthCounter;
      for (int32_t& figure : WeeklyAccounts.figures) figure = 1;
      Seam_ClearCalls();
      MenuPrims_ClearCalls();

      AdvanceDay();
      ++absoluteDay;
      lastDay = day;
      const bool newYear = SeasonCounter != season;

      // The date and the day counters.
      EXPECT_EQ(Today(), next) << where;
      if (!newYear) {
        EXPECT_EQ(DayOfSeason, day + 1) << where;
        EXPECT_EQ(DaysSinceFirstMatch, std::max(0, day + 1 - FirstMatchDay)) << where;
      }

      // Every day.
      EXPECT_EQ(Seam_CountCalls("DailyClubAI"), 1) << where;
      EXPECT_EQ(Seam_CountCalls("DrawCupRound"), 1) << where;

      // Month ends: the monthly steps, the manager of the month well inside
      // the season, the league places under the next month slot.
      EXPECT_EQ(Seam_CountCalls("MonthlyContractStep"), monthEnds ? 1 : 0) << where;
      const bool monthAward = monthEnds && FirstMatchDay + 21 < day && day < Postdate;
      EXPECT_EQ(Seam_CountCalls("Honours_SelectManagerOfMonth"), monthAward ? divisions : 0) << where;
      EXPECT_EQ(MonthCounter, monthEnds ? (monthCounter + 1) % 12 : monthCounter) << where;
      if (monthEnds) {
        EXPECT_EQ(Club_GetMonthLeaguePos(humanClub, 0, MonthCounter), Club_GetOverallRank(humanClub)) << where;
      }

      // Weeks: the weekday-2 steps, the week's interest and bans, the
      // weekly account.
      EXPECT_EQ(Seam_CountCalls("WeeklyWagePayments"), next.weekday == 2 ? 1 : 0) << where;
      EXPECT_EQ(Seam_CountCalls("ApplyClubInterestAndDebt"), next.weekday == interestWeekday ? 1 : 0) << where;
      // (The new season's fixture generation steps through weeks of its own.)
      if (!newYear) {
        EXPECT_EQ(WeeklyAccounts.figures[0], next.weekday == 0 ? 0 : 1) << where;
      }
      if (next.weekday == 0) {
        EXPECT_EQ(WeeklyAccounts.weekStartBalance, Club_GetBalance(humanClub)) << where;
      }

      // The transfer deadlines.
      const std::vector<int> events = DeadlineEvents();
      for (int event : events) ++(event == 0 ? marketOpenings : deadlineNews);
      monthEndsSeen += Seam_CountCalls("MonthlyContractStep");
      if (deadlineEvent < 0) {
        EXPECT_TRUE(events.empty()) << where;
      } else {
        EXPECT_EQ(events, std::vector<int>{deadlineEvent}) << where;
      }

      // The season's awards on 15 June, its end on Postdate, the play-off
      // finals 17 days later.
      const bool awardsDay = date.dayOfMonth == 15 && date.month == 5;
      EXPECT_EQ(Seam_CountCalls("Honours_SelectPlayerOfYear"), awardsDay ? divisions : 0) << where;
      EXPECT_EQ(Seam_CountCalls("EndOfSeason"), day == Postdate ? 1 : 0) << where;
      EXPECT_EQ(Seam_CountCalls("Season_AddPlayOffFinals"), day == Postdate + 17 ? 1 : 0) << where;

      // The new year.
      EXPECT_EQ(Seam_CountCalls("PayClubSponsorship"), newYear ? 1 : 0) << where;
      EXPECT_EQ(MoneyPool, newYear ? MONEY_POOL_START : kPoolBefore) << where;
      if (HasFailure()) return lastDay;
    }
    return lastDay;
  }
};

TEST_P(SeasonRunTest, TwoSeasonsDayByDay) {
  const int country = GetParam();
  NewGame(country);
  if (HasFatalFailure()) return;
  const int16_t firstDay = DayOfSeason;
  EXPECT_EQ(firstDay, kPreSeasonDays[country]);

  // 1999/2000 holds 29 February: day 365 is played, and the new year comes
  // on 10 July 2000.
  static bool startedNext;
  startedNext = false;
  SeasonEngine.startNewSeason = [] {
    startedNext = true;
    NextSeasonStandIn();
  };
  EXPECT_EQ(PlaySeason(country, 0), 365);
  if (HasFailure()) return;
  EXPECT_TRUE(startedNext);
  EXPECT_EQ(SeasonCounter, 1);
  EXPECT_EQ(Today(), (Date{2, 10, 6, 2000}));
  EXPECT_EQ(MoneyRate1, 17);
  EXPECT_EQ(MoneyRate2, 17);
  EXPECT_EQ(InterestRate, 1);
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    EXPECT_EQ(Club_GetBalanceCarriedForward(club), Club_GetBalance(club)) << club;

  // 2000/01 does not: day 364 is its last, and the next year starts on
  // 10 July 2001 all the same.
  MoneyPool = kPoolBefore;
  EXPECT_EQ(DayOfSeason, 0);
  EXPECT_EQ(PlaySeason(country, 1), 364);
  if (HasFailure()) return;
  EXPECT_EQ(SeasonCounter, 2);
  EXPECT_EQ(Today(), (Date{3, 10, 6, 2001}));
  // At least one deadline a season with its three news and the market
  // opening again after it (some countries have one deadline day, others up
  // to three); twelve month ends a season, less those of the pre-season days.
  EXPECT_GE(deadlineNews, 2 * 3);
  EXPECT_EQ(deadlineNews % 3, 0);
  EXPECT_GE(marketOpenings, 2);
  EXPECT_EQ(monthEndsSeen, country == 2 ? 23 : 24);  // 35 pre-season days run past 31 July
}

TEST_P(SeasonRunTest, EveryLeagueFixtureIsPlayedByTheSeasonsEnd) {
  const int country = GetParam();
  NewGame(country);
  if (HasFatalFailure()) return;
  int leagueFixtures = 0;
  while (DayOfSeason <= Postdate) {
    PlayToday();
    AdvanceDay();
  }
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n) {
    if (Fixture_GetCompetition(n) != COMP_LEAGUE) continue;
    ++leagueFixtures;
    EXPECT_TRUE(Fixture_IsPlayed(n)) << n << " on day " << Fixture_GetDay(n);
    EXPECT_LE(Fixture_GetDay(n), Postdate) << n;
  }
  EXPECT_GT(leagueFixtures, 0);
  // The tables as they stood on Postdate, every club with its full season.
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    const int size = CountryDivisionInfo.sizes[country][d].value;
    const int meetings = CountryDivisionInfo.sizes[country][d].second ? 4 : 2;
    for (int place = 0; place < size; ++place) {
      const uint8_t club = DivisionTable[d][place];
      ASSERT_NE(club, NO_TABLE_CLUB) << d << " " << place;
      EXPECT_EQ(LeagueTable[club].played, (size - 1) * meetings) << "club " << int(club);
      EXPECT_EQ(LeagueTable[club].position, place);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(GameCountries, SeasonRunTest, ::testing::Range(0, NUM_GAME_COUNTRIES));

}  // namespace
