#include "render256/swframe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/mem_win.h"
#include "engine/poll.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "generic/gamesound.h"
#include "generic/hud.h"
#include "generic/matchctrl.h"
#include "generic/matchgrabs.h"
#include "generic/sfx.h"
#include "menus/gnlayer.h"
#include "menus/machine.h"
#include "render256/mgraphic.h"
#include "render256/swscreen.h"
#include "render256/vidopt.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

// A clock that only moves when a frame waits for it or the test says so.
uint32_t gNow;
std::vector<uint32_t> gWaits;
uint32_t FakeNow() { return gNow; }
void FakeWait(uint32_t tick) {
  gWaits.push_back(tick);
  if (gNow < tick) gNow = tick;
}

class SwFrameTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gNow = 1000;
    gWaits.clear();
    SwFrame_SetClock({FakeNow, FakeWait});
  }
};

// Paces `frames` frames, each drawn one costing `cost` ticks; answers the
// decisions as a string, D drawn and s skipped.
std::string Pace(int frames, uint32_t cost) {
  std::string out;
  for (int i = 0; i < frames; ++i) {
    const bool drawn = SwFrame_PaceFrame();
    out += drawn ? 'D' : 's';
    if (drawn) gNow += cost;
  }
  return out;
}

TEST_F(SwFrameTest, LateFramesAreSkippedAtMostTwiceThenOneIsDrawn) {
  struct Case {
    const char* name;
    int16_t quick;
    uint32_t cost;  // ticks a drawn frame takes
    const char* decisions;
  };
  const Case cases[] = {
      {"on time", 0, 0, "DDDDDDDD"},
      {"a frame takes exactly its two ticks", 0, 2, "DDDDDDDD"},
      {"a frame takes three ticks", 0, 3, "DsDsDsDs"},
      {"far behind: the third is drawn", 0, 50, "DssDssDssDss"},
      {"quick watch on time", 1, 0, "DDDDDDDD"},
      {"quick watch far behind: eight skipped", 1, 50, "DssssssssDssssssss"},
  };
  for (const Case& c : cases) {
    SetUp();
    SwFrame.pace.deadline = static_cast<int32_t>(gNow);
    QuickWatch = c.quick;
    const std::string decisions = c.decisions;
    EXPECT_EQ(Pace(static_cast<int>(decisions.size()), c.cost), decisions) << c.name;
    EXPECT_LE(SwFrame.pace.skipped, c.quick ? MAX_SKIPPED_FRAMES_QUICK : MAX_SKIPPED_FRAMES) << c.name;
  }
}

TEST_F(SwFrameTest, OnTimeFramesWaitForTheirTickAt50AndQuickWatchAt200ASecond) {
  SwFrame.pace.deadline = static_cast<int32_t>(gNow);
  Pace(50, 0);
  EXPECT_EQ(gNow, 1100u);  // 50 frames in 100 ticks, a second
  EXPECT_EQ(gWaits.size(), 50u);
  for (size_t i = 1; i < gWaits.size(); ++i) EXPECT_EQ(gWaits[i] - gWaits[i - 1], 2u);

  SetUp();
  SwFrame.pace.deadline = static_cast<int32_t>(gNow);
  QuickWatch = 1;
  Pace(200, 0);
  EXPECT_EQ(gNow, 1100u);  // two frames a tick
}

