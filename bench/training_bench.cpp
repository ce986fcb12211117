// One training day on the largest world (game country 0, a new game from the
// build's database played to day 120 of its first season): a weekday of
// drills and ratings, and the weekly day on which every player trains, with
// the Poll calls each makes (one per player).
#include <benchmark/benchmark.h>

#include "bench_world.h"
#include "clubsim/training.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "season/careerrun.h"
#include "season/seam.h"
#include "season/seasonstate.h"

namespace {

constexpr int kCountry = 0;
constexpr int kDay = 120;

bool StartWorld(benchmark::State& state) {
  return benchworld::StartPlayedWorld(state, "gafferon_training_bench", kCountry, kDay);
}

void BM_TrainingDay(benchmark::State& state) {
  if (!StartWorld(state)) return;
  const int16_t weekday = static_cast<int16_t>(state.range(0));
  uint64_t polls = 0;
  for (auto _ : state) {
    Weekday = weekday;
    const uint64_t before = PollCallCount();
    TrainingStep();
    polls = PollCallCount() - before;
  }
  state.counters["players"] = PlayerCount;
  state.counters["poll_calls"] = static_cast<double>(polls);
}
BENCHMARK(BM_TrainingDay)->Name("TrainingStep/weekday")->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
