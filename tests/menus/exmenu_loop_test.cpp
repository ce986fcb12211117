// The menu loop run on the showcase screen: scripted clicks on the headless
// display under the virtual clock, checked through the screen's handlers,
// its hot spots and the menu buffer.
#include <string>
#include <vector>

#include "menus/exmenu.h"
#include "menus/exmenu_demo.h"
#include "menus/menuprims.h"
#include "menus/menu_harness.h"

namespace {

using menutest::ClickAt;
using menutest::gDriver;
using menutest::MoveTo;
using menutest::PressAt;
using menutest::ReleaseAt;
using menutest::Step;

class ExMenuLoopTest : public menutest::MenuHarness {};

Step Click(uint32_t tick, ShowcasePoint p) { return ClickAt(tick, p.x, p.y); }

// The header is called with event 1 on the first pass and 0 on an ordinary
// redraw; result 4 initialises again; result 5 redraws only what follows the
// background mark; the quit region's result 6 pops the screen and the loop
// returns with the stack empty.
TEST_F(ExMenuLoopTest, ResultsChooseTheNextPassAndLeavingPopsTheScreen) {
  const struct {
    const char* name;
    ShowcasePoint button;
    std::vector<int16_t> events;
    int staticDraws, dynamicDraws;
  } cases[] = {
      {"quit only", {-1, -1}, {1}, 1, 1},
      {"redraw (2)", ShowcaseRedrawPoint(), {1, 0}, 2, 2},
      {"re-init (4)", ShowcaseReinitPoint(), {1, 1}, 2, 2},
      {"dynamic (5)", ShowcaseDynamicPoint(), {1, 0}, 1, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Showcase_Reset();
    std::vector<Step> steps;
    if (c.button.x >= 0) steps.push_back(Click(10, c.button));
    steps.push_back(Click(40, ShowcaseQuitPoint()));
    const int32_t passesBefore = MenuDrawPassCount();
    ASSERT_TRUE(Run(ShowcaseMenu, steps));
    const ShowcaseLog& log = Showcase_Log();
    EXPECT_EQ(log.headerEvents, c.events);
    EXPECT_EQ(MenuDrawPassCount() - passesBefore, static_cast<int32_t>(c.events.size()));
    EXPECT_EQ(log.staticDraws, c.staticDraws);
    EXPECT_EQ(log.dynamicDraws, c.dynamicDraws);
    // The owner-draw item at -1, -1 runs on every pass.
    EXPECT_EQ(log.controlDraws, static_cast<int>(c.events.size()));
    EXPECT_EQ(log.quitClicks, 1);
    EXPECT_EQ(log.leaveCalls, 1);
    EXPECT_EQ(MenuStackTop(), -1);
    EXPECT_EQ(result_, 0);
    // Whatever the last pass was, the buttons of the dynamic part are on
    // the screen and the static panels are the saved background.
    EXPECT_TRUE(DiffersFromBackground(24, 246, 80, 24));
    EXPECT_FALSE(DiffersFromBackground(20, 470, 600, 2));
  }
}

// A click on a row's region calls its handler with the row's repetition; a
// hot spot under an earlier one never gets the click.
TEST_F(ExMenuLoopTest, ClicksReachTheFirstHotSpotUnderThePointer) {
  ASSERT_TRUE(Run(ShowcaseMenu, {Click(10, ShowcaseRowPoint(3)), Click(30, ShowcaseRowPoint(0)),
                                 Click(50, ShowcaseRowPoint(2)), Click(70, ShowcaseCoverPoint()),
                                 Click(90, ShowcaseCoverPoint()), Click(110, ShowcaseQuitPoint())}));
  const ShowcaseLog& log = Showcase_Log();
  EXPECT_EQ(log.rowClicks, (std::vector<int>{3, 0, 2}));
  EXPECT_EQ(log.coverClicks, 2);
  EXPECT_EQ(log.hiddenClicks, 0);
  // The hidden region is there, inside the cover and after it in the list.
  const std::vector<MenuHotspot> covers = HotspotsOfKind(MI_CLICK_REGION);
  const std::vector<MenuHotspot> hidden = HotspotsOfKind(MI_REGION);
  ASSERT_EQ(hidden.size(), 1u);
  const MenuHotspot& cover = covers.back();
  EXPECT_GE(hidden[0].x, cover.x);
  EXPECT_LE(hidden[0].x + hidden[0].w, cover.x + cover.w);
  EXPECT_GE(hidden[0].y, cover.y);
  EXPECT_LE(hidden[0].y + hidden[0].h, cover.y + cover.h);
}

// The list's sub-table has w 0: it repeats the count of the type-73 item,
// one row every 22 units; the blank value of row 2 draws nothing but keeps
// its hot spot; a text button of w and h 0 is 4 larger than its text.
TEST_F(ExMenuLoopTest, RepeatedRowsBlankNumbersAndTextButtonsHaveTheirHotSpots) {
  ASSERT_TRUE(Run(ShowcaseMenu, {Click(10, ShowcaseQuitPoint())}));
  const std::vector<MenuHotspot> rows = HotspotsOfKind(MI_CLICK_REGION);
  ASSERT_GE(rows.size(), 4u);
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(rows[r].repetition, r);
    EXPECT_EQ(rows[r].y, 90 + 22 * r - 2);
  }
  const std::vector<MenuHotspot> numbers = HotspotsOfKind(MI_NUMBER_S16);
  ASSERT_EQ(numbers.size(), 4u);
  EXPECT_EQ(numbers[2].value, MENU_BLANK_VALUE);
  EXPECT_EQ(numbers[2].w, 0);
  EXPECT_GT(numbers[2].h, 0);
  EXPECT_GT(numbers[0].w, 0);
  // The numbers stand right-aligned at x 56: the blank one leaves the
  // background as it was.
  for (int r = 0; r < 4; ++r) EXPECT_EQ(DiffersFromBackground(48, 90 + 22 * r, 8, 12), r != 2) << r;

  const std::vector<MenuHotspot> buttons = HotspotsOfKind(MI_TEXT_BUTTON);
  ASSERT_EQ(buttons.size(), 1u);
  SetFont(0);
  int w = 0, h = 0;
  GetTextNoSize(SHOWCASE_AUTO_BUTTON_TEXT, &w, &h);
  ASSERT_GT(w, 0);
  EXPECT_EQ(buttons[0].w, w + 4);
  EXPECT_EQ(buttons[0].h, h + 4);
  EXPECT_TRUE(DiffersFromBackground(buttons[0].x, buttons[0].y, buttons[0].w, buttons[0].h));
}

// A slider follows the pointer while the button is held and stops at 0 and
// at max - visible.
TEST_F(ExMenuLoopTest, ASliderDragIsClamped) {
  const int y = SHOWCASE_HSLIDER_Y + SHOWCASE_HSLIDER_H / 2;
  const int left = SHOWCASE_HSLIDER_X, right = SHOWCASE_HSLIDER_X + SHOWCASE_HSLIDER_W;
  const struct {
    int fromX, toX;
    int16_t pos;
  } cases[] = {
      {left + 10, right + 100, 80},            // past the end: max - visible
      {left + 10, left + SHOWCASE_HSLIDER_W / 2, 50},  // the middle
      {right - 10, 2, 0},                      // before the start
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.toX);
    Showcase_Reset();
    ShowcaseHSlider.pos = 30;
    ASSERT_TRUE(Run(ShowcaseMenu, {MoveTo(10, c.fromX, y), PressAt(20), MoveTo(30, (c.fromX + c.toX) / 2, y),
                                   MoveTo(40, c.toX, y), ReleaseAt(50), Click(70, ShowcaseQuitPoint())}));
    EXPECT_EQ(ShowcaseHSlider.pos, c.pos);
    EXPECT_EQ(Showcase_Log().sliderDone, 1);
  }
}

