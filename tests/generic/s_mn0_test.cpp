#include "generic/s_mn0.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "generic/ingmenu.h"
#include "generic/ingnav.h"
#include "menus/gfx_gen.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

// A match under way: squad order = object order, the eleven starters on the
// pitch, a bench of three of whom all may come on, no duties, side 0 human-managed, and
// both formations laid out: slot k at column k, row k (the keeper at 7, 0),
// no targets, no links, no marking.
class SubsTacticsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    uint8_t* setup = GetMatchSetupRecord();
    StoreI16(setup + SETUP_SUBSTITUTES, 3);
    setup[MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_HUMAN] = 1;
    for (int side = 0; side < 2; ++side) {
      for (int i = 0; i < SIDE_OBJECTS; ++i) {
        SideSlots[side][i] = static_cast<int16_t>(side * SIDE_OBJECTS + i);
        MatchObject& o = MatchObjects[side * SIDE_OBJECTS + i];
        o.rating = i < 11 ? 50 : i < 14 ? 0 : -1;
        o.onBench = i < 11 ? 0 : 1;
        o.offPitch = i < 11 ? 0 : 1;
        uint8_t* entry = setup + SetupPlayerOffset(side, i);
        StoreI16(entry + SETUP_PLAYER_SHIRT, static_cast<int16_t>(i + 1));
        StoreI16(entry + SETUP_PLAYER_POSITION, static_cast<int16_t>(i == 0 ? 0 : i < 5 ? 2 : i < 9 ? 6 : 11));
        const std::string name = "Player" + std::to_string(side) + "_" + std::to_string(i);
        std::memcpy(entry + SETUP_PLAYER_SURNAME, name.c_str(), name.size() + 1);
      }
      uint8_t* formation = Football_GetTeamFormation(static_cast<int16_t>(side));
      for (int slot = 0; slot < FORMATION_PLAYERS; ++slot)
        LayOut(formation, slot, slot == 0 ? 7 : slot, slot == 0 ? 0 : slot);
    }
    // No duties yet.
    for (int side = 0; side < 2; ++side)
      CaptainObject[side] = CornerTakerObject[side] = PenaltyTakerObject[side] = FreeKickTakerObject[side] = -1;
    InGameMenuSide = 0;
    InGameMenuForced = 0;
    SubsTactics_Open();
  }

  static void LayOut(uint8_t* formation, int slot, int column, int row) {
    Formation_Set(formation, slot, SLOT_ACROSS, static_cast<int16_t>(column));
    Formation_Set(formation, slot, SLOT_ALONG, static_cast<int16_t>(row));
    for (int field : {SLOT_RUN_ACROSS, SLOT_RUN_ALONG, SLOT_SECOND_RUN_ACROSS, SLOT_SECOND_RUN_ALONG, SLOT_LINK_ACROSS,
                      SLOT_LINK_ALONG})
      Formation_Set(formation, slot, field, -1);
    Formation_SetLinkSlot(formation, slot, -1);
    Formation_Set(formation, slot, SLOT_MARKED, 0);
    std::memset(formation + FormationSlotOffset(slot) + SLOT_INSTRUCTIONS, 0, 3);
  }

  static uint8_t* Formation(int side = 0) { return Football_GetTeamFormation(static_cast<int16_t>(side)); }

  // Every duty to a player on the pitch.
  static void AllDuties(int side, int player) {
    for (int duty = 0; duty < 4; ++duty) InGame_SetDuty(side, player, duty);
  }

  // The centre of a cell of a view on the screen.
  static int PointX(const FormationView& view, int column) { return view.x + 13 * column + 6; }
  static int PointY(const FormationView& view, int row) { return view.y + (17 - row) * 16 + 8; }

  // A press with the buttons on one cell and the release on another.
  static bool Drag(FormationGrid& grid, int c1, int r1, int c2, int r2, int32_t buttons) {
    FormationGrid_Press(grid, PointX(grid.view, c1), PointY(grid.view, r1), buttons);
    return FormationGrid_Release(grid, PointX(grid.view, c2), PointY(grid.view, r2));
  }
  static bool Click(FormationGrid& grid, int c, int r) { return Drag(grid, c, r, c, r, 1); }
};

// ---- validation ----

