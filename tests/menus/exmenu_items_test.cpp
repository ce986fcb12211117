// The item interpreter on its own: single draw passes over small tables with
// the menu system open on the headless display, the button records'
// animation steps, the timers' slots, the pop-up layout, the screen header,
// and the fatal table errors.
#include <cstring>
#include <string>
#include <vector>

#include "menus/exm_text.h"
#include "menus/exmenu.h"
#include "menus/menucont.h"
#include "menus/menu_harness.h"
#include "season/seasonstate.h"
#include "world/funcs.h"

namespace {

class ExMenuItemsTest : public menutest::MenuHarness {
 protected:
  // One pass over a table as the menu loop makes it (without the loop).
  static void Pass(const MenuItem* table, int16_t event = MENU_EVENT_INIT, int mode = 0) {
    SetMenuEvent(event);
    int16_t counter = 0;
    for (const MenuItem* item = table; item->type != MI_END; ++item, ++counter)
      ActOnType(item, &counter, 0, 0, 0, -1, mode);
  }
};

constexpr MenuItem kEnd{MI_END, 0, 0, 0, 0, {}, {}};

int16_t Click(MenuHotspot*) { return 0; }

// A sub-table of w 0 repeats the count of the last type-73 item, one
// repetition every h units down; type 61 lays its repetitions out rightwards.
TEST_F(ExMenuItemsTest, SubTablesRepeatTheirCountAndMoveByTheirSpacing) {
  static const MenuItem region[] = {{MI_CLICK_REGION, 5, 1, 40, 10, MenuArg(-1), MenuArg(Click)}, kEnd};
  const struct {
    int16_t rowCount;
    uint16_t type;
    int16_t w;
    int expected;
  } cases[] = {
      {3, MI_SUBTABLE, 0, 3}, {7, MI_SUBTABLE, 0, 7}, {0, MI_SUBTABLE, 0, 0},
      {7, MI_SUBTABLE, 2, 2}, {4, MI_COLUMNS, 0, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.type << " count " << c.rowCount << " w " << c.w);
    const MenuItem table[] = {
        {MI_ROW_COUNT, 0, 0, 0, 0, MenuArg(c.rowCount), {}},
        {c.type, 100, 50, c.w, 30, MenuArg(static_cast<const void*>(region)), {}},
        kEnd,
    };
    const int before = MenuHotspotCount();
    Pass(table);
    ASSERT_EQ(MenuHotspotCount() - before, c.expected);
    for (int i = 0; i < c.expected; ++i) {
      const MenuHotspot* spot = MenuHotspotAt(before + i);
      EXPECT_EQ(spot->repetition, i);
      EXPECT_EQ(spot->x, c.type == MI_COLUMNS ? 105 + 30 * i : 105);
      EXPECT_EQ(spot->y, c.type == MI_COLUMNS ? 51 : 51 + 30 * i);
    }
  }
}

// Inside a repeated sub-table a variable is read at a + repetition x h; a
// blank value is answered as the blank marker (and draws nothing).
TEST_F(ExMenuItemsTest, VariablesAreReadAlongTheirArrayAndBlanksAreMarked) {
  static uint8_t u8[3] = {1, BLANK_U8, 3};
  static int8_t s8[3] = {-1, BLANK_S8, 3};
  static uint16_t u16[3] = {500, BLANK_U16, 7};
  static int16_t s16[3] = {-500, BLANK_S16, 9};
  static int32_t s32[3] = {-5, static_cast<int32_t>(0x80000000u), 70000};
  const struct {
    MenuItem item;
    int32_t values[3];
  } cases[] = {
      {{MI_NUMBER_U8, 0, 0, 5, 1, MenuArg(static_cast<void*>(u8)), {}}, {1, MENU_BLANK_VALUE, 3}},
      {{MI_NUMBER_S8, 0, 0, 5, 1, MenuArg(static_cast<void*>(s8)), {}}, {-1, MENU_BLANK_VALUE, 3}},
      {{MI_NUMBER_U16, 0, 0, 5, 2, MenuArg(static_cast<void*>(u16)), {}}, {500, MENU_BLANK_VALUE, 7}},
      {{MI_NUMBER_S16, 0, 0, 5, 2, MenuArg(static_cast<void*>(s16)), {}}, {-500, MENU_BLANK_VALUE, 9}},
      {{MI_NUMBER_S32, 0, 0, 5, 4, MenuArg(static_cast<void*>(s32)), {}}, {-5, MENU_BLANK_VALUE, 70000}},
      {{MI_NUMBER, 0, 0, 5, 4, MenuArg(1234), {}}, {1234, 1234, 1234}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item.type);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(GetVarsFromMI(&c.item, row), c.values[row]) << row;
  }
}

// A blank number draws nothing but its hot spot is there.
TEST_F(ExMenuItemsTest, ABlankNumberDrawsNothingButKeepsItsHotSpot) {
  static int16_t value = BLANK_S16;
  const MenuItem table[] = {
      {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
      {MI_NUMBER_S16, 200, 200, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(static_cast<void*>(&value)), MenuArg(Click)},
      kEnd,
  };
  for (const int16_t v : {BLANK_S16, int16_t{88}}) {
    SCOPED_TRACE(v);
    value = v;
    std::memset(MenuBufferPixels(), 0, MenuScreenWidth() * MenuScreenHeight() * MenuBytesPerPixel());
    const int before = MenuHotspotCount();
    Pass(table);
    ASSERT_EQ(MenuHotspotCount(), before + 1);
    bool drawn = false;
    for (int y = 200; y < 220; ++y)
      for (int x = 200; x < 230; ++x) drawn = drawn || Pixel(x, y) != 0;
    EXPECT_EQ(drawn, v != BLANK_S16);
    EXPECT_EQ(MenuHotspotAt(before)->value, v == BLANK_S16 ? MENU_BLANK_VALUE : 88);
  }
}

// Hot-spot boxes follow the alignment; a text button of w or h below 1 is 4
// units larger than its text that way.
TEST_F(ExMenuItemsTest, HotSpotBoxesFollowTheAlignmentAndTextButtonsTheirText) {
  SetFont(0);
  int tw = 0, th = 0;
  GetTextNoSize(445, &tw, &th);
  ASSERT_GT(tw, 0);
  const struct {
    MenuItem item;
    int x, y, w, h;
  } cases[] = {
      {{MI_TEXTNO, 100, 100, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(445), MenuArg(Click)}, 100, 100, tw, th},
      {{MI_TEXTNO, 100, 100, ALIGN_CENTRED, 0, MenuArg(445), MenuArg(Click)}, 100 - tw / 2, 100 - th / 2, tw, th},
      {{MI_TEXTNO, 100, 100, ALIGN_RIGHT | ALIGN_BOTTOM, 0, MenuArg(445), MenuArg(Click)}, 100 - tw, 100 - th, tw, th},
      {{MI_TEXT_BUTTON, 50, 60, 0, 0, MenuArg(445), MenuArg(Click)}, 50, 60, tw + 4, th + 4},
      {{MI_TEXT_BUTTON, 50, 60, 120, 0, MenuArg(445), MenuArg(Click)}, 50, 60, 120, th + 4},
      {{MI_TEXT_BUTTON, 50, 60, -3, 30, MenuArg(445), MenuArg(Click)}, 50, 60, tw + 4, 30},
      {{MI_REGION, 10, 20, 30, 40, {}, MenuArg(Click)}, 10, 20, 30, 40},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.item.type << " " << c.item.w);
    SetFont(0);
    const MenuItem table[] = {c.item, kEnd};
    const int before = MenuHotspotCount();
    Pass(table);
    ASSERT_EQ(MenuHotspotCount(), before + 1);
    const MenuHotspot* spot = MenuHotspotAt(before);
    EXPECT_EQ(spot->x, c.x);
    EXPECT_EQ(spot->y, c.y);
    EXPECT_EQ(spot->w, c.w);
    EXPECT_EQ(spot->h, c.h);
  }
}

// Loops run on and start again, still buttons stay, toggled buttons wait
// until toggled, play to their last frame and back to the first.
TEST_F(ExMenuItemsTest, AnimationsLoopStopAndToggleByKind) {
  static const int16_t three[] = {2, 1294, 1295, 1296, 0};
  static const int16_t path[] = {2, 0, 0, 1231, 10, 5, 1231, 20, 0, 1232, 0, 0, 0};
  const MenuItem table[] = {
      {MI_ANIM_KIND0, 20, 20, 5, 0, MenuArg(static_cast<const void*>(three)), {}},
      {MI_ANIM_KIND1, 60, 20, 5, 0, MenuArg(static_cast<const void*>(three)), {}},
      {MI_ANIM_KIND3, 100, 20, 5, 0, MenuArg(static_cast<const void*>(three)), {}},
      {MI_ANIM_KIND4, 140, 20, 5, 0, MenuArg(static_cast<const void*>(three)), {}},
      {MI_ANIM_KIND5, 180, 20, 5, 0, MenuArg(static_cast<const void*>(path)), {}},
      kEnd,
  };
  Pass(table);
  ASSERT_EQ(MenuButtonCount(), 5);
  MenuButtonRecord& loop = *MenuButtonAt(0);
  MenuButtonRecord& still = *MenuButtonAt(1);
  MenuButtonRecord& toggle3 = *MenuButtonAt(2);
  MenuButtonRecord& toggle4 = *MenuButtonAt(3);
  MenuButtonRecord& moving = *MenuButtonAt(4);
  EXPECT_EQ(toggle3.state, ANIM_STOPPED);
  EXPECT_EQ(loop.state, ANIM_FORWARD);

  // The countdown starts at 1, then the delay (2) between frames.
  std::vector<int> loopFrames, pathFrames;
  for (int step = 0; step < 4; ++step) {
    AdvanceMenuButtons(step == 0 ? 1 : 2);
    loopFrames.push_back(loop.frame);
    pathFrames.push_back(moving.frame);
  }
  EXPECT_EQ(loopFrames, (std::vector<int>{1, 2, 0, 1}));
  EXPECT_EQ(pathFrames, (std::vector<int>{1, 2, 0, 1}));
  EXPECT_EQ(still.frame, 0);
  EXPECT_EQ(toggle3.frame, 0);
  EXPECT_EQ(toggle3.state, ANIM_STOPPED);

  // -1 turns a stopped button forward: it stops on its last frame.
  ToggleAnimation(&toggle3, -1);
  EXPECT_EQ(toggle3.state, ANIM_FORWARD);
  for (int step = 0; step < 5; ++step) AdvanceMenuButtons(2);
  EXPECT_EQ(toggle3.frame, 2);
  EXPECT_EQ(toggle3.state, ANIM_FINISHED);
  // -1 on a finished one turns it back; below frame 0 it stops there.
  ToggleAnimation(&toggle3, -1);
  EXPECT_EQ(toggle3.state, ANIM_BACKWARD);
  for (int step = 0; step < 5; ++step) AdvanceMenuButtons(2);
  EXPECT_EQ(toggle3.frame, 0);
  EXPECT_EQ(toggle3.state, ANIM_STOPPED);
  // -1 on a backward one turns it forward; 2 and 3 set the direction.
  toggle4.state = ANIM_BACKWARD;
  ToggleAnimation(&toggle4, -1);
  EXPECT_EQ(toggle4.state, ANIM_FORWARD);
  ToggleAnimation(&toggle4, ANIM_BACKWARD);
  EXPECT_EQ(toggle4.state, ANIM_BACKWARD);
  ToggleAnimation(&toggle4, ANIM_FORWARD);
  EXPECT_EQ(toggle4.state, ANIM_FORWARD);

  EXPECT_FATAL(ToggleAnimation(&toggle4, 1), "ToggleAnimation\\(\\): invalid AnimDir");
  EXPECT_FATAL(ToggleAnimation(&loop, -1), "ToggleAnimation\\(\\): invalid aip->A_Type");
}

// A redraw keeps the records of the same items, so their animation state
// survives; an initialisation starts them again.
TEST_F(ExMenuItemsTest, ButtonRecordsSurviveRedrawsButNotInitialisation) {
  static const int16_t three[] = {2, 1294, 1295, 1296, 0};
  const MenuItem table[] = {{MI_ANIM_KIND3, 20, 20, 5, 0, MenuArg(static_cast<const void*>(three)), {}}, kEnd};
  SetMenuEvent(MENU_EVENT_INIT);
  EXPECT_EQ(DrawMenuPass(table, 0), &table[1]);
  ToggleAnimation(MenuButtonAt(0), -1);
  AdvanceMenuButtons(1);
  EXPECT_EQ(MenuButtonAt(0)->frame, 1);
  for (int mode : {0, 1}) {
    SetMenuEvent(MENU_EVENT_DRAW);
    DrawMenuPass(table, mode);
    ASSERT_EQ(MenuButtonCount(), 1);
    EXPECT_EQ(MenuButtonAt(0)->frame, 1);
    EXPECT_EQ(MenuButtonAt(0)->state, ANIM_FORWARD);
  }
  SetMenuEvent(MENU_EVENT_INIT);
  DrawMenuPass(table, 0);
  ASSERT_EQ(MenuButtonCount(), 1);
  EXPECT_EQ(MenuButtonAt(0)->frame, 0);
  EXPECT_EQ(MenuButtonAt(0)->state, ANIM_STOPPED);
}

TEST_F(ExMenuItemsTest, TimersTakeTheFirstFreeSlotAndGoByKey) {
  const MenuItem a{0, 10, 0, 5, 3, {}, {}}, b{0, 20, 0, 5, 3, {}, {}}, c{0, 30, 0, 5, 3, {}, {}};
  EXPECT_EQ(AddMenuTimer(&a), 1);
  EXPECT_EQ(AddMenuTimer(&b), 2);
  KillMenuTimer(10);
  EXPECT_EQ(MenuTimerAt(0)->id, 0);
  EXPECT_EQ(AddMenuTimer(&c), 3);
  ASSERT_EQ(MenuTimerCount(), 2);
  EXPECT_EQ(MenuTimerAt(0)->key, 30);
  EXPECT_EQ(MenuTimerAt(0)->remaining, 3);
  EXPECT_EQ(MenuTimerAt(0)->interval, 5);
}

// A menu bar: titles from x 32 one after the other, each drop-down as wide
// as its widest row plus twice "!", as high as its rows; rows are a font
// height and a quarter.
TEST_F(ExMenuItemsTest, ThePopupLayoutFollowsItsTexts) {
  PopupRow list[] = {
      {POPUP_HEADER_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("File"), nullptr, nullptr},
      {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("Short"), nullptr, nullptr},
      {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("A much longer row"), nullptr, nullptr},
      {POPUP_HEADER_TEXTNO, POPUP_ENABLED, -1, -1, 150, -1, MenuArg(445), nullptr, nullptr},
      {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(2), nullptr, nullptr},
      {POPUP_HEADER_EMPTY, POPUP_ENABLED, 300, 4, -1, -1, {}, nullptr, nullptr},
      {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
  };
  PopupLayout layout{};
  LayoutPopupList(list, &layout);
  int bang = 0, fh = 0, fileW = 0, longW = 0, trainingW = 0, h = 0;
  GetStringSize("!", &bang, &fh);
  GetStringSize("File", &fileW, &h);
  GetStringSize("A much longer row", &longW, &h);
  GetStringSize(GetTextNoAddr(445), &trainingW, &h);
  EXPECT_EQ(layout.rowHeight, fh + fh / 4);
  ASSERT_EQ(layout.headers, 3);
  EXPECT_EQ(layout.header[0].x, 32);
  EXPECT_EQ(layout.header[0].titleWidth, fileW);
  EXPECT_EQ(layout.header[0].w, longW + 2 * bang);
  EXPECT_EQ(layout.header[0].h, 2 * layout.rowHeight);
  EXPECT_EQ(layout.header[1].x, 32 + fileW);
  EXPECT_EQ(layout.header[1].w, 150);
  EXPECT_EQ(layout.header[1].rows, 1);
  EXPECT_EQ(layout.header[2].x, 300);
  EXPECT_EQ(layout.header[2].y, 4);
  EXPECT_EQ(layout.header[2].rows, 0);
  EXPECT_EQ(GetFont(), 1);
}

// The header's dates come from the calendar, the badge from MenuClub, the
// restriction from bit 2.
TEST_F(ExMenuItemsTest, TheScreenHeaderTakesItsDatesBadgeAndRestriction) {
  Weekday = 3;
  DayOfMonth = 14;
  Month = 9;
  Year = 2001;
  MenuClub = 5;
  SetScreenHeader(2);
  EXPECT_STREQ(ScreenHeaderDate(0), "Tuesday 14");
  EXPECT_STREQ(ScreenHeaderDate(1), "October 2001");
  EXPECT_EQ(ScreenHeaderBadgeClub(), -1);
  EXPECT_EQ(MenuBarRestricted, 0);
  SetScreenHeader(1 | 4);
  EXPECT_STREQ(ScreenHeaderDate(0), "");
  EXPECT_STREQ(ScreenHeaderDate(1), "");
  EXPECT_EQ(ScreenHeaderBadgeClub(), GNW_GetClubDbId(5));
  EXPECT_EQ(MenuBarRestricted, 1);
  // A screen about no club, or a club outside the world, has no crest.
  for (int16_t club : {-1, 250, 1000}) {
    MenuClub = club;
    SetScreenHeader(3);
    EXPECT_EQ(ScreenHeaderBadgeClub(), -1) << club;
  }
  MenuClub = 5;
  SetScreenHeader(1 | 4);
  // The badge is drawn through its seam only while there is a badge club.
  static int badges = 0;
  ExMenu.drawClubBadge = [](int16_t, int, int, int, int) { ++badges; };
  DrawHeaderClubBadge(24, 12, 52, 52);
  SetScreenHeader(0);
  DrawHeaderClubBadge(24, 12, 52, 52);
  EXPECT_EQ(badges, 1);
  EXPECT_EQ(DefaultBackHandler(), 1);
}

// While a pass draws, a pushed menu only becomes pending.
TEST_F(ExMenuItemsTest, APushDuringAPassIsOnlyPending) {
  static const MenuItem second[] = {{MI_HEADER, 0, 0, 0, 0, MenuArg([](const MenuItem*) -> int16_t { return 0; }), {}}, kEnd};
  static int pushes = 0;
  const MenuItem table[] = {
      {MI_OWNER_DRAW, -1, -1, 0, 0, MenuArg([](int, int, int, int) { pushes += PushMenu(second); }), {}},
      kEnd,
  };
  EXPECT_EQ(MenuStackTop(), -1);
  PushMenu(table);
  EXPECT_EQ(MenuStackTop(), 0);
  EXPECT_EQ(GetMenuEvent(), MENU_EVENT_INIT);
  Pass(table);  // outside the loop nothing is drawing: the push is real
  EXPECT_EQ(MenuStackTop(), 1);
  EXPECT_EQ(pushes, 1);
}

TEST_F(ExMenuItemsTest, AStoppedMenuSystemAnswersNotRunning) {
  SetMenuSystemRunning(false);
  const MenuItem table[] = {{MI_FONT, 0, 0, 0, 0, MenuArg(1), {}}, kEnd};
  int16_t counter = 0;
  EXPECT_EQ(ActOnType(table, &counter, 0, 0, 0, -1, 0), MENU_NOT_RUNNING);
  EXPECT_EQ(RunMenu(), MENU_NOT_RUNNING);
  EXPECT_EQ(ProcessMenu(), MENU_NOT_RUNNING);
  EXPECT_EQ(RunModalMenu(table), MENU_NOT_RUNNING);
}

// Broken tables stop the program with the interpreter's messages.
TEST_F(ExMenuItemsTest, BrokenTablesAreFatal) {
  static const MenuItem background[] = {{MI_BACKGROUND, 0, 0, 0, 0, MenuArg(5), {}}, kEnd};
  const struct {
    MenuItem item;
    const char* message;
  } cases[] = {
      {{35, 0, 0, 5, 0, {}, {}}, "GetVarsFromMI\\(\\): invalid data type encountered \\[35\\]"},
      {{69, 0, 0, 5, 0, {}, {}}, "GetVarsFromMI\\(\\): invalid data type encountered \\[69\\]"},
      {{0, 0, 0, 5, 0, {}, {}}, "GetVarsFromMI\\(\\): invalid data type encountered \\[0\\]"},
      {{0x2010, 0, 0, 5, 0, {}, {}}, "GetVarsFromMI\\(\\): invalid data type encountered \\[8208\\]"},
      {{MI_TEXTNO, 10, 10, 0, 0, MenuArg(445), {}}, "ActOnType\\(\\): invalid align type"},
      {{MI_ICON, 10, 10, 0, 0, MenuArg(1231), {}}, "ActOnType\\(\\): invalid align type"},
      {{MI_FONT, 0, 0, 0, 0, MenuArg(1), MenuArg(Click)}, "ActOnType\\(\\): invalid hotspot item"},
      {{MI_OWNER_DRAW, 10, 10, 5, 5, {}, {}}, "ShowAnItem\\(\\): invalid M_SPECIAL"},
      {{MI_SUBTABLE, 0, 0, 2, 10, MenuArg(static_cast<const void*>(background)), {}},
       "ActOnType\\(\\): invalid table item: \\[11\\]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item.type);
    const MenuItem table[] = {c.item, kEnd};
    EXPECT_FATAL(Pass(table), std::string(c.message) + "(.|\n)*menus.exmenu");
  }
}

}  // namespace
