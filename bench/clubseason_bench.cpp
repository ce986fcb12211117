// A whole season of the complete club simulation on each game country's
// world (a new game from the build's database): every day of the first
// season from the day the new game starts until the next season begins.
// "ClubSeason" advances the days alone (every day's club steps, the year end,
// the end of the season; the fixtures stay unplayed), "Season" plays each
// day's fixtures first, as the day loop does. Each run is a fresh world, made
// outside the timing; the counters give the days, the players and the Poll
// calls of the run.
#include <benchmark/benchmark.h>

#include "bench_world.h"
#include "engine/poll.h"
#include "season/careerrun.h"
#include "season/seasonstate.h"
#include "world/funcs.h"

namespace {

template <bool kMatches>
void BM_WholeSeason(benchmark::State& state) {
  const int country = static_cast<int>(state.range(0));
  int days = 0;
  uint64_t polls = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (!benchworld::StartPlayedWorld(state, "gafferon_clubseason_bench", country, 0)) return;
    const int16_t season = SeasonCounter;
    const uint64_t before = PollCallCount();
    days = 0;
    state.ResumeTiming();
    while (SeasonCounter == season) {
      if (kMatches) Career_PlayToday();
      GNW_AdvanceDay();
      ++days;
    }
    polls = PollCallCount() - before;
  }
  state.counters["days"] = days;
  state.counters["players"] = PlayerCount;
  state.counters["poll_calls"] = static_cast<double>(polls);
}
BENCHMARK(BM_WholeSeason<false>)
    ->Name("ClubSeason/country")
    ->DenseRange(0, 8)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_WholeSeason<true>)
    ->Name("Season/country")
    ->DenseRange(0, 8)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
