#include "season/fixgen.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/rand.h"
#include "engine/reset.h"
#include "engine/winlib.h"
#include "menus/menuprims.h"
#include "season/calendar_step.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/calendar.h"
#include "world/honours.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/static_country.h"

namespace {

LeagueTableRow Row(int points, int goalsFor, int goalsAgainst) {
  LeagueTableRow r{};
  r.points = static_cast<int16_t>(points);
  r.homeFor = static_cast<int16_t>(goalsFor / 2);  // home and away goals count together
  r.awayFor = static_cast<int16_t>(goalsFor - goalsFor / 2);
  r.awayAgainst = static_cast<int16_t>(goalsAgainst);
  return r;
}

std::vector<int> TableRow(int division) {
  return std::vector<int>(DivisionTable[division], DivisionTable[division] + DIVISION_PLACES);
}

TEST(LeagueOrderTest, RowsCompareByPointsThenByTheTieBreak) {
  struct Case {
    const char* what;
    LeagueTableRow a, b;
    int tieBreak;
    bool below;
  };
  const Case cases[] = {
      {"fewer points", Row(10, 30, 0), Row(11, 0, 30), 0, true},
      {"more points", Row(12, 0, 30), Row(11, 30, 0), 0, false},
      {"goal difference first", Row(10, 10, 4), Row(10, 20, 15), 0, false},
      {"goal difference worse", Row(10, 20, 16), Row(10, 10, 5), 0, true},
      {"then goals scored", Row(10, 10, 5), Row(10, 11, 6), 0, true},
      {"all level", Row(10, 10, 5), Row(10, 10, 5), 0, false},
      {"goals scored first", Row(10, 10, 4), Row(10, 20, 15), 1, true},
      {"goals scored more", Row(10, 21, 20), Row(10, 20, 0), 1, false},
      {"then goal difference", Row(10, 20, 16), Row(10, 20, 15), 1, true},
      {"no tie-break", Row(10, 0, 30), Row(10, 30, 0), 2, false},
      {"no tie-break, points still count", Row(9, 30, 0), Row(10, 0, 30), 7, true},
  };
  for (const Case& c : cases) EXPECT_EQ(LeagueRowBelow(c.a, c.b, c.tieBreak), c.below) << c.what;
}

TEST(LeagueOrderTest, EveryCountryBreaksTiesOnGoalDifferenceFirst) {
  for (int country = 0; country < NUM_GAME_COUNTRIES; ++country)
    for (int division = 0; division < NUM_DIVISIONS; ++division) {
      const DivisionRule& rule = DivisionRules[country][division];
      EXPECT_EQ(rule.tieBreak, 0);
      EXPECT_EQ(rule.winPoints, CountryDivisionInfo.sizes[country][division].value ? 3 : 0);
      EXPECT_TRUE(rule.substitutes == 3 || rule.substitutes == 5);
    }
  EXPECT_EQ(DivisionRules[0][4].substitutes, 3);
  EXPECT_EQ(DivisionRules[1][2].substitutes, 3);
  EXPECT_EQ(DivisionRules[1][0].substitutes, 5);
}

class SortLeagueTablesTest : public LeagueWorldTest {};

TEST_F(SortLeagueTablesTest, ClubOrderListsEachDivisionInClubNumberOrder) {
  DivisionClubOrder_Build();
  EXPECT_EQ(DivisionClubOrder[0][0], 0);
  EXPECT_EQ(DivisionClubOrder[0][19], 19);
  EXPECT_EQ(DivisionClubOrder[0][20], NO_TABLE_CLUB);
  EXPECT_EQ(DivisionClubOrder[4][21], 113);
  EXPECT_EQ(DivisionClubOrder[5][0], NO_TABLE_CLUB);
  EXPECT_EQ(DivisionClubOrder[6][0], 114);  // the clubs outside the league
  EXPECT_EQ(DivisionClubOrder[6][9], 123);
  EXPECT_EQ(DivisionClubOrder[6][10], NO_TABLE_CLUB);
  DivisionClubOrder[0][0] = 77;
  ResetAllModules();
  EXPECT_EQ(DivisionClubOrder[0][0], NO_TABLE_CLUB);
}

TEST_F(SortLeagueTablesTest, TablesGoByPointsGoalDifferenceGoalsAndThenClubOrder) {
  LeagueTable[12] = Row(9, 10, 4);   // top on points
  LeagueTable[3] = Row(7, 8, 4);     // +4
  LeagueTable[15] = Row(7, 12, 8);   // +4 with more goals: above club 3
  LeagueTable[9] = Row(7, 8, 4);     // level with club 3 on everything: stays below it
  LeagueTable[0] = Row(7, 8, 5);     // +3
  LeagueTable[19] = Row(-1, 0, 0);   // below the clubs without a point
  LeagueTable[40] = Row(3, 1, 0);    // division 1

  SortLeagueTables();
  std::vector<int> expected = {12, 15, 3, 9, 0, 1, 2, 4, 5, 6, 7, 8, 10, 11, 13, 14, 16, 17, 18, 19};
  expected.resize(DIVISION_PLACES, NO_TABLE_CLUB);
  EXPECT_EQ(TableRow(0), expected);
  for (int k = 0; k < 20; ++k) EXPECT_EQ(LeagueTable[expected[k]].position, k);
  EXPECT_EQ(DivisionTable[1][0], 40);
  EXPECT_EQ(DivisionTable[1][1], 20);
  EXPECT_EQ(LeagueTable[20].position, 1);
  EXPECT_EQ(DivisionTable[4][21], 113);
  EXPECT_EQ(DivisionTable[4][22], NO_TABLE_CLUB);
  EXPECT_EQ(TableRow(5), std::vector<int>(DIVISION_PLACES, NO_TABLE_CLUB));
  EXPECT_EQ(LeagueTable[114].position, 0);  // outside the league: not placed
}

TEST_F(SortLeagueTablesTest, AClubThatChangedDivisionIsSortedInItsNewOne) {
  Club_SetDivision(25, 0);  // promoted
  LeagueTable[25] = Row(1, 1, 1);
  SortLeagueTables();
  EXPECT_EQ(DivisionTable[0][0], 25);
  EXPECT_EQ(DivisionTable[0][20], 19);
  EXPECT_EQ(std::count(DivisionTable[1], DivisionTable[1] + DIVISION_PLACES, 25), 0);
  EXPECT_EQ(DivisionTable[1][22], 43);
  EXPECT_EQ(DivisionTable[1][23], NO_TABLE_CLUB);
}

TEST_F(SortLeagueTablesTest, AnotherCountrysLeagueIsSortedByItsOwnDivisions) {
  GameCountry = 1;  // its clubs are those of country 1 in the league world, all in division 0
  const int start = CountryBlockStart(0, 1);
  LeagueTable[start + 2] = Row(3, 2, 0);
  SortLeagueTables();
  EXPECT_EQ(DivisionTable[0][0], start + 2);
  EXPECT_EQ(DivisionTable[0][1], start);
  EXPECT_EQ(DivisionTable[1][0], NO_TABLE_CLUB);
}

}  // namespace

