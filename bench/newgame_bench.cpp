// A whole new game from the build's database, for the largest world: game
// country 0, whose world uses all 250 clubs (114 of them in its league) and
// makes the most players. The database is served as stats\totstat.dat from a
// pak written into a scratch folder.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_world.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "season/newgame.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/fixtures.h"
#include "world/players.h"
#include "world/static_country.h"

namespace {

namespace fs = std::filesystem;

// The largest world: the game country with the most league clubs.
int LargestCountry() {
  int largest = 0;
  for (int g = 1; g < NUM_GAME_COUNTRIES; ++g)
    if (LeagueClubCount(g) > LeagueClubCount(largest)) largest = g;
  return largest;
}

void BM_StartNewGame(benchmark::State& state) {
  const int country = LargestCountry();
  ResetAllModules();
  PlatUseVirtualClock(true);
  WinInit(nullptr, "Gafferon bench", 1);  // the new game polls the window
  const fs::path home = fs::current_path();
  if (!benchworld::MountDatabase(state, "gafferon_newgame_bench")) return;
  uint32_t seed = 1;
  for (auto _ : state) {
    // The fixture list emptied as the season's reset empties it (until that
    // reset is joined to the new game, it stands behind a seam that does
    // nothing).
    state.PauseTiming();
    Fixtures_Reset();
    Seam_ClearCalls();
    state.ResumeTiming();
    GameCountry = static_cast<int8_t>(country);
    GameSeedRandom(seed++);
    StartNewGame();
  }
  state.counters["country"] = country;
  state.counters["players"] = PlayerCount;
  const fs::path scratch = fs::current_path();
  fs::current_path(home);
  fs::remove_all(scratch);
}
BENCHMARK(BM_StartNewGame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
