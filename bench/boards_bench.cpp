// The boards' daily manager changes and the dressing-room unrest event on the
// largest world (game country 0, a new game from the build's database played
// to day 120 of its first season); each run is another weekday's clubs.
#include <benchmark/benchmark.h>

#include "bench_world.h"
#include "clubsim/boards.h"
#include "clubsim/unrest.h"
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
  return benchworld::StartPlayedWorld(state, "gafferon_boards_bench", kCountry, kDay);
}

template <void (*Step)()>
void BM_Step(benchmark::State& state) {
  if (!StartWorld(state)) return;
  for (auto _ : state) {
    Weekday = static_cast<int16_t>((Weekday + 1) % 7);
    Step();
  }
  state.counters["players"] = PlayerCount;
}
BENCHMARK(BM_Step<ComputerClubsManagerChanges>)->Name("ComputerClubsManagerChanges")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Step<SquadUnrestEvent>)->Name("SquadUnrestEvent")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