TEST_F(SubsTacticsTest, ChecksRunInOrderAndStopAtTheFirstFailure) {
  struct Step {
    void (*change)();
    int16_t rule;
    const char* message;
  };
  const Step steps[] = {
      {[] {}, SUBS_RULE_CAPTAIN, "You have no captain"},
      {[] { Football_SetCaptain(0, 3); }, SUBS_RULE_PENALTY, "You have not nominated a penalty taker"},
      {[] { Football_SetPenaltyTaker(0, 9); }, SUBS_RULE_FREE_KICK, "You have not nominated a free kick taker"},
      {[] { InGame_SetDuty(0, 10, 3); }, SUBS_RULE_CORNER, "You have not nominated a corner taker"},
      {[] { Football_SetCornerTaker(0, 7); }, SUBS_RULE_NONE, ""},
      // The keeper carried off.
      {[] { MatchObjects[0].offPitch = 1; }, SUBS_RULE_GOALKEEPER, "You have no goalkeeper on the pitch"},
      {[] { MatchObjects[0].offPitch = 0; }, SUBS_RULE_NONE, ""},
      // A player carried off injured and substitutions left.
      {[] { MatchObjects[5].offPitch = 1, MatchObjects[5].takenOff = 1, MatchObjects[5].injury = 2; },
       SUBS_RULE_FULL_TEAM, "You don't have full team"},
      // With every substitution used the side plays on short.
      {[] { SubstitutionsUsed[0] = 3; }, SUBS_RULE_NONE, ""},
      // A duty held by a player off the pitch counts for nothing.
      {[] { MatchObjects[3].offPitch = 1; }, SUBS_RULE_CAPTAIN, "You have no captain"},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(SubsTactics_Validate(), step.rule) << step.message;
    EXPECT_EQ(SubsTactics.failedRule, step.rule);
    EXPECT_STREQ(SubsTactics_RuleText(step.rule), step.message);
    for (int rule = 1; rule <= SUBS_RULES; ++rule) EXPECT_EQ(SubsTactics.valid[rule - 1], rule == step.rule ? 0 : 1);
  }
}

TEST_F(SubsTacticsTest, TheOtherSidesScreenPassesEveryCheck) {
  InGameMenuSide = 1;
  SubsTactics_Open();
  EXPECT_FALSE(SubsTactics_Editable());
  EXPECT_EQ(SubsTactics_Validate(), SUBS_RULE_NONE);
}

TEST_F(SubsTacticsTest, NavigationAndSubstituteActOnlyAfterTheChecks) {
  InGameMenuCode = INGAME_MENU_SUBS_TACTICS;
  // Region 907: Line-ups.
  EXPECT_EQ(SubsTactics_Navigate(INGAME_NAV_FIRST_REGION + 7), GN_RESULT_REDRAW);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_SUBS_TACTICS);
  EXPECT_FALSE(SubsTactics_Substitute());
  EXPECT_EQ(SubstitutionRequest[0], 0);
  // Any click clears the message.
  SubsTactics_NextPage();
  EXPECT_EQ(SubsTactics.failedRule, SUBS_RULE_NONE);

  AllDuties(0, 4);
  EXPECT_EQ(SubsTactics_Navigate(INGAME_NAV_FIRST_REGION + 7), GN_RESULT_LEAVE);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_LINE_UPS);
  InGameMenuCode = INGAME_MENU_SUBS_TACTICS;
  EXPECT_TRUE(SubsTactics_Substitute());
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_LEAVE);
  EXPECT_EQ(SubstitutionRequest[0], 1);
  EXPECT_EQ(SubstitutionRequest[1], 0);

  // A forced opening has no "Substitute".
  SubstitutionRequest[0] = 0;
  InGameMenuForced = 1;
  SubsTactics_Open();
  EXPECT_FALSE(SubsTactics_Substitute());
  EXPECT_EQ(SubstitutionRequest[0], 0);
}

// ---- substitutions and swaps ----

TEST_F(SubsTacticsTest, SubstitutionPairs) {
  InGameMenuForced = 1;
  SubsTactics_Open();
  // On the pitch off, an available substitute on: confirmed.
  SubsTactics_ClickRow(4);
  SubsTactics_ClickRow(11);
  EXPECT_EQ(SubsTactics.confirmPending, 1);
  char line[96];
  SubsTactics_ConfirmText(line, sizeof line);
  EXPECT_STREQ(line, "Player0_11 on for Player0_4");
  // Rows do nothing while the confirmation waits.
  SubsTactics_ClickRow(6);
  EXPECT_EQ(SubsTactics.goingOff, 4);
  SubsTactics_Confirm();
  EXPECT_EQ(SubsTactics.confirmPending, 0);
  EXPECT_EQ(SubsTactics.goingOff, -1);
  EXPECT_EQ(SubsTactics.comingOn, -1);
  EXPECT_EQ(Football_GetSubstitutionsUsed(0), 1);
  EXPECT_EQ(Football_GetPositionsPlayer(0, 4), 11);
  EXPECT_EQ(Football_GetPositionsPlayer(0, 11), 4);
  EXPECT_TRUE(Football_IsPlayerOnPitch(0, 11));

  // Already off the pitch and not injured: the pair is dropped (the bench
  // first this time).
  MatchObjects[6].offPitch = 1;
  SubsTactics_ClickRow(12);
  EXPECT_EQ(SubsTactics.comingOn, 12);
  SubsTactics_ClickRow(6);
  EXPECT_EQ(SubsTactics.confirmPending, 0);
  EXPECT_EQ(SubsTactics.goingOff, -1);
  EXPECT_EQ(SubsTactics.comingOn, -1);
  // Off the pitch injured: allowed.
  MatchObjects[6].injury = 2;
  SubsTactics_ClickRow(6);
  SubsTactics_ClickRow(12);
  EXPECT_EQ(SubsTactics.confirmPending, 1);
  SubsTactics_Cancel();
  EXPECT_EQ(SubsTactics.confirmPending, 0);
  EXPECT_EQ(SubsTactics.goingOff, -1);
  EXPECT_EQ(Football_GetSubstitutionsUsed(0), 1);

  // Rows past the bench, and players who may not come on, are ignored.
  SubsTactics_ClickRow(14);
  SubsTactics_ClickRow(11);  // player 4 now sits there, taken off
  EXPECT_EQ(SubsTactics.comingOn, -1);
  // With every substitution used the bench is refused.
  SubstitutionsUsed[0] = 3;
  SubsTactics_ClickRow(12);
  EXPECT_EQ(SubsTactics.comingOn, -1);
}

