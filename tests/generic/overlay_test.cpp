#include "generic/overlay.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/motion.h"
#include "gamecode/matchres.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "generic/hud.h"
#include "generic/pccamera.h"
#include "menus/kittab.h"
#include "season/simmatch.h"
#include "render256/swcamera.h"
#include "engine/mem_win.h"
#include "menus/machine.h"
#include "menus/menupc.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"

namespace {

class OverlayTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 1);
    SetCameraProjection(OVERLAY_SCREEN_WIDTH, OVERLAY_SCREEN_HEIGHT, 8.0 * OVERLAY_SCREEN_WIDTH,
                        8.0 * OVERLAY_SCREEN_HEIGHT);
    Camera_ResetAll();
    UpdateCamera();
    for (int object = 0; object < MATCH_OBJECTS; ++object) {
      MatchObjects[object].offPitch = 1;
      RenderObjects[object].motion = -1;
    }
  }
  // A player standing on the pitch where the overview camera sees him.
  static void PutOnPitch(int player, int x, int y) {
    MatchObject& o = MatchObjects[player];
    o.offPitch = 0;
    o.onBench = 0;
    o.x = static_cast<int16_t>(x);
    o.y = static_cast<int16_t>(y);
    RenderObjects[player].x = static_cast<float>(x);
    RenderObjects[player].y = static_cast<float>(y);
    RenderObjects[player].height = 0;
    RenderObjects[player].motion = 0;
  }
};

TEST_F(OverlayTest, ClicksFollowAndUnfollowInTurn) {
  struct Case {
    std::vector<int> clicks;
    int first, second, turn;
  };
  const Case cases[] = {
      {{5}, 5, -1, 0},
      {{5, 5}, -1, -1, 0},           // a second click stops following him
      {{5, 20}, 5, 20, 0},
      {{5, 20, 20}, 5, -1, 0},
      {{5, 20, 7}, 7, 20, 1},        // a third replaces the slot whose turn it is
      {{5, 20, 7, 9}, 7, 9, 0},      // and the turn alternates
      {{5, 20, 7, 9, 11}, 11, 9, 1},
      {{5, 20, 5, 9}, 9, 20, 0},     // an emptied slot is taken before any turn
      {{-1, 32, 40}, -1, -1, 0},     // no player: nothing changes
  };
  for (const Case& c : cases) {
    Overlay_Reset();
    for (int player : c.clicks) Overlay_ToggleFollow(player);
    std::string where = "clicks " + std::to_string(c.clicks.size()) + " first " + std::to_string(c.clicks[0]);
    EXPECT_EQ(Overlay_FollowedPlayer(0), c.first) << where;
    EXPECT_EQ(Overlay_FollowedPlayer(1), c.second) << where;
    EXPECT_EQ(Overlay_FollowTurn(), c.turn) << where;
  }
}

TEST_F(OverlayTest, OnlyAFollowedPlayerOnThePitchGetsALabel) {
  PutOnPitch(3, Pitch.centreX, Pitch.centreY);
  int x = -1, y = -1;
  ASSERT_TRUE(Overlay_LabelPosition(3, &x, &y));
  EXPECT_GE(x, 0);
  EXPECT_LT(x, OVERLAY_SCREEN_WIDTH);
  EXPECT_GE(y, 0);
  EXPECT_LT(y, OVERLAY_SCREEN_HEIGHT);

  struct Case {
    const char* what;
    void (*change)(int player);
  };
  const Case cases[] = {
      {"sent to the bench", [](int p) { MatchObjects[p].onBench = 1; }},
      {"off the pitch", [](int p) { MatchObjects[p].offPitch = 1; }},
      {"dismissed (hidden)", [](int p) { RenderObjects[p].motion = -1; }},
      {"far outside the view", [](int p) { RenderObjects[p].x = -40000.0f; }},
  };
  for (const Case& c : cases) {
    PutOnPitch(3, Pitch.centreX, Pitch.centreY);
    c.change(3);
    EXPECT_FALSE(Overlay_LabelPosition(3, &x, &y)) << c.what;
  }
  EXPECT_FALSE(Overlay_LabelPosition(32, &x, &y)) << "the referee is no player";
  EXPECT_FALSE(Overlay_LabelPosition(-1, &x, &y));
}

TEST_F(OverlayTest, TheViewsFindWinsAndTheSecondSideOverTheFirst) {
  PutOnPitch(4, Pitch.centreX, Pitch.centreY);
  PutOnPitch(21, Pitch.centreX, Pitch.centreY);
  int x, y;
  ASSERT_TRUE(Overlay_LabelPosition(4, &x, &y));
  EXPECT_EQ(Overlay_FindPlayerAt(x, y), 21);
  MatchObjects[21].offPitch = 1;
  EXPECT_EQ(Overlay_FindPlayerAt(x + 2, y + 2), 4);
  EXPECT_EQ(Overlay_FindPlayerAt(x + 40, y + 40), -1) << "beyond the pick distance";
}