// ---------------------------------------------------------------------------
// Fixture generation
// ---------------------------------------------------------------------------

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kSeasonSeeds = 6;  // the sanitizer build runs several times slower
constexpr int kRoundRobinSeeds = 8;
constexpr int kWinterSeeds = 2;
#else
constexpr int kSeasonSeeds = 50;
constexpr int kRoundRobinSeeds = 40;
constexpr int kWinterSeeds = 10;
#endif

// The date of every day of a season that starts on 10 July of the year.
struct SeasonDates {
  CalendarDate start;
  std::vector<CalendarDate> days;
};

SeasonDates DatesOfSeason(int year) {
  CalendarDate date{0, 10, 6, 1999};  // the first day of a new game
  while (!(date.year == year && date.month == 6 && date.dayOfMonth == 10)) Calendar_StepDate(date);
  SeasonDates season{date, {}};
  for (int day = 0; day < FIXTURE_EMPTY_DAY; ++day) {
    season.days.push_back(date);
    Calendar_StepDate(date);
  }
  return season;
}

void StartSeason(const SeasonDates& season, int seasonCounter) {
  Weekday = season.start.weekday;
  DayOfMonth = season.start.dayOfMonth;
  Month = season.start.month;
  Year = season.start.year;
  DayOfSeason = 0;
  SeasonCounter = static_cast<int16_t>(seasonCounter);
}

struct ListedFixture {
  int day, code, home, away;
};

std::vector<ListedFixture> ListFixtures() {
  std::vector<ListedFixture> list;
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n)
    list.push_back({Fixture_GetDay(n), Fixture_GetCompetition(n), Fixture_GetHomeClub(n), Fixture_GetAwayClub(n)});
  return list;
}

// The pairs of a round robin are what a schedule needs: rounds 0 to rounds - 1
// with clubs / 2 pairs, no slot twice in a round, every two slots once.
::testing::AssertionResult IsRoundRobin(int clubs, int rounds) {
  std::vector<std::vector<int>> met(clubs, std::vector<int>(clubs, 0));
  for (int r = 0; r < MAX_ROUNDS; ++r) {
    std::vector<int> seen(clubs, 0);
    int pairs = 0;
    for (int k = 0; k < MAX_ROUND_SLOTS / 2; ++k) {
      const int h = RoundPairs[r][2 * k], a = RoundPairs[r][2 * k + 1];
      if (h == NO_ROUND_SLOT && a == NO_ROUND_SLOT) continue;
      if (h < 0 || a < 0 || h >= clubs || a >= clubs || h == a)
        return ::testing::AssertionFailure() << "round " << r << " pair " << k << ": " << h << "," << a;
      if (seen[h]++ || seen[a]++) return ::testing::AssertionFailure() << "a slot twice in round " << r;
      ++met[h][a];
      ++met[a][h];
      ++pairs;
    }
    const int expected = r < rounds ? clubs / 2 : 0;
    if (pairs != expected)
      return ::testing::AssertionFailure() << "round " << r << " has " << pairs << " pairs, not " << expected;
  }
  for (int i = 0; i < clubs; ++i)
    for (int j = i + 1; j < clubs; ++j)
      if (met[i][j] != 1) return ::testing::AssertionFailure() << i << " and " << j << " met " << met[i][j] << " times";
  return ::testing::AssertionSuccess();
}

class FixGenTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    WinInit(nullptr, "Gafferon test", 1);  // the generator polls
  }
  // The world modules afresh, the window kept.
  static void NewWorld(int country) {
    Clubs_Reset();
    Fixtures_Reset();
    SeasonState_Reset();
    BuildCountryLeagueWorld(country);
  }
};

