#include "gamecode/matchrec.h"

#include <algorithm>

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

}  // namespace
