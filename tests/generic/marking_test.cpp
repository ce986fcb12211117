#include "generic/marking.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/bytes.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchstate.h"
#include "generic/ingmenu.h"
#include "generic/s_mn0.h"
#include "support/engine_fixture.h"

namespace {

// A match under way with both elevens on the pitch in squad order, slot k of
// both formations at column k, row k (keeper 7, 0), nothing marked, no
// duties; the human-managed side is given per test.
class MarkingTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    uint8_t* setup = GetMatchSetupRecord();
    for (int side = 0; side < 2; ++side) {
      for (int i = 0; i < SIDE_OBJECTS; ++i) {
        SideSlots[side][i] = static_cast<int16_t>(side * SIDE_OBJECTS + i);
        MatchObject& o = MatchObjects[side * SIDE_OBJECTS + i];
        o.rating = i < 11 ? 50 : 0;
        o.onBench = i < 11 ? 0 : 1;
        o.offPitch = i < 11 ? 0 : 1;
        uint8_t* entry = setup + SetupPlayerOffset(side, i);
        StoreI16(entry + SETUP_PLAYER_SHIRT, static_cast<int16_t>(i + 1));
        const std::string name = "Player" + std::to_string(side) + "_" + std::to_string(i);
        std::memcpy(entry + SETUP_PLAYER_SURNAME, name.c_str(), name.size() + 1);
      }
      uint8_t* formation = Football_GetTeamFormation(static_cast<int16_t>(side));
      std::memset(formation, 0, TACTICS_RECORD_SIZE);
      for (int slot = 0; slot < FORMATION_PLAYERS; ++slot) {
        Formation_Set(formation, slot, SLOT_ACROSS, static_cast<int16_t>(slot == 0 ? 7 : slot));
        Formation_Set(formation, slot, SLOT_ALONG, static_cast<int16_t>(slot == 0 ? 0 : slot));
        for (int field : {SLOT_RUN_ACROSS, SLOT_RUN_ALONG, SLOT_SECOND_RUN_ACROSS, SLOT_SECOND_RUN_ALONG,
                          SLOT_LINK_ACROSS, SLOT_LINK_ALONG})
          Formation_Set(formation, slot, field, -1);
        Formation_SetLinkSlot(formation, slot, -1);
      }
      CaptainObject[side] = CornerTakerObject[side] = PenaltyTakerObject[side] = FreeKickTakerObject[side] = -1;
    }
  }
  static void Open(int humanSide) {
    for (int side = 0; side < 2; ++side)
      GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = side == humanSide ? 1 : 0;
    Marking_Open();
  }
  static uint8_t* Formation(int side) { return Football_GetTeamFormation(static_cast<int16_t>(side)); }
  static int Marked(int side, int slot) { return Formation_Get(Formation(side), slot, SLOT_MARKED); }
};

TEST_F(MarkingTest, TheOwnSideIsTheHumanManagedOne) {
  Open(0);
  EXPECT_EQ(Marking.ownSide, 0);
  EXPECT_EQ(Marking.page, MARKING_PAGE_INSTRUCTIONS);
  EXPECT_EQ(Marking.shown[0] + Marking.shown[1], 2);
  Open(1);
  EXPECT_EQ(Marking.ownSide, 1);
  EXPECT_EQ(Marking.grid.side, 1);
  EXPECT_EQ(Marking.grid.view.x, MARKING_FORMATION_VIEW.x);
}