class RoundRobinTest : public FixGenTest, public ::testing::WithParamInterface<int> {};

TEST_P(RoundRobinTest, EveryClubCountGetsAFullRoundRobin) {
  const int clubs = GetParam();
  for (int seed = 1; seed <= kRoundRobinSeeds; ++seed) {
    GameSeedRandom(static_cast<uint32_t>(seed * 7919 + clubs));
    const int rounds = GenerateRoundRobin(clubs);
    ASSERT_EQ(rounds, clubs % 2 ? clubs : clubs - 1);
    ASSERT_TRUE(IsRoundRobin(clubs, rounds)) << "seed " << seed;
  }
  // The random builder always got there: the circle schedule was never needed.
  EXPECT_EQ(RoundRobin_Counters().fixedSchedules, 0);
  EXPECT_EQ(RoundRobin_Counters().calls, kRoundRobinSeeds);
}

INSTANTIATE_TEST_SUITE_P(ClubCounts, RoundRobinTest, ::testing::Range(2, MAX_ROUND_SLOTS + 1));

TEST_F(FixGenTest, RoundRobinSizesOfTheLeagues) {
  struct Case {
    int clubs, rounds, pairsPerRound;
  };
  // 15: one club rests each round; 10, 14, 18 and 22 are repaired to N - 1 full rounds.
  const Case cases[] = {{10, 9, 5}, {14, 13, 7}, {15, 15, 7}, {18, 17, 9}, {20, 19, 10}, {22, 21, 11}, {24, 23, 12}};
  for (const Case& c : cases) {
    GameSeedRandom(99);
    ASSERT_EQ(GenerateRoundRobin(c.clubs), c.rounds);
    EXPECT_TRUE(IsRoundRobin(c.clubs, c.rounds)) << c.clubs;
    for (int r = 0; r < c.rounds; ++r)
      EXPECT_EQ(std::count_if(RoundPairs[r], RoundPairs[r] + MAX_ROUND_SLOTS, [](int16_t s) { return s >= 0; }),
                2 * c.pairsPerRound);
  }
}

TEST_F(FixGenTest, NoRoundRobinOutsideTwoToTwentyFourClubs) {
  for (int clubs : {-3, 0, 1, 25, 200}) {
    GenerateRoundRobin(18);
    EXPECT_EQ(GenerateRoundRobin(clubs), 0) << clubs;
    EXPECT_TRUE(IsRoundRobin(0, 0));
    EXPECT_EQ(RoundRobinRounds(clubs), 0);
  }
}

// ---- the matchday table ----

struct RowFacts {
  int matchdays = 0;  // entries that are neither 0 nor 6, from the first weekday-0 matchday
  int first = -1;     // index of the first weekday-0 matchday
  int last = -1;
  int lastMarks = 0;
};

RowFacts FactsOf(const int16_t* row) {
  RowFacts f;
  for (int j = 0; j < MATCHDAY_SLOTS; ++j) {
    if (f.first < 0 && (j % 2 == 0) && row[j] != MATCHDAY_NONE) f.first = j;
    if (f.first >= 0 && row[j] != MATCHDAY_NONE && row[j] != MATCHDAY_SKIP) {
      ++f.matchdays;
      f.last = j;
    }
    if (row[j] == MATCHDAY_LAST) ++f.lastMarks;
  }
  return f;
}

TEST(MatchdaySlotsTest, EveryDivisionWithClubsHasMatchdaysForAllItsRounds) {
  for (int country = 0; country < NUM_GAME_COUNTRIES; ++country) {
    int lastMarkRows = 0;
    for (int division = 0; division < NUM_DIVISIONS; ++division) {
      const DivisionEntry& size = CountryDivisionInfo.sizes[country][division];
      const int16_t* row = MatchdaySlots.rows[country][division];
      const RowFacts f = FactsOf(row);
      for (int j = 2 * MATCHDAY_WRITTEN_WEEKS; j < MATCHDAY_SLOTS; ++j) EXPECT_EQ(row[j], 0);
      if (size.value == 0) {
        EXPECT_EQ(f.matchdays, 0) << country << "/" << division;
        continue;
      }
      const int needed = RoundRobinRounds(size.value) * (size.second ? 4 : 2);
      EXPECT_GE(f.matchdays, needed) << country << "/" << division;
      EXPECT_LE(f.lastMarks, 1);
      // A last mark, where there is one, is the row's last matchday.
      if (f.lastMarks) {
        EXPECT_EQ(row[f.last], MATCHDAY_LAST) << country << "/" << division;
      }
      lastMarkRows += f.lastMarks;
    }
    EXPECT_GE(lastMarkRows, 1) << "country " << country << " has no season end";
  }
  // The sixth division of country 4 plays on the dates of the fifth.
  EXPECT_EQ(CountryDivisionInfo.sizes[4][5].value, 15);
  EXPECT_TRUE(std::equal(MatchdaySlots.rows[4][5], MatchdaySlots.rows[4][5] + MATCHDAY_SLOTS, MatchdaySlots.rows[4][4]));
}

// ---- the season ----

struct SeasonCheck {
  int country;
  int seasonCounter;
  SeasonDates dates;
};