TEST_F(SubsTacticsTest, BenchRowsOnlyWhenForcedAndOnlyOnTheOwnSide) {
  SubsTactics_ClickRow(11);
  EXPECT_EQ(SubsTactics.comingOn, -1);
  InGameMenuSide = 1;
  InGameMenuForced = 1;
  SubsTactics_Open();
  SubsTactics_ClickRow(3);
  SubsTactics_ClickRow(11);
  EXPECT_EQ(SubsTactics.goingOff, -1);
  EXPECT_EQ(SubsTactics.comingOn, -1);
}

TEST_F(SubsTacticsTest, APitchSwapChangesSquadOrderNotCells) {
  uint8_t before[TACTICS_RECORD_SIZE];
  std::memcpy(before, Formation(), sizeof before);
  SubsTactics_ClickRow(2);
  EXPECT_EQ(SubsTactics.goingOff, 2);
  SubsTactics_ClickRow(7);
  EXPECT_EQ(SubsTactics.goingOff, -1);
  EXPECT_EQ(Football_GetPositionsPlayer(0, 2), 7);
  EXPECT_EQ(Football_GetPositionsPlayer(0, 7), 2);
  EXPECT_EQ(0, std::memcmp(before, Formation(), sizeof before));
  FormationGrid_Build(SubsTactics.grid);
  EXPECT_EQ(FormationGrid_PlayerAt(SubsTactics.grid, 2, 2), 7);
  EXPECT_EQ(FormationGrid_PlayerAt(SubsTactics.grid, 7, 7), 2);
  // The same row twice only deselects.
  SubsTactics_ClickRow(5);
  SubsTactics_ClickRow(5);
  EXPECT_EQ(SubsTactics.goingOff, -1);
  EXPECT_EQ(Football_GetPositionsPlayer(0, 5), 5);
}

// ---- duties and instructions ----

TEST_F(SubsTacticsTest, DutyCellsAndInstructionCycles) {
  ASSERT_EQ(SubsTactics.page, SUBS_PAGE_DUTIES);
  const int16_t player = 6;
  SubsTactics_ClickCell(6, 0);
  SubsTactics_ClickCell(6, 1);
  SubsTactics_ClickCell(6, 2);
  SubsTactics_ClickCell(6, 3);
  EXPECT_TRUE(Football_IsCaptain(0, player));
  EXPECT_TRUE(Football_IsCornerTaker(0, player));
  EXPECT_TRUE(Football_IsPenaltyTaker(0, player));
  EXPECT_TRUE(Football_IsFreeKickTaker(0, player));
  EXPECT_TRUE(Football_IsFreeKickTakerB(0, player));

  SubsTactics_NextPage();
  ASSERT_EQ(SubsTactics.page, SUBS_PAGE_INSTRUCTIONS);
  const uint8_t* instructions = Formation() + FormationSlotOffset(6) + SLOT_INSTRUCTIONS;
  const int third[] = {1, 2, 0, 1}, first[] = {1, 2, 0}, second[] = {1, 0, 1};
  for (int expected : third) {
    SubsTactics_ClickCell(6, 0);
    EXPECT_EQ(instructions[2], expected);
  }
  for (int expected : first) {
    SubsTactics_ClickCell(6, 1);
    EXPECT_EQ(instructions[0], expected);
  }
  for (int expected : second) {
    SubsTactics_ClickCell(6, 2);
    EXPECT_EQ(instructions[1], expected);
  }
  // A value from a file outside the cycle starts it again.
  Formation()[FormationSlotOffset(6) + SLOT_INSTRUCTIONS + 2] = 9;
  SubsTactics_ClickCell(6, 0);
  EXPECT_EQ(instructions[2], 0);
  // The fourth cell clears a link slot or a link point.
  Formation_SetLinkSlot(Formation(), 6, 3);
  Formation_Set(Formation(), 6, SLOT_LINK_ACROSS, 4);
  Formation_Set(Formation(), 6, SLOT_LINK_ALONG, 9);
  SubsTactics_ClickCell(6, 3);
  EXPECT_EQ(Formation_LinkSlot(Formation(), 6), -1);
  EXPECT_EQ(LoadU32(Formation() + FormationSlotOffset(6) + SLOT_FLAGS) & 31u, 31u);
  EXPECT_EQ(Formation_Get(Formation(), 6, SLOT_LINK_ACROSS), -1);
  EXPECT_EQ(Formation_Get(Formation(), 6, SLOT_LINK_ALONG), -1);

  // The page cycle and the Data page's inert cells.
  SubsTactics_NextPage();
  ASSERT_EQ(SubsTactics.page, SUBS_PAGE_DATA);
  SubsTactics_ClickCell(2, 0);
  EXPECT_FALSE(Football_IsCaptain(0, 2));
  SubsTactics_NextPage();
  EXPECT_EQ(SubsTactics.page, SUBS_PAGE_DUTIES);
}

