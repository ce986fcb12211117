// The seam between the world facade and the parts of the game not built yet.
#include "season/seam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/reset.h"
#include "menus/machine.h"
#include "support/engine_fixture.h"

namespace {

class SeamTest : public EngineTest {};

TEST_F(SeamTest, StubsNoteTheirCallsAndAnswerNeutralValues) {
  int16_t division = 7;
  EXPECT_EQ(SeasonEngine.findHumanFixtureComp(1, &division), -1);
  EXPECT_EQ(division, -1);
  EXPECT_EQ(ClubSim.getClubManager(12), 1);  // the player that stands for no manager
  ClubSim.selectMatchTeam(3, 21, 0, 5);
  MenuSystem.setBusyPointer(1);
  ASSERT_EQ(Seam_Calls().size(), 4u);
  EXPECT_EQ(Seam_Calls()[2].name, "SelectMatchTeam");
  EXPECT_EQ(Seam_Calls()[2].args, (std::vector<int32_t>{3, 21, 0, 5}));
  EXPECT_EQ(Seam_CountCalls("SetBusyPointer"), 1);
  EXPECT_EQ(Seam_CountCalls("StartNewGame"), 0);
  Seam_ClearCalls();
  EXPECT_TRUE(Seam_Calls().empty());
}

TEST_F(SeamTest, TheSeasonEndsStubsAnswerNothingDone) {
  SeasonEngine.cupDrawClearTable();
  SeasonEngine.setEuroCupHolders();
  SeasonEngine.selectEuropeanEntrants();
  SeasonEngine.shuffleEuroEntrantsB();
  SeasonEngine.clearHumanDealLists();
  SeasonEngine.addWeeklyMiscIncome(1234);
  EXPECT_EQ(ClubSim.calcClubFormScore(4), 0);
  EXPECT_EQ(ClubSim.calcRepRankScore(4), 0);
  ClubSim.fillReservePool();
  ClubSim.buildReputationTable();
  ClubSim.setAllClubsExpectedPlace();
  const std::vector<std::string> expected = {
      "CupDraw_ClearTable", "SetEuroCupHolders", "SelectEuropeanEntrants", "ShuffleEuroEntrantsB",
      "GNW_ClearHumanDealLists", "AddWeeklyMiscIncome", "CalcClubFormScore", "CalcRepRankScore",
      "FillReservePool", "BuildReputationTable", "SetAllClubsExpectedPlace"};
  std::vector<std::string> names;
  for (const SeamCall& call : Seam_Calls()) names.push_back(call.name);
  EXPECT_EQ(names, expected);
  EXPECT_EQ(Seam_Calls()[5].args, std::vector<int32_t>{1234});
}

TEST_F(SeamTest, TheRecordsAndTheRescheduleStubsChangeNothing) {
  EXPECT_EQ(SeasonEngine.rescheduleFixture(120, 33), -1);  // no free day: nothing added
  WorldRecords.recordHonour(4, 9);
  WorldRecords.addWeeklyMiscIncome(54000);
  ASSERT_EQ(Seam_Calls().size(), 3u);
  EXPECT_EQ(Seam_Calls()[0].name, "Fixture_Reschedule");
  EXPECT_EQ(Seam_Calls()[0].args, (std::vector<int32_t>{120, 33}));
  EXPECT_EQ(Seam_Calls()[1].name, "Honours_RecordWinner");
  EXPECT_EQ(Seam_Calls()[1].args, (std::vector<int32_t>{4, 9}));
  EXPECT_EQ(Seam_Calls()[2].name, "WeeklyAccounts_AddMiscIncome");
  EXPECT_EQ(Seam_Calls()[2].args, (std::vector<int32_t>{54000}));
}

TEST_F(SeamTest, TheSaveAndLoadEntriesAnswerSuccess) {
  const uint8_t chunk[1] = {0};
  EXPECT_EQ(SeasonEngine.packCupDrawTable(), 0);
  EXPECT_EQ(SeasonEngine.unpackCupDrawTable(), 0);
  EXPECT_EQ(SeasonEngine.cupDrawUnpack(chunk, chunk, chunk), 0);
  ClubSim.buildReputationTable();
  MenuSystem.loadNamesFile();
  std::vector<std::string> names;
  for (const SeamCall& call : Seam_Calls()) names.push_back(call.name);
  EXPECT_EQ(names, (std::vector<std::string>{"PackCupDrawTable", "UnpackCupDrawTable", "CupDraw_Unpack",
                                             "BuildReputationTable", "LoadNamesFile"}));
}

TEST_F(SeamTest, AResetPutsTheStubsBack) {
  SeasonEngine.honoursGetHolder = [](int16_t, int16_t) -> int16_t { return 7; };
  CurrentManager = 4;
  ViewedClub = 9;
  ClubScreens.snapshotSquadProgress(2);
  ResetAllModules();
  EXPECT_EQ(SeasonEngine.honoursGetHolder(0, 3), 255);
  EXPECT_EQ(CurrentManager, -1);
  EXPECT_EQ(ViewedClub, -1);
  ASSERT_EQ(Seam_Calls().size(), 1u);
  EXPECT_EQ(Seam_Calls()[0].name, "Honours_GetHolder");
  std::vector<std::string> names;
  for (int i = 0; i < ResetCount(); ++i) names.push_back(ResetName(i));
  EXPECT_NE(std::find(names.begin(), names.end(), "Seam_Reset"), names.end());
}

}  // namespace

namespace {

// The game's connection puts the menu machine's nested busy pointer behind the
// seam: a day's work shows the hourglass and takes it away again.
TEST_F(SeamTest, TheGameConnectsTheBusyPointerToTheMenuMachine) {
  Seam_ConnectGame();
  MenuSystem.setBusyPointer(1);
  MenuSystem.setBusyPointer(1);
  EXPECT_EQ(BusyPointerCount(), 2);
  MenuSystem.setBusyPointer(0);
  MenuSystem.setBusyPointer(0);
  MenuSystem.setBusyPointer(0);  // one too many leaves it at rest
  EXPECT_EQ(BusyPointerCount(), 0);
  EXPECT_EQ(Seam_CountCalls("SetBusyPointer"), 0);
}

}  // namespace