// Everything a generated season must be, for the world of BuildCountryLeagueWorld.
// With postponed fixtures, the moved ones stand on any day.
void ExpectFullSeason(const SeasonCheck& s, bool postponed, const std::string& what) {
  const int country = s.country;
  const std::vector<ListedFixture> list = ListFixtures();
  const bool superCup = s.seasonCounter == 0 && (country == 0 || country == 2);
  int superCups = 0, offPattern = 0, maxLeagueDay = -1;
  std::map<std::pair<int, int>, int> clubDay;            // (club, day) -> matches
  std::map<std::pair<int, int>, int> homeAway;           // (home, away) -> league meetings
  std::vector<int> firstDay(NUM_DIVISIONS, 1000);
  int lastDivision = -1;
  for (const ListedFixture& f : list) {
    ASSERT_LT(f.day, 366) << what;
    for (int club : {f.home, f.away}) {
      const int matches = ++clubDay[std::make_pair(club, f.day)];
      EXPECT_EQ(matches, 1) << what << ": club " << club << " twice on day " << f.day;
    }
    const CalendarDate& date = s.dates.days[f.day];
    EXPECT_FALSE(date.dayOfMonth == 25 && date.month == 11) << what << ": a match on 25 December";
    if (f.code == COMP_SUPER_CUP) {
      ++superCups;
      EXPECT_EQ(f.day, FirstMatchDay + 1) << what;
      continue;
    }
    ASSERT_EQ(f.code, COMP_LEAGUE) << what;
    const int division = Club_GetDivision(static_cast<int16_t>(f.home));
    ASSERT_EQ(Club_GetDivision(static_cast<int16_t>(f.away)), division) << what;
    ASSERT_EQ(Club_GetCountry(static_cast<int16_t>(f.home)), country) << what;
    ++homeAway[{f.home, f.away}];
    maxLeagueDay = std::max(maxLeagueDay, f.day);
    firstDay[division] = std::min(firstDay[division], f.day);
    // Weekday-0 rounds on weekday 0 (1 in country 2), weekday-3 rounds on 3 or 4; 25 December's a day later.
    const int sunday = country == 2 ? 1 : 0;
    auto onPattern = [&](int weekday) { return weekday == sunday || weekday == 3 || weekday == 4; };
    const bool afterChristmas =
        f.day > 0 && s.dates.days[f.day - 1].dayOfMonth == 25 && s.dates.days[f.day - 1].month == 11;
    if (!onPattern(date.weekday) && !(afterChristmas && onPattern((date.weekday + 6) % 7))) ++offPattern;
  }
  EXPECT_EQ(superCups, superCup ? 1 : 0) << what;
  // Only the league fixtures the super cup moved may stand off the pattern.
  if (!postponed) {
    EXPECT_LE(offPattern, superCup ? 2 : 0) << what;
  }

  // Every pairing of every division meets once at each ground per two passes.
  for (int division = 0; division < NUM_DIVISIONS; ++division) {
    const DivisionEntry& size = CountryDivisionInfo.sizes[country][division];
    const int meetings = size.second ? 2 : 1;
    std::vector<int16_t> clubs;
    for (int16_t c = 0; c < NUM_CLUBS; ++c)
      if (Club_GetCountry(c) == country && Club_GetDivision(c) == division) clubs.push_back(c);
    ASSERT_EQ(static_cast<int>(clubs.size()), size.value) << what;
    for (int16_t a : clubs)
      for (int16_t b : clubs)
        if (a != b) {
          auto it = homeAway.find({a, b});
          ASSERT_EQ(it == homeAway.end() ? 0 : it->second, meetings) << what << ": " << a << " v " << b;
        }
    if (size.value) lastDivision = division;
  }
  int leagueFixtures = 0;
  for (const auto& entry : homeAway) leagueFixtures += entry.second;
  int expectedFixtures = 0;
  for (int division = 0; division < NUM_DIVISIONS; ++division) {
    const DivisionEntry& size = CountryDivisionInfo.sizes[country][division];
    expectedFixtures += size.value * (size.value - 1) * (size.second ? 2 : 1);
  }
  EXPECT_EQ(leagueFixtures, expectedFixtures) << what;

  // The first matchday is the last division's (a day before its first
  // fixtures in country 2), the season's end its last league matchday.
  EXPECT_EQ(FirstMatchDay + (country == 2 ? 1 : 0), firstDay[lastDivision]) << what;
  EXPECT_EQ(Postdate, maxLeagueDay) << what;
  // The calendar is back at the season's first day.
  EXPECT_EQ(DayOfSeason, 0);
  EXPECT_EQ(DaysSinceFirstMatch, 0);
  EXPECT_EQ(Weekday, s.dates.start.weekday);
  EXPECT_EQ(DayOfMonth, 10);
  EXPECT_EQ(Month, 6);
  EXPECT_EQ(Year, s.dates.start.year);
}

class GameCountryTest : public FixGenTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    FixGenTest::SetUp();
    for (int season = 0; season < 4; ++season) years.push_back(DatesOfSeason(1999 + season));
  }
  std::vector<SeasonDates> years;  // 1999/2000 to 2002/03: 25 December on weekdays 0, 2, 3 and 4
};

