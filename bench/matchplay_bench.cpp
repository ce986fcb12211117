// Match frames per second with both teams playing, headless: the period
// loop, the players' actions, the team shape, the computer managers, the
// match states and the ball, one half at a time. The motions come from the
// build's game folder (pakfiles\hdcommon).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "bench_world.h"
#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/football.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstandin.h"
#include "gamecode/playerstandin.h"
#include "platform/platform.h"

namespace {

void BM_MatchFramesBothTeams(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path game = benchworld::BinaryDir() / "game";
  std::error_code error;
  if (!fs::exists(game / "pakfiles" / "hdcommon.pki", error)) {
    state.SkipWithError("no game data (build the data set first)");
    return;
  }
  const fs::path before = fs::current_path();
  fs::current_path(game);
  ResetAllModules();
  InitMemory(16000);
  PlatUseVirtualClock(true);
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();
  uint8_t* setup = ClearMatchSetupRecord();
  StoreI16(setup + SETUP_MATCH_LENGTH, 5);  // 15,000 frames a half
  setup[13] = 0;
  StoreI16(setup + SETUP_DISPLAY_MODE, 0);
  StoreI16(setup + SETUP_SUBSTITUTES, 3);
  for (int side = 0; side < 2; ++side) StandInFillTeam(setup + MATCH_SETUP_TEAM_OFFSET[side], side);
  PlayerStandIns_Install(MatchSeams);
  GameSeedRandom(1);
  if (MatchSeams.prepareMatch() == 0) {
    state.SkipWithError("the match could not be prepared");
    return;
  }
  int64_t frames = 0;
  for (auto _ : state) {
    kickOffSide = 1;
    EndsFlag = 0;
    LowGoalSide = 0;
    period = 0;
    MatchSeams.playPeriod();
    frames += PeriodFrames;
  }
  MatchSeams.finishMatch();
  PakFileReset();
  fs::current_path(before);
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MatchFramesBothTeams)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
