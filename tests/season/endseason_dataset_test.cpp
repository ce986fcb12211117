// A season's end and the next season's set-up, for every game country, on the
// world a new game makes from the generated database: the league fixtures
// generated and filled with seeded results, the players' season figures
// seeded, the first cup's final played; then the end of the season, the
// play-offs (the match day's part played by the test), the season's awards
// and the new season.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <random>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "season/calendar_step.h"
#include "season/endseason.h"
#include "season/fixgen.h"
#include "season/newgame.h"
#include "season/playoff_support.h"
#include "season/progress.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/honours.h"
#include "world/players.h"
#include "world/static_country.h"
#include "world/worldgen.h"

namespace {

constexpr uint32_t kSeed = 2024;
constexpr int kHistoryBytes = CLUB_HISTORY_BLOCKS * CLUB_HISTORY_SIZE;
using History = std::array<uint8_t, kHistoryBytes>;

const uint8_t* HistoryOf(int16_t club) { return Club_GetFullRecord(club)->bytes + CLUB_HISTORY_OFFSET; }

// The club simulation's answers the test gives: a club's manager from the
// world, made-up form and reputation-rank scores.
int16_t WorldManager(int16_t club) {
  for (int16_t p = 0; p < PlayerCount; ++p)
    if (Player_GetClub(p) == club && Player_GetManager(p)) return p;
  return 1;
}
int16_t Form(int16_t club) { return static_cast<int16_t>(club * 37 % 61); }
int16_t RepRank(int16_t club) { return static_cast<int16_t>(club * 11 % 25); }

CalendarDate DateAfter(CalendarDate date, int days) {
  for (int i = 0; i < days; ++i) Calendar_StepDate(date);
  return date;
}

void SetDay(const CalendarDate& start, int day) {
  const CalendarDate date = DateAfter(start, day);
  Weekday = date.weekday;
  DayOfMonth = date.dayOfMonth;
  Month = date.month;
  Year = date.year;
  DayOfSeason = static_cast<int16_t>(day);
}

// The division tables as the season ended.
struct Tables {
  uint8_t rows[NUM_DIVISIONS][DIVISION_PLACES];
  int count[NUM_DIVISIONS] = {};
  Tables() {
    std::memcpy(rows, DivisionTable, sizeof rows);
    for (int d = 0; d < NUM_DIVISIONS; ++d)
      while (count[d] < DIVISION_PLACES && rows[d][count[d]] != NO_TABLE_CLUB) ++count[d];
  }
  bool Has(int d, int16_t club) const { return std::find(rows[d], rows[d] + count[d], club) != rows[d] + count[d]; }
};

// The best of the division's players by a value, the first in player order at a tie.
template <typename Test, typename Value>
int16_t Best(const Tables& t, int d, Test allowed, Value value) {
  int16_t best = -1;
  int bestValue = -1;
  for (int16_t p = 0; p < PlayerCount; ++p)
    if (t.Has(d, Player_GetClub(p)) && allowed(p) && value(p) > bestValue) best = p, bestValue = value(p);
  return best;
}

class SeasonCycleTest : public EngineTest, public ::testing::WithParamInterface<int> {
 protected:
  std::optional<ScratchDir> scratch;

  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(srcdb::BuiltTotStat().size(), static_cast<size_t>(TOTSTAT_SIZE)) << "no generated database";
    scratch.emplace("gafferon_season");
    StartWindowAndTimer();
    srcdb::MountTotStat(srcdb::BuiltTotStat());
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }

  // The world as a new game makes it, with last season on the roll of honour.
  static void MakeWorld(int g) {
    GameCountry = static_cast<int8_t>(g);
    GameSeedRandom(kSeed + g);
    LoadWorldSourceData();
    Club_InitCountryClubs();
    Honours_ClearAll();
    Club_InitSeasonData();
    BuildCupSeedingList();
    DivisionClubs_Build();
    CreateWorldPlayers();
    Honours_InitFromCountryRecord();
    Honours_ShiftSeasons();
  }

  static int DivisionCount(int g, int d) {
    int n = 0;
    for (int16_t c = 0; c < NUM_CLUBS; ++c)
      if (Club_GetCountry(c) == g && Club_GetDivision(c) == d) ++n;
    return n;
  }
};