TEST_F(OverlayTest, PopUpOfASecondSidePlayerIsRightAligned) {
  std::memcpy(MatchObjects[20].name, "Keane", 6);
  PopUp_CreatePlayerInfo(20);
  const PopUpList& list = PopUp_GetList();
  ASSERT_EQ(list.count, 8);
  EXPECT_STREQ(list.lines[0].text, "Keane");
  EXPECT_EQ(list.lines[0].font, 1);
  EXPECT_EQ(std::string(list.lines[1].text).rfind("Player Type: ", 0), 0u);
  EXPECT_EQ(list.lines[2].font, 0);
  EXPECT_EQ(+list.height, 2 + 12 * 8);
  EXPECT_GE(+list.width, 10);
  EXPECT_EQ(PopUp_BoxX(20, list.width), OVERLAY_SCREEN_WIDTH - list.width - 12);
  EXPECT_EQ(PopUp_BoxX(31, 100), OVERLAY_SCREEN_WIDTH - 112);
  EXPECT_EQ(PopUp_BoxX(15, 100), 12);
  EXPECT_EQ(PopUp_BoxX(0, 100), 12);
}

TEST_F(OverlayTest, PopUpLinesKeepSixtyThreeCharactersAndThirtyTwoLines) {
  PopUp_Clear();
  PopUp_AddLine("%s", std::string(200, 'x').c_str());
  EXPECT_EQ(std::strlen(PopUp_GetList().lines[0].text), 63u);
  for (int i = 1; i < POPUP_MAX_LINES; ++i) PopUp_AddLine("%d", i);
  EXPECT_EQ(PopUp_GetList().count, POPUP_MAX_LINES);
  EXPECT_STREQ(PopUp_GetList().lines[31].text, "31");
  EXPECT_FATAL(PopUp_AddLine("one more"), "Error: PopUplist to small");
  PopUp_Clear();
  EXPECT_FATAL(PopUp_SizeBox(), "ERROR: PopUp_CreatePlayerInfo\\(\\) bad box size");
}

TEST_F(OverlayTest, KitColoursThroughPercentages) {
  struct Case {
    int r, g, b;
    uint16_t expected;
  };
  const Case cases[] = {
      {0, 0, 0, 0},          {255, 255, 255, 0xFFFF}, {255, 0, 0, 0xF800},
      {0, 255, 0, 0x07E0},   {0, 0, 255, 0x001F},     {128, 128, 128, 15 * 2048 + 31 * 32 + 15},
      {3, 3, 3, 0},  // 1 percent is no step of either scale
  };
  for (const Case& c : cases)
    EXPECT_EQ(Overlay_KitColour565(c.r, c.g, c.b), c.expected) << c.r << "," << c.g << "," << c.b;
}

TEST_F(OverlayTest, TeamColoursComeFromTheKitDesigns) {
  uint8_t* setup = GetMatchSetupRecord();
  const int16_t colours[2][3] = {{1, 2, 3}, {4, 5, 99}};  // 99 is no kit colour
  for (int side = 0; side < 2; ++side)
    for (int slot = 0; slot < 3; ++slot)
      StoreI16(setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_KIT + 16 + 2 * slot, colours[side][slot]);
  Overlay_TakeTeamColours();
  auto of = [](int c) { return Overlay_KitColour565(KitRGB[c][0], KitRGB[c][1], KitRGB[c][2]); };
  EXPECT_EQ(Overlay_GetTeamColour1(0), of(1));
  EXPECT_EQ(Overlay_GetTeamColour2(0), of(2));
  EXPECT_EQ(Overlay_GetTeamColour3(0), of(3));
  EXPECT_EQ(Overlay_GetTeamColour1(1), of(4));
  EXPECT_EQ(Overlay_GetTeamColour2(1), of(5));
  EXPECT_EQ(Overlay_GetTeamColour3(1), of(0));
}