TEST_F(SubsTacticsTest, TheOtherSidesCellsChangeNothing) {
  InGameMenuSide = 1;
  SubsTactics_Open();
  uint8_t before[TACTICS_RECORD_SIZE];
  std::memcpy(before, Formation(1), sizeof before);
  SubsTactics_ClickCell(3, 0);
  EXPECT_FALSE(Football_IsCaptain(1, 3));
  SubsTactics_NextPage();
  SubsTactics_ClickCell(3, 0);
  SubsTactics_ClickRow(3);
  SubsTactics_ClickRow(4);
  EXPECT_EQ(Football_GetPositionsPlayer(1, 3), 3);
  EXPECT_FALSE(Drag(SubsTactics.grid, 3, 3, 9, 9, 1));
  EXPECT_EQ(0, std::memcmp(before, Formation(1), sizeof before));
}

// ---- the formation buttons ----

class SubsFormationButtonTest : public SubsTacticsTest {
 protected:
  std::optional<ScratchDir> scratch;
  std::vector<uint8_t> stock;
  void SetUp() override {
    SubsTacticsTest::SetUp();
    scratch.emplace("gafferon_subs");
    InitMemory(9500);
    // Stock tactic n: every byte n.
    stock.resize(TACTICS_FILE_SIZE);
    for (size_t i = 0; i < stock.size(); ++i) stock[i] = static_cast<uint8_t>(i / TACTICS_RECORD_SIZE);
    std::filesystem::create_directories("pakfiles");
    std::string error;
    ASSERT_TRUE(PakWriteFiles("pakfiles/test", {{"TACTICS\\TACTICS.DAT", stock}}, PAK_STORE_AUTO, nullptr, &error))
        << error;
    PakFileInit();
    PakFileAdd("pakfiles\\test");
    PakFileAddDone();
    FreeCustoms();
  }
  // Custom formations 1-12 free, byte 0 of each 100 + its index.
  static void FreeCustoms() {
    for (int k = 0; k < SETUP_TEAM_CUSTOM_COUNT; ++k) {
      uint8_t* record = Team() + SETUP_TEAM_CUSTOM_FORMATIONS + k * TACTICS_RECORD_SIZE;
      std::memset(record, 0, TACTICS_RECORD_SIZE);
      record[0] = static_cast<uint8_t>(100 + k);
      StoreI16(record + FORMATION_HEADER, -1);
    }
  }
  void TearDown() override {
    scratch.reset();
    SubsTacticsTest::TearDown();
  }
  static uint8_t* Team() { return GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[0]; }
  static int16_t Tactic() { return LoadI16(Team() + SETUP_TEAM_TACTIC); }
  static void SetTactic(int16_t tactic) { StoreI16(Team() + SETUP_TEAM_TACTIC, tactic); }
  static void Define(int custom) {
    StoreI16(Team() + SETUP_TEAM_CUSTOM_FORMATIONS + (custom - 1) * TACTICS_RECORD_SIZE + FORMATION_HEADER, 7);
  }
};

TEST_F(SubsFormationButtonTest, NextFamily) {
  struct Case {
    int16_t from;
    int16_t variantCounter;
    int defined;  // a custom formation defined first, 0 none
    int16_t to;
  };
  const Case cases[] = {
      {0, 0, 0, 5},   {17, 0, 0, 20}, {17, 3, 0, 23},
      {35, 2, 0, 2},   // family 7, no custom formation: family 0
      {39, 4, 1, 40},  // the first custom formation when it is defined
      {35, 0, 2, 0},   // only custom 1 counts
      {45, 1, 6, 1},   // from a custom formation: family 0
      {51, 0, 0, 0},
  };
  for (const Case& c : cases) {
    FreeCustoms();
    SubsTactics_Open();
    SetTactic(c.from);
    if (c.defined != 0) Define(c.defined);
    SubsTactics.variantCounter = c.variantCounter;
    SubsTactics_NextFamily();
    EXPECT_EQ(Tactic(), c.to) << c.from;
    // The side's formation is set up from the new tactic.
    const int expected = c.to < NUM_STOCK_TACTICS ? c.to : 100 + c.to - NUM_STOCK_TACTICS;
    EXPECT_EQ(Formation()[0], expected) << c.from;
  }
}

TEST_F(SubsFormationButtonTest, NextVariant) {
  SetTactic(17);
  SubsTactics_NextVariant();
  EXPECT_EQ(Tactic(), 16);  // the counter starts at 0 on entry
  for (int16_t expected : {17, 18, 19, 15, 16}) {
    SubsTactics_NextVariant();
    EXPECT_EQ(Tactic(), expected);
  }
  EXPECT_EQ(Formation()[0], 16);

  // Custom formations: the next defined one, else back to the first.
  Define(1);
  Define(2);
  Define(12);
  SetTactic(40);
  SubsTactics_NextVariant();
  EXPECT_EQ(Tactic(), 41);
  SubsTactics_NextVariant();
  EXPECT_EQ(Tactic(), 40);  // 42 is not defined
  SetTactic(51);
  SubsTactics_NextVariant();
  EXPECT_EQ(Tactic(), 40);  // past 51
  EXPECT_EQ(Formation()[0], 100);
}