TEST_P(SeasonCycleTest, ASeasonEndsAndTheNextBegins) {
  const int g = GetParam();
  MakeWorld(g);
  const CalendarDate start = Calendar_Today();
  ASSERT_EQ(GenerateFixtures(), 0);
  SortLeagueTables();
  int outside = DivisionCount(g, NUM_DIVISIONS);

  // ---- the season, played by seeded dice ----
  std::mt19937 dice(kSeed + g);
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n)
    if (Fixture_GetCompetition(n) == COMP_LEAGUE) Fixture_SetResult(n, dice() % 4, dice() % 3);
  for (int16_t p = 0; p < PlayerCount; ++p) {
    Player_SetGoals(p, dice() % 30);
    Player_SetApps(p, dice() % 46);
    Player_SetPerf(p, dice() % 101);
  }
  // The first cup's final: its winner and runner-up go on the roll as the cup ties write them.
  const int16_t cupWinner = DivisionTable[0][3], cupLoser = DivisionTable[1][0];
  const int16_t finalCode = static_cast<int16_t>(COMP_CUP_FIRST + CupRoundsTable[g][0] - 1);
  const int16_t final = Fixture_Add(Postdate - 2, finalCode, cupWinner, cupLoser, 1);
  ASSERT_GE(final, 0);
  Fixture_SetResult(final, 2, 1);
  Honours_RecordWinner(cupWinner, HONOUR_CUP_WINNERS);
  Honours_RecordWinner(cupLoser, HONOUR_CUP_WINNERS + 1);

  // ---- Postdate: the last sort of the tables, then the season's end ----
  const int16_t postdate = Postdate;
  SetDay(start, postdate);
  LeagueTable_Rebuild(postdate);
  SortLeagueTables();
  const Tables table;
  std::vector<int32_t> balances(NUM_CLUBS);
  int64_t money = MoneyPool;
  for (int16_t c = 0; c < NUM_CLUBS; ++c) money += balances[c] = Club_GetBalance(c);
  std::vector<History> history(NUM_CLUBS);
  std::vector<std::vector<int16_t>> scorers(NUM_CLUBS);
  std::vector<int16_t> divisions(NUM_CLUBS);
  for (int16_t c = 0; c < NUM_CLUBS; ++c) {
    divisions[c] = Club_GetDivision(c);
    if (!Club_GetFullRecord(c)) continue;
    std::memcpy(history[c].data(), HistoryOf(c), kHistoryBytes);
    BuildClubSquadList(c);
    for (int16_t p : SquadList)
      if (p >= 0 && Player_GetPosition(p) != 0) scorers[c].push_back(p);
    std::stable_sort(scorers[c].begin(), scorers[c].end(),
                     [](int16_t a, int16_t b) { return Player_GetGoals(a) > Player_GetGoals(b); });
    scorers[c].resize(std::min<size_t>(scorers[c].size(), CLUB_TOP_SCORERS));
  }

  EndOfSeason();

  // The roll of honour: each division's champions and runners-up, the cup's finalists.
  const int champions[NUM_DIVISIONS] = {14, 16, 18, 20, 22, 24};
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    if (table.count[d] == 0) {
      EXPECT_EQ(Honours_GetHolder(0, champions[d]), 255) << d;
      continue;
    }
    EXPECT_EQ(Honours_GetHolder(0, champions[d]), table.rows[d][0]) << d;
    EXPECT_EQ(Honours_GetHolder(0, champions[d] + 1), table.rows[d][1]) << d;
    EXPECT_EQ(table.count[d], CountryDivisionInfo.sizes[g][d].value) << d;
  }
  EXPECT_EQ(Honours_GetHolder(0, HOLDER_CUP0_WINNER), cupWinner);
  EXPECT_EQ(Honours_GetHolder(0, HOLDER_CUP0_RUNNER_UP), cupLoser);

  // The prize money by place, every payment out of the pool.
  int64_t moneyAfter = MoneyPool;
  for (int16_t c = 0; c < NUM_CLUBS; ++c) moneyAfter += Club_GetBalance(c);
  EXPECT_EQ(moneyAfter, money);
  for (int d = 0; d < NUM_DIVISIONS; ++d)
    for (int p = 0; p < table.count[d]; ++p) {
      const uint8_t club = table.rows[d][p];
      EXPECT_EQ(Club_GetBalance(club) - balances[club], LeaguePrize(d, p)) << d << " " << p;
    }
  EXPECT_GT(LeaguePrize(0, 0), 0);

  // The history blocks moved one place; block 0 holds the season.
  for (int16_t c = 0; c < NUM_CLUBS; ++c) {
    if (!Club_GetFullRecord(c)) continue;
    SCOPED_TRACE(c);
    const uint8_t* h = HistoryOf(c);
    ASSERT_EQ(std::memcmp(h + CLUB_HISTORY_SIZE, history[c].data(), kHistoryBytes - CLUB_HISTORY_SIZE), 0);
    const LeagueTableRow& row = LeagueTable[c];
    EXPECT_EQ(LoadI16(h + 12), row.points);
    EXPECT_EQ(LoadI16(h + 14), row.played);
    EXPECT_EQ(LoadI16(h + 20), row.homeFor + row.awayFor);
    for (int e = 0; e < CLUB_TOP_SCORERS; ++e) {
      const int16_t expected = e < static_cast<int>(scorers[c].size()) ? scorers[c][e] : -1;
      EXPECT_EQ(Club_GetSeasonTopScorer(c, 0, e), expected) << e;
      EXPECT_EQ(Club_GetSeasonTopScorerGoals(c, 0, e), expected < 0 ? 0 : Player_GetGoals(expected)) << e;
    }
    EXPECT_GE(Club_GetRecordPointsTotal(c), row.points);
  }
  const uint8_t* cupEntry = HistoryOf(cupWinner) + 48;
  EXPECT_EQ(LoadI32(cupEntry), finalCode);
  EXPECT_EQ(LoadI32(cupEntry + 4), 2);
  EXPECT_EQ(LoadI32(cupEntry + 8), 1);
  EXPECT_EQ(LoadI32(cupEntry + 16), cupLoser);

  // Only the clubs of the promotion and relegation places moved, the right way.
  for (int d = 0; d < NUM_DIVISIONS; ++d)
    for (int row = 0; row < table.count[d]; ++row) {
      const int16_t club = table.rows[d][row];
      const int16_t now = Club_GetDivision(club);
      if (row < PromotionPlaces[g][d] && d > 0)
        EXPECT_LT(now, d) << club;
      else if (row >= table.count[d] - RelegationPlaces[g][d])
        EXPECT_GT(now, d) << club;
      else
        EXPECT_EQ(now, d) << club;
    }

  // ---- the play-offs, decided as the match day decides them ----
  int playoffDivisions = 0;
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    if (CountryDivisionInfo.playoffs[g][d].value == 0) {
      for (int k = 0; k < PLAYOFF_PLACES; ++k) EXPECT_EQ(PlayoffTable[d][k], PLAYOFF_EMPTY);
      continue;
    }
    ++playoffDivisions;
    for (int k = 0; k < PLAYOFF_PLACES; ++k) {
      EXPECT_EQ(PlayoffTable[d][k], table.rows[d][PromotionPlaces[g][d] + k]) << d << " " << k;
      EXPECT_EQ(PlayoffClubs[d][k], PlayoffTable[d][k]);
    }
  }
  const bool twoLegs = PlayoffKind[g] == PLAYOFF_TWO_LEGS;
  int semis = 0;
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n) {
    const int16_t code = Fixture_GetCompetition(n);
    if (code < 1 || code > 3) continue;
    ++semis;
    EXPECT_EQ(Fixture_GetDay(n), postdate + (code == 2 ? 17 : 14));
    EXPECT_EQ(code, twoLegs ? Fixture_GetDay(n) == postdate + 14 ? 1 : 2 : 1);
    // The higher seed plays the deciding match at home and wins it.
    if (twoLegs && code == 1) {
      Fixture_SetResult(n, 0, 0);
    } else {
      Fixture_SetResult(n, 1, 0);
      playoff::KnockOut(Fixture_GetAwayClub(n));
    }
  }
  EXPECT_EQ(semis, playoffDivisions * (twoLegs ? 4 : 2));

  SetDay(start, postdate + 17);
  Season_AddPlayOffFinals();
  int finals = 0;
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n) {
    if (Fixture_GetCompetition(n) != 3) continue;
    ++finals;
    const int16_t home = Fixture_GetHomeClub(n), away = Fixture_GetAwayClub(n);
    const int16_t division = Club_GetDivision(home);
    EXPECT_EQ(Club_GetDivision(away), division);
    EXPECT_EQ(Fixture_GetDay(n), postdate + 28 + PlayoffFinalOffset[g][division]);
    EXPECT_EQ(Fixture_GetLegFlag(n), 1);
    EXPECT_EQ(home, PlayoffTable[division][0]);  // the first seed won through
    Fixture_SetResult(n, 3, 1);
    playoff::PromoteWinner(g, home);
  }
  EXPECT_EQ(finals, playoffDivisions);

  // Every division has its size again, and nobody left or joined the league.
  for (int d = 0; d < NUM_DIVISIONS; ++d) EXPECT_EQ(DivisionCount(g, d), CountryDivisionInfo.sizes[g][d].value) << d;
  EXPECT_EQ(DivisionCount(g, NUM_DIVISIONS), outside);

  // Germany's super cup two weeks after the season.
  if (g == 3) {
    const int16_t n = Fixture_FindClubMatchOnDay(Honours_GetHolder(0, HOLDER_DIV0_CHAMPION), postdate + 14);
    ASSERT_GE(n, 0);
    EXPECT_EQ(Fixture_GetCompetition(n), COMP_SUPER_CUP);
    const int16_t second = cupWinner == table.rows[0][0] ? table.rows[0][1] : cupWinner;
    EXPECT_EQ(Fixture_GetAwayClub(n), second);
  }

  // ---- 15 June: the season's awards, division by division ----
  ClubSim.getClubManager = WorldManager;
  ClubSim.calcClubFormScore = Form;
  ClubSim.calcRepRankScore = RepRank;
  for (int16_t d = 0; d < NUM_DIVISIONS; ++d) {
    if (table.count[d] == 0) continue;
    Honours_SelectManagerOfYear(d);
    Honours_SelectPlayerOfYear(d);
    Honours_SelectYoungPlayer(d);
    Honours_SelectTopScorer(d);
  }
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    SCOPED_TRACE(d);
    if (table.count[d] == 0) {
      EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_TOP_SCORER, d), -1);
      continue;
    }
    auto manager = [](int16_t p) { return Player_GetPosition(p) == POSITION_MANAGER; };
    const int16_t scorer = Best(
        table, d, [&](int16_t p) { return Player_GetPosition(p) != 0 && !manager(p); },
        [](int16_t p) { return static_cast<int>(Player_GetGoals(p)); });
    const int16_t player = Best(
        table, d, [&](int16_t p) { return Player_GetApps(p) > 30 && !manager(p); },
        [](int16_t p) { return static_cast<int>(Player_GetPerf(p)); });
    const int16_t young = Best(
        table, d, [&](int16_t p) { return Player_GetApps(p) > 10 && Player_GetAge(p) < 8 && !manager(p); },
        [](int16_t p) { return static_cast<int>(Player_GetPerf(p)); });
    ASSERT_GE(scorer, 0);
    EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_TOP_SCORER, d), Player_GetSurname(scorer));
    EXPECT_EQ(Honours_GetAwardClub(0, AWARD_TOP_SCORER, d), Player_GetClub(scorer));
    EXPECT_EQ(Honours_GetTopScorerGoals(0, d), Player_GetGoals(scorer));
    ASSERT_GE(player, 0);
    EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_PLAYER_OF_YEAR, d), Player_GetSurname(player));
    EXPECT_EQ(Honours_GetAwardClub(0, AWARD_PLAYER_OF_YEAR, d), Player_GetClub(player));
    EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_YOUNG_PLAYER, d), young < 0 ? -1 : Player_GetSurname(young));
    EXPECT_EQ(Honours_GetAwardClub(0, AWARD_YOUNG_PLAYER, d), young < 0 ? -1 : Player_GetClub(young));
    int16_t bestClub = -1;
    int bestScore = -1;
    for (int row = 0; row < table.count[d]; ++row) {
      const int16_t club = table.rows[d][row];
      const int16_t m = WorldManager(club);
      if (m == 1 || Player_GetCaretaker(m)) continue;
      if (Form(club) + RepRank(club) > bestScore) bestClub = club, bestScore = Form(club) + RepRank(club);
    }
    ASSERT_GE(bestClub, 0);
    EXPECT_EQ(Honours_GetAwardClub(0, AWARD_MANAGER_OF_YEAR, d), bestClub);
    EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_MANAGER_OF_YEAR, d), Player_GetSurname(WorldManager(bestClub)));
  }

  // ---- the year is over: the next season ----
  const HonoursSeasonRecord ended = HonoursSeasons[0];
  Seam_ClearCalls();
  ++SeasonCounter;
  SetDay(start, 366);  // 1999-2000 has a 29 February: day 366 is the next 10 July
  ASSERT_EQ(Month, 6);
  ASSERT_EQ(DayOfMonth, 10);
  MoneyPool = MONEY_POOL_START;
  GameSeedRandom(kSeed * 3 + g);
  StartNewSeason();

  EXPECT_EQ(DayOfSeason, 0);
  EXPECT_EQ(ProgressWords.total, -1);
  EXPECT_EQ(ProgressWords.step, -1);
  EXPECT_EQ(std::memcmp(HonoursSeasons[1].bytes, ended.bytes, HONOURS_RECORD_SIZE), 0);
  EXPECT_EQ(Honours_GetHolder(0, HOLDER_DIV0_CHAMPION), 255);
  EXPECT_EQ(Seam_CountCalls("CupDraw_ClearTable"), 1);

  // Every league club plays its new division's round robin; no old fixture is left.
  std::vector<int> matches(NUM_CLUBS, 0);
  int superCups = 0;
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n) {
    const int16_t code = Fixture_GetCompetition(n), home = Fixture_GetHomeClub(n), away = Fixture_GetAwayClub(n);
    EXPECT_FALSE(Fixture_IsPlayed(n));
    EXPECT_TRUE(code == COMP_LEAGUE || code == COMP_SUPER_CUP || code == COMP_FRIENDLY) << code;
    if (code == COMP_SUPER_CUP) {
      ++superCups;
      int16_t first, second;
      ASSERT_TRUE(SuperCupPair(Honours_GetHolder(1, HOLDER_DIV0_CHAMPION), Honours_GetHolder(1, HOLDER_CUP0_WINNER),
                               Honours_GetHolder(1, HOLDER_DIV0_RUNNER_UP), &first, &second));
      EXPECT_EQ(home, first);
      EXPECT_EQ(away, second);
      EXPECT_EQ(Fixture_GetDay(n), FirstMatchDay + 1);
    }
    if (code != COMP_LEAGUE) continue;
    EXPECT_EQ(Club_GetDivision(home), Club_GetDivision(away));
    ++matches[home];
    ++matches[away];
  }
  EXPECT_EQ(superCups, g == 0 || g == 2 ? 1 : 0);
  const int passes = CountryDivisionInfo.sizes[g][0].second ? 4 : 2;
  for (int16_t c = 0; c < NUM_CLUBS; ++c) {
    const int16_t d = Club_GetDivision(c);
    if (Club_GetCountry(c) != g || d >= NUM_DIVISIONS) {
      EXPECT_EQ(matches[c], 0) << c;
      continue;
    }
    EXPECT_EQ(matches[c], passes * (CountryDivisionInfo.sizes[g][d].value - 1)) << c;
  }
  for (int d = 0; d < NUM_DIVISIONS; ++d)
    for (int place = 0; place < DIVISION_PLACES; ++place) {
      const int16_t club = DivisionClubs_Get(d, place);
      EXPECT_EQ(club >= 0, place < CountryDivisionInfo.sizes[g][d].value) << d << " " << place;
      if (club >= 0) {
        EXPECT_EQ(Club_GetDivision(club), d);
      }
    }
  EXPECT_GT(Postdate, FirstMatchDay);

  // The next season's end moves the history on again.
  const int16_t club = table.rows[0][0];
  History before;
  std::memcpy(before.data(), HistoryOf(club), kHistoryBytes);
  LeagueTable_Rebuild(Postdate);
  SortLeagueTables();
  SetDay(DateAfter(start, 366), Postdate);
  EndOfSeason();
  EXPECT_EQ(std::memcmp(HistoryOf(club) + CLUB_HISTORY_SIZE, before.data(), kHistoryBytes - CLUB_HISTORY_SIZE), 0);
  EXPECT_EQ(std::memcmp(HistoryOf(club) + 2 * CLUB_HISTORY_SIZE, history[club].data(), CLUB_HISTORY_SIZE), 0);
}

INSTANTIATE_TEST_SUITE_P(Countries, SeasonCycleTest, ::testing::Range(0, NUM_GAME_COUNTRIES));

}  // namespace
