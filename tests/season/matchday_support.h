// Helpers of the match day's tests: players with known statistics, a match
// result written as the match would leave it, the news shown, and a world
// made from the generated database as a new game makes it.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "gamecode/matchrec.h"
#include "menus/exm_text.h"
#include "menus/menuprims.h"
#include "season/calendar_step.h"
#include "season/fixgen.h"
#include "season/newgame.h"
#include "season/seasonstate.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/fixtures.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"
#include "world/worldgen.h"

namespace mdtest {

// The player's 22 statistics are the templates of his own stat code (every
// curve is flat in a reset world): abilities 0-7, physical 8-14, personality
// 15-21. After the world's first day only the high part of an ability code is
// stored: take a multiple of 8.
inline void SetPlayerStats(int16_t player, int code, const std::array<int, 8>& ability,
                           const std::array<int, 7>& physical, const std::array<int, 7>& personality) {
  static constexpr int kAbilityColumn[8] = {0, 1, 2, 3, 4, 5, 7, 6};
  for (int k = 0; k < 8; ++k) PlayerStatTables.abilityTemplate[code][kAbilityColumn[k]] = static_cast<uint8_t>(ability[k]);
  for (int k = 0; k < 7; ++k) PlayerStatTables.physicalTemplate[code][k] = static_cast<uint8_t>(physical[k]);
  for (int k = 0; k < 7; ++k) PlayerStatTables.personalityTemplate[code][k] = static_cast<uint8_t>(personality[k]);
  Player_SetAbilityStats(player, code);
  Player_SetPhysicalStats(player, code);
  Player_SetPersonalityStats(player, code);
}

// The MatchResult of a match: each side's goals and shoot-out score.
inline void WriteMatchResult(int homeGoals, int awayGoals, int homeShootout = 0, int awayShootout = 0) {
  uint8_t* result = GetMatchResultRecord();
  StoreI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_GOALS, static_cast<int16_t>(homeGoals));
  StoreI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_GOALS, static_cast<int16_t>(awayGoals));
  StoreI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_SHOOTOUT_GOALS, static_cast<int16_t>(homeShootout));
  StoreI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_SHOOTOUT_GOALS, static_cast<int16_t>(awayShootout));
}

// The texts of the message boxes shown so far.
inline std::vector<std::string> MessagesShown() {
  std::vector<std::string> texts;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox") texts.push_back(call.text);
  return texts;
}

// Whether the text is one of the news kind's wordings with the present news
// arguments.
inline bool IsNewsOfKind(const std::string& text, int kind) {
  for (const int16_t* t = NewsKindList[kind]; t != nullptr && *t != 0; ++t)
    if (text == ExpandMessageString(GetTextNoAddr(*t))) return true;
  return false;
}

// A world made from the generated database as a new game makes it.
class GeneratedWorldTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;

  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(srcdb::BuiltTotStat().size(), static_cast<size_t>(TOTSTAT_SIZE)) << "no generated database";
    scratch.emplace("gafferon_matchday");
    FreshStart();
  }
  void TearDown() override {
    EngineTest::TearDown();
    scratch.reset();
  }

  // Every module as at program start, the window and the timer running (the
  // making of the world polls the window) and the database in the pak.
  void FreshStart() {
    ResetEngine();
    StartWindowAndTimer();
    srcdb::MountTotStat(srcdb::BuiltTotStat());
  }

  // The world of a new game in the country, the season's league fixtures and
  // the tables in club order, at day 0.
  static void MakeWorld(int country, uint32_t seed) {
    GameCountry = static_cast<int8_t>(country);
    GameSeedRandom(seed);
    LoadWorldSourceData();
    Club_InitCountryClubs();
    BuildCupSeedingList();
    DivisionClubs_Build();
    CreateWorldPlayers();
    ASSERT_EQ(GenerateFixtures(), 0);
    DivisionClubOrder_Build();
    SortLeagueTables();
  }

  // The calendar moved on to the day.
  static void GoToDay(int16_t day) {
    while (DayOfSeason < day) {
      AdvanceDayCounters();
      ++DayOfSeason;
    }
  }

  // The first day from today with an unplayed fixture, -1 none.
  static int16_t NextFixtureDay() {
    for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n)
      if (Fixture_GetDay(n) >= DayOfSeason && !Fixture_IsPlayed(n)) return Fixture_GetDay(n);
    return -1;
  }
};

}  // namespace mdtest