TEST_F(OverlayTest, PacingSkipsAtMostOneFrameInTwentyOfTheSpeed) {
  StartWindowAndTimer();
  PlatSetVirtualAutoAdvance(true);
  struct Case {
    int index, maxSkipped;
  };
  for (const Case& c : {Case{0, 2}, Case{2, 12}, Case{6, 62}}) {
    Overlay_Reset();
    Overlay_SetSpeedIndex(c.index);
    TimerTicks.store(TimerTicks.load() + 100000);  // far behind
    int skipped = 0;
    while (!Overlay_PaceFrame()) ++skipped;
    EXPECT_EQ(skipped, c.maxSkipped) << "speed index " << c.index;
    EXPECT_EQ(Overlay_SkippedFrames(), 0);
  }
  // On time: every frame is drawn, each waiting for its tick.
  Overlay_Reset();
  Overlay_SetSpeedIndex(0);
  Overlay_StartPacing();
  ASSERT_TRUE(Overlay_PaceFrame());
  const uint32_t start = TimerTicks.load();
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Overlay_PaceFrame());
  EXPECT_EQ(TimerTicks.load() - start, 10u) << "50 frames per 100 ticks";
  // Above a frame a tick the rate is kept by skipping: 250 frames per 100
  // ticks, most of them drawn.
  Overlay_SetSpeedIndex(2);
  Overlay_StartPacing();
  const uint32_t from = TimerTicks.load();
  int drawn = 0;
  for (int i = 0; i < 250; ++i) drawn += Overlay_PaceFrame();
  EXPECT_NEAR(static_cast<double>(TimerTicks.load() - from), 100.0, 1.0);
  EXPECT_GE(drawn, 100);
  Overlay_SetSpeedIndex(9);
  EXPECT_EQ(Overlay_SpeedIndex(), OVERLAY_SPEED_COUNT - 1);
}

TEST_F(OverlayTest, HeatMapsLieWherePlayersPlayedInEitherHalf) {
  MatchState = STATE_OPEN_PLAY;
  for (int p : {0, 1}) {
    ClearHeatMaps();
    period = static_cast<int8_t>(p);
    const int x = Pitch.minX + 3 * Pitch.width / HEAT_WIDTH_ZONES + 10;
    const int y = Pitch.minY + 2 * Pitch.length / HEAT_LENGTH_ZONES + 10;
    PutOnPitch(6, x, y);
    UpdateHeatMaps(GetMatchResultRecord());
    EXPECT_EQ(Overlay_HeatCount(6, 2, 3), 1) << "period " << p;
    EXPECT_EQ(Overlay_HeatCount(6, HEAT_LENGTH_ZONES - 3, HEAT_WIDTH_ZONES - 4), 0) << "period " << p;
  }
  EXPECT_EQ(Overlay_HeatCount(6, -1, 0), 0);
  EXPECT_EQ(Overlay_HeatCount(40, 0, 0), 0);
  struct Case {
    int32_t count;
    int percent;
  };
  for (const Case& c : {Case{1, 25}, Case{99, 25}, Case{100, 50}, Case{499, 50}, Case{500, 75}, Case{90000, 75}})
    EXPECT_EQ(Overlay_HeatOpacity(c.count), c.percent) << c.count;
}

TEST_F(OverlayTest, DiagramsPutTheLowGoalSideAtTheTop) {
  uint8_t* formation = Football_GetTeamFormation(0);
  StoreI16(formation + 4 * TACTICS_SLOT_SIZE + TACTICS_SLOT_X, 5);
  StoreI16(formation + 4 * TACTICS_SLOT_SIZE + TACTICS_SLOT_Y, 6);
  struct Case {
    int lowGoalSide, slot, x, y;
  };
  const Case cases[] = {
      {0, 0, 12 + 42, 3}, {1, 0, 12 + 42, 123}, {0, 4, 12 + 87 - 30, 45}, {1, 4, 12 + 87 - 30, 123 - 42}};
  for (const Case& c : cases) {
    LowGoalSide = static_cast<uint8_t>(c.lowGoalSide);
    int x, y;
    Overlay_DiagramPosition(0, c.slot, &x, &y);
    EXPECT_EQ(x, c.x) << c.lowGoalSide << "/" << c.slot;
    EXPECT_EQ(y, c.y) << c.lowGoalSide << "/" << c.slot;
  }
  LowGoalSide = 0;
  int x, y;
  Overlay_DiagramPosition(1, 0, &x, &y);
  EXPECT_EQ(x, OVERLAY_SCREEN_WIDTH - 102 + 42);
  EXPECT_EQ(y, 123);
}

TEST_F(OverlayTest, HotSpotsAndTheMatchDispatch) {
  struct Case {
    int n, x, y;
    bool hit;
  };
  const Case cases[] = {{7, 3, 444, true},    {7, 34, 459, true},  {7, 35, 444, false}, {8, 3, 460, true},
                        {8, 3, 480, false},   {10, 510, 445, true}, {10, 609, 474, true}, {10, 610, 445, false},
                        {6, 3, 444, false},   {11, 3, 444, false}};
  for (const Case& c : cases) EXPECT_EQ(Overlay_HotSpotHit(c.n, c.x, c.y), c.hit) << c.n << " " << c.x << "," << c.y;
  MatchSeams_Reset();
  EXPECT_EQ(MatchSeams.overlayCreate, &Overlay_Create);
  EXPECT_EQ(MatchSeams.overlayUpdateCamera, &Overlay_UpdateCamera);
  EXPECT_EQ(MatchSeams.overlayDrawFrame, &Overlay_DrawFrame);
  EXPECT_EQ(MatchSeams.overlayDestroy, &Overlay_Destroy);
}

