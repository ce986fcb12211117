// Select League To Play and the player page in the real menu loop.
#include <gtest/gtest.h>

#include "menus/m_mn0.h"
#include "menus/menucont.h"
#include "menus/menu_harness.h"
#include "support/test_world.h"
#include "world/funcs.h"

namespace {

class M_Mn0ScreenTest : public menutest::MenuHarness {
 protected:
  void SetUp() override {
    MenuHarness::SetUp();
    BuildTestWorld();
    MenuManager = 1;
  }
};

// Left turns the ring; a right click while it turns is ignored; once it
// stands, choosing takes Italy and leaves with option 0.
TEST_F(M_Mn0ScreenTest, CarouselTurnsAndChooses) {
  MenuOption = 1;
  ASSERT_TRUE(Run(SelectLeagueMenu, {menutest::ClickAt(10, 160, 320), menutest::ClickAt(25, 480, 320),
                                     menutest::ClickAt(400, 320, 200)}));
  EXPECT_EQ(MenuOption, 0);
  EXPECT_EQ(GNW_GetGameCountry(), 2);
  EXPECT_EQ(SelectLeague_CentreIcon(), 1270);
}

TEST_F(M_Mn0ScreenTest, CarouselBack) {
  MenuOption = 1;
  ASSERT_TRUE(Run(SelectLeagueMenu, {menutest::ClickAt(10, 20, 456)}));
  EXPECT_EQ(MenuOption, 24);
  EXPECT_EQ(GNW_GetGameCountry(), 0);
}

// The page draws its player, offers the list of his relation as a pop-up
// button, and done returns to the option it was opened from.
TEST_F(M_Mn0ScreenTest, PlayerPageShowsAndReturns) {
  const struct {
    int16_t player;
    int16_t list;
  } cases[] = {{tw::kKeeper, PLAYER_ACTIONS_OWN},
               {tw::kMidfielder, PLAYER_ACTIONS_OTHER_CLUB},
               {tw::kHumanManager, PLAYER_ACTIONS_MANAGER},
               {tw::kFreeAgent, PLAYER_ACTIONS_OTHER_CLUB}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.player);
    OpenPlayerPage(c.player, 7);
    ASSERT_TRUE(Run(PlayerPageMenu, {menutest::ClickAt(10, 590, 456)}));
    EXPECT_EQ(MenuOption, 7);
    EXPECT_EQ(PlayerPage_ActionList(), c.list);
    int popups = 0;
    for (const MenuHotspot& spot : menutest::gDriver.hotspots)
      if (spot.kind == MI_TEXT_BUTTON && spot.popup != nullptr) ++popups;
    EXPECT_EQ(popups, 1);
  }
}

}  // namespace
