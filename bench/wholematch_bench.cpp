// Whole matches headless between clubs of the generated world, as the match
// day prepares them: the wall time of one match of 2 x L minutes (the time
// per iteration) and the match frames per second. The world and the motions
// come from the build's game folder (pakfiles\hdcommon).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "../tools/toolstart.h"
#include "bench_world.h"
#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/playerstandin.h"
#include "gamecode/playmatch.h"
#include "menus/menucont.h"
#include "season/careerrun.h"
#include "season/matchday.h"
#include "season/playfix.h"
#include "world/clubs.h"

namespace {

int64_t gFrames = 0;
void (*gStates)() = nullptr;
void CountFrame() {
  ++gFrames;
  gStates();
}

std::vector<int16_t> gClubs;

// The world of a new game (seed 1) and the engine's seams, once.
bool StartOnce(benchmark::State& state) {
  if (!gClubs.empty()) return true;
  if (!benchworld::StartHeadlessCareer(state, "wholematch_bench")) return false;
  SoakRunActive = 1;
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (Career_IsLeagueClub(club) && Club_GetCountry(club) == 0) gClubs.push_back(club);
  PlayerStandIns_Install(MatchSeams);
  gStates = MatchSeams.matchStateHandler;
  MatchSeams.matchStateHandler = CountFrame;
  return gClubs.size() >= 2;
}

void BM_WholeMatch(benchmark::State& state) {
  if (!StartOnce(state)) return;
  const int length = static_cast<int>(state.range(0));
  const int n = static_cast<int>(gClubs.size());
  uint32_t seed = 1;
  gFrames = 0;
  for (auto _ : state) {
    GameSeedRandom(seed++);
    const int h = GameRandom() % n;
    const int a = (h + 1 + GameRandom() % (n - 1)) % n;
    PrepareClubMatch(gClubs[h], gClubs[a], false);
    uint8_t* setup = GetMatchSetupRecord();
    for (int side = 0; side < 2; ++side) setup[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = 0;
    SetUpEngineSides(gClubs[h], gClubs[a]);
    StoreI16(setup + SETUP_MATCH_LENGTH, length);
    StoreI16(setup + SETUP_DISPLAY_MODE, 0);
    benchmark::DoNotOptimize(PlayMatchGetResult());
  }
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(gFrames), benchmark::Counter::kIsRate);
  state.counters["frames/match"] =
      benchmark::Counter(static_cast<double>(gFrames), benchmark::Counter::kAvgIterations);
}
// A few matches each: the first seeds of `matchsim --batch K --seed 1`'s clubs.
BENCHMARK(BM_WholeMatch)->Arg(1)->Arg(5)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
