#include "generic/analysis.h"

#include <cstring>
#include <memory>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/rand.h"
#include "engine/timerint.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstandin.h"
#include "gamecode/matchstate.h"
#include "gamecode/playerstandin.h"
#include "gamecode/playmatch.h"
#include "menus/kittab.h"
#include "menus/machine.h"
#include "menus/menupc.h"
#include "platform/platform.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"

namespace {

class AnalysisTest : public EngineTest {};

// Frames skipped in a row once the clock has run far ahead of the target:
// a twentieth of the speed, then one is drawn.
TEST_F(AnalysisTest, LateFramesAreSkippedUpToATwentiethOfTheSpeed) {
  struct Row {
    int16_t speedIndex;
    int skips;
  };
  for (const Row& r : {Row{6, 62}, Row{0, 2}, Row{2, 12}}) {
    SCOPED_TRACE(r.speedIndex);
    SetUp();
    StartWindowAndTimer();
    PlatSetVirtualAutoAdvance(true);
    Analysis_SetGameSpeed(r.speedIndex);
    PlatVirtualAdvance(20000);
    int skipped = 0;
    while (!Analysis_PaceFrame()) ++skipped;
    EXPECT_EQ(skipped, r.skips);
    EXPECT_EQ(Analysis_SkippedFrames(), 0);
    // Back in step: the next frame waits for its time and is drawn.
    const uint32_t before = TimerTicks.load();
    EXPECT_TRUE(Analysis_PaceFrame());
    EXPECT_EQ(TimerTicks.load(), before + (r.speedIndex == 0 ? 2u : 1u));
    EXPECT_FLOAT_EQ(Analysis_TargetTime(), static_cast<float>(TimerTicks.load()));
  }
}

TEST_F(AnalysisTest, TheGameSpeedIsClampedToTheTable) {
  EXPECT_EQ(Analysis_GetGameSpeed(), 2);
  Analysis_SetGameSpeed(9);
  EXPECT_EQ(Analysis_GetGameSpeed(), 6);
  Analysis_SetGameSpeed(-3);
  EXPECT_EQ(Analysis_GetGameSpeed(), 0);
}

// Each minute moves a fifth of the way from the last value towards its
// byte, truncated towards zero; a missing byte reads as 50.
TEST_F(AnalysisTest, TheBalanceGraphIsSmoothed) {
  constexpr uint8_t M = 0xFF;
  struct Row {
    const char* name;
    std::vector<uint8_t> bytes;
    int current;
    std::vector<int16_t> values;  // empty: the graph is not drawn
  };
  const std::vector<Row> rows = {
      {"minute 1 not recorded", {50, M, 80}, 2, {}},
      {"towards 100 and back", {50, 100, 100, 0, 0}, 4, {50, 60, 68, 55, 44}},
      {"a fall truncates towards zero", {50, 47, 0}, 2, {50, 50, 40}},
      {"missing minutes read as 50", {M, 70, M, 100}, 3, {50, 54, 50, 60}},
      {"only up to the current minute", {50, 100, 100, 100}, 1, {50, 60}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    int16_t out[8] = {};
    const int n = Analysis_GraphValues(r.bytes.data(), static_cast<int>(r.bytes.size()), r.current, out);
    ASSERT_EQ(n, static_cast<int>(r.values.size()));
    for (int m = 0; m < n; ++m) EXPECT_EQ(out[m], r.values[static_cast<size_t>(m)]) << m;
  }
}

// Minute 120 (the shoot-out) reads the last of the 120 samples, never past
// them.
TEST_F(AnalysisTest, TheShootOutMinuteIsTheLastSample) {
  std::vector<uint8_t> bytes(120, 60);
  std::vector<int16_t> out(121, -7);
  EXPECT_EQ(Analysis_GraphValues(bytes.data(), 120, 120, out.data()), 120);
  EXPECT_EQ(out[120], -7);
  period = 4;
  EXPECT_EQ(Analysis_CurrentMinute(), 119);
  EXPECT_EQ(Analysis_GraphLength(), 120);
}

// From extra time on the same width holds 120 minutes instead of 90.
TEST_F(AnalysisTest, ExtraTimeChangesTheGraphScale) {
  struct Row {
    int period;
    int length;
    int minute;
    int x;
  };
  for (const Row& r : {Row{0, 90, 0, 232}, Row{1, 90, 88, 320}, Row{1, 90, 89, 320}, Row{2, 120, 88, 298},
                       Row{3, 120, 118, 320}}) {
    period = static_cast<int8_t>(r.period);
    EXPECT_EQ(Analysis_GraphLength(), r.length) << r.period;
    EXPECT_EQ(Analysis_GraphColumnX(r.minute, Analysis_GraphLength()), r.x) << r.period << " " << r.minute;
  }
}

TEST_F(AnalysisTest, TheSmallPitchShowsOnlyWhatIsInItsBox) {
  SetPitchGeometry();
  struct Row {
    int x, y;
    bool inside;
    int sx, sy;
  };
  const int length = Pitch.length, width = Pitch.width;
  const std::vector<Row> rows = {
      {Pitch.maxX, Pitch.minY, true, 242, 91},
      {Pitch.minX, Pitch.maxY, true, 242 + 157, 91 + 107},
      {Pitch.centreX, Pitch.centreY, true, 242 + (Pitch.centreY - Pitch.minY) * 157 / length,
       91 + (Pitch.maxX - Pitch.centreX) * 107 / width},
      {Pitch.minX - 200, Pitch.centreY, false, 0, 0},  // far off the touch line
      {Pitch.centreX, Pitch.maxY + 300, false, 0, 0},  // behind the goal
  };
  for (const Row& r : rows) {
    int sx = 0, sy = 0;
    EXPECT_EQ(Analysis_MiniPitchPoint(r.x, r.y, &sx, &sy), r.inside) << r.x << "," << r.y;
    if (r.inside) {
      EXPECT_EQ(sx, r.sx);
      EXPECT_EQ(sy, r.sy);
    }
  }
}

TEST_F(AnalysisTest, ATimedPauseHoldsTheMatchForItsSeconds) {
  StartWindowAndTimer();
  Analysis_RequestTimedPause(2);
  Analysis_UpdateTimedPause();
  EXPECT_EQ(PauseFlag, 1);
  PlatVirtualAdvance(199);
  Analysis_UpdateTimedPause();
  EXPECT_EQ(PauseFlag, 1);
  PlatVirtualAdvance(1);
  Analysis_UpdateTimedPause();
  EXPECT_EQ(PauseFlag, 0);
  PauseFlag = 1;  // someone else's pause is left alone
  Analysis_UpdateTimedPause();
  EXPECT_EQ(PauseFlag, 1);
}

// A headless run (no screen mode) keeps no panel: nothing is drawn or paced.
TEST_F(AnalysisTest, WithoutAScreenTheViewOnlyCountsFrames) {
  WinInit(nullptr, "Gafferon test", 1);
  InitKeyboardInterrupt();
  Analysis_Create();
  EXPECT_TRUE(Analysis_IsHeadless());
  EXPECT_FALSE(IsMenuSystemOpen());
  const PlatKeyCode f1{59, false};
  PlatSendMessage(WM_KEYDOWN, 0, PlatKeyLParam(f1, false));
  PlatSendMessage(WM_KEYUP, 0, PlatKeyLParam(f1, true));
  for (int i = 0; i < 5; ++i) Analysis_DrawFrame();
  EXPECT_EQ(Analysis_FrameCounter(), 5);
  // The match keys are not read: F1 is still waiting.
  EXPECT_EQ(MenuRequest, 0);
  EXPECT_EQ(KeyWasPressed(59), 1);
  Analysis_Destroy();
}

// ---- on the headless 640 x 480 screen ----

class AnalysisScreenTest : public AnalysisTest {
 protected:
  void SetUp() override {
    AnalysisTest::SetUp();
    scratch_ = std::make_unique<ScratchDir>("analysis");
    InitMemory(16000);
    menutest::OpenDisplayForMenus();
    menutest::MountGeneratedHdPak(true);
    uint8_t* setup = ClearMatchSetupRecord();
    StoreI16(setup + SETUP_MATCH_LENGTH, 1);
    StoreI16(setup + SETUP_SUBSTITUTES, 3);
    for (int side = 0; side < 2; ++side) {
      StandInFillTeam(setup + MATCH_SETUP_TEAM_OFFSET[side], side);
      // Shirts: colour 7 in slot 1 for the first side, colour 12 in slot 2
      // for the second.
      uint8_t* kit = setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_KIT;
      StoreI16(kit + KIT_COLOUR_OFFSET + 2 * side, side == 0 ? 7 : 12);
      StoreI16(kit + KIT_PART_SLOT_OFFSET, side + 1);
    }
  }
  void TearDown() override {
    Analysis_Destroy();
    if (IsMenuSystemOpen()) UninitSetOfMenus();
    AnalysisTest::TearDown();
    scratch_.reset();
  }
  std::unique_ptr<ScratchDir> scratch_;
};

constexpr uint32_t Bit(AnalysisPart p) { return 1u << p; }
constexpr uint32_t kEveryFrame =
    Bit(ANALYSIS_CLOCK) | Bit(ANALYSIS_SCORE) | Bit(ANALYSIS_GRAPH) | Bit(ANALYSIS_MINI_PITCH) | Bit(ANALYSIS_SPEED);
constexpr uint32_t kAll = (1u << ANALYSIS_PART_COUNT) - 1;

TEST_F(AnalysisScreenTest, EachPartIsRedrawnOnItsCadenceAndAllAfterTheMenus) {
  constexpr size_t colour = 12;
  Analysis_Create();
  ASSERT_FALSE(Analysis_IsHeadless());
  EXPECT_TRUE(IsMenuSystemOpen());
  EXPECT_EQ(Analysis_LastDrawnParts(), kAll);
  int rgb[3];
  Analysis_KitColour(1, rgb);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(rgb[k], KitRGB[colour][static_cast<size_t>(k)] * 100 / 255);

  struct Row {
    int32_t frame;
    uint32_t parts;
  };
  const std::vector<Row> rows = {
      {1, kEveryFrame},
      {11, kEveryFrame | Bit(ANALYSIS_FIGURES)},
      {18, kEveryFrame | Bit(ANALYSIS_EVENT_BOX)},
      {19, kEveryFrame | Bit(ANALYSIS_GOALS)},
      {20, kEveryFrame | Bit(ANALYSIS_PLAYERS)},
      {21, kEveryFrame | Bit(ANALYSIS_COMMENTARY)},
      {22, kEveryFrame | Bit(ANALYSIS_FIGURES)},
  };
  size_t next = 0;
  while (next < rows.size()) {
    Analysis_DrawFrame();
    if (Analysis_FrameCounter() != rows[next].frame) continue;
    EXPECT_EQ(Analysis_LastDrawnParts(), rows[next].parts) << rows[next].frame;
    ++next;
  }
  // The in-match menus closed: everything in the first frame after them.
  Analysis_RequestFullRedraw();
  Analysis_DrawFrame();
  EXPECT_EQ(Analysis_LastDrawnParts(), kAll);
  Analysis_DrawFrame();
  EXPECT_EQ(Analysis_LastDrawnParts() & Bit(ANALYSIS_STATIC), 0u);
  // A new period redraws the static panel too.
  period = 1;
  Analysis_DrawFrame();
  EXPECT_EQ(Analysis_LastDrawnParts(), kAll);

  std::vector<uint8_t> picture;
  ASSERT_TRUE(Analysis_GrabPanel(picture));
  EXPECT_EQ(picture.size(), 640u * 480u * static_cast<size_t>(MenuBytesPerPixel()));
  Analysis_Destroy();
  EXPECT_FALSE(IsMenuSystemOpen());
  EXPECT_FALSE(Analysis_GrabPanel(picture));
}

TEST_F(AnalysisScreenTest, AClickOnSubsTacticsAsksForTheLineUpsPage) {
  Analysis_Create();
  MenuRequest = 0;
  SetPointerPosition(540, 448);
  PlatSetMouseButton(0, true);
  Analysis_DrawFrame();
  EXPECT_EQ(MenuRequest, 1);
  MenuRequest = 0;
  Analysis_DrawFrame();  // held, not a new click
  EXPECT_EQ(MenuRequest, 0);
  PlatSetMouseButton(0, false);
}

TEST_F(AnalysisScreenTest, APlayerWithoutAPositionLineStopsTheProgram) {
  StoreI16(GetMatchSetupRecord() + SetupPlayerOffset(0, 3) + SETUP_PLAYER_POSITION, 40);
  for (int side = 0; side < 2; ++side)
    for (int place = 0; place < SIDE_OBJECTS; ++place) SideSlots[side][place] = static_cast<int16_t>(side * 16 + place);
  EXPECT_FATAL(Analysis_Create(), "ERROR:analysis.c default case,0 3 40");
}

// A whole match watched in the "Commentary" mode: the panel is made, drawn
// every frame at the top speed and taken down, without fault.
TEST_F(AnalysisScreenTest, AWholeMatchDrawsItsPanel) {
  PlatSetVirtualAutoAdvance(true);
  uint8_t* setup = GetMatchSetupRecord();
  StoreI16(setup + SETUP_DISPLAY_MODE, 0);
  MatchSeams_Reset();
  PlayerStandIns_Install(MatchSeams);
  MatchSeams.loadMotions = [] {};
  // Each period is cut short after a few hundred frames.
  static int periodFrames = 0;
  static void (*clock)() = MatchSeams.matchClockTick;
  clock = MatchSeams.matchClockTick;
  periodFrames = 0;
  MatchSeams.matchClockTick = [] {
    clock();
    if (++periodFrames % 400 == 0) PeriodOver = 1;
  };
  Analysis_SetGameSpeed(6);
  GameSeedRandom(5);
  bool sawPanel = false;
  static bool* seen = &sawPanel;
  MatchSeams.analysisUpdateTimedPause = [] {
    if (IsMenuSystemOpen() && !Analysis_IsHeadless()) *seen = true;
  };
  PlayMatchGetResult();
  EXPECT_TRUE(sawPanel);
  EXPECT_GT(Analysis_FrameCounter(), 700);
  EXPECT_FALSE(IsMenuSystemOpen());
}

}  // namespace
