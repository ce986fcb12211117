// The keyboard side of the menu loop: shortcut letters, the keyboard focus,
// the menu bar worked from the keyboard, hot spots made by code, hover tips
// and the column text boxes, run in the real menu loop under scripted keys.
#include <string>
#include <vector>

#include "engine/poll.h"
#include "menus/exm_text.h"
#include "menus/exmenu.h"
#include "menus/exmenu_keys.h"
#include "menus/menu_harness.h"
#include "menus/menugfx_files.h"

namespace {

using menutest::ClickAt;
using menutest::KeyAt;
using menutest::MoveTo;
using menutest::Step;

struct KeysLog {
  std::vector<int> clicks;          // the y of each region clicked
  std::vector<std::string> picked;  // the rows chosen
  int16_t neighbourDown = 0;        // set on hot spot 0 by the screen
};
KeysLog gLog;

int16_t RegionClicked(MenuHotspot* spot) {
  gLog.clicks.push_back(spot->y);
  return 0;
}
int16_t QuitClicked(MenuHotspot*) { return MENU_RESULT_LEAVE; }
int16_t Handler(const MenuItem*) { return 0; }

int16_t RowPicked(const PopupCall* call) {
  gLog.picked.push_back(PopupRowText(call->rowRecord));
  return POPUP_RESULT_CLOSE;
}
int16_t RowQuit(const PopupCall* call) {
  gLog.picked.push_back(PopupRowText(call->rowRecord));
  return MENU_RESULT_LEAVE;
}
// The File drop-down's prepare function keeps "Save" disabled.
int16_t FilePrepare(PopupRow* list) {
  list[2].flags = 0;
  return 0;
}

PopupRow gBar[] = {
    {POPUP_HEADER_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_File  "), nullptr, FilePrepare},
    {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_Open"), RowPicked, nullptr},
    {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_Save"), RowPicked, nullptr},
    {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_Quit"), RowQuit, nullptr},
    {POPUP_HEADER_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_Club  "), nullptr, nullptr},
    {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("Sq_uad"), RowPicked, nullptr},
    {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_Tactics"), RowPicked, nullptr},
    {POPUP_HEADER_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_Global"), nullptr, nullptr},
    {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_News"), RowPicked, nullptr},
    {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
};

// Owner-draw in the control pass: hot spot 0's neighbour below.
void SetNeighbours(int, int, int, int) {
  if (MenuHotspot* spot = MenuHotspotAt(0)) spot->neighbour[2] = gLog.neighbourDown;
}

// Four regions (hot spots 0-3, at y 100, 150, 200, 250), the quit region
// (hot spot 4), then the menu bar's three titles.
const MenuItem kKeysMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(BACKGROUND_START_PAGE), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_CLICK_REGION, 100, 100, 80, 24, MenuArg(-1), MenuArg(RegionClicked)},
    {MI_CLICK_REGION, 100, 150, 80, 24, MenuArg(-1), MenuArg(RegionClicked)},
    {MI_CLICK_REGION, 100, 200, 80, 24, MenuArg(-1), MenuArg(RegionClicked)},
    {MI_CLICK_REGION, 100, 250, 80, 24, MenuArg(-1), MenuArg(RegionClicked)},
    {MI_CLICK_REGION, 544, 440, 72, 24, MenuArg(-1), MenuArg(QuitClicked)},
    {MI_OWNER_DRAW, -1, -1, 0, 0, MenuArg(SetNeighbours), {}},
    {MI_POPUP_LIST, 0, 0, 0, 0, MenuArg(static_cast<void*>(gBar)), {}},
    {MI_END, 0, 0, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

class ExMenuKeysTest : public menutest::MenuHarness {
 protected:
  void SetUp() override {
    MenuHarness::SetUp();
    gLog = KeysLog{};
  }
  // Keys a frame or so apart from tick 10, then a click on the quit region.
  bool RunKeys(const std::vector<const char*>& keys) {
    std::vector<Step> steps;
    uint32_t tick = 10;
    for (const char* key : keys) {
      steps.push_back(KeyAt(tick, key));
      tick += 10;
    }
    steps.push_back(ClickAt(tick + 20, 560, 450));
    return Run(kKeysMenu, steps);
  }
};

const std::vector<int> kRegionY = {100, 150, 200, 250};

// With every neighbour 0 the arrows walk the hot spots in list order and stop
// at both ends; Return clicks the focused one.
TEST_F(ExMenuKeysTest, ArrowsWalkTheHotSpotsInOrderAndStopAtTheEnds) {
  const struct {
    std::vector<const char*> keys;
    std::vector<int> clicks;
  } cases[] = {
      {{"Return"}, {}},  // no arrow yet: the pointer is in charge
      {{"Down", "Return"}, {150}},
      {{"Down", "Down", "Return"}, {200}},
      {{"Right", "Right", "Right", "Return"}, {250}},
      {{"Up", "Up", "Return"}, {100}},
      {{"Down", "Down", "Up", "Left", "Left", "Left", "Return"}, {100}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys.size());
    gLog = KeysLog{};
    ASSERT_TRUE(RunKeys(c.keys));
    EXPECT_EQ(gLog.clicks, c.clicks);
  }
  // Past the last hot spot the focus stays there: the last is the menu bar's
  // last title, whose Return opens its drop-down (Return again picks its row).
  gLog = KeysLog{};
  std::vector<const char*> keys(12, "Down");
  keys.push_back("Return");
  keys.push_back("Return");
  ASSERT_TRUE(RunKeys(keys));
  EXPECT_EQ(gLog.picked, std::vector<std::string>{"_News"});
  EXPECT_TRUE(gLog.clicks.empty());
}

TEST_F(ExMenuKeysTest, ANeighbourIndexNamesTheNextFocus) {
  gLog.neighbourDown = 3;
  ASSERT_TRUE(RunKeys({"Down", "Return"}));
  EXPECT_EQ(gLog.clicks, std::vector<int>{250});
  gLog = KeysLog{};
  gLog.neighbourDown = 3;
  ASSERT_TRUE(RunKeys({"Down", "Up", "Return"}));  // hot spot 3 has none upwards: the previous one
  EXPECT_EQ(gLog.clicks, std::vector<int>{200});
}

// F10 opens the first drop-down; Up and Down move within it, Left and Right
// between drop-downs without passing either end (Right on the last keeps it
// open); Return chooses the row, a disabled row does nothing; Escape closes.
// With a drop-down open a typed letter is a shortcut: a lower-case letter
// finds an upper-case mark, a title opens its drop-down.
TEST_F(ExMenuKeysTest, TheMenuBarWorksFromTheKeyboard) {
  const struct {
    std::vector<const char*> keys;
    std::vector<std::string> picked;
    std::vector<int> clicks;
  } cases[] = {
      {{"F10", "Return"}, {"_Open"}, {}},
      {{"F10", "Down", "Return"}, {}, {}},  // "Save" is disabled by the prepare function
      {{"F10", "Down", "Down", "Down", "Down", "Up", "Return"}, {}, {}},
      {{"F10", "Right", "Down", "Return"}, {"_Tactics"}, {}},
      {{"F10", "Right", "Right", "Right", "Right", "Right", "Return"}, {"_News"}, {}},
      {{"F10", "Left", "Return"}, {"_Open"}, {}},
      {{"F10", "T"}, {"_Tactics"}, {}},
      {{"F10", "Q"}, {"_Quit"}, {}},  // the row leaves the screen
      {{"F10", "U"}, {"Sq_uad"}, {}},
      {{"F10", "G", "Return"}, {"_News"}, {}},
      {{"F10", "Z", "Return"}, {"_Open"}, {}},  // no shortcut: nothing happens
      {{"F10", "Escape", "Return"}, {}, {100}},  // closed: Return clicks the focus
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys.size());
    gLog = KeysLog{};
    ASSERT_TRUE(RunKeys(c.keys));
    EXPECT_EQ(gLog.picked, c.picked);
    EXPECT_EQ(gLog.clicks, c.clicks);
    EXPECT_FALSE(IsPopupOpen());
  }
}

TEST_F(ExMenuKeysTest, MovingTheMouseHandsTheListBackToThePointer) {
  // The drop-down opened by F10 stays while the pointer rests far from it,
  // and closes when the pointer moves off it.
  ASSERT_TRUE(Run(kKeysMenu, {KeyAt(10, "F10"), MoveTo(40, 400, 300), KeyAt(60, "Return"), ClickAt(90, 560, 450)}));
  EXPECT_TRUE(gLog.picked.empty());
}

// ---- shortcuts without a screen ----

TEST(ShortcutRows, FindTheFirstMarkInEitherCase) {
  const struct {
    int character;
    int row, dropDown;
  } cases[] = {
      {'f', 0, 0}, {'F', 0, 0}, {'o', 1, 0}, {'q', 3, 0}, {'Q', 3, 0}, {'u', 5, 1}, {'t', 6, 1},
      {'n', 8, 2}, {'G', 7, 2}, {'x', -1, 0}, {'_', -1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.character);
    int dropDown = -9;
    EXPECT_EQ(FindShortcutRow(gBar, c.character, &dropDown), c.row);
    EXPECT_EQ(dropDown, c.dropDown);
  }
  EXPECT_EQ(FindShortcutRow(nullptr, 'a'), -1);
  // "__" is an underscore, not a mark; a mark at the very end marks nothing.
  PopupRow odd[] = {
      {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("a__b"), nullptr, nullptr},
      {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("end_"), nullptr, nullptr},
      {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("_b"), nullptr, nullptr},
      {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
  };
  EXPECT_EQ(FindShortcutRow(odd, 'b'), 2);
}

// ---- hot spots made by code ----

class ExMenuHotspotTest : public EngineTest {};

TEST_F(ExMenuHotspotTest, AddMenuHotspotPlacesLikeItemHotSpots) {
  const struct {
    uint16_t alignment;
    int16_t x, y;
  } cases[] = {
      {ALIGN_LEFT | ALIGN_TOP, 100, 100},
      {ALIGN_CENTRED, 80, 90},
      {ALIGN_RIGHT | ALIGN_BOTTOM, 60, 80},
  };
  const int16_t neighbours[4] = {1, 2, 3, 4};
  for (const auto& c : cases) {
    const int index = AddMenuHotspot(100, 100, 40, 20, c.alignment, neighbours, RegionClicked, 1050, HOTSPOT_TIP);
    const MenuHotspot* spot = MenuHotspotAt(index);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->x, c.x);
    EXPECT_EQ(spot->y, c.y);
    EXPECT_EQ(spot->w, 40);
    EXPECT_EQ(spot->h, 20);
    EXPECT_EQ(spot->neighbour[3], 4);
    EXPECT_EQ(spot->value, 1050);
    EXPECT_EQ(spot->role, HOTSPOT_TIP);
    EXPECT_EQ(spot->handler, RegionClicked);
  }
  EXPECT_EQ(MenuHotspotCount(), 3);
  SetHotspotPopup(1, gBar);
  EXPECT_EQ(MenuHotspotAt(1)->popup, gBar);
  SetHotspotPopup(7, gBar);  // no such hot spot: nothing
  PopupRow rows[] = {{POPUP_ROW_STRING, 0, -1, -1, -1, -1, MenuArg("a"), nullptr, nullptr},
                     {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr}};
  SetPopupRowFlags(rows, 0, POPUP_ENABLED | POPUP_TICKED);
  EXPECT_EQ(rows[0].flags, POPUP_ENABLED | POPUP_TICKED);
}

// ---- hover tips ----

int gTipSeen = -1;
void WatchTip() {
  if (MenuTipHotspot() >= 0) gTipSeen = MenuTipHotspot();
}
void AddTipSpots(int, int, int, int) {
  AddMenuHotspot(300, 300, 60, 30, ALIGN_LEFT | ALIGN_TOP, nullptr, nullptr, 1050, HOTSPOT_TIP);
  AddMenuHotspot(300, 350, 60, 30, ALIGN_LEFT | ALIGN_TOP, nullptr, nullptr, 1050, HOTSPOT_PLAIN);
}
const MenuItem kTipMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(BACKGROUND_START_PAGE), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_CLICK_REGION, 544, 440, 72, 24, MenuArg(-1), MenuArg(QuitClicked)},
    {MI_OWNER_DRAW, -1, -1, 0, 0, MenuArg(AddTipSpots), {}},
    {MI_END, 0, 0, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

TEST_F(ExMenuKeysTest, ATipShowsAfterARestAndGoesWhenThePointerMoves) {
  const struct {
    int y;
    int seen;
  } cases[] = {{310, 1}, {360, -1}};
  for (const auto& c : cases) {
    gTipSeen = -1;
    const int16_t poll = AddPollFunction(WatchTip, 1, 0);
    std::vector<uint8_t> before;
    ASSERT_TRUE(Run(kTipMenu, {MoveTo(10, 320, c.y), MoveTo(200, 100, 440), ClickAt(260, 560, 450)}));
    RemovePollFunction(poll);
    EXPECT_EQ(gTipSeen, c.seen);
    EXPECT_EQ(MenuTipHotspot(), -1);
    // The tip's box is gone from the screen again.
    EXPECT_FALSE(DiffersFromBackground(300, 300, 200, 100));
  }
}

// ---- column text boxes ----

class ColumnTextBoxesTest : public menutest::MenuHarness {};

struct Placed {
  int x, y;
};

TEST_F(ColumnTextBoxesTest, BoxesFlowAndWrapAtTheLimit) {
  const struct {
    uint16_t direction;
    int x, y;
    int16_t limitX, limitY;
    std::vector<Placed> boxes;
  } cases[] = {
      {CT_DOWN, 10, 10, 250, 100, {{10, 10}, {10, 50}, {110, 10}}},
      {CT_RIGHT, 10, 10, 250, 200, {{10, 10}, {110, 10}, {10, 50}}},
      {CT_UP, 10, 200, 250, -100, {{10, 160}, {10, 120}, {110, 160}}},
      {CT_LEFT, 300, 10, -250, 200, {{200, 10}, {100, 10}, {200, 50}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.direction);
    const ColumnTextCommand commands[] = {
        {CT_LIMIT, c.limitX, c.limitY, 0, 0, 0, nullptr, nullptr},
        {CT_BOX_SIZE, 0, 0, 100, 40, 0, nullptr, nullptr},
        {CT_STRING, 0, 0, 0, 0, 0, "One", nullptr},
        {CT_TEXTNO, 0, 0, 0, 0, 1050, nullptr, nullptr},
        {CT_STRING, 0, 0, 0, 0, 0, "Three", nullptr},
        {CT_END, 0, 0, 0, 0, 0, nullptr, nullptr},
    };
    ASSERT_EQ(DoColumnTextBoxes(commands, c.x, c.y, c.direction), 3);
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(ColumnTextBoxAt(i)->x, c.boxes[i].x);
      EXPECT_EQ(ColumnTextBoxAt(i)->y, c.boxes[i].y);
      EXPECT_EQ(ColumnTextBoxAt(i)->w, 100);
      EXPECT_EQ(ColumnTextBoxAt(i)->h, 40);
    }
    EXPECT_STREQ(ColumnTextBoxAt(1)->text, GetTextNoAddr(1050));
  }
}

TEST_F(ColumnTextBoxesTest, BoxesFitTheirTextUnlessSizesAreFixed) {
  const int16_t number = 1050;
  const ColumnTextCommand commands[] = {
      {CT_STRING, 0, 0, 0, 0, 0, "Wide text", nullptr},
      {CT_TEXTNO_VAR, 0, 0, 0, 0, 0, nullptr, &number},
      {CT_TEXT_SIZE, 0, 0, 50, 10, 0, nullptr, nullptr},
      {CT_STRING, 0, 0, 0, 0, 0, "Wide text", nullptr},
      {CT_END, 0, 0, 0, 0, 0, nullptr, nullptr},
  };
  ASSERT_EQ(DoColumnTextBoxes(commands, 20, 20, CT_DOWN), 3);
  int w = 0, h = 0;
  GetStringSize("Wide text", &w, &h);
  EXPECT_EQ(ColumnTextBoxAt(0)->w, w + 32);
  EXPECT_EQ(ColumnTextBoxAt(0)->h, h + 32);
  EXPECT_EQ(ColumnTextBoxAt(1)->y, 20 + h + 32);
  EXPECT_STREQ(ColumnTextBoxAt(1)->text, GetTextNoAddr(1050));
  EXPECT_EQ(ColumnTextBoxAt(2)->w, 82);
  EXPECT_EQ(ColumnTextBoxAt(2)->h, 42);
}

TEST_F(ColumnTextBoxesTest, ATableItemDrawsThem) {
  static const ColumnTextCommand commands[] = {
      {CT_STRING, 0, 0, 0, 0, 0, "A", nullptr},
      {CT_STRING, 0, 0, 0, 0, 0, "B", nullptr},
      {CT_END, 0, 0, 0, 0, 0, nullptr, nullptr},
  };
  static const MenuItem table[] = {
      {MI_HEADER, 0, 0, 0, 0, MenuArg(Handler), {}},
      {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(BACKGROUND_START_PAGE), {}},
      {MI_COLUMN_TEXT_BOXES, 40, 60, CT_RIGHT, 0, MenuArg(static_cast<const void*>(commands)), {}},
      {MI_CLICK_REGION, 544, 440, 72, 24, MenuArg(-1), MenuArg(QuitClicked)},
      {MI_END, 0, 0, 0, 0, {}, MenuArg(DefaultBackHandler)},
  };
  ASSERT_TRUE(Run(table, {ClickAt(10, 560, 450)}));
  ASSERT_EQ(ColumnTextBoxCount(), 2);
  EXPECT_EQ(ColumnTextBoxAt(0)->x, 40);
  EXPECT_EQ(ColumnTextBoxAt(0)->y, 60);
  EXPECT_EQ(ColumnTextBoxAt(1)->x, 40 + ColumnTextBoxAt(0)->w);
}

TEST_F(ColumnTextBoxesTest, BrokenListsAreFatal) {
  const ColumnTextCommand badCommand[] = {{7, 0, 0, 0, 0, 0, nullptr, nullptr},
                                          {CT_END, 0, 0, 0, 0, 0, nullptr, nullptr}};
  EXPECT_FATAL(DoColumnTextBoxes(badCommand, 10, 10, CT_DOWN), "DoColumnTextBoxes\\(\\): invalid item\\.");
  const ColumnTextCommand noVariable[] = {{CT_TEXTNO_VAR, 0, 0, 0, 0, 0, nullptr, nullptr},
                                          {CT_END, 0, 0, 0, 0, 0, nullptr, nullptr}};
  EXPECT_FATAL(DoColumnTextBoxes(noVariable, 10, 10, CT_DOWN), "DoColumnTextBoxes\\(\\): invalid item\\.");
  const ColumnTextCommand tooBig[] = {{CT_LIMIT, 200, 50, 0, 0, 0, nullptr, nullptr},
                                      {CT_BOX_SIZE, 0, 0, 100, 60, 0, nullptr, nullptr},
                                      {CT_STRING, 0, 0, 0, 0, 0, "X", nullptr},
                                      {CT_END, 0, 0, 0, 0, 0, nullptr, nullptr}};
  EXPECT_FATAL(DoColumnTextBoxes(tooBig, 10, 10, CT_DOWN),
               "Uh Oh!  Ran out of room at point 1\\. \\{ DoColumnTextBoxes\\(\\) \\}");
  for (uint16_t direction : {0, 3, 5, 16}) {
    SCOPED_TRACE(direction);
    const ColumnTextCommand one[] = {{CT_STRING, 0, 0, 0, 0, 0, "X", nullptr},
                                     {CT_END, 0, 0, 0, 0, 0, nullptr, nullptr}};
    EXPECT_FATAL(DoColumnTextBoxes(one, 10, 10, direction), "Uh Oh!  Which way do I go \\{ MoveCTDir\\(\\) \\}");
  }
}

TEST(MoveCTDir, StepsOneBoxInItsDirection) {
  const struct {
    int direction, x, y;
  } cases[] = {{CT_UP, 10, 5}, {CT_DOWN, 10, 35}, {CT_LEFT, -10, 20}, {CT_RIGHT, 30, 20}};
  for (const auto& c : cases) {
    int x = 10, y = 20;
    MoveCTDir(c.direction, 20, &x, &y, 15);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

}  // namespace
