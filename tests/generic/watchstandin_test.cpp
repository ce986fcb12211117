#include "generic/watchstandin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "gamecode/replay.h"
#include "generic/hud.h"
#include "generic/matchctrl.h"
#include "support/engine_fixture.h"

namespace {

// A clock that only moves when a frame waits for it or the test says so.
uint32_t gNow;
std::vector<uint32_t> gWaits;
uint32_t FakeNow() { return gNow; }
void FakeWait(uint32_t tick) {
  gWaits.push_back(tick);
  if (gNow < tick) gNow = tick;
}
int gCrowd;

class WatchStandInTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    WinInit(nullptr, "Gafferon test", 1);  // Poll waits while no window is shown
    gNow = 1000;
    gWaits.clear();
    gCrowd = 0;
    WatchStandIn_SetClock({FakeNow, FakeWait});
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 2);
  }
  // Runs frames, each run one costing `cost` ticks: D run, s skipped.
  static std::string Frames(int n, uint32_t cost) {
    std::string out;
    for (int i = 0; i < n; ++i) {
      const bool run = WatchStandIn_RenderFrame() != 0;
      out += run ? 'D' : 's';
      if (run) gNow += cost;
    }
    return out;
  }
};

TEST_F(WatchStandInTest, FramesAreDueEveryTwoTicksAndHalfATickInQuickWatch) {
  testing::internal::CaptureStdout();
  WatchStandIn_Create();
  EXPECT_NE(testing::internal::GetCapturedStdout().find("watch: paced stand-in made (tick 1000)\n"), std::string::npos);
  EXPECT_EQ(Frames(4, 0), "DDDD");
  EXPECT_EQ(gWaits, (std::vector<uint32_t>{1002, 1004, 1006, 1008}));
  gWaits.clear();
  QuickWatch = 1;
  EXPECT_EQ(Frames(4, 0), "DDDD");
  EXPECT_EQ(gWaits, (std::vector<uint32_t>{1009, 1010}));  // two frames a tick
  EXPECT_EQ(WatchStandIn_FramesRun(), 8);
}

TEST_F(WatchStandInTest, LateFramesAreSkippedAsInTheSoftwareView) {
  WatchStandIn_Create();
  EXPECT_EQ(Frames(9, 7), "DssDssDss");  // each frame costs 7 ticks: two skipped, then one run
  // Quick watch allows eight in a row (two of them are already used).
  QuickWatch = 1;
  gNow += 100;
  EXPECT_EQ(Frames(10, 0), "ssssssDDDD");
}

TEST_F(WatchStandInTest, TheStripAndTickerMoveOncePerTwoTicks) {
  WatchStandIn_Create();
  WatchStandIn_Update();
  EXPECT_EQ(WatchStandIn_HudUpdates(), 0);  // the same two ticks as the creation
  gNow += 2;
  WatchStandIn_Update();
  WatchStandIn_Update();  // the match frame's second call in the same frame
  EXPECT_EQ(WatchStandIn_HudUpdates(), 1);
  gNow += 1;
  WatchStandIn_Update();
  EXPECT_EQ(WatchStandIn_HudUpdates(), 1);
  gNow += 1;
  WatchStandIn_Update();
  EXPECT_EQ(WatchStandIn_HudUpdates(), 2);
}

TEST_F(WatchStandInTest, AFrameRunsTheCrowdAndTheControls) {
  WatchStandIn_Create();
  WatchStandIn_CrowdUpdate = [] { ++gCrowd; };
  ReplayPlaying = 1;
  replayMode = REPLAY_MODE_INSTANT;
  EXPECT_EQ(Frames(2, 0), "DD");
  EXPECT_EQ(gCrowd, 2);
  // The replay bar's ten buttons, centred at the bottom of 640 x 480.
  for (int i = 0; i < 10; ++i) {
    const HotSpotRect r = HotSpot_Get(11 + i);
    EXPECT_EQ(r.x, 110 + 42 * i);
    EXPECT_EQ(r.y, 428);
    EXPECT_EQ(r.width, 42);
    EXPECT_EQ(r.height, 52);
  }
  // A click on the pointer's button picks the replay type.
  SetMatchPointer(110 + 42 * 2 + 5, 430, 1);
  CheckReplayButtons(110 + 42 * 2 + 5, 430, 1);
  EXPECT_EQ(ReplayType, 2);
  // Without a replay the bar is out of reach.
  ReplayPlaying = 0;
  Frames(1, 0);
  EXPECT_FALSE(HotSpot_HitTest(110 + 42 * 2 + 5, 430, 13));
  testing::internal::CaptureStdout();
  WatchStandIn_Release();
  EXPECT_NE(testing::internal::GetCapturedStdout().find("watch: paced stand-in freed (tick 1006)\n"), std::string::npos);
  EXPECT_EQ(WatchStandIn_Pace().deadline, 1006);  // three frames waited two ticks each
}

}  // namespace
