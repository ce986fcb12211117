// A full day of league fixtures of the largest country (England: five
// divisions, 57 matches when they all play), each prepared from the world's
// records, played in the background simulation and booked, one fixture per
// PlayNextFixture, in a world made from the generated database as a new game
// makes it. The parts not built yet answer at once (their seam entries are
// set to do nothing and log nothing); the stand-in team selection picks the
// teams.
#include <benchmark/benchmark.h>

#include <cstdio>
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
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "season/calendar_step.h"
#include "season/fixgen.h"
#include "season/matchday.h"
#include "season/newgame.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/teamsel_standin.h"
#include "world/calendar.h"
#include "world/fixtures.h"
#include "world/worldgen.h"

namespace {

constexpr int kCountry = 0;
constexpr uint32_t kSeed = 2024;

std::vector<uint8_t> ReadTotStat() {
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  const std::filesystem::path dir =
      bin != nullptr ? std::filesystem::path(bin)
                     : std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
  std::ifstream in(dir / "dataset" / "hd" / "stats" / "totstat.dat", std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The parts not built yet, quiet.
void QuietSeams() {
  ClubSim.getClubManager = [](int16_t) -> int16_t { return 1; };
  ClubSim.selectMatchTeam = [](int16_t club, int16_t competition, int16_t, int16_t substitutes) {
    StandInSelectMatchTeam(club, substitutes, competition);
  };
  ClubSim.completeMatchTeam = [](int16_t club, int16_t, int16_t, int16_t substitutes) {
    StandInCompleteMatchTeam(club, substitutes);
  };
  ClubSim.getPlayerTacticType = [](int16_t) -> int16_t { return 0; };
  ClubSim.pickTeamCaptain = [] {};
  ClubSim.findClubCaptain = [](int16_t) -> int16_t { return -1; };
  MenuSystem.getTeamDesign = [](int16_t, int16_t, int16_t) -> const uint8_t* { return nullptr; };
  MenuSystem.pollWhileProcessing = [] {};
  MatchEngine.footballSetupTeamFormation = [](int16_t) {};
  MatchEngine.setMatchSetupTactics = [] {};
  SeasonEngine.updatePlayersAfterMatch = [](int16_t, int16_t, int16_t) {};
  SeasonEngine.updateCrowdRecords = [](int16_t, int32_t, int16_t) {};
  SeasonEngine.addWeeklyMatchIncome = [](int16_t, int32_t) {};
}

// The new game's world of England with its season's fixtures; answers false
// without the data set.
const std::filesystem::path kScratch = std::filesystem::temp_directory_path() / "gafferon_matchday_bench";

bool MakeWorld() {
  const std::vector<uint8_t> totstat = ReadTotStat();
  if (totstat.size() != static_cast<size_t>(TOTSTAT_SIZE)) return false;
  ResetAllModules();
  PakFileReset();
  PlatUseVirtualClock(true);
  WinInit(nullptr, "Gafferon bench", 1);  // the making of the world polls the window
  InitTimerInterrupt();
  if (!MemoryIsInitialised()) InitMemory(9500);
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::create_directories(kScratch / "pakfiles");
  std::filesystem::current_path(kScratch);
  std::string error;
  if (!PakWriteFiles("pakfiles/hdcommon", {{"STATS\\TOTSTAT.DAT", totstat}}, PAK_STORE_PLAIN, nullptr, &error))
    return false;
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();

  GameCountry = kCountry;
  GameSeedRandom(kSeed);
  LoadWorldSourceData();
  Club_InitCountryClubs();
  BuildCupSeedingList();
  DivisionClubs_Build();
  CreateWorldPlayers();
  if (GenerateFixtures() != 0) return false;
  DivisionClubOrder_Build();
  SortLeagueTables();
  QuietSeams();
  std::filesystem::current_path(previous);
  std::error_code ignored;
  std::filesystem::remove_all(kScratch, ignored);
  return true;
}

// Today's fixtures unplayed again.
int ResetToday() {
  int n = 0;
  for (int16_t f = 0; f < NUM_FIXTURES && Fixture_GetDay(f) != FIXTURE_EMPTY_DAY; ++f) {
    if (Fixture_GetDay(f) != DayOfSeason) continue;
    FixtureList[f].bytes[4] = 0xFF;  // both goal fields 15: not played
    ++n;
  }
  DailySlot_ClearAll();
  return n;
}

// The day of the season with the most fixtures.
int16_t BusiestDay() {
  int counts[FIXTURE_EMPTY_DAY] = {};
  for (int16_t f = 0; f < NUM_FIXTURES && Fixture_GetDay(f) != FIXTURE_EMPTY_DAY; ++f) ++counts[Fixture_GetDay(f)];
  int16_t best = 0;
  for (int16_t d = 0; d < FIXTURE_EMPTY_DAY; ++d)
    if (counts[d] > counts[best]) best = d;
  return best;
}

void BM_FullLeagueDay(benchmark::State& state) {
  if (!MakeWorld()) {
    state.SkipWithError("no generated database (build/dataset/hd/stats/totstat.dat)");
    return;
  }
  const int16_t day = BusiestDay();
  while (DayOfSeason < day) {
    AdvanceDayCounters();
    ++DayOfSeason;
  }
  int fixtures = 0;
  int64_t goals = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fixtures = ResetToday();
    state.ResumeTiming();
    int16_t fixture = -1;
    while (PlayNextFixture(&fixture) != NO_FIXTURE_LEFT) goals += CurrentMatchScores[0] + CurrentMatchScores[1];
  }
  state.SetItemsProcessed(state.iterations() * fixtures);
  state.counters["fixtures/day"] = fixtures;
  state.counters["goals/match"] =
      static_cast<double>(goals) / static_cast<double>(state.iterations() * static_cast<int64_t>(fixtures));
}
BENCHMARK(BM_FullLeagueDay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
