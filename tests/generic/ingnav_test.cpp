#include "generic/ingnav.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/bytes.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "generic/ingmenu.h"
#include "support/engine_fixture.h"

namespace {

class InGameNavTest : public EngineTest {
 protected:
  static void SetHuman(int side, bool human) {
    GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = human ? 1 : 0;
  }
  static GNMessage Release(int16_t region) {
    GNMessage m{};
    m.code = GN_MSG_RELEASE;
    m.regionId = region;
    return m;
  }
};

TEST_F(InGameNavTest, EveryButtonSetsItsCodeAndSide) {
  struct Case {
    int button;
    int16_t code, side;  // side -1: kept as it was (set to 1 before the click)
  };
  const Case cases[] = {{0, 4, 0}, {1, 9, -1}, {2, 4, 1}, {3, 8, 0}, {4, 12, -1},
                        {5, 8, 1}, {6, 5, 0},  {7, 6, -1}, {8, 5, 1}};
  InGameNav_Refresh(false);
  for (const Case& c : cases) {
    InGameMenuCode = 99;
    InGameMenuSide = 1;
    const GNMessage m = Release(static_cast<int16_t>(INGAME_NAV_FIRST_REGION + c.button));
    EXPECT_EQ(InGameNav_Callback(&m), GN_RESULT_LEAVE) << c.button;
    EXPECT_EQ(InGameMenuCode, c.code) << c.button;
    EXPECT_EQ(InGameMenuSide, c.side < 0 ? 1 : c.side) << c.button;
  }
}

TEST_F(InGameNavTest, OnlyDoneOnTheLineUpsPageLeavesTheMenus) {
  InGameNav_Refresh(true);
  EXPECT_STREQ(InGameNavLabels[INGAME_NAV_LINE_UPS], "Done");
  for (int button = 0; button < INGAME_NAV_BUTTONS; ++button) {
    InGameNav_Click(static_cast<int16_t>(INGAME_NAV_FIRST_REGION + button));
    EXPECT_EQ(InGameMenuCode == INGAME_MENU_LEAVE, button == INGAME_NAV_LINE_UPS) << button;
  }
  InGameNav_Refresh(false);
  EXPECT_STREQ(InGameNavLabels[INGAME_NAV_LINE_UPS], "Line-ups");
  InGameNav_Click(INGAME_NAV_FIRST_REGION + INGAME_NAV_LINE_UPS);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_LINE_UPS);
}

TEST_F(InGameNavTest, OnlyAClickActsAndOtherRegionsAreNotHandled) {
  InGameNav_Refresh(false);
  InGameMenuCode = 99;
  for (int16_t code : {GN_MSG_ENTER, GN_MSG_LEAVE, GN_MSG_PRESS}) {
    GNMessage m = Release(INGAME_NAV_FIRST_REGION);
    m.code = code;
    EXPECT_EQ(InGameNav_Callback(&m), GN_RESULT_HANDLED);
  }
  EXPECT_EQ(InGameNav_Click(INGAME_NAV_FIRST_REGION - 1), GN_RESULT_HANDLED);
  EXPECT_EQ(InGameNav_Click(INGAME_NAV_FIRST_REGION + INGAME_NAV_BUTTONS), GN_RESULT_HANDLED);
  EXPECT_EQ(InGameMenuCode, 99);
}

TEST_F(InGameNavTest, SideButtonsReadSubsTacticsForAHumanSide) {
  for (int human = 0; human < 4; ++human) {
    SetHuman(0, (human & 1) != 0);
    SetHuman(1, (human & 2) != 0);
    InGameNav_Refresh(false);
    EXPECT_STREQ(InGameNavLabels[0], (human & 1) ? "Subs/Tactics" : "Tactics");
    EXPECT_STREQ(InGameNavLabels[2], (human & 2) ? "Subs/Tactics" : "Tactics");
  }
  const char* const rest[] = {"Pitch Action", "Stats", "Marking", "Stats", "Performance", "Line-ups", "Performance"};
  const int at[] = {1, 3, 4, 5, 6, 7, 8};
  for (int i = 0; i < 7; ++i) EXPECT_STREQ(InGameNavLabels[at[i]], rest[i]);
}

