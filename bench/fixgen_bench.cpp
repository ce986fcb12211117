// One season's league fixtures for each game country: the round robins of
// all its divisions, laid onto the calendar, and the super cup.
#include <benchmark/benchmark.h>

#include "engine/rand.h"
#include "engine/reset.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "season/fixgen.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/static_country.h"

namespace {

// The country's league clubs in their divisions, as a new game lays them out.
void BuildCountry(int country) {
  Clubs_Reset();
  SeasonState_Reset();
  GameCountry = static_cast<int8_t>(country);
  for (int16_t club = 0; club < NUM_CLUBS; ++club) ClubSlotMap_Set(club, -1);
  int16_t full = 0, minor = NUM_CLUBS;
  for (int listCountry = 0, start = 0; listCountry < NUM_LIST_COUNTRIES; ++listCountry) {
    const int size = CountryBlockSize(country, listCountry);
    for (int16_t club = static_cast<int16_t>(start); club < start + size && club < NUM_CLUBS; ++club) {
      int division = 0;
      if (listCountry == country) {
        division = NUM_DIVISIONS;
        for (int d = 0; d < NUM_DIVISIONS; ++d)
          if (club >= DivisionBlockStart(country, d) && club < DivisionBlockStart(country, d + 1)) division = d;
      }
      ClubSlotMap_Set(club, listCountry == country && division < NUM_DIVISIONS ? full++ : minor++);
      Club_SetCountry(club, listCountry);
      Club_SetDivision(club, division);
    }
    start += size;
  }
}

void BM_GenerateFixtures(benchmark::State& state) {
  const int country = static_cast<int>(state.range(0));
  ResetAllModules();
  PlatUseVirtualClock(true);
  WinInit(nullptr, "Gafferon bench", 1);  // the generator polls the window
  BuildCountry(country);
  uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    Fixtures_Reset();
    GameSeedRandom(seed++);
    state.ResumeTiming();
    benchmark::DoNotOptimize(GenerateFixtures());
  }
  state.counters["attempts/round robin"] =
      static_cast<double>(RoundRobin_Counters().attempts) / RoundRobin_Counters().calls;
}
BENCHMARK(BM_GenerateFixtures)->DenseRange(0, NUM_GAME_COUNTRIES - 1)->Unit(benchmark::kMillisecond);

void BM_GenerateRoundRobin(benchmark::State& state) {
  const int clubs = static_cast<int>(state.range(0));
  ResetAllModules();
  PlatUseVirtualClock(true);
  WinInit(nullptr, "Gafferon bench", 1);
  uint32_t seed = 1;
  for (auto _ : state) {
    GameSeedRandom(seed++);
    benchmark::DoNotOptimize(GenerateRoundRobin(clubs));
  }
  state.counters["attempts"] = static_cast<double>(RoundRobin_Counters().attempts) / RoundRobin_Counters().calls;
}
BENCHMARK(BM_GenerateRoundRobin)->Arg(10)->Arg(14)->Arg(15)->Arg(18)->Arg(20)->Arg(22)->Arg(24)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
