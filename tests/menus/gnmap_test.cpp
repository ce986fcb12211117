// GN display maps on the front end's real menu screen: which items each pass
// draws, auto buttons, item flags, the hot regions, and the loop's messages
// under a pointer script played frame by frame.
#include "menus/gnmap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/timerint.h"
#include "menu_harness.h"
#include "menus/gningame.h"
#include "menus/gnlayer.h"
#include "menus/machine.h"
#include "platform/platform.h"
#include "render256/swscreen.h"
#include "support/built_game.h"
#include "support/scratch_dir.h"

namespace {

using menutest::MenuHarness;

// ---- a pointer script, one poll at a time ----

struct PointerStep {
  uint32_t tick;  // after the loop starts
  int x, y;
  int buttons;
};

struct Received {
  int16_t code, regionId, pointerX, pointerY;
  uint32_t tick;
};

struct LoopDriver {
  std::vector<PointerStep> steps;
  size_t next = 0;
  uint32_t start = 0;
  uint32_t deadline = 0;
  bool timedOut = false;
  std::vector<Received> received;
  // What each callback answers: by message code, 300 when none is set.
  int16_t answerEnter = GN_RESULT_NONE, answerLeave = GN_RESULT_NONE;
  int16_t answerPress = GN_RESULT_NONE, answerRelease = GN_RESULT_NONE;
};
LoopDriver gLoop;

constexpr int16_t kEscapeId = 99;

void ApplyButtons(int buttons) {
  PlatSetMouseButton(0, (buttons & 1) != 0);
  PlatSetMouseButton(1, (buttons & 2) != 0);
}

void LoopPoll() {
  const uint32_t now = TimerTicks.load();
  while (gLoop.next < gLoop.steps.size() && gLoop.start + gLoop.steps[gLoop.next].tick <= now) {
    const PointerStep& s = gLoop.steps[gLoop.next++];
    SetPointerPosition(static_cast<int16_t>(s.x), static_cast<int16_t>(s.y));
    ApplyButtons(s.buttons);
  }
  if (now > gLoop.deadline && !gLoop.timedOut) {
    gLoop.timedOut = true;
    ApplyButtons(0);
    SetPointerPosition(1, 1);  // onto the escape region
  }
}

int16_t Record(const GNMessage* m) {
  gLoop.received.push_back({m->code, m->regionId, m->pointerX, m->pointerY, TimerTicks.load()});
  switch (m->code) {
    case GN_MSG_ENTER: return gLoop.answerEnter;
    case GN_MSG_LEAVE: return gLoop.answerLeave;
    case GN_MSG_PRESS: return gLoop.answerPress;
    default: return gLoop.answerRelease;
  }
}

int16_t Escape(const GNMessage* m) {
  gLoop.received.push_back({m->code, m->regionId, m->pointerX, m->pointerY, TimerTicks.load()});
  return m->code == GN_MSG_ENTER ? GN_RESULT_LEAVE : GN_RESULT_NONE;
}

constexpr GNDisplayItem Item(uint8_t type, uint8_t kind, uint8_t pass, int x, int y, int w, int h, GNData data = {},
                             GNCallback callback = nullptr) {
  return {type,
          kind,
          pass,
          static_cast<int16_t>(x),
          static_cast<int16_t>(y),
          static_cast<int16_t>(w),
          static_cast<int16_t>(h),
          data,
          callback};
}
constexpr GNDisplayItem Id(int id) { return Item(GN_ITEM_REGION_ID, GN_DATA_VALUE, GN_PASS_BOTH, 0, 0, 0, 0, id); }
constexpr GNDisplayItem Hot(int x, int y, int w, int h, uint8_t pass = GN_PASS_DYNAMIC) {
  return Item(GN_ITEM_PLACEHOLDER, GN_DATA_NONE, pass, x, y, w, h, {}, Record);
}
constexpr GNDisplayItem Setting(uint8_t type, int value) {
  return Item(type, GN_DATA_VALUE, GN_PASS_BOTH, 0, 0, 0, 0, value);
}
constexpr GNDisplayItem kEscape[] = {Id(kEscapeId),
                                     Item(GN_ITEM_PLACEHOLDER, GN_DATA_NONE, GN_PASS_DYNAMIC, 0, 0, 4, 4, {}, Escape)};
constexpr GNDisplayItem kEnd = Item(GN_ITEM_END, 0, 0, 0, 0, 0, 0);

// The hover map: A and B side by side, two overlapping regions, the escape.
constexpr GNDisplayItem kHoverMap[] = {
    Item(GN_ITEM_STATIC_TITLE, GN_DATA_STRING, GN_PASS_STATIC, 0, 0, 0, 0, "Regions"),
    Id(1), Hot(100, 100, 100, 50),
    Id(2), Hot(200, 100, 100, 50),
    Id(3), Hot(400, 300, 100, 100),
    Id(4), Hot(450, 350, 100, 100),
    kEscape[0], kEscape[1], kEnd};

class GNMapTest : public MenuHarness {
 protected:
  void TearDown() override {
    if (GN_CurrentMap() != nullptr) GN_MenuUninit();
    while (GN_GetLayerState() > GN_STATE_INITIALISED) {
      if (GN_GetLayerState() == GN_STATE_DRAWING) GN_EndDrawing();
      else if (GN_GetLayerState() == GN_STATE_STATIC_ITEMS) GN_EndStaticItems();
      else if (GN_GetLayerState() == GN_STATE_MENU) GN_EndMenu();
      else GN_EndSetOfMenus();
    }
    ApplyButtons(0);
    MenuHarness::TearDown();
  }

