// Match frames per second with the ball alone: the headless period loop, the
// ball and the stand-ins of the states and the clock, one half at a time.
#include <benchmark/benchmark.h>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstandin.h"
#include "gamecode/matchstate.h"
#include "platform/platform.h"

namespace {

void BM_BallOnlyFrames(benchmark::State& state) {
  ResetAllModules();
  InitMemory(16000);  // the replay ring lives in managed memory
  PlatUseVirtualClock(true);
  MatchStandIns_InstallBallOnly(MatchSeams);
  uint8_t* setup = ClearMatchSetupRecord();
  StoreI16(setup + SETUP_MATCH_LENGTH, 5);  // the match length: 15,000 frames a half
  setup[13] = 0;
  // Custom formations: nothing is read from the data set.
  for (int side = 0; side < 2; ++side) StandInFillTeam(setup + MATCH_SETUP_TEAM_OFFSET[side], side);
  StoreI16(setup + SETUP_DISPLAY_MODE, 0);
  GameSeedRandom(1);
  MatchSeams.prepareMatch();
  int64_t frames = 0;
  for (auto _ : state) {
    period = 0;
    MatchSeams.playPeriod();
    frames += PeriodFrames;
  }
  MatchSeams.finishMatch();
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BallOnlyFrames)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
