#include "generic/hud.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/timerint.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "render256/vidopt.h"
#include "season/simmatch.h"
#include "season/simsheet.h"
#include "menus/menupc.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"
#include "support/test_world.h"
#include "world/funcs.h"

namespace {

class HudTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    std::snprintf(MatchObjects[3].name, sizeof MatchObjects[3].name, "Smith");
    std::snprintf(MatchObjects[20].name, sizeof MatchObjects[20].name, "Jones");
  }
};

// ---- the information strip ----

TEST_F(HudTest, EveryCaptionTypeHasItsTextAndHold) {
  ScannerOn = 1;
  PlayerNamesOn = 0;
  QuickWatch = 0;
  ModelDetail = 1;
  struct Case {
    int type, a, b;
    const char* text;
    int hold;
  };
  const Case cases[] = {
      {-6, 0, 0, "Substitute", 100},
      {-5, 0, 0, "Scanner On", 100},
      {-4, 0, 0, "Player Names Off", 100},
      {-3, 0, 0, "Quick watch Off", 100},
      {-2, 0, 0, "Model Detail Medium", 100},
      {-1, 800, 600, "800 x 600", 100},
      {0, 0, 0, "Corner Kick", 150},
      {1, 0, 0, "Throw In", 150},
      {2, 0, 0, "Offside", 150},
      {3, 0, 0, "Penalty", 150},
      {4, 0, 0, "Freekick", 150},
      {5, 0, 0, "Kick Off", 150},
      {6, 3, 20, "Yellow Card for Smith", 150},
      {7, 3, 20, "Red Card for Smith", 150},
      {8, 3, 20, "Goal scored by Smith", 150},
      {9, 3, 20, "Own Goal scored by Smith", 150},
      {10, 0, 0, "Goalkick", 150},
      {11, 3, 20, "Player Off : Jones Player On : Smith", 150},
      {12, 3, 20, "Player On : Jones Handball : Smith", 150},
      {13, 0, 0, "Handball", 150},
      {14, 0, 0, "Pushing", 150},
      {15, 0, 0, "Foul", 150},
      // A number outside the match's objects names nobody.
      {6, 37, 0, "Yellow Card for ", 150},
      {11, -1, 99, "Player Off :  Player On : ", 150},
  };
  for (const Case& c : cases) {
    InfoBar(c.type, c.a, c.b);
    EXPECT_STREQ(InfoBar_GetText(), c.text) << c.type;
    EXPECT_EQ(InfoBar_GetHold(), c.hold) << c.type;
    EXPECT_EQ(InfoBar_GetType(), c.type);
  }
}

TEST_F(HudTest, SettingCaptionsFollowTheSettings) {
  struct Case {
    int type;
    int32_t value;
    const char* text;
  };
  const Case cases[] = {
      {-5, 0, "Scanner Off"},       {-4, 1, "Player Names On"},   {-3, 1, "Quick watch On"},
      {-2, 0, "Model Detail Low"},  {-2, 2, "Model Detail High"},
  };
  for (const Case& c : cases) {
    ScannerOn = PlayerNamesOn = QuickWatch = static_cast<int16_t>(c.value);
    ModelDetail = c.value;
    InfoBar(c.type, 0, 0);
    EXPECT_STREQ(InfoBar_GetText(), c.text);
  }
}

TEST_F(HudTest, AModelDetailOutsideItsValuesKeepsThePreviousCaption) {
  InfoBar(0, 0, 0);
  ModelDetail = 3;
  InfoBar(-2, 0, 0);
  EXPECT_STREQ(InfoBar_GetText(), "Corner Kick");
  EXPECT_EQ(InfoBar_GetHold(), 100);
  EXPECT_EQ(InfoBar_GetType(), -2);
  InfoBar_Update();
  EXPECT_EQ(InfoBar_GetSlidePos(), 2) << "the strip still slides in";
}