  void Open(const GNDisplayItem* map) {
    GN_StartSetOfMenus();
    GN_MenuInit(map);
  }
  void Close() {
    GN_MenuUninit();
    GN_EndSetOfMenus();
  }
  // Redraws and loops until the loop answers 1, redrawing on 0; the script
  // counts from now. Answers the number of redraws.
  int RunLoop(const std::vector<PointerStep>& steps, uint32_t limit = 600) {
    // The script counts from the end of the first draw (the screen's first
    // reveal takes its time).
    int redraws = 0;
    GN_MenuRedraw();
    gLoop.steps = steps;
    gLoop.start = TimerTicks.load();
    gLoop.deadline = gLoop.start + limit;
    const int16_t poll = AddPollFunction(LoopPoll, 1, 0);
    while (GN_MenuLoop() != 1) {
      ++redraws;
      GN_MenuRedraw();
    }
    RemovePollFunction(poll);
    return redraws;
  }
  void SetUp() override {
    MenuHarness::SetUp();
    gLoop = LoopDriver{};
    SetPointerPosition(620, 460);
  }
};

std::vector<std::pair<int, int>> Codes() {
  std::vector<std::pair<int, int>> out;
  for (const Received& r : gLoop.received) out.emplace_back(r.code, r.regionId);
  return out;
}

TEST_F(GNMapTest, ThePointerLeavesOneRegionAndEntersTheNextInOneFrame) {
  Open(kHoverMap);
  // Answers that mean nothing to the loop keep it going.
  gLoop.answerEnter = GN_RESULT_HANDLED;
  gLoop.answerLeave = 304;
  RunLoop({{4, 150, 120, 0}, {8, 250, 120, 0}, {12, 470, 370, 0}, {16, 600, 450, 0}, {20, 1, 1, 0}});
  EXPECT_FALSE(gLoop.timedOut);
  const std::vector<std::pair<int, int>> want = {{200, 1}, {201, 1}, {200, 2}, {201, 2},
                                                 {200, 3}, {201, 3}, {200, kEscapeId}};
  EXPECT_EQ(Codes(), want);
  ASSERT_EQ(gLoop.received.size(), want.size());
  EXPECT_EQ(gLoop.received[1].tick, gLoop.received[2].tick);  // 201 then 200 in one frame
  EXPECT_EQ(gLoop.received[3].tick, gLoop.received[4].tick);
  EXPECT_LT(gLoop.received[5].tick, gLoop.received[6].tick);  // off every region: only 201
  // The pointer relative to the region's corner.
  EXPECT_EQ(gLoop.received[0].pointerX, 50);
  EXPECT_EQ(gLoop.received[0].pointerY, 20);
  Close();
}

TEST_F(GNMapTest, ASecondButtonReleasesAndPressesInOneFrame) {
  Open(kHoverMap);
  RunLoop({{4, 150, 120, 0}, {8, 150, 120, 1}, {12, 150, 120, 2}, {16, 150, 120, 0}, {20, 1, 1, 0}});
  EXPECT_FALSE(gLoop.timedOut);
  const std::vector<std::pair<int, int>> want = {{200, 1}, {202, 1}, {203, 1}, {202, 1},
                                                 {203, 1}, {201, 1}, {200, kEscapeId}};
  EXPECT_EQ(Codes(), want);
  ASSERT_EQ(gLoop.received.size(), want.size());
  EXPECT_EQ(gLoop.received[2].tick, gLoop.received[3].tick);
  Close();
}

// A press answered with a redraw: after it the still pointer is not entered
// again and the held button is not pressed again; its release still comes.
TEST_F(GNMapTest, AButtonHeldThroughARedrawIsNotPressedAgain) {
  Open(kHoverMap);
  gLoop.answerPress = GN_RESULT_REDRAW;
  const int redraws = RunLoop({{4, 150, 120, 0}, {8, 150, 120, 1}, {30, 150, 120, 0}, {34, 1, 1, 0}});
  EXPECT_EQ(redraws, 1);
  const std::vector<std::pair<int, int>> want = {{200, 1}, {202, 1}, {203, 1}, {201, 1}, {200, kEscapeId}};
  EXPECT_EQ(Codes(), want);
  Close();
}

// The platform's event script, as a user's mouse: a move and a click.
TEST_F(GNMapTest, AScriptedClickReachesTheRegion) {
  Open(kHoverMap);
  GN_MenuRedraw();
  SetPointerPosition(320, 240);  // where the script's moves start from
  const uint32_t t = PlatRawTicks();
  const std::string script = std::to_string(t + 5) + " move 150 120\n" + std::to_string(t + 10) +
                             " click 150 120\n" + std::to_string(t + 20) + " move 2 2\n";
  std::string error;
  ASSERT_TRUE(PlatLoadEventScript(script, &error)) << error;
  gLoop.start = TimerTicks.load();
  gLoop.deadline = gLoop.start + 600;
  const int16_t poll = AddPollFunction(LoopPoll, 1, 0);
  while (GN_MenuLoop() != 1) GN_MenuRedraw();
  RemovePollFunction(poll);
  PlatClearEventScript();
  EXPECT_FALSE(gLoop.timedOut);
  const std::vector<std::pair<int, int>> want = {{200, 1}, {202, 1}, {203, 1}, {201, 1}, {200, kEscapeId}};
  EXPECT_EQ(Codes(), want);
  Close();
}

TEST_F(GNMapTest, TheEarlierOfTwoOverlappingRegionsGetsThePointer) {
  Open(kHoverMap);
  RunLoop({{4, 460, 360, 0}, {8, 540, 440, 0}, {12, 1, 1, 0}});
  const std::vector<std::pair<int, int>> want = {{200, 3}, {201, 3}, {200, 4}, {201, 4}, {200, kEscapeId}};
  EXPECT_EQ(Codes(), want);
  ASSERT_NE(GN_FindRegionAt(460, 360), nullptr);
  EXPECT_EQ(GN_FindRegionAt(460, 360)->regionId, 3);
  EXPECT_EQ(GN_FindRegionAt(399, 360), nullptr);
  EXPECT_EQ(GN_FindRegionAt(500, 360)->regionId, 4);  // the right edge is outside the first
  Close();
}

TEST(GNMapSteps, OnlyRedrawAndLeaveCountForTheLoop) {
  const std::pair<int16_t, int>  cases[] = {{300, 0}, {301, 0}, {302, 2}, {303, 1}, {304, 0}, {0, 0}, {-1, 0}, {1, 0}};
  for (const auto& [result, flags] : cases) EXPECT_EQ(GN_ResultFlags(result), flags) << result;
  // A callback's stray answer is passed on as "nothing".
  static int16_t answer;
  GNHotRegion region{10, 20, 30, 40, [](const GNMessage*) { return answer; }, 5};
  GNMessage m{};
  for (int16_t a : {int16_t{299}, int16_t{301}, int16_t{302}, int16_t{303}, int16_t{304}, int16_t{0}}) {
    answer = a;
    const int16_t want = (a >= 301 && a <= 303) ? a : int16_t{300};
    EXPECT_EQ(GN_SendRegionMessage(&region, &m, GN_MSG_PRESS, 15, 27), want) << a;
  }
  EXPECT_EQ(m.code, GN_MSG_PRESS);
  EXPECT_EQ(m.regionId, 5);
  EXPECT_EQ(m.pointerX, 5);
  EXPECT_EQ(m.pointerY, 7);
  EXPECT_EQ(GN_SendRegionMessage(nullptr, &m, GN_MSG_ENTER, 0, 0), GN_RESULT_NONE);
  GNHotRegion other = region;
  EXPECT_TRUE(GN_RegionsEqual(&region, &other));
  EXPECT_TRUE(GN_RegionsEqual(nullptr, nullptr));
  EXPECT_FALSE(GN_RegionsEqual(&region, nullptr));
  other.regionId = 6;
  EXPECT_FALSE(GN_RegionsEqual(&region, &other));
}

TEST(GNMapSteps, TheAnchorMovesByTheJustification) {
  struct Case {
    uint8_t justification;
    int x, y;
  };
  const Case cases[] = {{0x00, 100, 50}, {0x44, 100, 50}, {0x05, 115, 50}, {0x06, 131, 50},
                        {0x50, 100, 60}, {0x60, 100, 71}, {0x55, 115, 60}, {0x66, 131, 71}};
  for (const Case& c : cases) {
    int x = 100, y = 50;
    GN_JustifyPoint(&x, &y, 31, 21, c.justification);
    EXPECT_EQ(x, c.x) << int(c.justification);
    EXPECT_EQ(y, c.y) << int(c.justification);
  }
}

// Which items each pass selects, seen in the regions it collects.
TEST_F(GNMapTest, ThePassFlagsSelectTheItems) {
  static constexpr GNDisplayItem map[] = {Id(1), Hot(0, 0, 10, 10, GN_PASS_STATIC),
                                          Id(2), Hot(0, 0, 10, 10, GN_PASS_DYNAMIC),
                                          Id(3), Hot(0, 0, 10, 10, GN_PASS_BOTH),
                                          kEnd};
  struct Case {
    uint8_t flags;
    std::vector<int> ids;
  };
  const Case cases[] = {{GN_COLLECT_REGIONS, {}},
                        {GN_DRAW_DYNAMIC | GN_COLLECT_REGIONS, {2, 3}},
                        {GN_DRAW_STATIC | GN_COLLECT_REGIONS, {1, 3}},
                        {GN_DRAW_STATIC | GN_DRAW_DYNAMIC | GN_COLLECT_REGIONS, {1, 2, 3}},
                        {GN_DRAW_STATIC | GN_DRAW_DYNAMIC, {}}};
  for (const Case& c : cases) {
    GN_ClearRegions();
    DisplayGNMap(map, c.flags);
    std::vector<int> ids;
    for (int i = 0; i < GN_RegionCount(); ++i) ids.push_back(GN_RegionAt(i)->regionId);
    EXPECT_EQ(ids, c.ids) << int(c.flags);
  }
}

// Auto buttons: behind items of at least 8 x 8, in the dynamic pass only,
// not under "draw nothing".
TEST_F(GNMapTest, AutoButtonsAreDrawnBehindItemsOfEightByEightInTheDynamicPass) {
  static constexpr GNDisplayItem empty[] = {kEnd};
  static constexpr GNDisplayItem map[] = {Setting(GN_ITEM_AUTO_BUTTON, 5),
                                          Hot(100, 100, 8, 8, GN_PASS_BOTH),
                                          Hot(200, 100, 7, 8, GN_PASS_BOTH),
                                          Hot(300, 100, 8, 7, GN_PASS_BOTH),
                                          Setting(GN_ITEM_FLAGS, GN_FLAG_DRAW_NOTHING),
                                          Hot(400, 100, 8, 8, GN_PASS_BOTH),
                                          Setting(GN_ITEM_FLAGS, 0),
                                          Setting(GN_ITEM_AUTO_BUTTON, 0),
                                          Hot(500, 100, 8, 8, GN_PASS_BOTH),
                                          kEnd};
  Open(empty);
  for (uint8_t pass : {GN_DRAW_STATIC, GN_DRAW_DYNAMIC}) {
    GN_StartDrawing();
    DisplayGNMap(map, pass);
    const bool dynamic = pass == GN_DRAW_DYNAMIC;
    EXPECT_EQ(DiffersFromBackground(100, 100, 8, 8), dynamic) << int(pass);
    EXPECT_FALSE(DiffersFromBackground(200, 100, 8, 8)) << int(pass);
    EXPECT_FALSE(DiffersFromBackground(300, 100, 8, 8)) << int(pass);
    EXPECT_FALSE(DiffersFromBackground(400, 100, 8, 8)) << int(pass);
    EXPECT_FALSE(DiffersFromBackground(500, 100, 8, 8)) << int(pass);
    GN_EndDrawing();
  }
  Close();
}

// Flags: bit 0 keeps the following items cold, bit 1 draws nothing but lets
// the settings through; a number of -32768 is not drawn but is hot; the
// regions keep the item's box whatever the justification.
TEST_F(GNMapTest, ItemFlagsAndTheHiddenNumber) {
  static constexpr GNDisplayItem empty[] = {kEnd};
  static const int16_t hidden = -32768, shown = 7;
  static const GNDisplayItem map[] = {
      Setting(GN_ITEM_FLAGS, GN_FLAG_NOT_HOT),
      Item(GN_ITEM_BUTTON, GN_DATA_VALUE, GN_PASS_DYNAMIC, 20, 20, 60, 30, 1, Record),
      Setting(GN_ITEM_FLAGS, GN_FLAG_DRAW_NOTHING),
      Setting(GN_ITEM_REGION_ID, 7),
      Setting(GN_ITEM_JUSTIFY, 0x55),
      Item(GN_ITEM_BUTTON, GN_DATA_VALUE, GN_PASS_DYNAMIC, 120, 20, 60, 30, 1, Record),
      Setting(GN_ITEM_FLAGS, 0),
      Item(GN_ITEM_NUMBER, GN_DATA_VALUE_VAR, GN_PASS_DYNAMIC, 220, 20, 60, 30, &hidden, Record),
      Item(GN_ITEM_NUMBER, GN_DATA_VALUE_VAR, GN_PASS_DYNAMIC, 320, 20, 60, 30, &shown, Record),
      Hot(420, 20, 0, 30),
      kEnd};
  Open(empty);
  GN_StartDrawing();
  GN_ClearRegions();
  DisplayGNMap(map, GN_DRAW_DYNAMIC | GN_COLLECT_REGIONS);
  EXPECT_TRUE(DiffersFromBackground(20, 20, 60, 30));    // drawn, not hot
  EXPECT_FALSE(DiffersFromBackground(120, 20, 60, 30));  // hot, not drawn
  EXPECT_FALSE(DiffersFromBackground(220, 20, 60, 30));  // the hidden number
  EXPECT_TRUE(DiffersFromBackground(320, 20, 60, 30));
  ASSERT_EQ(GN_RegionCount(), 3);
  const int xs[] = {120, 220, 320};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(GN_RegionAt(i)->x, xs[i]);
    EXPECT_EQ(GN_RegionAt(i)->y, 20);
    EXPECT_EQ(GN_RegionAt(i)->w, 60);
    EXPECT_EQ(GN_RegionAt(i)->regionId, 7);
  }
  GN_EndDrawing();
  Close();
}