TEST_F(SubsFormationButtonTest, OnlyTheOwnSidesFormationChanges) {
  InGameMenuSide = 1;
  SubsTactics_Open();
  StoreI16(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_TACTIC, 12);
  SubsTactics_NextFamily();
  SubsTactics_NextVariant();
  EXPECT_EQ(LoadI16(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_TACTIC), 12);
}

// ---- the grid ----

TEST_F(SubsTacticsTest, GridEdgesOfBothViews) {
  struct Case {
    FormationView view;
    int px, py;
    bool onGrid;
    int column, row;
  };
  const Case cases[] = {
      {SUBS_FORMATION_VIEW, 400, 40, true, 0, 17},     {SUBS_FORMATION_VIEW, 594, 327, true, 14, 0},
      {SUBS_FORMATION_VIEW, 595, 100, false, 0, 0},    {SUBS_FORMATION_VIEW, 599, 100, false, 0, 0},
      {SUBS_FORMATION_VIEW, 500, 328, false, 0, 0},    {SUBS_FORMATION_VIEW, 500, 339, false, 0, 0},
      {SUBS_FORMATION_VIEW, 399, 100, false, 0, 0},    {SUBS_FORMATION_VIEW, 406, 318, true, 0, 0},
      {MARKING_FORMATION_VIEW, 220, 28, true, 0, 17},  {MARKING_FORMATION_VIEW, 414, 315, true, 14, 0},
      {MARKING_FORMATION_VIEW, 415, 100, false, 0, 0}, {MARKING_FORMATION_VIEW, 419, 100, false, 0, 0},
      {MARKING_FORMATION_VIEW, 300, 316, false, 0, 0}, {MARKING_FORMATION_VIEW, 300, 327, false, 0, 0},
      {MARKING_FORMATION_VIEW, 226, 308, true, 0, 0},
  };
  for (const Case& c : cases) {
    int column = -7, row = -7;
    EXPECT_EQ(FormationView_CellAt(c.view, c.px, c.py, &column, &row), c.onGrid) << c.px << "," << c.py;
    if (c.onGrid) {
      EXPECT_EQ(column, c.column) << c.px << "," << c.py;
      EXPECT_EQ(row, c.row) << c.px << "," << c.py;
    }
  }
  // Presses and releases off the grid change nothing, on either screen's grid.
  for (const FormationView& view : {SUBS_FORMATION_VIEW, MARKING_FORMATION_VIEW}) {
    FormationGrid grid{};
    FormationGrid_Open(grid, view, 0);
    uint8_t before[TACTICS_RECORD_SIZE];
    std::memcpy(before, Formation(), sizeof before);
    const int right = view.x + 197, bottom = view.y + 290;
    FormationGrid_Press(grid, PointX(view, 3), PointY(view, 3), 1);
    EXPECT_FALSE(FormationGrid_Release(grid, right, PointY(view, 3)));
    FormationGrid_Press(grid, PointX(view, 3), PointY(view, 3), 1);
    EXPECT_FALSE(FormationGrid_Release(grid, PointX(view, 3), bottom));
    FormationGrid_Press(grid, right, PointY(view, 4), 1);
    EXPECT_FALSE(FormationGrid_Release(grid, right, PointY(view, 4)));
    FormationGrid_Press(grid, PointX(view, 5), bottom, 2);
    EXPECT_FALSE(FormationGrid_Release(grid, PointX(view, 5), PointY(view, 5)));
    // A press whose pointer left the grid is forgotten.
    FormationGrid_Press(grid, PointX(view, 3), PointY(view, 3), 1);
    FormationGrid_CancelPress(grid);
    EXPECT_FALSE(FormationGrid_Release(grid, PointX(view, 9), PointY(view, 9)));
    EXPECT_EQ(grid.selection, -1);
    EXPECT_EQ(0, std::memcmp(before, Formation(), sizeof before));
  }
}

TEST_F(SubsTacticsTest, RunSecondRunAndLinkDrags) {
  FormationGrid& grid = SubsTactics.grid;
  uint8_t* f = Formation();
  // Left: a release above or level with the press sets the run target ...
  EXPECT_TRUE(Drag(grid, 3, 3, 8, 9, 1));
  EXPECT_EQ(Formation_Get(f, 3, SLOT_RUN_ACROSS), 8);
  EXPECT_EQ(Formation_Get(f, 3, SLOT_RUN_ALONG), 9);
  EXPECT_TRUE(Drag(grid, 3, 3, 0, 3, 1));
  EXPECT_EQ(Formation_Get(f, 3, SLOT_RUN_ACROSS), 0);
  EXPECT_EQ(Formation_Get(f, 3, SLOT_RUN_ALONG), 3);
  // ... a release below it the second run target.
  EXPECT_TRUE(Drag(grid, 3, 3, 12, 1, 1));
  EXPECT_EQ(Formation_Get(f, 3, SLOT_SECOND_RUN_ACROSS), 12);
  EXPECT_EQ(Formation_Get(f, 3, SLOT_SECOND_RUN_ALONG), 1);
  EXPECT_EQ(Formation_Get(f, 3, SLOT_RUN_ACROSS), 0);
  // Right onto a team-mate: the link slot.
  EXPECT_TRUE(Drag(grid, 3, 3, 9, 9, 2));
  EXPECT_EQ(Formation_LinkSlot(f, 3), 9);
  // Right onto an empty cell: the link point, and no link slot (a point is
  // used only without one).
  EXPECT_TRUE(Drag(grid, 3, 3, 14, 17, 2));
  EXPECT_EQ(Formation_Get(f, 3, SLOT_LINK_ACROSS), 14);
  EXPECT_EQ(Formation_Get(f, 3, SLOT_LINK_ALONG), 17);
  EXPECT_EQ(Formation_LinkSlot(f, 3), -1);
  // A drag from an empty cell does nothing.
  uint8_t before[TACTICS_RECORD_SIZE];
  std::memcpy(before, f, sizeof before);
  EXPECT_FALSE(Drag(grid, 0, 10, 5, 5, 1));
  EXPECT_FALSE(Drag(grid, 0, 10, 5, 5, 2));
  EXPECT_EQ(0, std::memcmp(before, f, sizeof before));
  // The player taken off the pitch leaves the grid.
  MatchObjects[3].offPitch = 1;
  FormationGrid_Build(grid);
  EXPECT_EQ(FormationGrid_PlayerAt(grid, 3, 3), -1);
  EXPECT_FALSE(Drag(grid, 3, 3, 8, 9, 1));
}