TEST_P(GameCountryTest, EverySeedGivesAFullSeason) {
  const int country = GetParam();
  const int failuresBefore = FixGen_RescheduleFailures();
  for (int seed = 1; seed <= kSeasonSeeds; ++seed) {
    const int season = seed % 4;
    NewWorld(country);
    StartSeason(years[season], season);
    GameSeedRandom(static_cast<uint32_t>(seed * 1000 + country));
    ASSERT_EQ(GenerateFixtures(), 0);
    ExpectFullSeason({country, season, years[season]}, false, "seed " + std::to_string(seed));
    if (HasFatalFailure()) return;
  }
  EXPECT_EQ(FixGen_RescheduleFailures(), failuresBefore);
  EXPECT_EQ(RoundRobin_Counters().fixedSchedules, 0);
}

// Every winter: postponements (at the highest chance: every ground poor)
// always find a free day, and the season stays whole.
TEST_P(GameCountryTest, WinterPostponementsAlwaysFindAFreeDay) {
  const int country = GetParam();
  const int failuresBefore = FixGen_RescheduleFailures();
  int postponed = 0;
  for (int seed = 1; seed <= kWinterSeeds; ++seed) {
    const int season = seed % 4;
    NewWorld(country);
    StartSeason(years[season], season);
    GameSeedRandom(static_cast<uint32_t>(seed * 31 + country));
    ASSERT_EQ(GenerateFixtures(), 0);
    for (int day = 1; day <= Postdate; ++day) {
      AdvanceDayCounters();
      ++DayOfSeason;
      postponed += Fixture_PostponeWinterMatches();
    }
    StartSeason(years[season], season);
    ExpectFullSeason({country, season, years[season]}, true, "winter, seed " + std::to_string(seed));
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(postponed, 0);
  EXPECT_EQ(FixGen_RescheduleFailures(), failuresBefore);
}

INSTANTIATE_TEST_SUITE_P(Countries, GameCountryTest, ::testing::Range(0, NUM_GAME_COUNTRIES));

TEST_F(FixGenTest, TheFourDivisionsOfCountryOnePlayThirtySixMatchdays) {
  NewWorld(1);
  GameSeedRandom(5);
  ASSERT_EQ(GenerateFixtures(), 0);
  for (int16_t club : {DivisionBlockStart(1, 0), DivisionBlockStart(1, 3) + 9}) {
    int matches = 0, home = 0;
    for (const ListedFixture& f : ListFixtures()) {
      matches += f.home == club || f.away == club;
      home += f.home == club;
    }
    EXPECT_EQ(matches, 36);
    EXPECT_EQ(home, 18);
  }
}

TEST_F(FixGenTest, ChristmasDayMatchesArePlayedOnBoxingDay) {
  // 25 December 1999 is a Saturday, weekday 0, day 168: a matchday of division 0.
  const SeasonDates dates = DatesOfSeason(1999);
  ASSERT_EQ(dates.days[168].dayOfMonth, 25);
  ASSERT_EQ(dates.days[168].month, 11);
  ASSERT_EQ(dates.days[168].weekday, 0);
  ASSERT_NE(MatchdaySlots.rows[0][0][2 * 24], 0);
  NewWorld(0);
  GameSeedRandom(3);
  ASSERT_EQ(GenerateFixtures(), 0);
  int boxingDay = 0;
  for (const ListedFixture& f : ListFixtures()) {
    EXPECT_NE(f.day, 168);
    if (f.day == 169 && Club_GetDivision(static_cast<int16_t>(f.home)) == 0) ++boxingDay;
  }
  EXPECT_EQ(boxingDay, 10);  // division 0's whole round
}

TEST_F(FixGenTest, CountryTwoPlaysItsWeekendRoundsOnTheDayAfter) {
  NewWorld(2);
  GameSeedRandom(8);
  ASSERT_EQ(GenerateFixtures(), 0);
  // Week 7 is the first matchday of every division: FirstMatchDay is its
  // weekday 0, the fixtures are the day after, and the season ends the day
  // after the last mark.
  EXPECT_EQ(FirstMatchDay, 7 * 7);
  EXPECT_EQ(Postdate, 43 * 7 + 1);
  int firstRound = 0;
  for (const ListedFixture& f : ListFixtures())
    if (f.day == FirstMatchDay + 1 && f.code == COMP_LEAGUE) ++firstRound;
  EXPECT_EQ(firstRound, 9 + 10 + 9 + 9 - 2);  // less the two fixtures moved for the super cup
}

TEST_F(FixGenTest, TransferDeadlinesComeFromTheCountrysTable) {
  struct Case {
    int country;
    int deadlines[3], reopenings[3];
  };
  // Countries 0 and 1 count from the first matchday (week 4 and week 5 of
  // 1999); country 2 from dates: 31 August 1999 is day 52, 1 October day 83,
  // 31 October 113, 1 January 2000 175, 31 January 205, 1 June 327.
  const Case cases[] = {
      {0, {28 + 233, 28 + 233, 28 + 233}, {28 + 307, 28 + 307, 28 + 307}},
      {1, {35 + 240, 35 + 240, 35 + 240}, {35 + 307, 35 + 307, 35 + 307}},
      {2, {52, 113, 205}, {83, 175, 327}},
  };
  for (const Case& c : cases) {
    NewWorld(c.country);
    GameSeedRandom(1);
    GenerateFixtures();
    EXPECT_EQ(DeadlineDay1, c.deadlines[0]) << c.country;
    EXPECT_EQ(DeadlineDay2, c.deadlines[1]) << c.country;
    EXPECT_EQ(DeadlineDay3, c.deadlines[2]) << c.country;
    EXPECT_EQ(WindowOpenDay1, c.reopenings[0]) << c.country;
    EXPECT_EQ(WindowOpenDay2, c.reopenings[1]) << c.country;
    EXPECT_EQ(WindowOpenDay3, c.reopenings[2]) << c.country;
    EXPECT_EQ(Season_GetWindowEndDay(), c.deadlines[2]);
  }
}

TEST_F(FixGenTest, TheSuperCupOpensTheSeasonInCountriesZeroAndTwo) {
  for (int country = 0; country < NUM_GAME_COUNTRIES; ++country) {
    NewWorld(country);
    GameSeedRandom(11);
    ASSERT_EQ(GenerateFixtures(), 0);
    std::vector<ListedFixture> cups;
    for (const ListedFixture& f : ListFixtures())
      if (f.code == COMP_SUPER_CUP) cups.push_back(f);
    if (country != 0 && country != 2) {
      EXPECT_TRUE(cups.empty()) << country;
      continue;
    }
    ASSERT_EQ(cups.size(), 1u) << country;
    EXPECT_EQ(cups[0].home, Club_FindByDbId(CountryRecordTable[country][REC_DIV_CHAMPION]));
    EXPECT_EQ(cups[0].away, Club_FindByDbId(CountryRecordTable[country][REC_CUP_WINNER]));
    const int16_t n = Fixture_Find(cups[0].home, cups[0].away, COMP_SUPER_CUP);
    EXPECT_EQ(Fixture_GetLegFlag(n), country == 0 ? 1 : 0);
  }
  // A later season reads the roll of honour, which has no holders here.
  NewWorld(0);
  SeasonCounter = 1;
  GenerateFixtures();
  for (const ListedFixture& f : ListFixtures()) EXPECT_NE(f.code, COMP_SUPER_CUP);
}

TEST_F(FixGenTest, ALaterSeasonsSuperCupComesFromTheRollOfHonour) {
  for (int country : {0, 2}) {
    NewWorld(country);
    Honours_ClearAll();
    // Last season: club 3 won the league and the first cup, club 8 came second.
    HonoursSeasons[0].bytes[HOLDER_DIV0_CHAMPION] = 3;
    HonoursSeasons[0].bytes[HOLDER_CUP0_WINNER] = 3;
    HonoursSeasons[0].bytes[HOLDER_DIV0_RUNNER_UP] = 8;
    HonoursSeasons[0].bytes[HOLDER_CUP0_RUNNER_UP] = 11;
    Honours_ShiftSeasons();
    SeasonCounter = 2;
    GameSeedRandom(5);
    Seam_ClearCalls();
    ASSERT_EQ(GenerateFixtures(), 0);
    std::vector<ListedFixture> cups;
    for (const ListedFixture& f : ListFixtures())
      if (f.code == COMP_SUPER_CUP) cups.push_back(f);
    ASSERT_EQ(cups.size(), 1u) << country;
    EXPECT_EQ(cups[0].home, 3);
    EXPECT_EQ(cups[0].away, 8);
    EXPECT_EQ(cups[0].day, FirstMatchDay + 1);
    EXPECT_EQ(Fixture_FindClubMatchOnDay(8, country == 0 ? FirstMatchDay : FirstMatchDay + 1),
              country == 0 ? -1 : Fixture_Find(3, 8, COMP_SUPER_CUP));
    // The season's cup draws start afresh.
    EXPECT_EQ(Seam_CountCalls("CupDraw_ClearTable"), 1);
  }
}

TEST_F(FixGenTest, TheCupWinnersLeagueFixtureOfTheOpeningDayMakesWayInCountryZero) {
  NewWorld(0);
  // The cup winners swap places with a club of division 4, which plays on the first matchday.
  const int16_t cupWinner = Club_FindByDbId(CountryRecordTable[0][REC_CUP_WINNER]);
  const int16_t swapped = static_cast<int16_t>(DivisionBlockStart(0, 4));
  ASSERT_EQ(Club_GetDivision(cupWinner), 0);
  Club_SetDivision(cupWinner, 4);
  Club_SetDivision(swapped, 0);
  GameSeedRandom(6);
  ASSERT_EQ(GenerateFixtures(), 0);
  EXPECT_EQ(Fixture_FindClubMatchOnDay(cupWinner, FirstMatchDay), -1);
  int leagueMatches = 0;
  for (const ListedFixture& f : ListFixtures()) {
    if (f.code != COMP_LEAGUE || (f.home != cupWinner && f.away != cupWinner)) continue;
    ++leagueMatches;
    EXPECT_NE(f.day, FirstMatchDay + 1);
  }
  EXPECT_EQ(leagueMatches, 42);
  EXPECT_GE(Fixture_Find(Club_FindByDbId(CountryRecordTable[0][REC_DIV_CHAMPION]), cupWinner, COMP_SUPER_CUP), 0);
  EXPECT_EQ(FixGen_RescheduleFailures(), 0);
  // Nobody human: no news.
  EXPECT_TRUE(MenuPrims_Calls().empty());
}

TEST(SuperCupPairTest, TheRunnersUpStandInForADoubleWinner) {
  struct Case {
    int16_t champion, cupWinner, runnerUp;
    bool pair;
    int16_t first, second;
  };
  const Case cases[] = {
      {5, 9, 7, true, 5, 9},     {5, 5, 7, true, 5, 7},      {5, 5, 5, false, 0, 0},
      {-1, 9, 7, false, 0, 0},   {5, -1, 7, false, 0, 0},    {5, 5, -1, false, 0, 0},
      {255, 9, 7, false, 0, 0},  {5, 255, 7, false, 0, 0},
  };
  for (const Case& c : cases) {
    int16_t first = -9, second = -9;
    EXPECT_EQ(SuperCupPair(c.champion, c.cupWinner, c.runnerUp, &first, &second), c.pair);
    if (c.pair) {
      EXPECT_EQ(first, c.first);
      EXPECT_EQ(second, c.second);
    }
  }
}

TEST_F(FixGenTest, AHumanSuperCupClubHearsOfItsMovedLeagueFixtures) {
  NewWorld(2);
  const int16_t champion = Club_FindByDbId(CountryRecordTable[2][REC_DIV_CHAMPION]);
  Club_SetControl(champion, 1);
  GameSeedRandom(4);
  ASSERT_EQ(GenerateFixtures(), 0);
  int boxes = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox") {
      ++boxes;
      EXPECT_NE(call.text.find("has had to be rescheduled for a later date."), std::string::npos) << call.text;
    }
  EXPECT_EQ(boxes, 2);  // both clubs' league fixtures of the day
  EXPECT_EQ(Fixture_FindClubMatchOnDay(champion, FirstMatchDay + 1),
            Fixture_Find(champion, Club_FindByDbId(CountryRecordTable[2][REC_CUP_WINNER]), COMP_SUPER_CUP));
}

