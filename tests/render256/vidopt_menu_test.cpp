// The "Graphic Options" menu on the front end's menu screen, worked by an
// event script as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "menus/gnlayer.h"
#include "menus/gnmap.h"
#include "menus/menu_harness.h"
#include "platform/platform.h"
#include "render256/vidopt.h"

namespace {

class GraphicOptionsMenuTest : public menutest::MenuHarness {
 protected:
  void SetUp() override {
    MenuHarness::SetUp();
    // The software renderer on the headless display (already enumerated and
    // started by the harness).
    VideoOptionsDefaults();
    VideoConfig_SetCard(0);
    VideoConfig_SetDevice(-1);
    VideoConfig_SetMode(-1);
    VideoChooseMode(VideoConfig);
  }
  void TearDown() override {
    VideoOptionsDefaults();
    MenuHarness::TearDown();
  }
  // Runs the menu under the script: "click X Y" lines, ticks from now.
  // With GAFFERON_GRAB_OUT set, the menu is grabbed before the last click and
  // the picture copied there (to look at by eye).
  void RunMenu(const std::vector<std::pair<int, int>>& clicks) {
    uint32_t at = 0;
    const std::string script = menutest::GNClickScript(clicks, PlatRawTicks() + 50, &at);
    const char* grabOut = std::getenv("GAFFERON_GRAB_OUT");
    std::string error;
    ASSERT_TRUE(PlatLoadEventScript(script, &error)) << error;
    VideoOptionsMenu();
    PlatClearEventScript();
    if (grabOut) std::filesystem::copy_file("grab0001.tga", grabOut, std::filesystem::copy_options::overwrite_existing);
  }
};

// Button centres of the map.
constexpr std::pair<int, int> kCancel{320, 435}, kDone{514, 435}, kApply{126, 435};
constexpr std::pair<int, int> kModeUp{599, 192}, kModeDown{599, 208}, kLightingOn{387, 323};

TEST_F(GraphicOptionsMenuTest, CancelLeavesTheChoiceAsItWas) {
  uint8_t before[VIDEO_CONFIG_SIZE];
  std::memcpy(before, VideoConfig, sizeof before);
  RunMenu({kModeDown, kCancel});
  EXPECT_EQ(std::memcmp(before, VideoConfig, sizeof before), 0);
  EXPECT_EQ(VideoMenu.leaveCode, 0);
  EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);  // the set of menus is closed again
}

TEST_F(GraphicOptionsMenuTest, DoneKeepsANewResolutionWithoutRestartingGraphics) {
  const int32_t mode = VideoConfig_GetMode();
  RunMenu({kModeDown, kLightingOn, kDone});
  // Another 8-bit mode of at least 512 x 384 when the display offers one.
  int suitable = 0;
  for (int i = 0; i < GfxModeCount; ++i)
    suitable += GfxModeList[i].type == 0 && GfxModeList[i].width >= 512 && GfxModeList[i].height >= 384 &&
                GfxModeList[i].width <= 2048 && GfxModeList[i].height <= 1024;
  if (suitable > 1) {
    EXPECT_NE(VideoConfig_GetMode(), mode);
  }
  EXPECT_EQ(GfxModeList[VideoConfig_GetMode()].type, 0);
  EXPECT_EQ(VideoConfig_GetDevice(), -1);
  EXPECT_EQ(VideoConfigWord(VideoConfig, VIDEO_CONFIG_LIGHTING), 0);  // no device: the row is refused
  EXPECT_EQ(VideoMenu.changed, 0);
  EXPECT_TRUE(IsMenuSystemOpen());
}

TEST_F(GraphicOptionsMenuTest, ApplyOpensTheMenuAgainUntilDone) {
  RunMenu({kModeUp, kApply, kDone});
  EXPECT_EQ(VideoMenu.leaveCode, 0);
  EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);
}

TEST(GraphicOptionsMap, EveryClickableItemHasARegionOfItsOwn) {
  // Walk the map as the layer does: the region id in force at each callback item.
  int16_t id = -1;
  std::vector<int16_t> ids;
  for (const GNDisplayItem* item = VideoMenuMap(); item->type != GN_ITEM_END; ++item) {
    if (item->type == GN_ITEM_REGION_ID) id = static_cast<int16_t>(item->data.value);
    if (item->callback) ids.push_back(id);
  }
  // Six arrows, eleven choices (three for smoothing, two for each other row), three buttons.
  EXPECT_EQ(ids.size(), 20u);
  std::vector<int16_t> sorted = ids;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

}  // namespace