TEST_F(HudTest, CaptionsAreLoggedOnTheGeneralChannel) {
  SetDebugLevel(DEBUG_GENERAL, 10);
  testing::internal::CaptureStdout();
  InfoBar(-3, 0, 0);
  InfoBar(8, 3, 0);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("InfoBar(): type -3 \"Quick watch Off\"\n"), std::string::npos) << out;
  EXPECT_NE(out.find("InfoBar(): type 8 \"Goal scored by Smith\"\n"), std::string::npos) << out;
  SetDebugLevel(DEBUG_GENERAL, 9);
  testing::internal::CaptureStdout();
  InfoBar(-3, 0, 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(HudTest, ATypeOutsideTheTableIsFatal) {
  EXPECT_FATAL(InfoBar(-7, 0, 0), "Error: InfoBar\\(\\): unknown type \\(-7\\)");
  EXPECT_FATAL(InfoBar(16, 0, 0), "Error: InfoBar\\(\\): unknown type \\(16\\)");
}

TEST_F(HudTest, WithQuickWatchEveryCaptionHolds50Frames) {
  QuickWatch = 1;
  for (int type : {-6, -3, -1, 0, 8, 11, 15}) {
    InfoBar(type, 3, 20);
    EXPECT_EQ(InfoBar_GetHold(), INFOBAR_HOLD_QUICK) << type;
  }
}

TEST_F(HudTest, TheStripSlidesInTo98HoldsThenSlidesOut) {
  InfoBar(0, 0, 0);
  int peak = 0, frameAtPeak = -1;
  std::vector<int> slides;
  for (int frame = 0; frame < 250; ++frame) {
    InfoBar_Update();
    slides.push_back(InfoBar_GetSlidePos());
    if (slides.back() > peak) {
      peak = slides.back();
      frameAtPeak = frame;
    }
  }
  EXPECT_EQ(peak, 98);
  EXPECT_EQ(frameAtPeak, 48) << "2 a frame";
  EXPECT_EQ(slides[149], 98) << "held for its 150 frames";
  EXPECT_EQ(slides[150], 96);
  EXPECT_EQ(slides[150 + 48], 0);
  EXPECT_EQ(slides.back(), 0);
  InfoBar_Reset();
  EXPECT_EQ(InfoBar_GetSlidePos(), 0);
}

TEST_F(HudTest, TwoCaptionsInOneFrameTheSecondWinsAndTheStripStaysIn) {
  InfoBar(0, 0, 0);
  for (int frame = 0; frame < 140; ++frame) InfoBar_Update();  // 10 frames of hold left
  InfoBar(1, 0, 0);
  InfoBar(8, 3, 0);
  EXPECT_STREQ(InfoBar_GetText(), "Goal scored by Smith");
  EXPECT_EQ(InfoBar_GetHold(), 150);
  for (int frame = 0; frame < 100; ++frame) {
    InfoBar_Update();
    ASSERT_EQ(InfoBar_GetSlidePos(), 98) << frame;
  }
}

// ---- the hot spots ----

TEST_F(HudTest, HotSpotsHitTestTheirRectangleAndIgnoreNumbersOutsideTheTable) {
  HotSpot_Set(100, 200, 42, 52, 11);
  const HotSpotRect r = HotSpot_Get(11);
  EXPECT_EQ(r.x, 100);
  EXPECT_EQ(r.y, 200);
  EXPECT_EQ(r.width, 42);
  EXPECT_EQ(r.height, 52);
  struct Case {
    int x, y;
    bool hit;
  };
  const Case cases[] = {{100, 200, true}, {141, 251, true}, {142, 220, false}, {120, 252, false},
                        {99, 220, false}, {120, 199, false}};
  for (const Case& c : cases) EXPECT_EQ(HotSpot_HitTest(c.x, c.y, 11), c.hit) << c.x << "," << c.y;
  for (int n : {-1, 22, 1000}) {
    HotSpot_Set(0, 0, 640, 480, n);
    EXPECT_FALSE(HotSpot_HitTest(10, 10, n));
    EXPECT_EQ(HotSpot_Get(n).width, 0);
  }
  for (int n = 0; n < HOTSPOT_COUNT; ++n)
    if (n != 11) {
      EXPECT_FALSE(HotSpot_HitTest(10, 10, n)) << n;
    }
}

// ---- the event ticker ----

int32_t gSeconds = 0;

struct Event {
  int kind, club, goals, stored, sequence, swap;
  int32_t player;
  int otherClub, otherGoals, carry, otherCarry;
};

void Add(const Event& e) {
  MatchEventFields f{};
  f.kind = e.kind;
  f.club = e.club;
  f.goals = e.goals;
  f.minute = e.stored - 1;
  f.sequence = e.sequence;
  f.side = e.swap;
  f.player = e.player;
  f.otherClub = e.otherClub;
  f.otherGoals = e.otherGoals;
  f.firstLegGoals = e.carry;
  f.otherFirstLegGoals = e.otherCarry;
  EncodeMatchEvent(f, MatchEvents.events[MatchEvents.count++]);
}

Event Goal(int stored, int sequence = 0) { return Event{1, 0, 1, stored, sequence, 0, 4, 1, 0, 0, 0}; }

class EventTickerTest : public HudTest {
 protected:
  void SetUp() override {
    HudTest::SetUp();
    ResetWorld();
    BuildTestWorld();
    gSeconds = 0;
    MatchSeams.matchTimeSeconds = [] { return gSeconds; };
    TimerTicks.store(1000);
  }
  void TearDown() override {
    ResetWorld();
    HudTest::TearDown();
  }
  static std::string Club(int club) { return GNW_GetClubName(GNW_GetClubDbId(static_cast<int16_t>(club))); }
};

TEST_F(EventTickerTest, AnEventOfTheCurrentMinuteIsDue) {
  Add(Goal(10));
  EventTicker_Reset();
  gSeconds = 599;
  EventTicker_Update();
  EXPECT_EQ(EventTicker_Current(), -1);
  EXPECT_FALSE(EventTicker_Showing());
  gSeconds = 600;
  EventTicker_Update();
  EXPECT_EQ(EventTicker_Current(), 0);
  EXPECT_TRUE(EventTicker_Showing());
  EXPECT_EQ(EventTicker_EndTick(), 1400u);
  EXPECT_STREQ(EventTicker_Text(), (Club(0) + " 1  " + Club(1) + " 0   Striker 10").c_str());
}

TEST_F(EventTickerTest, ABoxStays400TicksAndOneFrame) {
  Add(Goal(1));
  Add(Goal(1, 1));
  EventTicker_Reset();
  gSeconds = 60;
  EventTicker_Update();
  ASSERT_EQ(EventTicker_Current(), 0);
  EventLineParts parts;
  for (uint32_t tick : {1000u, 1399u, 1400u}) {
    TimerTicks.store(tick);
    EventTicker_Update();
    EXPECT_EQ(EventTicker_Current(), 0) << tick;
    EXPECT_TRUE(EventBox_Begin(0, &parts)) << tick;
    EXPECT_TRUE(EventTicker_Showing()) << tick;
  }
  TimerTicks.store(1401);
  EXPECT_TRUE(EventBox_Begin(0, &parts)) << "drawn in the frame it ends";
  EXPECT_FALSE(EventTicker_Showing());
  EXPECT_FALSE(EventBox_Begin(0, &parts));
  // The next due event follows in the next frame.
  EventTicker_Update();
  EXPECT_EQ(EventTicker_Current(), 1);
  EXPECT_EQ(EventTicker_EndTick(), 1801u);
}

TEST_F(EventTickerTest, SeveralDueEventsShowOneAfterAnotherInMinuteOrder) {
  Add(Goal(30, 2));
  Add(Goal(5, 0));
  Add(Goal(20, 1));
  Add(Goal(80, 3));
  EventTicker_Reset();
  gSeconds = 45 * 60;
  std::vector<int> minutes;
  EventLineParts parts;
  for (int box = 0; box < 4; ++box) {
    EventTicker_Update();
    const int event = EventTicker_Current();
    if (!EventTicker_Showing()) break;
    minutes.push_back(LoadU32(MatchEvents.events[event]) >> 15 & 0xFF);
    TimerTicks.store(EventTicker_EndTick() + 1);
    EventBox_Begin(event, &parts);
  }
  EXPECT_EQ(minutes, (std::vector<int>{5, 20, 30})) << "the 80th minute is not due yet";
  EXPECT_EQ(EventTicker_NextIndex(), 3);
}

TEST_F(EventTickerTest, AnEmptyListShowsNothing) {
  EventTicker_Reset();
  gSeconds = 90 * 60;
  EventTicker_Update();
  EXPECT_EQ(EventTicker_Current(), -1);
  EXPECT_EQ(EventTicker_NextDue(200), -1);
  EXPECT_STREQ(EventTicker_Text(), "");
}

TEST_F(EventTickerTest, KindsOutsideOneToSixArePassedOver) {
  Event empty = Goal(2);
  empty.kind = 7;
  Event none = Goal(3);
  none.kind = 0;
  Add(empty);
  Add(none);
  Add(Goal(4));
  EventTicker_Reset();
  gSeconds = 5 * 60;
  EventTicker_Update();
  EXPECT_EQ(EventTicker_Current(), 2);
  EventLineParts parts;
  EXPECT_FALSE(EventLineOf(0, &parts));
  EXPECT_FALSE(EventLineOf(1, &parts));
  // An empty record alone shows nothing and ends nothing.
  MatchEvents.count = 0;
  Add(empty);
  EventTicker_Reset();
  EventTicker_Update();
  EXPECT_EQ(EventTicker_Current(), -1);
  EXPECT_FALSE(EventTicker_Showing());
}

TEST_F(EventTickerTest, TheTickerLineByKindSwapAndAggregate) {
  struct Case {
    Event event;
    bool secondLeg;
    std::string line;
  };
  const std::string a = Club(0), b = Club(1);
  const Case cases[] = {
      {{1, 0, 2, 34, 0, 0, 4, 1, 1, 0, 0}, false, a + " 2  " + b + " 1   Striker 34"},
      {{2, 0, 2, 34, 0, 0, 4, 1, 1, 0, 0}, false, a + " 2  " + b + " 1   Striker 34 Pen."},
      {{3, 0, 2, 34, 0, 0, 4, 1, 1, 0, 0}, false, a + " 2  " + b + " 1   Striker 34 o.g."},
      {{4, 0, 2, 34, 0, 0, 4, 1, 1, 0, 0}, false, a + " 2  " + b + " 1   Striker s/o 34"},
      {{5, 0, 2, 34, 0, 0, 4, 1, 1, 0, 0}, false, a + " 2  " + b + " 1   Striker Missed Pen 34"},
      {{6, 0, 2, 34, 0, 0, 4, 1, 1, 0, 0}, false, a + " 2  " + b + " 1   Striker inj 34"},
      // The swap flag shows the record's second club first.
      {{1, 0, 2, 34, 0, 1, 4, 1, 1, 0, 0}, false, b + " 1  " + a + " 2   Striker 34"},
      // Second legs: the goals with the first legs' carried.
      {{1, 0, 2, 34, 0, 0, 4, 1, 1, 1, 3}, true, a + " 2  " + b + " 1   (3-4)   Striker 34"},
      {{1, 0, 2, 34, 0, 1, 4, 1, 1, 1, 3}, true, b + " 1  " + a + " 2   (4-3)   Striker 34"},
      // A club outside the world has no name (and stops nothing).
      {{1, 251, 2, 34, 0, 0, 4, 1, 1, 0, 0}, false, " 2  " + b + " 1   Striker 34"},
      // A player outside the world has no surname.
      {{1, 0, 2, 34, 0, 0, -5, 1, 1, 0, 0}, false, a + " 2  " + b + " 1    34"},
      {{1, 0, 2, 34, 0, 0, 30000, 1, 1, 0, 0}, false, a + " 2  " + b + " 1    34"},
      {{1, 0, 2, 34, 0, 0, tw::kPlayerCount, 1, 1, 0, 0}, false, a + " 2  " + b + " 1    34"},
  };
  for (const Case& c : cases) {
    MatchEvents.count = 0;
    Add(c.event);
    if (c.secondLeg) SimSheets.flags |= SIMF_SECOND_LEG;
    else SimSheets.flags &= ~SIMF_SECOND_LEG;
    EventTicker_Reset();
    gSeconds = 90 * 60;
    EventTicker_Update();
    EXPECT_EQ(EventTicker_Text(), c.line);
  }
}

TEST_F(EventTickerTest, EventsShowOncePerMatchUnlessTheTickerIsReset) {
  Add(Goal(1));
  EventTicker_Reset();
  gSeconds = 60;
  EventTicker_Update();
  TimerTicks.store(EventTicker_EndTick() + 1);
  EventLineParts parts;
  EventBox_Begin(0, &parts);
  EventTicker_Update();
  EXPECT_FALSE(EventTicker_Showing()) << "nothing left to show";
}

TEST_F(EventTickerTest, AppendStopsAt512BytesWithTheTerminator) {
  const std::string long_(600, 'x');
  EventTicker_Append("ab");
  EventTicker_Append(long_.c_str());
  EXPECT_EQ(std::strlen(EventTicker_Text()), 511u);
  EXPECT_EQ(std::string(EventTicker_Text(), 2), "ab");
  EventTicker_Append("more");
  EXPECT_EQ(std::strlen(EventTicker_Text()), 511u);
}

// The panel of the menu-screen views on a 16-bit menu screen: the Scanner
// view's shaded box and the texts stay inside the panel's rows.
TEST_F(EventTickerTest, ThePanelDrawsInsideItsBoxOnly) {
  auto scratch = std::make_unique<ScratchDir>("hud_panel");
  InitMemory(9500);
  menutest::OpenMenuScreen(1);
  menutest::MountGeneratedHdPak();
  Add(Goal(1));
  EventTicker_Reset();
  gSeconds = 60;
  EventTicker_Update();
  ASSERT_TRUE(EventTicker_Showing());
  const int bytes = MenuBytesPerPixel();
  const size_t size = static_cast<size_t>(640 * 480 * bytes);
  for (int16_t mode : {int16_t{0}, int16_t{1}}) {
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, mode);
    std::memset(MenuBufferPixels(), 0x5A, size);
    const std::vector<uint8_t> before(MenuBufferPixels(), MenuBufferPixels() + size);
    DisplayEvent2_Panel();
    int inside = 0, outside = 0, shaded = 0;
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) {
        const size_t at = static_cast<size_t>((y * 640 + x) * bytes);
        const bool changed = std::memcmp(MenuBufferPixels() + at, before.data() + at, bytes) != 0;
        const bool inPanel = y >= 430 && y < 478;
        (inPanel ? inside : outside) += changed;
        shaded += changed && inPanel && x >= 136 && x < 140;  // the box's left edge, where no text goes
      }
    EXPECT_GT(inside, 100) << mode;
    EXPECT_EQ(outside, 0) << mode;
    EXPECT_EQ(shaded > 0, mode == 1) << "only the Scanner view shades the box";
  }
  // No box on show: nothing drawn.
  TimerTicks.store(EventTicker_EndTick() + 1);
  DisplayEvent2_Panel();
  std::memset(MenuBufferPixels(), 0x5A, size);
  DisplayEvent2_Panel();
  for (size_t i = 0; i < size; ++i) ASSERT_EQ(MenuBufferPixels()[i], 0x5A) << i;
  UninitPoll();
}

}  // namespace