TEST_F(FixGenTest, AFullFixtureListLeavesTheRestOutAndSaysHowMany) {
  NewWorld(1);  // 720 league fixtures
  for (int n = 0; n < NUM_FIXTURES - 100; ++n) ASSERT_GE(Fixture_Add(400, COMP_SPECIAL, 200, 201, 0), 0);
  GameSeedRandom(2);
  testing::internal::CaptureStdout();
  EXPECT_EQ(GenerateFixtures(), 620);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("620 fixtures left out"), std::string::npos);
  EXPECT_EQ(Fixture_GetDay(NUM_FIXTURES - 1), 400);
  EXPECT_EQ(Fixture_GetCompetition(99), COMP_LEAGUE);
  EXPECT_EQ(Fixture_GetCompetition(100), COMP_SPECIAL);
  // The calendar is back all the same.
  EXPECT_EQ(DayOfSeason, 0);
  EXPECT_EQ(DayOfMonth, 10);
}

TEST_F(FixGenTest, AnotherCountryOrNoneMakesNoFixtures) {
  NewWorld(0);
  for (int country : {-1, 9, 31}) {
    GameCountry = static_cast<int8_t>(country);
    EXPECT_EQ(GenerateFixtures(), 0);
    EXPECT_EQ(Fixture_GetDay(0), FIXTURE_EMPTY_DAY);
  }
}