TEST_F(SwFrameTest, TheRadarMapsThePitchOntoTheGraphic) {
  SetPitchGeometry();
  const int minX = Pitch.minX, maxX = Pitch.maxX, minY = Pitch.minY, maxY = Pitch.maxY;
  struct Case {
    const char* name;
    float x, y;
    int w, h;
    int rx, ry;
  };
  // Wider than high: the far goal line (largest y) on the left, the near
  // touch line (smallest x) at the top.
  const Case cases[] = {
      {"low goal line, near touch line", float(minX), float(minY), 128, 80, 128, 0},
      {"high goal line, far touch line", float(maxX), float(maxY), 128, 80, 0, 80},
      {"centre spot", float(Pitch.centreX), float(Pitch.centreY), 128, 80, 64, 40},
      {"higher than wide: low goal at the top", float(minX), float(minY), 80, 128, 0, 0},
      {"higher than wide: far corner", float(maxX), float(maxY), 80, 128, 80, 128},
  };
  for (const Case& c : cases) {
    int rx = -1, ry = -1;
    RadarPoint(c.x, c.y, c.w, c.h, &rx, &ry);
    EXPECT_EQ(rx, c.rx) << c.name;
    EXPECT_EQ(ry, c.ry) << c.name;
  }
  // Every point of the pitch lands on the graphic.
  for (int y = minY; y <= maxY; y += 37)
    for (int x = minX; x <= maxX; x += 29) {
      int rx, ry;
      RadarPoint(float(x), float(y), 113, 61, &rx, &ry);
      EXPECT_GE(rx, 0);
      EXPECT_LE(rx, 113);
      EXPECT_GE(ry, 0);
      EXPECT_LE(ry, 61);
    }
}

TEST_F(SwFrameTest, TheMatchTableHasPlayersBallAndWorldItems) {
  int types = 0;
  while (MatchObjectTypes[types].count != nullptr) ++types;
  ASSERT_EQ(types, 3);
  EXPECT_EQ(MatchObjectTypes[0].count(), 35);
  EXPECT_EQ(MatchObjectTypes[1].count(), 1);
  EXPECT_NE(MatchObjectTypes[0].prePass, nullptr);
  EXPECT_NE(MatchObjectTypes[1].prePass, nullptr);
  EXPECT_EQ(MatchObjectTypes[2].prePass, nullptr);
}

TEST_F(SwFrameTest, FreeingTablesThatWereNeverMadeIsFatal) {
  EXPECT_FATAL(FirstDestroyGameEnvironment(), "FirstDestroyGameEnvironment\\(\\): tried to free uncreated LUTs");
}

// The environment on the built game data and a 640 x 480 8-bit display.
class SwFrameEnvironmentTest : public SwFrameTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    SwFrameTest::SetUp();
    scratch.emplace("gafferon_swframe");
    InitMemory(9500);
  }
  void TearDown() override {
    scratch.reset();
    SwFrameTest::TearDown();
  }
  bool Start() {
    if (!StartBuiltGameDisplay()) return false;
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 2);
    SetPitchGeometry();
    for (RenderObject& r : RenderObjects) {
      r.x = static_cast<float>(Pitch.centreX);
      r.y = static_cast<float>(Pitch.centreY);
      r.motion = 0;
    }
    return true;
  }
};

// The match sound's driver calls, as words: the effects bank's loads and
// unloads, the channels played and stopped.
std::vector<std::string> gSfxCalls;
const SfxDriver kSfxRecorder = {
    [](int, int, int channel, int, int) {
      gSfxCalls.push_back("play " + std::to_string(channel));
      return channel;
    },
    [](int channel) { gSfxCalls.push_back("stop " + std::to_string(channel)); },
    [](int, int) {},
    [](int, int) {},
    [](int) { return 1; },
    [](int bank, int sample) {
      if (bank == EffectsBank && sample == -1) gSfxCalls.push_back("load effects");
    },
    [](int bank, int sample) {
      if (bank == EffectsBank && sample == -1) gSfxCalls.push_back("unload effects");
    },
};