TEST_F(InGameNavTest, TheBarItemsGiveNineRegionsInTheTable) {
  static const GNDisplayItem map[] = {INGAME_NAV_ITEMS(InGameNav_Callback),
                                      {GN_ITEM_END, 0, 0, 0, 0, 0, 0, GNData(), nullptr}};
  int buttons = 0;
  int16_t region = -1;
  for (const GNDisplayItem* item = map; item->type != GN_ITEM_END; ++item) {
    if (item->type == GN_ITEM_REGION_ID) region = static_cast<int16_t>(item->data.value);
    if (item->callback == nullptr) continue;
    const int b = region - INGAME_NAV_FIRST_REGION;
    ASSERT_GE(b, 0);
    ASSERT_LT(b, INGAME_NAV_BUTTONS);
    EXPECT_EQ(item->x, 20 + 200 * (b % 3));
    EXPECT_EQ(item->y, 410 + 20 * (b / 3));
    EXPECT_EQ(item->w, 200);
    EXPECT_EQ(item->h, 20);
    ++buttons;
  }
  EXPECT_EQ(buttons, INGAME_NAV_BUTTONS);
}

TEST_F(InGameNavTest, PositionClassesAndIcons) {
  const int expected[] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 2, -1};
  for (int code = 0; code <= 14; ++code) EXPECT_EQ(InGame_PositionClass(code), expected[code]) << code;
  EXPECT_EQ(InGame_PositionClass(-1), -1);
  EXPECT_EQ(InGame_PositionIcon(0), 6);
  EXPECT_EQ(InGame_PositionIcon(3), 9);
  EXPECT_EQ(InGame_PositionIcon(-1), 0);
  StoreI16(GetMatchSetupRecord() + SetupPlayerOffset(1, 4) + SETUP_PLAYER_POSITION, 11);
  EXPECT_EQ(InGame_PlayerPositionClass(1, 4), 3);
  EXPECT_EQ(InGame_PlayerPositionClass(2, 4), -1);
  EXPECT_EQ(InGame_PlayerPositionClass(0, 17), -1);
  EXPECT_EQ(InGame_PlayerPositionClass(0, -1), -1);
}

TEST_F(InGameNavTest, CardAndInjuryMarksOfARecord) {
  struct Case {
    uint16_t bits;
    bool played, onPitch;
    int16_t card1, card2, injury;
  };
  const Case cases[] = {
      {0x0000, true, true, 0, 0, 0},   {0x0040, true, true, 4, 0, 0},    {0x0080, true, true, 4, 3, 0},
      {0x00C0, true, false, 3, 0, 0},  {0x0200, true, false, 0, 0, 5},   {0x0300, true, true, 0, 0, 5},
      {0x0240, true, false, 4, 0, 5},  {0x0100, true, true, 0, 0, 0},    {0x0100, true, false, 0, 0, 5},
      {0x0200, false, false, 0, 0, 0}, {0x003F, true, true, 0, 0, 0},
  };
  for (const Case& c : cases) {
    uint8_t record[PLAYER_MATCH_RECORD_SIZE] = {};
    StoreU16(record + MATCH_RECORD_BITS, c.bits);
    int16_t card1 = -1, card2 = -1, injury = -1;
    InGame_MarksOfRecord(record, c.played, c.onPitch, &card1, &card2, &injury);
    EXPECT_EQ(card1, c.card1) << std::hex << c.bits;
    EXPECT_EQ(card2, c.card2) << std::hex << c.bits;
    EXPECT_EQ(injury, c.injury) << std::hex << c.bits << " played " << c.played << " on " << c.onPitch;
  }
}

TEST_F(InGameNavTest, MarksOfAPlayerInTheMatch) {
  MatchObject& booked = MatchObjects[16 + 3];
  booked.rating = 50;
  booked.cardState = 2;
  booked.injury = 2;
  booked.offPitch = 1;
  int16_t card1 = 0, card2 = 0, injury = 0;
  InGame_PlayerMarks(1, 3, &card1, &card2, &injury);
  EXPECT_EQ(card1, INGAME_MARK_YELLOW);
  EXPECT_EQ(card2, INGAME_MARK_RED);
  EXPECT_EQ(injury, INGAME_MARK_INJURY);
  InGame_PlayerMarks(1, 16, &card1, &card2, &injury);
  EXPECT_EQ(card1 | card2 | injury, 0);
}

TEST_F(InGameNavTest, DataColumnsReadTheRecord) {
  MatchObject& o = MatchObjects[5];
  o.rating = 50;
  o.fatigue = 10;
  o.involvement = 40;
  EXPECT_STREQ(InGame_DataColumnHead(0), "Con.");
  EXPECT_STREQ(InGame_DataColumnHead(3), "MIN");
  EXPECT_EQ(InGame_DataColumn(0, 5, 0), 90);  // condition: 100 - fatigue
  EXPECT_EQ(InGame_DataColumn(0, 5, 1), 95);  // the busiest player's involvement scales to 95
  EXPECT_EQ(InGame_DataColumn(0, 5, 4), 0);
  EXPECT_EQ(InGame_DataColumn(0, 16, 0), 0);
}

}  // namespace
