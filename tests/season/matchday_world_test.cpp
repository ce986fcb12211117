// The match day over a world made from the generated database, as a new game
// makes it: days of league fixtures prepared from the world's records, played
// in the background simulation and booked, one fixture per call.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "engine/rand.h"
#include "gamecode/matchrec.h"
#include "season/calendar_step.h"
#include "season/fixgen.h"
#include "season/matchday.h"
#include "season/newgame.h"
#include "season/playfix.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/players.h"
#include "world/worldgen.h"

namespace {

constexpr uint32_t kSeed = 2024;

class MatchDayWorldTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;

  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(srcdb::BuiltTotStat().size(), static_cast<size_t>(TOTSTAT_SIZE)) << "no generated database";
    scratch.emplace("gafferon_matchday");
    FreshStart();
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }

  // Every module as at program start, the window and timer running (the
  // making of the world polls the window) and the database in the pak.
  void FreshStart() {
    ResetEngine();
    StartWindowAndTimer();
    srcdb::MountTotStat(srcdb::BuiltTotStat());
  }

  // The world of a new game in the country, its season's league fixtures and
  // its tables in club order, at day 0.
  static void MakeWorld(int country, uint32_t seed) {
    GameCountry = static_cast<int8_t>(country);
    GameSeedRandom(seed);
    LoadWorldSourceData();
    Club_InitCountryClubs();
    BuildCupSeedingList();
    DivisionClubs_Build();
    CreateWorldPlayers();
    ASSERT_EQ(GenerateFixtures(), 0);
    DivisionClubOrder_Build();
    SortLeagueTables();
  }

  // Moves the calendar on to the day.
  static void GoToDay(int16_t day) {
    while (DayOfSeason < day) {
      AdvanceDayCounters();
      ++DayOfSeason;
    }
  }

  static int16_t NextFixtureDay() {
    for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n)
      if (Fixture_GetDay(n) >= DayOfSeason && !Fixture_IsPlayed(n)) return Fixture_GetDay(n);
    return -1;
  }

  struct Tally {
    int matches = 0, goals = 0, homeWins = 0, awayWins = 0, draws = 0, maxScore = 0;
  };

  // Plays today's fixtures; answers how many.
  static int PlayDay(Tally* tally) {
    int played = 0;
    int16_t fixture = -1;
    while (PlayNextFixture(&fixture) != NO_FIXTURE_LEFT) {
      ++played;
      if (tally == nullptr) continue;
      const int h = CurrentMatchScores[0], a = CurrentMatchScores[1];
      ++tally->matches;
      tally->goals += h + a;
      tally->maxScore = std::max({tally->maxScore, h, a});
      if (h > a) ++tally->homeWins;
      else if (h < a) ++tally->awayWins;
      else ++tally->draws;
    }
    return played;
  }

  static int64_t MoneyInTheWorld() {
    int64_t total = MoneyPool;
    for (int16_t c = 0; c < NUM_CLUBS; ++c) total += Club_GetBalance(c);
    return total;
  }
};

TEST_F(MatchDayWorldTest, TwoThousandBackgroundMatchesLookLikeFootball) {
  MakeWorld(0, kSeed);
  Tally tally;
  int days = 0;
  while (tally.matches < 2000) {
    const int16_t day = NextFixtureDay();
    ASSERT_GE(day, 0) << "the season ran out of fixtures";
    GoToDay(day);
    const int64_t money = MoneyInTheWorld();
    const int played = PlayDay(&tally);
    ASSERT_GT(played, 0);
    EXPECT_EQ(MoneyInTheWorld(), money) << "day " << day;
    ++days;
  }
  const double mean = static_cast<double>(tally.goals) / tally.matches;
  const double draws = 100.0 * tally.draws / tally.matches;
  std::printf("%d matches on %d days: %.2f goals a match, home %d, away %d, draws %d (%.1f%%), highest score %d\n",
              tally.matches, days, mean, tally.homeWins, tally.awayWins, tally.draws, draws, tally.maxScore);
  EXPECT_GE(mean, 2.0);
  EXPECT_LE(mean, 3.5);
  EXPECT_GT(tally.homeWins, tally.awayWins);
  EXPECT_GE(draws, 20.0);
  EXPECT_LE(draws, 33.0);
  EXPECT_LE(tally.maxScore, 12);
}

}  // namespace
