// Match frames per second with the ball alone: the headless period loop, the
// ball and the stand-ins of the states and the clock, one half at a time.
#include <benchmark/benchmark.h>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"

namespace {

void BM_BallOnlyFrames(benchmark::State& state) {
  ResetAllModules();
  uint8_t* setup = ClearMatchSetupRecord();
  StoreI16(setup + SETUP_MATCH_LENGTH, 5);  // the match length: 15,000 frames a half
  setup[13] = 0;
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