// Pop-up rows: 1 and 9 close the list, 2 and 7 redraw the screen, 6 leaves
// it, 8 keeps the list open (the second click reaches the row again).
TEST_F(ExMenuLoopTest, PopupResultsCloseRedrawLeaveOrKeepTheList) {
  const struct {
    int16_t result;
    int calls;
    size_t passes;
    int leaves;
  } cases[] = {
      {1, 1, 1, 1}, {9, 1, 1, 1}, {2, 1, 2, 1}, {7, 1, 2, 1}, {6, 1, 1, 1}, {8, 2, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.result);
    Showcase_Reset();
    ShowcasePopupResult = c.result;
    ASSERT_TRUE(Run(ShowcaseMenu, {Click(10, ShowcaseOptionsPoint()), Click(30, ShowcaseOptionsRowPoint(1)),
                                   Click(50, ShowcaseOptionsRowPoint(1)), MoveTo(70, 100, 440),
                                   Click(90, ShowcaseQuitPoint())}));
    const ShowcaseLog& log = Showcase_Log();
    EXPECT_EQ(log.popupCalls, c.calls);
    EXPECT_EQ(log.headerEvents.size(), c.passes);
    EXPECT_EQ(log.leaveCalls, c.leaves);
    EXPECT_EQ(log.quitClicks, c.result == 6 ? 0 : 1);
    EXPECT_EQ(log.optionsClicks, 0);  // the list took the click, not the handler
    EXPECT_EQ(log.lastPopup.list, 1);
    EXPECT_EQ(log.lastPopup.row, 1);
    EXPECT_FALSE(IsPopupOpen());
  }
}