// ---- rescheduling ----

class RescheduleTest : public FixGenTest {
 protected:
  static constexpr int16_t kHome = 10, kAway = 11, kOther = 12;
  void SetUp() override {
    FixGenTest::SetUp();
    NewWorld(0);
    Postdate = 30;
  }
  // A fixture of the home club (against kOther) on each day given.
  static void Busy(std::initializer_list<int> days, int16_t club = kHome) {
    for (int day : days) ASSERT_GE(Fixture_Add(day, COMP_LEAGUE, club, kOther, 0), 0);
  }
  static int16_t TheFixture() { return Fixture_Find(kHome, kAway, COMP_LEAGUE); }
  static std::vector<int> DaysOf(int16_t home, int16_t away) {
    std::vector<int> days;
    for (const ListedFixture& f : ListFixtures())
      if (f.home == home && f.away == away) days.push_back(f.day);
    return days;
  }
};

TEST_F(RescheduleTest, TheLatestRunOfFiveFreeDaysTakesItsMiddleDay) {
  ASSERT_GE(Fixture_Add(5, COMP_LEAGUE, kHome, kAway, 0), 0);
  Busy({30});
  Busy({29}, kAway);
  const int16_t slot = Fixture_Reschedule(5, TheFixture());
  ASSERT_GE(slot, 0);
  EXPECT_EQ(Fixture_GetDay(slot), 26);  // free 28 down to 24
  EXPECT_EQ(DaysOf(kHome, kAway), (std::vector<int>{5, 26}));
  EXPECT_TRUE(Fixture_MoveToFreeDay(5, TheFixture()));
  EXPECT_EQ(DaysOf(kHome, kAway), (std::vector<int>{23, 26}));  // the old one gone; 26 now busy: 25 down to 21
}

TEST_F(RescheduleTest, ThenARunOfThreeThenASingleDay) {
  ASSERT_GE(Fixture_Add(5, COMP_LEAGUE, kHome, kAway, 0), 0);
  Busy({30, 26, 22, 18, 14, 10, 6});  // runs of three at most
  EXPECT_EQ(Fixture_GetDay(Fixture_Reschedule(5, TheFixture())), 28);

  Fixtures_Reset();
  ASSERT_GE(Fixture_Add(5, COMP_LEAGUE, kHome, kAway, 0), 0);
  Busy({30, 28, 26, 24, 22, 20, 18, 16, 14, 12, 10, 8, 6});
  EXPECT_EQ(Fixture_GetDay(Fixture_Reschedule(5, TheFixture())), 29);
}