std::vector<int> gCustomCalls;
void CustomDraw(int x, int y, int w, int h) { gCustomCalls.insert(gCustomCalls.end(), {x, y, w, h}); }

TEST_F(GNMapTest, ACustomItemDrawsInTheDynamicPassOnly) {
  static constexpr GNDisplayItem empty[] = {kEnd};
  static constexpr GNDisplayItem map[] = {
      Item(GN_ITEM_CUSTOM, GN_DATA_DRAW, GN_PASS_BOTH, 1, 2, 3, 4, GNDrawFunc(CustomDraw)), kEnd};
  Open(empty);
  gCustomCalls.clear();
  GN_StartDrawing();
  DisplayGNMap(map, GN_DRAW_STATIC);
  EXPECT_TRUE(gCustomCalls.empty());
  DisplayGNMap(map, GN_DRAW_DYNAMIC);
  EXPECT_EQ(gCustomCalls, (std::vector<int>{1, 2, 3, 4}));
  GN_EndDrawing();
  Close();
}

TEST_F(GNMapTest, MalformedMapsStopNamingTheWalker) {
  static constexpr GNDisplayItem customValue[] = {Item(GN_ITEM_CUSTOM, GN_DATA_VALUE, GN_PASS_BOTH, 0, 0, 9, 9, 5),
                                                  kEnd};
  static constexpr GNDisplayItem customNone[] = {Item(GN_ITEM_CUSTOM, GN_DATA_DRAW, GN_PASS_BOTH, 0, 0, 9, 9), kEnd};
  static constexpr GNDisplayItem badKind[] = {Item(GN_ITEM_NOTHING, 8, GN_PASS_BOTH, 0, 0, 9, 9), kEnd};
  static constexpr GNDisplayItem badType[] = {Item(16, GN_DATA_NONE, GN_PASS_BOTH, 0, 0, 9, 9), kEnd};
  struct Case {
    const GNDisplayItem* map;
    const char* message;
  };
  const Case cases[] = {
      {customValue, "Abort error: DisplayGNMap\\(\\): custom item without a drawing function"},
      {customNone, "Abort error: DisplayGNMap\\(\\): custom item without a drawing function"},
      {badKind, "Abort error: DisplayGNMap\\(\\): unknown data type"},
      {badType, "Abort error: DisplayGNMap\\(\\): unknown type"},
  };
  for (const Case& c : cases) EXPECT_FATAL(DisplayGNMap(c.map, GN_DRAW_DYNAMIC), c.message);
  // A second map while one is current.
  static constexpr GNDisplayItem empty[] = {kEnd};
  Open(empty);
  EXPECT_FATAL(GN_MenuInit(empty), "Abort error: GN_MenuInit\\(\\): already initialised");
  Close();
}

