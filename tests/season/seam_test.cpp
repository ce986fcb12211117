// The seam between the world facade and the parts of the game not built yet.
#include "season/seam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/reset.h"
#include "support/engine_fixture.h"

namespace {

class SeamTest : public EngineTest {};

TEST_F(SeamTest, StubsNoteTheirCallsAndAnswerNeutralValues) {
  EXPECT_EQ(SeasonEngine.findBestFreeKickTaker(4), -1);
  int16_t division = 7;
  EXPECT_EQ(SeasonEngine.findHumanFixtureComp(1, &division), -1);
  EXPECT_EQ(division, -1);
  EXPECT_EQ(ClubSim.getClubManager(12), 1);  // the player that stands for no manager
  ClubSim.selectMatchTeam(3, 5, 0, 21);
  MenuSystem.setBusyPointer(1);
  ASSERT_EQ(Seam_Calls().size(), 5u);
  EXPECT_EQ(Seam_Calls()[3].name, "SelectMatchTeam");
  EXPECT_EQ(Seam_Calls()[3].args, (std::vector<int32_t>{3, 5, 0, 21}));
  EXPECT_EQ(Seam_CountCalls("SetBusyPointer"), 1);
  EXPECT_EQ(Seam_CountCalls("AdvanceDay"), 0);
  Seam_ClearCalls();
  EXPECT_TRUE(Seam_Calls().empty());
}

TEST_F(SeamTest, AResetPutsTheStubsBack) {
  SeasonEngine.findBestPenaltyTaker = [](int16_t) -> int16_t { return 7; };
  CurrentManager = 4;
  ViewedClub = 9;
  ClubScreens.snapshotSquadProgress(2);
  ResetAllModules();
  EXPECT_EQ(SeasonEngine.findBestPenaltyTaker(3), -1);
  EXPECT_EQ(CurrentManager, -1);
  EXPECT_EQ(ViewedClub, -1);
  ASSERT_EQ(Seam_Calls().size(), 1u);
  EXPECT_EQ(Seam_Calls()[0].name, "FindBestPenaltyTaker");
  std::vector<std::string> names;
  for (int i = 0; i < ResetCount(); ++i) names.push_back(ResetName(i));
  EXPECT_NE(std::find(names.begin(), names.end(), "Seam_Reset"), names.end());
}

}  // namespace
