// One full rebuild of every league table of the largest league (England:
// 114 clubs in five divisions) from a whole played season in the fixture
// list, followed by the league sort.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/rand.h"
#include "engine/reset.h"
#include "season/fixgen.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/static_country.h"

namespace {

constexpr int kCountry = 0;

// Each division plays a double round robin (circle method), one round every
// six days from day 30, every match with a result.
int BuildPlayedSeason() {
  ResetAllModules();
  Clubs_Reset();
  SeasonState_Reset();
  GameCountry = kCountry;
  GameSeedRandom(1);
  int fixtures = 0;
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    const int size = CountryDivisionInfo.sizes[kCountry][d].value;
    const int start = DivisionBlockStart(kCountry, d);
    std::vector<int> clubs;
    for (int c = start; c < start + size; ++c) {
      Club_SetCountry(static_cast<int16_t>(c), kCountry);
      Club_SetDivision(static_cast<int16_t>(c), d);
      clubs.push_back(c);
    }
    if (size < 2) continue;
    const int rounds = size - 1;
    for (int leg = 0; leg < 2; ++leg) {
      std::vector<int> ring = clubs;
      for (int r = 0; r < rounds; ++r) {
        const int day = 30 + 6 * (leg * rounds + r);
        for (int i = 0; i < size / 2; ++i) {
          int home = ring[i], away = ring[size - 1 - i];
          if ((r + leg) % 2) std::swap(home, away);
          int16_t n = Fixture_Add(day, COMP_LEAGUE, home, away, 0);
          Fixture_SetResult(n, GameRandom() % 5, GameRandom() % 4);
          ++fixtures;
        }
        // Keep the first club, turn the others one place.
        int last = ring.back();
        for (int i = size - 1; i > 1; --i) ring[i] = ring[i - 1];
        ring[1] = last;
      }
    }
  }
  DayOfSeason = 365;
  return fixtures;
}

void BM_LeagueTableRebuildAndSort(benchmark::State& state) {
  const int fixtures = BuildPlayedSeason();
  for (auto _ : state) {
    LeagueTable_Rebuild(DayOfSeason);
    SortLeagueTables();
    benchmark::DoNotOptimize(DivisionTable);
  }
  state.counters["fixtures"] = fixtures;
  state.counters["leader_points"] = LeagueTable[DivisionTable[0][0]].points;
}
BENCHMARK(BM_LeagueTableRebuildAndSort)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