TEST_F(MarkingTest, PairingStoresTheOpponentAndReplacesAnEarlierOne) {
  for (int own : {0, 1}) {
    Open(own);
    const int opponent = 1 - own;
    uint8_t untouched[TACTICS_RECORD_SIZE];
    std::memcpy(untouched, Formation(opponent), sizeof untouched);
    Marking_SetPage(MARKING_PAGE_MARKING);
    // Own row first, then the opponent.
    Marking_ClickRow(own, 4);
    EXPECT_EQ(Marking.selectedOwn, 4);
    Marking_ClickRow(opponent, 9);
    EXPECT_EQ(Marked(own, 4), 10) << own;
    EXPECT_EQ(Marking.selectedOwn, -1);
    EXPECT_EQ(Marking.selectedOpponent, -1);
    // The opponent first: the same player now marks another.
    Marking_ClickRow(opponent, 2);
    EXPECT_EQ(Marking.selectedOpponent, 2);
    Marking_ClickRow(own, 4);
    EXPECT_EQ(Marked(own, 4), 3) << own;
    EXPECT_EQ(Formation_MarkedOpponent(Formation(own), 4), 3);
    // A second click on a selected row deselects it.
    Marking_ClickRow(own, 6);
    Marking_ClickRow(own, 6);
    EXPECT_EQ(Marking.selectedOwn, -1);
    Marking_ClickRow(opponent, 0);
    Marking_ClickRow(opponent, 0);
    EXPECT_EQ(Marking.selectedOpponent, -1);
    // The opponent's formation is never written.
    EXPECT_EQ(0, std::memcmp(untouched, Formation(opponent), sizeof untouched)) << own;
  }
}

TEST_F(MarkingTest, RowsPairOnlyOnTheMarkingPage) {
  Open(0);
  Marking_ClickRow(0, 3);
  Marking_ClickRow(1, 5);
  EXPECT_EQ(Marked(0, 3), 0);
  EXPECT_EQ(Marking.selectedOwn, 3);
  EXPECT_EQ(Marking.selectedOpponent, 5);
}

TEST_F(MarkingTest, TheSecondCellOfTheMarkingPageClearsTheMarking) {
  Open(0);
  Formation_Set(Formation(0), 7, SLOT_MARKED, 5);
  Marking_SetPage(MARKING_PAGE_MARKING);
  for (int cell : {0, 2, 3}) Marking_ClickCell(0, 7, cell);
  EXPECT_EQ(Marked(0, 7), 5);
  Marking_ClickCell(0, 7, 1);
  EXPECT_EQ(Marked(0, 7), 0);
}

TEST_F(MarkingTest, OpponentCellsAndStatsCellsAreInert) {
  Open(0);
  Formation_Set(Formation(1), 7, SLOT_MARKED, 2);
  uint8_t own[TACTICS_RECORD_SIZE], other[TACTICS_RECORD_SIZE];
  std::memcpy(own, Formation(0), sizeof own);
  std::memcpy(other, Formation(1), sizeof other);
  for (int page = MARKING_PAGE_INSTRUCTIONS; page <= MARKING_PAGE_DATA; ++page) {
    Marking_SetPage(page);
    for (int cell = 0; cell < MARKING_CELLS; ++cell) {
      Marking_ClickCell(1, 7, cell);
      if (page == MARKING_PAGE_DATA) Marking_ClickCell(0, 7, cell);
    }
  }
  EXPECT_EQ(0, std::memcmp(own, Formation(0), sizeof own));
  EXPECT_EQ(0, std::memcmp(other, Formation(1), sizeof other));
  for (int player = 0; player < 11; ++player) {
    EXPECT_FALSE(Football_IsCaptain(1, static_cast<int16_t>(player)));
    EXPECT_FALSE(Football_IsCaptain(0, static_cast<int16_t>(player)));
  }
}

