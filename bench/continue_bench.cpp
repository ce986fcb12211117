// The continue option's looping mode on the headless display: a new English
// career from the build's database, then a soak run (no pages, no results
// menu, every day's results screen drawn) of 60 days through ContinueGame.
// The counters give the days per second and the share of the time spent
// drawing the day's screens.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "bench_world.h"
#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/poll.h"
#include "menus/exmenu.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/soak.h"
#include "season/careerrun.h"
#include "season/contgame.h"
#include "season/seasonstate.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDays = 60;

// Clicks through the message boxes of the days.
void AutoClicker() { PlatSetMouseButton(0, PlatRawTicks() % 40 < 5); }

bool OpenCareer(benchmark::State& state) {
  ResetAllModules();
  PlatUseVirtualClock(true);
  InitMemory(9500);
  benchworld::OpenHeadlessDisplay();
  const std::vector<uint8_t> totstat = benchworld::ReadBuilt("totstat.dat");
  const std::vector<uint8_t> names = benchworld::ReadBuilt("names.dat");
  if (totstat.size() != static_cast<size_t>(TOTSTAT_SIZE) || names.empty()) {
    state.SkipWithError("no generated database");
    return false;
  }
  const fs::path game = benchworld::BinaryDir() / "game";
  const fs::path scratch = fs::temp_directory_path() / "gafferon_continue_bench";
  fs::remove_all(scratch);
  fs::create_directories(scratch / "pakfiles");
  fs::current_path(scratch);
  for (const char* name : {"hdcommon.pki", "hdcommon.pkd"})
    fs::create_symlink(game / "pakfiles" / name, fs::path("pakfiles") / name);
  for (const char* name : {"cdcommon.pki", "cdcommon.pkd"})
    fs::create_symlink(game / "cd" / "pakfiles" / name, fs::path("pakfiles") / name);
  std::string error;
  if (!PakWriteFiles("pakfiles/stats", {{"STATS\\TOTSTAT.DAT", totstat}, {"STATS\\NAMES.DAT", names}},
                     PAK_STORE_PLAIN, nullptr, &error)) {
    state.SkipWithError(error.c_str());
    return false;
  }
  PakFileReset();
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAdd("pakfiles\\cdcommon");
  PakFileAdd("pakfiles\\stats");
  PakFileAddDone();
  InitSetOfMenus();
  SetMenuSystemRunning(true);
  Seam_ConnectGame();
  if (Career_StartNew(0, 1, -1) < 0) {
    state.SkipWithError("no new game");
    return false;
  }
  AddPollFunction(AutoClicker, 1, 0);
  return true;
}

void BM_ContinueLoop(benchmark::State& state) {
  double seconds = 0, drawing = 0;
  int days = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (!OpenCareer(state)) return;
    // Past the first weeks of the season, into the league.
    while (DaysSinceFirstMatch < 7) Career_PlayDay();
    const int16_t start = DayOfSeason;
    int16_t endDay = DayOfMonth, endMonth = Month;
    for (int d = 0; d < kDays; ++d) {  // the date kDays on
      ++endDay;
      const int16_t lengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
      if (endDay > lengths[endMonth]) {
        endDay = 1;
        endMonth = static_cast<int16_t>((endMonth + 1) % 12);
      }
    }
    SoakSettings.endDay = endDay;
    SoakSettings.endMonth = endMonth;
    SoakRunActive = 1;
    ContinueMode = 1;
    MenuOption = 3;
    const uint64_t drawBefore = ContGame_DrawNanoseconds();
    state.ResumeTiming();
    const auto t0 = std::chrono::steady_clock::now();
    ContinueGame();
    const auto t1 = std::chrono::steady_clock::now();
    state.PauseTiming();
    days = DayOfSeason - start;
    seconds = std::chrono::duration<double>(t1 - t0).count();
    drawing = static_cast<double>(ContGame_DrawNanoseconds() - drawBefore) * 1e-9;
    SetMenuSystemRunning(false);
    UninitSetOfMenus();
    state.ResumeTiming();
  }
  state.counters["days"] = days;
  state.counters["days_per_second"] = seconds > 0 ? days / seconds : 0;
  state.counters["drawing_share"] = seconds > 0 ? drawing / seconds : 0;
}
BENCHMARK(BM_ContinueLoop)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