TEST_F(GNMapTest, AMenuRunsInsideItsSetOfMenus) {
  Open(kHoverMap);
  EXPECT_EQ(GN_CurrentMap(), kHoverMap);
  EXPECT_EQ(GN_GetLayerState(), GN_STATE_MENU);
  EXPECT_EQ(GN_RegionCount(), 0);  // the static pass collects none
  GN_MenuRedraw();
  EXPECT_EQ(GN_RegionCount(), 5);
  GN_MenuRedraw();
  EXPECT_EQ(GN_RegionCount(), 5);  // emptied before each redraw
  Close();
  EXPECT_EQ(GN_CurrentMap(), nullptr);
  EXPECT_EQ(GN_RegionCount(), 0);
  EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);
}

// The same map and loop in game, on a stand-alone 800 x 600 game screen.
class GNMapInGameTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  std::vector<uint8_t> saved = std::vector<uint8_t>(static_cast<size_t>(GN_AREA_WIDTH) * GN_AREA_HEIGHT);
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_gnmap_ingame");
    InitMemory(9500);
    gLoop = LoopDriver{};
  }
  void TearDown() override {
    ApplyButtons(0);
    scratch.reset();
    EngineTest::TearDown();
  }
  bool Start() {
    if (!StartBuiltGameDisplay()) return false;
    PlatSetVirtualAutoAdvance(true);  // a frame waits for the next tick
    if (!GNInGame_OpenStandaloneScreen(800, 600)) return false;
    if (MouseDriverState() == 1) ResetMouseDriver();
    GNInGame_SetSaveBuffer(saved.data());
    return true;
  }
};