TEST_F(SwFrameEnvironmentTest, TheEnvironmentIsMadeAndFreedWhole) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  gSfxCalls.clear();
  SFX_SetDriver(&kSfxRecorder);
  EffectsBank = 0;  // the keys the banks get at start-up
  CrowdAmbienceBank = 1;
  LoadMotions();  // the match run's, not the environment's
  const MemoryStats before = GetMemoryStats();
  for (int round = 0; round < 2; ++round) {
    // A caption in sight from before: building the environment takes it away.
    InfoBar(0, 0, 0);
    InfoBar_Update();
    ASSERT_GT(InfoBar_GetSlidePos(), 0);
    SwFrame_CreateWhole();
    EXPECT_EQ(InfoBar_GetSlidePos(), 0) << round;
    EXPECT_EQ(InfoBar_GetHold(), 0) << round;
    EXPECT_EQ(ScreenWidth, 640);
    EXPECT_EQ(ScreenHeight, 480);
    EXPECT_EQ(SwFrame.created, 1);
    // The menu layer's in-game environment is open while the match is.
    EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);
    EXPECT_EQ(GN_GetEnvironment(), GN_ENV_IN_GAME);
    // Frames with every 2D item: radar, replay, quick watch.
    ScannerOn = 1;
    ReplayPlaying = round;
    QuickWatch = 1;
    ASSERT_NE(gNow & QUICK_WATCH_BLINK_BIT, 0u);  // the note is on
    int drawn = 0;
    for (int i = 0; i < 5; ++i) drawn += RenderGameEnvironment();
    // Each drawn frame reads the match keys: F1 asks for the Pause menu.
    const PlatKeyCode f1{59, false};
    PlatSendMessage(WM_KEYDOWN, 0, PlatKeyLParam(f1, false));
    PlatSendMessage(WM_KEYUP, 0, PlatKeyLParam(f1, true));
    drawn += RenderGameEnvironment();
    EXPECT_EQ(drawn, 6) << round;
    EXPECT_EQ(MenuRequest, 5) << round;
    MenuRequest = 0;
    // The score line's text stands in the top-left corner of the view.
    const GfxBuffer* screen = GetGameScreen();
    int inked = 0;
    for (int y = 8; y < 24; ++y)
      for (int x = 8; x < 100; ++x)
        inked += screen->pixels[(y + GAME_SCREEN_BORDER) * screen->stride + x + GAME_SCREEN_BORDER] != 0;
    EXPECT_GT(inked, 20) << round;
    SwFrame_DestroyWhole();
    EXPECT_EQ(SwFrame.created, 0);
    EXPECT_EQ(GN_GetLayerState(), GN_STATE_NONE);
    EXPECT_EQ(MatchScreenMode, ScreenModeIndex);
    const MemoryStats after = GetMemoryStats();
    EXPECT_EQ(after.count, before.count) << round;
    EXPECT_EQ(after.total, before.total) << round;
  }
  // Each round's environment started the match's sound and ended it: the
  // effects loaded, the two ambience loops played, everything stopped.
  EXPECT_EQ(gSfxCalls, (std::vector<std::string>{"play 0", "play 1", "load effects", "unload effects", "stop -1",
                                                 "play 0", "play 1", "load effects", "unload effects", "stop -1"}));
  SFX_SetDriver(nullptr);
  // The ten replay buttons register their hot spots in the replay round: a
  // row at the bottom middle of the view.
  const int left = (640 - REPLAY_BUTTONS * REPBAR_BUTTON_WIDTH) / 2;
  for (int i = 0; i < REPLAY_BUTTONS; ++i) {
    const HotSpotRect r = HotSpot_Get(REPLAY_HOTSPOT_FIRST + i);
    EXPECT_EQ(r.x, left + i * REPBAR_BUTTON_WIDTH) << i;
    EXPECT_EQ(r.y, 480 - REPBAR_BUTTON_HEIGHT) << i;
    EXPECT_EQ(r.width, REPBAR_BUTTON_WIDTH) << i;
    EXPECT_EQ(r.height, REPBAR_BUTTON_HEIGHT) << i;
  }
  UninitPoll();
}

