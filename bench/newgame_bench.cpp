// A whole new game from the build's database, for the largest world: game
// country 0, whose world uses all 250 clubs (114 of them in its league) and
// makes the most players. The database is served as stats\totstat.dat from a
// pak written into a scratch folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
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

fs::path BinaryDir() {
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  return bin != nullptr ? fs::path(bin) : fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// The largest world: the game country with the most league clubs.
int LargestCountry() {
  int largest = 0;
  for (int g = 1; g < NUM_GAME_COUNTRIES; ++g)
    if (LeagueClubCount(g) > LeagueClubCount(largest)) largest = g;
  return largest;
}

// Mounts the build's database as the game's hard-disk pak in a scratch folder.
bool MountDatabase(benchmark::State& state) {
  std::ifstream in(BinaryDir() / "dataset" / "hd" / "stats" / "totstat.dat", std::ios::binary);
  std::vector<uint8_t> totstat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (totstat.size() != static_cast<size_t>(TOTSTAT_SIZE)) {
    state.SkipWithError("no generated database (build the data set, or set GAFFERON_BINARY_DIR)");
    return false;
  }
  const fs::path scratch = fs::temp_directory_path() / "gafferon_newgame_bench";
  fs::create_directories(scratch / "pakfiles");
  fs::current_path(scratch);
  std::string error;
  if (!PakWriteFiles("pakfiles/hdcommon", {{"STATS\\TOTSTAT.DAT", totstat}}, PAK_STORE_PLAIN, nullptr, &error)) {
    state.SkipWithError(error.c_str());
    return false;
  }
  if (!MemoryIsInitialised()) InitMemory(9500);
  PakFileReset();
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();
  return true;
}

void BM_StartNewGame(benchmark::State& state) {
  const int country = LargestCountry();
  ResetAllModules();
  PlatUseVirtualClock(true);
  WinInit(nullptr, "Gafferon bench", 1);  // the new game polls the window
  const fs::path home = fs::current_path();
  if (!MountDatabase(state)) return;
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
