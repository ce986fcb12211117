// Saving and loading a game slot with every table full: 25,000 players, 114
// club records, 3,000 fixtures, both history logs full. A save writes the
// 5.5 MB game file and the permanent file under temporary names and puts
// them in place; a load reads both into a staging copy, checks them, takes
// them and rebuilds the logs' indexes and the league tables.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "engine/bytes.h"
#include "engine/reset.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/history.h"
#include "world/players.h"
#include "world/savegame.h"

namespace {

constexpr int16_t kSlot = 1;
constexpr int kFixtures = 3000;

std::filesystem::path gFolder;

// The world, made once, in a scratch working folder.
void SetUpWorld() {
  static bool made = false;
  if (made) return;
  made = true;
  std::random_device seed;
  gFolder = std::filesystem::temp_directory_path() / ("gafferon_savegame_bench_" + std::to_string(seed()));
  std::filesystem::create_directories(gFolder / "SaveData");
  std::filesystem::current_path(gFolder);

  ResetAllModules();
  PlatUseVirtualClock(true);
  WinInit(nullptr, "savegame bench", 1);  // the containers poll the window

  std::mt19937 rng(7);
  for (ClubRecord& r : ClubRecords)
    for (uint8_t& b : r.bytes) b = static_cast<uint8_t>(rng());
  PlayerCount = PlayerTotalCount = MAX_PLAYERS;
  for (int p = 0; p < MAX_PLAYERS; ++p) {
    for (uint8_t& b : PlayerRecords[p].bytes) b = static_cast<uint8_t>(rng());
    for (uint8_t& b : PlayerIdentities()[p].bytes) b = static_cast<uint8_t>(rng());
  }
  Players_RecordsRewritten();
  for (int n = 0; n < kFixtures; ++n) {
    uint8_t* r = FixtureList[n].bytes;
    const uint32_t day = static_cast<uint32_t>(n / 10), home = static_cast<uint32_t>(n % 114);
    StoreU32(r, day | COMP_LEAGUE << 9 | home << 16 | (home + 1) % 114 << 24);
    r[4] = n < kFixtures / 2 ? static_cast<uint8_t>(rng() % 4 | (rng() % 4) << 4) : 0xFF;
  }
  DayOfSeason = kFixtures / 20;
  // Both logs full, each owner's entries together.
  for (int32_t i = 0; i < PLAYER_CAREER_LOG_SIZE; ++i)
    PlayerCareerLog[i] = PlayerCareerLogEntry_Encode(
        {static_cast<int16_t>(i / 8), static_cast<int16_t>(i % 100), static_cast<uint8_t>(i % 8), 30, 4, 0, 0, 12});
  for (int32_t i = 0; i < CLUB_EVENT_LOG_SIZE; ++i)
    ClubEventLog[i] = ClubEventLogEntry_Encode({static_cast<int16_t>(i % 1000), static_cast<int16_t>(i / 20 % 250),
                                                static_cast<uint8_t>(i / 5000), 0, 100, 7});
  ClubEventLog_Reindex();
  PlayerCareerLog_Reindex();
}

void BM_SaveGameSlot(benchmark::State& state) {
  SetUpWorld();
  for (auto _ : state)
    if (SaveGameSlot(kSlot) != SAVE_OK) state.SkipWithError(SaveGame_LastError());
  state.SetBytesProcessed(state.iterations() * (SAV0_DATA_SIZE + PRM0_DATA_SIZE));
}
BENCHMARK(BM_SaveGameSlot)->Unit(benchmark::kMillisecond);

void BM_LoadGameSlot(benchmark::State& state) {
  SetUpWorld();
  if (SaveGameSlot(kSlot) != SAVE_OK) state.SkipWithError(SaveGame_LastError());
  for (auto _ : state)
    if (LoadGameSlot(kSlot) != SAVE_OK) state.SkipWithError(SaveGame_LastError());
  state.SetBytesProcessed(state.iterations() * (SAV0_DATA_SIZE + PRM0_DATA_SIZE));
}
BENCHMARK(BM_LoadGameSlot)->Unit(benchmark::kMillisecond);

// A refused file: the staging read and the checks, nothing taken.
void BM_LoadRefusedFile(benchmark::State& state) {
  SetUpWorld();
  if (SaveGameSlot(kSlot + 1) != SAVE_OK) state.SkipWithError(SaveGame_LastError());
  FILE* f = PlatOpenFile("SaveData\\save2", "r+b");
  uint8_t bad = 9;  // the game country, past the countries
  if (!f || !PlatFileSeek(f, 16 + 4 * 4 + 168 + 168 + 24) || std::fwrite(&bad, 1, 1, f) != 1)
    state.SkipWithError("cannot damage the file");
  if (f) std::fclose(f);
  for (auto _ : state)
    if (LoadGameSlot(kSlot + 1) != SAVE_WRONG_FILE) state.SkipWithError("the damaged file was taken");
}
BENCHMARK(BM_LoadRefusedFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  const auto start = std::filesystem::current_path();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (!gFolder.empty()) {
    std::filesystem::current_path(start);
    std::error_code ignored;
    std::filesystem::remove_all(gFolder, ignored);
  }
  return 0;
}