TEST_F(ExMenuLoopTest, AnyOtherPopupResultIsFatal) {
  ShowcasePopupResult = 3;
  EXPECT_FATAL(Run(ShowcaseMenu, {Click(10, ShowcaseOptionsPoint()), Click(30, ShowcaseOptionsRowPoint(0))}),
               "Error: unknown return value 3 from menu function");
}

// The menu bar's titles open their drop-downs; a row's callback is told the
// drop-down (index + 1) and the row's index in the whole list.
TEST_F(ExMenuLoopTest, TheMenuBarOpensItsDropDowns) {
  ASSERT_TRUE(Run(ShowcaseMenu, {Click(10, ShowcaseQuitPoint())}));
  const std::vector<MenuHotspot> titles = HotspotsOfKind(MI_POPUP_LIST);
  ASSERT_EQ(titles.size(), 2u);
  EXPECT_EQ(titles[0].x, 32);
  EXPECT_EQ(titles[1].x, 32 + titles[0].w);
  const int rowHeight = titles[0].h;
  const struct {
    int title, row;  // row: visible row of the drop-down
    int16_t list, index;
  } cases[] = {{0, 1, 1, 2}, {1, 0, 2, 5}, {1, 2, 2, 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    Showcase_Reset();
    const MenuHotspot& t = titles[c.title];
    ASSERT_TRUE(Run(ShowcaseMenu, {ClickAt(10, t.x + 4, t.y + 4),
                                   ClickAt(30, t.x + 8, t.y + t.h + rowHeight * c.row + rowHeight / 2),
                                   MoveTo(50, 100, 440), Click(70, ShowcaseQuitPoint())}));
    EXPECT_EQ(Showcase_Log().popupCalls, 1);
    EXPECT_EQ(Showcase_Log().lastPopup.list, c.list);
    EXPECT_EQ(Showcase_Log().lastPopup.row, c.index);
  }
}

// A menu pushed while a pass draws becomes the current screen after the
// pass, with event 1; leaving it brings the first screen back, initialised.
TEST_F(ExMenuLoopTest, AMenuPushedDuringAPassBecomesCurrentAfterIt) {
  ASSERT_TRUE(Run(ShowcaseMenu, {Click(10, ShowcasePushPoint()), Click(40, ShowcaseSubQuitPoint()),
                                 Click(80, ShowcaseQuitPoint())}));
  const ShowcaseLog& log = Showcase_Log();
  EXPECT_EQ(log.subEvents, std::vector<int16_t>{1});
  EXPECT_EQ(log.subLeaveCalls, 1);
  EXPECT_EQ(log.headerEvents, (std::vector<int16_t>{1, 0, 1}));
  EXPECT_EQ(log.leaveCalls, 1);
  EXPECT_EQ(log.quitClicks, 2);
}

// A timer of count 0 never fires; one of count 2 fires twice.
TEST_F(ExMenuLoopTest, TimersFireTheirCountAndCountZeroNever) {
  ShowcaseAddTimers = true;
  ASSERT_TRUE(Run(ShowcaseMenu, {Click(100, ShowcaseQuitPoint())}));
  EXPECT_EQ(Showcase_Log().timerFires[0], 0);
  EXPECT_EQ(Showcase_Log().timerFires[1], 2);
}

// In the loop the looping button runs on, the still one stays, and a click
// on a toggled button plays it forward to its last frame.
TEST_F(ExMenuLoopTest, AnimatedButtonsRunByKind) {
  ASSERT_TRUE(Run(ShowcaseMenu, {Click(10, ShowcaseToggle3Point()), Click(200, ShowcaseQuitPoint())}));
  ASSERT_EQ(gDriver.buttons.size(), 6u);
  const MenuButtonRecord* byKind[6] = {};
  for (const MenuButtonRecord& r : gDriver.buttons) byKind[r.kind] = &r;
  for (const MenuButtonRecord* r : byKind) ASSERT_NE(r, nullptr);
  EXPECT_NE(byKind[ANIM_LOOP]->frame, 0);
  EXPECT_EQ(byKind[ANIM_STILL]->frame, 0);
  EXPECT_EQ(byKind[ANIM_TOGGLE3]->state, ANIM_FINISHED);
  EXPECT_EQ(byKind[ANIM_TOGGLE3]->frame, 20);
  EXPECT_EQ(byKind[ANIM_TOGGLE4]->state, ANIM_STOPPED);
  EXPECT_EQ(byKind[ANIM_TOGGLE4]->frame, 0);
}

}  // namespace
