#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/poll.h"
#include "engine/timerint.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "generic/hud.h"
#include "render256/fontgame.h"
#include "render256/swframe.h"
#include "render256/swscreen.h"
#include "season/simmatch.h"
#include "season/simsheet.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

class SwEventTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_swevent");
    InitMemory(9500);
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
};

// The event box over a screen of one colour: darkened panel and texts inside
// the panel (8 pixels in from the sides and the bottom), nothing outside.
TEST_F(SwEventTest, TheEventBoxDrawsInsideItsPanelOnly) {
  if (!StartBuiltGameDisplay()) GTEST_SKIP() << "no built game data";
  StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 2);
  SetPitchGeometry();
  SwFrame_CreateWhole();
  MatchEventFields f{};
  f.kind = 2;
  f.goals = 2;
  f.otherGoals = 1;
  f.minute = 0;
  f.player = -1;
  f.firstLegGoals = 1;
  EncodeMatchEvent(f, MatchEvents.events[0]);
  MatchEvents.count = 1;
  SimSheets.flags |= SIMF_SECOND_LEG;  // with the aggregate row
  MatchSeams.matchTimeSeconds = [] { return int32_t{600}; };
  EventTicker_Reset();
  EventTicker_Update();
  ASSERT_EQ(EventTicker_Current(), 0);

  GfxBuffer* screen = GetGameScreen();
  constexpr uint8_t kGround = 200;
  std::memset(screen->pixels, kGround, static_cast<size_t>(screen->stride) * screen->height);
  DisplayEvent2(0);
  const int h = FONT_GetItem(GetScreenSizeClass())->glyphHeight;
  const int top = ScreenHeight - 8 - (4 * h + 8);
  int inside = 0, outside = 0;
  for (int y = 0; y < screen->height; ++y)
    for (int x = 0; x < screen->width; ++x) {
      const bool changed = screen->pixels[y * screen->stride + x] != kGround;
      const int vx = x - GAME_SCREEN_BORDER, vy = y - GAME_SCREEN_BORDER;
      const bool inPanel = vx >= 8 && vx < ScreenWidth - 8 && vy >= top && vy < ScreenHeight - 8;
      (inPanel ? inside : outside) += changed;
    }
  EXPECT_GT(inside, (ScreenWidth - 16) * (4 * h + 8) / 2) << "the panel is darkened";
  EXPECT_EQ(outside, 0);

  // After its end the box is drawn once more, then no more.
  TimerTicks.store(EventTicker_EndTick() + 1);
  DisplayEvent2(0);
  std::memset(screen->pixels, kGround, static_cast<size_t>(screen->stride) * screen->height);
  DisplayEvent2(0);
  for (int i = 0; i < screen->stride * screen->height; ++i) ASSERT_EQ(screen->pixels[i], kGround) << i;
  SwFrame_DestroyWhole();
  UninitPoll();
}

}  // namespace