TEST_F(SubsTacticsTest, ClicksSelectPlaceAndClearTargets) {
  FormationGrid& grid = SubsTactics.grid;
  uint8_t* f = Formation();
  // Select the player at (4, 4) and place him on the empty (10, 15).
  EXPECT_TRUE(Click(grid, 4, 4));
  EXPECT_EQ(grid.selection, 4);
  EXPECT_TRUE(Click(grid, 10, 15));
  EXPECT_EQ(grid.selection, -1);
  EXPECT_EQ(grid.justPlaced, 1);
  EXPECT_EQ(Formation_Get(f, 4, SLOT_ACROSS), 10);
  EXPECT_EQ(Formation_Get(f, 4, SLOT_ALONG), 15);
  EXPECT_EQ(FormationGrid_PlayerAt(grid, 10, 15), 4);
  EXPECT_EQ(FormationGrid_PlayerAt(grid, 4, 4), -1);
  // Right after a placement a click on a player clears the targets at his
  // cell instead of selecting him.
  Formation_Set(f, 6, SLOT_RUN_ACROSS, 9);
  Formation_Set(f, 6, SLOT_RUN_ALONG, 9);
  Formation_Set(f, 8, SLOT_SECOND_RUN_ACROSS, 9);
  Formation_Set(f, 8, SLOT_SECOND_RUN_ALONG, 9);
  Formation_Set(f, 2, SLOT_RUN_ACROSS, 9);
  Formation_Set(f, 2, SLOT_RUN_ALONG, 8);
  EXPECT_TRUE(Click(grid, 9, 9));
  EXPECT_EQ(grid.selection, -1);
  EXPECT_EQ(grid.justPlaced, 0);
  EXPECT_EQ(Formation_Get(f, 6, SLOT_RUN_ACROSS), -1);
  EXPECT_EQ(Formation_Get(f, 6, SLOT_RUN_ALONG), -1);
  EXPECT_EQ(Formation_Get(f, 8, SLOT_SECOND_RUN_ACROSS), -1);
  EXPECT_EQ(Formation_Get(f, 2, SLOT_RUN_ACROSS), 9);  // points elsewhere
  // Then an empty cell clears the targets there too.
  EXPECT_TRUE(Click(grid, 9, 8));
  EXPECT_EQ(Formation_Get(f, 2, SLOT_RUN_ACROSS), -1);
  // And a player is selected again.
  EXPECT_TRUE(Click(grid, 9, 9));
  EXPECT_EQ(grid.selection, 9);
}

TEST_F(SubsTacticsTest, ExchangeSwapsTheFieldsClearsASelfLinkAndStaysInTheRecord) {
  FormationGrid& grid = SubsTactics.grid;
  uint8_t* f = Formation();
  // Slot 3 links to slot 10, which links to slot 5; marks and instructions.
  Formation_SetLinkSlot(f, 3, 10);
  Formation_SetLinkSlot(f, 10, 5);
  Formation_Set(f, 3, SLOT_MARKED, 4);
  Formation_Set(f, 10, SLOT_MARKED, 9);
  f[FormationSlotOffset(3) + SLOT_INSTRUCTIONS] = 2;
  // The bytes around the two slots' fields.
  f[FormationSlotOffset(4) - 5] = 0xA4;  // slot 4's own first byte
  uint8_t other[TACTICS_RECORD_SIZE];
  std::memcpy(other, Formation(1), sizeof other);
  EXPECT_TRUE(Click(grid, 3, 3));
  EXPECT_TRUE(Click(grid, 10, 10));
  // Player 3 now stands at (10, 10) with slot 10's fields, player 10 at (3, 3).
  EXPECT_EQ(Formation_Get(f, 3, SLOT_ACROSS), 10);
  EXPECT_EQ(Formation_Get(f, 10, SLOT_ACROSS), 3);
  EXPECT_EQ(FormationGrid_PlayerAt(grid, 10, 10), 3);
  EXPECT_EQ(FormationGrid_PlayerAt(grid, 3, 3), 10);
  EXPECT_EQ(Formation_LinkSlot(f, 3), 5);
  EXPECT_EQ(Formation_LinkSlot(f, 10), -1);  // it would have pointed at itself
  EXPECT_EQ(Formation_MarkedOpponent(f, 3), 9);
  EXPECT_EQ(Formation_MarkedOpponent(f, 10), 4);
  EXPECT_EQ(f[FormationSlotOffset(10) + SLOT_INSTRUCTIONS], 2);
  EXPECT_EQ(f[FormationSlotOffset(4) - 5], 0xA4);
  EXPECT_EQ(0, std::memcmp(other, Formation(1), sizeof other));
  EXPECT_EQ(grid.justPlaced, 1);
  EXPECT_EQ(grid.selection, -1);
}