TEST_F(OverlayTest, OverlayTableDrawsBodiesAndTheBall) {
  int types = 0;
  while (OverlayObjectTypes[types].count != nullptr) ++types;
  ASSERT_EQ(types, 2);
  EXPECT_EQ(OverlayObjectTypes[0].count(), 35);
  EXPECT_EQ(OverlayObjectTypes[0].prePass, nullptr);
  EXPECT_EQ(OverlayObjectTypes[1].count(), 1);
  EXPECT_NE(OverlayObjectTypes[1].prePass, nullptr);
  PutOnPitch(OBJECT_BALL, Pitch.centreX, Pitch.centreY);
  EXPECT_EQ(OverlayObjectTypes[1].depth(0), PlayerDepth(OBJECT_BALL));
}

// The view made in the menu screen of the headless display, drawn and freed.
class OverlayScreenTest : public OverlayTest {
 protected:
  std::unique_ptr<ScratchDir> scratch_;
  void SetUp() override {
    OverlayTest::SetUp();
    scratch_ = std::make_unique<ScratchDir>("overlay");
    InitMemory(9500);
    menutest::OpenDisplayForMenus();
    menutest::MountGeneratedHdPak(true);
  }
  void TearDown() override {
    if (IsMenuSystemOpen()) UninitSetOfMenus();
    EngineTest::TearDown();
    scratch_.reset();
  }
};

TEST_F(OverlayScreenTest, MadeDrawnAndFreedWhole) {
  LoadMotions();  // the match run's, not the view's
  const MemoryStats before = GetMemoryStats();
  Overlay_Create();
  ASSERT_TRUE(Overlay_IsCreated());
  EXPECT_TRUE(IsMenuSystemOpen());
  for (int n = 0; n < OVERLAY_HOTSPOTS; ++n) {
    const HotSpotRect r = HotSpot_Get(OVERLAY_HOTSPOT_FIRST + n);
    EXPECT_EQ(r.x, OverlayHotSpots[n].x) << n;
    EXPECT_EQ(r.y, OverlayHotSpots[n].y) << n;
    EXPECT_EQ(r.width, OverlayHotSpots[n].width) << n;
    EXPECT_EQ(r.height, OverlayHotSpots[n].height) << n;
  }
  for (int player : {2, 7, 18}) PutOnPitch(player, Pitch.centreX + 40 * player, Pitch.centreY - 30 * player);
  PutOnPitch(OBJECT_BALL, Pitch.centreX, Pitch.centreY);
  Overlay_ToggleFollow(2);
  Overlay_ToggleFollow(18);
  MatchState = STATE_OPEN_PLAY;
  UpdateHeatMaps(GetMatchResultRecord());

  std::vector<uint16_t> first(OVERLAY_SCREEN_WIDTH * OVERLAY_SCREEN_HEIGHT, 0x1234), second(first.size());
  ASSERT_TRUE(Overlay_DrawPicture(first.data()));
  ASSERT_TRUE(Overlay_DrawPicture(second.data()));
  EXPECT_EQ(first, second) << "the same records draw the same picture";
  int distinct = 0;
  for (size_t i = 1; i < first.size() && distinct < 3; ++i) distinct += first[i] != first[i - 1];
  EXPECT_GE(distinct, 3);

  // One of the day's other results, due from the kick-off: the view's frames
  // run the goal ticker, which puts it on show.
  MatchEventFields goal{};
  goal.kind = 1;
  goal.minute = -1;  // stored as 0
  EncodeMatchEvent(goal, MatchEvents.events[0]);
  MatchEvents.count = 1;
  EventTicker_Reset();
  Overlay_SetSpeedIndex(0);
  Overlay_DrawFrame();  // the first shows the whole screen, which takes its time
  Overlay_StartPacing();
  for (int frame = 0; frame < 5; ++frame) {
    Overlay_UpdateCamera();
    Overlay_DrawFrame();
  }
  EXPECT_EQ(Overlay_SkippedFrames(), 0) << "on time, no frame is skipped";
  EXPECT_EQ(EventTicker_Current(), 0);
  EXPECT_TRUE(EventTicker_Showing());
  Overlay_Destroy();
  EXPECT_FALSE(Overlay_IsCreated());
  EXPECT_FALSE(IsMenuSystemOpen());
  const MemoryStats after = GetMemoryStats();
  EXPECT_EQ(after.count, before.count);
  EXPECT_EQ(after.total, before.total);
}

}  // namespace
