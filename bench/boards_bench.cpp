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
  ResetAllModules();
  PlatUseVirtualClock(true);
  PlatSetVirtualAutoAdvance(true);        // waits for the screen pass virtual time
  WinInit(nullptr, "Gafferon bench", 1);  // the news ticker polls the window
  InitTimerInterrupt();                   // and waits for ticks
  if (!benchworld::MountDatabase(state, "gafferon_boards_bench")) return false;
  Seam_ConnectGame();
  if (Career_StartNew(kCountry, 1, -1) < 0) {
    state.SkipWithError("no new game");
    return false;
  }
  while (DayOfSeason < kDay) Career_PlayDay();
  return true;
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