// A match watched from the front end: the front end closes its menus (the
// match layer starts from no GN environment), the match takes the layer's
// in-game environment and gives it back, and the menus can open again.
TEST_F(SwFrameEnvironmentTest, AMatchWatchedFromTheMenusHandsTheMenuLayerOverAndBack) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  InitSetOfMenus();
  EXPECT_EQ(GN_GetEnvironment(), GN_ENV_FRONT_END);
  for (int round = 0; round < 2; ++round) {
    UninitSetOfMenus();
    EXPECT_EQ(GN_GetLayerState(), GN_STATE_NONE);
    SwFrame_CreateWhole();
    EXPECT_FALSE(IsMenuSystemOpen());
    EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);
    EXPECT_EQ(GN_GetEnvironment(), GN_ENV_IN_GAME);
    SwFrame_DestroyWhole();
    EXPECT_EQ(GN_GetLayerState(), GN_STATE_NONE);
    InitSetOfMenus();
    EXPECT_TRUE(IsMenuSystemOpen());
    EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);
    EXPECT_EQ(GN_GetEnvironment(), GN_ENV_FRONT_END);
  }
  UninitSetOfMenus();
  EXPECT_EQ(GN_GetLayerState(), GN_STATE_NONE);
  UninitPoll();
}

TEST_F(SwFrameEnvironmentTest, TheQuickWatchNoteBlinksWithAPeriodOf128Ticks) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  SwFrame_CreateWhole();
  GfxBuffer* screen = GetGameScreen();
  // Ink in the note's corner: right-aligned 4 pixels in, from row 28.
  auto noteInk = [&] {
    int inked = 0;
    for (int y = 28; y < 44; ++y)
      for (int x = ScreenWidth - 120; x < ScreenWidth - 4; ++x)
        inked += screen->pixels[(y + GAME_SCREEN_BORDER) * screen->stride + x + GAME_SCREEN_BORDER] != 0;
    return inked;
  };
  struct Case {
    int16_t quick;
    uint32_t tick;
    bool shown;
  };
  const Case cases[] = {{1, 0, false},   {1, 63, false},  {1, 64, true},   {1, 127, true}, {1, 128, false},
                        {1, 191, false}, {1, 192, true},  {1, 1000, true}, {0, 64, false}, {0, 1000, false}};
  for (const Case& c : cases) {
    std::memset(screen->pixels, 0, static_cast<size_t>(screen->stride) * screen->height);
    QuickWatch = c.quick;
    gNow = c.tick;
    DrawGameDisplay2D();
    EXPECT_EQ(noteInk() > 0, c.shown) << c.quick << " at " << c.tick;
  }
  SwFrame_DestroyWhole();
  UninitPoll();
}

TEST_F(SwFrameEnvironmentTest, GrabsAtEachPeriodsFirstFrameAndTwoSecondsAfterAGoal) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  SetGraphicMode(GfxFindMode(640, 480, 0), 0);
  MatchGrabs_Configure("kickoff,goal");
  struct Step {
    uint32_t tick;
    int8_t period;
    int16_t goals;
    int grabs;  // after the frame
  };
  const Step steps[] = {
      {100, 0, 0, 1},    // kick-off of the first half
      {102, 0, 0, 1},
      {300, 0, 1, 1},    // a goal: due at 500
      {498, 0, 1, 1},
      {500, 0, 1, 2},
      {502, 0, 1, 2},
      {600, 1, 1, 3},    // the second half
      {602, 1, 2, 3},    // a goal
      {700, 1, 3, 3},    // another before the first is grabbed: the later one counts
      {899, 1, 3, 3},
      {900, 1, 3, 4},
  };
  for (const Step& s : steps) {
    TimerTicks = s.tick;
    period = s.period;
    Score[0] = s.goals;
    MatchGrabs_FrameShown();
    EXPECT_EQ(MatchGrabs_Count(), s.grabs) << s.tick;
  }
  for (int n = 1; n <= 4; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "grab%04d.tga", n);
    EXPECT_TRUE(std::filesystem::exists(name)) << name;
  }
  UninitPoll();
}

TEST_F(SwFrameTest, NoGrabsUnlessAsked) {
  for (const char* list : {static_cast<const char*>(nullptr), "", "kick", "goals,kickoffs"}) {
    SetUp();
    MatchGrabs_Configure(list);
    period = 0;
    Score[0] = 1;
    TimerTicks = 10000;
    MatchGrabs_FrameShown();
    TimerTicks = 20000;
    MatchGrabs_FrameShown();
    EXPECT_EQ(MatchGrabs_Count(), 0) << (list ? list : "(none)");
  }
}

}  // namespace