TEST_F(SubsTacticsTest, ExchangingTheLastSlotNeverWritesPastTheRecord) {
  // The last slot's fields end the record; a guard record after it.
  uint8_t record[TACTICS_RECORD_SIZE + 8];
  std::memset(record, 0x5A, sizeof record);
  for (int slot = 0; slot < FORMATION_PLAYERS; ++slot) LayOut(record, slot, slot, slot);
  std::memset(record + TACTICS_RECORD_SIZE, 0xEE, 8);
  Formation_SetLinkSlot(record, 1, 10);
  Formation_ExchangeSlots(record, 10, 1);
  EXPECT_EQ(Formation_Get(record, 10, SLOT_ACROSS), 1);
  EXPECT_EQ(Formation_Get(record, 1, SLOT_ACROSS), 10);
  EXPECT_EQ(Formation_LinkSlot(record, 1), -1);
  EXPECT_EQ(Formation_LinkSlot(record, 10), -1);  // it would have pointed at itself
  for (int i = TACTICS_RECORD_SIZE; i < TACTICS_RECORD_SIZE + 8; ++i) EXPECT_EQ(record[i], 0xEE) << i;
  // A bad slot changes nothing.
  uint8_t before[sizeof record];
  std::memcpy(before, record, sizeof record);
  Formation_ExchangeSlots(record, 10, 11);
  Formation_ExchangeSlots(record, -1, 3);
  EXPECT_EQ(0, std::memcmp(before, record, sizeof record));
}

TEST_F(SubsTacticsTest, SlotValuesFromFilesOffTheGridAreNotPlaced) {
  uint8_t* f = Formation();
  Formation_Set(f, 5, SLOT_ACROSS, 15);
  Formation_Set(f, 6, SLOT_ALONG, -1);
  Formation_Set(f, 7, SLOT_ACROSS, -300);
  Formation_Set(f, 2, SLOT_RUN_ACROSS, 20);
  Formation_Set(f, 2, SLOT_RUN_ALONG, 4);
  StoreU32(f + FormationSlotOffset(4) + SLOT_FLAGS, 0xFFFFFF0Cu);  // link slot 12
  Formation_Set(f, 8, SLOT_MARKED, 12);
  Formation_Set(f, 9, SLOT_MARKED, -1);
  FormationGrid_Build(SubsTactics.grid);
  int players = 0;
  for (int c = 0; c < FORMATION_COLUMNS; ++c)
    for (int r = 0; r < FORMATION_ROWS; ++r)
      if (FormationGrid_PlayerAt(SubsTactics.grid, c, r) >= 0) ++players;
  EXPECT_EQ(players, 7);  // slots 1-10 less 5, 6 and 7
  int c = 0, r = 0;
  EXPECT_FALSE(Formation_Cell(f, 5, &c, &r));
  EXPECT_FALSE(Formation_Target(f, 2, SLOT_RUN_ACROSS, &c, &r));
  EXPECT_EQ(Formation_LinkSlot(f, 4), -1);
  EXPECT_EQ(Formation_MarkedOpponent(f, 8), 0);
  EXPECT_EQ(Formation_MarkedOpponent(f, 9), 0);
  EXPECT_EQ(FormationGrid_PlayerAt(SubsTactics.grid, 15, 0), -1);
  EXPECT_EQ(FormationGrid_PlayerAt(SubsTactics.grid, 0, -1), -1);
  // A link slot of 12 is none: the link cell has nothing to clear.
  SubsTactics_NextPage();
  SubsTactics_ClickCell(4, 3);
  EXPECT_EQ(LoadU32(f + FormationSlotOffset(4) + SLOT_FLAGS), 0xFFFFFF0Cu);
}

TEST_F(SubsTacticsTest, PositionPlayerOfAPlayerWithoutASlotIsFatal) {
  // The keeper's slot is one of the eleven; a substitute's is not.
  PositionPlayer(SubsTactics.grid, 0, 2, 2);
  EXPECT_EQ(Formation_Get(Formation(), 0, SLOT_ACROSS), 2);
  EXPECT_FATAL(PositionPlayer(SubsTactics.grid, 12, 3, 3), "Dodgy position 13 in s_mn0:PositionPlayer\\(\\)");
}

}  // namespace

// ---- the screen's map: what a click at a point of the screen does ----