TEST_F(RescheduleTest, FriendliesDoNotBlockADayButChristmasDayDoes) {
  ASSERT_GE(Fixture_Add(5, COMP_LEAGUE, kHome, kAway, 0), 0);
  for (int day = 6; day <= 30; ++day)
    if (day != 20) {
      ASSERT_GE(Fixture_Add(day, COMP_LEAGUE, kOther, kAway, 0), 0);
    }
  ASSERT_GE(Fixture_Add(20, COMP_FRIENDLY, kOther, kHome, 0), 0);
  EXPECT_EQ(Fixture_GetDay(Fixture_Reschedule(5, TheFixture())), 20);

  // From 20 December 1999 (day 163) on, 25 December is day 168 and never chosen.
  Fixtures_Reset();
  DayOfSeason = 163;
  DayOfMonth = 20;
  Month = 11;
  Postdate = 170;
  ASSERT_GE(Fixture_Add(163, COMP_LEAGUE, kHome, kAway, 0), 0);
  Busy({170, 169, 167, 166, 165, 164});
  testing::internal::CaptureStdout();
  EXPECT_EQ(Fixture_Reschedule(163, TheFixture()), -1);
  testing::internal::GetCapturedStdout();
}

TEST_F(RescheduleTest, NoFreeDayLeavesTheFixtureWhereItIs) {
  ASSERT_GE(Fixture_Add(5, COMP_LEAGUE, kHome, kAway, 0), 0);
  for (int day = 6; day <= 30; ++day) Busy({day});
  const int before = FixGen_RescheduleFailures();
  testing::internal::CaptureStdout();
  EXPECT_EQ(Fixture_Reschedule(5, TheFixture()), -1);
  EXPECT_FALSE(Fixture_MoveToFreeDay(5, TheFixture()));
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("no more fixture space on DayNo: '0'"), std::string::npos);
  EXPECT_NE(out.find("no more fixture Finalday Postdate: '30,5'"), std::string::npos);
  EXPECT_EQ(FixGen_RescheduleFailures(), before + 2);
  EXPECT_EQ(DaysOf(kHome, kAway), std::vector<int>{5});
  // No fixture, or an empty slot, is nothing to move.
  EXPECT_EQ(Fixture_Reschedule(5, -1), -1);
  EXPECT_EQ(Fixture_Reschedule(5, NUM_FIXTURES - 1), -1);
}

TEST_F(RescheduleTest, ARequestAtOrPastTheSeasonsEndCountsFromToday) {
  DayOfSeason = 20;
  ASSERT_GE(Fixture_Add(35, COMP_LEAGUE, kHome, kAway, 0), 0);
  const int16_t slot = Fixture_Reschedule(35, TheFixture());
  EXPECT_EQ(Fixture_GetDay(slot), 28);  // 30 down to 21: the run 30-26 has its middle at 28
}

TEST_F(RescheduleTest, AFullListHasNoRoomForTheCopy) {
  ASSERT_GE(Fixture_Add(5, COMP_LEAGUE, kHome, kAway, 0), 0);
  while (Fixture_GetDay(NUM_FIXTURES - 1) == FIXTURE_EMPTY_DAY) Fixture_Add(400, COMP_SPECIAL, 200, 201, 0);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(Fixture_MoveToFreeDay(5, TheFixture()));
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(DaysOf(kHome, kAway), std::vector<int>{5});
}

// ---- winter ----

TEST_F(FixGenTest, WinterPostponementsNeedWinterAndAPoorGround) {
  NewWorld(0);
  GameSeedRandom(21);
  ASSERT_EQ(GenerateFixtures(), 0);
  const size_t fixtures = ListFixtures().size();
  // Walk the season; clubs 0-19 (division 0) have good grounds.
  for (int16_t c = 0; c < 20; ++c) {
    Club_SetStand1Style(c, 5);
    Club_SetStand2Style(c, 5);
    Club_SetStand3Style(c, 5);
    Club_SetStand4Style(c, 5);
  }
  int postponed = 0, outsideWinter = 0;
  for (int day = 1; day < Postdate; ++day) {
    AdvanceDayCounters();
    ++DayOfSeason;
    const std::vector<ListedFixture> before = ListFixtures();
    const int today = Fixture_PostponeWinterMatches();
    postponed += today;
    const bool winter = Month == 10 || Month == 11 || Month == 0 || Month == 1;
    if (!winter) outsideWinter += today;
    if (today == 0) continue;
    // What moved: league fixtures of clubs with poor grounds, from today to later days.
    const std::vector<ListedFixture> after = ListFixtures();
    ASSERT_EQ(after.size(), before.size());
    for (const ListedFixture& f : before)
      if (f.day == DayOfSeason &&
          std::none_of(after.begin(), after.end(), [&](const ListedFixture& a) {
            return a.day == f.day && a.home == f.home && a.away == f.away;
          })) {
        EXPECT_GE(f.home, 20);
        EXPECT_EQ(f.code, COMP_LEAGUE);
      }
  }
  EXPECT_EQ(outsideWinter, 0);
  EXPECT_GT(postponed, 10);
  EXPECT_EQ(ListFixtures().size(), fixtures);
}

}  // namespace
