#include "gamecode/matchrec.h"

#include <algorithm>
#include <cstring>

#include "engine/bytes.h"
#include "menus/gfx_gen.h"
#include "support/engine_fixture.h"

namespace {

class MatchRecordsTest : public EngineTest {};

TEST_F(MatchRecordsTest, ClearFillsTheWholeSetupWith0xFF) {
  uint8_t* setup = GetMatchSetupRecord();
  EXPECT_EQ(ClearMatchSetupRecord(), setup);
  EXPECT_TRUE(std::all_of(setup, setup + MATCH_SETUP_SIZE, [](uint8_t b) { return b == 0xFF; }));
  // The result record is another block and keeps its bytes.
  const uint8_t* result = GetMatchResultRecord();
  EXPECT_TRUE(std::all_of(result, result + MATCH_RESULT_SIZE, [](uint8_t b) { return b == 0; }));
}

TEST_F(MatchRecordsTest, ResetZeroesBoth) {
  ClearMatchSetupRecord();
  GetMatchResultRecord()[MATCH_RESULT_SIZE - 1] = 7;
  ResetAllModules();
  const uint8_t* setup = GetMatchSetupRecord();
  EXPECT_TRUE(std::all_of(setup, setup + MATCH_SETUP_SIZE, [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(GetMatchResultRecord()[MATCH_RESULT_SIZE - 1], 0);
}

TEST(MatchRecordLayout, TeamBlocksAndRecords) {
  EXPECT_EQ(MATCH_SETUP_TEAM_OFFSET[0], 49);
  EXPECT_EQ(MATCH_SETUP_TEAM_OFFSET[1], 5973);
  EXPECT_EQ(TEAM_MATCH_RECORD_OFFSET[1], 2569);
}

TEST(MatchRecordLayout, KeyOffsets) {
  struct Row {
    int offset, expected;
  };
  const Row rows[] = {
      {SETUP_MATCH_LENGTH, 3},      {SETUP_AWAY_GOALS, 5},        {SETUP_REFEREE_FAVOUR, 11},
      {SETUP_DISPLAY_MODE, 14},     {SETUP_SUBSTITUTES, 16},      {SETUP_TEAM_TACTIC, 89},
      {SETUP_TEAM_TACTIC_VALUE, 91}, {SETUP_TEAM_CUSTOM_FORMATIONS, 93}, {SETUP_TEAM_FIRST_LEG_GOALS, 4053},
      {SETUP_TEAM_PLAYERS, 4071},   {SETUP_PLAYER_LEFT_SIDE, 81}, {SETUP_PLAYER_RIGHT_SIDE, 83},
      {SETUP_PLAYER_NUMBER, 87},    {TEAM_FOULS, 12},             {TEAM_MAN_OF_MATCH, 2345},
      {TEAM_GOAL_LIST, 2347},       {TEAM_CARD_LIST, 2507},       {TEAM_CORNERS_COPY, 2549},
      {TEAM_OPP_SENT_OFF, 2567},    {MATCH_LOG, 5155},            {MATCH_BALANCE, 7355},
      {MATCH_HEAT_MAPS, 7476},      {MATCH_FLANK_TOTALS, 44196},  {HeatCellOffset(33, 14, 17), 44192},
      {PlayerStatsOffset(1, 16) + MATCH_PLAYER_STATS_SIZE, 2569 + 2345},
      {MATCH_RECORD_CONDITION, 112}, {MATCH_RECORD_BITS, 121},
  };
  for (const Row& r : rows) EXPECT_EQ(r.offset, r.expected);
}

TEST_F(MatchRecordsTest, ClearHeatMapsTouchesOnlyTheHeatMaps) {
  uint8_t* result = GetMatchResultRecord();
  std::memset(result, 0x11, MATCH_RESULT_SIZE);
  ClearHeatMaps();
  for (int i = 0; i < MATCH_RESULT_SIZE; ++i) {
    const bool heat = i >= MATCH_HEAT_MAPS && i < MATCH_FLANK_TOTALS;
    ASSERT_EQ(result[i], heat ? 0 : 0x11) << i;
  }
}

TEST_F(MatchRecordsTest, TacticsForHumanAndComputerSides) {
  uint8_t* setup = ClearMatchSetupRecord();
  setup[MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_HUMAN] = 0;
  setup[MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_HUMAN] = 1;
  ClearCustomTactics();
  for (int k = 0; k < 12; ++k) GetTacticRecord(static_cast<int16_t>(40 + k))[100] = static_cast<uint8_t>(k + 1);
  SetTacticsDesignerSelection(0, 44);
  SetTacticsDesignerSelection(1, 2);
  const int16_t computer[2] = {23, 31};
  SetMatchSetupTactics(computer);
  const uint8_t* home = setup + MATCH_SETUP_TEAM_OFFSET[0];
  const uint8_t* away = setup + MATCH_SETUP_TEAM_OFFSET[1];
  EXPECT_EQ(LoadI16(home + SETUP_TEAM_TACTIC), 23);
  EXPECT_EQ(LoadI16(home + SETUP_TEAM_TACTIC_VALUE), 0);
  EXPECT_EQ(home[SETUP_TEAM_CUSTOM_FORMATIONS + 100], 0xFF);  // a computer side keeps its block
  EXPECT_EQ(LoadI16(away + SETUP_TEAM_TACTIC), 44);
  EXPECT_EQ(LoadI16(away + SETUP_TEAM_TACTIC_VALUE), 2);
  for (int k = 0; k < 12; ++k)
    EXPECT_EQ(0, std::memcmp(away + SETUP_TEAM_CUSTOM_FORMATIONS + k * TACTICS_RECORD_SIZE,
                             GetTacticRecord(static_cast<int16_t>(40 + k)), TACTICS_RECORD_SIZE))
        << k;
  EXPECT_EQ(away[SETUP_TEAM_CUSTOM_FORMATIONS + 5 * TACTICS_RECORD_SIZE + 100], 6);
}

}  // namespace
