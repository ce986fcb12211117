#include "generic/ingmenu.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/football.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "support/engine_fixture.h"

namespace {

std::vector<std::string> gCalls;
// The codes each recording menu sets next, taken in turn.
std::vector<int16_t> gNext;

void Menu(const char* name) {
  gCalls.push_back(std::string(name) + " side " + std::to_string(InGameMenuSide) + " forced " +
                   std::to_string(InGameMenuForced));
  if (gNext.empty()) {
    InGameMenuCode = INGAME_MENU_LEAVE;
  } else {
    InGameMenuCode = gNext.front();
    gNext.erase(gNext.begin());
  }
}

class InGameMenuTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gCalls.clear();
    gNext.clear();
    InGameMenuSeams.destroyMatchEnvironment = [] { gCalls.push_back("destroy"); };
    InGameMenuSeams.initSetOfMenus = [] { gCalls.push_back("menus on"); };
    InGameMenuSeams.uninitSetOfMenus = [] { gCalls.push_back("menus off"); };
    InGameMenuSeams.createMatchEnvironment = [] { gCalls.push_back("create"); };
    InGameMenuSeams.pause = [] { Menu("Pause"); };
    InGameMenuSeams.options = [] { Menu("Options"); };
    InGameMenuSeams.videoOptions = [] { Menu("Video"); };
    InGameMenuSeams.subsTactics = [] { Menu("Subs"); };
    InGameMenuSeams.performance = [] { Menu("Performance"); };
    InGameMenuSeams.lineUps = [] { Menu("Line-ups"); };
    InGameMenuSeams.stats = [] { Menu("Stats"); };
    InGameMenuSeams.pitchAction = [] { Menu("Pitch"); };
    InGameMenuSeams.marking = [] { Menu("Marking"); };
    InGameMenuSeams.shootOutOrder = [] { Menu("Takers"); };
    InGameMenuSeams.replanSide = [](int side) { gCalls.push_back("replan " + std::to_string(side)); };
  }
  static void SetHuman(int side, bool human) {
    GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = human ? 1 : 0;
  }
  using Calls = std::vector<std::string>;
};

TEST_F(InGameMenuTest, OptionsAndVideoOptionsGoBackToPause) {
  SetHuman(1, true);
  // Pause -> Options -> (Pause) -> Video options -> (Pause) -> leave.
  gNext = {INGAME_MENU_OPTIONS, 99, INGAME_MENU_VIDEO_OPTIONS, 99, INGAME_MENU_LEAVE};
  InGameMenu_OpenPause();
  EXPECT_EQ(gCalls, (Calls{"destroy", "menus on", "Pause side 1 forced 0", "Options side 1 forced 0",
                           "Pause side 1 forced 0", "Video side 1 forced 0", "Pause side 1 forced 0", "menus off",
                           "create"}));
}

TEST_F(InGameMenuTest, EveryMenuRunsByItsCode) {
  gNext = {INGAME_MENU_PERFORMANCE, INGAME_MENU_STATS, INGAME_MENU_PITCH_ACTION, INGAME_MENU_MARKING,
           INGAME_MENU_LEAVE};
  InGameMenu_OpenLineUps();
  EXPECT_EQ(gCalls, (Calls{"destroy", "menus on", "Line-ups side 0 forced 0", "Performance side 0 forced 0",
                           "Stats side 0 forced 0", "Pitch side 0 forced 0", "Marking side 0 forced 0",
                           "menus off", "create"}));
}

TEST_F(InGameMenuTest, AfterSubsTacticsBothSidesAreReplanned) {
  SetHuman(1, true);
  InGameMenu_OpenSubsTactics(1);
  EXPECT_EQ(gCalls, (Calls{"destroy", "menus on", "Subs side 1 forced 1", "replan 0", "replan 1", "menus off",
                           "create"}));
  // A computer-run side has no screen to open.
  gCalls.clear();
  InGameMenu_OpenSubsTactics(0);
  EXPECT_TRUE(gCalls.empty());
}

TEST_F(InGameMenuTest, TheMatchFramesEntryCodesOpenTheirMenus) {
  struct Row {
    int code;
    const char* first;
  };
  const Row rows[] = {{6, "Line-ups"}, {5, "Performance"}, {4, "Subs"}, {1, "Options"}, {0, "Pause"}};
  SetHuman(0, true);
  for (const Row& r : rows) {
    gCalls.clear();
    InGameMenuForced = 1;
    InGameMenu_OpenAt(r.code);
    ASSERT_GE(gCalls.size(), 3u);
    EXPECT_EQ(gCalls[2], std::string(r.first) + " side 0 forced 0");
  }
}

TEST_F(InGameMenuTest, ALeavingCodeRunsNoMenu) {
  InGameMenuCode = INGAME_MENU_LEAVE;
  InGameMenusLoop();
  EXPECT_EQ(gCalls, (Calls{"destroy", "menus on", "menus off", "create"}));
}

TEST_F(InGameMenuTest, AnUnknownCodeIsFatal) {
  InGameMenuCode = 3;
  EXPECT_FATAL(InGameMenusLoop(), "ERROR: InGameMenusLoop, Default Case hit '3'");
}

TEST_F(InGameMenuTest, TheShootOutShowsEachSidesTakers) {
  PenaltyShootOutMenus();
  EXPECT_EQ(gCalls, (Calls{"destroy", "menus on", "Takers side 0 forced 0", "Takers side 1 forced 0", "menus off",
                           "create"}));
}

// The re-plan takes the side's formation as the screen left it.
TEST_F(InGameMenuTest, TheReplanTakesTheSidesFormationIntoItsWorkingRecord) {
  int shaped[2] = {0, 0};
  static int* gShaped;
  gShaped = shaped;
  MatchSeams.initTeamShape = [](int side) { ++gShaped[side]; };
  for (int side = 0; side < 2; ++side) {
    uint8_t* formation = Football_GetTeamFormation(static_cast<int16_t>(side));
    std::memset(formation, 0, TACTICS_RECORD_SIZE);
    StoreI16(formation + FormationSlotOffset(4) + SLOT_ACROSS, static_cast<int16_t>(7 + side));
    formation[FormationSlotOffset(4) + SLOT_INSTRUCTIONS] = 2;
    std::memset(WorkingFormation[side], 0xEE, TACTICS_RECORD_SIZE);
  }
  InGameMenu_ReplanSide(0);
  InGameMenu_ReplanSide(1);
  for (int side = 0; side < 2; ++side) {
    EXPECT_EQ(LoadI16(WorkingFormation[side] + FormationSlotOffset(4) + SLOT_ACROSS), 7 + side);
    EXPECT_EQ(std::memcmp(WorkingFormation[side], Football_GetTeamFormation(static_cast<int16_t>(side)),
                          TACTICS_RECORD_SIZE),
              0);
    EXPECT_EQ(shaped[side], 1);
  }
}

}  // namespace