TEST_F(MarkingTest, InstructionAndDutyCellsOfTheOwnSide) {
  Open(1);
  Marking_ClickCell(1, 5, 0);
  Marking_ClickCell(1, 5, 1);
  Marking_ClickCell(1, 5, 1);
  Marking_ClickCell(1, 5, 2);
  const uint8_t* instructions = Formation(1) + FormationSlotOffset(5) + SLOT_INSTRUCTIONS;
  EXPECT_EQ(instructions[2], 1);
  EXPECT_EQ(instructions[0], 2);
  EXPECT_EQ(instructions[1], 1);
  static constexpr int16_t kMarks[7] = {17, 20, 18, 21, 19, 22, 23};
  EXPECT_EQ(Formation_InstructionGraphic(Formation(1), 5, 0, kMarks), 20);
  EXPECT_EQ(Formation_InstructionGraphic(Formation(1), 5, 1, kMarks), 21);
  EXPECT_EQ(Formation_InstructionGraphic(Formation(1), 5, 2, kMarks), 19);
  EXPECT_EQ(Formation_InstructionGraphic(Formation(1), 5, 3, kMarks), 0);
  Formation_SetLinkSlot(Formation(1), 5, 2);
  EXPECT_EQ(Formation_InstructionGraphic(Formation(1), 5, 3, kMarks), 22);
  Marking_ClickCell(1, 5, 3);
  EXPECT_EQ(Formation_InstructionGraphic(Formation(1), 5, 3, kMarks), 0);
  Formation_Set(Formation(1), 5, SLOT_LINK_ACROSS, 3);
  Formation_Set(Formation(1), 5, SLOT_LINK_ALONG, 12);
  EXPECT_EQ(Formation_InstructionGraphic(Formation(1), 5, 3, kMarks), 23);

  Marking_SetPage(MARKING_PAGE_DUTIES);
  for (int cell = 0; cell < MARKING_CELLS; ++cell) Marking_ClickCell(1, 8, cell);
  EXPECT_TRUE(Football_IsCaptain(1, 8));
  EXPECT_TRUE(Football_IsCornerTaker(1, 8));
  EXPECT_TRUE(Football_IsPenaltyTaker(1, 8));
  EXPECT_TRUE(Football_IsFreeKickTaker(1, 8));
}

TEST_F(MarkingTest, NameLinesNameTheHighlightedPlayerAndWhomHeMarks) {
  Open(0);
  Formation_Set(Formation(0), 4, SLOT_MARKED, 9);
  Formation_Set(Formation(1), 4, SLOT_MARKED, 9);
  char name[32], marking[64];
  Marking_NameLine(0, name, sizeof name, marking, sizeof marking);
  EXPECT_STREQ(name, "");
  Marking_Highlight(0, 4);
  Marking_Highlight(1, 4);
  Marking_NameLine(0, name, sizeof name, marking, sizeof marking);
  EXPECT_STREQ(name, "Player0_4");
  EXPECT_STREQ(marking, "Marking Player1_8");
  // The opponent's own marking is not the screen's to show.
  Marking_NameLine(1, name, sizeof name, marking, sizeof marking);
  EXPECT_STREQ(name, "Player1_4");
  EXPECT_STREQ(marking, "");
  // A marked value from a file outside 1-11 marks no-one.
  Formation_Set(Formation(0), 4, SLOT_MARKED, 12);
  Marking_NameLine(0, name, sizeof name, marking, sizeof marking);
  EXPECT_STREQ(marking, "");
  Marking_Highlight(0, 11);
  EXPECT_EQ(Marking.highlighted[0], -1);
}

TEST_F(MarkingTest, OpponentsAreMirroredAndOffGridOnesLeftOut) {
  Open(0);
  Formation_Set(Formation(1), 6, SLOT_ACROSS, 15);
  Formation_Set(Formation(1), 7, SLOT_ALONG, 18);
  MatchObjects[16 + 8].offPitch = 1;
  Marking_BuildOpponents();
  int players = 0;
  for (auto& column : Marking.opponentCells)
    for (int16_t cell : column)
      if (cell >= 0) ++players;
  EXPECT_EQ(players, 7);
  EXPECT_EQ(Marking.opponentCells[3][3], 3);
  EXPECT_EQ(Marking_OpponentX(0), 413);
  EXPECT_EQ(Marking_OpponentY(0), 41);
  EXPECT_EQ(Marking_OpponentX(14), 231);
  EXPECT_EQ(Marking_OpponentY(17), 313);
  Marking_ToggleShown(1);
  EXPECT_EQ(Marking.shown[1], 0);
  Marking_ToggleShown(1);
  EXPECT_EQ(Marking.shown[1], 1);
}

