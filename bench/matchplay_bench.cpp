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
#include "gamecode/playerstandin.h"
#include "platform/platform.h"

namespace {

// A 4-4-2 from the side's own view (column 0-14 across, row 0-17 up).
constexpr int kFormation[11][2] = {{7, 0}, {2, 4}, {5, 3},  {9, 3},  {12, 4}, {2, 9},
                                   {5, 8}, {9, 8}, {12, 9}, {5, 14}, {9, 14}};

void FillTeam(uint8_t* team, int side) {
  std::snprintf(reinterpret_cast<char*>(team), 40, "%s", side == 0 ? "Home" : "Away");
  team[SETUP_TEAM_HUMAN] = 0;
  StoreI16(team + SETUP_TEAM_TACTIC, 40);
  uint8_t* formation = team + SETUP_TEAM_FORMATION;
  for (int slot = 0; slot < TACTICS_SLOTS; ++slot) {
    uint8_t* s = formation + slot * TACTICS_SLOT_SIZE;
    StoreI16(s + TACTICS_SLOT_X, kFormation[slot][0]);
    StoreI16(s + TACTICS_SLOT_Y, kFormation[slot][1]);
    StoreI16(s + TACTICS_SLOT_ATTACK_X, -1);
    StoreI16(s + TACTICS_SLOT_ATTACK_Y, -1);
    s[TACTICS_SLOT_PARTNER] = 31;
    for (int t = 0; t < TACTICS_SLOT_TARGET_COUNT; ++t) StoreI16(s + TACTICS_SLOT_TARGETS + 2 * t, -1);
  }
  for (int place = 0; place < 16; ++place) {
    uint8_t* player = team + SETUP_TEAM_PLAYERS + place * MATCH_SETUP_PLAYER_SIZE;
    std::snprintf(reinterpret_cast<char*>(player), SETUP_PLAYER_SURNAME_SIZE, "P%d-%d", side, place + 1);
    for (int value = 0; value < SHEET_VALUES; ++value)
      StoreI16(player + SHEET_VALUE_FIRST + 2 * value, static_cast<int16_t>(50 + (place * 7 + value * 3) % 40));
    const int position = place == 0 ? 0 : place <= 4 ? place : place <= 8 ? place + 1 : place <= 10 ? 10 : 6;
    StoreI16(player + 77, position);
    StoreI16(player + 79, place + 1);
    StoreI16(player + 81, 1);
    StoreI16(player + 83, 1);
    StoreI16(player + 85, 0);
    StoreI16(player + 87, side * 100 + place);
  }
}

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
  for (int side = 0; side < 2; ++side) FillTeam(setup + MATCH_SETUP_TEAM_OFFSET[side], side);
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