// An in-game pointer step: the kept position, set between two frames.
void InGameLoopPoll() {
  const uint32_t now = TimerTicks.load();
  while (gLoop.next < gLoop.steps.size() && gLoop.start + gLoop.steps[gLoop.next].tick <= now) {
    const PointerStep& s = gLoop.steps[gLoop.next++];
    GNInGame_SetPointer(static_cast<int16_t>(s.x), static_cast<int16_t>(s.y));
    ApplyButtons(s.buttons);
  }
  if (now > gLoop.deadline && !gLoop.timedOut) {
    gLoop.timedOut = true;
    ApplyButtons(0);
    GNInGame_SetPointer(1, 1);
  }
}

TEST_F(GNMapInGameTest, TheMapIsDrawnAndServedOverTheMatch) {
  if (!Start()) GTEST_SKIP() << "no built game data or 800 x 600 mode";
  static constexpr GNDisplayItem map[] = {
      Item(GN_ITEM_STATIC_TITLE, GN_DATA_STRING, GN_PASS_STATIC, 0, 0, 0, 0, "Regions"),
      Id(1), Item(GN_ITEM_BUTTON, GN_DATA_VALUE, GN_PASS_DYNAMIC, 100, 100, 100, 50, 1, Record),
      Item(GN_ITEM_TEXT_BOX, GN_DATA_STRING, GN_PASS_DYNAMIC, 300, 100, 120, 80,
           "A box of words long enough to wrap over several lines in game"),
      kEscape[0], kEscape[1], kEnd};
  GN_Init(GN_ENV_IN_GAME);
  GN_StartSetOfMenus();
  GN_MenuInit(map);
  GN_MenuRedraw();
  EXPECT_EQ(GN_RegionCount(), 2);
  GNInGame_SetPointer(620, 460);  // off every region
  gLoop.steps = {{4, 150, 120, 0}, {8, 150, 120, 1}, {12, 150, 120, 0}, {16, 1, 1, 0}};
  gLoop.start = TimerTicks.load();
  gLoop.deadline = gLoop.start + 600;
  const int16_t poll = AddPollFunction(InGameLoopPoll, 1, 0);
  while (GN_MenuLoop() != 1) GN_MenuRedraw();
  RemovePollFunction(poll);
  EXPECT_FALSE(gLoop.timedOut);
  const std::vector<std::pair<int, int>> want = {{200, 1}, {202, 1}, {203, 1}, {201, 1}, {200, kEscapeId}};
  EXPECT_EQ(Codes(), want);
  EXPECT_EQ(gLoop.received[0].pointerX, 50);
  EXPECT_EQ(gLoop.received[0].pointerY, 20);
  GN_MenuUninit();
  GN_EndSetOfMenus();
  GN_Uninit();
  GNInGame_SetSaveBuffer(nullptr);
  GNInGame_CloseStandaloneScreen();
}

}  // namespace
