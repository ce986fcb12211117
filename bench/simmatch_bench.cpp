// Background matches simulated per second on one core: the whole simulation
// of a league match (team sheets from the MatchSetup, ratings, timeline,
// marks, the MatchResult) and of a cup tie with extra time and penalties.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "season/simmatch.h"
#include "season/simsheet.h"

namespace {

// Stock formation 0 of an unwatched match, slots 1-10.
constexpr int kFormation[10][2] = {{11, 3}, {3, 3},  {6, 8},  {6, 2},  {8, 2},
                                   {2, 10}, {8, 8}, {6, 13}, {8, 15}, {12, 10}};
constexpr int kPositions[16] = {0, 2, 3, 6, 4, 4, 7, 8, 10, 11, 7, 0, 2, 6, 8, 11};

// Two squads of players around a quality, written as the fixture's set-up
// writes them.
void WriteSetup(uint32_t seed) {
  std::mt19937 rng(seed);
  auto near = [&](int base, int spread) {
    return std::clamp(base + std::uniform_int_distribution<int>(-spread, spread)(rng), 1, 99);
  };
  uint8_t* setup = ClearMatchSetupRecord();
  setup[SETUP_EXTRA_TIME] = 0;
  setup[SETUP_PENALTIES] = 0;
  setup[SETUP_SECOND_LEG] = 0;
  for (int side = 0; side < 2; ++side) {
    uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
    for (int slot = 0; slot < TACTICS_SLOTS; ++slot) {
      uint8_t* p = team + SETUP_TEAM_FORMATION + slot * TACTICS_SLOT_SIZE;
      const int x = slot ? kFormation[slot - 1][0] : 0, y = slot ? kFormation[slot - 1][1] : 0;
      StoreI16(p + TACTICS_SLOT_X, x);
      StoreI16(p + TACTICS_SLOT_Y, y);
      StoreI16(p + TACTICS_SLOT_ATTACK_X, x);
      StoreI16(p + TACTICS_SLOT_ATTACK_Y, y);
    }
    StoreI16(team + SETUP_TEAM_FIRST_LEG_GOALS, 0);
    const int quality = near(60, 15);
    for (int e = 0; e < 16; ++e) {
      uint8_t* p = setup + SetupPlayerOffset(side, e);
      const bool keeper = kPositions[e] == 0;
      for (int field = SETUP_PLAYER_PACE; field <= SETUP_PLAYER_ABILITY6; field += 2)
        StoreI16(p + field, near(keeper ? quality - 15 : quality, 12));
      if (keeper) StoreI16(p + SETUP_PLAYER_ABILITY0, near(quality + 5, 5));
      else StoreI16(p + SETUP_PLAYER_ABILITY0, near(12, 8));
      for (int field = SETUP_PLAYER_PERSONALITY15; field <= SETUP_PLAYER_PERSONALITY21; field += 2)
        StoreI16(p + field, near(28, 14));
      StoreI16(p + SETUP_PLAYER_EXPERIENCE, near(30, 25));
      StoreI16(p + SETUP_PLAYER_POSITION, kPositions[e]);
      StoreI16(p + SETUP_PLAYER_SHIRT, e + 1);
      StoreI16(p + SETUP_PLAYER_LEFT_SIDE, 1);
      StoreI16(p + SETUP_PLAYER_RIGHT_SIDE, 0);
      StoreI16(p + SETUP_PLAYER_RECURRING_INJURY, 0);
      StoreI16(p + SETUP_PLAYER_NUMBER, side * 16 + e);
    }
  }
  for (int skill : {0, 3, 1, 4, 2, 6}) NormaliseMatchSkill(skill);
}

void BM_LeagueMatch(benchmark::State& state) {
  ResetAllModules();
  WriteSetup(1);
  GameSeedRandom(1);
  int goals = 0;
  for (auto _ : state) {
    SimulateMatchResult(10, 11, 0, 0, 0, 0, 0);
    goals += SimSheets.sides[0].goals + SimSheets.sides[1].goals;
  }
  benchmark::DoNotOptimize(goals);
  state.SetItemsProcessed(state.iterations());
  state.counters["goals_per_match"] = static_cast<double>(goals) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_LeagueMatch);

void BM_CupTie(benchmark::State& state) {
  ResetAllModules();
  WriteSetup(2);
  GameSeedRandom(2);
  for (auto _ : state) SimulateMatchResult(10, 11, 5, 1, 0, 1, 0);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CupTie);

// The link also looks for the human manager's club among the world's clubs.
void BM_CupTieWithEventsThroughTheLink(benchmark::State& state) {
  ResetAllModules();
  WriteSetup(2);
  GameSeedRandom(2);
  for (auto _ : state) {
    if (MatchEvents.count > MAX_MATCH_EVENTS - 40) ClearMatchEvents();
    RunBackgroundMatch(10, 11, 5, 1, 0, 1, 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CupTieWithEventsThroughTheLink);

}  // namespace

BENCHMARK_MAIN();