TEST_F(MarkingTest, ThePitchViewEditsTheOwnFormationWithTheSharedGrid) {
  Open(1);
  const FormationView& view = MARKING_FORMATION_VIEW;
  auto x = [&](int c) { return view.x + 13 * c + 6; };
  auto y = [&](int r) { return view.y + (17 - r) * 16 + 8; };
  FormationGrid_Press(Marking.grid, x(5), y(5), 1);
  EXPECT_TRUE(FormationGrid_Release(Marking.grid, x(9), y(12)));
  EXPECT_EQ(Formation_Get(Formation(1), 5, SLOT_RUN_ACROSS), 9);
  EXPECT_EQ(Formation_Get(Formation(1), 5, SLOT_RUN_ALONG), 12);
  EXPECT_EQ(Formation_Get(Formation(0), 5, SLOT_RUN_ACROSS), -1);
  // Column 15 of the view is no cell.
  FormationGrid_Press(Marking.grid, x(5), y(5), 1);
  EXPECT_FALSE(FormationGrid_Release(Marking.grid, 416, y(5)));
  EXPECT_FATAL(PositionPlayer(Marking.grid, 14, 1, 1), "Dodgy position 15 in s_mn0:PositionPlayer\\(\\)");
}

// The callback of the hot item under a point, sent a click.
int16_t ClickAt(int px, int py) {
  int16_t regionId = -1;
  for (const GNDisplayItem* item = MarkingMap(); item->type != GN_ITEM_END; ++item) {
    if (item->type == GN_ITEM_REGION_ID) regionId = static_cast<int16_t>(item->data.value);
    if (item->callback == nullptr || item->w == 0 || item->h == 0) continue;
    if (px >= item->x && px < item->x + item->w && py >= item->y && py < item->y + item->h) {
      GNMessage message{GN_MSG_RELEASE, regionId, item->x, item->y, item->w, item->h,
                        static_cast<int16_t>(px - item->x), static_cast<int16_t>(py - item->y)};
      return item->callback(&message);
    }
  }
  return 0;
}

TEST_F(MarkingTest, TheScreensItemsAtTheirPlaces) {
  Open(0);
  EXPECT_EQ(ClickAt(260, 370), GN_RESULT_REDRAW);  // "Marking"
  EXPECT_EQ(Marking.page, MARKING_PAGE_MARKING);
  EXPECT_EQ(ClickAt(40, 180), GN_RESULT_REDRAW);   // own row 4
  EXPECT_EQ(ClickAt(440, 280), GN_RESULT_REDRAW);  // opponent row 9
  EXPECT_EQ(Marked(0, 4), 10);
  EXPECT_EQ(ClickAt(100, 180), GN_RESULT_REDRAW);  // own row 4's second cell
  EXPECT_EQ(Marked(0, 4), 0);
  EXPECT_EQ(ClickAt(510, 180), GN_RESULT_HANDLED);  // an opponent's cell
  EXPECT_EQ(ClickAt(380, 390), GN_RESULT_REDRAW);   // "Duties"
  EXPECT_EQ(ClickAt(70, 120), GN_RESULT_REDRAW);    // own row 1's first cell: captain
  EXPECT_TRUE(Football_IsCaptain(0, 1));
  EXPECT_EQ(ClickAt(380, 370), GN_RESULT_REDRAW);   // "Stats"
  EXPECT_EQ(Marking.page, MARKING_PAGE_DATA);
  EXPECT_EQ(ClickAt(70, 140), GN_RESULT_HANDLED);   // Stats cells only show
  EXPECT_EQ(ClickAt(500, 40), GN_RESULT_REDRAW);    // the second side's name
  EXPECT_EQ(Marking.shown[1], 0);
  InGameMenuCode = INGAME_MENU_MARKING;
  EXPECT_EQ(ClickAt(320, 460), GN_RESULT_LEAVE);    // "Line-ups"
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_LINE_UPS);
}

TEST_F(MarkingTest, WithNoHumanSideNothingChanges) {
  Open(-1);
  Marking_SetPage(MARKING_PAGE_MARKING);
  Marking_ClickRow(1, 4);
  Marking_ClickRow(0, 4);
  EXPECT_EQ(Marked(1, 4), 0);
  EXPECT_EQ(Marked(0, 4), 0);
}

}  // namespace