namespace {

// The hot item under a point as the menu loop finds it (the regions in map
// order, the flags of the map in force), and the answer to a click there.
struct Hit {
  GNCallback callback = nullptr;
  int16_t regionId = -1;
  int16_t x = 0, y = 0, w = 0, h = 0;
};

Hit HitAt(const GNDisplayItem* map, int px, int py) {
  int16_t regionId = -1, flags = 0;
  for (const GNDisplayItem* item = map; item->type != GN_ITEM_END; ++item) {
    const int32_t value = item->dataKind == GN_DATA_VALUE_VAR ? *item->data.var : item->data.value;
    if (item->type == GN_ITEM_REGION_ID) regionId = static_cast<int16_t>(value);
    if (item->type == GN_ITEM_FLAGS) flags = static_cast<int16_t>(value);
    if (item->callback == nullptr || (flags & GN_FLAG_NOT_HOT) || item->w == 0 || item->h == 0) continue;
    if (px >= item->x && px < item->x + item->w && py >= item->y && py < item->y + item->h)
      return {item->callback, regionId, item->x, item->y, item->w, item->h};
  }
  return {};
}

int16_t ClickAt(const GNDisplayItem* map, int px, int py) {
  const Hit hit = HitAt(map, px, py);
  if (hit.callback == nullptr) return 0;
  GNMessage message{GN_MSG_RELEASE, hit.regionId, hit.x, hit.y, hit.w, hit.h,
                    static_cast<int16_t>(px - hit.x), static_cast<int16_t>(py - hit.y)};
  return hit.callback(&message);
}

}  // namespace

TEST_F(SubsTacticsTest, TheScreensItemsAtTheirPlaces) {
  const GNDisplayItem* map = SubsTacticsMap();
  InGameMenuForced = 1;
  SubsTactics_Open();
  SubsTactics_Refresh();
  AllDuties(0, 8);
  // Row 2 (y 100) off, bench row 12 (y 300) on, "Confirm".
  EXPECT_EQ(ClickAt(map, 100, 105), GN_RESULT_REDRAW);
  EXPECT_EQ(ClickAt(map, 100, 305), GN_RESULT_REDRAW);
  ASSERT_EQ(SubsTactics.confirmPending, 1);
  SubsTactics_Refresh();
  EXPECT_EQ(ClickAt(map, 410, 390), GN_RESULT_REDRAW);
  EXPECT_EQ(Football_GetPositionsPlayer(0, 2), 12);
  // The page button, then the Instructions page's third cell of row 5.
  EXPECT_EQ(ClickAt(map, 300, 40), GN_RESULT_REDRAW);
  EXPECT_EQ(SubsTactics.page, SUBS_PAGE_INSTRUCTIONS);
  EXPECT_EQ(ClickAt(map, 340, 165), GN_RESULT_REDRAW);
  EXPECT_EQ(Formation()[FormationSlotOffset(5) + SLOT_INSTRUCTIONS + 1], 1);
  // The formation buttons' places (the stock tactic file is not there: only
  // that the regions are the buttons').
  EXPECT_NE(HitAt(map, 450, 360).callback, nullptr);
  EXPECT_NE(HitAt(map, 550, 360).callback, nullptr);
  // "Substitute" is no button on a forced screen; the bench rows are.
  SubsTactics_Refresh();
  EXPECT_EQ(HitAt(map, 200, 325).regionId, HitAt(map, 100, 325).regionId);
  // The navigation refuses while a check fails and says why.
  CaptainObject[0] = -1;
  InGameMenuCode = INGAME_MENU_SUBS_TACTICS;
  EXPECT_EQ(ClickAt(map, 320, 440), GN_RESULT_REDRAW);  // "Marking"
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_SUBS_TACTICS);
  EXPECT_EQ(SubsTactics.failedRule, SUBS_RULE_CAPTAIN);
  Football_SetCaptain(0, 8);
  EXPECT_EQ(ClickAt(map, 320, 440), GN_RESULT_LEAVE);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_MARKING);

  // Opened by the user: no bench, "Substitute" leaves the menus.
  InGameMenuForced = 0;
  SubsTactics_Open();
  SubsTactics_Refresh();
  EXPECT_EQ(HitAt(map, 100, 305).callback, nullptr);
  EXPECT_EQ(ClickAt(map, 200, 325), GN_RESULT_LEAVE);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_LEAVE);
  EXPECT_EQ(SubstitutionRequest[0], 1);
}

TEST_F(SubsTacticsTest, OnTheOtherSidesScreenOnlyThePageTurns) {
  const GNDisplayItem* map = SubsTacticsMap();
  InGameMenuSide = 1;
  SubsTactics_Open();
  SubsTactics_Refresh();
  EXPECT_EQ(ClickAt(map, 100, 105), GN_RESULT_HANDLED);
  EXPECT_EQ(ClickAt(map, 280, 105), GN_RESULT_HANDLED);
  EXPECT_FALSE(Football_IsCaptain(1, 2));
  EXPECT_EQ(HitAt(map, 450, 360).callback, nullptr);  // the formation buttons
  EXPECT_EQ(ClickAt(map, 300, 40), GN_RESULT_REDRAW);
  EXPECT_EQ(SubsTactics.page, SUBS_PAGE_INSTRUCTIONS);
}
