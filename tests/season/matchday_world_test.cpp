// The match day over a world made from the generated database, as a new game
// makes it: days of league fixtures prepared from the world's records, played
// in the background simulation and booked, one fixture per call.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "season/matchday.h"
#include "season/matchday_support.h"
#include "season/playfix.h"
#include "season/simmatch.h"
#include "world/clubs.h"

namespace {

using mdtest::GeneratedWorldTest;

constexpr uint32_t kSeed = 2024;

struct Tally {
  int matches = 0, goals = 0, homeWins = 0, awayWins = 0, draws = 0, maxScore = 0;
};

// Plays today's fixtures; answers how many.
int PlayDay(Tally* tally = nullptr) {
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

int64_t MoneyInTheWorld() {
  int64_t total = MoneyPool;
  for (int16_t c = 0; c < NUM_CLUBS; ++c) total += Club_GetBalance(c);
  return total;
}

template <typename T>
std::vector<uint8_t> BytesOf(const T& object) {
  const auto* p = reinterpret_cast<const uint8_t*>(&object);
  return std::vector<uint8_t>(p, p + sizeof object);
}

// Everything a day of matches writes into the world.
std::vector<uint8_t> WorldBytes() {
  std::vector<uint8_t> out = BytesOf(FixtureList);
  for (const auto& part : {BytesOf(LeagueTable), BytesOf(ClubRecords), BytesOf(PlayerRecords), BytesOf(MoneyPool),
                           BytesOf(DivisionTable)})
    out.insert(out.end(), part.begin(), part.end());
  const uint8_t* result = GetMatchResultRecord();
  out.insert(out.end(), result, result + MATCH_RESULT_SIZE);
  return out;
}

class MatchDayWorldTest : public GeneratedWorldTest {
 protected:
  // Plays the next `days` days that have fixtures; answers the fixtures played.
  int PlayDays(int days, Tally* tally = nullptr) {
    int played = 0;
    for (int d = 0; d < days; ++d) {
      const int16_t day = NextFixtureDay();
      if (day < 0) break;
      GoToDay(day);
      played += PlayDay(tally);
    }
    return played;
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
    ASSERT_GT(PlayDay(&tally), 0);
    // Gate money comes out of the money pool: the world's money stays the same.
    EXPECT_EQ(MoneyInTheWorld(), money) << "day " << day;
    ++days;
  }
  EXPECT_EQ(SimSheets.backgroundMatches, tally.matches);
  const double mean = static_cast<double>(tally.goals) / tally.matches;
  const double draws = 100.0 * tally.draws / tally.matches;
  std::printf("%d matches on %d days: %.2f goals a match, home wins %d, away wins %d, draws %d (%.1f%%), "
              "highest score %d\n",
              tally.matches, days, mean, tally.homeWins, tally.awayWins, tally.draws, draws, tally.maxScore);
  EXPECT_GE(mean, 2.0);
  EXPECT_LE(mean, 3.5);
  EXPECT_GT(tally.homeWins, tally.awayWins);
  EXPECT_GE(draws, 20.0);
  EXPECT_LE(draws, 33.0);
  EXPECT_LE(tally.maxScore, 12);
}

TEST_F(MatchDayWorldTest, TheBookedTablesAreWhatTheFixturesCount) {
  MakeWorld(0, kSeed);
  ASSERT_GT(PlayDays(6), 100);
  const std::vector<uint8_t> booked = BytesOf(LeagueTable);
  LeagueTable_Rebuild(DayOfSeason);
  for (int16_t c = 0; c < NUM_CLUBS; ++c) {
    const LeagueTableRow& row = LeagueTable[c];
    const LeagueTableRow& was = reinterpret_cast<const LeagueTableRow*>(booked.data())[c];
    EXPECT_EQ(std::memcmp(&row, &was, offsetof(LeagueTableRow, position)), 0) << "club " << c;
  }
  // Every fixture up to today is played, with a crowd; none after it is.
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n) {
    EXPECT_EQ(Fixture_IsPlayed(n), Fixture_GetDay(n) <= DayOfSeason ? 1 : 0) << n;
    if (Fixture_GetDay(n) <= DayOfSeason) {
      EXPECT_GT(Fixture_GetAttendance(n), 0) << n;
    }
  }
}

TEST_F(MatchDayWorldTest, OneSeedPlaysTheSameDaysByteForByte) {
  MakeWorld(0, kSeed);
  const int played = PlayDays(3);
  ASSERT_GT(played, 50);
  const std::vector<uint8_t> first = WorldBytes();

  // The same world and seed from a clean start.
  FreshStart();
  MakeWorld(0, kSeed);
  EXPECT_EQ(PlayDays(3), played);
  EXPECT_TRUE(WorldBytes() == first);

  // The same world with the generator elsewhere: other results.
  FreshStart();
  MakeWorld(0, kSeed);
  GameSeedRandom(kSeed + 1);
  PlayDays(3);
  EXPECT_FALSE(WorldBytes() == first);
}

TEST_F(MatchDayWorldTest, EveryCountrysFirstDayIsPlayedOut) {
  for (int country = 0; country < NUM_GAME_COUNTRIES; ++country) {
    SCOPED_TRACE(country);
    FreshStart();
    MakeWorld(country, kSeed + static_cast<uint32_t>(country));
    const int16_t day = NextFixtureDay();
    ASSERT_GE(day, 0);
    GoToDay(day);
    int today = 0;
    for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n)
      if (Fixture_GetDay(n) == day) ++today;
    const int64_t money = MoneyInTheWorld();
    EXPECT_EQ(PlayDay(), today);
    EXPECT_EQ(MoneyInTheWorld(), money);
    // Each side had a keeper and ten outfield players.
    for (int side = 0; side < 2; ++side) {
      int starters = 0;
      for (int e = 0; e < 11; ++e) starters += ShirtMap[side][e] >= 0 ? 1 : 0;
      EXPECT_EQ(starters, 11) << "side " << side;
    }
  }
}

}  // namespace
